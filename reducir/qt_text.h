#pragma once

#include <QString>
#include <string>

// The engine's UTF-8 texts as the window shows them.
QString FromUtf8(const std::string& text);
