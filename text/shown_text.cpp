#include "text/shown_text.h"

namespace lumo {

namespace {

constexpr std::size_t kShownBytes = 40;

// The length of the UTF-8 sequence starting at `at` when it is a whole,
// well-formed one of two to four bytes; 0 otherwise.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::string Quoted(std::string_view fileName) {
    return "«" + std::string(fileName) + "»";
}

std::string ShownText(std::string_view text) {
    const bool cut = text.size() > kShownBytes;
    text = text.substr(0, kShownBytes);
    std::string shown;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c >= ' ' && c <= '~') {
            shown += c;
            ++at;
        } else if (c == '\t') {
            shown += ' ';
            ++at;
        } else if (const std::size_t length = SequenceLength(text, at)) {
            shown.append(text, at, length);
            at += length;
        } else {
            shown += '?';
            ++at;
        }
    }
    return cut ? shown + "…" : shown;
}

}  // namespace lumo
