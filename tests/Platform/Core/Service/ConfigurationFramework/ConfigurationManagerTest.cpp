#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "SampleObjects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtCore/QDir>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using ::testing::HasSubstr;
using ::testing::Not;

class ConfigurationManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        manager.addConfigurationObject(group, "SampleGroup");
        manager.addConfigurationObject(palette, "SamplePalette");
        userFile = dir.filePath("user.xml").toStdString();
    }

    std::string file(const std::string& name, const std::string& objects)
    {
        return writeFile(dir, name, configurationXml(objects));
    }

    std::string save()
    {
        std::string error;
        EXPECT_TRUE(manager.saveUserConfiguration(userFile, &error)) << error;
        return readFile(userFile);
    }

    QTemporaryDir dir;
    ConfigurationManager manager;
    std::shared_ptr<SampleGroup> group = std::make_shared<SampleGroup>();
    std::shared_ptr<SamplePalette> palette = std::make_shared<SamplePalette>();
    std::string userFile;
};

TEST_F(ConfigurationManagerTest, RegistersEachNameOnce)
{
    EXPECT_FALSE(manager.addConfigurationObject(std::make_shared<SampleGroup>(), "SampleGroup"));
    EXPECT_FALSE(manager.addConfigurationObject(nullptr, "Nothing"));
    EXPECT_EQ(manager.getConfigurationObject("SampleGroup"), group.get());
    EXPECT_EQ(manager.getConfigurationObject("Nothing"), nullptr);
    EXPECT_EQ(manager.getConfigurationObjectNames(), (std::vector<std::string>{"SampleGroup", "SamplePalette"}));
}

TEST_F(ConfigurationManagerTest, UserFileOverridesSystemFilesWhichApplyInOrder)
{
    const std::string site = file("site.xml", "<object name=\"SampleGroup\">"
                                              "<value key=\"Count\" type=\"int\">10</value>"
                                              "<value key=\"Factor\" type=\"double\">1.5</value></object>");
    const std::string department = file("dept.xml", "<object name=\"SampleGroup\">"
                                                    "<value key=\"Count\" type=\"int\">20</value></object>");
    file("user.xml", "<object name=\"SampleGroup\"><value key=\"Factor\" type=\"double\">2.5</value></object>");

    const ConfigurationLoadResult result = manager.loadConfiguration({site, department}, userFile);
    EXPECT_TRUE(result.isClean());
    EXPECT_EQ(group->value<int>("Count").getValue(), 20);
    EXPECT_EQ(group->value<double>("Factor").getValue(), 2.5);
    EXPECT_EQ(group->loads, 3);
    EXPECT_EQ(group->emissions, 1);
}

TEST_F(ConfigurationManagerTest, SystemFileLocksValuesObjectsAndGroups)
{
    const std::string site = file("site.xml",
                                  "<object name=\"SampleGroup\">"
                                  "<value key=\"Count\" type=\"int\" editable=\"false\">10</value></object>"
                                  "<object name=\"SamplePalette\" editable=\"false\">"
                                  "<value key=\"Version\" type=\"int\">3</value></object>");
    file("user.xml", "<object name=\"SampleGroup\">"
                     "<value key=\"Count\" type=\"int\">99</value><value key=\"Mask\" type=\"uint\">1</value></object>"
                     "<object name=\"SamplePalette\"><value key=\"Version\" type=\"int\">4</value>"
                     "<object class=\"SampleColor\" name=\"Background\"><value key=\"r\" type=\"float\">1</value>"
                     "<value key=\"g\" type=\"float\">1</value><value key=\"b\" type=\"float\">1</value></object>"
                     "</object>");

    manager.loadConfiguration({site}, userFile);
    EXPECT_EQ(group->value<int>("Count").getValue(), 10);
    EXPECT_FALSE(group->value<int>("Count").isEditable());
    EXPECT_EQ(group->value<unsigned int>("Mask").getValue(), 1u);
    EXPECT_FALSE(palette->isEditable());
    EXPECT_EQ(palette->getConfigurationValue("Version")->getValueText(), "3");
    EXPECT_EQ(palette->color("Background").r, 0.1f);
}

