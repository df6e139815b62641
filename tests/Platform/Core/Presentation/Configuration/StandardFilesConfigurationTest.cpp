#include "Platform/Core/Presentation/Configuration/StandardFilesConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/Security/SecurityTools.h"
#include "GroupTestSupport.h"
#include "tests/Platform/Core/Gui/WidgetTools/GuiApplication.h"
#include "tests/Platform/Core/Service/Logging/LogCapture.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtCore/QVariant>

namespace
{
using namespace Quarvane;
using Testing::EmissionLog;
using Testing::LogCapture;
using Files = StandardFilesConfiguration;
using Names = std::vector<std::string>;

#define WATCH(name) log.watch(group.m_##name##ChangedSignal, #name)
void watchAll(EmissionLog& log, Files& group)
{
    WATCH(language), WATCH(toolingPassword), WATCH(coilPricesPassword), WATCH(toolingFilePath);
    WATCH(diesetFilePath), WATCH(dieFaceFilePath), WATCH(ctrlParamFilePath), WATCH(sigmaFilePath);
    WATCH(evaluationFilePath), WATCH(loadDieFaceFilePath), WATCH(loadCtrlParamFilePath), WATCH(loadSigmaFilePath);
    WATCH(loadEvaluationFilePath), WATCH(enableNewWithStandard);
}
#undef WATCH

std::string scrambled(const std::string& text) { return SecurityTools::scrambleStringBase64(text); }

std::string xmlValue(const std::string& key, const std::string& text, const std::string& attributes = {})
{
    return "<value key=\"" + key + "\" type=\"string\"" + attributes + ">" + text + "</value>";
}

std::string groupXml(const std::string& values)
{
    return Testing::configurationXml(Testing::storedObject("StandardFilesConfiguration", values));
}

// Real files in a temporary folder, read through a configuration manager that holds one group.
class StandardFilesFiles : public ::testing::Test
{
protected:
    StandardFilesFiles() { m_manager.addConfigurationObject(m_group, m_group->getName()); }
    std::string path(const std::string& name) const
    {
        return m_folder.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string write(const std::string& name, const std::string& text) { return Testing::writeFile(m_folder, name, text); }
    QByteArray save(const std::string& file)
    {
        std::string error;
        EXPECT_TRUE(m_manager.saveUserConfiguration(file, &error)) << error;
        QFile saved(QString::fromStdString(file));
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
    ConfigurationManager m_manager;
    std::shared_ptr<Files> m_group = std::make_shared<Files>();
};

TEST(StandardFilesConfiguration, LanguageDefaultFollowsTheApplicationsLanguageProperty)
{
    // The process's one application, shared by every test that needs one.
    QCoreApplication& application = Testing::guiApplication();
    const std::pair<QVariant, const char*> cases[] = {
        {QVariant(), "english"}, {QString("ja"), "japanese"}, {QString("jap"), "english"}, {QString("de"), "english"}};
    for (const auto& [property, language] : cases)
    {
        application.setProperty("language", property);
        EXPECT_EQ(Files().getCurrentLanguage(), language) << property.toString().toStdString();
    }
    application.setProperty("language", QVariant());
}

TEST(StandardFilesConfiguration, SettersNotifyTheirOwnSignalOnlyOnChange)
{
    const std::tuple<const std::string&, void (Files::*)(const std::string&), const char*> cases[] = {
        {Files::s_languageTag, &Files::setCurrentLanguage, "language"},
        {Files::s_coilPricesPasswordTag, &Files::setCurrentCoilPricesPassword, "coilPricesPassword"},
        {Files::s_setCtrlParamFilepathTag, &Files::setCurrentSetCtrlParamFilePath, "ctrlParamFilePath"},
        {Files::s_loadEvaluationFilepathTag, &Files::setCurrentLoadEvaluationFilePath, "loadEvaluationFilePath"},
    };
    for (const auto& [key, set, signal] : cases)
    {
        SCOPED_TRACE(key);
        Files group;
        EmissionLog log;
        watchAll(log, group);
        const auto& stored = dynamic_cast<const ConfigurationValue<std::string>&>(*group.getConfigurationValue(key));
        (group.*set)(stored.getValue());
        (group.*set)("\\\\server\\standards\\ü");
        (group.*set)("\\\\server\\standards\\ü");
        EXPECT_EQ(stored.getValue(), "\\\\server\\standards\\ü");
        EXPECT_EQ(log.emitted, Names{signal});
    }
    Files group;
    EmissionLog log;
    watchAll(log, group);
    group.setEnableNewWithStandard(false);
    group.setEnableNewWithStandard(true);
    group.previewDiesetFile();
    group.previewToolingFile();
    EXPECT_EQ(log.emitted, (Names{"enableNewWithStandard", "diesetFilePath", "toolingFilePath"}));
}

TEST(StandardFilesConfiguration, RestrictionDirectoryIsLoggedCheckedAndKeptWithoutASignal)
{
    QTemporaryDir existing;
    const std::string dir = existing.path().toStdString();
    const std::string missing = dir + "/not-there";
    const std::string start = "StandardFilesConfiguration::setStandardRestrictionDirectory: ";
    Files group;
    EmissionLog log;
    watchAll(log, group);
    LogCapture capture;

    group.setStandardRestrictionDirectory(missing);
    EXPECT_EQ(group.getStandardRestrictionDirectory(), missing);
    EXPECT_TRUE(group.hasStandardRestrictionDirectory());
    group.setStandardRestrictionDirectory(missing);
    group.setStandardRestrictionDirectory(dir);
    group.setStandardRestrictionDirectory("");
    EXPECT_FALSE(group.hasStandardRestrictionDirectory());
    EXPECT_EQ(capture.messages(),
              (Names{start + missing + " :Start", "Invalid Restriction directory " + missing,
                     start + missing + " :Done", start + missing + " :Start", start + missing + " :Done",
                     start + dir + " :Start", start + dir + " :Done", start + " :Start", start + " :Done"}));
    for (const LogCapture::Line& line : capture.lines)
    {
        EXPECT_EQ(line.type, line.message.rfind("Invalid", 0) == 0 ? QtInfoMsg : QtDebugMsg);
        EXPECT_EQ(line.category, "quarvane.StandardFilesConfiguration");
    }
    EXPECT_EQ(log.emitted, Names{});
}

// A password may hold any bytes, not only text.
TEST_F(StandardFilesFiles, PasswordsAreScrambledAtRestAndPlainInMemory)
{
    const std::string tooling = "t00ling-P\xF6sswort", coil("\x01\xff\0x", 4);
    m_group->setCurrentToolingPassword(tooling);
    m_group->setCurrentCoilPricesPassword(coil);
    m_group->setCurrentSetToolingFilePath("//server/tooling");
    const QByteArray bytes = save(path("user.xml"));
    EXPECT_EQ(m_group->getCurrentToolingPassword(), tooling) << "saving leaves the plain text in memory";
    EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(tooling)));
    EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(coil)));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(scrambled(tooling))));
    EXPECT_TRUE(bytes.contains("//server/tooling"));

    ConfigurationManager manager;
    auto group = std::make_shared<Files>();
    manager.addConfigurationObject(group, group->getName());
    EmissionLog log;
    watchAll(log, *group);
    EXPECT_TRUE(manager.loadConfiguration({}, path("user.xml")).isClean());
    EXPECT_EQ(group->getCurrentToolingPassword(), tooling);
    EXPECT_EQ(group->getCurrentCoilPricesPassword(), coil);
    EXPECT_EQ(log.emitted, (Names{"language", "toolingPassword", "coilPricesPassword", "toolingFilePath",
                                  "diesetFilePath", "dieFaceFilePath", "ctrlParamFilePath", "sigmaFilePath",
                                  "evaluationFilePath", "loadDieFaceFilePath", "loadCtrlParamFilePath",
                                  "loadSigmaFilePath", "loadEvaluationFilePath", "enableNewWithStandard"}));
}

