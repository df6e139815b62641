#include "Platform/Core/Presentation/Configuration/StandardFilesConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/Security/SecurityTools.h"
#include "EmissionLog.h"
#include "tests/Platform/Core/Service/Logging/LogCapture.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
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

const std::string s_legacyWarning = "\nYour configuration file contains an old \"ProductionFilePath\" item." +
                                    std::string(40, ' ') +
                                    "Please convert the press standard and remove the entry from the configuration "
                                    "file.\n";

#define WATCH(name) log.watch(#name, group.m_##name##ChangedSignal)
void watchAll(EmissionLog& log, Files& group)
{
    WATCH(language), WATCH(toolingPassword), WATCH(coilPricesPassword), WATCH(toolingFilePath);
    WATCH(diesetFilePath), WATCH(dieFaceFilePath), WATCH(ctrlParamFilePath), WATCH(sigmaFilePath);
    WATCH(evaluationFilePath), WATCH(loadDieFaceFilePath), WATCH(loadCtrlParamFilePath), WATCH(loadSigmaFilePath);
    WATCH(loadEvaluationFilePath), WATCH(enableNewWithStandard);
}
#undef WATCH

std::string stringValue(const ConfigurationObject& group, const std::string& key)
{
    return dynamic_cast<const ConfigurationValue<std::string>&>(*group.getConfigurationValue(key)).getValue();
}

std::string xmlValue(const std::string& key, const std::string& text, const std::string& attributes = {})
{
    return "<value key=\"" + key + "\" type=\"string\"" + attributes + ">" + text + "</value>";
}

std::string groupXml(const std::string& values)
{
    return "<QuarvaneConfiguration version=\"1\"><object name=\"StandardFilesConfiguration\">" + values +
           "</object></QuarvaneConfiguration>";
}

