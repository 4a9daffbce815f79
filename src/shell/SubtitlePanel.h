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

    // The second track's line, drawn in its own style under or over the first; with
    // SecondPlacement::top it is kept but not drawn here (another panel at the top shows it).
    void setSecondText(const QString& raw);
    QString secondText() const { return _secondRaw; }
    void setSecondStyle(const PanelStyle& style);
    const PanelStyle& secondStyle() const { return _secondStyle; }
    void setSecondPlacement(SecondPlacement placement);
    SecondPlacement secondPlacement() const { return _placement; }
    // Each track can be hidden by a key while the other shows.
    void setTrackShown(int track, bool shown);
    bool trackShown(int track) const { return track == 1 ? _firstShown : _secondShown; }
    // Whether the band says how to move it until its first subtitle (on by default).
    void setHintAllowed(bool on) { _hintAllowed = on; }

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
    int secondLineCount() const { return _secondLines; }
    // Where the last layout put the second line's top, relative to the first's (below: more).
    bool secondDrawnBelow() const { return _secondBelow; }
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
    QString _secondRaw;
    PanelStyle _secondStyle = PanelStyle::secondDefaults();
    SecondPlacement _placement = SecondPlacement::below;
    bool _firstShown = true;
    bool _secondShown = true;
    bool _hintAllowed = true;
    int _secondLines = 0;
    bool _secondBelow = false;
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
