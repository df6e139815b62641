#include "QvconfigTestSupport.h"

#include "Platform/Core/Service/Security/SecurityTools.h"

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigSecrets = QvconfigTest;

// Passwords the user file holds scrambled, one of them stored with the wrong type so that the
// load warns about it.
std::string userFileWithPasswords()
{
    return configurationXml(object(
        "StandardFilesConfiguration",
        "<value key=\"ToolingPassword\" type=\"string\">" + SecurityTools::scrambleStringBase64("t0p-secret") +
            "</value><value key=\"CoilPricesPassword\" type=\"int\">5</value>"));
}

TEST_F(QvconfigSecrets, ShowMasksPasswordsInTextAndJson)
{
    const std::string user = writeFile("user.xml", userFileWithPasswords());
    const ToolRun text = runTool({"show", "StandardFilesConfiguration", "--user", user});
    ASSERT_EQ(text.status, 0) << text.err;
    const ToolRun json = runTool({"show", "StandardFilesConfiguration", "--user", user, "--format", "json"});
    for (const ToolRun& run : {text, json})
    {
        EXPECT_EQ((run.out + run.err).find("t0p-secret"), std::string::npos);
        EXPECT_EQ((run.out + run.err).find(SecurityTools::scrambleStringBase64("t0p-secret")), std::string::npos);
    }
    EXPECT_EQ(textRow(text.out, "ToolingPassword")[2], "\"********\"");
    EXPECT_EQ(textRow(text.out, "CoilPricesPassword")[2], "\"\"") << "an empty password shows as empty";
    EXPECT_NE(text.err.find("CoilPricesPassword: stored as int"), std::string::npos) << text.err;
    const QJsonObject password = jsonValue(json.json(), "StandardFilesConfiguration", "ToolingPassword");
    EXPECT_EQ(password.value("value"), QJsonValue("********"));
    EXPECT_EQ(password.value("default"), QJsonValue(""));
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
