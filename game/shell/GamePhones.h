// SPDX-License-Identifier: MIT
#pragma once
// Phones as the players' own controllers, on the game's side: a phone's
// press puts the game's pointer on the button the same key would press and
// clicks it there, so every rule of when a button works holds; a phone that
// joins fills the next name the names screen asks for; and after every frame
// the phones are told what the television shows. Nothing here waits for the
// network.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/engine/Sprite.h"
#include "game/engine/TextDrawable.h"
#include "game/engine/Vec3.h"
#include "game/phones/PhoneServer.h"

namespace qv {

class Game;
class JsonWriter;
class SpriteLayer;

class GamePhones {
public:
    // Starts the server; when that fails the reason is kept for the screen
    // and every call does nothing.
    GamePhones(Game& game, const PhoneServer::Options& options);
    ~GamePhones();
    GamePhones(const GamePhones&) = delete;
    GamePhones& operator=(const GamePhones&) = delete;

    bool running() const { return server_ != nullptr; }
    // Why the server did not start, or empty.
    const std::string& error() const { return error_; }
    PhoneServer* server() const { return server_.get(); }

    // Before the draw list sees the pointer: the point of the button that a
    // phone of the player whose turn it is pressed, or nothing.
    std::optional<Vec3> pressedButton(const SpriteLayer& layer);
    // After the screens' frame: names, the room's new games, and what the
    // phones show.
    void afterFrame();
    // The automation dump's "phones" object: on, the room code, the
    // address and each phone (name, player or -1, watching, connected).
    void dump(JsonWriter& json) const;

private:
    void fillNames();
    // The QR code, the room code and the address, on the title and names
    // screens.
    void showJoining();
    void hideJoining();
    // The page's words in the game's language, given to the server when
    // the language changes.
    void updatePageWords();
    PhoneView view() const;
    bool pressAllowed(std::size_t seat, PhoneButton button) const;

    Game& game_;
    std::unique_ptr<PhoneServer> server_;
    std::string error_;
    std::vector<PhoneEvent> presses_;
    // What the title screen was in the last frame, to see a new game start.
    int lastTitleMode_ = -1;
    bool wasPlaying_ = false;
    // The last title screen seen before play was still at its menu.
    bool lastMenuBeforePlay_ = false;
    // The names screen and the player whose name a phone gave last.
    const void* filledOn_ = nullptr;
    int filledIndex_ = -1;

    Sprite qrPicture_;
    TextDrawable roomText_;
    TextDrawable addressText_;
    // The code is on the screen, made for this room.
    bool shown_ = false;
    std::string shownRoom_;
    // The language the room's line was written in (i18n::languageGeneration).
    std::uint32_t shownLanguage_ = 0;
    std::filesystem::path qrFile_;
    // The language the page's words were made in ("en", "de"...) and the
    // i18n::languageGeneration they were made under.
    std::string pageLanguage_;
    std::optional<std::uint32_t> wordsGeneration_;
};

} // namespace qv
