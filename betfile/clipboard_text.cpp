#include "betfile/clipboard_text.h"

namespace lumo {

bool CanCopyToClipboard(const CColumnSet& bet) {
    return bet.Count() <= kClipboardColumnLimit;
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
