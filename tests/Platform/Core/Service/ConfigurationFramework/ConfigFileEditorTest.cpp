#include "Platform/Core/Service/ConfigurationFramework/ConfigFileEditor.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace Quarvane
{
namespace
{
const char* const s_original = R"(<?xml version="1.0" encoding="UTF-8"?>
<QuarvaneConfiguration version="1">
  <object name="Future"><value key="Anything" type="int">1</value></object>
  <object name="Group">
    <value key="Kept" type="int">1</value>
    <value key="Size" type="int" description="Said once">5</value>
    <object class="Colour" name="Sky" editable="false">
      <value key="r" type="float">0.5</value>
    </object>
  </object>
</QuarvaneConfiguration>
)";

const ConfigFileEditor::ObjectPath s_group{{"", "Group"}};
const ConfigFileEditor::ObjectPath s_sky{{"", "Group"}, {"Colour", "Sky"}};

class ConfigFileEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_path = m_folder.filePath("site.xml").toStdString();
        QFile file(QString::fromStdString(m_path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(s_original);
        file.close();
        ASSERT_TRUE(QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    }

    std::string saved() const
    {
        QFile file(QString::fromStdString(m_path));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir m_folder;
    std::string m_path;
};

// Each edit changes what it names and nothing else: the unknown group and the other values stay.
TEST_F(ConfigFileEditorTest, EditsOneEntryAndKeepsTheRest)
{
    const struct
    {
        const char* name;
        std::function<bool(ConfigFileEditor&)> edit;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    } cases[] = {
        {"put replaces",
         [](ConfigFileEditor& e) { return e.putValue(s_group, "Size", "int", "7"), true; },
         {R"(<value key="Size" type="int" description="Said once">7</value>)"},
         {">5<"}},
        {"put creates the way",
         [](ConfigFileEditor& e) { return e.putValue({{"", "New"}, {"Colour", "Sea"}}, "g", "float", "1"), true; },
         {R"(<object name="New">)", R"(<object class="Colour" name="Sea">)", ">1</value>"},
         {}},
        {"lock a value",
         [](ConfigFileEditor& e) { return e.setEditable(s_group, "Size", false); },
         {R"(key="Size" type="int" editable="false")"},
         {}},
        {"lock a missing group creates it",
         [](ConfigFileEditor& e) { return e.setEditable({{"", "Other"}}, "", false); },
         {R"(<object name="Other" editable="false")"},
         {}},
        {"unlock everything inside",
         [](ConfigFileEditor& e) { return e.unlockAll(s_group); },
         {R"(<object class="Colour" name="Sky">)"},
         {"editable"}},
        {"remove a value",
         [](ConfigFileEditor& e) { return e.remove(s_group, "Size"); },
         {R"(key="Kept")"},
         {R"(key="Size")"}},
        {"remove a group",
         [](ConfigFileEditor& e) { return e.remove(s_group, ""); },
         {R"(<object name="Future">)"},
         {R"(name="Group")"}},
        // The emptied colour stays: it carries the lock.
        {"remove keeps a locking object",
         [](ConfigFileEditor& e) { return e.remove(s_sky, "r"); },
         {R"(name="Sky" editable="false")"},
         {R"(key="r")"}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        SetUp();
        ConfigFileEditor editor;
        std::string error;
        ASSERT_TRUE(editor.open(m_path, &error)) << error;
        ASSERT_TRUE(test.edit(editor));
        ASSERT_TRUE(editor.save(&error)) << error;
        const std::string text = saved();
        for (const std::string& expected : test.present)
            EXPECT_NE(text.find(expected), std::string::npos) << text;
        for (const std::string& unexpected : test.absent)
            EXPECT_EQ(text.find(unexpected), std::string::npos) << text;
        EXPECT_NE(text.find(R"(<value key="Anything" type="int">1</value>)"), std::string::npos) << text;
        EXPECT_TRUE(ConfigReader::fromFile(m_path).isValid());
        EXPECT_TRUE(QFile::permissions(QString::fromStdString(m_path)) & QFile::ReadOther);
    }
}

TEST_F(ConfigFileEditorTest, ReadsLocksAndStoredText)
{
    ConfigFileEditor editor;
    ASSERT_TRUE(editor.open(m_path, nullptr));
    EXPECT_EQ(editor.lockOf(s_sky, "r"), m_path + ":7");
    EXPECT_EQ(editor.lockOf(s_group, "Size"), "");
    std::string text;
    EXPECT_TRUE(editor.storedText(s_group, "Size", text));
    EXPECT_EQ(text, "5");
    EXPECT_FALSE(editor.storedText(s_group, "Missing", text));
    EXPECT_FALSE(editor.remove(s_group, "Missing"));
    EXPECT_FALSE(editor.setEditable(s_group, "Missing", false));
}

}  // namespace
}  // namespace Quarvane
