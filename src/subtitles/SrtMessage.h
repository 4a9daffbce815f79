// One subtitle entry: its index, its interval in seconds and its text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SrtMessage {
public:
    SrtMessage() = default;

    void setNumberData(std::int32_t number) { _number = number; }
    std::int32_t numberData() const { return _number; }
    void setStartTimeData(double seconds) { _startTime = seconds; }
    double startTimeData() const { return _startTime; }
    void setEndTimeData(double seconds) { _endTime = seconds; }
    double endTimeData() const { return _endTime; }
    void setMessage(std::string text) { _pstrMessage = std::move(text); }
    // None until a text is set; an empty text is a text.
    const std::optional<std::string>& message() const { return _pstrMessage; }

private:
    std::int32_t _number = 0;
    double _startTime = 0;
    double _endTime = 0;
    std::optional<std::string> _pstrMessage;
};

// Entries are shared: the reader's list and the timer's copy hold the same objects.
using SrtMessageList = std::vector<std::shared_ptr<SrtMessage>>;
// The same entries once they are shared between threads, where none may change.
using FrozenMessageList = std::vector<std::shared_ptr<const SrtMessage>>;
