#pragma once

#include <QString>
#include <span>

// The images compiled into the program (resources/icons.qrc), known by the
// resource numbers the layout uses, each named here as the controls are in
// app/control_ids.h: the window's icon, the button icons (a funnel for each
// reduction step) and the logo.

inline constexpr int kMainIcon = 128;
inline constexpr int kSaveIcon = 129;
inline constexpr int kOpenIcon = 130;
inline constexpr int kSortIcon = 131;
inline constexpr int kAddColumnIcon = 132;
inline constexpr int kCheckIcon = 134;
inline constexpr int kFunnel1Icon = 135;
inline constexpr int kDeleteMarkedIcon = 136;
inline constexpr int kFunnel2Icon = 137;
inline constexpr int kFunnel3Icon = 138;
inline constexpr int kRandomIcon = 139;
inline constexpr int kDeleteAllIcon = 140;
inline constexpr int kFunnel4Icon = 141;
inline constexpr int kFunnel0Icon = 142;
inline constexpr int kFunnel5Icon = 143;
inline constexpr int kFunnel6Icon = 144;
inline constexpr int kFunnel7Icon = 145;
inline constexpr int kFunnel8Icon = 146;
inline constexpr int kCopyIcon = 147;
inline constexpr int kKeyGridIcon = 148;
inline constexpr int kBurstSmallIcon = 152;
inline constexpr int kBurstLargeIcon = 153;
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
