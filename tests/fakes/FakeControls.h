// Hand-written stand-ins for the window's controls and dialogs, recording what they were asked.
#pragma once

#include "control/Alert.h"
#include "control/BusyIndicator.h"
#include "control/Button.h"
#include "control/OpenDialog.h"
#include "control/Panel.h"
#include "control/PopUpMenu.h"
#include "control/QuietTimer.h"
#include "control/ReadingView.h"
#include "control/Slider.h"
#include "control/UiQueue.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class FakeControl final : public Control {
public:
    explicit FakeControl(int tag)
        : _tag(tag)
    {
    }
    int tag() const override { return _tag; }

private:
    int _tag;
};

class FakeButton final : public Button {
public:
    int tag() const override { return 2; }
    void setTitle(const std::string& title) override { this->title = title; }
    std::string title = "Start";
};

class FakeSlider final : public Slider {
public:
    double doubleValue() const override { return value; }
    double value = 10.0;
};

class FakeMenu final : public PopUpMenu {
public:
    struct Item {
        std::string title;
        int tag = 0;
    };

    int tag() const override { return 0; }
    void addItemWithTitle(const std::string& title) override { items.push_back({ title, 0 }); }
    bool setTagOfItemWithTitle(const std::string& title, int itemTag) override
    {
        const auto it = std::find_if(
            items.begin(), items.end(), [&](const Item& i) { return i.title == title; });
        if (it == items.end())
            return false;
        it->tag = itemTag;
        return true;
    }
    bool selectItemWithTag(int itemTag) override
    {
        ++selections;
        const auto it = std::find_if(
            items.begin(), items.end(), [&](const Item& i) { return i.tag == itemTag; });
        if (it == items.end())
            return false;
        selected = static_cast<int>(it - items.begin());
        return true;
    }
    std::optional<int> selectedItemTag() const override
    {
        if (!selected)
            return std::nullopt;
        return items[static_cast<std::size_t>(*selected)].tag;
    }
    std::optional<int> selectedTag() const { return selectedItemTag(); }

    std::vector<Item> items;
    std::optional<int> selected;
    int selections = 0;
};

class FakePanel final : public Panel {
public:
    void orderFront() override { ++fronts; }
    int fronts = 0;
};

class FakeOpenDialog final : public OpenDialog {
public:
    std::optional<std::string> runModal(
        const std::string& directory, const std::vector<std::string>& types) override
    {
        ++runs;
        lastDirectory = directory;
        lastTypes = types;
        return answer;
    }
    std::optional<std::string> answer;
    int runs = 0;
    std::string lastDirectory;
    std::vector<std::string> lastTypes;
};

class FakeAlert final : public Alert {
public:
    void runModal(const std::string& message, const std::string& informative) override
    {
        shown.emplace_back(message, informative);
        suggestions.emplace_back();
    }
    bool runModalWithOffer(const std::string& message, const std::string& informative,
        const std::string& suggestion, const std::string& offerButton) override
    {
        shown.emplace_back(message, informative);
        suggestions.push_back(suggestion);
        offers.push_back(offerButton);
        return takeOffer;
    }
    // Every alert; `suggestions` holds "" for one shown without an offer.
    std::vector<std::pair<std::string, std::string>> shown;
    std::vector<std::string> suggestions;
    std::vector<std::string> offers;
    bool takeOffer = false;
};

class FakeReadingView final : public ReadingView {
public:
    void showReading(const std::string& text, const std::vector<std::size_t>& skipped) override
    {
        status = text;
        skippedLines = skipped;
    }
    void showRecentFiles(const std::vector<std::string>& paths) override { recent = paths; }
    void watchFile(const std::string& path) override { watched = path; }

    std::string status;
    std::vector<std::size_t> skippedLines;
    std::vector<std::string> recent;
    std::string watched;
};

// Work for the UI thread waits here until the test runs it. Posted to from reader threads.
class FakeUiQueue final : public UiQueue {
public:
    void post(std::function<void()> work) override
    {
        std::lock_guard lock(_mutex);
        _work.push_back(std::move(work));
        _posted.notify_all();
    }
    // Waits up to a few seconds for posted work, then runs all of it; false if none came.
    bool runPosted()
    {
        std::vector<std::function<void()>> work;
        {
            std::unique_lock lock(_mutex);
            if (!_posted.wait_for(
                    lock, std::chrono::seconds(10), [this] { return !_work.empty(); }))
                return false;
            work.swap(_work);
        }
        for (auto& w : work)
            w();
        return true;
    }

private:
    std::mutex _mutex;
    std::condition_variable _posted;
    std::vector<std::function<void()>> _work;
};

class FakeBusy final : public BusyIndicator {
public:
    void begin(const std::string& what) override { shown = what; }
    void end() override { shown.reset(); }
    std::optional<std::string> shown;
};

// Holds the work until the test says the quiet time has passed.
class FakeQuietTimer final : public QuietTimer {
public:
    void restart(std::chrono::milliseconds quiet, std::function<void()> work) override
    {
        ++restarts;
        lastQuiet = quiet;
        _work = std::move(work);
    }
    void cancel() override { _work = nullptr; }
    // Runs the waiting work; false when there was none.
    bool elapse()
    {
        if (!_work)
            return false;
        std::exchange(_work, nullptr)();
        return true;
    }
    int restarts = 0;
    std::chrono::milliseconds lastQuiet{ 0 };

private:
    std::function<void()> _work;
};
