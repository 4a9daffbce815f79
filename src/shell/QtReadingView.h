// The status line under the main window, File › Open Recent, and the watch on the chosen file.
// An event message in the status bar (a file loaded, a player gone) stays until the user acts
// or for 10 s at least, and the last few show on hover or a click.
#pragma once

#include "control/ReadingView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QFileSystemWatcher;
class QLabel;
class QMainWindow;
class QMenu;
class QTimer;

class QtReadingView final : public QObject, public ReadingView {
    Q_DECLARE_TR_FUNCTIONS(QtReadingView)

public:
    // `open` chooses a recent file; `changed` is called once a burst of changes on disk is over.
    QtReadingView(QMainWindow* window, QMenu* recentMenu, std::function<void(std::string)> open,
        std::function<void()> changed);

    void showReading(const std::string& text, const std::vector<std::size_t>& skipped) override;
    void showRecentFiles(const std::vector<std::string>& paths) override;
    void watchFile(const std::string& path) override;

    QLabel* statusLabel() const { return _status; }
    // The last few event messages, oldest first, each after the time it came.
    QStringList recentMessages() const { return _recent; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fileChanged();
    void messageChanged(const QString& text);

    QMainWindow* _window;
    QLabel* _status;
    QMenu* _recentMenu;
    QFileSystemWatcher* _watcher;
    QTimer* _settle;
    QString _watched;
    std::vector<std::size_t> _skipped;
    QString _message; // the event message in force
    QElapsedTimer _since;
    bool _userActed = false;
    QStringList _recent;
    std::function<void(std::string)> _open;
    std::function<void()> _changed;
};
