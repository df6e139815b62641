#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "SampleObjects.h"

#include <gmock/gmock.h>

#include <QtCore/QDir>
#include <QtCore/QRegularExpression>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <thread>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// Every case hides this in the text of a value (or where a value's text goes); no message may show it.
const std::string s_secret = "S3cr3tPa55";

std::string group(const std::string& values)
{
    return "<object name=\"SampleGroup\">\n" + values + "</object>\n";
}

std::string value(const std::string& key, const std::string& type, const std::string& text)
{
    return "  <value key=\"" + key + "\" type=\"" + type + "\">" + text + "</value>\n";
}

// A good value beside the one under test: it must load whenever the file loads.
const std::string s_goodMask = value("Mask", "uint", "9");

std::string nested(int depth, bool closed)
{
    std::string text = "<QuarvaneConfiguration>";
    for (int level = 1; level < depth; ++level)
        text += "<object name=\"o\">";
    if (closed)
        for (int level = 1; level < depth; ++level)
            text += "</object>";
    return text + (closed ? "</QuarvaneConfiguration>" : "");
}

struct LoadOutcome
{
    ConfigurationLoadResult result;
    unsigned mask = 0;
    int count = 0;
    std::string path;
};

// Runs the load on its own thread and gives up waiting after a generous time: a load that hangs
// fails the test instead of stopping the suite. The thread owns everything it touches, so it may
// outlive the test.
std::optional<LoadOutcome> loadWithWatchdog(const std::string& userFile)
{
    auto task = std::make_shared<std::packaged_task<LoadOutcome()>>([userFile] {
        ConfigurationManager manager;
        auto sample = std::make_shared<SampleGroup>();
        manager.addConfigurationObject(sample, "SampleGroup");
        LoadOutcome outcome;
        outcome.result = manager.loadConfiguration({}, userFile);
        outcome.mask = sample->value<unsigned int>("Mask").getValue();
        outcome.count = sample->value<int>("Count").getValue();
        return outcome;
    });
    std::future<LoadOutcome> done = task->get_future();
    std::thread loader([task] { (*task)(); });
    if (done.wait_for(std::chrono::seconds(60)) != std::future_status::ready)
    {
        loader.detach();
        return std::nullopt;
    }
    // Joined, so that the thread's own Qt data is gone before the program may end.
    loader.join();
    return done.get();
}

std::vector<std::string> folderListing(const QTemporaryDir& dir)
{
    std::vector<std::string> names;
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        names.push_back(name.toStdString());
    return names;
}

struct Case
{
    const char* what;
    // Makes the user file in the folder and returns its path.
    std::function<std::string(const QTemporaryDir&)> make;
    // For a refused file, the expected "line:" or "line:column" of the error ("0:0" for a file not
    // read at all); empty for a file that loads with one bad value.
    std::string errorPlace;
    // Part of the error, or of the warning about the bad value.
    std::string message;
};

std::function<std::string(const QTemporaryDir&)> text(const std::string& content)
{
    return [content](const QTemporaryDir& dir) { return writeFile(dir, "user.xml", content); };
}

std::function<std::string(const QTemporaryDir&)> withBadCount(const std::string& type, const std::string& stored)
{
    return text(configurationXml(group(s_goodMask + value("Count", type, stored))));
}

