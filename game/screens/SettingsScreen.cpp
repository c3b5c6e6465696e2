// SPDX-License-Identifier: MIT
#include "game/screens/SettingsScreen.h"

#include "common/Translate.h"

#include <string>
#include <vector>

#include "game/engine/SpriteLayer.h"
#include "game/quiz/QuizState.h"
#include "game/screens/ScreenHost.h"
#include "game/screens/ScreenParts.h"

namespace qv {

namespace {

using screen::ButtonImages;
using screen::Envelope;

using screen::clear;
using screen::dimWhite;

constexpr ButtonImages offImages{"Resources//offbuttonoff.tga", "Resources//offbuttonhilight.tga",
                                 "Resources//offbuttonon.tga"};
constexpr ButtonImages onImages{"Resources//onbuttonoff.tga", "Resources//onbuttonhilight.tga",
                                "Resources//onbuttonon.tga"};
constexpr ButtonImages changeSetImages{"Resources//changeqsetbuttonoff.tga",
                                       "Resources//changeqsetbuttonhilight.tga",
                                       "Resources//changeqsetbuttonon.tga"};
constexpr ButtonImages okImages{"Resources//okbuttonoff.tga", "Resources//okbuttonhilight.tga",
                                "Resources//okbuttonon.tga"};

std::u16string effectsLabel(bool on) {
    // TRANSLATORS: a settings line beside its switch; about 20 letters.
    return on ? tr("Sound effects ON")
              // TRANSLATORS: a settings line beside its switch; about 20 letters.
              : tr("Sound effects OFF");
}

std::u16string phonesLabel(bool on) {
    // TRANSLATORS: a settings line: players may join from their phones; about 20 letters.
    return on ? tr("Phones ON")
              // TRANSLATORS: a settings line: players may join from their phones; about 20 letters.
              : tr("Phones OFF");
}

std::u16string voiceLabel(bool on) {
    // TRANSLATORS: a settings line: the host's lines spoken aloud; about 20 letters.
    return on ? tr("Voice ON")
              // TRANSLATORS: a settings line: the host's lines spoken aloud; about 20 letters.
              : tr("Voice OFF");
}

// The language part of a code: "de" of "de_DE.UTF-8" or "de_DE:de".
std::string languagePart(const std::string& code) {
    const auto end = code.find_first_of("_.@:");
    return code.substr(0, end);
}

} // namespace

std::u16string SettingsScreen::languageName(const std::string& code) {
    if (code.empty()) {
        std::string session = languagePart(i18n::sessionLanguages());
        std::u16string name = session.empty() || session == "C" || session == "POSIX"
                                  ? languageName("en")
                                  : languageName(session);
        // TRANSLATORS: the Language choice on the Settings screen when the
        // game follows the desktop's language; %s is that language's name in
        // itself ("Deutsch"). About 24 letters in all.
        std::u16string text = tr("System (%s)");
        const auto at = text.find(u"%s");
        if (at == std::u16string::npos) {
            return text + u" (" + name + u")";
        }
        return text.replace(at, 2, name);
    }
    // Each language by its own name, as its speakers look for it.
    static const struct {
        const char* code;
        const char16_t* name;
    } names[] = {{"en", u"English"}, {"de", u"Deutsch"}, {"fr", u"Français"}, {"es", u"Español"},
                 {"pl", u"Polski"},  {"ru", u"Русский"}, {"qps", u"[Pseudo]"}};
    const std::string part = languagePart(code);
    for (const auto& entry : names) {
        if (part == entry.code) {
            return entry.name;
        }
    }
    return std::u16string(part.begin(), part.end());
}

SettingsScreen::SettingsScreen(ScreenHost& host) : host_(host) {}

SettingsScreen::~SettingsScreen() = default;

void SettingsScreen::initialise() {
    QuizState& quiz = host_.quiz();
    quiz.findQuestionSets();

    screen::makePicture(host_, backdrop, "Resources//big.bmp", Vec3{0.0f, 0.0f, 1.0f},
                        Envelope{opaqueWhite, opaqueBlack, 1.0f, 1.0f});
    backdrop.scale = screen::turningBackdropScale;
    backdrop.setTargetAngle(4.0f);
    screen::makePicture(host_, settingsArt, "Resources//settings.tga", Vec3{513.0f, 385.0f, 0.9f},
                        Envelope{dimWhite, clear, 1.5f, 3.0f});
    // The controls sit in the panel of the picture, which is centred on the
    // screen as the heading and OK are.
    screen::makeButton(host_, effectsOffButton, offImages, Vec3{262.0f, 390.0f, 0.3f}, false);
    screen::makeButton(host_, effectsOnButton, onImages, Vec3{332.0f, 390.0f, 0.3f}, false);
    screen::makeButton(host_, voiceOffButton, offImages, Vec3{262.0f, 440.0f, 0.3f}, false);
    screen::makeButton(host_, voiceOnButton, onImages, Vec3{332.0f, 440.0f, 0.3f}, false);
    screen::makeButton(host_, changeSetButton, changeSetImages, Vec3{342.0f, 544.0f, 0.3f}, false);
    changeSetButton.queuesClicks = true;
    screen::makeButton(host_, okButton, okImages, Vec3{512.0f, 690.0f, 0.3f}, true);
    // Below the set: phones as the players' controllers.
    screen::makeButton(host_, phonesOffButton, offImages, Vec3{262.0f, 594.0f, 0.3f}, false);
    screen::makeButton(host_, phonesOnButton, onImages, Vec3{332.0f, 594.0f, 0.3f}, false);
    // Below the phones: the language, a plate stepping through those installed.
    screen::makeButton(host_, languageButton, changeSetImages, Vec3{342.0f, 640.0f, 0.3f}, false);
    languageButton.queuesClicks = true;

    // The words on the pictures: the heading, the rows' captions and the
    // buttons' labels.
    const LabelLook caption = screen::captionLook();
    LabelLook captionLeft = caption;
    captionLeft.alignLeft = true;
    screen::writeOn(host_, settingsArt, {}, FontSet::headingFont, Vec3{512.0f, 200.0f, 0.0f},
                    760.0f, 100.0f, screen::headingLook());
    screen::writeOn(host_, settingsArt, {}, FontSet::smallLabelFont,
                    Vec3{230.0f + 290.0f, 342.0f, 0.0f}, 580.0f, 22.0f, captionLeft);
    screen::writeOn(host_, settingsArt, {}, FontSet::smallLabelFont,
                    Vec3{244.0f + 290.0f, 494.0f, 0.0f}, 580.0f, 22.0f, captionLeft);
    for (Sprite* button : {&effectsOffButton, &effectsOnButton, &voiceOffButton, &voiceOnButton,
                           &phonesOffButton, &phonesOnButton}) {
        screen::labelButton(host_, *button, {}, FontSet::smallLabelFont, 4.0f);
    }
    screen::labelButton(host_, changeSetButton, {}, FontSet::smallLabelFont);
    screen::labelButton(host_, languageButton, {}, FontSet::smallLabelFont);
    screen::labelButton(host_, okButton, {});

    const Envelope words{dimWhite, clear, 0.5f, 3.0f};
    screen::makeText(host_, effectsText, 0, Vec3{196.0f, 4.0f, 0.3f}, words,
                     effectsLabel(quiz.soundEffectsOn));
    screen::makeText(host_, voiceText, 0, Vec3{196.0f, 28.0f, 0.3f}, words,
                     voiceLabel(quiz.voiceOn));
    screen::makeText(host_, questionSetText, 0, Vec3{236.0f, 80.0f, 0.3f}, words);
    showSetName();
    screen::makeText(host_, phonesText, 0, Vec3{196.0f, 105.0f, 0.3f}, words,
                     phonesLabel(host_.phonesOn()));
    screen::makeText(host_, phonesAddressText, 0, Vec3{281.0f, 105.0f, 0.3f}, words,
                     host_.phonesOn() ? host_.phoneAddresses() : std::u16string());
    phonesAddressText.maxWidth = 250.0f;
    phonesAddressText.fitFont = host_.font(0);
    screen::makeText(host_, languageText, 0, Vec3{236.0f, 128.0f, 0.3f}, words);
    // The texts beside the buttons keep to the screen's panel.
    for (TextDrawable* text : {&effectsText, &questionSetText, &phonesText, &languageText}) {
        text->maxWidth = 860.0f - TextDrawable::screenLeft(text->position);
        text->fitFont = host_.fitFont(0);
        text->leastSqueeze = TextDrawable::fitSqueeze;
    }
    showWords();

    backdrop.start();
    settingsArt.start();
    effectsOffButton.start();
    effectsOnButton.start();
    changeSetButton.start();
    okButton.start();
    phonesOffButton.start();
    phonesOnButton.start();
    languageButton.start();
    effectsText.start();
    questionSetText.start();
    phonesText.start();
    phonesAddressText.start();
    languageText.start();

    screen::showCursor(host_);
    host_.layer().skipNextElapsed = true;
}

void SettingsScreen::enter() {
    input = std::make_unique<InputMapper>();
    screen::bindLeftButton(*input);
}

void SettingsScreen::update(float dt) {
    backdropAnimation.step(backdrop, dt);
    if (host_.quitConfirm()) {
        return;
    }
    if (textsLanguage_ != i18n::languageGeneration()) {
        showWords();
    }
    if (messageShowing) {
        messageTimer -= dt;
        if (messageTimer < 0.0f) {
            showSetName();
            messageShowing = false;
        }
    }

    QuizState& quiz = host_.quiz();
    if (effectsOffButton.takeClick()) {
        quiz.soundEffectsOn = false;
        effectsText.setText(effectsLabel(false));
    }
    if (effectsOnButton.takeClick()) {
        quiz.soundEffectsOn = true;
        effectsText.setText(effectsLabel(true));
    }
    if (voiceOffButton.takeClick()) {
        quiz.voiceOn = false;
        voiceText.setText(voiceLabel(false));
    }
    if (voiceOnButton.takeClick()) {
        quiz.voiceOn = true;
        voiceText.setText(voiceLabel(true));
    }
    if (changeSetButton.takeClick()) {
        changeSet();
    }
    const bool phonesOff = phonesOffButton.takeClick();
    const bool phonesOn = phonesOnButton.takeClick();
    if (phonesOff || phonesOn) {
        switchPhones(phonesOn);
    }
    if (languageButton.takeClick()) {
        nextLanguage();
    }
    if (okButton.takeClick()) {
        quiz.saveConfig();
        done = true;
    }
}

void SettingsScreen::switchPhones(bool on) {
    std::u16string why;
    if (host_.setPhones(on, why)) {
        phonesText.setText(phonesLabel(on));
        phonesAddressText.setText(on ? host_.phoneAddresses() : std::u16string());
    } else {
        phonesText.setText(phonesLabel(host_.phonesOn()));
        phonesAddressText.setText(why);
    }
}

void SettingsScreen::changeSet() {
    QuizState& quiz = host_.quiz();
    // The questions asked from the set being left are remembered now: its
    // play state would otherwise be lost, as only the current set's is
    // saved on quit.
    if (quiz.questionSetCount >= 2) {
        quiz.savePlayState();
    }
    if (quiz.nextQuestionSet()) {
        showSetName();
        return;
    }
    messageShowing = true;
    messageTimer = messageSeconds;
    // TRANSLATORS: in Settings, for a few seconds, when Change Set finds no other question set.
    questionSetText.setText(tr("No alternatives available"));
}

void SettingsScreen::refreshTexts() {
    textsLanguage_ = i18n::languageGeneration();
    const QuizState& quiz = host_.quiz();
    effectsText.setText(effectsLabel(quiz.soundEffectsOn));
    voiceText.setText(voiceLabel(quiz.voiceOn));
    phonesText.setText(phonesLabel(host_.phonesOn()));
    if (messageShowing) {
        // TRANSLATORS: in Settings, for a few seconds, when Change Set finds no other question set.
        questionSetText.setText(tr("No alternatives available"));
    } else {
        showSetName();
    }
}

void SettingsScreen::nextLanguage() {
    const std::vector<std::string> codes = host_.languages();
    if (codes.empty()) {
        return;
    }
    const std::string now = host_.language();
    std::size_t next = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == now) {
            next = (i + 1) % codes.size();
            break;
        }
    }
    host_.setLanguage(codes[next]);
    showWords();
}

