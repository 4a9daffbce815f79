// The modal error report.
#pragma once

#include <string>

// Called on the UI thread only; blocks until the user dismisses it.
class Alert {
public:
    virtual ~Alert() = default;
    // A standard alert with one "OK" button.
    virtual void runModal(const std::string& message, const std::string& informative) = 0;
    // The same alert with a suggestion below the informative text and a second button for it;
    // true when the user takes the suggestion.
    virtual bool runModalWithOffer(const std::string& message, const std::string& informative,
        const std::string& suggestion, const std::string& offerButton)
        = 0;

protected:
    Alert() = default;
    Alert(const Alert&) = delete;
    Alert& operator=(const Alert&) = delete;
};
