// A line of text the controller writes: the file name, the subtitle timing, a passing message.
#pragma once

#include <string>

// Called from the UI thread only, so an implementation may touch its widget directly. Text the
// playback worker writes goes through TextDisplay instead.
class UiText {
public:
    virtual ~UiText() = default;
    virtual void setText(const std::string& utf8) = 0;

protected:
    UiText() = default;
    UiText(const UiText&) = delete;
    UiText& operator=(const UiText&) = delete;
};