TEST_F(ConfigurationManagerTest, UserFileCannotLockAnything)
{
    file("user.xml", "<object name=\"SampleGroup\" editable=\"false\">"
                     "<value key=\"Count\" type=\"int\" editable=\"false\">3</value></object>");
    manager.loadConfiguration({}, userFile);
    EXPECT_EQ(group->value<int>("Count").getValue(), 3);
    EXPECT_TRUE(group->value<int>("Count").isEditable());
    EXPECT_TRUE(group->isEditable());
}

// That the user file cannot set them is checked with the other findings of a load.
TEST_F(ConfigurationManagerTest, AdministratorValuesComeFromSystemFilesAndAreNeverSavedNorAreRuntimeValues)
{
    const std::string site = file("site.xml", "<object name=\"SampleGroup\">"
                                              "<value key=\"Server\" type=\"string\">site-server</value></object>");
    manager.loadConfiguration({site}, userFile);
    EXPECT_EQ(group->value<std::string>("Server").getValue(), "site-server");
    group->value<std::string>("Server").setValue("changed");
    group->value<int>("Session").setValue(2);
    const std::string saved = save();
    EXPECT_THAT(saved, Not(HasSubstr(">changed<")));
    EXPECT_THAT(saved, Not(HasSubstr(">2<")));
}

TEST_F(ConfigurationManagerTest, SavesOnlyWhatDiffersFromDefaultsWithSystemFiles)
{
    const std::string site = file("site.xml", "<object name=\"SampleGroup\">"
                                              "<value key=\"Count\" type=\"int\">10</value>"
                                              "<value key=\"Mask\" type=\"uint\" editable=\"false\">3</value></object>");
    manager.loadConfiguration({site}, userFile);
    EXPECT_THAT(save(), Not(HasSubstr("SampleGroup"))) << "nothing differs yet";

    group->value<int>("Count").setValue(5);  // the built-in default, but not the site's value
    group->value<bool>("Enabled").setValue(true);
    group->value<unsigned int>("Mask").setValue(4);  // locked: never the user's to store
    const std::string saved = save();
    EXPECT_THAT(saved, HasSubstr("<value key=\"Count\" type=\"int\" description=\"a count\">5</value>"));
    EXPECT_THAT(saved, HasSubstr("key=\"Enabled\""));
    EXPECT_THAT(saved, Not(HasSubstr("key=\"Mask\"")));
    EXPECT_THAT(saved, Not(HasSubstr("key=\"Factor\"")));

    ConfigurationManager fresh;
    auto reloaded = std::make_shared<SampleGroup>();
    fresh.addConfigurationObject(reloaded, "SampleGroup");
    fresh.loadConfiguration({site}, userFile);
    EXPECT_EQ(reloaded->value<int>("Count").getValue(), 5);
    EXPECT_TRUE(reloaded->value<bool>("Enabled").getValue());
}

TEST_F(ConfigurationManagerTest, EntriesOfANewerReleaseSurviveLoadAndSave)
{
    file("user.xml", "<object name=\"FutureGroup\" since=\"7.2\">"
                     "<value key=\"Speed\" type=\"int\" unit=\"a &lt; b\">3</value></object>"
                     "<object name=\"SampleGroup\">"
                     "<value key=\"Count\" type=\"int\">11</value>"
                     "<value key=\"FutureKey\" type=\"quaternion\">1 0 0 0</value>"
                     "<object class=\"Future\" name=\"Nested\"><value key=\"x\" type=\"int\">1</value></object>"
                     "</object>"
                     "<object name=\"SamplePalette\">"
                     "<object class=\"SampleColor\" name=\"Background\"><value key=\"alpha\" type=\"float\">0.5</value>"
                     "</object></object>");
    manager.loadConfiguration({}, userFile);
    EXPECT_EQ(group->value<int>("Count").getValue(), 11);

    group->value<int>("Count").setValue(12);
    const std::string saved = save();
    EXPECT_THAT(saved, HasSubstr("<object name=\"FutureGroup\" since=\"7.2\">"));
    EXPECT_THAT(saved, HasSubstr("<value key=\"Speed\" type=\"int\" unit=\"a &lt; b\">3</value>"));
    EXPECT_THAT(saved, HasSubstr("<value key=\"FutureKey\" type=\"quaternion\">1 0 0 0</value>"));
    EXPECT_THAT(saved, HasSubstr("<object class=\"Future\" name=\"Nested\">"));
    EXPECT_THAT(saved, HasSubstr("<value key=\"alpha\" type=\"float\">0.5</value>"));
    EXPECT_THAT(saved, HasSubstr(">12</value>"));
    EXPECT_THAT(saved, Not(HasSubstr(">11</value>")));

    ConfigReader again = ConfigReader::fromFile(userFile);
    EXPECT_TRUE(again.isValid()) << again.errorString();
}

