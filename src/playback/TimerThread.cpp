// The clock pass, seeking and marks.
#include "playback/TimerThread.h"

#include "playback/PlaybackClock.h"
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
    _marks.addListener([this](const Mark& mark) { markLinePrinter(_markOutput)(mark); });
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
    PlaybackClock clock(_clock);
    clock.start();
    Cues::Cursor cursor;
    static const std::string empty;
    while (!_teardown.load()) {
        // The base is read afresh at every pass, so a seek that raced the start still lands.
        clock.rebase(_backupTime.load());
        const PositionSource* source = _source.load();
        const double value = source ? source->position() : clock.position();
        _value.store(value);
        drawTime(value);
        const std::string* text = nullptr;
        // Held for the pass, so a list replaced meanwhile lives until the pass is done.
        const std::shared_ptr<const Shown> current = shown();
        if (current && current->cues) {
            const std::int32_t i = cursor.indexAt(*current->cues, current->timing.toFile(value));
            if (i != Cues::kNone) {
                const auto& message
                    = current->cues->entries()[static_cast<std::size_t>(i)]->message();
                text = message ? &*message : nullptr;
            }
        }
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
        drawMessages(x);
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

void TimerThread::drawMessages(double x)
{
    const std::string text = getMessage(x).value_or(std::string{});
    setIfConnected(_messageTextField, text);
    setIfConnected(_messageTextField2, text);
}

std::optional<std::string> TimerThread::getMessage(double x) const
{
    const std::shared_ptr<const Shown> current = shown();
    if (!current || !current->cues)
        return std::nullopt;
    const std::string* text = current->cues->textAt(current->timing.toFile(x));
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

void TimerThread::replaceShown(SharedCues cues, const Timing& timing)
{
    auto next = std::make_shared<const Shown>(Shown{ std::move(cues), timing });
    std::lock_guard lock(_dataArrayMutex);
    _dataArray.swap(next);
}

std::shared_ptr<const TimerThread::Shown> TimerThread::shown() const
{
    std::lock_guard lock(_dataArrayMutex);
    return _dataArray;
}

void TimerThread::clearDataArray()
{
    replaceShown(nullptr, timing());
}

void TimerThread::setDataArray(const SrtMessageList& list)
{
    setCues(std::make_shared<const Cues>(list));
}

void TimerThread::setCues(SharedCues cues)
{
    replaceShown(std::move(cues), timing());
}

SharedCues TimerThread::cues() const
{
    const std::shared_ptr<const Shown> current = shown();
    return current ? current->cues : nullptr;
}

void TimerThread::setTiming(const Timing& timing)
{
    replaceShown(cues(), timing);
}

Timing TimerThread::timing() const
{
    const std::shared_ptr<const Shown> current = shown();
    return current ? current->timing : Timing{};
}

void TimerThread::marker()
{
    _marks.mark(_value.load());
}
