// Keeps the player's dialogs above its subtitle panel: the panel stays above full-screen video,
// and so above the player's own alerts, file dialogs and Preferences too unless told to yield.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;
class SubtitlePanel;

class DialogWatch final : public QObject {
public:
    // Watches every window of the application from now on. GUI thread only.
    explicit DialogWatch(SubtitlePanel& panel, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The panel yields while any open dialog overlaps it, and comes back when none does.
    void update();

    SubtitlePanel& _panel;
    QList<QPointer<QWidget>> _open;
};