TEST_F(ConfigurationManagerTest, UnreadableUserFileIsReportedAppliesNothingAndIsKeptAside)
{
    file("user.xml", "<object name=\"SampleGroup\"><value key=\"Count\" type=\"int\">11</value>");
    const ConfigurationLoadResult result = manager.loadConfiguration({}, userFile);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_THAT(result.errors[0], HasSubstr(userFile + ":"));
    EXPECT_EQ(group->value<int>("Count").getValue(), 5);

    group->value<int>("Count").setValue(6);
    save();
    const QStringList aside = QDir(dir.path()).entryList({"user.xml.unreadable-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_THAT(readFile(dir.filePath(aside[0]).toStdString()), HasSubstr(">11</value>"));
    EXPECT_THAT(readFile(userFile), HasSubstr(">6</value>"));
    EXPECT_EQ(fileMode(dir.filePath(aside[0]).toStdString()), 0600u) << "it may hold passwords";
}

TEST_F(ConfigurationManagerTest, BrokenSystemFileIsSkippedButTheOthersApply)
{
    const std::string broken = writeFile(dir, "broken.xml", "<QuarvaneConfiguration>");
    const std::string site = file("site.xml", "<object name=\"SampleGroup\"><value key=\"Count\" type=\"int\">10</value>"
                                              "</object>");
    const ConfigurationLoadResult result =
        manager.loadConfiguration({broken, site, dir.filePath("absent.xml").toStdString()}, userFile);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_THAT(result.errors[0], HasSubstr("broken.xml:"));
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_THAT(result.warnings[0], HasSubstr("absent.xml"));
    EXPECT_EQ(group->value<int>("Count").getValue(), 10);
}

TEST_F(ConfigurationManagerTest, ObjectRegisteredAfterTheLoadStillGetsTheFiles)
{
    const std::string site = file("site.xml", "<object name=\"Latecomer\">"
                                              "<value key=\"Count\" type=\"int\" editable=\"false\">30</value></object>");
    file("user.xml", "<object name=\"Latecomer\"><value key=\"Factor\" type=\"double\">4</value></object>");
    manager.loadConfiguration({site}, userFile);

    auto late = std::make_shared<SampleGroup>("Latecomer");
    manager.addConfigurationObject(late, "Latecomer");
    EXPECT_EQ(late->value<int>("Count").getValue(), 30);
    EXPECT_FALSE(late->value<int>("Count").isEditable());
    EXPECT_EQ(late->value<double>("Factor").getValue(), 4.0);
    EXPECT_EQ(late->emissions, 1);

    // What it got from the files is not this process's change: another writer's value stays.
    file("user.xml", "<object name=\"Latecomer\"><value key=\"Factor\" type=\"double\">5</value></object>");
    EXPECT_THAT(save(), HasSubstr(">5</value>"));
    late->value<double>("Factor").setValue(6.0);
    EXPECT_THAT(save(), HasSubstr(">6</value>"));
}

TEST_F(ConfigurationManagerTest, ObjectRegisteringWhileALoadIsUnderWayGetsTheLoadedValues)
{
    file("user.xml", "<object name=\"Racer\"><value key=\"Count\" type=\"int\">42</value></object>");
    auto racer = std::make_shared<SampleGroup>("Racer");
    manager.setLoadHookForTesting([&] { manager.addConfigurationObject(racer, "Racer"); });
    manager.loadConfiguration({}, userFile);
    EXPECT_EQ(racer->value<int>("Count").getValue(), 42);
    EXPECT_EQ(racer->emissions, 1);
}

}  // namespace

namespace
{
// A group whose numbers carry rules: a clamped range, enforced choices and choices kept as stored.
class RuledGroup : public SampleGroup
{
public:
    RuledGroup() : SampleGroup("RuledGroup")
    {
        addConfigurationValue(new ConfigurationValue<int>("Size", "", 12, GuiVisibilities::Shown,
                                                          Persistences::UserSetting, Products::All,
                                                          ValueRule::range(10, 18, ValueRule::OnLoad::Clamp)));
        addConfigurationValue(new ConfigurationValue<int>("Mode", "", 1, GuiVisibilities::Shown,
                                                          Persistences::UserSetting, Products::All,
                                                          ValueRule::oneOf({{1, "One"}, {2, "Two"}}, 2)));
        addConfigurationValue(new ConfigurationValue<double>("Ratio", "", 0.5, GuiVisibilities::Shown,
                                                             Persistences::UserSetting, Products::All,
                                                             ValueRule::range(0, 1)));
    }
    ConfigurationObject* createConfigurationObject() const override { return new RuledGroup(); }
};

std::vector<std::string> findingTexts(const ConfigurationLoadResult& result)
{
    std::vector<std::string> texts;
    for (const ConfigurationFinding& finding : result.findings)
        texts.push_back(finding.toString());
    return texts;
}

TEST_F(ConfigurationManagerTest, TheLoadAccountNamesWhereEachValueCameFromAndWhichLockRefusedTheUser)
{
    const std::string site = file("site.xml", "<object name=\"SampleGroup\">\n"
                                              "<value key=\"Count\" type=\"int\" editable=\"false\">10</value>\n"
                                              "<value key=\"Mask\" type=\"uint\">8</value>\n"
                                              "</object>\n");
    file("user.xml", "<object name=\"SampleGroup\">\n"
                     "<value key=\"Count\" type=\"int\">99</value>\n"
                     "<value key=\"Factor\" type=\"double\">2.5</value>\n"
                     "</object>\n");
    const ConfigurationLoadResult result = manager.loadConfiguration({site}, userFile);

    EXPECT_EQ(result.originOf("SampleGroup", "Count").toString(), "system file " + site + ":4");
    EXPECT_EQ(result.originOf("SampleGroup", "Mask").toString(), "system file " + site + ":5");
    EXPECT_EQ(result.originOf("SampleGroup", "Factor").toString(), "user file " + userFile + ":5");
    EXPECT_EQ(result.originOf("SampleGroup", "Enabled").toString(), "default");
    EXPECT_EQ(result.originOf("SamplePalette", "Version").toString(), "default");

    ASSERT_EQ(result.findings.size(), 1u);
    const ConfigurationFinding& refused = result.findings[0];
    EXPECT_EQ(refused.file, userFile);
    EXPECT_EQ(refused.line, 4);
    EXPECT_EQ(refused.group, "SampleGroup");
    EXPECT_EQ(refused.key, "Count");
    EXPECT_EQ(refused.message, "ignored: the value is locked at " + site + ":4");
    EXPECT_EQ(result.warnings, findingTexts(result));
}

TEST_F(ConfigurationManagerTest, TheLoadReportsMisspeltNamesValuesForOtherFilesAndValuesOutsideTheirRules)
{
    manager.addConfigurationObject(std::make_shared<RuledGroup>(), "RuledGroup");
    const std::string site = file("site.xml", "<object name=\"RuledGroup\">\n"
                                              "<value key=\"Size\" type=\"int\" editable=\"false\">40</value>\n"
                                              "</object>\n");
    file("user.xml", "<object name=\"RuledGroup\">\n"
                     "<value key=\"Cuont\" type=\"int\">3</value>\n"
                     "<value key=\"Mode\" type=\"int\" locked=\"true\">7</value>\n"
                     "<value key=\"Ratio\" type=\"double\">1.5</value>\n"
                     "<value key=\"Server\" type=\"string\">mine</value>\n"
                     "<value key=\"Session\" type=\"int\">4</value>\n"
                     "<object class=\"SampleColor\" name=\"Backgrund\"/>\n"
                     "</object>\n"
                     "<object name=\"SamplePalette\">\n"
                     "<object class=\"SampleColor\" name=\"Background\"><value key=\"gg\" type=\"float\">1</value>"
                     "<value key=\"r\" type=\"float\">1</value></object>\n"
                     "</object>\n");
    const ConfigurationLoadResult result = manager.loadConfiguration({site}, userFile);
    const auto at = [this](int line) { return userFile + ":" + std::to_string(line) + ":"; };
    using ::testing::AllOf;
    using ::testing::StartsWith;
    EXPECT_THAT(findingTexts(result),
                ::testing::UnorderedElementsAre(
                    AllOf(StartsWith(at(5)), HasSubstr("RuledGroup/Mode: 7 is outside 1 One, 2 Two; repaired to 2")),
                    AllOf(StartsWith(at(6)), HasSubstr("RuledGroup/Ratio: 1.5 is outside 0..1; kept as stored")),
                    AllOf(StartsWith(at(7)), HasSubstr("RuledGroup/Server: an administrator value is read from "
                                                           "system files only; ignored")),
                    AllOf(StartsWith(at(8)), HasSubstr("RuledGroup/Session: a run-time value is never read")),
                    AllOf(StartsWith(at(4)),
                          HasSubstr("RuledGroup/Cuont: unknown key, kept as it is; did you mean \"Count\"?")),
                    AllOf(StartsWith(at(5)), HasSubstr("RuledGroup/Mode: unknown attribute \"locked\", ignored; "
                                                           "did you mean editable=\"false\"?")),
                    AllOf(StartsWith(at(9)), HasSubstr("RuledGroup/Backgrund: unknown object, kept as it is")),
                    AllOf(StartsWith(at(12)), HasSubstr("SamplePalette/Background/gg: unknown key, kept as it "
                                                            "is; did you mean \"g\"?"))));
    // A value the administrator locked stays as written, even outside its rule.
    RuledGroup& ruled = dynamic_cast<RuledGroup&>(*manager.getConfigurationObject("RuledGroup"));
    EXPECT_EQ(ruled.value<int>("Size").getValue(), 40);
    EXPECT_EQ(ruled.value<int>("Mode").getValue(), 2);
    EXPECT_EQ(ruled.value<double>("Ratio").getValue(), 1.5);
}

TEST_F(ConfigurationManagerTest, TheSchemaListsEveryDeclaredValueWithItsRule)
{
    manager.addConfigurationObject(std::make_shared<RuledGroup>(), "RuledGroup");
    const std::vector<ValueSchema> schema = manager.getSchema();
    const auto find = [&schema](const std::string& group, const std::string& key) {
        for (const ValueSchema& value : schema)
            if (value.group == group && value.key == key)
                return value;
        ADD_FAILURE() << group << "/" << key << " is not in the schema";
        return ValueSchema();
    };
    const ValueSchema mode = find("RuledGroup", "Mode");
    EXPECT_EQ(mode.type, "int");
    EXPECT_EQ(mode.defaultText, "1");
    EXPECT_EQ(mode.rule.describe(), "1 One, 2 Two");
    const ValueSchema server = find("SampleGroup", "Server");
    EXPECT_EQ(server.description, "site-wide");
    EXPECT_EQ(server.persistence, Persistences::AdminSetting);
    EXPECT_FALSE(server.rule.isDeclared());
    EXPECT_EQ(find("SampleGroup", "Session").visibility, GuiVisibilities::Hidden);
    const ValueRule size = find("RuledGroup", "Size").rule;
    EXPECT_EQ(size.describe(), "10..18");
    EXPECT_TRUE(size.allows(10) && size.allows(18));  // both ends belong to the range
    EXPECT_FALSE(size.allows(9.5) || size.allows(18.5));
}

}  // namespace
