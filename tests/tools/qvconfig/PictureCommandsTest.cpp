// The commands that draw: ranges, colors and scale, as text and as pictures.
#include "QvconfigTestSupport.h"

#include "tools/qvconfig/LightnessPicture.h"
#include "tools/qvconfig/RangesPicture.h"
#include "tools/qvconfig/ObjectColorSwatches.h"
#include "tools/qvconfig/ColourScale.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <QtGui/QImage>

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigRanges = QvconfigTest;

TEST_F(QvconfigRanges, ListsEveryRangeWithItsEnds)
{
    const ToolRun run = runTool({"ranges", "--dominant", "20"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(textRow(run.out, "INDEX"), (std::vector<std::string>{"INDEX", "KEY", "COLORS", "FIRST", "LAST"}));
    EXPECT_EQ(textRow(run.out, "0"),
              (std::vector<std::string>{"0", "DEFAULT_CONTINUOUS", "141", "204,0,187", "204,0,34"}));
    EXPECT_EQ(textRow(run.out, "20"), (std::vector<std::string>{"20", "DM_B_Y_R", "4", "225,76,76", "128,0,255"}));
    // The catalogue is process-wide: the range may have been added before, by another test.
    const std::size_t size = ColorRangesConfiguration::getInstance()->getColorRangeSize();
    const std::string index =
        std::to_string(ColorRangesConfiguration::getInstance()->getColorRangeIdx("COLORRANGE_DOMINANT_VARIABLE_20"));
    EXPECT_EQ(textRow(run.out, index),
              (std::vector<std::string>{index, "COLORRANGE_DOMINANT_VARIABLE_20", "20", "50,50,50", "204,128,20"}));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), static_cast<long>(size) + 1);
}

TEST_F(QvconfigRanges, DrawsOneLabelledBarPerRange)
{
    const std::string path = writeFile("ranges.png", "");
    const ToolRun run = runTool({"ranges", "--png", path});
    ASSERT_EQ(run.status, 0) << run.err;
    // Another test may have added dominant-variable ranges to the process's catalogue.
    const ColorRangesConfiguration& catalogue = *ColorRangesConfiguration::getInstance();
    EXPECT_EQ(run.out, path + ": " + std::to_string(catalogue.getColorRangeSize()) + " ranges\n");

    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    std::vector<QvConfig::IndexedColorRange> ranges;
    for (int index = 0; index < static_cast<int>(catalogue.getColorRangeSize()); ++index)
        ranges.push_back({index, catalogue.getColorRange(index)});
    const std::vector<QvConfig::RangeGroup> groups = QvConfig::groupRanges(ranges);
    // The rows come grouped by kind; the first and last index of each group, in picture order.
    std::vector<std::string> layout;
    for (const QvConfig::RangeGroup& group : groups)
        layout.push_back(group.title.toStdString() + " " + std::to_string(group.ranges.front().index) + ".." +
                         std::to_string(group.ranges.back().index));
    EXPECT_EQ(layout.front(), "Continuous 0..3");
    EXPECT_EQ(layout.at(2), "Discrete, 2 colours 10..31");
    EXPECT_EQ(layout.at(8).rfind("Special purpose 4..", 0), 0u) << layout.at(8);
    const struct
    {
        int row;
        QColor first;
        QColor last;
    } cases[] = {
        {0, {204, 0, 187}, {204, 0, 34}},
        {9, {255, 0, 0}, {255, 0, 0}},
        {26, {255, 0, 0}, {0, 0, 255}},
        {43, {0, 50, 183}, {141, 0, 229}},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE("row " + std::to_string(expected.row));
        const QRect bar = QvConfig::rangeBarRect(groups, expected.row);
        EXPECT_EQ(image.pixelColor(bar.left(), bar.center().y()), expected.first);
        EXPECT_EQ(image.pixelColor(bar.right(), bar.center().y()), expected.last);
    }
    EXPECT_LT(QvConfig::rangeBarRect(groups, 43).bottom(), image.height());

    // The labels are text, drawn in black left of the bars.
    int darkPixels = 0;
    const QRect firstBar = QvConfig::rangeBarRect(groups, 0);
    for (int x = 0; x < firstBar.left() - 2; ++x)
        for (int y = firstBar.top(); y <= firstBar.bottom(); ++y)
            darkPixels += image.pixelColor(x, y).value() < 100 ? 1 : 0;
    EXPECT_GT(darkPixels, 50);
}

