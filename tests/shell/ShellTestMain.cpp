// Qt widget tests run on the offscreen platform, with one application for the whole binary.
#include "TempDir.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Every window saves its timing session: into a scratch folder, never the user's.
    const TempDir data;
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
