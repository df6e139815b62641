#include "SampleObjects.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigTreeDiff.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

SampleGroup roundTrip(const SampleGroup& written)
{
    ConfigWriter writer;
    writer.putClassContents(written.getName(), written.getName(), written, "");
    ConfigReader reader = ConfigReader::fromXml(writer.toXml());
    EXPECT_TRUE(reader.isValid()) << reader.errorString();
    SampleGroup read;
    EXPECT_TRUE(reader.readConfigurationObject(written.getName(), read));
    return read;
}

TEST(ConfigFile, EveryTypeRoundTrips)
{
    SampleGroup written;
    written.value<int>("Count").setValue(std::numeric_limits<int>::min());
    written.value<unsigned int>("Mask").setValue(std::numeric_limits<unsigned int>::max());
    written.value<bool>("Enabled").setValue(true);
    written.value<double>("Factor").setValue(0.1 + 0.2);
    written.value<std::string>("Path").setValue("  <D:\\Präss & \"Co\">  ");

    SampleGroup read = roundTrip(written);
    EXPECT_EQ(read.value<int>("Count").getValue(), std::numeric_limits<int>::min());
    EXPECT_EQ(read.value<unsigned int>("Mask").getValue(), std::numeric_limits<unsigned int>::max());
    EXPECT_TRUE(read.value<bool>("Enabled").getValue());
    const double factor = read.value<double>("Factor").getValue();
    const double expected = 0.1 + 0.2;
    EXPECT_EQ(std::memcmp(&factor, &expected, sizeof factor), 0);
    EXPECT_EQ(read.value<std::string>("Path").getValue(), "  <D:\\Präss & \"Co\">  ");
}

TEST(ConfigFile, StringsThatXmlCannotCarryComeBackWhole)
{
    const std::string samples[] = {"line\r\nbreak", std::string("nul\0inside", 10), "bell\a", "\xff\xfe not utf-8",
                                   "tab\tand\nnewline", ""};
    for (const std::string& sample : samples)
    {
        SampleGroup written;
        written.value<std::string>("Path").setValue(sample);
        EXPECT_EQ(roundTrip(written).value<std::string>("Path").getValue(), sample);
    }
}

TEST(ConfigFile, NestedObjectsRoundTripWithTheirLocks)
{
    SamplePalette written;
    written.color("Background").r = 0.25f;
    written.color("Highlight").setEditable(false);
    ConfigWriter writer;
    writer.putClassContents("SamplePalette", "SamplePalette", written, "");
    const std::string xml = writer.toXml();
    EXPECT_THAT(xml, HasSubstr("<object class=\"SampleColor\" name=\"Highlight\" editable=\"false\">"));

    ConfigReader reader = ConfigReader::fromXml(xml);
    SamplePalette read;
    ASSERT_TRUE(reader.readConfigurationObject("SamplePalette", read));
    EXPECT_EQ(read.color("Background").r, 0.25f);
    EXPECT_EQ(read.color("Background").g, 0.2f);
    EXPECT_FALSE(read.color("Highlight").isEditable());
}

TEST(ConfigFile, MissingObjectIsReportedAndNothingChanges)
{
    ConfigReader reader = ConfigReader::fromXml(configurationXml("<object name=\"Other\"/>\n"));
    SampleGroup group;
    EXPECT_FALSE(reader.readConfigurationObject("SampleGroup", group));
    EXPECT_EQ(group.value<int>("Count").getValue(), 5);
}

TEST(ConfigFile, BadTextKeepsTheValueAndWarnsWithObjectAndKey)
{
    ConfigReader reader = ConfigReader::fromXml(
        configurationXml("<object name=\"SampleGroup\">\n"
                         "  <value key=\"Count\" type=\"int\">12x</value>\n"
                         "  <value key=\"Mask\" type=\"uint\">-1</value>\n"
                         "  <value key=\"Factor\" type=\"int\">3</value>\n"
                         "  <value key=\"Enabled\" type=\"bool\">true</value>\n"
                         "</object>\n"),
        ConfigReader::Origin::SystemFile, "site.xml");
    SampleGroup group;
    group.value<int>("Count").setValue(8);
    reader.readConfigurationObject("SampleGroup", group);
    EXPECT_EQ(group.value<int>("Count").getValue(), 8);
    EXPECT_EQ(group.value<unsigned int>("Mask").getValue(), 7u);
    EXPECT_EQ(group.value<double>("Factor").getValue(), 0.5);
    EXPECT_TRUE(group.value<bool>("Enabled").getValue());
    const std::vector<std::string> warnings = reader.warnings();
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_THAT(warnings[0], MatchesRegex("site\\.xml:4:[0-9]+: SampleGroup/Count: the stored text is not a valid "
                                          "int; the value stays as it was"));
    EXPECT_THAT(warnings[1], HasSubstr("SampleGroup/Mask"));
    EXPECT_THAT(warnings[2], HasSubstr("SampleGroup/Factor: stored as int, expected double"));
}

