#include "core/condition.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(ConditionTest, StartUpBoundsKeepEverythingAndCrossedBoundsNothing) {
    std::mt19937 engine(1);
    std::vector<CColumn> columns;
    for (int i = 0; i < 500; ++i) {
        columns.push_back(RandomColumn(engine));
    }
    std::vector<std::int32_t> all;
    for (const CColumn& column : columns) {
        all.push_back(NaiveIndex(column));
    }
    CColumnSet set;
    FillSet(set, columns);
    KeepWithinCondition(set, ConditionBounds{0, 14, 0, 14});
    EXPECT_EQ(IndicesOf(set), all);

    KeepWithinCondition(set, ConditionBounds{5, 4, 0, 14});  // min variants above max
    EXPECT_EQ(set.Count(), 0);
    EXPECT_GE(set.Capacity(), 500);
}

TEST(ConditionTest, OneDrawInMatchFourteenNeedsBoundsAroundOneVariantAndNoTwo) {
    struct Case {
        ConditionBounds bounds;
        bool kept;
    };
    const Case cases[] = {
        {{0, 14, 0, 14}, true}, {{1, 1, 0, 0}, true},    {{2, 14, 0, 14}, false},
        {{0, 0, 0, 14}, false}, {{0, 14, 1, 14}, false}, {{1, 1, -3, 0}, true},
    };
    for (const Case& c : cases) {
        CColumnSet set;
        set.AppendNoGrow(ColumnOf("1111111111111X"));
        KeepWithinCondition(set, c.bounds);
        EXPECT_EQ(set.Count(), c.kept ? 1 : 0)
            << c.bounds.minVariants << ".." << c.bounds.maxVariants << ", " << c.bounds.minDoses
            << ".." << c.bounds.maxDoses;
    }
}

TEST(ConditionTest, KeepsTheRightColumnsInOrder) {
    std::mt19937 engine(2);
    std::uniform_int_distribution<std::int32_t> bound(-1, 15);
    for (int round = 0; round < 50; ++round) {
        std::vector<CColumn> columns;
        for (int i = 0; i < 300; ++i) {
            columns.push_back(RandomColumn(engine));
        }
        const ConditionBounds bounds{bound(engine), bound(engine), bound(engine), bound(engine)};
        std::vector<std::int32_t> expected;
        for (const CColumn& column : columns) {
            std::int32_t variants = 0;
            std::int32_t doses = 0;
            for (const auto result : column.results) {
                variants += result != 0 ? 1 : 0;
                doses += result == 2 ? 1 : 0;
            }
            if (bounds.minVariants <= variants && variants <= bounds.maxVariants &&
                bounds.minDoses <= doses && doses <= bounds.maxDoses) {
                expected.push_back(NaiveIndex(column));
            }
        }
        CColumnSet set;
        FillSet(set, columns);
        KeepWithinCondition(set, bounds);
        ASSERT_EQ(IndicesOf(set), expected) << "round " << round;
    }
}

TEST(ConditionTest, ReportsOnlyTheColumnsThatStay) {
    CColumnSet set;
    FillSet(set, {ColumnOf("2"), ColumnOf("1"), ColumnOf("22"), ColumnOf("X")});
    const ProgressRecorder recorder;
    KeepWithinCondition(set, ConditionBounds{0, 14, 0, 0});  // no 2 allowed
    EXPECT_EQ(recorder.Positions(), (std::vector<std::int32_t>{25, 75}));
    EXPECT_EQ(IndicesOf(set), (std::vector<std::int32_t>{0, 1}));

    CColumnSet empty;
    const ProgressRecorder emptyRecorder;
    KeepWithinCondition(empty, ConditionBounds{});
    EXPECT_TRUE(emptyRecorder.Positions().empty());
    EXPECT_EQ(empty.Count(), 0);
}

}  // namespace
