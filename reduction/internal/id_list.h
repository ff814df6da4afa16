#pragma once

#include <cstdint>
#include <vector>

namespace lumo::internal {

// A set of bet column numbers 0..size-1 kept as an unordered list, with each
// member's place in it: adding, removing and membership take constant time,
// and a member can be picked at random from the list. Removing moves the
// last member into the freed place, so the list's order depends only on the
// order of the changes.
class IdList {
  public:
    explicit IdList(std::int32_t size) : slots(static_cast<std::size_t>(size), -1) {}

    bool Contains(std::int32_t id) const { return slots[static_cast<std::size_t>(id)] >= 0; }
    const std::vector<std::int32_t>& Items() const { return items; }

    // `id` must not be a member.
    void Add(std::int32_t id) {
        slots[static_cast<std::size_t>(id)] = static_cast<std::int32_t>(items.size());
        items.push_back(id);
    }
    // `id` must be a member.
    void Remove(std::int32_t id) {
        const auto slot = static_cast<std::size_t>(slots[static_cast<std::size_t>(id)]);
        items[slot] = items.back();
        slots[static_cast<std::size_t>(items[slot])] = static_cast<std::int32_t>(slot);
        items.pop_back();
        slots[static_cast<std::size_t>(id)] = -1;
    }

  private:
    std::vector<std::int32_t> slots;
    std::vector<std::int32_t> items;
};

}  // namespace lumo::internal
