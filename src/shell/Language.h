// The user interface's language: our catalogue and Qt's own for the standard dialogs, chosen
// from the stored setting or else the system's locale, and the core's texts translated with them.
#pragma once

#include "platform/Translate.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <string>

class PreferencesStore;

// Where the catalogues are: installed beside the data, or in the build tree beside the program.
QString translationsFolder();

// The languages shipped besides English, as locale names ("ja", "zh_CN").
QStringList shippedLanguages();

// A language's name in that language ("日本語"), for the Preferences list.
QString nativeLanguageName(const QString& locale);

// Installs the translators for one language into the application while it lives, and answers the
// core's translate() with them. The stored choice, when there is one, wins over the system's.
class Language final : public Translator {
public:
    // An empty `chosen` follows `system`.
    Language(const QString& chosen, const QLocale& system, const QString& folder);
    ~Language() override;

    // The stored choice (settings::kLanguage); empty when none or unreadable.
    static QString storedChoice(PreferencesStore& store);

    // Whether our catalogue for the language was found; English needs none.
    bool loaded() const { return _loaded; }
    std::string translate(const char* context, const char* source) const override;

private:
    QTranslator _own;
    QTranslator _qt;
    bool _loaded = false;
};
