// The clock pass, seeking and marks.
#include "playback/TimerThread.h"

#include "playback/PlaybackClock.h"
#include "subtitles/TimeCode.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <limits>

namespace {

// Monotonic, so that a change of the system clock (by hand, NTP, resume) never moves playback.
double monotonic_sec()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 0.000000001;
}

void setIfConnected(TextDisplay* display, const std::string& text)
{
    if (display)
        display->setText(text);
}

} // namespace

TimerThread::TimerThread()
    : _clock(&monotonic_sec)
    , _sleeper([this](unsigned micros) { sleepUnlessWoken(micros); })
{
    setName("playback");
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
    {
        std::lock_guard lock(_wakeMutex);
        _woken = false;
    }
    PlaybackClock clock(_clock);
    clock.start();
    Cues::Cursor cursor;
    static const std::string empty;
    // The position now, as a pass reads it.
    const auto read = [&] {
        // The base is read afresh at every pass, so a seek that raced the start still lands.
        clock.rebase(_backupTime.load());
        const PositionSource* source = _source.load();
        return source ? source->position() : clock.position();
    };
    bool rested = false;
    // The second line is handed on only when it changes: most passes cost its displays nothing.
    Cues::Cursor secondCursor;
    std::optional<std::uint64_t> secondFrom;
    // The text, not the entry: overlapping entries stack into a text of their own.
    const std::string* secondShown = nullptr;
    while (!_teardown.load()) {
        const double value = read();
        _value.store(value);
        if (rested) {
            std::lock_guard lock(_restMutex);
            _resting = rested = false;
        }
        drawTime(value);
        // Held for the pass, so a list replaced meanwhile lives until the pass is done.
        const std::shared_ptr<const Shown> current = shown();
        const std::string* text = current ? current->first.textAt(cursor, value) : nullptr;
        setIfConnected(_messageTextField, text ? *text : empty);
        setIfConnected(_messageTextField2, text ? *text : empty);
        const std::string* line = current ? current->second.textAt(secondCursor, value) : nullptr;
        const std::uint64_t version = current ? current->version : 0;
        if (line != secondShown || secondFrom != version) {
            setIfConnected(_secondTextField, line ? *line : empty);
            setIfConnected(_secondTextField2, line ? *line : empty);
            secondShown = line;
            secondFrom = version;
        }
        unsigned micros = 10000;
        if (!_timeSeen.load()) {
            micros = restAfter(current.get(), value, _source.load() != nullptr);
            std::lock_guard lock(_restMutex);
            _resting = rested = true;
            _restValue = value;
            _restFrom = _clock();
        }
        // A list or timing replaced since this pass read it came too early to wake the rest:
        // pass again at once.
        if (rested && shown() != current)
            micros = 0;
        _sleeper(micros);
    }
    if (rested) {
        // The last pass may be long past: stop at the position now, as a pass now would.
        const double value = read();
        _value.store(value);
        drawTime(value);
        std::lock_guard lock(_restMutex);
        _resting = false;
    }
    _running.store(false);
    _backupTime.store(_value.load());
}

unsigned TimerThread::restAfter(const Shown* current, double value, bool followed) const
{
    // A followed player may jump at any moment; the own clock only moves on.
    double rest = followed ? 0.05 : 10.0;
    if (current) {
        const double next
            = std::min(current->first.nextChange(value), current->second.nextChange(value));
        // Just past the change, where an open interval has begun or ended.
        rest = std::min(rest, std::max(next - value, 0.0) + 0.0005);
    }
    return static_cast<unsigned>(rest * 1000000);
}

double TimerThread::Track::nextChange(double value) const
{
    if (!cues)
        return std::numeric_limits<double>::infinity();
    const double next = timing.toClock(cues->nextChange(timing.toFile(value)));
    // After a cut the next change may lie in the part the video lost: the split comes first.
    return value < timing.splitClock() ? std::min(next, timing.splitClock()) : next;
}

