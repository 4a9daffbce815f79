// The skip-amount slider.
#pragma once

// Called on the UI thread only.
class Slider {
public:
    virtual ~Slider() = default;
    // Seconds to skip.
    virtual double doubleValue() const = 0;

protected:
    Slider() = default;
    Slider(const Slider&) = delete;
    Slider& operator=(const Slider&) = delete;
};
