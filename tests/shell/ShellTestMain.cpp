// Qt widget tests run with one application for the whole binary: on the offscreen platform, or
// for the screen tests (SUBCLOCK_SCREEN_TESTS) on the X server they are given.
#include "TempDir.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
#ifdef SUBCLOCK_SCREEN_TESTS
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
#else
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    // Every window saves its timing session: into a scratch folder, never the user's.
    const TempDir data;
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