class StandardFilesFiles : public ::testing::Test
{
protected:
    std::string write(const std::string& name, const std::string& text)
    {
        QFile file(m_folder.filePath(QString::fromStdString(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(text));
        return file.fileName().toStdString();
    }
    std::string path(const std::string& name) const
    {
        return m_folder.filePath(QString::fromStdString(name)).toStdString();
    }
    static QByteArray read(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
};

TEST(StandardFilesConfiguration, LanguageDefaultFollowsTheApplicationsLanguageProperty)
{
    EXPECT_EQ(Files().getCurrentLanguage(), "english") << "no application object";
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const std::pair<QVariant, const char*> cases[] = {
        {QVariant(), "english"}, {QString("ja"), "japanese"}, {QString("jap"), "english"}, {QString("de"), "english"}};
    for (const auto& [property, language] : cases)
    {
        application.setProperty("language", property);
        EXPECT_EQ(Files().getCurrentLanguage(), language) << property.toString().toStdString();
    }
}

TEST(StandardFilesConfiguration, SettersNotifyTheirOwnSignalOnlyOnChange)
{
    const struct
    {
        const std::string& key;
        void (Files::*set)(const std::string&);
        const char* signal;
    } cases[] = {
        {Files::s_languageTag, &Files::setCurrentLanguage, "language"},
        {Files::s_coilPricesPasswordTag, &Files::setCurrentCoilPricesPassword, "coilPricesPassword"},
        {Files::s_setCtrlParamFilepathTag, &Files::setCurrentSetCtrlParamFilePath, "ctrlParamFilePath"},
        {Files::s_loadEvaluationFilepathTag, &Files::setCurrentLoadEvaluationFilePath, "loadEvaluationFilePath"},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.key);
        Files group;
        EmissionLog log;
        watchAll(log, group);
        (group.*testCase.set)(stringValue(group, testCase.key));
        (group.*testCase.set)("\\\\server\\standards\\ü");
        (group.*testCase.set)("\\\\server\\standards\\ü");
        EXPECT_EQ(stringValue(group, testCase.key), "\\\\server\\standards\\ü");
        EXPECT_EQ(log.emitted, Names{testCase.signal});
    }
    Files group;
    EmissionLog log;
    watchAll(log, group);
    group.setEnableNewWithStandard(false);
    group.setEnableNewWithStandard(true);
    EXPECT_TRUE(group.getEnableNewWithStandard());
    group.previewDiesetFile();
    group.previewToolingFile();
    EXPECT_EQ(log.emitted, (Names{"enableNewWithStandard", "diesetFilePath", "toolingFilePath"}));
}

TEST(StandardFilesConfiguration, RestrictionDirectoryIsLoggedCheckedAndKeptWithoutASignal)
{
    QTemporaryDir existing;
    const std::string missing = existing.path().toStdString() + "/not-there";
    const std::string start = "StandardFilesConfiguration::setStandardRestrictionDirectory: ";
    Files group;
    EmissionLog log;
    watchAll(log, group);
    LogCapture capture;

    group.setStandardRestrictionDirectory(missing);
    EXPECT_EQ(group.getStandardRestrictionDirectory(), missing);
    EXPECT_TRUE(group.hasStandardRestrictionDirectory());
    group.setStandardRestrictionDirectory(missing);
    group.setStandardRestrictionDirectory(existing.path().toStdString());
    EXPECT_TRUE(group.hasStandardRestrictionDirectory());
    group.setStandardRestrictionDirectory("");
    EXPECT_FALSE(group.hasStandardRestrictionDirectory());
    EXPECT_EQ(group.getStandardRestrictionDirectory(), "");

    const std::string dir = existing.path().toStdString();
    EXPECT_EQ(capture.messages(),
              (Names{start + missing + " :Start", "Invalid Restriction directory " + missing,
                     start + missing + " :Done", start + missing + " :Start", start + missing + " :Done",
                     start + dir + " :Start", start + dir + " :Done", start + " :Start", start + " :Done"}));
    for (const LogCapture::Line& line : capture.lines)
    {
        EXPECT_EQ(line.type, line.message.rfind("Invalid", 0) == 0 ? QtInfoMsg : QtDebugMsg);
        EXPECT_EQ(line.category, "quarvane.StandardFilesConfiguration");
        EXPECT_NE(line.file.find("StandardFilesConfiguration.cpp"), std::string::npos);
        EXPECT_NE(line.function.find("StandardFilesConfiguration::setStandardRestrictionDirectory("),
                  std::string::npos);
        EXPECT_GT(line.line, 0);
    }
    EXPECT_EQ(log.emitted, Names{});
}

TEST_F(StandardFilesFiles, PasswordsAreScrambledAtRestAndPlainInMemory)
{
    const std::string tooling = "t00ling-Pässwort";
    const std::string coil = "coil prices 2024";
    const std::string user = path("user.xml");
    {
        ConfigurationManager manager;
        auto group = std::make_shared<Files>();
        manager.addConfigurationObject(group, group->getName());
        group->setCurrentToolingPassword(tooling);
        group->setCurrentCoilPricesPassword(coil);
        group->setCurrentSetToolingFilePath("//server/tooling");
        std::string error;
        ASSERT_TRUE(manager.saveUserConfiguration(user, &error)) << error;
        EXPECT_EQ(group->getCurrentToolingPassword(), tooling) << "saving leaves the plain text in memory";
    }
    const QByteArray bytes = read(user);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(tooling)));
    EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(coil)));
    EXPECT_FALSE(bytes.contains("coil prices"));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(SecurityTools::scrambleStringBase64(tooling))));
    EXPECT_TRUE(bytes.contains("//server/tooling"));

    ConfigurationManager manager;
    auto group = std::make_shared<Files>();
    manager.addConfigurationObject(group, group->getName());
    EmissionLog log;
    watchAll(log, *group);
    const ConfigurationLoadResult result = manager.loadConfiguration({}, user);
    EXPECT_TRUE(result.isClean());
    EXPECT_EQ(group->getCurrentToolingPassword(), tooling);
    EXPECT_EQ(group->getCurrentCoilPricesPassword(), coil);
    EXPECT_EQ(group->getCurrentSetToolingFilePath(), "//server/tooling");
    EXPECT_EQ(log.emitted, (Names{"language", "toolingPassword", "coilPricesPassword", "toolingFilePath",
                                  "diesetFilePath", "dieFaceFilePath", "ctrlParamFilePath", "sigmaFilePath",
                                  "evaluationFilePath", "loadDieFaceFilePath", "loadCtrlParamFilePath",
                                  "loadSigmaFilePath", "loadEvaluationFilePath", "enableNewWithStandard"}));
}

