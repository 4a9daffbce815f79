// The modal error report.
#pragma once

#include <string>

// Called on the UI thread only; blocks until the user dismisses it.
class Alert {
public:
    virtual ~Alert() = default;
    // A standard alert with one "OK" button.
    virtual void runModal(const std::string& message, const std::string& informative) = 0;

protected:
    Alert() = default;
    Alert(const Alert&) = delete;
    Alert& operator=(const Alert&) = delete;
};
