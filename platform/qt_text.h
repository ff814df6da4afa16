#pragma once

#include <QString>
#include <string_view>

// The engine's UTF-8 texts as the windows show them.
QString FromUtf8(std::string_view text);
