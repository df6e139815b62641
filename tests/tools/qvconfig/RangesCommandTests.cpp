#include "QvconfigTestSupport.h"

#include "tools/qvconfig/LightnessPicture.h"
#include "tools/qvconfig/RangesPicture.h"

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
    EXPECT_EQ(textRow(run.out, "44"),
              (std::vector<std::string>{"44", "COLORRANGE_DOMINANT_VARIABLE_20", "20", "50,50,50", "204,128,20"}));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 46);
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
    EXPECT_EQ(layout.at(1), "Symmetric 9..9");
    EXPECT_EQ(layout.at(2), "Discrete, 2 colours 10..31");
    EXPECT_EQ(layout.at(7), "Discrete, 7 colours 18..30");
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

TEST_F(QvconfigRanges, WrongCommandLinesAndUnwritableFiles)
{
    const struct
    {
        std::vector<std::string> arguments;
        int status;
        std::string expected;
    } cases[] = {
        {{"ranges", "extra"}, 2, "ranges takes no arguments"},
        {{"ranges", "--png"}, 2, "--png needs an argument"},
        {{"ranges", "--dominant", "1"}, 2, "--dominant takes a number of colours from 2 to 1000"},
        {{"ranges", "--dominant=-3"}, 2, "not \"-3\""},
        {{"ranges", "--dominant", "1001"}, 2, "not \"1001\""},
        {{"ranges", "--png", "/nonexistent/folder/ranges.png"}, 1, "error: cannot write"},
        {{"ranges", "--lightness", "--png", "/nonexistent/folder/lightness.png"}, 1, "error: cannot write"},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.arguments.back());
        const ToolRun run = runTool(expected.arguments);
        EXPECT_EQ(run.status, expected.status);
        EXPECT_NE(run.err.find(expected.expected), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
