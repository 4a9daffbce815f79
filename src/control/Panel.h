// The floating panel that holds the large subtitle display.
#pragma once

// Called on the UI thread only.
class Panel {
public:
    virtual ~Panel() = default;
    // Shows the panel above other windows.
    virtual void orderFront() = 0;

protected:
    Panel() = default;
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;
};
