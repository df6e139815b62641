#include "Platform/Core/Help/LanguageDetector/LanguageDetector.h"

#include <gtest/gtest.h>

namespace
{
using Quarvane::LanguageDetector;

TEST(LanguageDetector, RecognisesEveryNameQtGivesWhateverTheCase)
{
    for (int number = QLocale::C; number <= QLocale::LastLanguage; ++number)
    {
        const auto language = static_cast<QLocale::Language>(number);
        const QString name = QLocale::languageToString(language);
        // Aliases share a number, so the name must come back as exactly the language Qt named.
        EXPECT_EQ(LanguageDetector::languageFromString(name), language) << name.toStdString();
        EXPECT_EQ(LanguageDetector::languageFromString(name.toUpper()), language) << name.toStdString();
        EXPECT_EQ(LanguageDetector::languageFromString(name.toLower()), language) << name.toStdString();
    }
}

TEST(LanguageDetector, AnythingElseIsC)
{
    const char* const unknown[] = {"", "Klingon", "Englishh", "Engl", "de", "Deutsch", "Default", "English German"};
    for (const char* text : unknown)
        EXPECT_EQ(LanguageDetector::languageFromString(QString::fromUtf8(text)), QLocale::C) << text;
    EXPECT_EQ(LanguageDetector::languageFromString(QStringLiteral("  Norwegian Bokmal\t")), QLocale::NorwegianBokmal);
}

}  // namespace
