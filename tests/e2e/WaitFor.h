// Runs the Qt event loop until a condition holds or the limit passes: the end-to-end tests wait on
// other processes, whose answers come as events.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

template <typename Done> bool waitFor(Done done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    return true;
}
