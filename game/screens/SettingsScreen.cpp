// SPDX-License-Identifier: MIT
#include "game/screens/SettingsScreen.h"

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

const char16_t* effectsLabel(bool on) {
    return on ? u"Sound effects ON" : u"Sound effects OFF";
}

const char16_t* phonesLabel(bool on) {
    return on ? u"Phones ON" : u"Phones OFF";
}

const char16_t* voiceLabel(bool on) {
    return on ? u"Voice ON" : u"Voice OFF";
}

} // namespace

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

    backdrop.start();
    settingsArt.start();
    effectsOffButton.start();
    effectsOnButton.start();
    changeSetButton.start();
    okButton.start();
    phonesOffButton.start();
    phonesOnButton.start();
    effectsText.start();
    questionSetText.start();
    phonesText.start();
    phonesAddressText.start();

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
    questionSetText.setText(u"No alternatives available");
}

void SettingsScreen::showSetName() {
    questionSetText.setText(u"Question Set: " + host_.quiz().questionSetName);
}

} // namespace qv
