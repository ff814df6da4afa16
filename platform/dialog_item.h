#pragma once

#include <cstdint>

// The format of a dialog layout as data: one row per control, in creation
// order, which is also the tab order and (first row on top) the z-order.
// Positions and sizes are dialog units of the dialog font (dialog_units.h).

enum class ControlKind : std::uint8_t {
    kPushButton,
    kDefaultPushButton,  // push button with the default-button style
    kCheckBox,           // automatic check box
    kEdit,               // single-line edit box
    kDisabledEdit,
    kListBox,   // no Copy key either
    kListView,  // report-mode list view with clickable headers, no Copy key
    kProgressBar,
    kGroupBox,
    kText,         // static text, left-aligned, wrapped at word breaks
    kCentredText,  // static text, centred
    kSunkenText,   // static text with a sunken frame
    kHyperLink,    // centred static text showing a web address
    kPicture,      // bitmap, sized to the bitmap
    kBlackRect,
    kGreyRect,
    kWhiteRect,
};

enum class Visibility : std::uint8_t { kShown, kHidden };

// Identifier of the unnumbered texts, frames and pictures.
inline constexpr int kNoId = -1;

struct DialogItem {
    int id;  // control identifier, or kNoId
    ControlKind kind;
    const char* text;  // UTF-8 text at creation, "" for none
    int x;
    int y;
    int width;
    int height;
    Visibility visibility;
    int image;  // icon or bitmap resource number (icon_resources.h), 0 for none
};