const Case s_cases[] = {
    // Not a configuration at all.
    {"empty", text(""), "1:", "Premature end"},
    {"blanks only", text("   \n\n  "), "3:", "Premature end"},
    {"plain words", text(s_secret + " is not XML"), "1:", ""},
    {"truncated", text(configurationXml(group(s_goodMask + value("Path", "string", s_secret))).substr(0, 150)), "5:",
     "Premature end"},
    {"truncated in an end tag", text(configurationXml(group(s_goodMask)).substr(0, 123)), "4:", "Premature end"},
    {"unclosed element", text(configurationXml(group(s_goodMask) + "<object name=\"X\">")), "6:", ""},
    {"another root", text("<Settings>" + s_secret + "</Settings>"), "1:", "root element is <Settings>"},
    {"newer format", text("<QuarvaneConfiguration version=\"" + s_secret + "\"/>"), "1:", "format version"},
    {"UTF-16 with a byte order mark", text("\xff\xfe<\0Q\0"), "1:1", "not UTF-8"},
    // Declarations and entities.
    {"document type", text("<!DOCTYPE QuarvaneConfiguration>" + configurationXml("")), "1:", "document type"},
    {"billion laughs",
     text("<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n"
          " <!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
          " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n]>\n"
          "<QuarvaneConfiguration>&lol3;</QuarvaneConfiguration>"),
     "6:", "document type"},
    {"external entity",
     text("<!DOCTYPE q [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>" +
          configurationXml(group(value("Path", "string", "&x;")))),
     "1:", "document type"},
    {"password with an ampersand", text(configurationXml(group(value("Path", "string", "Pa&" + s_secret + ";x")))),
     "4:", "undeclared entity"},
    {"password with a bare ampersand", text(configurationXml(group(value("Path", "string", "Pa& " + s_secret)))),
     "4:", ""},
    // Bytes XML cannot hold.
    {"control byte in a value", text(configurationXml(group(value("Path", "string", "a\x01" + s_secret)))), "4:36",
     "\\x01"},
    {"invalid UTF-8 on line 7",
     text(configurationXml(group(s_goodMask + "\n\n" + value("Path", "string", "pass\xf6rd" + s_secret)))), "7:",
     "not UTF-8"},
    {"NUL byte", text(configurationXml(group(value("Path", "string", std::string("a\0b", 3) + s_secret)))), "4:36",
     "the control character \\x00"},
    // Structure.
    {"repeated key", text(configurationXml(group(value("Count", "int", "1") + value("Count", "int", s_secret)))), "5:",
     "the key \"Count\" appears twice"},
    {"repeated object", text(configurationXml(group("") + group(""))), "5:", "the object \"SampleGroup\" appears twice"},
    {"unknown element", text(configurationXml(group("<setting>" + s_secret + "</setting>"))), "4:",
     "unknown element <setting>"},
    {"value without key", text(configurationXml(group("<value type=\"int\">" + s_secret + "</value>"))), "4:",
     "no key attribute"},
    {"value without type", text(configurationXml(group("<value key=\"Count\">" + s_secret + "</value>"))), "4:",
     "no type attribute"},
    {"bad editable", text(configurationXml(group("<value key=\"Count\" type=\"int\" editable=\"" + s_secret + "\"/>"))),
     "4:", "editable must be true or false"},
    {"bad base64", text(configurationXml(group("<value key=\"Path\" type=\"string\" encoding=\"base64\">*" + s_secret +
                                               "</value>"))),
     "4:", "not valid base64"},
    {"text between elements", text(configurationXml(group(s_secret))), "4:", "unexpected text"},
    {"mismatched end tag", text(configurationXml(group("<value key=\"Path\" type=\"string\">" + s_secret + "</valu>"))),
     "4:", ""},
    {"unterminated attribute", text(configurationXml("<object name=\"" + s_secret + ">\n")), "4:", ""},
    // Depth.
    {"65 levels", text(nested(65, true)), "1:", "nested deeper than 64 levels"},
    {"400,000 levels, unclosed", text(nested(400000, false)), "1:", "nested deeper than 64 levels"},
    // Size and file types.
    {"65 MiB",
     [](const QTemporaryDir& dir) {
         const std::string path = writeFile(dir, "user.xml", configurationXml(""));
         QFile(QString::fromStdString(path)).resize(65 * 1024 * 1024);
         return path;
     },
     "0:0", "is larger than"},
    {"pipe",
     [](const QTemporaryDir& dir) {
         const std::string path = dir.filePath("user.xml").toStdString();
         ::mkfifo(path.c_str(), 0600);
         return path;
     },
     "0:0", "is a pipe, not a regular file"},
    {"link to /dev/zero",
     [](const QTemporaryDir& dir) {
         const QString path = dir.filePath("user.xml");
         QFile::link(QStringLiteral("/dev/zero"), path);
         return path.toStdString();
     },
     "0:0", "is a device, not a regular file"},
    {"socket",
     [](const QTemporaryDir& dir) {
         const std::string path = dir.filePath("user.xml").toStdString();
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         path.copy(address.sun_path, sizeof address.sun_path - 1);
         const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
         ::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address);
         ::close(listening);  // the socket file stays
         return path;
     },
     "0:0", "is a socket, not a regular file"},
    {"folder",
     [](const QTemporaryDir& dir) {
         QDir(dir.path()).mkdir(QStringLiteral("user.xml"));
         return dir.filePath("user.xml").toStdString();
     },
     "0:0", "is a folder, not a regular file"},
    // One bad value in a good file: the file loads, the value keeps its default.
    {"wrong type", withBadCount("string", s_secret), "", "SampleGroup/Count: stored as string, expected int"},
    {"not a number", withBadCount("int", s_secret), "", "SampleGroup/Count: the stored text is not a valid int"},
    {"int overflow", withBadCount("int", "4294967296"), "", "SampleGroup/Count: the stored text is not a valid int"},
    {"hexadecimal", withBadCount("int", "0x10"), "", "SampleGroup/Count: the stored text is not a valid int"},
    {"unknown type", withBadCount("x&#9;y", "5"), "", "SampleGroup/Count: stored as x\\x09y"},
    {"line feed in an unknown key", text(configurationXml(group(s_goodMask + value("Co&#10;unt", "int", "5")))), "",
     "SampleGroup/Co\\x0aunt: unknown key"},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class HostileFile : public ::testing::TestWithParam<Case>
{
};

