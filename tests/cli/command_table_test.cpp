#include "cli/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace lumo;

namespace {

// A command's help is the one place a user learns its options: each one the
// command takes is shown there, and the help starts with its own usage line.
TEST(CommandListTest, EachHelpShowsItsCommandAndEveryOption) {
    std::set<std::string_view> names;
    for (const Command* command : AllCommands()) {
        EXPECT_TRUE(names.insert(command->name).second) << command->name;
        EXPECT_TRUE(command->help.starts_with("Uso: lumo-cli " + std::string(command->name)))
            << command->name;
        EXPECT_FALSE(command->summary.empty()) << command->name;
        for (const OptionRule& option : command->options) {
            if (option.name != kHelpOption.name && option.name != kForecastOption.name) {
                EXPECT_NE(command->help.find(option.name), std::string_view::npos)
                    << command->name << " " << option.name;
            }
        }
    }
    EXPECT_EQ(names.size(), 9U);
}

}  // namespace
