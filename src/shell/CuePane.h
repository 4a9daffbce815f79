// The Timing pane: the cues made by marks and holds, the script's next paragraph, and the ways
// out (a SubRip file, the clipboard). Docked in the main window, toggled with Ctrl+T.
#pragma once

#include "cueing/CueSession.h"

#include <QCoreApplication>
#include <QDockWidget>

class QAbstractButton;
class QLabel;
class QMainWindow;
class QTableView;
class QTimer;
class QWidget;
class CueTableModel;

class CuePane final : public QDockWidget {
    Q_DECLARE_TR_FUNCTIONS(CuePane)

public:
    // Docks itself at the bottom of `window`, hidden unless a session is offered for restoring.
    // Holding N anywhere in the application, outside a text field, times a cue.
    CuePane(CueSession& session, QMainWindow& window);
    ~CuePane() override;

    // The widgets a test or a script drives.
    QAbstractButton* holdButton() const { return _holdButton; }
    QTableView* table() const { return _table; }
    QLabel* upNext() const { return _upNext; }
    QWidget* restoreBar() const { return _restoreBar; }
    // The actions behind the pane's buttons; the path ones take the file directly.
    bool openScript(const QString& path);
    bool saveCues(const QString& path, bool crlf);
    void copyAsSrt();

private:
    void build();
    void refresh();
    void chooseScript();
    void chooseSaveFile();
    void deleteSelected();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CueSession& _session;
    QMainWindow& _window;
    CueTableModel* _model = nullptr;
    QTableView* _table = nullptr;
    QLabel* _upNext = nullptr;
    QLabel* _progress = nullptr;
    QLabel* _status = nullptr;
    QWidget* _restoreBar = nullptr;
    QLabel* _restoreText = nullptr;
    QAbstractButton* _holdButton = nullptr;
    QTimer* _settle = nullptr;
};
