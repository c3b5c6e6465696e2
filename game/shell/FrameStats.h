// SPDX-License-Identifier: MIT
#pragma once
// The frame statistics line: frames per second, recomputed once more than a
// second has passed, and a description of the device built after each device
// change. The game does not show it; it is there for diagnostics.

#include <string>

#include "game/shell/FrameworkCallbacks.h"

namespace qv {

class FrameStats {
public:
    // Rebuilds the device part, e.g. "%.02f fps (1024x768), REF (sw vp): backbuf
    // ARGB8888, adapter RGB888" with the fps left as a format for frame().
    void deviceChanged(const DeviceSettings& settings, const BackBufferDesc& backBuffer,
                       const std::string& rendererName);
    // Counts a frame at `time` seconds.
    void frame(double time);

    float framesPerSecond() const { return fps_; }
    // The whole line with the current fps.
    std::string text() const;
    const std::string& deviceFormat() const { return format_; }

private:
    std::string format_ = "%.02f fps";
    float fps_ = 0;
    double lastUpdate_ = 0;
    int frames_ = 0;
};

} // namespace qv
