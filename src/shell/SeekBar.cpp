// The seek bar: painted by hand, so an update is one small repaint and no layout.
#include "shell/SeekBar.h"

#include "subtitles/ReadingReport.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// "1:02:03" or "2:03"; whole seconds, truncated like the time display.
QString shortTime(double seconds)
{
    return QString::fromStdString(reporting::durationText(seconds));
}

} // namespace

class SeekBar::Track final : public QWidget {
public:
    Track(QWidget* parent, SeekHandler onSeek)
        : QWidget(parent)
        , _onSeek(std::move(onSeek))
    {
        setMinimumHeight(14);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QCoreApplication::translate("SeekBar", "Click or drag to seek"));
    }

    // True when the change moves the handle by at least a pixel.
    bool set(double position, double duration)
    {
        const int before = handleX();
        const bool pastBefore = past();
        _position = position;
        _duration = duration;
        return before != handleX() || pastBefore != past();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect groove(0, height() / 2 - 3, width(), 6);
        p.fillRect(groove, palette().color(QPalette::Mid));
        const int x = handleX();
        p.fillRect(QRect(groove.left(), groove.top(), x, groove.height()),
            past() ? palette().color(QPalette::Dark) : palette().color(QPalette::Highlight));
        p.fillRect(QRect(std::clamp(x - 2, 0, width() - 4), 0, 4, height()),
            palette().color(QPalette::WindowText));
    }
    void mousePressEvent(QMouseEvent* event) override { seekTo(event); }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (event->buttons() & Qt::LeftButton)
            seekTo(event);
    }

private:
    bool past() const { return _duration > 0 && _position > _duration; }
    int handleX() const
    {
        if (!(_duration > 0))
            return 0;
        return static_cast<int>(std::clamp(_position / _duration, 0.0, 1.0) * width());
    }
    void seekTo(QMouseEvent* event)
    {
        if (event->buttons() & Qt::LeftButton && _duration > 0 && width() > 0)
            _onSeek(std::clamp(event->position().x() / width(), 0.0, 1.0) * _duration);
    }

    SeekHandler _onSeek;
    double _position = 0;
    double _duration = 0;
};

SeekBar::SeekBar(QWidget* parent, SeekHandler onSeek)
    : QWidget(parent)
    , _track(new Track(this, std::move(onSeek)))
    , _label(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(_track, 1);
    layout->addWidget(_label);
    _label->setTextFormat(Qt::PlainText);
    // Room for the longest text, fixed so that a new text never lays the window out again
    // (a label whose size can change asks its parent for a new layout on every text).
    _label->setFixedSize(
        _label->fontMetrics().horizontalAdvance("00:00:00 / 00:00:00  after the end"),
        _label->sizeHint().height());
    setPosition(0, 0);
}

void SeekBar::setPosition(double position, double duration)
{
    const bool pastEnd = duration > 0 && position > duration;
    const bool labelChanged = std::floor(position) != std::floor(_position)
        || std::floor(duration) != std::floor(_duration)
        || pastEnd != (_duration > 0 && _position > _duration);
    _position = position;
    _duration = duration;
    if (_track->set(position, duration))
        _track->update();
    // Nothing to seek in: no bar to drag, and no "0:47 / 0:00".
    _track->setEnabled(duration > 0);
    if (labelChanged) {
        QString text
            = duration > 0 ? shortTime(position) + " / " + shortTime(duration) : tr("no subtitles");
        // Past the last subtitle nothing more will show: said in words, not by colour alone.
        if (pastEnd)
            text += tr("  after the end");
        _label->setText(text);
    }
}

QString SeekBar::labelText() const
{
    return _label->text();
}
