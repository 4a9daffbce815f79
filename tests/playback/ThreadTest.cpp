// The worker wrapper: one thread per start, the stop handshake and the log lines around run().
#include "playback/Thread.h"

#include "fakes/FakeLog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Counts runs and spins until asked to stop, or returns at once when told to.
class CountingThread final : public Thread {
public:
    explicit CountingThread(bool returnsByItself)
        : _returnsByItself(returnsByItself)
    {
    }
    ~CountingThread() override
    {
        stop();
        waitFor();
    }

    std::atomic<int> runs{ 0 };
    std::atomic<bool> inside{ false };
    bool teardownRequested() const { return _teardown.load(); }

protected:
    void run() override
    {
        ++runs;
        inside = true;
        while (!_returnsByItself && !_teardown.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        inside = false;
    }

private:
    bool _returnsByItself;
};

TEST(Thread, EachStartRunsOnceInItsOwnThreadAndLogsAroundIt)
{
    FakeLog log;
    CountingThread t(false);
    t.start();
    t.stop();
    t.waitFor();
    // The stop request is cleared by the join, ready for the next run.
    EXPECT_FALSE(t.teardownRequested());
    t.start();
    t.stop();
    t.waitFor();
    EXPECT_EQ(t.runs.load(), 2);
    EXPECT_EQ(log.lines(),
        (std::vector<std::string>{ "Thread Start", "Thread Stop", "Thread Start", "Thread Stop" }));
}

TEST(Thread, RunThatReturnsByItselfNeedsNoStop)
{
    FakeLog log;
    CountingThread t(true);
    t.start();
    // Must not block: run() returns without a stop request.
    t.waitFor();
    EXPECT_EQ(t.runs.load(), 1);
    EXPECT_FALSE(t.inside.load());
}

TEST(Thread, WaitForWithoutAWorkerReturnsAtOnce)
{
    CountingThread t(false);
    // Nothing was started (as after a failed create): must neither block nor fail.
    t.waitFor();
    t.waitFor();
    EXPECT_EQ(t.runs.load(), 0);
}

TEST(Thread, StartWhileAWorkerRunsDoesNotStartASecond)
{
    FakeLog log;
    CountingThread t(false);
    t.start();
    t.start();
    t.stop();
    // Must not block: the one worker ends, and no second one is left unjoined.
    t.waitFor();
    EXPECT_EQ(t.runs.load(), 1);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{ "Thread Start", "Thread Stop" }));
}

} // namespace
