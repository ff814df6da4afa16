#include "cli/progress_bar.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/progress.h"

using namespace lumo;

namespace {

TEST(ProgressBarTest, DrawsOnlyWhenOnAndAfterTheDelayThenWipesItself) {
    std::ostringstream shown;
    {
        const ProgressBar bar(shown, ProgressDisplay::kOn, std::chrono::seconds(0));
        ReportProgress(50);
        EXPECT_EQ(shown.str(), "\r[" + std::string(20, '#') + std::string(20, '.') + "] 50 %");
    }
    EXPECT_TRUE(shown.str().ends_with(std::string(50, ' ') + "\r"));

    std::ostringstream late;
    {
        const ProgressBar bar(late, ProgressDisplay::kOn, std::chrono::hours(1));
        ReportProgress(50);
    }
    std::ostringstream off;
    {
        const ProgressBar bar(off, ProgressDisplay::kOff, std::chrono::seconds(0));
        ReportProgress(50);
    }
    EXPECT_EQ(late.str(), "");
    EXPECT_EQ(off.str(), "");
}

}  // namespace
