// SPDX-License-Identifier: MIT
#pragma once

#include "content/sounds/Synth.h"

#include <string>
#include <vector>

namespace qv::sound {

struct Sound {
    std::string file; // name inside the Sound folder
    Track track;
    double peak; // loudest sample as a share of full scale, to even out loudness
};

// Every sound of the game, in the order the game loads them.
std::vector<Sound> soundBook();

} // namespace qv::sound
