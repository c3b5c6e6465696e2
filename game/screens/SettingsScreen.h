// SPDX-License-Identifier: MIT
#pragma once
// Sound effects on or off, the next installed question set, and OK, which
// saves the configuration and reports done. The voice switch is made but
// never shown: that setting only comes from the configuration file.

#include <cstdint>
#include <memory>
#include <string>

#include "game/engine/InputMapper.h"
#include "game/engine/Sprite.h"
#include "game/engine/TextDrawable.h"
#include "game/screens/BackdropAnimation.h"

namespace qv {

class ScreenHost;

class SettingsScreen {
public:
    // The name a language is shown by, in itself ("Deutsch"); the session's
    // language ("") as "System (Deutsch)" in the language now chosen.
    static std::u16string languageName(const std::string& code);

    // Seconds the "No alternatives available" message stays.
    static constexpr float messageSeconds = 3.0f;

    // The host must outlive the screen.
    explicit SettingsScreen(ScreenHost& host);
    ~SettingsScreen();
    SettingsScreen(const SettingsScreen&) = delete;
    SettingsScreen& operator=(const SettingsScreen&) = delete;

    // Lists the question sets, makes the elements and shows all but the
    // voice switch.
    void initialise();
    // The left button, on this screen's own mapper.
    void enter();
    // One frame: the backdrop moves; unless the quit question is up, the
    // message times out and the buttons act.
    void update(float dt);

    std::unique_ptr<InputMapper> input;
    Sprite backdrop;
    Sprite settingsArt;
    Sprite effectsOffButton;
    Sprite effectsOnButton;
    Sprite voiceOffButton;
    Sprite voiceOnButton;
    Sprite changeSetButton;
    Sprite okButton;
    Sprite phonesOffButton;
    Sprite phonesOnButton;
    Sprite languageButton;
    TextDrawable effectsText;
    TextDrawable voiceText;
    TextDrawable questionSetText;
    TextDrawable phonesText;
    TextDrawable phonesAddressText;
    TextDrawable languageText;

    // OK was clicked: the dispatcher closes the screen.
    bool done = false;
    bool messageShowing = false;
    float messageTimer = 0.0f;
    BackdropAnimation backdropAnimation;

private:
    // Sets the lines again in the language now chosen.
    void refreshTexts();
    // The language the lines were set in (i18n::languageGeneration).
    std::uint32_t textsLanguage_ = 0;
    // Turns the phone server on or off and says how it went.
    void switchPhones(bool on);
    void showSetName();
    void changeSet();
    // Steps to the next of the host's languages and shows every word of
    // the screen in it at once.
    void nextLanguage();
    // Every word of the screen, in the language chosen now.
    void showWords();
    void showLanguage();

    ScreenHost& host_;
};

} // namespace qv
