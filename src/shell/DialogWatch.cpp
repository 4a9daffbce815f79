#include "shell/DialogWatch.h"

#include "shell/SubtitlePanel.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

bool isDialog(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow()
        && (qobject_cast<const QDialog*>(widget) || widget->windowType() == Qt::Dialog
            || widget->windowType() == Qt::Sheet);
}

} // namespace

DialogWatch::DialogWatch(SubtitlePanel& panel, QObject* parent)
    : QObject(parent)
    , _panel(panel)
{
    qApp->installEventFilter(this);
}

bool DialogWatch::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (isDialog(watched) || watched == &_panel) {
            auto* dialog = static_cast<QWidget*>(watched);
            if (watched != &_panel && event->type() == QEvent::Show && !_open.contains(dialog))
                _open.append(dialog);
            // After the event: a dialog is laid out and placed by then, and gone when hidden.
            QTimer::singleShot(0, this, [this] { update(); });
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void DialogWatch::update()
{
    _open.removeIf([](const QPointer<QWidget>& d) { return !d || !d->isVisible(); });
    const QRect panel = _panel.geometry();
    bool covered = false;
    for (const QPointer<QWidget>& dialog : _open)
        covered = covered || dialog->frameGeometry().intersects(panel);
    _panel.setYielding(covered);
}
