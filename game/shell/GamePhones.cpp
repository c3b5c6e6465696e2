// SPDX-License-Identifier: MIT
#include "game/shell/GamePhones.h"

#include <algorithm>
#include <unistd.h>

#include <SDL.h>

#include <array>

#include "common/Translate.h"
#include "common/Utf16.h"
#include "game/engine/ButtonSearch.h"
#include "game/engine/InputCodes.h"
#include "game/engine/SpriteLayer.h"
#include "game/phones/PhoneMessage.h"
#include "game/phones/QrCode.h"
#include "game/screens/ScreenParts.h"
#include "game/screens/TitleScreen.h"
#include "game/shell/Game.h"
#include "game/shell/GameLanguage.h"
#include "game/shell/GameScreenHost.h"
#include "game/shell/JsonWriter.h"

namespace qv {
namespace {

// The key that presses the same button on the television.
int codeOf(PhoneButton button) {
    switch (button) {
    case PhoneButton::A:
    case PhoneButton::B:
    case PhoneButton::C:
    case PhoneButton::D:
        return InputCode::letter(static_cast<char>('A' + static_cast<int>(button)));
    case PhoneButton::Take:
        return InputCode::letter('T');
    case PhoneButton::Joker:
        return InputCode::letter('J');
    case PhoneButton::Clue:
        return InputCode::letter('H');
    case PhoneButton::Gamble:
        return InputCode::letter('G');
    case PhoneButton::Next:
        return InputCode::PageDown;
    }
    return 0;
}

constexpr std::array<PhoneButton, 9> allButtons = {
    PhoneButton::A,     PhoneButton::B,    PhoneButton::C,      PhoneButton::D,   PhoneButton::Take,
    PhoneButton::Joker, PhoneButton::Clue, PhoneButton::Gamble, PhoneButton::Next};

} // namespace

GamePhones::GamePhones(Game& game, const PhoneServer::Options& options) : game_(game) {
    server_ = PhoneServer::start(options, error_);
    if (server_) {
        updatePageWords();
    }
}

GamePhones::~GamePhones() {
    hideJoining();
    if (!qrFile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(qrFile_, ignored);
    }
}

namespace {

// The code as a picture file the texture cache can load (and load again
// after a device reset): dark modules on white with the quiet zone the
// readers need, each module a square of `module` pixels.
bool writeQrPicture(const QrCode& code, const std::filesystem::path& file, int module) {
    const int quiet = 4;
    const int side = (code.size + 2 * quiet) * module;
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, side, side, 24, SDL_PIXELFORMAT_RGB24), &SDL_FreeSurface);
    if (!surface) {
        return false;
    }
    SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, 255, 255, 255));
    const Uint32 dark = SDL_MapRGB(surface->format, 0, 0, 0);
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (code.dark[static_cast<std::size_t>(y * code.size + x)]) {
                SDL_Rect cell{(x + quiet) * module, (y + quiet) * module, module, module};
                SDL_FillRect(surface.get(), &cell, dark);
            }
        }
    }
    return SDL_SaveBMP(surface.get(), file.string().c_str()) == 0;
}

} // namespace

void GamePhones::showJoining() {
    SpriteLayer* layer = game_.spriteLayer.get();
    if (!layer) {
        return;
    }
    // A screen change empties the draw list; a new game brings a new code.
    const std::string room = server_->roomCode();
    if (layer->contains(roomText_) && room == shownRoom_ &&
        shownLanguage_ == i18n::languageGeneration()) {
        return;
    }
    shown_ = true;
    shownRoom_ = room;
    shownLanguage_ = i18n::languageGeneration();
    const std::string address = server_->pageAddress();
    const QrCode code = makeQrCode(address + "/?room=" + room);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("quizvale-join-" + std::to_string(getpid()) + "-" + room + ".bmp");
    if (code.size > 0 && writeQrPicture(code, file, 4)) {
        if (!qrFile_.empty() && qrFile_ != file) {
            std::error_code ignored;
            std::filesystem::remove(qrFile_, ignored);
        }
        qrFile_ = file;
        const float side = static_cast<float>((code.size + 8) * 4);
        const screen::Envelope envelope{opaqueWhite, opaqueBlack, 0.5f, 0.5f};
        screen::makePicture(game_.screenHost(), qrPicture_, qrFile_.string(),
                            Vec3{12.0f + side / 2.0f, 756.0f - side / 2.0f, 0.2f}, envelope);
        qrPicture_.start();
    }
    const screen::Envelope textEnvelope{Colour{255, 255, 255, 230}, Colour{0, 0, 0, 0}, 0.5f, 0.5f};
    // Text places are in half units from the screen's left and from its
    // middle line (see TextDrawable).
    screen::makeText(game_.screenHost(), roomText_, 0, Vec3{6.0f, 68.0f, 0.2f}, textEnvelope,
                     // TRANSLATORS: on screen while phones may join; %s is the room's code.
                     fillPlaceholders(tr("Phones: room %s"), utf16FromUtf8Lossy(room)));
    screen::makeText(game_.screenHost(), addressText_, 0, Vec3{6.0f, 88.0f, 0.2f}, textEnvelope,
                     utf16FromUtf8Lossy(address));
    roomText_.start();
    addressText_.start();
}

