// The delay and speed in force, the catches that solve them, and their per-file memory.
#include "control/SubtitleTiming.h"

#include "platform/Translate.h"

#include <cmath>
#include <cstdio>

namespace {

// Catches closer than this in clock time are one catch, corrected.
constexpr double kRecatchWindow = 2.0;

} // namespace

SubtitleTiming::~SubtitleTiming()
{
    _p.quiet->cancel();
    save();
}

void SubtitleTiming::load()
{
    _memory->load(*_p.store);
}

void SubtitleTiming::restoreFor(const std::string& path)
{
    // The last file's run of changes is written before the memory moves on.
    _p.quiet->cancel();
    save();
    _path = path;
    _catches.clear();
    const std::optional<Timing> stored = _memory->find(path);
    _timing = stored.value_or(Timing{});
    push();
    _p.label->setText(describeTiming(_timing));
    say(stored
            ? fill(translate("SubtitleTiming", "timing restored: %1"), { describeTiming(*stored) })
            : std::string{});
}

void SubtitleTiming::forgetFile()
{
    _path.reset();
}

void SubtitleTiming::shiftDelay(double seconds)
{
    Timing timing = _timing.shifted(seconds);
    // Whole milliseconds, so that steps of 0.1 s add up to what the window shows.
    timing.delay = std::round(timing.delay * 1000.0) / 1000.0;
    timing.delayAfter = std::round(timing.delayAfter * 1000.0) / 1000.0;
    apply(timing);
}

void SubtitleTiming::catchLine(bool next)
{
    const SharedCues cues = this->cues();
    if (!cues || cues->empty())
        return;
    const double position = _p.th->getPosition();
    const double file = _timing.toFile(position);
    const std::int32_t i = next ? cues->nextStart(file) : cues->previousStart(file);
    if (i == Cues::kNone) {
        say(next ? translate("SubtitleTiming", "No subtitle after this point to catch.")
                 : translate("SubtitleTiming", "No subtitle before this point to catch."));
        return;
    }
    const auto& entry = *cues->entries()[static_cast<std::size_t>(i)];
    const CaughtLine caught{ entry.startTimeData(), position };
    const std::string line = std::to_string(entry.numberData());

    // Pressed again at nearly the same moment: the user stepped on to the line they meant, and
    // this catch replaces the last.
    if (!_catches.empty() && std::abs(_catches.back().clockTime - position) < kRecatchWindow)
        _catches.pop_back();
    // The earlier catch farthest away in the file gives the surest speed. Not across a split in
    // force: one speed for both sides of a cut is no better than the delay alone.
    const CaughtLine* partner = nullptr;
    for (const CaughtLine& c : _catches) {
        const double span = std::abs(c.fileTime - caught.fileTime);
        if (!_timing.hasSplit() && span >= kMinCatchSpan
            && (!partner || span > std::abs(partner->fileTime - caught.fileTime)))
            partner = &c;
    }
    // The caught line's delay puts it at the position; a split in force stays, its other side
    // moved by the same step, as Z and X move both.
    Timing result = _timing.shifted(position - _timing.toClock(caught.fileTime));
    // Short enough for the status bar beside the timing, which shows the delay itself.
    std::string message = fill(translate("SubtitleTiming", "Caught line %1."), { line });
    if (partner) {
        if (const std::optional<SolvedTiming> solved = solveTiming(*partner, caught)) {
            result = solved->timing;
            if (solved->snapped) {
                message = fill(translate("SubtitleTiming", "Caught line %1: %2."),
                    { line, translate("Resync", solved->snapped->label.data()) });
            } else {
                char speed[64];
                std::snprintf(speed, sizeof speed, "\u00D7%.5f", result.speed);
                message = fill(
                    translate("SubtitleTiming", "Caught line %1: speed %2."), { line, speed });
            }
        } else {
            message
                = fill(translate("SubtitleTiming", "Caught line %1: no likely speed, delay only."),
                    { line });
        }
    } else if (_catches.empty()) {
        message = fill(
            translate("SubtitleTiming", "Caught line %1. One more a minute away solves the speed."),
            { line });
    }
    _catches.push_back(caught);
    apply(result);
    say(message);
}

void SubtitleTiming::setSpeed(double speed)
{
    if (!(speed > 0))
        return;
    Timing timing = _timing;
    timing.speed = speed;
    apply(timing);
}

void SubtitleTiming::resetTiming()
{
    _catches.clear();
    apply(Timing{});
}

void SubtitleTiming::save()
{
    if (!_unsaved)
        return;
    _unsaved = false;
    _memory->save(*_p.store);
}

void SubtitleTiming::apply(const Timing& timing)
{
    _timing = timing;
    push();
    // Not written at each step of a held key: that would rewrite the settings file on this
    // thread 30 times a second.
    if (_path && _memory->note(*_path, _timing)) {
        _unsaved = true;
        _p.quiet->restart(kSaveAfter, [this] { save(); });
    }
    _p.label->setText(describeTiming(_timing));
    // A stopped clock shows at once what the new timing puts at its position.
    if (!_p.th->isRunning())
        _p.th->drawMessages(_p.th->getPosition());
}

void SubtitleTiming::say(const std::string& message)
{
    _p.status->setText(message);
}

SharedCues SubtitleTiming::cues() const
{
    return _p.track == Track::first ? _p.th->cues() : _p.th->secondCues();
}

void SubtitleTiming::push()
{
    if (_p.track == Track::first)
        _p.th->setTiming(_timing);
    else
        _p.th->setSecondTiming(_timing);
    if (_p.changed)
        _p.changed();
}