// Published CIE L*a*b* (D65) values of sRGB colours.
TEST(CieLab, MatchesPublishedReferenceValues)
{
    const struct
    {
        QColor color;
        double lightness, a, b;
    } cases[] = {
        {{255, 255, 255}, 100.0, 0.0, 0.0},          {{0, 0, 0}, 0.0, 0.0, 0.0},
        {{255, 0, 0}, 53.2408, 80.0925, 67.2032},    {{0, 255, 0}, 87.7347, -86.1827, 83.1793},
        {{0, 0, 255}, 32.2970, 79.1875, -107.8602},  {{128, 128, 128}, 53.5850, 0.0, 0.0},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.color.name().toStdString());
        const QvConfig::CieLab lab = QvConfig::cieLab(expected.color);
        EXPECT_NEAR(lab.lightness, expected.lightness, 0.01);
        EXPECT_NEAR(lab.a, expected.a, 0.01);
        EXPECT_NEAR(lab.b, expected.b, 0.01);
    }
    EXPECT_NEAR(QvConfig::deltaE76(QvConfig::cieLab(Qt::white), QvConfig::cieLab(Qt::black)), 100.0, 1e-4);
}

TEST_F(QvconfigRanges, LightnessCheckFlagsIndistinctNeighboursAndPlotsCurves)
{
    const ToolRun text = runTool({"ranges", "--lightness"});
    ASSERT_EQ(text.status, 0) << text.err;
    const std::vector<std::vector<std::string>> rows{
        {"0", "DEFAULT_CONTINUOUS", "141", "47.5", "42.7", "no", "2.2"},
        {"6", "DEFAULT_DISCRETE", "5", "52.9", "0", "-"},
        {"40", "COLORRANGE_WRINKLES_7LEVEL", "7", "9.6", "1", "4/5"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(textRow(text.out, row.front()), row) << text.out;

    const std::string path = writeFile("lightness.png", "");
    ASSERT_EQ(runTool({"ranges", "--lightness", "--png", path}).status, 0);
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    // The last dot of each curve (drawn over its neighbours) in the range's colour at its L*.
    for (const auto& [panel, index] : {std::pair<int, int>{0, 0}, std::pair<int, int>{4, 9}})
    {
        const std::vector<QColor>& colours = ColorRangesConfiguration::getInstance()->getColorRange(index)->getColors();
        const QPoint dot = QvConfig::lightnessPoint(panel, colours.size() - 1, colours.size(),
                                                    QvConfig::cieLab(colours.back()).lightness);
        EXPECT_EQ(image.pixel(dot), colours.back().rgb()) << index;
    }
    // The first discrete row holds the first two-colour range of the grouping: COLORRANGE_G_R.
    const std::vector<QColor>& twoColours = ColorRangesConfiguration::getInstance()->getColorRange(10)->getColors();
    EXPECT_EQ(image.pixel(QvConfig::contrastCellRect(0, 1, 2).topLeft() + QPoint(2, 2)), twoColours[1].rgb());
}


using Type = ColorConfiguration::ColorTypes;

class QvconfigColors : public QvconfigTest
{
protected:
    // A site file that locks the upper sheet side at a colour of its own, and a user file that
    // changes the top of the background.
    std::vector<std::string> withFiles(std::vector<std::string> command)
    {
        const std::string system = writeFile("site.xml", configurationXml(storedObject(
            "ColorConfiguration", storedColor("SheetTopsideColor", "0.1", " editable=\"false\""))));
        const std::string user =
            writeFile("user.xml", configurationXml(storedObject("ColorConfiguration", storedColor("BackgroundTopColor", "1"))));
        command.insert(command.end(), {"--system", system, "--user", user});
        return command;
    }
};

TEST_F(QvconfigColors, ListsEveryColourByFamilyWithDefaultAndLock)
{
    const ToolRun run = runTool(withFiles({"colors"}));
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
    const ToolRun run = runTool(withFiles({"colors", "--png", path}));
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


using QvconfigScale = QvconfigTest;

std::string example(const std::string& name)
{
    return std::string(QV_EXAMPLES_DIR) + "/" + name;
}

QColor catalogueColor(const std::string& key, int position)
{
    const ColorRangesConfiguration& catalogue = *ColorRangesConfiguration::getInstance();
    return catalogue.getColorRange(catalogue.getColorRangeIdx(key))->getColors().at(static_cast<std::size_t>(position));
}

// Colours compare as 0..255 RGB: the catalogue keeps some of them as HSV.
// Each shipped example, as text and as a picture whose bands (bottom first) must carry the
// catalogue's colours: the lowest range colour 0, an omitted position skipped.
TEST_F(QvconfigScale, DrawsTheShippedExamplesWithTheCataloguesColours)
{
    const struct
    {
        std::string file;
        std::vector<std::string> firstRow;  // the text line of the lowest range, or of the minimum
        std::string lastLine;
        int bands;                          // 0: a continuous gradient
        std::vector<QColor> bottomToTop;    // a band's colour, or the gradient's bottom and top
    } cases[] = {
        {"edge-crack-risk.json",
         {"0", "1", "20,204,112", "no", "risk"},
         "2         -     255,76,76   edge crack",
         3,
         {catalogueColor("DEFAULT_EDGECRACK", 0), catalogueColor("DEFAULT_EDGECRACK", 1),
          catalogueColor("DEFAULT_EDGECRACK", 2)}},
        {"safety-zones-omitted.json",
         {"0", "1", "20,204,112", "safe"},
         "note: the ranges of the omitted colour positions 2 are left out",
         3,
         {catalogueColor("COLORRANGE_R_O_Y_G", 0), catalogueColor("COLORRANGE_R_O_Y_G", 1),
          catalogueColor("COLORRANGE_R_O_Y_G", 3)}},
        {"thinning-continuous.json",
         {"min", "-10:", "204,0,187"},
         "141 colours",
         0,
         {catalogueColor("DEFAULT_CONTINUOUS", 0), catalogueColor("DEFAULT_CONTINUOUS", 140)}},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.file);
        const ToolRun text = runTool({"scale", example(expected.file)});
        ASSERT_EQ(text.status, 0) << text.err;
        EXPECT_EQ(textRow(text.out, expected.firstRow.front()), expected.firstRow) << text.out;
        EXPECT_NE(text.out.find(expected.lastLine + "\n"), std::string::npos) << text.out;

        const std::string path = writeFile("scale.png", "");
        const ToolRun picture = runTool({"scale", example(expected.file), "--png", path});
        ASSERT_EQ(picture.status, 0) << picture.err;
        const QImage image(QString::fromStdString(path));
        ASSERT_FALSE(image.isNull());
        if (expected.bands > 0)
        {
            for (int band = 0; band < expected.bands; ++band)
                EXPECT_EQ(image.pixel(QvConfig::scaleBandRect(band, expected.bands).center()),
                          expected.bottomToTop[static_cast<std::size_t>(band)].rgb())
                    << "band " << band;
            continue;
        }
        const QRect bar = QvConfig::scaleBandRect(0, 1);
        EXPECT_EQ(image.pixel(bar.center().x(), bar.bottom()), expected.bottomToTop.front().rgb());
        EXPECT_EQ(image.pixel(bar.center().x(), bar.top()), expected.bottomToTop.back().rgb());
    }
}

TEST_F(QvconfigScale, RefusesBadDescriptionsNamingThePlace)
{
    const struct
    {
        std::string content;
        std::string expected;
    } cases[] = {
        {"{\"name\": ", "not JSON at character"},
        {"[1]", "must hold one JSON object"},
        {"{\"scaleType\": \"Discrete\"}", "\"name\": is missing"},
        {"{\"name\": \"A\", \"scaleType\": \"Smooth\"}", "\"scaleType\": must be one of Discrete, ManualDiscrete"},
        {"{\"name\": \"A\", \"scaleType\": \"Discrete\", \"colorRange\": 42}", "\"colorRange\": must be a colour range"},
        {"{\"name\": \"A\", \"scaleType\": \"Continuous\", \"min\": 2, \"max\": 1}", "\"min\": is above \"max\""},
        {"{\"name\": \"A\", \"scaleType\": \"Discrete\", \"levels\": [{\"name\": \"x\"}, {\"name\": \"y\"}]}",
         "\"levels\"[0]: needs \"upTo\""},
        {"{\"name\": \"A\", \"scaleType\": \"Discrete\", \"levels\": [{\"name\": \"x\", \"color\": [1, 2, 0]}]}",
         "\"levels\"[0].color: must be three numbers 0..1"},
        {"{\"name\": \"A\", \"scaleType\": \"Discrete\", \"omit\": [-1]}", "\"omit\"[0]: must be a colour position"},
        {"{\"name\": \"A\", \"scaleType\": \"Continuous\", \"colorRange\": 12}", "the scale has no colour map"},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.content);
        const std::string path = writeFile("variable.json", expected.content);
        const ToolRun run = runTool({"scale", path});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.rfind("error: " + path + ": ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(expected.expected), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(runTool({"scale"}).status, 2);
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
