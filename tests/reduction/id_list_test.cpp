#include "reduction/internal/id_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

using namespace lumo;
using namespace lumo::internal;

namespace {

// Random additions and removals agree with a set, and a removal moves only
// the last member, into the freed place.
TEST(IdListTest, AgreesWithASetAndRemovalMovesOnlyTheLastMember) {
    constexpr std::int32_t kSize = 50;
    std::mt19937 engine(9);
    std::uniform_int_distribution<std::int32_t> pick(0, kSize - 1);
    IdList list(kSize);
    std::set<std::int32_t> reference;
    for (std::int32_t change = 0; change < 5000; ++change) {
        const std::int32_t id = pick(engine);
        if (list.Contains(id)) {
            std::vector<std::int32_t> expected = list.Items();
            const auto place = std::find(expected.begin(), expected.end(), id);
            *place = expected.back();
            expected.pop_back();
            list.Remove(id);
            reference.erase(id);
            ASSERT_EQ(list.Items(), expected) << "change " << change;
        } else {
            list.Add(id);
            reference.insert(id);
            ASSERT_EQ(list.Items().back(), id);
        }
        ASSERT_EQ(std::set<std::int32_t>(list.Items().begin(), list.Items().end()), reference);
        for (std::int32_t other = 0; other < kSize; ++other) {
            ASSERT_EQ(list.Contains(other), reference.count(other) == 1) << "id " << other;
        }
    }
}

}  // namespace
