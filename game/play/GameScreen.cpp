// SPDX-License-Identifier: MIT
#include "game/play/GameScreen.h"

#include "game/engine/InputCodes.h"

#include "common/Translate.h"
#include "game/play/Host.h"
#include "game/quiz/BoardLayout.h"
#include "game/quiz/PrizeLadder.h"

#include <cmath>

namespace qv {

namespace {

constexpr Colour transparentBlack{0, 0, 0, 0};

// A place of the board at depth z.
constexpr Vec3 at(board::Place p, float z) {
    return {static_cast<float>(p.x), static_cast<float>(p.y), z};
}
constexpr Vec3 helpAt(int index, float z) {
    return at({board::helpX[static_cast<std::size_t>(index)], board::helpY}, z);
}
constexpr std::array<Vec3, 4> answerTextPlaces{{
    {40.0f, 138.0f, 0.3f},
    {231.0f, 138.0f, 0.3f},
    {40.0f, 167.0f, 0.3f},
    {231.0f, 167.0f, 0.3f},
}};
// Screen pixels from a text's left edge to where its plate or panel has
// rounded off as far as at the badge on the left. The plates are 370 wide on
// their centres with the answer 56 in; the host, question and player panels
// end at 772, 774 and 584.
constexpr float answerTextWidth = 294.0f;
constexpr float hostTextWidth = 676.0f;
// Left of the ladder's panel, in text units (half a board pixel, from the
// left).
constexpr float rungMarkerX = 383.0f;
// A rung's amount ends 94 pixels right of the rung's centre, in a room of
// 130 pixels.
constexpr float rungAmountRoom = 130.0f;
constexpr float rungAmountCentre = 94.0f - rungAmountRoom / 2.0f;
constexpr float questionTextWidth = 650.0f;
constexpr float playerLabelWidth = 468.0f;
// The question panel holds three lines of the smaller face.
constexpr int questionFitLines = 3;
constexpr float pictureX = 399.0f;
constexpr float pictureY = 357.0f;

void envelope(Drawable& d, Vec3 at, Colour faded, float fadeIn, float fadeOut) {
    d.position = at;
    d.fadedColour = faded;
    d.fadeIn = fadeIn;
    d.fadeOut = fadeOut;
}

// A picture centred on its own half size, as the full-screen art is.
void placeByOwnSize(Sprite& sprite, float z) {
    const int width = sprite.sourceRect.right + 1;
    const int height = sprite.sourceRect.bottom + 1;
    sprite.position =
        Vec3{static_cast<float>((width + 1) / 2), static_cast<float>((height + 1) / 2), z};
}

void makeText(TextDrawable& text, const FontSet* fonts, int font, Vec3 at, float fadeIn, float hold,
              float fadeOut, bool letterByLetter) {
    text.font = fonts != nullptr ? fonts->font(font) : nullptr;
    text.position = at;
    text.fullColour = opaqueWhite;
    text.fadedColour = transparentBlack;
    text.fadeIn = fadeIn;
    text.hold = hold;
    text.fadeOut = fadeOut;
    text.typewriter = letterByLetter;
    text.secondsPerLetter = 0.05f;
}

Font* faceOf(const FontSet* fonts, int font) {
    return fonts != nullptr ? fonts->font(font) : nullptr;
}

Font* fitFaceOf(const FontSet* fonts, int font) {
    return fonts != nullptr ? fonts->fitFont(font) : nullptr;
}

// Light letters in a coral glow, as the banner's frame.
LabelLook bannerAmountLook() {
    LabelLook look = oneColourLook(Colour{255, 246, 232, 255}, Colour{255, 126, 92, 240});
    look.glow = true;
    look.tracking = 2;
    return look;
}

void fitWithin(TextDrawable& text, const FontSet* fonts, int font, float width, int lines) {
    text.maxWidth = width;
    text.fitFont = fonts != nullptr ? fonts->fitFont(font) : nullptr;
    text.fitLines = lines;
}

} // namespace

void show(Drawable& drawable) {
    if (!drawable.enabled) {
        drawable.start();
    }
}

void hide(Drawable& drawable) {
    drawable.enabled = false;
}

void startAfresh(Drawable& drawable) {
    drawable.start();
}

GameScreen::GameScreen(TextureCache& textures, const FontSet* fonts, Random& random)
    : textures_(textures) {
    background.load(textures, "Resources//Back.bmp");
    placeByOwnSize(background, 1.0f);
    envelope(background, background.position, transparentBlack, 1.0f, 1.0f);

    backFrame.load(textures, "Resources//Backframe.tga");
    placeByOwnSize(backFrame, 0.99f);
    envelope(backFrame, backFrame.position, transparentBlack, 1.0f, 1.0f);

    winImage.load(textures, winImagePath(1000));
    envelope(winImage, {399.0f, 364.0f, 0.15f}, opaqueBlack, 0.0f, 0.0f);

    endButton.load(textures, "Resources//endbuttonoff.tga", "Resources//endbuttonhilight.tga",
                   "Resources//endbuttonon.tga");
    endButton.position = {399.0f, 480.0f, 0.14f};
    endButton.keepPressedLook = true;
    endButton.clickAfterPress = true;

    wheelBack.load(textures, "Resources//gambleback.tga");
    envelope(wheelBack, {399.0f, 365.0f, 0.2f}, transparentBlack, 2.5f, 3.0f);
    wheelPointer.load(textures, "Resources//gamblepointer.tga");
    // In front of the disc: nearer the viewer means a smaller depth, and a
    // pointer behind the opaque disc would never be seen.
    envelope(wheelPointer, {399.0f, 356.0f, 0.19f}, transparentBlack, 2.5f, 3.0f);
    wheelPointer.turnRate = 1.0f;

    pictureBack.load(textures, "Resources//picback.tga");
    envelope(pictureBack, {399.0f, 365.0f, 0.4f}, opaqueBlack, 1.5f, 0.25f);
    pictureBack.fullColour = Colour{255, 255, 255, 200};
    for (int i = 0; i < 4; ++i) {
        Sprite& corner = pictureCorners[static_cast<std::size_t>(i)];
        corner.load(textures, "Resources//picholder" + std::to_string(i + 1) + ".tga");
        envelope(corner, {pictureX, pictureY, 0.25f}, opaqueBlack, 1.5f, 0.35f);
    }

    takeButton.load(textures, {}, "Resources//takewinningsHilight.tga",
                    "Resources//takewinningson.tga");
    takeButton.position = helpAt(0, 0.9f);
    jokerButton.load(textures, {}, "Resources//jokerbuttonhilight.tga",
                     "Resources//jokerbuttonon.tga");
    jokerButton.position = helpAt(1, 0.9f);
    clueButton.load(textures, {}, "Resources//cluebuttonhilight.tga",
                    "Resources//cluebuttonon.tga");
    clueButton.position = helpAt(2, 0.9f);
    gambleButton.load(textures, {}, "Resources//gamblebuttonhilight.tga",
                      "Resources//gamblebuttonon.tga");
    gambleButton.position = helpAt(3, 0.9f);

    jokerCrossed.load(textures, "Resources//JokerCrossed.tga");
    envelope(jokerCrossed, helpAt(1, 0.8f), transparentBlack, 1.5f, 1.0f);
    clueCrossed.load(textures, "Resources//ClueCrossed.tga");
    envelope(clueCrossed, helpAt(2, 0.8f), transparentBlack, 1.5f, 1.0f);
    gambleCrossed.load(textures, "Resources//GambleCrossed.tga");
    envelope(gambleCrossed, helpAt(3, 0.8f), transparentBlack, 1.5f, 1.0f);

    for (int i = 0; i < answerCount; ++i) {
        Sprite& button = answerButtons[static_cast<std::size_t>(i)];
        button.load(textures, {}, "Resources//AnswerButtonHilight.tga",
                    "Resources//AnswerButtonOn.tga");
        button.position = at(board::answerCentres[static_cast<std::size_t>(i)], 0.4f);
        button.keepPressedLook = true;
    }

    correctMarker.load(textures, "Resources//AnswerCorrect.tga");
    envelope(correctMarker, at(board::answerCentres[0], 0.3f), transparentBlack, 0.5f, 3.0f);

    for (int q = 1; q <= rungCount; ++q) {
        Sprite& r = rung(q);
        r.load(textures, rungImagePath(q));
        envelope(r, at({board::rungX, board::rungY(q)}, 0.4f), transparentBlack, 0.2f, 0.3f);
    }

    makeText(playerLabelText, fonts, 1, {50.0f, -159.0f, 0.5f}, 1.5f, -1.0f, 3.0f, false);
    fitWithin(playerLabelText, fonts, 1, playerLabelWidth, 1);
    makeText(rungMarker, fonts, 1, {rungMarkerX, 0.0f, 0.35f}, 0.2f, -1.0f, 0.2f, false);
    rungMarker.fullColour = Colour{255, 214, 64, 255};
    rungMarker.setText(u"\u00BB");
    makeText(hostText, fonts, 0, {40.0f, -112.0f, 0.5f}, 0.25f, 10.0f, 3.0f, true);
    fitWithin(hostText, fonts, 0, hostTextWidth, 1);
    makeText(questionText, fonts, 0, {50.0f, 99.0f, 0.3f}, 0.5f, -1.0f, 3.0f, true);
    fitWithin(questionText, fonts, 0, questionTextWidth, questionFitLines);
    for (int i = 0; i < answerCount; ++i) {
        TextDrawable& answer = answerTexts[static_cast<std::size_t>(i)];
        makeText(answer, fonts, 0, answerTextPlaces[static_cast<std::size_t>(i)], 2.5f, -1.0f, 3.0f,
                 false);
        fitWithin(answer, fonts, 0, answerTextWidth, 1);
    }

    for (auto& burst : fireworks) {
        burst = std::make_unique<FireworkBurst>(random);
    }

    // Keys that press the buttons where no mouse is at hand. The final
    // screen's one button also takes what a presenter's clicker sends.
    for (int i = 0; i < answerCount; ++i) {
        answerButtons[static_cast<std::size_t>(i)].shortcutKeys = {
            InputCode::letter(static_cast<char>('A' + i)), InputCode::Digit1 + i};
    }
    takeButton.shortcutKeys = {InputCode::letter('T'), 0};
    jokerButton.shortcutKeys = {InputCode::letter('J'), 0};
    clueButton.shortcutKeys = {InputCode::letter('H'), 0};
    gambleButton.shortcutKeys = {InputCode::letter('G'), 0};
    endButton.shortcutKeys = {InputCode::PageDown, InputCode::Right};

    // The words on the pictures. The help buttons' names stand under their
    // icons, large and light on the dark plates; on a crossed-out button in
    // grey.
    const Colour light{250, 250, 248, 255};
    const Colour ink{6, 11, 19, 200};
    const Colour grey{150, 140, 146, 255};
    for (Sprite* button : {&takeButton, &jokerButton, &clueButton, &gambleButton}) {
        button->addLabel(faceOf(fonts, FontSet::helpLabelFont),
                         fitFaceOf(fonts, FontSet::helpLabelFont), Vec3{0.0f, 14.0f, 0.0f}, 80.0f,
                         20.0f, oneColourLook(light, ink));
    }
    // The resting plates are part of the board: their names stay when a
    // button is off (between turns, at the final amount), as painted names
    // did, and the buttons' own names cover them while they are on.
    for (int i = 0; i < 4; ++i) {
        const Vec3 plate = helpAt(i, 0.0f);
        background.addLabel(
            faceOf(fonts, FontSet::helpLabelFont), fitFaceOf(fonts, FontSet::helpLabelFont),
            Vec3{plate.x - background.position.x, plate.y - background.position.y + 14.0f, 0.0f},
            80.0f, 20.0f, oneColourLook(light));
    }
    // The ladder's amounts, right-aligned where the rung's plate leaves room
    // (to 94 pixels right of its centre): on the board for every rung, and
    // on each lit rung's own picture. Amounts a player keeps, and the top
    // one, in a brighter white.
    for (int q = 1; q <= rungCount; ++q) {
        const bool kept = q == guaranteedRungs[0] || q == guaranteedRungs[1] || q == rungCount;
        LabelLook onBoard = oneColourLook(
            kept ? Colour{246, 244, 238, 255} : Colour{196, 200, 204, 255}, Colour{0, 0, 0, 0});
        onBoard.alignRight = true;
        background.addLabel(
            faceOf(fonts, FontSet::labelFont), fitFaceOf(fonts, FontSet::labelFont),
            Vec3{static_cast<float>(board::rungX) + rungAmountCentre - background.position.x,
                 static_cast<float>(board::rungY(q)) - background.position.y, 0.0f},
            rungAmountRoom, 30.0f, onBoard);
        LabelLook lit = oneColourLook(opaqueWhite, Colour{160, 48, 40, 230});
        lit.alignRight = true;
        rung(q).addLabel(faceOf(fonts, FontSet::labelFont), fitFaceOf(fonts, FontSet::labelFont),
                         Vec3{rungAmountCentre, 0.0f, 0.0f}, rungAmountRoom, 30.0f, lit);
    }
    for (Sprite* crossed : {&jokerCrossed, &clueCrossed, &gambleCrossed}) {
        crossed->addLabel(faceOf(fonts, FontSet::helpLabelFont),
                          fitFaceOf(fonts, FontSet::helpLabelFont), Vec3{0.0f, 14.0f, 0.0f}, 80.0f,
                          20.0f, oneColourLook(grey));
    }
    endButton.addPlateLabel(faceOf(fonts, FontSet::labelFont), fitFaceOf(fonts, FontSet::labelFont),
                            16.0f, plateLook());
    // The wheel's halves, 66 pixels above and below its middle.
    wheelBack.addLabel(faceOf(fonts, FontSet::questionFont),
                       fitFaceOf(fonts, FontSet::questionFont), Vec3{0.0f, -66.0f, 0.0f}, 190.0f,
                       50.0f, oneColourLook(opaqueWhite, Colour{22, 138, 100, 255}));
    wheelBack.addLabel(faceOf(fonts, FontSet::questionFont),
                       fitFaceOf(fonts, FontSet::questionFont), Vec3{0.0f, 66.0f, 0.0f}, 190.0f,
                       50.0f, oneColourLook(opaqueWhite, Colour{122, 16, 36, 255}));
    // The banner's caption over the amount.
    winImage.addLabel(faceOf(fonts, FontSet::labelFont), fitFaceOf(fonts, FontSet::labelFont),
                      Vec3{0.0f, -46.0f, 0.0f}, 440.0f, 28.0f,
                      oneColourLook(Colour{255, 168, 128, 255}));
    // The amount on the final banner, large, under its caption.
    winImage.addLabel(faceOf(fonts, FontSet::headingFont), fitFaceOf(fonts, FontSet::headingFont),
                      Vec3{0.0f, 20.0f, 0.0f}, 500.0f, 100.0f, bannerAmountLook());
    showWords();
}

void GameScreen::showWords() {
    // TRANSLATORS: the name under the help button that ends the game with
    // the money won so far (in capitals); at most about 8 letters.
    takeButton.label(0).setText(tr("TAKE"));
    // TRANSLATORS: the name under the help button that answers the question
    // for the player (in capitals); at most about 8 letters.
    jokerButton.label(0).setText(tr("JOKER"));
    // TRANSLATORS: the name under the help button that removes two wrong
    // answers (in capitals); at most about 8 letters.
    clueButton.label(0).setText(tr("CLUE"));
    // TRANSLATORS: the name under the help button that spins the wheel for
    // double or nothing (in capitals); at most about 8 letters.
    gambleButton.label(0).setText(tr("GAMBLE"));
    // The resting plates under the buttons carry the same names.
    const std::array<const Sprite*, 4> helps{&takeButton, &jokerButton, &clueButton, &gambleButton};
    for (std::size_t i = 0; i < helps.size(); ++i) {
        background.label(i).setText(helps[i]->label(0).text());
    }
    for (int q = 1; q <= rungCount; ++q) {
        const std::u16string amount = formatAmount(questionValue(q));
        background.label(static_cast<std::size_t>(3 + q)).setText(amount);
        rung(q).label(0).setText(amount);
    }
    jokerCrossed.label(0).setText(tr("JOKER"));
    clueCrossed.label(0).setText(tr("CLUE"));
    gambleCrossed.label(0).setText(tr("GAMBLE"));
    // TRANSLATORS: the button under the final amount that goes on to the
    // next player or the results (in capitals); about 14 letters.
    endButton.label(0).setText(tr("CONTINUE"));
    // TRANSLATORS: the upper half of the Gamble wheel (in capitals): the
    // amount doubles; at most about 6 letters.
    wheelBack.label(0).setText(trc("gamble wheel", "WIN"));
    // TRANSLATORS: the lower half of the Gamble wheel (in capitals): the
    // amount is lost; at most about 6 letters.
    wheelBack.label(1).setText(trc("gamble wheel", "LOSE"));
    // TRANSLATORS: the caption over the amount a player leaves with (in
    // capitals); about 20 letters.
    winImage.label(0).setText(tr("YOU WIN"));
}

void GameScreen::hideQuestion() {
    hide(questionText);
    for (auto& text : answerTexts) {
        hide(text);
    }
    for (auto& button : answerButtons) {
        hide(button);
    }
    hide(correctMarker);
    if (questionPicture) {
        hidePictureGroup();
    }
}

void GameScreen::prepareQuestion(const Question* question, const std::filesystem::path& picture) {
    questionPicture.reset();
    if (question == nullptr) {
        return;
    }
    questionText.position = {50.0f, 99.0f, 0.3f};
    questionText.setText(breakQuestionLine(question->text));
    for (int i = 0; i < answerCount; ++i) {
        answerTexts[static_cast<std::size_t>(i)].setText(
            question->answers[static_cast<std::size_t>(i)]);
    }
    if (!question->hasPicture) {
        return;
    }
    questionPicture = std::make_unique<Sprite>();
    questionPicture->load(textures_, picture.string());
    envelope(*questionPicture, {pictureX, pictureY, 0.3f}, opaqueBlack, 0.5f, 0.5f);
    questionPicture->fullColour = opaqueWhite;
    const float halfWidth = static_cast<float>(questionPicture->sourceRect.right + 1) / 2.0f;
    const float halfHeight = static_cast<float>(questionPicture->sourceRect.bottom + 1) / 2.0f;
    const std::array<Vec3, 4> corners{{
        {pictureX - halfWidth, pictureY - halfHeight, 0.25f},
        {pictureX + halfWidth, pictureY - halfHeight, 0.25f},
        {pictureX + halfWidth, pictureY + halfHeight, 0.25f},
        {pictureX - halfWidth, pictureY + halfHeight, 0.25f},
    }};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        pictureCorners[i].position = corners[i];
    }
}