// Stored bytes that are neither scrambled nor text (a base64 value that decodes to garbage) keep
// the password as it was and tell the user which one, not its text.
TEST_F(StandardFilesFiles, UnusableStoredPasswordsWarnAndKeepThePassword)
{
    const std::string base64 = " encoding=\"base64\"";
    const struct
    {
        std::string stored;
        std::string loaded;  // empty: refused with a warning
    } cases[] = {
        {xmlValue("CoilPricesPassword", "li", base64), ""},  // found by the fuzzer
        {xmlValue("CoilPricesPassword", QByteArray("pass\xF6rd").toBase64().toStdString(), base64), ""},
        {xmlValue("CoilPricesPassword", QByteArray("tab\tand\nline").toBase64().toStdString(), base64),
         "tab\tand\nline"},
        {xmlValue("CoilPricesPassword", QByteArray::fromStdString(scrambled("\x02")).toBase64().toStdString(), base64),
         "\x02"},
    };
    for (const auto& c : cases)
    {
        m_group->setCurrentCoilPricesPassword("before");
        const ConfigurationLoadResult result = m_manager.loadConfiguration({}, write("user.xml", groupXml(c.stored)));
        EXPECT_TRUE(result.errors.empty()) << c.stored;
        if (c.loaded.empty())
        {
            EXPECT_EQ(m_group->getCurrentCoilPricesPassword(), "before") << c.stored;
            ASSERT_EQ(result.warnings.size(), 1u) << c.stored;
            EXPECT_EQ(result.warnings[0], "StandardFilesConfiguration/CoilPricesPassword: the stored password is "
                                          "neither scrambled nor text; the password stays as it was");
        }
        else
        {
            EXPECT_EQ(m_group->getCurrentCoilPricesPassword(), c.loaded) << c.stored;
            EXPECT_TRUE(result.warnings.empty()) << c.stored;
        }
    }
}

