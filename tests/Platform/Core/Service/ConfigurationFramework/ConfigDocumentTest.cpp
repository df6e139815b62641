// How the reader takes XML apart: references, sections and blanks in a value's text, and the
// faults a lenient XML parser would let through, each reported where it stands.

#include "SampleObjects.h"

#include <gmock/gmock.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using ::testing::HasSubstr;

std::string pathValue(const std::string& attributes, const std::string& text)
{
    return configurationXml("<object name=\"SampleGroup\">\n<value key=\"Path\" type=\"string\"" + attributes + ">" +
                            text + "</value>\n</object>\n");
}

TEST(ConfigDocument, TextOfAValueIsReadAsXmlDefinesIt)
{
    struct Case
    {
        const char* what;
        std::string xml;
        std::string path;
    };
    const Case cases[] = {
        {"predefined entities", pathValue("", "&lt;a&gt; &amp; &quot;b&quot; &apos;c&apos;"), "<a> & \"b\" 'c'"},
        {"character references", pathValue("", "&#65;&#x42;&#xe4;&#x1F600;"), "AB\xc3\xa4\xf0\x9f\x98\x80"},
        {"CDATA kept as written", pathValue("", "<![CDATA[a<b&c]]>"), "a<b&c"},
        {"a comment between two pieces", pathValue("", "ab<!--note-->cd"), "abcd"},
        {"blanks alone", pathValue("", "   "), "   "},
        {"line breaks of Windows", pathValue("", "one\r\ntwo"), "one\ntwo"},
        {"a byte order mark", "\xef\xbb\xbf" + pathValue("", "x"), "x"},
        {"references in an attribute", pathValue(" encoding=\"&#98;ase64\"", "eHk="), "xy"},
        {"blanks around a comment", pathValue("", "  <!--note-->  "), "    "},
        {"blanks around a CDATA section", pathValue("", " <![CDATA[x]]> "), " x "},
    };
    for (const Case& c : cases)
    {
        ConfigReader reader = ConfigReader::fromXml(c.xml);
        ASSERT_TRUE(reader.isValid()) << c.what << ": " << reader.errorString();
        SampleGroup group;
        EXPECT_TRUE(reader.readConfigurationObject("SampleGroup", group)) << c.what;
        EXPECT_EQ(group.value<std::string>("Path").getValue(), c.path) << c.what;
    }
}

TEST(ConfigDocument, FaultsAreReportedWhereTheyStand)
{
    struct Case
    {
        const char* what;
        std::string xml;
        const char* place;
        const char* message;
    };
    const Case cases[] = {
        {"an attribute twice", pathValue(" type=\"int\"", "1"), "<text>:4:", "the attribute type appears twice"},
        {"a second root", configurationXml("") + "<QuarvaneConfiguration/>", "<text>:4:",
         "there is a second root element"},
        {"text after the root", configurationXml("") + "Secret", "<text>:4:1", "there is text after the root"},
        {"text in an object", configurationXml("<object name=\"A\"> Secret</object>\n"), "<text>:3:19",
         "unexpected text outside a value"},
        {"an undeclared entity", pathValue("", "ab\n&secret;"), "<text>:5:1", "undeclared entity"},
        {"a reference to a control character", pathValue("", "&#1;"), "<text>:4:", "bad character reference"},
        {"a reference without its semicolon", pathValue("", "&#65"), "<text>:4:", "bad character reference"},
        {"< in an attribute", pathValue(" description=\"a<b\"", "x"), "<text>:4:", "a < in an attribute value"},
        {"an element in a value", pathValue("", "<b>x</b>"), "<text>:4:", "unexpected element <b>"},
        {"]]> in a text", pathValue("", "a]]>Secret"), "<text>:4:", "]]> stands in a text"},
        {"another encoding declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + pathValue("", "x").substr(22),
         "<text>:1:", "encoding"},
        {"a quote left out", configurationXml("<object name=\"A\">\n<value key=\"K\" type=\"int>1</value>\n"
                                              "</object>\n<object name=\"B\"/>\n"),
         "<text>:4:", "runs into a tag"},
        {"a format fault before an XML fault",
         configurationXml("<object name=\"A\">\n<value key=\"K\" type=\"int\">1</value>\n"
                          "<value key=\"K\" type=\"int\">2</value>\n</object>\n<broken"),
         "<text>:5:", "the key \"K\" appears twice"},
    };
    for (const Case& c : cases)
    {
        const ConfigReader reader = ConfigReader::fromXml(c.xml);
        EXPECT_FALSE(reader.isValid()) << c.what;
        EXPECT_EQ(reader.errorString().rfind(c.place, 0), 0u) << c.what << ": " << reader.errorString();
        EXPECT_THAT(reader.errorString(), HasSubstr(c.message)) << c.what;
        EXPECT_THAT(reader.errorString(), ::testing::Not(HasSubstr("Secret"))) << c.what;
    }
}

// A value's place is where its start tag ends, counted in characters, as people and editors count.
TEST(ConfigDocument, WarningsNameTheLineAndColumnOfTheValue)
{
    ConfigReader reader = ConfigReader::fromXml(
        configurationXml("<object name=\"SampleGroup\">\n  <value key=\"Path\" type=\"string\">ä</value>\n"
                         "<value key=\"Päth\" type=\"string\"/><value key=\"Count\" type=\"int\" description=\"1>2\">x</value>\n"
                         "</object>\n"));
    SampleGroup group;
    reader.readConfigurationObject("SampleGroup", group);
    // "Päth" is reported too, as an unknown key; the columns count characters, not bytes, and a
    // '>' inside a quoted attribute does not end the tag.
    EXPECT_THAT(reader.warnings(), ::testing::Contains(::testing::StartsWith("<text>:5:81: SampleGroup/Count")));
}

}  // namespace
