// Tells the user that something slow is under way, such as reading a very large file.
#pragma once

#include <string>

// Called on the UI thread only. An implementation shows nothing for work that ends quickly.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void begin(const std::string& what) = 0;
    virtual void end() = 0;

protected:
    BusyIndicator() = default;
    BusyIndicator(const BusyIndicator&) = delete;
    BusyIndicator& operator=(const BusyIndicator&) = delete;
};
