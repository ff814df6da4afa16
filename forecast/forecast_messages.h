#pragma once

#include <string>
#include <string_view>

#include "forecast/strict_forecast_file.h"

namespace lumo {

// What was wrong with a forecast file read strictly, in Spanish: the file's
// name between « and », the line, what it holds and what was expected. Empty
// for a read without error.
std::string ForecastFileMessage(std::string_view fileName, const ForecastFileRead& read);

}  // namespace lumo
