#include "Platform/Core/Service/Registry/RegistryKey.h"

#include "TemporaryRegistry.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using Testing::TemporaryRegistry;

TEST(RegistryKey, ReadsKeyTreesFromTheFileTheEnvironmentNames)
{
    TemporaryRegistry registry;
    registry.writeRaw("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane\\Pressan R12]\n"
                      "Path=C:\\\\Program Files\\\\Pressan\n"
                      "Note=\"one, two\"\n"
                      "Unquoted=one, two\n"
                      "Name=Gr\xC3\xBC\xC3\x9F" "e\n"
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane\\Stagix R12]\n"
                      "Path=D:\\\\Stagix\n"
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\Elsewhere]\n"
                      "Path=x\n");
    RegistryKey suite("HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane");
    EXPECT_EQ(suite.childGroups(), (QStringList{"Pressan R12", "Stagix R12"}));
    suite.beginGroup("Pressan R12");
    EXPECT_EQ(suite.stringValue("Path"), "C:\\Program Files\\Pressan");
    EXPECT_EQ(suite.stringValue("Note"), "one, two");
    EXPECT_EQ(suite.stringValue("Unquoted"), "one, two");
    EXPECT_EQ(suite.stringValue("Name"), QString::fromUtf8("Grüße"));
    EXPECT_EQ(suite.stringValue("Missing"), "");
    suite.endGroup();
    suite.beginGroup("Stagix R12");
    EXPECT_EQ(suite.stringValue("Path"), "D:\\Stagix");
    suite.endGroup();
    EXPECT_TRUE(RegistryKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Nothing").childGroups().isEmpty());
}

TEST(RegistryKey, WithoutAUsableFileEveryKeyIsEmpty)
{
    const struct
    {
        const char* what;
        QByteArray content;  // null: the file does not exist
    } cases[] = {
        {"missing file", QByteArray()},
        {"not an INI file", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane\\A]\nPath=x\n[[unclosed\n=\n"},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.what);
        TemporaryRegistry registry;
        if (testCase.content.isNull())
            QFile::remove(registry.filePath());
        else
            registry.writeRaw(testCase.content);
        RegistryKey key("HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane");
        EXPECT_TRUE(key.childGroups().isEmpty());
        key.beginGroup("A");
        EXPECT_EQ(key.stringValue("Path"), "");
        key.endGroup();
    }
    qunsetenv(RegistryKey::s_registryFileVariable);
    EXPECT_TRUE(RegistryKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane").childGroups().isEmpty());
}

}  // namespace
