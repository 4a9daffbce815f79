// Where the clock takes its position from when it does not count by itself (a followed player).
#pragma once

// Called from the playback worker and the UI thread.
class PositionSource {
public:
    virtual ~PositionSource() = default;
    // Seconds, as the clock shows them.
    virtual double position() const = 0;

protected:
    PositionSource() = default;
    PositionSource(const PositionSource&) = delete;
    PositionSource& operator=(const PositionSource&) = delete;
};
