#include "core/typed_signs.h"

#include <gtest/gtest.h>

#include "tests/core/test_support.h"

using namespace lumo;

namespace {

TEST(TypedSignsTest, ReadsFourteenSignsWithSeparatorsAndLowerCaseX) {
    for (const std::string_view text : {"1X21X21X21X21X", "1x21x21x21x21x", "1X2 1X2 1X2 1X2 1X",
                                        "1-X-2-1-X-2-1-X-2-1-X-2-1-X", "\t1X21X21X21X21X "}) {
        const std::optional<CColumn> column = ColumnFromTypedSigns(text);
        ASSERT_TRUE(column.has_value()) << text;
        EXPECT_EQ(SignsOf(*column), "1X21X21X21X21X");
    }
}

TEST(TypedSignsTest, RefusesOtherTextsAndSaysWhy) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"1X21X21X21X21", "tiene 13 signos en vez de 14"},
        {"1X21X21X21X21X1", "tiene 15 signos en vez de 14"},
        {"", "tiene 0 signos en vez de 14"},
        {"1X21X21X21X210", "lleva un signo, «0», que no es 1, X ni 2"},
        {"1X21X21X21X2ñX", "lleva un signo, «ñ», que no es 1, X ni 2"},
        {"1,X,2", "lleva un signo, «,», que no es 1, X ni 2"},
    };
    for (const auto& [text, problem] : cases) {
        EXPECT_FALSE(ColumnFromTypedSigns(text).has_value()) << text;
        EXPECT_EQ(TypedSignsProblem(text), problem);
    }
}

}  // namespace
