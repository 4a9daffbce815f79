// Start-up order: the command line, the log, the stored settings, the windows, then a file given
// on the command line, chosen as if picked in the dialog.
#include "shell/Application.h"

#include "platform/DisplayPlatform.h"
#include "platform/StderrLog.h"
#include "shell/Language.h"
#include "shell/MprisService.h"
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"
#include "shell/StatusService.h"
#include "shell/SyncControls.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const QString kFollow = QStringLiteral("follow");
const QString kStatusBus = QStringLiteral("status-bus");
const QString kSyncTo = QStringLiteral("sync-to");
const QString kSecond = QStringLiteral("second");

void nameTheApplication()
{
    QCoreApplication::setOrganizationName("Subclock");
    QCoreApplication::setApplicationName("subclock");
    QCoreApplication::setApplicationVersion(SUBCLOCK_VERSION);
}

// Prints and exits on --help, --version or a mistyped option.
// `settingsFile` is named in the help.
void parseCommandLine(
    QCommandLineParser& parser, const QCoreApplication& app, const QString& settingsFile)
{
    parser.setApplicationDescription(
        QObject::tr("Plays a SubRip (.srt) subtitle file against a running clock.\n"
                    "Settings (encoding, line ending, last file, player followed) are kept in %1.")
            .arg(settingsFile));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        "file", QObject::tr("Subtitle file to choose at start-up."), "[FILE]");
    parser.addOption({ "record",
        QObject::tr("Append each cue made (by Mark or by holding N) to <file> as SubRip, "
                    "flushed as it is made."),
        "file" });
    parser.addOption(QCommandLineOption(kFollow,
        QObject::tr("Follow a media player: the first playing, or the one whose bus name or "
                    "identity contains NAME (--follow=NAME)."),
        "NAME"));
    parser.addOption({ kSecond,
        QObject::tr("A second subtitle track, shown with FILE on the same clock (another "
                    "language, say)."),
        "file2" });
    parser.addOption({ kSyncTo,
        QObject::tr("Line the subtitles up with the speech of <video> at start (Sync to Video)."),
        "video" });
    // For end-to-end tests and benchmarks only.
    QCommandLineOption statusBus(
        kStatusBus, QObject::tr("Publish what is shown on the session bus."));
    statusBus.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(statusBus);
    // The option's value is optional, which the parser does not know: a bare --follow means an
    // empty name, not the file after it.
    QStringList arguments = app.arguments();
    std::replace(arguments.begin(), arguments.end(), QStringLiteral("--follow"),
        QStringLiteral("--follow="));
    parser.process(arguments);
}

// Help and version are text only: they must work on a console with no display to open.
bool asksOnlyForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v"
            || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int runApplication(int argc, char** argv)
{
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheApplication();
        QCommandLineParser parser;
        parseCommandLine(parser, app, QtPreferences().fileName());
        return 0;
    }

    // Decided before Qt picks a platform, which it does once, when the application is made.
    const PlatformChoice platform = choosePlatform(std::vector<std::string>(argv, argv + argc),
        [](const char* name) -> std::optional<std::string> {
            const char* value = std::getenv(name);
            return value ? std::optional<std::string>(value) : std::nullopt;
        });
    if (platform.platform)
        ::setenv("QT_QPA_PLATFORM", platform.platform->c_str(), 1);
    // Qt's X11 back end waits for the X server to finish with a shared-memory image before it
    // paints the next frame: a round trip and two more thread wake-ups for every frame of the
    // running time. Our repaints are small, and sent over the socket they need no answer.
    // Qt looks only at whether it is set, so 0 is how a user asks for shared memory back.
    if (const char* noShm = std::getenv("QT_XCB_NO_MITSHM"); !noShm)
        ::setenv("QT_XCB_NO_MITSHM", "1", 1);
    else if (std::string_view(noShm) == "0")
        ::unsetenv("QT_XCB_NO_MITSHM");

    QApplication app(argc, argv);
    nameTheApplication();
    // Lets Wayland compositors match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("io.github.subclock.Subclock");

    StderrLog log("subclock");
    setLogSink(&log);
    QtPreferences preferences;
    // Before the first window: widgets take their texts when they are made.
    const Language language(
        Language::storedChoice(preferences), QLocale::system(), translationsFolder());
    QCommandLineParser parser;
    parseCommandLine(parser, app, preferences.fileName());

    int status = 0;
    {
        PlayerWindows windows(preferences);
        const QString record = parser.value("record");
        if (!record.isEmpty()
            && !windows.cueSession().recordTo(
                localPathOfArgument(record, QCoreApplication::arguments(), argc, argv))) {
            std::fprintf(stderr, "subclock: cannot append to %s\n", qPrintable(record));
            status = 1;
        } else {
            windows.show();
            if (!platform.message.empty())
                windows.showNotice(QString::fromStdString(platform.message));
            if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
                windows.chooseFile(
                    localPathOfArgument(files.first(), QCoreApplication::arguments(), argc, argv));
            if (parser.isSet(kSecond))
                windows.chooseSecondFile(localPathOfArgument(
                    parser.value(kSecond), QCoreApplication::arguments(), argc, argv));
            if (parser.isSet(kSyncTo))
                windows.sync().syncTo(localPathOfArgument(
                    parser.value(kSyncTo), QCoreApplication::arguments(), argc, argv));
            MprisService mpris(windows);
            mpris.publish(QDBusConnection::sessionBus());
            StatusService statusService(windows);
            if (parser.isSet(kStatusBus))
                statusService.publish(QDBusConnection::sessionBus());
            if (parser.isSet(kFollow))
                windows.following().followWhenThere(parser.value(kFollow).toStdString());
            else
                windows.following().restore();
            status = QApplication::exec();
        }
    }
    setLogSink(nullptr);
    return status;
}