TEST_P(HostileFile, IsRefusedOrWarnedAboutClearlyAndChangesNothing)
{
    const Case& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = c.make(dir);
    const std::vector<std::string> before = folderListing(dir);
    const QFileInfo file(QString::fromStdString(path));
    const qint64 size = file.isFile() ? file.size() : -1;

    const std::optional<LoadOutcome> outcome = loadWithWatchdog(path);
    ASSERT_TRUE(outcome) << "the load did not end";
    const ConfigurationLoadResult& result = outcome->result;

    std::vector<std::string> messages = result.errors;
    messages.insert(messages.end(), result.warnings.begin(), result.warnings.end());
    for (const std::string& message : messages)
    {
        EXPECT_EQ(message.find(s_secret), std::string::npos) << message;
        for (const char byte : message)
            EXPECT_GE(static_cast<unsigned char>(byte), 0x20) << "a raw control byte in: " << message;
    }
    const std::string place = QRegularExpression::escape(QString::fromStdString(path)).toStdString() + ":";
    if (!c.errorPlace.empty())
    {
        ASSERT_EQ(result.errors.size(), 1u) << (messages.empty() ? "" : messages.front());
        EXPECT_THAT(result.errors[0], MatchesRegex(place + c.errorPlace + "[0-9:]*: .+"));
        EXPECT_THAT(result.errors[0], HasSubstr(c.message));
        EXPECT_EQ(outcome->mask, 7u) << "a refused file applies nothing";
    }
    else
    {
        EXPECT_TRUE(result.errors.empty()) << result.errors[0];
        ASSERT_EQ(result.warnings.size(), 1u);
        EXPECT_THAT(result.warnings[0], MatchesRegex(place + "5:[0-9]+: .+"));
        EXPECT_THAT(result.warnings[0], HasSubstr(c.message));
        EXPECT_EQ(outcome->mask, 9u) << "the good value loads";
        EXPECT_EQ(outcome->count, 5) << "the bad value keeps its default";
    }
    EXPECT_EQ(folderListing(dir), before) << "nothing is written";
    EXPECT_EQ(file.isFile() ? QFileInfo(file.filePath()).size() : -1, size);
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string name;
    for (const char* c = info.param.what; *c != '\0'; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileFile, ::testing::ValuesIn(s_cases), caseName);

}  // namespace
