#include "QvconfigTestSupport.h"

#include "tools/qvconfig/ColourScale.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <QtGui/QImage>

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
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
