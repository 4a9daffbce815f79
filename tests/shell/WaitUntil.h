// Runs the Qt event loop until a condition holds, with a generous limit for slow machines.
#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <functional>

inline bool waitUntil(const std::function<bool()>& done, int limitMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}
