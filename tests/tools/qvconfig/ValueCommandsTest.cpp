// The value commands, run as the administrator runs them: the real executable on real files.
#include "QvconfigProcess.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
const char* const s_site = R"(<?xml version="1.0" encoding="UTF-8"?>
<QuarvaneConfiguration version="1">
  <object name="AutoSaveConfiguration">
    <value key="AutoSaveEnabled" type="int" editable="false">1</value>
  </object>
</QuarvaneConfiguration>
)";

const char* const s_user = R"(<?xml version="1.0" encoding="UTF-8"?>
<QuarvaneConfiguration version="1">
  <object name="FutureGroup"><value key="Anything" type="int" since="7.2">1</value></object>
  <object name="AutoSaveConfiguration">
    <value key="AutoSaveInterval" type="int">10</value>
    <value key="AutoSaveEnabled" type="int">2</value>
    <value key="FutureKey" type="int">3</value>
  </object>
</QuarvaneConfiguration>
)";

class QvconfigValueCommands : public QvconfigProcessTest
{
protected:
    void SetUp() override
    {
        QvconfigProcessTest::SetUp();
        write("site.xml", s_site);
        write("user.xml", s_user);
    }
};

// Each edit changes what it names in the file it names, and nothing else; a refusal writes nothing.
TEST_F(QvconfigValueCommands, EditsWriteOneEntryOrNothing)
{
    const struct
    {
        std::vector<std::string> arguments;
        int status;
        std::string file;  // the file the command changes
        std::vector<std::string> expected;  // in the file after a success, on stderr after a refusal
    } cases[] = {
        {{"set", "--user", "new.xml", "DrawingEngineConfiguration/ViewLabelFontSize", " 12 "}, 0, "new.xml",
         {R"(<object name="DrawingEngineConfiguration">)", R"(type="int">12<)"}},
        {{"set", "--user", "user.xml", "ColorConfiguration/BackgroundTopColor", "255,0,51"}, 0, "user.xml",
         {R"(<object class="ObjectColor" name="BackgroundTopColor">)", R"(key="r" type="float">1<)",
          R"(key="b" type="float">0.2<)"}},
        {{"lock", "--system", "site.xml", "ThreeDViewConfiguration"}, 0, "site.xml",
         {R"(<object name="ThreeDViewConfiguration" editable="false"/>)"}},
        {{"set", "--user", "user.xml", "ColorConfiguration/BackgroundTopColor", "256,0,0"}, 1, "user.xml",
         {"is no colour"}},
        {{"set", "--user", "user.xml", "MiscellaneousConfiguration/ReadOnlyMode", "true"}, 1, "user.xml",
         {"is an administrator value"}},
        {{"set", "--system", "site.xml", "DrawingEngineConfiguration/UsedDriverType", "1"}, 1, "site.xml",
         {"is a run-time value"}},
        {{"set", "--user", "user.xml", "AutoSaveConfiguration/AutoSaveIntervall", "1"}, 1, "user.xml",
         {"unknown key AutoSaveConfiguration/AutoSaveIntervall; did you mean AutoSaveInterval?"}},
        {{"unlock", "--system", "site.xml", "AutoSaveConfiguration/AutoSaveInterval"}, 1, "site.xml",
         {"AutoSaveConfiguration/AutoSaveInterval is not in site.xml"}},
        {{"set", "AutoSaveConfiguration/AutoSaveInterval", "15"}, 2, "user.xml", {"needs the file to change"}},
        {{"lock", "--user", "user.xml", "AutoSaveConfiguration"}, 2, "user.xml", {"give it with --system FILE"}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.arguments.front() + " " + test.arguments.back());
        SetUp();
        const std::string before = read(test.file);
        const ToolRun run = qvconfig(test.arguments);
        EXPECT_EQ(run.status, test.status) << run.err;
        const std::string after = read(test.file);
        const std::string& where = test.status == 0 ? after : run.err;
        for (const std::string& expected : test.expected)
            EXPECT_NE(where.find(expected), std::string::npos) << where;
        if (test.status != 0)
        {
            EXPECT_EQ(after, before);
        }
        else if (test.file == "user.xml")
        {
            EXPECT_NE(after.find(R"(<value key="Anything" type="int" since="7.2">1</value>)"), std::string::npos)
                << after;
        }
    }
}

