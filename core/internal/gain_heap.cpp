#include "core/internal/gain_heap.h"

#include <utility>

namespace {

constexpr std::size_t kChildren = 4;

// Whether `a` comes before `b`: the larger gain, then the lower rank.
bool Before(const GainEntry& a, const GainEntry& b) {
    return a.gain > b.gain || (a.gain == b.gain && a.rank < b.rank);
}

}  // namespace

GainHeap::GainHeap(std::vector<GainEntry> entries) : entries(std::move(entries)) {
    for (std::size_t at = this->entries.size() / kChildren + 1; at-- > 0;) {
        SiftDown(at);
    }
}

void GainHeap::Pop() {
    entries.front() = entries.back();
    entries.pop_back();
    if (!entries.empty()) {
        SiftDown(0);
    }
}

void GainHeap::LowerTop(GainEntry entry) {
    entries.front() = entry;
    SiftDown(0);
}

void GainHeap::SiftDown(std::size_t at) {
    const std::size_t size = entries.size();
    if (at >= size) {
        return;
    }
    const GainEntry moving = entries[at];
    for (;;) {
        const std::size_t first = at * kChildren + 1;
        if (first >= size) {
            break;
        }
        const std::size_t end = first + kChildren < size ? first + kChildren : size;
        std::size_t best = first;
        for (std::size_t child = first + 1; child < end; ++child) {
            if (Before(entries[child], entries[best])) {
                best = child;
            }
        }
        if (!Before(entries[best], moving)) {
            break;
        }
        entries[at] = entries[best];
        at = best;
    }
    entries[at] = moving;
}
