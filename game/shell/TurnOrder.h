// SPDX-License-Identifier: MIT
#pragma once
// Who plays next: the players take turns in index order, and a player whose
// game is over is passed by.

namespace qv {

// The first player after `current`, going round from the last to the first,
// who has not finished; -1 when every player has. `finished(i)` tells whether
// player i's game is over. A count below 1 has no players.
template <typename Finished> int nextUnfinishedPlayer(int current, int count, Finished&& finished) {
    if (count < 1) {
        return -1;
    }
    int index = current;
    // The player after `current`, then at most `count` more: `current`
    // itself is the last one asked.
    for (int step = 0; step <= count; ++step) {
        index = ((index + 1) % count + count) % count;
        if (!finished(index)) {
            return index;
        }
    }
    return -1;
}

} // namespace qv
