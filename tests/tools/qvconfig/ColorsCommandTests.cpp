#include "QvconfigTestSupport.h"

#include "tools/qvconfig/ObjectColorSwatches.h"

#include <QtGui/QImage>

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using Type = ColorConfiguration::ColorTypes;

class QvconfigColors : public QvconfigTest
{
protected:
    // A site file that locks the upper sheet side at a colour of its own, and a user file that
    // changes the top of the background.
    std::vector<std::string> filesArguments()
    {
        const std::string system = writeFile(
            "site.xml", configurationXml(object("ColorConfiguration", colorObject("SheetTopsideColor", "0.1", " editable=\"false\""))));
        const std::string user =
            writeFile("user.xml", configurationXml(object("ColorConfiguration", colorObject("BackgroundTopColor", "1"))));
        return {"--system", system, "--user", user};
    }

    static std::string colorObject(const std::string& key, const std::string& red, const std::string& attributes = {})
    {
        return "<object class=\"ObjectColor\" name=\"" + key + "\"" + attributes + "><value key=\"r\" type=\"float\">" +
               red + "</value><value key=\"g\" type=\"float\">0</value><value key=\"b\" type=\"float\">0</value></object>";
    }
};

TEST_F(QvconfigColors, ListsEveryColourByFamilyWithDefaultAndLock)
{
    std::vector<std::string> arguments{"colors"};
    const std::vector<std::string> files = filesArguments();
    arguments.insert(arguments.end(), files.begin(), files.end());
    const ToolRun run = runTool(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const struct
    {
        std::string key;
        std::vector<std::string> row;
    } cases[] = {
        {"BackgroundTopColor", {"BackgroundTopColor", "0", "255,0,0", "213,213,213", "no", "Background", "Top"}},
        {"SheetTopsideColor", {"SheetTopsideColor", "3", "26,0,0", "212,212,212", "yes", "Sheet/Blank", "Upper", "Side"}},
        {"MarkedLine", {"MarkedLine", "11", "255,33,0", "=", "no", "-"}},
        {"UndefinedOpColor", {"UndefinedOpColor", "245", "212,212,212", "=", "yes", "-"}},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(textRow(run.out, expected.key), expected.row) << run.out;
    // Every colour is listed once, under one of the family headings.
    int listed = 0;
    for (const auto& [type, key] : ColorConfiguration::getRegisteredInstance()->getColorKeys())
        listed += textRow(run.out, key).empty() ? 0 : 1;
    EXPECT_EQ(listed, 129);
    EXPECT_NE(run.out.find("\nTools\n"), std::string::npos);
    EXPECT_EQ(run.out.find("\nOther\n"), std::string::npos);
}

TEST_F(QvconfigColors, DrawsTheLibrarysColoursAndDefaultsBeside)
{
    const std::string path = writeFile("colors.png", "");
    std::vector<std::string> arguments{"colors", "--png", path};
    const std::vector<std::string> files = filesArguments();
    arguments.insert(arguments.end(), files.begin(), files.end());
    const ToolRun run = runTool(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, path + ": 129 colours in 13 families\n");

    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    const auto places =
        QvConfig::swatchPlaces(QvConfig::objectColorFamilies(*ColorConfiguration::getRegisteredInstance()));
    ColorConfiguration defaults;
    for (const Type type : {ColorConfiguration::BackgroundTopColor, ColorConfiguration::SheetTopsideColor,
                            ColorConfiguration::ToolDie, ColorConfiguration::StagixStationColor9})
    {
        SCOPED_TRACE(static_cast<int>(type));
        const QvConfig::SwatchPlace& place = places.at(type);
        ASSERT_TRUE(image.rect().contains(place.color));
        EXPECT_EQ(image.pixelColor(place.color.center()), ColorConfiguration::getQColor(type));
        const bool changed = type == ColorConfiguration::BackgroundTopColor || type == ColorConfiguration::SheetTopsideColor;
        ASSERT_EQ(place.defaultColor.isEmpty(), !changed);
        if (changed)
        {
            EXPECT_EQ(image.pixelColor(place.defaultColor.center()),
                      QvConfig::objectColorOnScreen(defaults.getColor(type)));
        }
    }
}

TEST_F(QvconfigColors, WrongCommandLinesAndFiles)
{
    const struct
    {
        std::vector<std::string> arguments;
        int status;
        std::string expected;
    } cases[] = {
        {{"colors", "extra"}, 2, "colors takes no arguments"},
        {{"colors", "--png"}, 2, "--png needs an argument"},
        {{"colors", "--system", writeFile("broken.xml", "<QuarvaneConfiguration")}, 1, "error: "},
        {{"colors", "--png", "/nonexistent/folder/colors.png"}, 1, "error: cannot write"},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.arguments.back());
        const ToolRun run = runTool(expected.arguments);
        EXPECT_EQ(run.status, expected.status);
        EXPECT_NE(run.err.find(expected.expected), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
