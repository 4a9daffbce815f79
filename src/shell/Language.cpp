#include "shell/Language.h"

#include "control/PreferencesStore.h"
#include "control/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

QString translationsFolder()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString installed
        = bin.absoluteFilePath(QStringLiteral("../share/subclock/translations"));
    if (QDir(installed).exists())
        return QDir::cleanPath(installed);
    return bin.absoluteFilePath(QStringLiteral("translations"));
}

QStringList shippedLanguages()
{
    return { QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("ja"),
        QStringLiteral("ru"), QStringLiteral("zh_CN") };
}

QString nativeLanguageName(const QString& locale)
{
    const QLocale l(locale);
    QString name = l.nativeLanguageName();
    if (locale.contains(QLatin1Char('_')))
        name += QStringLiteral(" (") + l.nativeTerritoryName() + QLatin1Char(')');
    return name;
}

Language::Language(const QString& chosen, const QLocale& system, const QString& folder)
{
    const QLocale locale = chosen.isEmpty() ? system : QLocale(chosen);
    // QTranslator::load walks the locale's UI languages ("de-AT", "de") and their fallbacks.
    _loaded = _own.load(locale, QStringLiteral("subclock"), QStringLiteral("_"), folder);
    if (!_loaded)
        return; // English: Qt's dialogs stay English too, so a window never mixes two languages
    QCoreApplication::installTranslator(&_own);
    if (_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&_qt);
    // Numbers and dates as the language writes them, in the widgets that format them.
    QLocale::setDefault(locale);
    setTranslator(this);
}

Language::~Language()
{
    if (!_loaded)
        return;
    setTranslator(nullptr);
    QCoreApplication::removeTranslator(&_qt);
    QCoreApplication::removeTranslator(&_own);
    QLocale::setDefault(QLocale::system());
}

QString Language::storedChoice(PreferencesStore& store)
{
    try {
        return QString::fromStdString(
            store.stringValue(std::string(settings::kLanguage.name)).value_or(std::string()));
    } catch (const PreferencesError&) {
        return {};
    }
}

std::string Language::translate(const char* context, const char* source) const
{
    return QCoreApplication::translate(context, source).toStdString();
}
