// Where the clock is in the file: a bar from zero to the end of the last subtitle, with
// "position / duration" beside it and a sign once the position is past the last subtitle.
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <functional>

class QLabel;

class SeekBar final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(SeekBar)

public:
    // Called with the clock time a click or a drag points at.
    using SeekHandler = std::function<void(double)>;

    SeekBar(QWidget* parent, SeekHandler onSeek);

    // Repaints only when what is shown changes: the label in whole seconds, the bar by pixel.
    void setPosition(double position, double duration);
    QString labelText() const;

private:
    class Track;
    Track* _track;
    QLabel* _label;
    double _position = -1;
    double _duration = -1;
};