void GameScreen::rebuildDrawList(SpriteLayer& layer, Drawable* pointer) {
    layer.removeAll();
    if (pointer != nullptr) {
        layer.add(*pointer);
    }
    layer.add(background);
    layer.add(backFrame);
    layer.add(playerLabelText);
    layer.add(hostText);
    layer.add(rungMarker);
    layer.add(questionText);
    for (auto& text : answerTexts) {
        layer.add(text);
    }
    takeButton.attach();
    jokerButton.attach();
    clueButton.attach();
    gambleButton.attach();
    layer.add(jokerCrossed);
    layer.add(clueCrossed);
    layer.add(gambleCrossed);
    for (auto& button : answerButtons) {
        button.attach();
    }
    layer.add(correctMarker);
    for (int q = rungCount; q >= 1; --q) {
        layer.add(rung(q));
    }
}

void GameScreen::loadWinImage(int amount) {
    winImage.load(textures_, winImagePath(amount));
    winImage.label(1).setText(formatAmount(amount));
}

void GameScreen::cycleBackdrop(std::array<float, 3>& phases, float elapsed) {
    static constexpr std::array<float, 3> rates{0.2f, 0.1f, 0.3f};
    static constexpr float twoPi = 6.2831855f;
    Colour colour = opaqueWhite;
    for (std::size_t k = 0; k < phases.size(); ++k) {
        float& phase = phases[k];
        phase += rates[k] * elapsed;
        if (phase > twoPi) {
            phase -= twoPi;
        }
        const auto channel = static_cast<int>((std::sin(phase) + 1.0f) * 0.5f * 175.0f + 80.0f);
        colour.setChannel(static_cast<int>(k), static_cast<std::uint8_t>(channel));
    }
    background.fullColour = colour;
}

