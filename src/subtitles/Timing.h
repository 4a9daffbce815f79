// How the subtitles line up with the video: shifted by a delay and scaled by a speed.
#pragma once

// A cue at file time s shows at clock time s * speed + delay; the clock itself stays the
// video's time. Speed is always positive.
struct Timing {
    double delay = 0;
    double speed = 1;

    double toClock(double fileTime) const { return fileTime * speed + delay; }
    double toFile(double clockTime) const { return (clockTime - delay) / speed; }
    bool isIdentity() const { return delay == 0 && speed == 1; }
    bool operator==(const Timing&) const = default;
};

// From `fileTime` on, the subtitles take a timing of their own: a video with a scene cut or added
// after that point.
struct TimingSplit {
    double fileTime = 0;
    Timing after;
};
