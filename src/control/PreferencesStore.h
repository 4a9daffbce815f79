// The user's persistent settings, as key-value pairs.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// The store's own failure: the store cannot be read, or a value has no integer value.
// Only this type is handled per key; anything else a store throws reaches the caller.
class PreferencesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Called on the UI thread only.
class PreferencesStore {
public:
    virtual ~PreferencesStore() = default;
    // None when nothing is stored under the key.
    virtual std::optional<std::int32_t> intValue(const std::string& key) = 0;
    virtual std::optional<std::string> stringValue(const std::string& key) = 0;
    virtual void setInt(const std::string& key, std::int32_t value) = 0;
    virtual void setString(const std::string& key, const std::string& value) = 0;

protected:
    PreferencesStore() = default;
    PreferencesStore(const PreferencesStore&) = delete;
    PreferencesStore& operator=(const PreferencesStore&) = delete;
};
