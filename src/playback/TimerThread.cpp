// The clock pass, seeking and marks.
#include "playback/TimerThread.h"

#include "subtitles/TimeCode.h"

#include <time.h>
#include <unistd.h>

namespace {

// Monotonic, so that a change of the system clock (by hand, NTP, resume) never moves playback.
double monotonic_sec()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 0.000000001;
}

// The mark toggle is process-wide: a mark line may start in one run and end in the next.
std::atomic<bool> first{ true };

void setIfConnected(TextDisplay* display, const std::string& text)
{
    if (display)
        display->setText(text);
}

} // namespace

TimerThread::TimerThread()
    : _clock(&monotonic_sec)
    , _sleeper([](unsigned micros) { ::usleep(micros); })
{
}

TimerThread::~TimerThread()
{
    // Joining here, before the members go, keeps a live worker from touching a dead object.
    stop();
    waitFor();
}

void TimerThread::run()
{
    _running.store(true);
    const double t0 = _clock();
    while (!_teardown.load()) {
        const double value = _clock() - t0 + _backupTime.load();
        _value.store(value);
        drawTime(value);
        static const std::string empty;
        const std::string* text = findMessage(value);
        setIfConnected(_messageTextField, text ? *text : empty);
        setIfConnected(_messageTextField2, text ? *text : empty);
        _sleeper(10000);
    }
    _running.store(false);
    _backupTime.store(_value.load());
}

void TimerThread::seek(double x)
{
    if (_running.load()) {
        stop();
        waitFor();
        _backupTime.store(x);
        drawTime(x);
        start();
    } else {
        _backupTime.store(x);
        _value.store(x);
        drawTime(x);
    }
}

void TimerThread::reset()
{
    seek(0);
    setIfConnected(_timeTextField, "");
}

void TimerThread::drawTime(double x)
{
    setIfConnected(_timeTextField, displayText(x));
}

std::optional<std::string> TimerThread::getMessage(double x) const
{
    const std::string* text = findMessage(x);
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

const std::string* TimerThread::findMessage(double x) const
{
    if (!_dataArray)
        return nullptr;
    for (const auto& entry : *_dataArray) {
        if (entry->startTimeData() < x && x < entry->endTimeData())
            return entry->message() ? &*entry->message() : nullptr;
    }
    return nullptr;
}

void TimerThread::clearDataArray()
{
    _dataArray.reset();
}

void TimerThread::setDataArray(const SrtMessageList& list)
{
    _dataArray = list;
}

void TimerThread::marker()
{
    const TimeParts p = displaySplit(_value.load());
    const bool opening = first.load();
    std::fprintf(_markOutput, opening ? "%02d:%02d:%02d:%03d --> " : "%02d:%02d:%02d:%03d\n",
        p.hours, p.minutes, p.seconds, p.milliseconds);
    // Flushed at once so the first half of a line shows while the user waits for the second.
    std::fflush(_markOutput);
    first.store(!opening);
}
