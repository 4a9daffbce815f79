// The playback time, drawn character by character in fixed cells: a change repaints only the
// cells that changed (usually the milliseconds), with no text layout, and nothing at all while
// the window cannot be seen.
#pragma once

#include <QStaticText>
#include <QString>
#include <QWidget>

#include <map>

class TimeFace final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit TimeFace(QWidget* parent = nullptr);

    QString text() const { return _text; }
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The text drawn: an empty one (never started, reset) as a faint zero.
    QString shown() const;
    QRect cells(int first, int count) const;
    const QStaticText& glyph(QChar c);

    QString _text;
    int _cell = 0; // one character's width
    std::map<char16_t, QStaticText> _glyphs;
};
