// The status line under the main window, File › Open Recent, and the watch on the chosen file.
#pragma once

#include "control/ReadingView.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QFileSystemWatcher;
class QLabel;
class QMainWindow;
class QMenu;
class QTimer;

class QtReadingView final : public QObject, public ReadingView {
public:
    // `open` chooses a recent file; `changed` is called once a burst of changes on disk is over.
    QtReadingView(QMainWindow* window, QMenu* recentMenu, std::function<void(std::string)> open,
        std::function<void()> changed);

    void showReading(const std::string& text, const std::vector<std::size_t>& skipped) override;
    void showRecentFiles(const std::vector<std::string>& paths) override;
    void watchFile(const std::string& path) override;

    QLabel* statusLabel() const { return _status; }

private:
    void fileChanged();

    QMainWindow* _window;
    QLabel* _status;
    QMenu* _recentMenu;
    QFileSystemWatcher* _watcher;
    QTimer* _settle;
    QString _watched;
    std::vector<std::size_t> _skipped;
    std::function<void(std::string)> _open;
    std::function<void()> _changed;
};
