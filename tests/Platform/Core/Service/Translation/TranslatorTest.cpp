#include "Platform/Core/Service/Translation/Translator.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QTranslator>

namespace
{
using Quarvane::Translator;

// A catalogue that knows one text, so the test sees the service use the application's translators.
class OneWordCatalogue : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return QByteArray(context) == "ColorConfiguration" && QByteArray(sourceText) == "Background"
                   ? QStringLiteral("Hintergrund")
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(Translator, UsesInstalledCataloguesAndFallsBackToTheSourceText)
{
    EXPECT_EQ(Translator::translate("ColorConfiguration", "Background"), "Background");

    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    OneWordCatalogue catalogue;
    QCoreApplication::installTranslator(&catalogue);
    EXPECT_EQ(Translator::translate("ColorConfiguration", "Background", nullptr, -1), "Hintergrund");
    EXPECT_EQ(Translator::translate("Other", "Background"), "Background");
    EXPECT_EQ(Translator::translate("ColorConfiguration", "Grün"), QString::fromUtf8("Grün"));
    QCoreApplication::removeTranslator(&catalogue);
}

}  // namespace
