// SPDX-License-Identifier: MIT
#pragma once
// What the framework tells the game, and how the game answers: ten callbacks,
// each handed back the user context it was registered with.

#include <cstdint>
#include <string>
#include <vector>

#include <SDL.h>

namespace qv {

// The hardware device or the software renderer that stands for the reference
// rasteriser.
enum class DeviceType { Hardware, Reference };
enum class VertexProcessing { Software, Hardware, PureHardware, Mixed };

// What a candidate renderer offers.
struct DeviceCaps {
    std::string name;
    std::uint32_t flags = 0;
    std::vector<std::uint32_t> textureFormats;
    int maxTextureWidth = 0;
    int maxTextureHeight = 0;
    bool accelerated() const { return (flags & SDL_RENDERER_ACCELERATED) != 0; }
};

struct DeviceSettings {
    int adapter = 0;
    DeviceType deviceType = DeviceType::Hardware;
    // The SDL render driver; -1 before one is chosen.
    int driverIndex = -1;
    VertexProcessing vertexProcessing = VertexProcessing::Hardware;
    bool windowed = false;
    // The window's size when windowed; the game always draws on a logical
    // screen of the size it asked for.
    int width = 1024;
    int height = 768;
    int logicalWidth = 1024;
    int logicalHeight = 768;
    std::uint32_t adapterFormat = SDL_PIXELFORMAT_UNKNOWN;
    std::uint32_t backBufferFormat = SDL_PIXELFORMAT_ARGB8888;
};

struct BackBufferDesc {
    int width = 0;
    int height = 0;
    std::uint32_t format = SDL_PIXELFORMAT_UNKNOWN;
};

// Result codes of the device callbacks: 0 is success.
using DeviceAcceptableCallback = bool (*)(const DeviceCaps& caps, std::uint32_t adapterFormat,
                                          std::uint32_t backBufferFormat, bool windowed,
                                          void* userContext);
using ModifyDeviceSettingsCallback = bool (*)(DeviceSettings& settings, const DeviceCaps& caps,
                                              void* userContext);
using DeviceCreatedCallback = int (*)(SDL_Renderer* device, const BackBufferDesc& backBuffer,
                                      void* userContext);
using DeviceResetCallback = int (*)(SDL_Renderer* device, const BackBufferDesc& backBuffer,
                                    void* userContext);
using DeviceLostCallback = void (*)(void* userContext);
using DeviceDestroyedCallback = void (*)(void* userContext);
using FrameMoveCallback = void (*)(SDL_Renderer* device, double time, float elapsed,
                                   void* userContext);
using FrameRenderCallback = void (*)(SDL_Renderer* device, double time, float elapsed,
                                     void* userContext);
using MessageProcCallback = long (*)(SDL_Window* window, const SDL_Event& event,
                                     bool& noFurtherProcessing, void* userContext);

template <typename Function> struct Callback {
    Function function = nullptr;
    void* userContext = nullptr;
};

struct FrameworkCallbacks {
    Callback<DeviceAcceptableCallback> deviceAcceptable;
    Callback<ModifyDeviceSettingsCallback> modifyDeviceSettings;
    Callback<DeviceCreatedCallback> deviceCreated;
    Callback<DeviceResetCallback> deviceReset;
    Callback<DeviceLostCallback> deviceLost;
    Callback<DeviceDestroyedCallback> deviceDestroyed;
    Callback<FrameMoveCallback> frameMove;
    Callback<FrameRenderCallback> frameRender;
    Callback<MessageProcCallback> messageProc;
};

} // namespace qv
