// The main of the plain library's tests. It takes the locale from the
// environment, as the window program does, so that the tests run under a
// user's locale when the environment names one; a locale that the
// environment names but the system cannot load stops the run.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    if (std::setlocale(LC_ALL, "") == nullptr) {
        std::fprintf(stderr, "the locale named by the environment cannot be loaded\n");
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
