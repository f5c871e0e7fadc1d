#pragma once

#include <cstdlib>

// The platform the figures were taken on, as the report should name it.
inline const char* Platform() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) {
        return platform;
    }
    const char* display = std::getenv("DISPLAY");
    return display && *display ? "xcb (DISPLAY set)" : "default";
}
