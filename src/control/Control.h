// A control that sends commands, identified by its tag.
#pragma once

// Called on the UI thread only.
class Control {
public:
    virtual ~Control() = default;
    virtual int tag() const = 0;

protected:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
};
