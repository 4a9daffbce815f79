// A push button whose title the controller changes ("Start"/"Stop").
#pragma once

#include "control/Control.h"

#include <string>

// Called on the UI thread only.
class Button : public Control {
public:
    virtual void setTitle(const std::string& title) = 0;
};
