// Start-up order: the command line, the log, the stored settings, the windows, then a file given
// on the command line, chosen as if picked in the dialog.
#include "shell/Application.h"

#include "platform/StderrLog.h"
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <exception>

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Subclock");
    QApplication::setApplicationName("subclock");
    QApplication::setApplicationVersion(SUBCLOCK_VERSION);
    // Lets Wayland compositors match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("io.github.subclock.Subclock");

    StderrLog log("subclock");
    setLogSink(&log);
    QtPreferences preferences;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QObject::tr("Plays a SubRip (.srt) subtitle file against a running clock.\n"
                    "Settings (encoding, line ending, last file) are kept in %1.")
            .arg(preferences.fileName()));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        "file", QObject::tr("Subtitle file to choose at start-up."), "[FILE]");
    parser.process(app);

    int status = 0;
    {
        PlayerWindows windows(preferences);
        windows.show();
        if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
            windows.chooseFile(toLocalPath(QFileInfo(files.first()).absoluteFilePath()));
        status = QApplication::exec();
    }
    setLogSink(nullptr);
    return status;
}
