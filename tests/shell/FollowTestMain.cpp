// The tests that need a session bus; ctest runs them on a private one (dbus-run-session).
// With "--hung-player NAME" the binary is instead a player that owns its name and never answers;
// with "--player NAME OTHER" one that answers under two names, as VLC does; with "--firefox NAME"
// one without a position, as Firefox.
#include "shell/FakeMprisPlayer.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--hung-player") == 0) {
        QCoreApplication app(argc, argv);
        FakeMprisPlayer player(QString::fromLocal8Bit(argv[2]), QStringLiteral("Hung Player"));
        // Calls are queued for this thread, which never gets back to its event loop.
        for (;;)
            ::pause();
    }
    if (argc == 4 && std::strcmp(argv[1], "--player") == 0) {
        QCoreApplication app(argc, argv);
        FakeMprisPlayer player(QString::fromLocal8Bit(argv[2]), QStringLiteral("VLC media player"));
        player.alsoNamed(QString::fromLocal8Bit(argv[3]));
        return QCoreApplication::exec();
    }
    if (argc == 3 && std::strcmp(argv[1], "--firefox") == 0) {
        QCoreApplication app(argc, argv);
        FakeMprisPlayer player(QString::fromLocal8Bit(argv[2]), QStringLiteral("Firefox"), false);
        return QCoreApplication::exec();
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
