// The label display across threads: never touched off the GUI thread, updates coalesced.
#include "shell/QtAdapters.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// Counts the queued calls the GUI thread has to run.
class QueuedCallCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall)
            ++calls;
        return QObject::eventFilter(watched, event);
    }
    int calls = 0;
};

TEST(LabelDisplay, WorkerUpdatesAreCoalescedAndEndOnTheNewestText)
{
    QLabel label("before");
    const auto display = makeLabelDisplay(&label);
    QueuedCallCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);

    std::thread worker([&] {
        for (int i = 0; i < 10000; ++i)
            display->setText("text " + std::to_string(i));
    });
    worker.join();
    // Nothing reached the widget from the worker.
    EXPECT_EQ(label.text(), "before");

    QCoreApplication::processEvents();
    EXPECT_EQ(label.text(), "text 9999");
    // Ten thousand updates from a worker cost the GUI thread a single queued call.
    EXPECT_EQ(counter.calls, 1);

    // Setting the text that is already shown queues nothing.
    counter.calls = 0;
    for (int i = 0; i < 100; ++i)
        display->setText("text 9999");
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.calls, 0);
    QCoreApplication::instance()->removeEventFilter(&counter);
}

TEST(LabelDisplay, LateUpdateAfterTheDisplayIsGoneIsDropped)
{
    QLabel label("before");
    {
        const auto display = makeLabelDisplay(&label);
        display->setText("never shown");
    }
    // Must not crash: the queued call died with its display.
    QCoreApplication::processEvents();
    EXPECT_EQ(label.text(), "before");
}

} // namespace
