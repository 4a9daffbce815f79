// The preferences store kept by QSettings in its native format
// (on Linux, $XDG_CONFIG_HOME/Subclock/subclock.conf).
#pragma once

#include "control/PreferencesStore.h"

#include <QSettings>

#include <memory>

class QtPreferences final : public PreferencesStore {
public:
    // The user's own settings file for this application.
    QtPreferences();
    // A given file, for tests.
    explicit QtPreferences(const QString& fileName);

    std::optional<std::int32_t> intValue(const std::string& key) override;
    std::optional<std::string> stringValue(const std::string& key) override;
    void setInt(const std::string& key, std::int32_t value) override;
    void setString(const std::string& key, const std::string& value) override;

    // Where the settings are kept.
    QString fileName() const { return _settings->fileName(); }

protected:
    void holdWrites(bool hold) override;

private:
    QVariant read(const std::string& key);
    void write(const std::string& key, const QVariant& value);

    std::unique_ptr<QSettings> _settings;
    int _held = 0; // open batches
};
