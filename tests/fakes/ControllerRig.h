// A controller and its timer wired to fakes, as the control tests drive it: a base for fixtures.
#pragma once

#include "control/MainCtrl.h"
#include "playback/TimerThread.h"

#include "TempDir.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeLog.h"
#include "fakes/FakeStore.h"

#include <cstdio>

class ControllerRig {
public:
    ControllerRig()
    {
        timer.setTimeTextField(&time);
        timer.setMessageTextField(&message);
        timer.setMessageTextField2(&message2);
        ctrl.connect({ .th = &timer,
            .startButton = &startButton,
            .slider = &slider,
            .filenameLabel = &label,
            .mainPanel = &panel,
            .theUserDefaultsController = &store,
            .encButton = &encMenu,
            .retButton = &retMenu,
            .openDialog = &dialog,
            .alert = &alert,
            .view = &view });
        ctrl.setStandardOutput(out);
    }
    ~ControllerRig()
    {
        stopTimer();
        std::fclose(out);
    }
    ControllerRig(const ControllerRig&) = delete;
    ControllerRig& operator=(const ControllerRig&) = delete;

    // A fixture whose own members the worker reads (a clock, a followed position) stops it in its
    // destructor, before they go: the rig's own runs after them.
    void stopTimer()
    {
        timer.stop();
        timer.waitFor();
    }

    FakeLog log;
    TempDir dir;
    FakeDisplay time, message, message2, label{ "(label)" };
    FakeButton startButton;
    FakeSlider slider;
    FakePanel panel;
    FakeStore store;
    FakeMenu encMenu, retMenu;
    FakeOpenDialog dialog;
    FakeAlert alert;
    FakeReadingView view;
    // What the controller prints ("enccode:" lines), for a test to read back.
    std::FILE* out = std::tmpfile();
    TimerThread timer;
    MainCtrl ctrl;
};
