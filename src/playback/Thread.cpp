// The worker's entry and the start/stop/join handshake.
#include "playback/Thread.h"

#include "platform/Log.h"

void* Thread::hook(void* object)
{
    auto* thread = static_cast<Thread*>(object);
    // Named, so that a profiler or top can tell the worker from the UI thread.
    if (thread->_name)
        ::pthread_setname_np(::pthread_self(), thread->_name);
    logLine("Thread Start");
    thread->run();
    logLine("Thread Stop");
    return nullptr;
}

Thread::~Thread()
{
    // A subclass that owns a running worker must have joined it in its own destructor; this is
    // only the last guard against destroying an object under a live thread.
    // Not stop(): its wake() would be this class's no-op here, the subclass being gone.
    if (_joinable) {
        _teardown.store(true);
        waitFor();
    }
}

void Thread::start()
{
    // One worker at a time: a second start would lose the handle of the first, which could then
    // never be joined.
    if (_joinable)
        return;
    // Failure leaves nothing to join; the caller is not told, and the next waitFor returns at once.
    _joinable = ::pthread_create(&_pid, nullptr, &hook, this) == 0;
}

void Thread::stop()
{
    _teardown.store(true);
    wake();
}

void Thread::waitFor()
{
    if (_joinable) {
        ::pthread_join(_pid, nullptr);
        _joinable = false;
    }
    _teardown.store(false);
}