// A file that cannot be read or replaced fails the command with the reason; nothing is left behind.
TEST_F(QvconfigValueCommands, FailedWritesLeaveTheFileAsItWas)
{
    write("notAFolder", "x");
    ToolRun run = qvconfig({"set", "--user", "notAFolder/user.xml", "AutoSaveConfiguration/AutoSaveInterval", "7"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write notAFolder/user.xml: "), std::string::npos) << run.err;

    write("broken.xml", "<QuarvaneConfiguration><object");
    run = qvconfig({"set", "--user", "broken.xml", "AutoSaveConfiguration/AutoSaveInterval", "7"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("error: broken.xml:1:", 0), 0u) << run.err;
    EXPECT_EQ(read("broken.xml"), "<QuarvaneConfiguration><object");
    EXPECT_EQ(folderEntries(), (QStringList{"broken.xml", "notAFolder", "site.xml", "user.xml"}));
}

TEST_F(QvconfigValueCommands, ReadCommandsAnswerOnStdout)
{
    const struct
    {
        std::vector<std::string> arguments;
        int status;
        std::string out;  // a part of stdout
        std::string err;  // a part of stderr
    } cases[] = {
        {{"get", "SoftwareManualConfiguration/ManualLanguage"}, 0, "\"English\"\n", ""},
        {{"get", "AutoSaveConfiguraton/AutoSaveInterval"}, 1, "", "did you mean AutoSaveConfiguration, UpdateConfiguration?"},
        {{"get", "AutoSaveConfiguration"}, 1, "", "name one of its values"},
        {{"describe", "MiscellaneousConfiguration/ReadOnlyMode"}, 0, "  set by       administrator\n", ""},
        {{"describe", "AutoSaveConfiguration"}, 0, "  AutoSaveEnabled   int   0        0 Disable, 1 Enable", ""},
        {{"describe", "AutoSaveConfiguration", "--wide"}, 0, "Enable(1) or Ask the User(2)\n", ""},
        {{"help", "lock"}, 0, "Usage: qvconfig lock --system FILE GROUP/KEY [VALUE]\n", ""},
        {{"help", "frobnicate"}, 2, "", "help takes one command"},
        {{"--version"}, 0, "qvconfig 0.1.0\n", ""},
        {{"show", "--format", "xml"}, 2, "", "use it with --changed"},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.arguments.front() + " " + test.arguments.back());
        const ToolRun run = qvconfig(test.arguments);
        EXPECT_EQ(run.status, test.status) << run.err;
        EXPECT_NE(run.out.find(test.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(test.err), std::string::npos) << run.err;
    }
    // Pictures: no stray Qt message without XDG_RUNTIME_DIR, and only a name that says PNG.
    EXPECT_EQ(qvconfig({"ranges", "--png", "ranges.png"}).err, "");
    EXPECT_EQ(qvconfig({"ranges", "--png", "ranges.jpg"}).err,
              "error: cannot write ranges.jpg: the picture is a PNG; name the file *.png\n");
}

// The findings themselves are the framework's; check's own part is reading the file as a user or a
// system file, and its exit status.
TEST_F(QvconfigValueCommands, CheckReadsAsUserOrSystemFile)
{
    write("admin.xml", R"(<QuarvaneConfiguration>
  <object name="MiscellaneousConfiguration"><value key="ReadOnlyMode" type="bool">true</value></object>
</QuarvaneConfiguration>)");
    const ToolRun asUser = qvconfig({"check", "admin.xml"});
    EXPECT_EQ(asUser.status, 1);
    EXPECT_EQ(asUser.out, "admin.xml:2:82: warning: MiscellaneousConfiguration/ReadOnlyMode: an administrator value is "
                          "read from system files only; ignored\nadmin.xml: 1 finding\n");
    const ToolRun asSystem = qvconfig({"check", "--as-system", "admin.xml"});
    EXPECT_EQ(asSystem.status, 0) << asSystem.err;
    EXPECT_EQ(asSystem.out, "admin.xml: clean\n");
}

// Every command's JSON against the schema in docs/, so the schema and the output cannot part.
TEST_F(QvconfigValueCommands, JsonFollowsTheDocumentedSchema)
{
    QFile file(QV_JSON_SCHEMA);
    const QJsonObject schema = file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    ASSERT_FALSE(schema.isEmpty());
    const std::vector<std::vector<std::string>> commands{
        {"show", "--format", "json", "--system", "site.xml", "--user", "user.xml"},
        {"get", "ColorConfiguration/BackgroundTopColor", "--format", "json"},
        {"describe", "AutoSaveConfiguration", "--format", "json"},
        {"check", "--format", "json", "--system", "site.xml", "user.xml"},
        {"ranges", "--format", "json"},
    };
    for (const std::vector<std::string>& command : commands)
    {
        SCOPED_TRACE(command.front());
        const ToolRun run = qvconfig(command);
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out));
        ASSERT_TRUE(document.isObject()) << run.out;
        EXPECT_EQ(schemaErrors(document.object(), schema), QStringList());
    }
    // Typed values, read as a script reads them.
    const auto valueOf = [this](const std::vector<std::string>& arguments) {
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(qvconfig(arguments).out));
        return document.object().value("value").toObject();
    };
    const QJsonObject interval =
        valueOf({"get", "AutoSaveConfiguration/AutoSaveInterval", "--format", "json", "--user", "user.xml"});
    EXPECT_EQ(interval.value("value"), QJsonValue(10));
    EXPECT_EQ(interval.value("origin").toObject().value("line"), QJsonValue(5));
    const QJsonObject colour = valueOf({"get", "ColorConfiguration/BackgroundTopColor", "--format", "json"});
    EXPECT_EQ(colour.value("value").toObject().value("bytes"), QJsonValue(QJsonArray{213, 213, 213}));
}