// A system file that locks a password sets it for everybody: the user file cannot change it and
// the group does not write it back. Files that do not hold a password leave it as it was.
TEST_F(StandardFilesFiles, ALockedPasswordComesFromTheSystemFileOnly)
{
    const std::string site = write("site.xml", groupXml(xmlValue("ToolingPassword", scrambled("site secret"),
                                                                 " editable=\"false\"") +
                                                        xmlValue("CoilPricesPassword", scrambled("site coil"))));
    const std::string user = write("user.xml", groupXml(xmlValue("ToolingPassword", scrambled("user secret")) +
                                                        xmlValue("DiesetFilePath", "/diesets")));
    m_manager.loadConfiguration({site}, user);
    EXPECT_EQ(m_group->getCurrentToolingPassword(), "site secret");
    EXPECT_EQ(m_group->getCurrentCoilPricesPassword(), "site coil");
    EXPECT_FALSE(m_group->getEditable(Files::ToolingPasswordType));
    EXPECT_TRUE(m_group->getEditable(Files::CoilPricesPasswordType));

    // The user's own entry for the locked password stays in the file as it was.
    m_group->setCurrentCoilPricesPassword("mine");
    const QByteArray bytes = save(user);
    EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(scrambled("site secret"))));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(scrambled("user secret"))));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(scrambled("mine"))));
    EXPECT_FALSE(bytes.contains("secret") || bytes.contains("mine"));

    // A password locked before a load is not loaded, and so not unscrambled either.
    Files direct;
    direct.setCurrentToolingPassword("kept");
    direct.getConfigurationValue(Files::s_toolingPasswordTag)->setEditable(false);
    ConfigReader::fromFile(user, ConfigReader::Origin::UserFile).readConfigurationObject(direct.getName(), direct);
    EXPECT_EQ(direct.getCurrentToolingPassword(), "kept");
    EXPECT_EQ(direct.getCurrentCoilPricesPassword(), "mine");
}

TEST(StandardFilesConfiguration, StoredPasswordsThatAreNotScrambledLoadAsWritten)
{
    const std::string secret = scrambled("secret");
    const std::pair<std::string, std::string> cases[] = {
        {"hunter2", "hunter2"}, {secret.substr(0, 8), secret.substr(0, 8)}, {"", ""}, {secret, "secret"}};
    for (const auto& [stored, loaded] : cases)
    {
        Files group;
        group.setCurrentToolingPassword("before");
        Testing::loadSystemFile(group, xmlValue("ToolingPassword", stored));
        EXPECT_EQ(group.getCurrentToolingPassword(), loaded) << stored;
    }

    // A file without passwords leaves them as they were, even one that looks scrambled.
    Files untouched;
    untouched.setCurrentCoilPricesPassword(secret);
    Testing::loadSystemFile(untouched, xmlValue("DiesetFilePath", "/d"));
    EXPECT_EQ(untouched.getCurrentCoilPricesPassword(), secret);

    // A value of the wrong type keeps the password, and the warning does not show it.
    Files group;
    group.setCurrentToolingPassword("hunter2");
    ConfigReader reader = ConfigReader::fromXml(groupXml("<value key=\"ToolingPassword\" type=\"int\">5</value>"));
    reader.readConfigurationObject(group.getName(), group);
    EXPECT_EQ(group.getCurrentToolingPassword(), "hunter2");
    ASSERT_EQ(reader.warnings().size(), 1u);
    EXPECT_EQ(reader.warnings()[0].find("hunter2"), std::string::npos) << reader.warnings()[0];
    EXPECT_EQ(reader.warnings()[0].find(scrambled("hunter2")), std::string::npos);
    EXPECT_NE(reader.warnings()[0].find("ToolingPassword: stored as int"), std::string::npos);
}

