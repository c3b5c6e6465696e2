// SPDX-License-Identifier: MIT
#include "PlayFixture.h"

#include "game/play/Gameplay.h"

namespace qv::test {
namespace {

using GameplayRecords = PlayFixture;

TEST_F(GameplayRecords, ANewPlayerCountReleasesTheScreenAndMakesFreshRecords) {
    Gameplay play;
    play.setPlayerCount(2);
    play.playerNamed(0);
    play.playerNamed(1);
    PlayServices services{*quiz_, *sounds_, *layer_, nullptr, pointer_.get(), {}, {}};
    services.nextPlayer = [] {};
    play.startRound(std::move(services));
    play.setUpGameScreen(0);
    play.setUpGameScreen(1);
    play.startTurn(0);
    ASSERT_NE(play.round()->screen(), nullptr);
    EXPECT_EQ(play.player(1)->playerIndex, 1);
    play.player(1)->finalWinnings = 4000;
    EXPECT_EQ(play.playerMoney(1), 4000);
    EXPECT_EQ(play.playerMoney(2), 0);
    EXPECT_EQ(play.playerMoney(-1), 0);

    play.setPlayerCount(3);
    EXPECT_EQ(play.round()->screen(), nullptr);
    EXPECT_EQ(play.count(), 3);
    EXPECT_EQ(play.player(0)->playerIndex, -1);
    EXPECT_EQ(play.playerMoney(1), 0);
    // Only the game's own pointer is left in the draw list.
    EXPECT_EQ(layer_->first(), pointer_.get());
    EXPECT_EQ(layer_->first()->next(), nullptr);

    // Nothing happens for players that do not exist or without a round.
    play.update(7, 0.1f);
    play.stopRound();
    play.setUpGameScreen(0);
    play.update(0, 0.1f);
    EXPECT_EQ(play.player(0)->currentRung, nullptr);
}

} // namespace
} // namespace qv::test
