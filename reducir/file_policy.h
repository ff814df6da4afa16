#pragma once

#include "platform/file_dialog.h"

// Lumo Reducir replaces an existing file without a question when it saves,
// as the window of Lumo does.
inline constexpr OverwriteQuestion kReducirOverwrite = OverwriteQuestion::kNone;
