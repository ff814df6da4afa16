#include "conditions/condition_edit.h"

#include <gtest/gtest.h>

#include <sstream>

#include "conditions/condition_reader.h"

using namespace lumo;

namespace {

const std::string kLoaded =
    "\xEF\xBB\xBF# mis condiciones\r\n"
    "\r\n"
    "unos 5-9   # pocos unos\r\n"
    "  !racha x 0-2\r\n"
    "grupo 1-4,7 X2 1-3 # el bloque\r\n"
    "fallos 1  # uno\r\n"
    "base 1X1121X21X1X21 9-12";

ConditionFile Loaded() {
    std::istringstream in(kLoaded);
    ConditionFileRead read = ReadConditions(in);
    EXPECT_TRUE(read.Ok()) << ConditionErrorText(read);
    return read.file;
}

// The conditions of the file as an editor gets them back, unchanged.
std::vector<EditedCondition> AsEdited(const ConditionFile& file) {
    std::vector<EditedCondition> edited;
    for (const ColumnCondition& c : file.conditions) {
        edited.push_back({TextOf(PartsOf(file, c)), c.line});
    }
    return edited;
}

TEST(ConditionEditTest, UnchangedConditionsGiveTheSameBytes) {
    const ConditionFile file = Loaded();
    const EditedFile edited = EditConditions(file, AsEdited(file), file.failures);
    EXPECT_EQ(edited.text, kLoaded);
    EXPECT_EQ(edited.conditionLines, (std::vector<std::int64_t>{3, 4, 5, 7}));
}

TEST(ConditionEditTest, ChangesKeepCommentsDropRemovedAndAppendNew) {
    const ConditionFile file = Loaded();
    std::vector<EditedCondition> edited = AsEdited(file);
    const ConditionParts run = PartsOf(file, file.conditions[1]);
    EXPECT_EQ(run.strictness, Strictness::kAlways);
    EXPECT_EQ(run.keyword, "racha");
    EXPECT_EQ(run.arguments, "x");
    EXPECT_EQ(run.maximum, "2");
    edited[0].text = "unos 4-8";
    edited.erase(edited.begin() + 2);
    edited.push_back({"equis 2-6", 0});
    const EditedFile changed = EditConditions(file, edited, 3);
    EXPECT_EQ(changed.text,
              "\xEF\xBB\xBF# mis condiciones\r\n"
              "\r\n"
              "unos 4-8   # pocos unos\r\n"
              "  !racha x 0-2\r\n"
              "fallos 3  # uno\r\n"
              "base 1X1121X21X1X21 9-12\r\n"
              "equis 2-6\r\n");
    EXPECT_EQ(changed.conditionLines, (std::vector<std::int64_t>{3, 4, 6, 7}));
    // No failures drops the line; a file without one gets it at the end.
    EXPECT_EQ(EditConditions(file, {}, 0).text, "\xEF\xBB\xBF# mis condiciones\r\n\r\n");
    EXPECT_EQ(EditConditions(ConditionFile{}, {{"! doses 0-4", 0}}, 2).text,
              "! doses 0-4\nfallos 2\n");
}

}  // namespace
