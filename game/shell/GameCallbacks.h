// SPDX-License-Identifier: MIT
#pragma once
// The game's answers to the framework. Each reaches the game through the
// process-wide pointer; the user context is not used.

#include "game/shell/FrameworkCallbacks.h"

namespace qv {

class Framework;

// Hands the framework the callbacks, in this order: device created, device
// reset, device lost, device destroyed, message procedure, frame move, frame
// render.
void registerGameCallbacks(Framework& framework);

// A renderer is acceptable when it can draw textures with an alpha channel,
// which every picture of the game needs for blending.
bool gameDeviceAcceptable(const DeviceCaps& caps, std::uint32_t adapterFormat,
                          std::uint32_t backBufferFormat, bool windowed, void* userContext);
// Software vertex processing for a renderer without hardware acceleration;
// the first time only, the warning when the software renderer is about to be
// used. Always accepts.
bool gameModifyDeviceSettings(DeviceSettings& settings, const DeviceCaps& caps, void* userContext);

} // namespace qv