void GameScreen::flashRung(Player& player, float elapsed) {
    if (player.currentRung == nullptr) {
        return;
    }
    const auto state = static_cast<int>(player.roundState);
    const bool flashing = state >= static_cast<int>(RoundState::ShowQuestion) &&
                          state <= static_cast<int>(RoundState::NextTurn) &&
                          player.roundState != RoundState::AfterCorrect;
    if (!flashing) {
        hide(*player.currentRung);
        return;
    }
    player.rungFlashTimer += elapsed;
    if (player.rungFlashTimer >= 1.2f) {
        startAfresh(*player.currentRung);
        player.rungFlashTimer = 0.0f;
    }
}

void GameScreen::markRung(const Player& player) {
    const bool playing =
        player.currentRung != nullptr && player.roundState != RoundState::AfterCorrect &&
        static_cast<int>(player.roundState) >= static_cast<int>(RoundState::ShowQuestion) &&
        static_cast<int>(player.roundState) <= static_cast<int>(RoundState::NextTurn);
    if (!playing) {
        hide(rungMarker);
        return;
    }
    const auto index = player.currentRung - rungs.data();
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(rungs.size())) {
        hide(rungMarker);
        return;
    }
    // Text places its block's centre twice y below the board's middle.
    const int q = static_cast<int>(index) + 1;
    rungMarker.position.y = (static_cast<float>(board::rungY(q)) - 384.0f) / 2.0f;
    show(rungMarker);
}

