// The main program of every test: tests run without a display and without waiting, whatever
// starts them (ctest, a shell, a debugger).
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("VANTOR_INSTANT", "1", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
