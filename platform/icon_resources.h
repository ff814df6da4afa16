#pragma once

#include <QString>
#include <span>

// The images compiled into the program (resources/icons.qrc), known by the
// resource numbers the layout uses.

inline constexpr int kMainIcon = 128;
inline constexpr int kLogoBitmap = 155;

struct ImageResource {
    int number;
    const char* path;  // Qt resource path
};

// Every image: the main icon, the 21 button icons and the logo.
std::span<const ImageResource> ImageResources();

// The resource path of an image number, or an empty string for an unknown one.
QString ImageResourcePath(int number);

// Makes the compiled-in images reachable under ":/icons/". The window library
// is static, so its resources must be registered explicitly; safe to call
// more than once.
void RegisterImageResources();
