#include "shell/TimeFace.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Room for the longest time the clock shows, hundreds of hours included.
constexpr int widestText = 13;

} // namespace

TimeFace::TimeFace(QWidget* parent)
    : QWidget(parent)
{
    // Every pixel is painted here, so Qt need not paint what is behind first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    changeEvent(nullptr);
}

void TimeFace::setText(const QString& text)
{
    if (text == _text)
        return;
    const QString before = std::exchange(_text, text);
    if (!isVisible() || window()->isMinimized())
        return; // shown as it is then when the window is shown again
    if (before.size() != text.size()) {
        update();
        return;
    }
    int first = 0;
    while (before[first] == text[first])
        ++first;
    int last = static_cast<int>(text.size()) - 1;
    while (before[last] == text[last])
        --last;
    update(cells(first, last - first + 1));
}

QSize TimeFace::sizeHint() const
{
    const QFontMetrics metrics(font());
    return { _cell * (widestText + 2), metrics.height() + 4 };
}

QString TimeFace::shown() const
{
    return _text.isEmpty() ? QStringLiteral("00:00:00:000") : _text;
}

QRect TimeFace::cells(int first, int count) const
{
    const int left = (width() - _cell * static_cast<int>(shown().size())) / 2;
    return { left + first * _cell, 0, count * _cell, height() };
}

const QStaticText& TimeFace::glyph(QChar c)
{
    auto it = _glyphs.find(c.unicode());
    if (it == _glyphs.end()) {
        QStaticText text{ QString(c) };
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font());
        it = _glyphs.emplace(c.unicode(), std::move(text)).first;
    }
    return it->second;
}

void TimeFace::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.setPen(
        palette().color(_text.isEmpty() ? QPalette::PlaceholderText : QPalette::WindowText));
    painter.setFont(font());
    const int top = (height() - QFontMetrics(font()).height()) / 2;
    const QString text = shown();
    for (int i = 0; i < text.size(); ++i) {
        const QRect cell = cells(i, 1);
        if (!event->rect().intersects(cell))
            continue;
        const QStaticText& g = glyph(text[i]);
        // Centred in its cell, so a proportional fallback font still lines up.
        const qreal x = cell.left() + (_cell - g.size().width()) / 2.0;
        painter.drawStaticText(QPointF(x, top), g);
    }
}

void TimeFace::changeEvent(QEvent* event)
{
    if (!event || event->type() == QEvent::FontChange) {
        const QFontMetrics metrics(font());
        _cell = 0;
        for (QChar c : QStringLiteral("0123456789:"))
            _cell = std::max(_cell, metrics.horizontalAdvance(c));
        _glyphs.clear();
        updateGeometry();
        update();
    }
    if (event)
        QWidget::changeEvent(event);
}