// Every example of the administrator's guide, run in order in an empty folder: files shown as
// "```xml file=NAME" are written, each "$ qvconfig ..." line is run and what follows it, up to
// the next command, is its standard output, then its standard error, then "[exit N]" unless 0.
TEST_F(QvconfigValueCommands, AdministratorGuideExamplesHold)
{
    QFile guide(QV_ADMINISTRATOR_GUIDE);
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(guide.readAll()).split('\n');
    int examples = 0;
    for (int index = 0; index < lines.size(); ++index)
    {
        if (lines[index].startsWith("```xml file="))
        {
            QStringList body;
            while (lines[++index] != "```")
                body << lines[index];
            write(lines[index - body.size() - 1].mid(12).toStdString(), body.join('\n').toStdString() + "\n");
        }
        if (!lines[index].startsWith("$ qvconfig "))
            continue;
        QStringList words = lines[index].mid(11).split(' ', Qt::SkipEmptyParts);
        const int redirect = static_cast<int>(words.indexOf(">"));
        std::vector<std::string> arguments;
        for (int word = 0; word < (redirect < 0 ? words.size() : redirect); ++word)
            arguments.push_back(words[word].toStdString());
        std::string expected;
        while (index + 1 < lines.size() && !lines[index + 1].startsWith("$ ") && lines[index + 1] != "```")
            expected += lines[++index].toStdString() + "\n";
        const ToolRun run = qvconfig(arguments);
        if (redirect >= 0)
            write(words[redirect + 1].toStdString(), run.out);
        const std::string actual = (redirect >= 0 ? std::string() : run.out) + run.err +
                                   (run.status != 0 ? "[exit " + std::to_string(run.status) + "]\n" : "");
        EXPECT_EQ(actual, expected) << lines[index].toStdString();
        ++examples;
    }
    EXPECT_GE(examples, 15);
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
