// One joinable worker thread at a time, running a subclass's run() until asked to stop.
#pragma once

#include <pthread.h>

#include <atomic>

class Thread {
public:
    Thread() = default;
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts a new worker and returns at once. Does nothing while a worker exists that has not
    // been joined.
    void start();
    // Asks the worker to stop after its current pass, waking it if it sleeps; does not wait.
    void stop();
    // Joins the last worker started, then clears the stop request. Returns at once when that
    // worker could not be created.
    void waitFor();

protected:
    virtual void run() { }
    // Cuts the worker's sleep short; called after a stop request.
    virtual void wake() { }
    // The worker's name as the system shows it (15 bytes at most); before start().
    void setName(const char* name) { _name = name; }

    // Only the stop request is shared while the worker runs; the join in waitFor() publishes the
    // rest.
    std::atomic<bool> _teardown{ false };

private:
    // The thread's entry: logs "Thread Start" and "Thread Stop" around run().
    static void* hook(void* object);

    const char* _name = nullptr;
    pthread_t _pid{};
    bool _joinable = false;
};