// The deepest file accepted keeps what no group knows and saves as a file that reads again; one
// level more is refused where it begins.
TEST(ConfigFile, TheDeepestAcceptedFileIsCarriedOverAndOneLevelMoreIsRefused)
{
    std::string opening;
    std::string closing;
    for (int level = 2; level <= 64; ++level)
    {
        opening += "<object name=\"level" + std::to_string(level) + "\">";
        closing = "</object>" + closing;
    }
    const std::string deepest = configurationXml(opening + closing);
    const ConfigReader reader = ConfigReader::fromXml(deepest, ConfigReader::Origin::UserFile);
    ASSERT_TRUE(reader.isValid()) << reader.errorString();
    ConfigWriter writer;
    writer.keepUnknownEntries(reader);
    const std::string saved = writer.toXml();
    EXPECT_THAT(saved, HasSubstr("<object name=\"level64\"/>"));
    EXPECT_TRUE(ConfigReader::fromXml(saved).isValid());

    const ConfigReader deeper = ConfigReader::fromXml(configurationXml("<object name=\"one more\">" + opening + closing +
                                                                       "</object>"));
    EXPECT_THAT(deeper.errorString(), MatchesRegex("<text>:3:[0-9]+: nested deeper than 64 levels"));
}

TEST(ConfigFile, UnreadableOrMissingFileGivesAnInvalidReader)
{
    ConfigReader reader = ConfigReader::fromFile("/nonexistent/folder/config.xml");
    EXPECT_FALSE(reader.isValid());
    EXPECT_THAT(reader.errorString(), HasSubstr("/nonexistent/folder/config.xml"));
}

TEST(ConfigFile, WriteToFileIsOwnerOnlyAndReadsBack)
{
    QTemporaryDir dir;
    SampleGroup group;
    group.value<int>("Count").setValue(77);
    ConfigWriter writer;
    writer.putClassContents("SampleGroup", "SampleGroup", group, "");
    const std::string path = dir.filePath("nested/folder/user.xml").toStdString();
    std::string error;
    ASSERT_TRUE(writer.writeToFile(path, &error)) << error;
    EXPECT_EQ(fileMode(path), 0600);
    SampleGroup read;
    ASSERT_TRUE(ConfigReader::fromFile(path).readConfigurationObject("SampleGroup", read));
    EXPECT_EQ(read.value<int>("Count").getValue(), 77);
}

TEST(ConfigFile, WritingIntoAFolderThatIsAFileFails)
{
    QTemporaryDir dir;
    const std::string blocker = writeFile(dir, "blocker", "x");
    ConfigWriter writer;
    std::string error;
    EXPECT_FALSE(writer.writeToFile(blocker + "/user.xml", &error));
    EXPECT_THAT(error, HasSubstr("cannot write"));
    EXPECT_EQ(readFile(blocker), "x");
}

// A save compares two recordings of an object instead of two trees; both must find the same
// changed values, down to a zero that became a minus zero (written differently).
TEST(ConfigFile, RecordingsAndTreesFindTheSameChanges)
{
    struct Case
    {
        const char* what;
        std::function<void(SampleGroup&, SamplePalette&)> change;
        std::vector<std::string> changed;
    };
    const Case cases[] = {
        {"nothing", [](SampleGroup&, SamplePalette&) {}, {}},
        {"a string and a switch",
         [](SampleGroup& group, SamplePalette&) {
             group.value<std::string>("Path").setValue("D:\\Other");
             group.value<bool>("Enabled").setValue(true);
         },
         {"SampleGroup/Enabled", "SampleGroup/Path"}},
        {"zero to minus zero", [](SampleGroup& group, SamplePalette&) { group.value<double>("Factor").setValue(-0.0); },
         {"SampleGroup/Factor"}},
        // The sample palette writes each colour twice: under its class, and under its name.
        {"a colour component", [](SampleGroup&, SamplePalette& palette) { palette.color("Highlight").g = 0.5f; },
         {"SamplePalette/Highlight/g", "SamplePalette/Highlight/g"}},
    };
    for (const Case& c : cases)
    {
        SampleGroup group;
        SamplePalette palette;
        group.value<double>("Factor").setValue(0.0);
        const auto record = [&group, &palette](ConfigWriter::Recording& recording) {
            ConfigWriter writer;
            writer.recordInto(recording);
            writer.putClassContents("SampleGroup", "SampleGroup", group, {});
            writer.putClassContents("SamplePalette", "SamplePalette", palette, {});
        };
        const auto tree = [](const ConfigWriter::Recording& recording) {
            ConfigWriter writer;
            writer.replay(recording);
            return writer.takeTree();
        };
        ConfigWriter::Recording before;
        record(before);
        c.change(group, palette);
        ConfigWriter::Recording after;
        record(after);

        const auto recorded = ConfigWriter::compare(before, after);
        ASSERT_NE(recorded, nullptr) << c.what;
        std::vector<std::string> fromRecordings;
        for (const ConfigTreeDiff::Path& path : recorded->paths)
            fromRecordings.push_back(ConfigTreeDiff::describe(path));
        const auto treeBefore = tree(before);
        const auto treeAfter = tree(after);
        std::vector<std::string> fromTrees;
        for (const ConfigTreeDiff::Path& path : ConfigTreeDiff::changedValues(*treeBefore, *treeAfter))
            fromTrees.push_back(ConfigTreeDiff::describe(path));
        std::sort(fromTrees.begin(), fromTrees.end());
        std::sort(fromRecordings.begin(), fromRecordings.end());
        EXPECT_EQ(fromRecordings, c.changed) << c.what;
        EXPECT_EQ(fromRecordings, fromTrees) << c.what;
    }
}

}  // namespace
