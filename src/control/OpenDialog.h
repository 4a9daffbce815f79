// The modal file chooser.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Called on the UI thread only; blocks until the user answers.
class OpenDialog {
public:
    virtual ~OpenDialog() = default;
    // The chosen full path, or none when the user cancels. `types` are file-name extensions;
    // "'TEXT'" stands for plain-text files.
    virtual std::optional<std::string> runModal(
        const std::string& directory, const std::vector<std::string>& types)
        = 0;

protected:
    OpenDialog() = default;
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;
};