void GameScreen::advanceFireworks(float elapsed) {
    for (auto& burst : fireworks) {
        if (burst->flying()) {
            burst->update(elapsed);
        }
    }
}

void GameScreen::relaunchFireworks(int count, Random& random) {
    for (int i = 0; i < count && i < fireworkCount; ++i) {
        FireworkBurst& burst = *fireworks[static_cast<std::size_t>(i)];
        if (!burst.flying()) {
            const int x = random.index(0.0, 1024.0);
            const int y = random.index(0.0, 768.0);
            burst.launch(x, y);
        }
    }
}

void GameScreen::addPictureGroup(SpriteLayer& layer) {
    layer.add(pictureBack);
    for (auto& corner : pictureCorners) {
        layer.add(corner);
    }
    if (questionPicture) {
        layer.add(*questionPicture);
    }
}

void GameScreen::showPictureGroup() {
    show(pictureBack);
    for (auto& corner : pictureCorners) {
        show(corner);
    }
    if (questionPicture) {
        show(*questionPicture);
    }
}

void GameScreen::hidePictureGroup() {
    hide(pictureBack);
    for (auto& corner : pictureCorners) {
        hide(corner);
    }
    if (questionPicture) {
        hide(*questionPicture);
    }
}

std::u16string GameScreen::breakQuestionLine(std::u16string_view text) {
    std::u16string line(text);
    if (line.size() > breakFrom) {
        const std::size_t space = line.find(u' ', breakFrom);
        if (space != std::u16string::npos) {
            line[space] = u'\n';
        }
    }
    return line;
}

std::u16string GameScreen::playerLabel(std::u16string_view name, int index, int playerCount) {
    const std::u16string number = amountText(index + 1);
    if (name.size() == 8 && name.substr(0, 7) == u"Player ") {
        // TRANSLATORS: the name of a player who typed none; %d is the player's number (1 to 9).
        return fillRemark(tr("Player %d"), number);
    }
    if (playerCount == 1) {
        return std::u16string(name);
    }
    // TRANSLATORS: a player's label beside the board, short: %d is the player's
    // number (1 to 9), %s the name.
    return fillRemark(tr("P%d: %s"), number, name);
}

} // namespace qv
