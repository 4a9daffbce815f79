// A one-line text display, such as the time or a subtitle.
#pragma once

#include <string>

// Called from the UI thread and from the playback worker (100 times a second), so an
// implementation must accept calls from any thread and must not block for long.
class TextDisplay {
public:
    virtual ~TextDisplay() = default;
    virtual void setText(const std::string& utf8) = 0;

protected:
    TextDisplay() = default;
    TextDisplay(const TextDisplay&) = delete;
    TextDisplay& operator=(const TextDisplay&) = delete;
};
