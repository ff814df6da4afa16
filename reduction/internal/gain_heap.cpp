#include "reduction/internal/gain_heap.h"

namespace lumo::internal {

namespace {

// Whether `a` comes before `b`: the larger gain, then the lower rank.
bool Before(const GainEntry& a, const GainEntry& b) {
    return a.gain > b.gain || (a.gain == b.gain && a.rank < b.rank);
}

}  // namespace

GainHeap::GainHeap(const std::vector<GainEntry>& entries)
    : lines((entries.size() + kShift + kChildren - 1) / kChildren), size(entries.size()) {
    for (std::size_t node = 0; node < size; ++node) {
        At(node) = entries[node];
    }
    for (std::size_t node = size / kChildren + 1; node-- > 0;) {
        SiftDown(node);
    }
}

void GainHeap::Pop() {
    At(0) = At(size - 1);
    --size;
    if (size > 0) {
        SiftDown(0);
    }
}

void GainHeap::LowerTop(GainEntry entry) {
    At(0) = entry;
    SiftDown(0);
}

void GainHeap::SiftDown(std::size_t node) {
    if (node >= size) {
        return;
    }
    const GainEntry moving = At(node);
    for (;;) {
        const std::size_t first = node * kChildren + 1;
        if (first >= size) {
            break;
        }
        // The children's children fill lines first + 1 .. first + 4 (node
        // numbers plus one): asked for now, they arrive while this level is
        // compared.
        const std::size_t nextLine = first + 1;
        for (std::size_t line = nextLine; line < nextLine + kChildren && line < lines.size();
             ++line) {
            __builtin_prefetch(&lines[line]);
        }
        const std::size_t end = first + kChildren < size ? first + kChildren : size;
        std::size_t best = first;
        for (std::size_t child = first + 1; child < end; ++child) {
            if (Before(At(child), At(best))) {
                best = child;
            }
        }
        if (!Before(At(best), moving)) {
            break;
        }
        At(node) = At(best);
        node = best;
    }
    At(node) = moving;
}

}  // namespace lumo::internal