std::optional<std::string> TimerThread::Track::messageAt(double value) const
{
    const std::string* text = cues ? cues->textAt(timing.toFile(value)) : nullptr;
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

void TimerThread::sleepUnlessWoken(unsigned micros)
{
    std::unique_lock lock(_wakeMutex);
    _wakeCondition.wait_for(lock, std::chrono::microseconds(micros), [this] { return _woken; });
    _woken = false;
}

void TimerThread::wake()
{
    {
        std::lock_guard lock(_wakeMutex);
        _woken = true;
    }
    _wakeCondition.notify_one();
}

void TimerThread::setTimeSeen(bool seen)
{
    if (_timeSeen.exchange(seen) != seen && seen)
        wake();
}

double TimerThread::getPosition() const
{
    std::unique_lock lock(_restMutex);
    if (!_resting)
        return _value.load();
    // What the next pass will show: a followed player's position, or the own clock counted on.
    if (const PositionSource* source = _source.load()) {
        lock.unlock();
        return source->position();
    }
    return _restValue + (_clock() - _restFrom);
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
    const std::string second = getSecondMessage(x).value_or(std::string{});
    setIfConnected(_secondTextField, second);
    setIfConnected(_secondTextField2, second);
}

std::optional<std::string> TimerThread::getMessage(double x) const
{
    const std::shared_ptr<const Shown> current = shown();
    return current ? current->first.messageAt(x) : std::nullopt;
}

std::optional<std::string> TimerThread::getSecondMessage(double x) const
{
    const std::shared_ptr<const Shown> current = shown();
    return current ? current->second.messageAt(x) : std::nullopt;
}

void TimerThread::replaceShown(Shown shown)
{
    std::shared_ptr<const Shown> next;
    {
        std::lock_guard lock(_dataArrayMutex);
        // Never 0, which a pass reads as "nothing shown".
        shown.version = ++_versions;
        next = std::make_shared<const Shown>(std::move(shown));
        _dataArray.swap(next);
    }
    // A resting worker would keep the old list's next change; one passing every 10 ms takes the
    // new list at its next pass, as before, and is not hurried into one now.
    {
        std::lock_guard lock(_restMutex);
        if (!_resting)
            return;
    }
    wake();
}

std::shared_ptr<const TimerThread::Shown> TimerThread::shown() const
{
    std::lock_guard lock(_dataArrayMutex);
    return _dataArray;
}

void TimerThread::clearDataArray()
{
    Shown next = shownOrNone();
    next.first.cues = nullptr;
    replaceShown(next);
}

void TimerThread::setDataArray(const SrtMessageList& list)
{
    setCues(std::make_shared<const Cues>(list));
}

void TimerThread::setCues(SharedCues cues)
{
    Shown next = shownOrNone();
    next.first.cues = std::move(cues);
    replaceShown(next);
}

SharedCues TimerThread::cues() const
{
    return shownOrNone().first.cues;
}

void TimerThread::setTiming(const Timing& timing)
{
    Shown next = shownOrNone();
    next.first.timing = timing;
    replaceShown(next);
}

Timing TimerThread::timing() const
{
    return shownOrNone().first.timing;
}

void TimerThread::setSecondCues(SharedCues cues)
{
    Shown next = shownOrNone();
    next.second.cues = std::move(cues);
    replaceShown(next);
}

SharedCues TimerThread::secondCues() const
{
    return shownOrNone().second.cues;
}

void TimerThread::setSecondTiming(const Timing& timing)
{
    Shown next = shownOrNone();
    next.second.timing = timing;
    replaceShown(next);
}

Timing TimerThread::secondTiming() const
{
    return shownOrNone().second.timing;
}

TimerThread::Shown TimerThread::shownOrNone() const
{
    const std::shared_ptr<const Shown> current = shown();
    return current ? *current : Shown{};
}

void TimerThread::marker()
{
    _marks.mark(getPosition());
}
