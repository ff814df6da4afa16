#include "cli/whole_message.h"

#include <string>

WholeMessage::~WholeMessage() {
    const std::string text = composed.str();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
}
