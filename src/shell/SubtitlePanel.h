// The floating subtitle panel: frameless, above other windows, never taking focus. It shows the
// same text as the main window's message field, with the file's markup applied, in the user's
// style, wrapped to its width and shrunk (never cut) to fit its height. The text is laid out
// and drawn once per change; a repaint only copies the picture.
#pragma once

#include "control/PanelStyle.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

class SubtitlePanel final : public QWidget {
    Q_OBJECT

public:
    explicit SubtitlePanel(QWidget* parent = nullptr);

    // The text as the file has it (bounded by the caller). GUI thread only.
    void setText(const QString& raw);
    QString text() const { return _raw; }

    void setPanelStyle(const PanelStyle& style);
    const PanelStyle& panelStyle() const { return _style; }

    // Clicks go through the panel to the window beneath.
    void setClickThrough(bool on);
    bool clickThrough() const { return _clickThrough; }

    // Shows the panel above other windows.
    void orderFront();
    // While on, the panel stays below the player's dialogs: lowered where it is out of the
    // window manager's hands, else hidden (without a visibilityChanged). Off puts it back.
    void setYielding(bool on);
    bool yielding() const { return _yielding; }
    // The height that holds `lines` lines of the style's text without shrinking it.
    int fittingHeight(int lines) const;
    // Whether the text is a hint on how to move the panel, shown until the first subtitle.
    bool showsHint() const { return _hint; }

    // What the last layout did, for tests: lines drawn and the size they were drawn at
    // relative to the style's (1: as set; less: shrunk to fit).
    int lineCount() const { return _lines; }
    double fitScale() const { return _scale; }
    bool atTop() const { return _top; }

signals:
    // The user moved or resized the panel.
    void placeChanged();
    // Shown or hidden.
    void visibilityChanged(bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static QString hintText();
    void applyWindowFlags();
    void render();
    Qt::Edges edgesAt(const QPoint& pos) const;
    // At least half of the panel on a screen, so it can always be grabbed again.
    QRect keptOnScreen(const QRect& r) const;

    QString _raw;
    PanelStyle _style;
    bool _clickThrough = false;
    QImage _picture;
    int _lines = 0;
    double _scale = 1.0;
    bool _top = false;
    bool _hint = false;
    bool _hadText = false;
    bool _yielding = false;
    bool _hiddenForDialog = false;
    bool _quietVisibility = false; // hidden and shown for a dialog: not the user's doing

    // A drag or resize in progress, done here when the window manager does not do it.
    bool _pressed = false;
    Qt::Edges _edges;
    QPoint _pressAt;
    QRect _startGeometry;
    // A move or resize the window manager does ends when the panel has been still a moment.
    bool _systemPlacing = false;
    QTimer _settle;
};