// A system file that locks a password sets it for everybody: the user file cannot change it and
// the group does not write it back. Files that do not hold a password leave it as it was.
TEST_F(StandardFilesFiles, ALockedPasswordComesFromTheSystemFileOnly)
{
    const std::string site =
        write("site.xml", groupXml(xmlValue("ToolingPassword", SecurityTools::scrambleStringBase64("site secret"),
                                            " editable=\"false\"") +
                                   xmlValue("CoilPricesPassword", SecurityTools::scrambleStringBase64("site coil"))));
    const std::string user =
        write("user.xml", groupXml(xmlValue("ToolingPassword", SecurityTools::scrambleStringBase64("user secret")) +
                                   xmlValue("DiesetFilePath", "/diesets")));
    ConfigurationManager manager;
    auto group = std::make_shared<Files>();
    manager.addConfigurationObject(group, group->getName());
    manager.loadConfiguration({site}, user);
    EXPECT_EQ(group->getCurrentToolingPassword(), "site secret");
    EXPECT_EQ(group->getCurrentCoilPricesPassword(), "site coil");
    EXPECT_FALSE(group->getEditable(Files::ToolingPasswordType));
    EXPECT_TRUE(group->getEditable(Files::CoilPricesPasswordType));

    group->setCurrentCoilPricesPassword("mine");
    std::string error;
    ASSERT_TRUE(manager.saveUserConfiguration(user, &error)) << error;
    // The user's own entry for the locked password stays in the file as it was (scrambled); the
    // administrator's password is not copied into it.
    const QByteArray bytes = read(user);
    EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(SecurityTools::scrambleStringBase64("site secret"))));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(SecurityTools::scrambleStringBase64("user secret"))));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(SecurityTools::scrambleStringBase64("mine"))));
    EXPECT_FALSE(bytes.contains("secret"));
    EXPECT_FALSE(bytes.contains("mine"));

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
    const std::string scrambled = SecurityTools::scrambleStringBase64("secret");
    const struct
    {
        const char* what;
        std::string stored;
        std::string loaded;
    } cases[] = {
        {"typed in plain", "hunter2", "hunter2"},
        {"truncated", scrambled.substr(0, 8), scrambled.substr(0, 8)},
        {"empty", "", ""},
        {"scrambled", scrambled, "secret"},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.what);
        Files group;
        group.setCurrentToolingPassword("before");
        ConfigReader reader = ConfigReader::fromXml(groupXml(xmlValue("ToolingPassword", testCase.stored)));
        reader.readConfigurationObject(group.getName(), group);
        EXPECT_EQ(group.getCurrentToolingPassword(), testCase.loaded);
    }

    // A file without passwords leaves them as they were, even one that looks scrambled.
    Files untouched;
    untouched.setCurrentCoilPricesPassword(scrambled);
    ConfigReader::fromXml(groupXml(xmlValue("DiesetFilePath", "/d")))
        .readConfigurationObject("StandardFilesConfiguration", untouched);
    EXPECT_EQ(untouched.getCurrentCoilPricesPassword(), scrambled);

    // A value of the wrong type keeps the password, and the warning does not show it.
    Files group;
    group.setCurrentToolingPassword("hunter2");
    group.setCurrentSetDiesetFilePath("/diesets");
    ConfigReader reader =
        ConfigReader::fromXml(groupXml("<value key=\"ToolingPassword\" type=\"int\">5</value>"
                                       "<value key=\"DiesetFilePath\" type=\"bool\">true</value>"));
    reader.readConfigurationObject(group.getName(), group);
    EXPECT_EQ(group.getCurrentToolingPassword(), "hunter2");
    ASSERT_EQ(reader.warnings().size(), 2u);
    EXPECT_EQ(reader.warnings()[0].find("hunter2"), std::string::npos) << reader.warnings()[0];
    EXPECT_EQ(reader.warnings()[0].find(SecurityTools::scrambleStringBase64("hunter2")), std::string::npos);
    EXPECT_NE(reader.warnings()[0].find("ToolingPassword: stored as int"), std::string::npos);
    EXPECT_NE(reader.warnings()[1].find("the value stays /diesets"), std::string::npos) << "other values are shown";
}

