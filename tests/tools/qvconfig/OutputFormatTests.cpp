#include "QvconfigTestSupport.h"
#include "TestGroups.h"

#include "tools/qvconfig/JsonFormat.h"
#include "tools/qvconfig/ObjectView.h"
#include "tools/qvconfig/TextFormat.h"

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
// A value must stay on one line, and an empty or blank string must still be visible.
TEST(QvconfigTextFormat, DisplayValueKeepsAValueOnOneReadableLine)
{
    const struct
    {
        std::string type;
        std::string text;
        std::string shown;
    } cases[] = {
        {"int", "5", "5"},
        {"string", "", "\"\""},
        {"string", "a\nb\tc\rd", "\"a\\nb\\tc\\rd\""},
        {"string", "say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
        {"string", std::string("x\x01y", 3), "\"x\\x01y\""},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(QvConfig::displayValue(expected.type, expected.text), expected.shown);
}

TEST(QvconfigObjectView, LocksReachInwardAndVisibilityNeedsTheDialog)
{
    ClampingTestGroup group;
    group.getConfigurationValue("Percent")->setEditable(false);
    const QvConfig::ObjectView open = QvConfig::describeObject(group, Products::Designer);
    EXPECT_TRUE(open.editable);
    EXPECT_FALSE(open.values[0].editable);  // Percent, locked itself
    EXPECT_TRUE(open.values[1].editable);   // Label, hidden from the dialog in every product
    EXPECT_FALSE(open.values[1].visible);
    EXPECT_TRUE(open.objects.at(0).values.at(0).editable);

    group.setEditable(false);
    const QvConfig::ObjectView locked = QvConfig::describeObject(group, Products::Designer);
    EXPECT_FALSE(locked.values[1].editable);
    EXPECT_EQ(locked.objects.at(0).path, "ClampingTestGroup/Limits");
    EXPECT_FALSE(locked.objects.at(0).editable);
    EXPECT_FALSE(locked.objects.at(0).values.at(0).editable);
}

QvConfig::ShowReport nestedReport()
{
    QvConfig::ShowReport report;
    report.product = Products::Trimming;
    report.productName = "Trimming";
    report.groups.push_back(QvConfig::describeObject(ClampingTestGroup(), report.product));
    return report;
}

TEST(QvconfigTextFormat, NestsChildrenAndAlignsColumns)
{
    std::ostringstream out;
    QvConfig::writeText(nestedReport(), out);
    EXPECT_EQ(out.str(), "Product: Trimming (8)\n"
                         "\n"
                         "ClampingTestGroup (editable)\n"
                         "  KEY      TYPE    VALUE  DEFAULT  EDITABLE  VISIBLE  DESCRIPTION\n"
                         "  Percent  int     50     50       yes       yes      A share in percent\n"
                         "  Label    string  \"\"     \"\"       yes       no       Shown nowhere\n"
                         "\n"
                         "  ClampingTestGroup/Limits (editable)\n"
                         "    KEY      TYPE    VALUE  DEFAULT  EDITABLE  VISIBLE  DESCRIPTION\n"
                         "    Maximum  double  2.5    2.5      yes       yes      Upper limit\n");
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
