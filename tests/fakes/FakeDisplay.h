// A text display that remembers what it was set to; the worker sets it, hence the lock. It
// stands in for the controller's own lines (UiText) too.
#pragma once

#include "control/UiText.h"
#include "playback/TextDisplay.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class FakeDisplay final : public TextDisplay, public UiText {
public:
    explicit FakeDisplay(std::string initial = "(untouched)")
        : _text(std::move(initial))
    {
    }

    void setText(const std::string& utf8) override
    {
        {
            std::lock_guard lock(_mutex);
            _text = utf8;
            ++_sets;
        }
        _changed.notify_all();
    }

    std::string text() const
    {
        std::lock_guard lock(_mutex);
        return _text;
    }

    int sets() const
    {
        std::lock_guard lock(_mutex);
        return _sets;
    }

    // Waits (generously) until the display shows `expected`; true when it did.
    bool waitFor(
        const std::string& expected, std::chrono::milliseconds limit = std::chrono::seconds(10))
    {
        std::unique_lock lock(_mutex);
        return _changed.wait_for(lock, limit, [&] { return _text == expected; });
    }

    // Waits until at least `count` more sets have arrived.
    bool waitForSets(int count, std::chrono::milliseconds limit = std::chrono::seconds(10))
    {
        std::unique_lock lock(_mutex);
        const int target = _sets + count;
        return _changed.wait_for(lock, limit, [&] { return _sets >= target; });
    }

    // Waits until `total` sets in all have arrived, however many came before the call.
    bool waitForTotalSets(int total, std::chrono::milliseconds limit = std::chrono::seconds(10))
    {
        std::unique_lock lock(_mutex);
        return _changed.wait_for(lock, limit, [&] { return _sets >= total; });
    }

private:
    mutable std::mutex _mutex;
    std::condition_variable _changed;
    std::string _text;
    int _sets = 0;
};
