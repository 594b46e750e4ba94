// Starts the toolkit (on the platform CTest names, offscreen) before the
// tests run; listing the tests needs no display.
#include "toolkit_gui.h"

#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!::testing::GTEST_FLAG(list_tests) && InitCVIRTEEx(nullptr, argv, nullptr) == 0) {
        std::fprintf(stderr, "Keine Anzeige: QT_QPA_PLATFORM=offscreen setzen.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
