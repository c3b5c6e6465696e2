// SPDX-License-Identifier: MIT
#include "game/shell/FrameStats.h"

#include <cstdio>

namespace qv {

namespace {

const char* vertexProcessingLabel(VertexProcessing vp) {
    switch (vp) {
    case VertexProcessing::Software:
        return " (sw vp)";
    case VertexProcessing::Hardware:
        return " (hw vp)";
    case VertexProcessing::PureHardware:
        return " (pure hw vp)";
    case VertexProcessing::Mixed:
        return " (mixed vp)";
    }
    return "";
}

std::string formatName(std::uint32_t format) {
    const char* name = SDL_GetPixelFormatName(format);
    std::string text = name != nullptr ? name : "UNKNOWN";
    const std::string prefix = "SDL_PIXELFORMAT_";
    if (text.rfind(prefix, 0) == 0) {
        text.erase(0, prefix.size());
    }
    return text;
}

// The line is itself a format: a stray percent sign must not become one.
std::string escaped(const std::string& text) {
    std::string safe;
    for (char c : text) {
        safe += c;
        if (c == '%') {
            safe += '%';
        }
    }
    return safe;
}

} // namespace

void FrameStats::deviceChanged(const DeviceSettings& settings, const BackBufferDesc& backBuffer,
                               const std::string& rendererName) {
    const std::string device = escaped(
        (settings.deviceType == DeviceType::Reference ? "REF [" : "HAL [") + rendererName + "]");
    const std::string formats = escaped(": backbuf " + formatName(backBuffer.format) +
                                        ", adapter " + formatName(settings.adapterFormat));
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%%.02f fps (%dx%d), %s%s%s", backBuffer.width,
                  backBuffer.height, device.c_str(),
                  vertexProcessingLabel(settings.vertexProcessing), formats.c_str());
    format_ = buffer;
}

void FrameStats::frame(double time) {
    ++frames_;
    if (time - lastUpdate_ > 1.0) {
        fps_ = static_cast<float>(frames_ / (time - lastUpdate_));
        lastUpdate_ = time;
        frames_ = 0;
    }
}

std::string FrameStats::text() const {
    char buffer[600];
    // The format was built above from our own pieces, with every other
    // percent sign doubled.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(buffer, sizeof buffer, format_.c_str(), static_cast<double>(fps_));
#pragma GCC diagnostic pop
    return buffer;
}

} // namespace qv
