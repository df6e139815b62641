#include "Platform/Core/Help/LanguageDetector/LanguageDetector.h"

#include <QtCore/QHash>

namespace Quarvane
{
namespace
{
QString normalised(const QString& name) { return name.trimmed().toCaseFolded(); }

// Every language Qt knows, by its folded English name. Several enumerators are aliases of one
// number; each number is entered once, so the name maps to the number Qt itself uses.
QHash<QString, QLocale::Language> languagesByName()
{
    QHash<QString, QLocale::Language> languages;
    for (int number = QLocale::C; number <= QLocale::LastLanguage; ++number)
    {
        const auto language = static_cast<QLocale::Language>(number);
        const QString name = QLocale::languageToString(language);
        if (!name.isEmpty())
            languages.insert(normalised(name), language);
    }
    return languages;
}
}  // namespace

QLocale::Language LanguageDetector::languageFromString(const QString& name)
{
    static const QHash<QString, QLocale::Language> languages = languagesByName();
    return languages.value(normalised(name), QLocale::C);
}

}  // namespace Quarvane
