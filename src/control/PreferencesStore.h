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

    // Several values that belong together reach the disk in one write when the batch ends,
    // rather than one write each.
    class Batch {
    public:
        explicit Batch(PreferencesStore& store)
            : _store(store)
        {
            _store.holdWrites(true);
        }
        ~Batch() { _store.holdWrites(false); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        PreferencesStore& _store;
    };

protected:
    // Batches nest; a store that writes nothing itself need not care.
    virtual void holdWrites(bool) { }

    PreferencesStore() = default;
    PreferencesStore(const PreferencesStore&) = delete;
    PreferencesStore& operator=(const PreferencesStore&) = delete;
};
