// Uses the installed library as an application would: through the umbrella header, the
// registered auto-save group and the process-wide configuration manager.
#include "Platform/Core/Presentation/Configuration/PresentationConfiguration.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    using namespace Quarvane;
    AutoSaveConfiguration* autoSave = AutoSaveConfiguration::getRegisteredInstance();
    int emissions = 0;
    autoSave->m_autoSaveOptionsChangedSignal.connect([&](int, int) { ++emissions; });
    autoSave->setAutoSaveOptions(1, 10);

    std::string error;
    if (!ConfigurationManager::getInstance().saveUserConfiguration(argv[1], &error))
    {
        std::cerr << error << '\n';
        return 1;
    }
    AutoSaveConfiguration reloaded;
    if (!ConfigReader::fromFile(argv[1]).readConfigurationObject(reloaded.getName(), reloaded))
        return 1;
    std::cout << "interval " << reloaded.getAutoSaveIntervalInMinutes() << ", emissions " << emissions << '\n';
    return reloaded.getAutoSaveIntervalInMinutes() == 10 && emissions == 1 ? 0 : 1;
}