TEST_F(StandardFilesFiles, TheLegacyItemWarnsOncePerLoadAndIsNeverWrittenBack)
{
    const std::string legacy = xmlValue("ProductionFilePath", "C:\\old\\press.std");
    const std::string site = write("site.xml", groupXml(legacy));
    const std::string user = write("user.xml", groupXml(legacy + xmlValue("SigmaFilePathItem", "/sigma")));
    const std::string clean = write("clean.xml", groupXml(xmlValue("SigmaFilePathItem", "/s")));

    ConfigurationManager manager;
    auto group = std::make_shared<Files>();
    manager.addConfigurationObject(group, group->getName());
    for (int load = 0; load < 2; ++load)
    {
        const ConfigurationLoadResult result = manager.loadConfiguration({site}, user);
        EXPECT_EQ(result.warnings, Names{s_legacyWarning}) << "load " << load;
    }
    EXPECT_EQ(group->getUserWarningMessages(), Names{s_legacyWarning});
    EXPECT_TRUE(group->getEditable(Files::ProductionFilePathType));

    group->setCurrentSetSigmaFilePath("/sigma2");
    std::string error;
    ASSERT_TRUE(manager.saveUserConfiguration(user, &error)) << error;
    EXPECT_FALSE(read(user).contains("ProductionFilePath"));
    EXPECT_TRUE(read(user).contains("/sigma2"));

    // Once the item is gone, so is the warning.
    EXPECT_TRUE(manager.loadConfiguration({clean}, user).warnings.empty());
    Files copied;
    copied.copyFrom(*group);
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
    sourceLog.watch("language", source.m_languageChangedSignal);

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

    std::unique_ptr<ConfigurationObject> fresh(target.createConfigurationObject());
    ASSERT_NE(dynamic_cast<Files*>(fresh.get()), nullptr);
    EXPECT_EQ(dynamic_cast<Files&>(*fresh).getCurrentToolingPassword(), "");
}

TEST(StandardFilesConfiguration, EditableByTypeNumberIncludingTheLegacyItem)
{
    const std::pair<int, const char*> selected[] = {
        {0, "Language"}, {2, "DiesetFilePath"}, {12, "ToolingPassword"}, {14, "StandardRestrictionDirectory"}};
    for (const auto& [number, key] : selected)
    {
        Files group;
        group.getConfigurationValue(key)->setEditable(false);
        for (int other = -1; other <= 17; ++other)
            EXPECT_EQ(group.getEditable(static_cast<Files::StandardFilesConfigTypes>(other)), other != number)
                << key << " " << other;
    }
    // The legacy item locks itself when a system file says so.
    Files group;
    ConfigReader::fromXml(groupXml(xmlValue("ProductionFilePath", "", " editable=\"false\"")))
        .readConfigurationObject(group.getName(), group);
    EXPECT_FALSE(group.getEditable(Files::ProductionFilePathType));
    EXPECT_TRUE(group.getEditable(Files::LanguageType));
    group.setEditable(false);
    EXPECT_FALSE(group.getEditable(static_cast<Files::StandardFilesConfigTypes>(16)));
}

// Hands the writer to the group's three-argument save, inside an object of the group's name.
class SavedThroughReference : public ConfigurationObject
{
public:
    explicit SavedThroughReference(const Files& group) : ConfigurationObject(group.getName(), "", 0, 63), m_group(group)
    {
    }
    void saveContent(ConfigWriter& writer) const override
    {
        ConfigReader nothing;
        m_group.saveContent(writer, nothing, false);
    }

private:
    const Files& m_group;
};

TEST(StandardFilesConfiguration, SavingEverythingScramblesThePasswords)
{
    Files group;
    group.setCurrentToolingPassword("plain one");
    group.setCurrentCoilPricesPassword("plain two");
    for (const bool throughReference : {false, true})
    {
        ConfigWriter writer;
        if (throughReference)
            writer.putClassContents(group.getName(), group.getName(), SavedThroughReference(group), "");
        else
            writer.putClassContents(group.getName(), group.getName(), group, "");
        const std::string xml = writer.toXml();
        EXPECT_EQ(xml.find("plain"), std::string::npos) << xml;
        Files reloaded;
        ASSERT_TRUE(ConfigReader::fromXml(xml).readConfigurationObject(reloaded.getName(), reloaded));
        EXPECT_EQ(reloaded.getCurrentToolingPassword(), "plain one");
        EXPECT_EQ(reloaded.getCurrentCoilPricesPassword(), "plain two");
        EXPECT_EQ(reloaded.getCurrentLanguage(), "english");
    }
    EXPECT_EQ(group.getCurrentToolingPassword(), "plain one");
}

}  // namespace
