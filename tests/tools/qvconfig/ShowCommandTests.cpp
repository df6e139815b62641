#include "QvconfigTestSupport.h"

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigShow = QvconfigTest;

const QString s_group = "AutoSaveConfiguration";

TEST_F(QvconfigShow, TextListsAutoSaveDefaultsInColumns)
{
    const ToolRun run = runTool({"show", "--product", "Forming"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("Product: Forming (4)\n\nAutoSaveConfiguration (editable)\n", 0), 0u) << run.out;
    EXPECT_EQ(textRow(run.out, "AutoSaveEnabled"),
              (std::vector<std::string>{"AutoSaveEnabled", "int", "0", "0", "yes", "yes", "Set", "auto", "save",
                                        "option", "to", "Disable(0),", "Enable(1)", "or", "Ask", "the", "User(2)"}));
    const std::vector<std::string> interval = textRow(run.out, "AutoSaveInterval");
    ASSERT_GE(interval.size(), 4u) << run.out;
    EXPECT_EQ(std::vector<std::string>(interval.begin(), interval.begin() + 4),
              (std::vector<std::string>{"AutoSaveInterval", "int", "5", "5"}));
}

TEST_F(QvconfigShow, JsonHoldsEveryRegisteredGroup)
{
    const ToolRun run = runTool({"show", "--format", "json", "--product", "Planner"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject root = run.json().object();
    EXPECT_EQ(root.value("product"), QJsonValue("Planner"));
    QStringList shown;
    for (const QJsonValue& group : root.value("groups").toArray())
        shown << group.toObject().value("name").toString();
    QStringList registered;
    for (const std::string& name : ConfigurationManager::getInstance().getConfigurationObjectNames())
        registered << QString::fromStdString(name);
    EXPECT_EQ(shown, registered);

    const QJsonObject group = jsonGroup(run.json(), s_group);
    EXPECT_EQ(group.value("editable"), QJsonValue(true));
    EXPECT_EQ(group.value("objects"), QJsonValue(QJsonArray()));
    const QJsonObject interval = group.value("values").toArray().at(1).toObject();
    EXPECT_EQ(interval.value("key"), QJsonValue("AutoSaveInterval"));
    EXPECT_EQ(interval.value("value"), QJsonValue("5"));
    EXPECT_EQ(interval.value("visible"), QJsonValue(false));
}

// AutoSaveEnabled belongs to the products of mask 37: Designer, Forming and Progressive.
TEST_F(QvconfigShow, ProductDecidesWhatIsVisible)
{
    const struct
    {
        std::string product;
        const char* visible;
    } cases[] = {{"1", "yes"}, {"Designer", "yes"}, {"2", "no"}, {"trimming", "no"}, {"32", "yes"}};
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.product);
        const std::vector<std::string> row = textRow(runTool({"show", "--product", expected.product}).out,
                                                     "AutoSaveEnabled");
        ASSERT_GE(row.size(), 6u);
        EXPECT_EQ(row[5], expected.visible);
    }
}

TEST_F(QvconfigShow, UserFileOverridesTheInterval)
{
    const std::string user = writeFile("user.xml", configurationXml(autoSave(intValue("AutoSaveInterval", "10"))));
    const ToolRun run = runTool({"show", "--format", "json", "--user", user});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(jsonValue(run.json(), s_group, "AutoSaveInterval").value("value"), QJsonValue("10"));
    EXPECT_EQ(jsonValue(run.json(), s_group, "AutoSaveInterval").value("default"), QJsonValue("5"));
    EXPECT_EQ(jsonValue(run.json(), s_group, "AutoSaveEnabled").value("value"), QJsonValue("0"));
}

TEST_F(QvconfigShow, UnreadableFileFailsButTheValuesAreStillShown)
{
    const std::string broken = writeFile("broken.xml", "<QuarvaneConfiguration version=\"1\">\n<object name=\"x\">");
    const std::string user = writeFile("user.xml", configurationXml(autoSave(intValue("AutoSaveInterval", "12"))));
    const ToolRun run = runTool({"show", "--system", broken, "--user", user});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("error: " + broken + ":2:", 0), 0u) << run.err;
    EXPECT_EQ(textRow(run.out, "AutoSaveInterval").at(2), "12");
}

// Problems that leave the values usable are reported, and the command still succeeds.
TEST_F(QvconfigShow, WarningsGoToStderr)
{
    const std::string notANumber =
        writeFile("user.xml", configurationXml(autoSave(intValue("AutoSaveInterval", "ten"))));
    const struct
    {
        std::vector<std::string> arguments;
        std::string warning;
    } cases[] = {
        {{"--user", notANumber}, "AutoSaveInterval: the stored text is not a valid int"},
        {{"--system", "/nonexistent/site.xml"}, "warning: /nonexistent/site.xml: "},
        {{"--user", "/nonexistent/user.xml"}, "warning: /nonexistent/user.xml: "},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.warning);
        std::vector<std::string> arguments{"show"};
        arguments.insert(arguments.end(), expected.arguments.begin(), expected.arguments.end());
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.err.find(expected.warning), std::string::npos) << run.err;
        EXPECT_EQ(textRow(run.out, "AutoSaveInterval").at(2), "5");
    }
}

// The colours are children without framework values, so the group shows them as one table.
TEST_F(QvconfigShow, ColorGroupListsEveryColourWithItsDefault)
{
    const ToolRun text = runTool({"show", "ColorConfiguration"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(textRow(text.out, "SheetBottomsideColor"),
              (std::vector<std::string>{"SheetBottomsideColor", "4", "156,180,255", "0.6117647,0.7058824,1",
                                        "156,180,255", "0.6117647,0.7058824,1", "yes", "Sheet/Blank", "Lower", "Side"}));
    EXPECT_EQ(textRow(text.out, "UndefinedOpColor"),
              (std::vector<std::string>{"UndefinedOpColor", "245", "212,212,212", "0.83,0.83,0.83", "212,212,212",
                                        "0.83,0.83,0.83", "no", "Undefined", "Color"}));
    EXPECT_EQ(text.out.find("(no values)"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find("ColorConfiguration/"), std::string::npos) << text.out;

    const std::string user = writeFile(
        "user.xml", configurationXml(object("ColorConfiguration",
                                            "<object class=\"ObjectColor\" name=\"Loop\">"
                                            "<value key=\"r\" type=\"float\">0.5</value>"
                                            "<value key=\"g\" type=\"float\">2</value>"
                                            "<value key=\"b\" type=\"float\">0</value></object>")));
    const ToolRun json = runTool({"show", "ColorConfiguration", "--format", "json", "--user", user});
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonArray listing = jsonGroup(json.json(), "ColorConfiguration").value("listing").toArray();
    ASSERT_EQ(listing.size(), 129);
    const QJsonObject loop = listing[12].toObject();
    EXPECT_EQ(loop.value("key"), QJsonValue("Loop"));
    EXPECT_EQ(loop.value("type"), QJsonValue("12"));
    EXPECT_EQ(loop.value("value"), QJsonValue("128,-,0"));
    EXPECT_EQ(loop.value("valueFloat"), QJsonValue("0.5,2,0"));
    EXPECT_EQ(loop.value("default"), QJsonValue("68,204,0"));
    EXPECT_EQ(loop.value("editable"), QJsonValue("yes"));
    EXPECT_EQ(loop.value("name"), QJsonValue("Loop"));
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
