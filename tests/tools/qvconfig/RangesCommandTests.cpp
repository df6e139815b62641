#include "QvconfigTestSupport.h"

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
    const std::size_t size = ColorRangesConfiguration::getInstance()->getColorRangeSize();
    EXPECT_EQ(run.out, path + ": " + std::to_string(size) + " ranges\n");

    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
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
        const QRect bar = QvConfig::rangeBarRect(expected.row, image.width());
        EXPECT_EQ(image.pixelColor(bar.left(), bar.center().y()), expected.first);
        EXPECT_EQ(image.pixelColor(bar.right(), bar.center().y()), expected.last);
    }
    EXPECT_EQ(QvConfig::rangeBarRect(43, image.width()).bottom() < image.height(), true);

    // The labels are text, drawn in black left of the bars.
    int darkPixels = 0;
    const QRect firstBar = QvConfig::rangeBarRect(0, image.width());
    for (int x = 0; x < firstBar.left() - 2; ++x)
        for (int y = firstBar.top(); y <= firstBar.bottom(); ++y)
            darkPixels += image.pixelColor(x, y).value() < 100 ? 1 : 0;
    EXPECT_GT(darkPixels, 50);
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
