#include "betfile/clipboard_text.h"

namespace lumo {

bool CanCopyToClipboard(const CColumnSet& bet) {
    return bet.Count() <= kClipboardColumnLimit;
}

std::string WholeClipboardText(const CColumnSet& bet) {
    constexpr std::size_t kColumnBytes = 29;
    const std::size_t bytes = kColumnBytes * static_cast<std::size_t>(bet.Count());
    // DumpText ends the text with a NUL, which the string holds past its size.
    std::string text(bytes, '\0');
    bet.DumpText(text.data());
    return text;
}

std::vector<char> ClipboardBlock(const CColumnSet& bet) {
    if (!CanCopyToClipboard(bet)) {
        return {};
    }
    std::vector<char> block(kClipboardBlockBytes, '\0');
    bet.DumpText(block.data());
    return block;
}

}  // namespace lumo