TEST_F(StandardFilesFiles, TheLegacyItemWarnsOncePerLoadAndIsNeverWrittenBack)
{
    const Names warning{"\nYour configuration file contains an old \"ProductionFilePath\" item." +
                        std::string(40, ' ') +
                        "Please convert the press standard and remove the entry from the configuration file.\n"};
    const std::string legacy = xmlValue("ProductionFilePath", "C:\\old\\press.std");
    const std::string site = write("site.xml", groupXml(legacy));
    const std::string user = write("user.xml", groupXml(legacy + xmlValue("SigmaFilePathItem", "/sigma")));
    const std::string clean = write("clean.xml", groupXml(xmlValue("SigmaFilePathItem", "/s")));
    for (int load = 0; load < 2; ++load)
        EXPECT_EQ(m_manager.loadConfiguration({site}, user).warnings, warning) << "load " << load;
    EXPECT_EQ(m_group->getUserWarningMessages(), warning);
    EXPECT_TRUE(m_group->getEditable(Files::ProductionFilePathType));

    m_group->setCurrentSetSigmaFilePath("/sigma2");
    const QByteArray bytes = save(path("saved.xml"));
    EXPECT_FALSE(bytes.contains("ProductionFilePath"));
    EXPECT_TRUE(bytes.contains("/sigma2"));
    EXPECT_TRUE(save(user).contains("ProductionFilePath")) << "the user's own entry is the user's to remove";

    // Once the item is gone, so is the warning.
    EXPECT_TRUE(m_manager.loadConfiguration({clean}, path("saved.xml")).warnings.empty());
    Files copied;
    copied.copyFrom(*m_group);
    ConfigReader::fromFile(clean).readConfigurationObject(copied.getName(), copied);
    EXPECT_TRUE(copied.getUserWarningMessages().empty());
}

TEST(StandardFilesConfiguration, CopiesTakeValuesAndLeaveObserversAndTheRestrictionFlag)
{
    Files source;
    source.setStandardRestrictionDirectory("/restricted");
    source.setCurrentToolingPassword("pw");
    source.getConfigurationValue(Files::s_setSigmaFilePathTag)->setEditable(false);
    EmissionLog sourceLog;
    sourceLog.watch(source.m_languageChangedSignal, "language");

    Files copy(source);
    EXPECT_TRUE(copy.hasStandardRestrictionDirectory());
    EXPECT_EQ(copy.getCurrentToolingPassword(), "pw");
    EXPECT_FALSE(copy.getEditable(Files::SigmaFilePathType));
    copy.setCurrentLanguage("german");
    EXPECT_TRUE(sourceLog.emitted.empty()) << "the copy has observers of its own";

    Files target;
    EmissionLog log;
    watchAll(log, target);
    target.copyFrom(source);
    EXPECT_EQ(target.getStandardRestrictionDirectory(), "/restricted");
    EXPECT_FALSE(target.hasStandardRestrictionDirectory()) << "copyFrom leaves the flag as it was";
    EXPECT_EQ(target.getCurrentToolingPassword(), "pw");
    EXPECT_FALSE(target.getEditable(Files::SigmaFilePathType));
    EXPECT_EQ(log.emitted, Names{});
}

// The legacy item locks itself when a system file says so.
TEST(StandardFilesConfiguration, TheLegacyItemIsEditableUnlessASystemFileLocksIt)
{
    Files group;
    Testing::loadSystemFile(group, xmlValue("ProductionFilePath", "", " editable=\"false\""));
    EXPECT_FALSE(group.getEditable(Files::ProductionFilePathType));
}

TEST(StandardFilesConfiguration, SavingEverythingScramblesThePasswords)
{
    Files group;
    group.setCurrentToolingPassword("plain one");
    group.setCurrentCoilPricesPassword("plain two");
    ConfigWriter writer;
    writer.putClassContents(group.getName(), group.getName(), group, "");
    const std::string xml = writer.toXml();
    EXPECT_EQ(xml.find("plain"), std::string::npos) << xml;
    Files reloaded;
    ASSERT_TRUE(ConfigReader::fromXml(xml).readConfigurationObject(reloaded.getName(), reloaded));
    EXPECT_EQ(reloaded.getCurrentToolingPassword(), "plain one");
    EXPECT_EQ(reloaded.getCurrentCoilPricesPassword(), "plain two");
    EXPECT_EQ(group.getCurrentToolingPassword(), "plain one");
}

}  // namespace
