// SPDX-License-Identifier: MIT
// Composes the generated pictures into stills of the game's screens, placed
// as the screens place them, to look at the art as a whole:
//   qv_art_preview RESOURCES_DIR OUTPUT_DIR
#include "content/art/Compositor.h"
#include "content/art/Layout.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

using qv::art::Compositor;

struct Tint {
    int r, g, b;
};

// The menus' backdrop: the swirl drawn 3.4 times its size about the
// screen's top-left corner.
void menuBackdrop(Compositor& c, Tint t, double angle) {
    c.sprite("big.bmp", 0, 0, t.r, t.g, t.b, 255, 3.4, angle);
}

// A button at rest, or with its hilight image over it.
void button(Compositor& c, const std::string& base, double x, double y, bool lit = false) {
    c.sprite(base + "off.tga", x, y);
    if (lit) {
        c.sprite(base + "hilight.tga", x, y);
    }
}

void title(Compositor& c) {
    menuBackdrop(c, {214, 170, 246}, 5.9);
    c.sprite("title2.tga", 513, 385, 255, 255, 255, 200);
    button(c, "playagainbutton", 512, 600);
    button(c, "newgamebutton", 512, 650, true);
    button(c, "settingsbutton", 512, 700);
    c.sprite("mousearrow.tga", 590, 655);
}

void settings(Compositor& c) {
    menuBackdrop(c, {246, 206, 150}, 4.0);
    c.sprite("settings.tga", 513, 385, 255, 255, 255, 200);
    button(c, "offbutton", 290, 390);
    button(c, "onbutton", 360, 390, true);
    button(c, "changeqsetbutton", 370, 544);
    button(c, "okbutton", 512, 690);
    c.text("Sound effects ON", 420, 392, 30, false, 200);
    c.text("Question Set: Default", 500, 544, 30, false, 200);
    c.sprite("mousearrow.tga", 372, 398);
}

// The playing screen with the ladder lit up to `level` and the rung being
// played for shown at full strength.
void gameStage(Compositor& c, Tint t, int level, const char* player, const char* host) {
    c.sprite("Back.bmp", 512, 384, t.r, t.g, t.b);
    c.sprite("Backframe.tga", 512, 384);
    c.text(player, 100, 66, 50, true);
    c.text(host, 80, 160, 30);
    namespace L = qv::art::layout;
    for (int q = 1; q <= level + 1 && q <= qv::rungCount; ++q) {
        c.sprite(std::to_string(L::prizes[static_cast<std::size_t>(q - 1)]) + ".tga", L::rungX,
                 L::rungY(q));
    }
}

void question(Compositor& c, const char* first, const char* second, const char* const answers[4]) {
    c.text(first, 100, 567, 30);
    c.text(second, 100, 597, 30);
    const double xs[4] = {80, 462, 80, 462};
    const double ys[4] = {660, 660, 718, 718};
    for (int i = 0; i < 4; ++i) {
        c.text(answers[i], xs[i], ys[i], 30);
    }
}

void gamePicture(Compositor& c) {
    gameStage(c, {236, 196, 128}, 5, "Ann", "For 2000, have a look at this.");
    c.sprite("picback.tga", 399, 365, 255, 255, 255, 200);
    // A stand-in picture, 600 x 250: a flag of three bands.
    c.rect(99, 232, 600, 84, 24, 120, 92);
    c.rect(99, 316, 600, 83, 244, 240, 230);
    c.rect(99, 399, 600, 83, 222, 60, 60);
    c.sprite("picholder1.tga", 99, 232);
    c.sprite("picholder2.tga", 699, 232);
    c.sprite("picholder3.tga", 699, 482);
    c.sprite("picholder4.tga", 99, 482);
    c.sprite("AnswerButtonHilight.tga", qv::board::answerCentres[1].x,
             qv::board::answerCentres[1].y);
    const char* const answers[4] = {"Green", "White", "Red", "Blue"};
    question(c, "Which colour is the middle band of the flag", "shown here?", answers);
    c.sprite("mousearrow.tga", 640, 668);
}

void gameWheel(Compositor& c) {
    gameStage(c, {140, 220, 240}, 8, "P2: Bertie", "The wheel is turning...");
    c.sprite("gambleback.tga", 399, 365);
    c.sprite("gamblepointer.tga", 399, 356, 255, 255, 255, 255, 1.0, 1.1);
    c.sprite("gamblebuttonon.tga", 955, 69);
    c.sprite("JokerCrossed.tga", 763, 69);
    const char* const answers[4] = {"1492", "1519", "1588", "1605"};
    question(c, "In which year did the Spanish Armada sail", "against England?", answers);
}

// The final screen: the prize banner, the end button and a few bursts of
// sparks moved the way the game moves them, per frame.
void gameFinal(Compositor& c) {
    gameStage(c, {250, 150, 190}, 9, "Ann", "You are leaving with 32000!");
    std::uint32_t seed = 12345;
    auto random = [&seed](double lo, double hi) {
        seed = seed * 1103515245u + 12345u;
        return lo + ((seed >> 16) & 0x7FFF) * (hi - lo) / 32768.0;
    };
    const struct {
        double x, y, maxSpeed;
        int count, frames;
    } bursts[] = {{220, 250, 15, 400, 18}, {620, 300, 20, 500, 12}, {480, 180, 25, 600, 26}};
    for (const auto& b : bursts) {
        for (int i = 0; i < b.count; ++i) {
            const double angle = random(0, 2 * 3.14159265358979);
            const double speed = random(0, b.maxSpeed);
            double x = b.x, y = b.y;
            double vx = std::sin(angle) * speed, vy = std::cos(angle) * speed;
            for (int f = 0; f < b.frames; ++f) {
                const double time = (f + 1) / 60.0;
                x += vx;
                y += vy;
                vx *= 0.95;
                vy = vy * 0.95 + time * time * 0.08;
            }
            const int alpha = random(0, 1) <= 0.5 ? 100 : 255;
            c.sprite("Firework.tga", x, y, 255, 255, 255, alpha);
        }
    }
    c.sprite("32000win.tga", 399, 364);
    button(c, "endbutton", 399, 480, true);
    c.sprite("mousearrow.tga", 430, 490);
}

void gameOver(Compositor& c) {
    menuBackdrop(c, {150, 200, 250}, 3.0);
    c.sprite("gameover.tga", 513, 385, 255, 255, 255, 200);
    const char* lines[3] = {"Ann won 32000", "Bertie won 1000", "Player 3 won 0"};
    for (int i = 0; i < 3; ++i) {
        c.text(lines[i], 400, 30 * i - 30 + 454, 30, false, 200);
    }
    button(c, "okbutton", 512, 690);
}

void quitQuestion(Compositor& c) {
    title(c);
    c.sprite("quit.tga", 513, 385);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[2], error);
    const struct {
        const char* file;
        void (*compose)(Compositor&);
    } scenes[] = {{"title.png", title},
                  {"settings.png", settings},
                  {"game-picture.png", gamePicture},
                  {"game-wheel.png", gameWheel},
                  {"game-final.png", gameFinal},
                  {"game-over.png", gameOver},
                  {"quit.png", quitQuestion}};
    int failures = 0;
    for (const auto& scene : scenes) {
        Compositor c(argv[1], 1024, 768);
        scene.compose(c);
        const std::string path = std::string(argv[2]) + "/" + scene.file;
        if (!c.save(path)) {
            std::fprintf(stderr, "preview: could not write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