void GamePhones::hideJoining() {
    if (!shown_) {
        return;
    }
    shown_ = false;
    shownRoom_.clear();
    if (SpriteLayer* layer = game_.spriteLayer.get()) {
        layer->remove(qrPicture_);
        layer->remove(roomText_);
        layer->remove(addressText_);
    }
    qrPicture_.enabled = false;
    roomText_.enabled = false;
    addressText_.enabled = false;
}

bool GamePhones::pressAllowed(std::size_t seat, PhoneButton button) const {
    const PhoneRoom room = server_->room();
    if (seat >= room.seats().size()) {
        return false;
    }
    const PhoneSeat& who = room.seats()[seat];
    if (who.role != PhoneSeat::Role::Player) {
        return false;
    }
    if (game_.gameOverActive) {
        // Any player may close the results.
        return button == PhoneButton::Next;
    }
    const bool playing = !game_.titleActive && !game_.settingsActive && !game_.gameOverActive;
    return playing && who.player == game_.currentPlayer;
}

std::optional<Vec3> GamePhones::pressedButton(const SpriteLayer& layer) {
    if (!server_) {
        return std::nullopt;
    }
    for (const PhoneEvent& event : server_->takeEvents()) {
        presses_.push_back(event);
    }
    // One press a frame, in the order they came; a join waits for the names
    // screen (afterFrame).
    while (!presses_.empty()) {
        const PhoneEvent event = presses_.front();
        if (event.kind == PhoneEvent::Kind::Joined) {
            // Kept in the room as a waiting seat; nothing to press.
            presses_.erase(presses_.begin());
            continue;
        }
        presses_.erase(presses_.begin());
        if (!pressAllowed(event.seat, event.button) || layer.pointerBlocked) {
            continue;
        }
        if (const Sprite* button = buttonForKey(shownButtons(layer), codeOf(event.button))) {
            return button->position;
        }
    }
    return std::nullopt;
}

void GamePhones::fillNames() {
    TitleScreen* title = game_.titleScreen.get();
    if (!title || !game_.titleActive || title->mode != TitleScreen::TitleMode::NameEntry ||
        title->leaving || title->entryIndex >= title->chosenCount || game_.quitConfirm) {
        return;
    }
    // The OK click plays out over the next frames: one name per player.
    if (title == filledOn_ && title->entryIndex == filledIndex_) {
        return;
    }
    const PhoneRoom room = server_->room();
    const std::optional<std::size_t> seat = room.nextWaiting();
    if (!seat) {
        return;
    }
    filledOn_ = title;
    filledIndex_ = title->entryIndex;
    server_->seatAsPlayer(*seat, title->entryIndex);
    title->nameFromPhone(utf16FromUtf8Lossy(room.seats()[*seat].name));
}

void GamePhones::afterFrame() {
    if (!server_) {
        // Why phones are off, where the code would be.
        SpriteLayer* layer = game_.spriteLayer.get();
        if (game_.titleActive && game_.titleScreen && layer && !layer->contains(roomText_)) {
            const screen::Envelope envelope{Colour{255, 210, 160, 230}, Colour{0, 0, 0, 0}, 0.5f,
                                            0.5f};
            screen::makeText(game_.screenHost(), roomText_, 0, Vec3{6.0f, 178.0f, 0.2f}, envelope,
                             utf16FromUtf8Lossy(error_));
            roomText_.maxWidth = 640.0f;
            roomText_.start();
            shown_ = true;
        } else if (!game_.titleActive) {
            hideJoining();
        }
        return;
    }
    const TitleScreen* title = game_.titleActive ? game_.titleScreen.get() : nullptr;
    const int mode = title ? static_cast<int>(title->mode) : -1;
    // A new game from the menu: a new room code, and the phones are named
    // again in the order they joined. Play Again keeps every phone's player.
    if (mode == static_cast<int>(TitleScreen::TitleMode::PlayerCount) &&
        lastTitleMode_ == static_cast<int>(TitleScreen::TitleMode::Menu)) {
        server_->newGame();
    }
    lastTitleMode_ = mode;
    fillNames();
    if (game_.titleActive && game_.titleScreen) {
        showJoining();
    } else {
        hideJoining();
    }
    const bool playing = !game_.titleActive && !game_.settingsActive && !game_.gameOverActive;
    if (playing && !wasPlaying_) {
        server_->waitingWatch();
        // Play Again goes from the menu straight into play: a new code for
        // the new game, the phones keep their players.
        if (lastMenuBeforePlay_) {
            server_->newCode();
        }
    }
    lastMenuBeforePlay_ = mode == static_cast<int>(TitleScreen::TitleMode::Menu) ||
                          (lastMenuBeforePlay_ && mode == -1 && !playing);
    wasPlaying_ = playing;
    updatePageWords();
    server_->publish(view());
}

