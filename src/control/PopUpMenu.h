// A pop-up menu whose items carry integer tags (encoding identifiers, line-ending codes).
#pragma once

#include "control/Control.h"

#include <optional>
#include <string>

// Called on the UI thread only. tag() of the menu itself is its command tag, not an item's.
class PopUpMenu : public Control {
public:
    virtual void addItemWithTitle(const std::string& title) = 0;
    // Sets the tag of the first item with that title; false when there is none.
    virtual bool setTagOfItemWithTitle(const std::string& title, int itemTag) = 0;
    // Selects the first item with that tag; false (and the selection unchanged) when there is none.
    virtual bool selectItemWithTag(int itemTag) = 0;
    // The selected item's tag, or none when no item is selected.
    virtual std::optional<int> selectedItemTag() const = 0;
};
