// SPDX-License-Identifier: MIT
#pragma once
// The elements of the playing screen, made once and shared by every player:
// the background, question and answers, the answer, help and take buttons,
// the ladder, the host line, the player label, the question picture with its
// frame, the Gamble wheel and the final screen's win image, end button and
// fireworks. Each player's round shows and hides them; everything that
// changes is set from the player, so any player's screen can be put back at
// any time.

#include "common/Random.h"
#include "game/engine/FireworkBurst.h"
#include "game/engine/FontSet.h"
#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"
#include "game/engine/TextDrawable.h"
#include "game/play/Player.h"
#include "game/quiz/Question.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace qv {

class GameScreen {
public:
    static constexpr int answerCount = 4;
    static constexpr int fireworkCount = 5;
    static constexpr std::size_t breakFrom = 45;

    // Makes every element, loading its images from the textures (the layer's
    // cache) and taking its font from `fonts` (null, or a missing font, leaves
    // a text without one: it draws nothing). The fireworks draw from the
    // generator, which must outlive the screen. Nothing is added to the draw
    // list.
    GameScreen(TextureCache& textures, const FontSet* fonts, Random& random);
    // Every element leaves the draw list as it is destroyed.
    ~GameScreen() = default;
    GameScreen(const GameScreen&) = delete;
    GameScreen& operator=(const GameScreen&) = delete;

    // The words drawn on the pictures (the help buttons' names, the end
    // button's, the wheel's WIN and LOSE, the banner's caption) in the
    // language chosen now.
    void showWords();
    // Hides the question, the answers and their buttons, the correct marker,
    // and the picture group when there is a picture.
    void hideQuestion();
    // Fills the question and answer texts from the question and, when it has
    // a picture, loads `picture` into a new question picture with its corners
    // around it (hidden until shown). The previous picture goes first, also
    // for a null question.
    void prepareQuestion(const Question* question, const std::filesystem::path& picture);
    // Empties the draw list and puts the screen back in its fixed order with
    // the pointer first (each added at the head).
    void rebuildDrawList(SpriteLayer& layer, Drawable* pointer);
    // The picture, its back and its corners.
    void addPictureGroup(SpriteLayer& layer);
    void showPictureGroup();
    void hidePictureGroup();

    // Shows the win picture of the amount from now on.
    void loadWinImage(int amount);

    // The background's slow colour cycle: the three phases (red, green,
    // blue) move on and give the background its full colour.
    void cycleBackdrop(std::array<float, 3>& phases, float elapsed);
    // The rung played for flashes every 1.2 s while a question is on; in
    // other states it is off.
    static void flashRung(Player& player, float elapsed);
    // Beside the rung played for stands a steady pointer, so it reads apart
    // from the rungs already won by its shape, not only by its flashing.
    void markRung(const Player& player);
    // Every burst in the air moves on by one frame.
    void advanceFireworks(float elapsed);
    // The first `count` bursts that have died down go up again at random
    // points of the screen.
    void relaunchFireworks(int count, Random& random);

    // The rung of question q, 1 to 15.
    Sprite& rung(int q) { return rungs[static_cast<std::size_t>(q - 1)]; }

    // The question with one line break: at the first space at or after
    // position 45 when the text is longer than 45 characters.
    static std::u16string breakQuestionLine(std::u16string_view text);
    // "Player %d" for a default name, the name alone for one player, else
    // "P%d: %s"; numbers are index + 1.
    static std::u16string playerLabel(std::u16string_view name, int index, int playerCount);

    Sprite background;
    Sprite backFrame;
    Sprite winImage;
    Sprite endButton;
    Sprite wheelBack;
    Sprite wheelPointer;
    Sprite pictureBack;
    std::array<Sprite, 4> pictureCorners;
    Sprite takeButton;
    Sprite jokerButton;
    Sprite clueButton;
    Sprite gambleButton;
    Sprite jokerCrossed;
    Sprite clueCrossed;
    Sprite gambleCrossed;
    std::array<Sprite, answerCount> answerButtons;
    Sprite correctMarker;
    // Question 1 (the 100 rung) first.
    std::array<Sprite, 15> rungs;

    TextDrawable playerLabelText;
    TextDrawable hostText;
    TextDrawable rungMarker;
    TextDrawable questionText;
    std::array<TextDrawable, answerCount> answerTexts;

    std::array<std::unique_ptr<FireworkBurst>, fireworkCount> fireworks;

    // Exists while the question shown has a picture.
    std::unique_ptr<Sprite> questionPicture;

private:
    TextureCache& textures_;
};

// The element shown: started when it is not on (a shown element is not
// started again).
void show(Drawable& drawable);
// Switched off; it stays in the draw list.
void hide(Drawable& drawable);
// On from the start of its envelope, also when it is already shown.
void startAfresh(Drawable& drawable);

} // namespace qv