void GamePhones::updatePageWords() {
    if (wordsGeneration_ == i18n::languageGeneration()) {
        return;
    }
    wordsGeneration_ = i18n::languageGeneration();
    pageLanguage_ = spokenLanguage();
    // The page's element ids (or message names) and their words; the page
    // shows its own English ones until these arrive.
    const std::pair<const char*, std::u16string> words[] = {
        // TRANSLATORS: the phone page's heading over the room code and name.
        {"joinHeading", trc("phone", "Join the game")},
        {"roomLabel", trc("phone", "Room code")},
        {"nameLabel", trc("phone", "Your name")},
        // TRANSLATORS: the phone page's button that joins the room.
        {"joinButton", trc("phone", "Join")},
        // TRANSLATORS: the phone page's help buttons, short: four share a row.
        {"take", trc("phone", "Take")},
        {"joker", trc("phone", "Joker")},
        {"clue", trc("phone", "Clue")},
        {"gamble", trc("phone", "Gamble")},
        {"next", trc("phone", "Continue")},
        {"full", trc("phone", "The game is full.")},
        {"wrongRoom", trc("phone", "That is not the room code on the screen.")},
        // TRANSLATORS: the phone page's heading over the final standings.
        {"results", trc("phone", "Results")},
        {"waiting", trc("phone", "You are in. The game starts soon.")},
        {"watching", trc("phone", "You are watching.")},
        {"yourTurn", trc("phone", "Your turn!")},
        // TRANSLATORS: on the phones of the players waiting; %s is the
        // name of the player whose turn it is.
        {"turnOf", trc("phone", "%s's turn")},
    };
    std::string json = "{\"lang\":";
    json += jsonQuoted(pageLanguage_);
    json += ",\"words\":{";
    bool first = true;
    for (const auto& [key, text] : words) {
        json += first ? "\"" : ",\"";
        first = false;
        json += key;
        json += "\":";
        json += jsonQuoted(utf8FromUtf16(text));
    }
    json += "}}";
    server_->setPageWords(std::move(json));
}

PhoneView GamePhones::view() const {
    PhoneView view;
    view.language = pageLanguage_;
    const auto name = [this](int player) {
        return player >= 0 && player < static_cast<int>(game_.quiz.playerNames.size())
                   ? utf8FromUtf16(game_.quiz.playerNames[static_cast<std::size_t>(player)])
                   : std::string();
    };
    if (game_.titleActive) {
        const TitleScreen* title = game_.titleScreen.get();
        view.screen = title && title->mode == TitleScreen::TitleMode::NameEntry ? "names" : "title";
        return view;
    }
    if (game_.settingsActive) {
        view.screen = "settings";
        return view;
    }
    const SpriteLayer* layer = game_.spriteLayer.get();
    const std::vector<const Sprite*> buttons =
        layer ? shownButtons(*layer) : std::vector<const Sprite*>{};
    const bool canPress = layer && !layer->pointerBlocked && !game_.quitConfirm &&
                          game_.cursorSprite && game_.cursorSprite->enabled;
    if (game_.gameOverActive) {
        view.screen = "results";
        std::vector<std::pair<int, int>> order;
        for (int i = 0; i < game_.quiz.playerCount; ++i) {
            order.emplace_back(game_.playerMoney(i), i);
        }
        std::stable_sort(order.begin(), order.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& [money, player] : order) {
            view.results.push_back({name(player), utf8FromUtf16(formatAmount(money))});
        }
        if (canPress && buttonForKey(buttons, codeOf(PhoneButton::Next))) {
            view.enabled.push_back(PhoneButton::Next);
        }
        return view;
    }
    view.screen = "playing";
    view.turnPlayer = game_.currentPlayer;
    view.turnName = name(game_.currentPlayer);
    if (const QuestionRound* round = game_.gameplay.round(); round && round->screen()) {
        const GameScreen& screen = *round->screen();
        if (screen.questionText.enabled) {
            view.question = utf8FromUtf16(screen.questionText.text());
            for (const TextDrawable& answer : screen.answerTexts) {
                view.answers.push_back(answer.enabled ? utf8FromUtf16(answer.text())
                                                      : std::string());
            }
        }
    }
    if (canPress) {
        for (PhoneButton button : allButtons) {
            if (buttonForKey(buttons, codeOf(button))) {
                view.enabled.push_back(button);
            }
        }
    }
    return view;
}

void GamePhones::dump(JsonWriter& json) const {
    json.beginObject();
    json.key("on");
    json.value(server_ != nullptr);
    if (!server_) {
        json.key("error");
        json.value(error_);
        json.endObject();
        return;
    }
    const PhoneRoom room = server_->room();
    json.key("room");
    json.value(room.code());
    json.key("address");
    json.value(server_->pageAddress());
    json.key("phones");
    json.beginArray();
    for (const PhoneSeat& seat : room.seats()) {
        json.beginObject();
        json.key("name");
        json.value(seat.name);
        json.key("player");
        json.value(seat.role == PhoneSeat::Role::Player ? seat.player : -1);
        json.key("watching");
        json.value(seat.role == PhoneSeat::Role::Watcher);
        json.key("connected");
        json.value(seat.connected);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

} // namespace qv