void SettingsScreen::showWords() {
    // TRANSLATORS: the large heading of the Settings screen (in capitals); at
    // most about 14 letters.
    settingsArt.label(0).setText(tr("SETTINGS"));
    // TRANSLATORS: the caption over the sound effects row of the Settings
    // screen (in capitals); about 30 letters.
    settingsArt.label(1).setText(tr("SOUND"));
    // TRANSLATORS: the caption over the question set row of the Settings
    // screen (in capitals); about 30 letters.
    settingsArt.label(2).setText(tr("QUESTIONS"));
    for (Sprite* button : {&effectsOffButton, &voiceOffButton, &phonesOffButton}) {
        // TRANSLATORS: a small switch button on the Settings screen (in
        // capitals): off; at most 4 letters.
        button->label(0).setText(trc("switch", "OFF"));
    }
    for (Sprite* button : {&effectsOnButton, &voiceOnButton, &phonesOnButton}) {
        // TRANSLATORS: a small switch button on the Settings screen (in
        // capitals): on; at most 4 letters.
        button->label(0).setText(trc("switch", "ON"));
    }
    // TRANSLATORS: the Settings button (in capitals) that steps to the next
    // question set; about 14 letters.
    changeSetButton.label(0).setText(tr("CHANGE SET"));
    // TRANSLATORS: the Settings button (in capitals) that steps to the next
    // language; about 14 letters.
    languageButton.label(0).setText(tr("LANGUAGE"));
    okButton.label(0).setText(tr("OK"));
    refreshTexts();
    showLanguage();
}

void SettingsScreen::showLanguage() {
    languageText.setText(languageName(host_.language()));
}

void SettingsScreen::showSetName() {
    // TRANSLATORS: in Settings; %s is the name of the question set in play.
    questionSetText.setText(fillPlaceholders(tr("Question Set: %s"), host_.quiz().questionSetName));
}

} // namespace qv
