// SPDX-License-Identifier: MIT
#include "game/screens/TitleScreen.h"

#include <algorithm>

#include "common/Translate.h"
#include "game/engine/InputDevices.h"
#include "game/engine/SpriteLayer.h"
#include "game/quiz/QuizState.h"
#include "game/screens/ScreenHost.h"
#include "game/screens/ScreenParts.h"

namespace qv {

namespace {

const KeyPresses noPresses;

const KeyPresses& framePresses() {
    const InputDevices* devices = InputDevices::instance();
    return devices != nullptr ? devices->presses() : noPresses;
}

bool isTrailSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool isLeadSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// Characters, not UTF-16 units: a surrogate pair counts once.
std::size_t characterCount(std::u16string_view text) {
    std::size_t count = 0;
    for (char16_t c : text) {
        if (!isTrailSurrogate(c)) {
            ++count;
        }
    }
    return count;
}

// Removes the last character, both halves of a pair.
void popCharacter(std::u16string& text) {
    if (text.empty()) {
        return;
    }
    const bool pair =
        text.size() >= 2 && isTrailSurrogate(text.back()) && isLeadSurrogate(text[text.size() - 2]);
    text.pop_back();
    if (pair) {
        text.pop_back();
    }
}

// Control characters type nothing; a lone half of a pair is no character.
bool typeable(char32_t c) {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && c != 0xFFFE && c != 0xFFFF;
}

std::u16string trimmed(const std::u16string& text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

using screen::ButtonImages;
using screen::Envelope;

using screen::clear;
using screen::dimWhite;

constexpr ButtonImages upImages{"Resources//upbuttonoff.tga", "Resources//upbuttonhilight.tga",
                                "Resources//upbuttonon.tga"};
constexpr ButtonImages downImages{"Resources//downbuttonoff.tga",
                                  "Resources//downbuttonhilight.tga",
                                  "Resources//downbuttonon.tga"};
constexpr ButtonImages playAgainImages{"Resources//playagainbuttonoff.tga",
                                       "Resources//playagainbuttonhilight.tga",
                                       "Resources//playagainbuttonon.tga"};
constexpr ButtonImages newGameImages{"Resources//newgamebuttonoff.tga",
                                     "Resources//newgamebuttonhilight.tga",
                                     "Resources//newgamebuttonon.tga"};
constexpr ButtonImages settingsImages{"Resources//settingsbuttonoff.tga",
                                      "Resources//settingsbuttonhilight.tga",
                                      "Resources//settingsbuttonon.tga"};
constexpr ButtonImages okImages{"Resources//okbuttonoff.tga", "Resources//okbuttonhilight.tga",
                                "Resources//okbuttonon.tga"};

constexpr Vec3 okPlace{512.0f, 690.0f, 0.3f};
// The title art and the new-game art fade in over 3 s and out over 1 s.
constexpr Envelope artFade{dimWhite, opaqueBlack, 3.0f, 1.0f};

// Actions of the screen's mapper: 0 the left button (bound so the button's
// codes are this screen's, read through the sprite layer), 1 Return, then the
// character keys, bound so that no button's shortcut takes a letter of a
// name. What they type comes from the ordered presses.
constexpr int returnAction = 1;
constexpr int firstKeyAction = 2;

} // namespace

TitleScreen::TitleScreen(ScreenHost& host) : host_(host) {}

TitleScreen::~TitleScreen() {
    // The layer may already be gone when the game ends.
    if (SpriteLayer* layer = SpriteLayer::instance()) {
        layer->textEntry = false;
    }
}

void TitleScreen::initialise() {
    const Envelope words{dimWhite, clear, 0.5f, 3.0f};

    screen::makePicture(host_, backdrop, "Resources//big.bmp", Vec3{0.0f, 0.0f, 1.0f},
                        Envelope{opaqueWhite, opaqueBlack, 0.5f, 1.0f});
    backdrop.scale = screen::turningBackdropScale;
    screen::makePicture(host_, titleArt, "Resources//title2.tga", Vec3{}, artFade);
    // Both pieces of art sit with their top-left corner near (1, 1), placed
    // by the title picture's size.
    const int width = titleArt.sourceRect.right + 1;
    const int height = titleArt.sourceRect.bottom + 1;
    const Vec3 artPlace{static_cast<float>(width / 2 + 1), static_cast<float>(height / 2 + 1),
                        0.95f};
    titleArt.position = artPlace;
    LabelLook tagline = screen::captionLook();
    tagline.tracking = 5;
    // TRANSLATORS: the tagline under the game's name on the title screen, in
    // capitals; one line of about 40 letters (two lines at most).
    screen::writeOn(host_, titleArt, tr("A QUIZ NIGHT FOR ONE TO NINE PLAYERS"), FontSet::labelFont,
                    Vec3{512.0f, 332.0f, 0.0f}, 720.0f, 40.0f, tagline);
    // The new-game art and the player-count buttons load when New Game is
    // chosen: before the first frame only what the menu shows is loaded.
    playerCountArtPlace_ = artPlace;

    screen::makeButton(host_, playAgainButton, playAgainImages, Vec3{512.0f, 600.0f, 0.3f}, true);
    screen::makeButton(host_, newGameButton, newGameImages, Vec3{512.0f, 650.0f, 0.3f}, true);
    screen::makeButton(host_, settingsButton, settingsImages, Vec3{512.0f, 700.0f, 0.3f}, true);
    // TRANSLATORS: a button of the title menu (in capitals): start again with
    // the players of the last game; about 18 letters.
    screen::labelButton(host_, playAgainButton, tr("PLAY AGAIN"));
    // TRANSLATORS: a button of the title menu (in capitals): choose the number
    // of players and their names; about 18 letters.
    screen::labelButton(host_, newGameButton, tr("NEW GAME"));
    // TRANSLATORS: a button of the title menu (in capitals) that opens the
    // settings; about 18 letters.
    screen::labelButton(host_, settingsButton, tr("SETTINGS"));

    textsLanguage_ = i18n::languageGeneration();
    // The prompt and the name in the panel of the new-game picture, which is
    // centred on the screen as the heading, the count and OK are.
    screen::makeText(host_, promptText, 0, Vec3{143.5f, -10.0f, 0.9f}, words, promptLine());
    promptText.typewriter = true;
    screen::makeText(host_, countText, 1, Vec3{250.0f, 60.0f, 0.9f},
                     Envelope{dimWhite, clear, 0.4f, 3.0f}, u"1");
    countText.typewriter = true;
    screen::makeText(host_, nameText, 1, Vec3{156.5f, 45.0f, 0.9f},
                     Envelope{dimWhite, opaqueBlack, 0.0f, 0.0f}, u"");

    if (Sprite* cursor = host_.cursor()) {
        host_.layer().add(*cursor);
    }

    QuizState& quiz = host_.quiz();
    if (quiz.loadConfig()) {
        chosenCount = quiz.playerCount;
        countText.setText(screen::decimal(chosenCount));
    }
    host_.layer().skipNextElapsed = true;
}

void TitleScreen::enter() {
    mode = TitleMode::Menu;
    leaveTimer = 0.0f;
    leaving = false;
    choice = Choice::None;

    backdrop.start();
    titleArt.start();
    if (!host_.quiz().configMissing) {
        playAgainButton.start();
    }
    newGameButton.start();
    settingsButton.start();

    input = std::make_unique<InputMapper>();
    input->bind(InputCode::MouseLeft, 0, false);
    input->bind(InputCode::Return, returnAction, false);
    for (int code = InputCode::LetterA; code <= InputCode::Backspace; ++code) {
        input->bind(code, code - InputCode::LetterA + firstKeyAction, false);
    }
    // Keys already held when the screen opens count once they were let go.
    input->claimSlot(1, true);

    screen::showCursor(host_);
}

void TitleScreen::update(float dt) {
    backdropAnimation.step(backdrop, dt);
    if (host_.quitConfirm()) {
        return;
    }
    if (leaving && leaveTimer >= 0.0f) {
        leaveTimer -= dt;
    }
    if (playerCountPartsMade_ && textsLanguage_ != i18n::languageGeneration()) {
        textsLanguage_ = i18n::languageGeneration();
        promptText.setText(promptLine());
    }
    switch (mode) {
    case TitleMode::Menu:
        if (!handleMenu()) {
            return;
        }
        if (leaving && leaveTimer < 0.0f) {
            leaveMenu();
        }
        break;
    case TitleMode::PlayerCount:
        if (leaving || okButton.pressPending) {
            // The count is taken (or OK is being pressed): what is typed now
            // is the first name, kept for the prompt that is about to open.
            // While OK's press plays, the Return that may have pressed it
            // is no part of the name.
            for (const KeyPress& press : framePresses()) {
                if (leaving || press.code == 0 || press.code == InputCode::Backspace) {
                    typedAhead_.push_back(press);
                }
            }
        }
        handlePlayerCount();
        if (leaving && leaveTimer < 0.0f) {
            leavePlayerCount();
        }
        break;
    case TitleMode::NameEntry:
        handleNameEntry();
        nameEntryFrame(dt);
        break;
    }
}

bool TitleScreen::handleMenu() {
    if (playAgainButton.takeClick()) {
        choice = Choice::PlayAgain;
        leaveTimer = 0.0f;
        leaving = true;
    }
    if (newGameButton.takeClick()) {
        choice = Choice::NewGame;
        leaveTimer = 0.0f;
        leaving = true;
    }
    if (settingsButton.takeClick()) {
        // This screen is destroyed inside the call.
        host_.openSettings();
        return false;
    }
    return true;
}

void TitleScreen::leaveMenu() {
    titleArt.enabled = false;
    playAgainButton.enabled = false;
    newGameButton.enabled = false;
    settingsButton.enabled = false;
    if (choice == Choice::PlayAgain) {
        host_.layer().remove(backdrop);
        leaving = false;
        host_.startPlaying();
        return;
    }
    leaving = false;
    mode = TitleMode::PlayerCount;
    makePlayerCountParts();
    newGameArt.start();
    promptText.start();
    countText.start();
    upButton.start();
    downButton.start();
    okButton.start();
}

void TitleScreen::makePlayerCountParts() {
    if (playerCountPartsMade_) {
        return;
    }
    playerCountPartsMade_ = true;
    screen::makePicture(host_, newGameArt, "Resources//newgametitle.tga", playerCountArtPlace_,
                        artFade);
    // TRANSLATORS: the large heading over the choice of players (in
    // capitals); at most about 14 letters.
    screen::writeOn(host_, newGameArt, tr("NEW GAME"), FontSet::headingFont,
                    Vec3{512.0f, 236.0f, 0.0f}, 760.0f, 100.0f, screen::headingLook());
    screen::makeButton(host_, upButton, upImages, Vec3{512.0f, 454.0f, 0.9f}, false);
    screen::makeButton(host_, downButton, downImages, Vec3{512.0f, 554.0f, 0.9f}, false);
    upButton.queuesClicks = true;
    downButton.queuesClicks = true;
    screen::makeButton(host_, okButton, okImages, okPlace, true);
    // TRANSLATORS: the button that confirms a choice or a name; a short word
    // (about 8 letters).
    screen::labelButton(host_, okButton, tr("OK"));
}

void TitleScreen::handlePlayerCount() {
    bool changed = false;
    if (upButton.takeClick() && chosenCount < maxPlayers) {
        ++chosenCount;
        changed = true;
    }
    if (downButton.takeClick() && chosenCount > 1) {
        --chosenCount;
        changed = true;
    }
    if (changed) {
        showCount();
    }
    if (okButton.takeClick()) {
        leaving = true;
        leaveTimer = 1.0f;
    }
}

void TitleScreen::showCount() {
    countText.setText(screen::decimal(chosenCount));
    // Started again, the number types itself out anew.
    countText.enabled = false;
    countText.start();
}

void TitleScreen::leavePlayerCount() {
    leaving = false;
    host_.quiz().setPlayerCount(chosenCount);
    mode = TitleMode::NameEntry;
    promptForName(entryIndex);
    countText.enabled = false;
    upButton.enabled = false;
    downButton.enabled = false;
    screen::stopButton(okButton);
    okButton.position = okPlace;
    okButton.start();
    nameText.start();
}

std::u16string TitleScreen::promptLine() const {
    if (mode != TitleMode::NameEntry) {
        // TRANSLATORS: above the player-count buttons of a new game; one line, about 40 letters.
        return tr("Please select number of players");
    }
    // TRANSLATORS: above the name being typed; %d is the player's number (1 to 9).
    const std::u16string prompt = tr("Player %d, please enter your name");
    return fillPlaceholders(prompt, screen::decimal(entryIndex + 1));
}

void TitleScreen::promptForName(int index) {
    const QuizState& quiz = host_.quiz();
    typedName = index >= 0 && index < maxPlayers ? quiz.playerNames[static_cast<std::size_t>(index)]
                                                 : std::u16string();
    carriedName = !typedName.empty();
    cursorTimer = 0.0f;
    nameText.setText(typedName);
    textsLanguage_ = i18n::languageGeneration();
    promptText.setText(promptLine());
    // From its first letter again.
    promptText.enabled = false;
    promptText.start();
    host_.layer().textEntry = true;
    KeyPresses ahead = std::move(typedAhead_);
    typedAhead_.clear();
    for (std::size_t i = 0; i < ahead.size(); ++i) {
        if (!takeNamePress(ahead[i])) {
            typedAhead_.assign(ahead.begin() + static_cast<std::ptrdiff_t>(i) + 1, ahead.end());
            break;
        }
    }
}

void TitleScreen::removeCursorMark() {
    if (!typedName.empty() && typedName.back() == u'_') {
        typedName.pop_back();
    }
}

void TitleScreen::handleNameEntry() {
    if (okButton.takeClick()) {
        confirmName();
    }
    // Every press of the frame in the order it came: several keys typed
    // within one frame all count. Between two prompts they wait.
    KeyPresses presses = framePresses();
    // Return from a source that keeps no order (a game controller's Start)
    // comes last.
    const bool returnListed =
        std::any_of(presses.begin(), presses.end(),
                    [](const KeyPress& press) { return press.code == InputCode::Return; });
    if (!returnListed && input && input->state(returnAction) == ActionState::Pressed) {
        presses.push_back(KeyPress{InputCode::Return, false, {}});
    }
    for (const KeyPress& press : presses) {
        if (leaving || confirming_) {
            typedAhead_.push_back(press);
        } else {
            takeNamePress(press);
        }
    }
}

bool TitleScreen::takeNamePress(const KeyPress& press) {
    if (press.code == InputCode::Return) {
        if (press.repeat) {
            return true;
        }
        // Return presses OK at a point of its box, so the click plays out
        // exactly as one made with the pointer.
        okButton.click(Vec3{okButton.position.x + okButton.centre.x,
                            okButton.position.y + okButton.centre.y, okButton.position.z});
        // Until the press has played out and confirmed the name, what is
        // typed is for the next prompt.
        confirming_ = okButton.buttonState == 2;
        return !confirming_;
    }
    if (press.code == InputCode::Backspace) {
        host_.playClick();
        removeCursorMark();
        carriedName = false;
        popCharacter(typedName);
        nameText.setText(typedName);
        return true;
    }
    if (press.code != 0 || press.text.empty()) {
        return true;
    }
    removeCursorMark();
    if (carriedName) {
        // The carried name reads as selected: what is typed replaces it.
        typedName.clear();
        carriedName = false;
    }
    bool typed = false;
    for (std::size_t i = 0; i < press.text.size(); ++i) {
        char32_t c = press.text[i];
        std::size_t units = 1;
        if (isLeadSurrogate(press.text[i]) && i + 1 < press.text.size() &&
            isTrailSurrogate(press.text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (press.text[i + 1] - 0xDC00);
            units = 2;
        } else if (isLeadSurrogate(press.text[i]) || isTrailSurrogate(press.text[i])) {
            continue;
        }
        if (typeable(c) && characterCount(typedName) < typedNameLimit) {
            typedName.append(press.text, i, units);
            typed = true;
        }
        i += units - 1;
    }
    if (typed || characterCount(typedName) >= typedNameLimit) {
        host_.playClick();
    }
    nameText.setText(typedName);
    return true;
}

void TitleScreen::nameFromPhone(std::u16string_view name) {
    if (mode != TitleMode::NameEntry || leaving || confirming_) {
        return;
    }
    typedName.assign(name);
    carriedName = false;
    nameText.setText(typedName);
    okButton.click(Vec3{okButton.position.x + okButton.centre.x,
                        okButton.position.y + okButton.centre.y, okButton.position.z});
    // Typing that comes while the click plays out is for the next prompt.
    confirming_ = okButton.buttonState == 2;
}

void TitleScreen::confirmName() {
    confirming_ = false;
    leaving = true;
    leaveTimer = okButton.fadeIn;
    removeCursorMark();
    // Blanks typed before or after a name are no part of it.
    host_.quiz().setPlayerName(entryIndex, trimmed(typedName));
    screen::stopButton(okButton);
    okButton.start();
    ++entryIndex;
}

void TitleScreen::nameEntryFrame(float dt) {
    cursorTimer += dt;
    if (cursorTimer > 0.25f) {
        if (!typedName.empty() && typedName.back() == u'_') {
            typedName.pop_back();
        } else {
            typedName.push_back(u'_');
        }
        nameText.setText(typedName);
        cursorTimer = 0.0f;
    }
    if (!leaving || leaveTimer >= 0.0f) {
        return;
    }
    typedName.clear();
    nameText.setText(u"");
    leaving = false;
    if (entryIndex < chosenCount) {
        promptForName(entryIndex);
        return;
    }
    host_.layer().textEntry = false;
    host_.layer().remove(backdrop);
    host_.quiz().saveConfig();
    host_.startPlaying();
}

} // namespace qv
