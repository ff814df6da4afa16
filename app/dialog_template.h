#pragma once

#include <span>

#include "platform/dialog_item.h"

// The layout of the main dialog (the format is in platform/dialog_item.h).

// The main dialog: caption, size in dialog units, and its 104 controls.
inline constexpr const char* kMainDialogCaption = "Brelm";
inline constexpr int kMainDialogWidth = 427;
inline constexpr int kMainDialogHeight = 317;
std::span<const DialogItem> MainDialogTemplate();

// The window menu's entry that opens the About box.
inline constexpr const char* kAboutMenuText = "&Acerca de Lumo...";

// The author's web page, shown by control 1083, and the credit of 1081.
inline constexpr const char* kAuthorAddress = "https://lumo.example.org/";
