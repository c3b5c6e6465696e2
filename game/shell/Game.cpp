// SPDX-License-Identifier: MIT
#include "game/shell/Game.h"

#include <chrono>
#include <cmath>
#include <iostream>

#include "common/Translate.h"
#include "common/Utf16.h"
#include "game/engine/SoundManagerOutput.h"
#include "game/engine/TextDrawable.h"
#include "game/quiz/FirstSet.h"
#include "game/screens/GameOverScreen.h"
#include "game/screens/SettingsScreen.h"
#include "game/screens/TitleScreen.h"
#include "game/shell/AutomationDriver.h"
#include "game/shell/Framework.h"
#include "game/shell/GameLanguage.h"
#include "game/shell/GamePhones.h"
#include "game/shell/GameScreenHost.h"
#include "game/shell/JsonWriter.h"
#include "game/shell/ProgramFolder.h"
#include "game/shell/ScriptedInputSource.h"

namespace qv {

namespace {

constexpr std::uint32_t automationStartSeed = 1;

std::uint32_t millisecondClock() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

void dumpPlace(JsonWriter& json, const Drawable& drawable) {
    json.key("x");
    json.value(static_cast<double>(drawable.position.x));
    json.key("y");
    json.value(static_cast<double>(drawable.position.y));
    json.key("z");
    json.value(static_cast<double>(drawable.position.z));
    json.key("colour");
    json.beginArray();
    for (int k = 0; k < 4; ++k) {
        json.value(static_cast<int>(drawable.colour.channel(k)));
    }
    json.endArray();
}

// How a text keeps to its place: the font size drawn over the size asked,
// and whether it fits (see TextDrawable::fits).
void dumpFit(JsonWriter& json, float squeeze, bool fits) {
    json.key("squeeze");
    json.value(std::round(static_cast<double>(squeeze) * 1000.0) / 1000.0);
    json.key("fits");
    json.value(fits);
}

void dumpDrawable(JsonWriter& json, const Drawable& drawable) {
    if (!drawable.enabled) {
        return;
    }
    json.beginObject();
    json.key("kind");
    if (drawable.kind() == Drawable::Kind::Sprite) {
        const auto& sprite = static_cast<const Sprite&>(drawable);
        json.value("sprite");
        json.key("image");
        json.value(sprite.imagePath());
    } else {
        // Fitting is worked out on first use and kept; asking is no change.
        auto& text = const_cast<TextDrawable&>(static_cast<const TextDrawable&>(drawable));
        json.value("text");
        json.key("text");
        json.value(utf8FromUtf16(text.visibleText()));
        dumpFit(json, text.squeezeDrawn(), text.fits());
    }
    dumpPlace(json, drawable);
    if (drawable.kind() == Drawable::Kind::Sprite && drawable.interactive) {
        json.key("buttonState");
        json.value(static_cast<const Sprite&>(drawable).buttonState);
    }
    json.endObject();
    if (drawable.kind() != Drawable::Kind::Sprite) {
        return;
    }
    // The words on a picture follow it, each as a text of its own.
    const auto& sprite = static_cast<const Sprite&>(drawable);
    for (std::size_t i = 0; i < sprite.labelCount(); ++i) {
        SpriteLabel& label = sprite.label(i);
        if (label.text().empty()) {
            continue;
        }
        json.beginObject();
        json.key("kind");
        json.value("text");
        json.key("text");
        json.value(utf8FromUtf16(label.text()));
        json.key("on");
        json.value(sprite.imagePath());
        dumpFit(json, label.squeeze(), label.fits());
        dumpPlace(json, label.words());
        json.endObject();
    }
}

} // namespace

Game::Game(Framework& framework, std::filesystem::path resources)
    : GameShell(framework), quiz(std::move(resources)) {
    // One record per player, made again whenever the count changes (reading
    // the configuration, choosing the number of players).
    quiz.onPlayerCountChanged = [this](int count) { gameplay.setPlayerCount(count); };
    quiz.onPlayerNamed = [this](int index) { gameplay.playerNamed(index); };
    gameplay.setPlayerCount(quiz.playerCount);
}

Game::~Game() = default;

Game* Game::current() {
    return static_cast<Game*>(GameShell::current());
}

bool Game::onCreateDevice(SDL_Renderer* newDevice) {
    if (framework().automation() && !automation_) {
        startAutomation();
    }
    if (!phones_) {
        startPhones();
    }
    if (!GameShell::onCreateDevice(newDevice)) {
        return false;
    }
    // The game outlives a device the framework makes again; what it knows
    // about questions, players and the questions already asked is read once,
    // so a new device does not forget the evening so far.
    if (!quizLoaded_) {
        quizLoaded_ = true;
        // The set's answers are shuffled as it loads, before a script's first
        // command is read: in automation mode the generator starts from a
        // fixed seed, so every run of a script sees the same answer order.
        quiz.random.seed(framework().automation() ? automationStartSeed : millisecondClock());
        quiz.findQuestionSets();
        if (!quiz.loadConfig()) {
            quiz.configMissing = true;
            // Nothing chosen yet: a German or Spanish session starts with
            // the set written in its language.
            quiz.questionSetName = firstSetFor(quiz.questionSetNames, sessionLanguage());
        }
        quiz.loadQuestionSet(quiz.questionSetName);
        quiz.loadPlayState();
    }

    // The mapper, like the input devices it sits in, does not depend on the
    // device.
    if (!inputMapper) {
        createInputMapper();
    }
    fonts = std::make_unique<FontSet>(device);
    fontsPrepared_ = false;
    prepareFonts();

    cursorSprite = std::make_unique<Sprite>();
    cursorSprite->load(spriteLayer->textures(), "Resources//mousearrow.tga");
    cursorSprite->position = Vec3{pointerPos[0], pointerPos[1], pointerPos[2]};

    PlayServices play{quiz, sounds, *spriteLayer, fonts.get(), cursorSprite.get(), {}, {}};
    play.quitConfirm = [this] { return quitConfirm; };
    play.nextPlayer = [this] { nextPlayer(); };
    gameplay.startRound(std::move(play));

    // A device made again mid-run finds the screens gone with the old one:
    // the game goes on from its title screen, without the quit question.
    if (quitConfirm) {
        // The new draw list starts with the pointer free.
        pointerBlockedBeforeQuit_ = false;
        closeQuitConfirmation();
    }
    settingsActive = false;
    gameOverActive = false;
    enterTitleScreen();

    // The overlay's picture (a whole screen, four times that in twice-sized
    // art) loads when the question first opens, not before the first frame.
    // A device made again (the software renderer switched on or off) keeps
    // the overlay but needs its picture on the new device.
    quitOverlayLoaded_ = false;
    if (!quitOverlay) {
        quitOverlay = std::make_unique<Sprite>();
        quitOverlay->position = Vec3{513.0f, 385.0f, 0.1f};
        quitOverlay->fullColour = opaqueWhite;
        quitOverlay->fadedColour = opaqueBlack;
        quitOverlay->fadeIn = 2.0f;
        quitOverlay->fadeOut = 1.0f;
        // The question dims the whole window, the bars beside the screen
        // too.
        quitOverlay->toWindowEdges = true;
    }

    if (soundManager) {
        soundOutput_ = std::make_unique<SoundManagerOutput<SoundManager, Sound>>(*soundManager);
        sounds.load(soundOutput_.get());
    }
    return true;
}

void Game::createInputMapper() {
    inputMapper = std::make_unique<InputMapper>();
    inputMapper->bind(InputCode::MouseX, pointerXAction, false);
    inputMapper->bind(InputCode::MouseY, pointerYAction, false);
    inputMapper->bind(InputCode::MouseLeft, clickAction, true);
    inputMapper->bind(InputCode::Escape, quitAction, false);
    inputMapper->setDeadZone(InputCode::MouseX, 0.001f);
    inputMapper->setDeadZone(InputCode::MouseY, 0.001f);
    inputMapper->setIndependentAxes(0, true);
    inputMapper->setCurve(InputMapper::CurveRaw);
    inputMapper->bind(InputCode::PadB, padBackOutAction, false);
    inputMapper->bind(InputCode::PadY, padYesAction, false);
    inputMapper->claimSlot(0, true);
    keyboardPointer_ =
        std::make_unique<KeyboardPointer>(*inputMapper, firstKeyboardPointerAction, shortcutSlot);
}

void Game::onDestroyDevice() {
    titleScreen.reset();
    settingsScreen.reset();
    // The game screen's shared sprites go with the device; the players stay
    // with the configuration.
    gameplay.stopRound();
    gameOverScreen.reset();
    cursorSprite.reset();
    // The sounds belong to the sound manager, which a device made again
    // replaces.
    sounds.release();
    soundOutput_.reset();
    GameShell::onDestroyDevice();
}

void Game::setUpPlayers() {
    for (int i = 0; i < quiz.playerCount; ++i) {
        gameplay.setUpGameScreen(i);
    }
}

void Game::startTurn(int player) {
    gameplay.startTurn(player);
    hoverHeld_ = true;
}

void Game::updatePlaying(float elapsed) {
    gameplay.update(currentPlayer, elapsed);
}

bool Game::playerFinished(int player) const {
    // A player without a record cannot play: passing it by ends the game.
    const Player* record = gameplay.player(player);
    return record == nullptr || record->finished;
}

int Game::playerMoney(int player) const {
    return gameplay.playerMoney(player);
}

std::unique_ptr<InputSource> Game::createInputSource() {
    if (pendingScriptedInput_) {
        return std::move(pendingScriptedInput_);
    }
    return GameShell::createInputSource();
}

void Game::startAutomation() {
    // The input devices take the source over; the driver keeps using it, as
    // they live as long as the game.
    pendingScriptedInput_ = std::make_unique<ScriptedInputSource>([this] {
        return std::array<float, 2>{pointerPos[0], pointerPos[1]};
    });
    ScriptedInputSource& scripted = *pendingScriptedInput_;
    scripted.setFrameSeconds(framework().constantFrameSeconds());
    AutomationDriver::Hooks hooks;
    hooks.seed = [this](std::uint32_t seed) { quiz.random.seed(seed); };
    hooks.dump = [this] { return dumpState(); };
    hooks.quit = [this] { framework().shutdown(0); };
    automation_ = std::make_unique<AutomationDriver>(std::cin, std::cout, std::cerr, scripted,
                                                     framework().constantFrameSeconds(), hooks,
                                                     startFolder());
}

void Game::beginFrame() {
    if (automation_) {
        automation_->beginFrame();
    }
}

void Game::endFrame(SDL_Renderer* renderer) {
    if (automation_) {
        automation_->endFrame(renderer);
    }
}

namespace {

// The game's own settings beside the framework's, never in Config.txt.
constexpr const char* gameSection = "Showfloor";
constexpr const char* phonesKey = "Phones";

} // namespace

void Game::startPhones() {
    const Switches switches = framework().switches();
    // In automation mode only the switch turns phones on, so a script's
    // game never depends on what a user chose before.
    std::uint32_t saved = 0;
    const bool chosen = !framework().automation() &&
                        framework().settingsStore().readNumber(gameSection, phonesKey, saved) &&
                        saved != 0;
    if (!switches.phones && !chosen) {
        return;
    }
    PhoneServer::Options options;
    if (switches.phones) {
        options.address = switches.phonesAddress;
        options.port = switches.phonesPort;
    }
    phones_ = std::make_unique<GamePhones>(*this, options);
    if (!phones_->running()) {
        std::cerr << phones_->error() << '\n';
    }
}

bool Game::phonesOn() const {
    return phones_ && phones_->running();
}

bool Game::setPhones(bool on, std::u16string& why) {
    why.clear();
    if (on && !phonesOn()) {
        const Switches switches = framework().switches();
        PhoneServer::Options options;
        if (switches.phones) {
            options.address = switches.phonesAddress;
            options.port = switches.phonesPort;
        }
        phones_ = std::make_unique<GamePhones>(*this, options);
        if (!phones_->running()) {
            why = utf16FromUtf8Lossy(phones_->error());
            phones_.reset();
            return false;
        }
    } else if (!on) {
        phones_.reset();
    }
    framework().settingsStore().writeNumber(gameSection, phonesKey, on ? 1 : 0);
    return true;
}

std::u16string Game::phoneAddresses() const {
    if (!phonesOn()) {
        return {};
    }
    std::string line;
    for (const std::string& address : phones_->server()->pageAddresses()) {
        line += (line.empty() ? "" : "   ") + address;
    }
    return utf16FromUtf8Lossy(line);
}

std::string Game::dumpState() const {
    const char* screen = titleActive      ? "Title"
                         : gameOverActive ? "GameOver"
                         : settingsActive ? "Settings"
                                          : "Playing";
    JsonWriter json;
    json.beginObject();
    json.key("frame");
    json.value(static_cast<long long>(framework().frameCount()));
    json.key("time");
    json.value(framework().completedFrameTime());
    json.key("screen");
    json.value(screen);
    json.key("quitConfirm");
    json.value(quitConfirm);
    json.key("pointer");
    json.beginArray();
    json.value(static_cast<double>(pointerPos[0]));
    json.value(static_cast<double>(pointerPos[1]));
    json.endArray();
    json.key("currentPlayer");
    json.value(currentPlayer);
    // The players of the game in progress; none outside a game.
    json.key("players");
    json.beginArray();
    const bool playing = !titleActive && !gameOverActive && !settingsActive;
    for (int i = 0; playing && i < gameplay.count(); ++i) {
        const Player& p = *gameplay.player(i);
        json.beginObject();
        json.key("name");
        json.value(utf8FromUtf16(quiz.playerNames[static_cast<std::size_t>(i)]));
        json.key("level");
        json.value(p.level);
        json.key("roundState");
        json.value(static_cast<int>(p.roundState));
        json.key("finished");
        json.value(p.finished);
        json.key("finalWinnings");
        json.value(p.finalWinnings);
        json.key("jokerUsed");
        json.value(p.jokerUsed);
        json.key("clueUsed");
        json.value(p.clueUsed);
        json.key("gambleUsed");
        json.value(p.gambleUsed);
        json.endObject();
    }
    json.endArray();
    if (phones_) {
        json.key("phones");
        phones_->dump(json);
    }
    json.key("drawables");
    json.beginArray();
    if (spriteLayer) {
        spriteLayer->forEach([&json](const Drawable& drawable) { dumpDrawable(json, drawable); });
    }
    json.endArray();
    // The language the texts are looked up in: the one chosen in Settings
    // ("" follows the session) and the list gettext follows.
    json.key("language");
    json.beginObject();
    json.key("chosen");
    json.value(i18n::chosenLanguage());
    json.key("messages");
    json.value(i18n::currentLanguages());
    json.key("installed");
    json.beginArray();
    for (const std::string& code : gameLanguages()) {
        json.value(code);
    }
    json.endArray();
    json.endObject();
    json.endObject();
    return json.text();
}

} // namespace qv
