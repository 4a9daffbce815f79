// An in-memory preferences store that can be told to fail on chosen keys.
#pragma once

#include "control/PreferencesStore.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>

class FakeStore final : public PreferencesStore {
public:
    using Value = std::variant<std::int32_t, std::string>;

    std::optional<std::int32_t> intValue(const std::string& key) override
    {
        failIfAsked(key);
        const auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        if (const auto* i = std::get_if<std::int32_t>(&it->second))
            return *i;
        throw PreferencesError("no integer value for " + key);
    }
    std::optional<std::string> stringValue(const std::string& key) override
    {
        failIfAsked(key);
        const auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        if (const auto* s = std::get_if<std::string>(&it->second))
            return *s;
        throw PreferencesError("no text value for " + key);
    }
    void setInt(const std::string& key, std::int32_t value) override
    {
        if (failWrites.count(key))
            throw PreferencesError("cannot write " + key);
        values[key] = value;
        ++writes[key];
    }
    void setString(const std::string& key, const std::string& value) override
    {
        if (failWrites.count(key))
            throw PreferencesError("cannot write " + key);
        values[key] = value;
        ++writes[key];
    }

    std::map<std::string, Value> values;
    std::map<std::string, int> writes;
    std::set<std::string> storeErrorOn; // reads raise the store's error
    std::set<std::string> otherErrorOn; // reads raise some other failure
    std::set<std::string> failWrites; // writes raise the store's error

private:
    void failIfAsked(const std::string& key) const
    {
        if (storeErrorOn.count(key))
            throw PreferencesError("unreadable " + key);
        if (otherErrorOn.count(key))
            throw std::logic_error("unexpected failure reading " + key);
    }
};
