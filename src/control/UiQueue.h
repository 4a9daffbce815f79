// Hands work to the UI thread, to run after the current event.
#pragma once

#include <functional>

// Called from any thread; the work runs later on the UI thread, or never if the UI has gone.
class UiQueue {
public:
    virtual ~UiQueue() = default;
    virtual void post(std::function<void()> work) = 0;

protected:
    UiQueue() = default;
    UiQueue(const UiQueue&) = delete;
    UiQueue& operator=(const UiQueue&) = delete;
};
