// Reads raise PreferencesError for a key lost to an unreadable file or a value of the wrong kind;
// every write is synced at once, or at the end of its batch (QSettings replaces the file
// atomically).
#include "shell/QtPreferences.h"

#include "shell/QtAdapters.h"

QtPreferences::QtPreferences()
    : _settings(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, "Subclock", "subclock"))
{
}

QtPreferences::QtPreferences(const QString& fileName)
    : _settings(std::make_unique<QSettings>(fileName, QSettings::NativeFormat))
{
}

QVariant QtPreferences::read(const std::string& key)
{
    QVariant value = _settings->value(QString::fromStdString(key));
    // A damaged or unreadable file fails only the keys it lost: a value that survived a
    // truncation is still the user's choice.
    if (!value.isValid() && _settings->status() != QSettings::NoError)
        throw PreferencesError(
            "the settings file " + _settings->fileName().toStdString() + " cannot be read");
    return value;
}

std::optional<std::int32_t> QtPreferences::intValue(const std::string& key)
{
    const QVariant value = read(key);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        throw PreferencesError("\"" + key + "\" has no integer value");
    return number;
}

std::optional<std::string> QtPreferences::stringValue(const std::string& key)
{
    const QVariant value = read(key);
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray().toStdString();
    if (!value.canConvert<QString>())
        throw PreferencesError("\"" + key + "\" has no text value");
    return toLocalPath(value.toString());
}

void QtPreferences::write(const std::string& key, const QVariant& value)
{
    _settings->setValue(QString::fromStdString(key), value);
    // Written now, so a crash later loses nothing. When the disk refuses, the value still holds
    // for this run: a read-only home must not stop playback.
    if (_held == 0)
        _settings->sync();
}

void QtPreferences::holdWrites(bool hold)
{
    _held += hold ? 1 : -1;
    if (_held == 0)
        _settings->sync();
}

void QtPreferences::setInt(const std::string& key, std::int32_t value)
{
    write(key, QVariant(value));
}

void QtPreferences::setString(const std::string& key, const std::string& value)
{
    // Readable text in the file whenever the name is; a file name that is not valid in the
    // locale's encoding is kept as its bytes, so it still names the same file at the next start.
    const QString text = fromLocalPath(value);
    if (toLocalPath(text) == value)
        write(key, text);
    else
        write(key, QByteArray::fromStdString(value));
}
