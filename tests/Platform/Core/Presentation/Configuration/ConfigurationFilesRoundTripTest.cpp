#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"
#include "Platform/Core/Presentation/Configuration/SkinConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <gtest/gtest.h>

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <string>

namespace Quarvane
{
namespace
{
std::string readFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Every registered group written whole, as an administrator exports a site file.
std::string writeWholeGroups(ConfigurationManager& manager, const std::string& path)
{
    ConfigWriter writer;
    for (const std::string& name : manager.getConfigurationObjectNames())
        writer.putClassContents(name, name, *manager.getConfigurationObject(name), "");
    std::string error;
    EXPECT_TRUE(writer.writeToFile(path, &error)) << error;
    return readFile(path);
}

// Changes a value of each skin, a colour and the auto-save options.
void changeValues(double offset, float red, int interval)
{
    for (const auto& skin : ExportOffsetSurfaceConfiguration::getRegisteredInstance()->getConfigurationObjects())
        dynamic_cast<ConfigurationValue<double>&>(*skin->getConfigurationValue(SkinConfiguration::s_offsetTag))
            .setValue(offset);
    ColorConfiguration::getRegisteredInstance()->setColor(ColorConfiguration::Loop, ColorRGB(red, 0.5f, 0.75f));
    AutoSaveConfiguration::getRegisteredInstance()->setAutoSaveOptions(1, interval);
}

// Files this release wrote read back and save again byte for byte: the framework loses nothing
// and reorders nothing on the way, the colours and the offset-surface skins included.
TEST(ConfigurationFiles, FilesWrittenByThisReleaseSaveAgainByteForByte)
{
    QTemporaryDir folder;
    const std::string site = folder.filePath("site.xml").toStdString();
    const std::string user = folder.filePath("user.xml").toStdString();
    std::string siteBytes;
    std::string userBytes;
    std::string error;
    {
        ConfigurationManager::ScopedInstance scope;
        ConfigurationGroups::registerAll();
        changeValues(12.5, 0.25f, 20);
        siteBytes = writeWholeGroups(scope.manager(), site);
        scope.manager().loadConfiguration({site}, "");
        changeValues(-3.0, 0.125f, 30);
        ASSERT_TRUE(scope.manager().saveUserConfiguration(user, &error)) << error;
        userBytes = readFile(user);
    }
    ASSERT_NE(userBytes.find("ObjectColor"), std::string::npos) << userBytes;
    ASSERT_NE(userBytes.find("SkinConfiguration"), std::string::npos) << userBytes;
    {
        ConfigurationManager::ScopedInstance scope;
        ConfigurationGroups::registerAll();
        const ConfigurationLoadResult loaded = scope.manager().loadConfiguration({site}, user);
        EXPECT_TRUE(loaded.isClean()) << (loaded.warnings.empty() ? "" : loaded.warnings.front());
        ASSERT_TRUE(scope.manager().saveUserConfiguration(user, &error)) << error;
        EXPECT_EQ(readFile(user), userBytes);
    }
    {
        ConfigurationManager::ScopedInstance scope;
        ConfigurationGroups::registerAll();
        scope.manager().loadConfiguration({site}, "");
        EXPECT_EQ(writeWholeGroups(scope.manager(), site), siteBytes);
    }
}

}  // namespace
}  // namespace Quarvane
