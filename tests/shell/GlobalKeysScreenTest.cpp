// Global keys on a real X server: refused while another program holds them, then pressed while
// another program's window has the focus, they reach the clock.
#include "shell/GlobalShortcuts.h"
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"

#include "TempDir.h"
#include "shell/WaitUntil.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using globalkeys::Refusal;

const std::string kSrt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n";

// Generous: on a loaded machine a window can take seconds to show.
bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

Refusal playPauseVerdict(GlobalShortcuts& keys)
{
    return keys.apply(globalkeys::defaultBindings()).front().refusal;
}

TEST(GlobalKeysScreenTest, HeldKeysAreRefusedAndGrantedKeysWorkFromAnotherProgram)
{
    const TempDir dir;
    // Another Subclock with the default keys on holds them all.
    const std::filesystem::path config = dir.path() / "config";
    std::filesystem::create_directories(config / "Subclock");
    {
        QtPreferences other(QString::fromStdString((config / "Subclock/subclock.conf").string()));
        GlobalShortcuts::store(other, true, globalkeys::defaultBindings());
    }
    QProcess holder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.string()));
    holder.setProcessEnvironment(env);
    holder.start(SUBCLOCK_BINARY, {});
    ASSERT_TRUE(holder.waitForStarted());

    QtPreferences preferences(QString::fromStdString((dir.path() / "subclock.conf").string()));
    PlayerWindows windows(preferences, QDBusConnection(QStringLiteral("none")));
    ASSERT_TRUE(windows.globalKeys().available());
    ASSERT_TRUE(windows.controller().openFile(dir.write("clip.srt", kSrt)));
    windows.show();
    GlobalShortcuts& keys = windows.globalKeys();
    // It grabs before it shows a window; asking earlier would take the keys from it.
    ASSERT_TRUE(run("xdotool",
        { "search", "--sync", "--onlyvisible", "--pid", QString::number(holder.processId()) }));
    EXPECT_EQ(playPauseVerdict(keys), Refusal::HeldElsewhere);

    // Once the other program has gone, the keys are ours.
    holder.terminate();
    ASSERT_TRUE(holder.waitForFinished(5000));
    EXPECT_TRUE(waitUntil([&] { return playPauseVerdict(keys) == Refusal::None; }));

    // Another program's window has the focus.
    QProcess other;
    other.start("xmessage", { "-name", "otherprogram", "another program" });
    ASSERT_TRUE(other.waitForStarted());
    ASSERT_TRUE(waitUntil([] {
        return run("xdotool",
            { "search", "--sync", "--name", "otherprogram", "windowactivate", "--sync" });
    }));
    ASSERT_FALSE(windows.mainWindow().isActiveWindow());

    ASSERT_TRUE(run("xdotool", { "key", "ctrl+alt+space" }));
    EXPECT_TRUE(waitUntil([&] { return windows.controller().started(); }));
    ASSERT_TRUE(run("xdotool", { "key", "ctrl+alt+x" }));
    EXPECT_TRUE(waitUntil([&] { return windows.controller().timing().timing().delay > 0.05; }));
    other.kill();
    other.waitForFinished();
}

} // namespace
