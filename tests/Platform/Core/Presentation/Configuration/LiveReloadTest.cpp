// Reloading changed files tells each group's observers exactly what changed, in the group's order.
#include "GroupTestSupport.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"

#include <gmock/gmock.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Engine = DrawingEngineConfiguration;

struct Reload
{
    const char* name;
    std::string engineAfter;
    std::string colorsAfter;
    Log emissions;
};

TEST(GroupLiveReload, EmitsTheSignalsOfExactlyTheValuesThatChanged)
{
    const std::string engineBefore =
        storedValue(Engine::s_viewLabelFontSize, "int", "12") + storedValue(Engine::s_antiAliasingMode, "int", "1");
    const std::string colorsBefore = storedColor("BackgroundTopColor", "0.5");
    const std::vector<Reload> reloads = {
        {"nothing changed", engineBefore, colorsBefore, {}},
        {"one engine value",
         storedValue(Engine::s_viewLabelFontSize, "int", "14") + storedValue(Engine::s_antiAliasingMode, "int", "1"),
         colorsBefore, {"fontSize(14)"}},
        {"two engine values, in the group's order",
         storedValue(Engine::s_viewLabelFontSize, "int", "16") + storedValue(Engine::s_antiAliasingMode, "int", "2"),
         colorsBefore, {"antiAliasing(2)", "fontSize(16)"}},
        {"one colour", engineBefore, storedColor("BackgroundTopColor", "1"),
         {"colorChanged(" + std::to_string(ColorConfiguration::BackgroundTopColor) + ")", "configurationChanged()"}},
    };
    for (const Reload& reload : reloads)
    {
        SCOPED_TRACE(reload.name);
        QTemporaryDir dir;
        const auto userFile = [&](const std::string& engine, const std::string& colors) {
            return writeFile(dir, "user.xml",
                             configurationXml(storedObject("DrawingEngineConfiguration", engine) +
                                              storedObject("ColorConfiguration", colors)));
        };
        const std::string user = userFile(engineBefore, colorsBefore);
        ConfigurationManager manager;
        auto engine = std::make_shared<Engine>();
        auto colors = std::make_shared<ColorConfiguration>();
        manager.addConfigurationObject(engine, "DrawingEngineConfiguration");
        manager.addConfigurationObject(colors, "ColorConfiguration");
        manager.loadConfiguration({}, user);

        EmissionLog log;
        log.watch(engine->m_driverTypeChangedSignal, "driverType")
            .watch(engine->m_antiAliasingModeChangedSignal, "antiAliasing")
            .watch(engine->m_viewLabelFontSizeChangedSignal, "fontSize")
            .watch(colors->signalColorChanged, "colorChanged")
            .watch(colors->signalAllColorsChanged, "allColorsChanged")
            .watch(colors->signalConfigurationChanged, "configurationChanged");
        userFile(reload.engineAfter, reload.colorsAfter);
        EXPECT_TRUE(manager.reloadConfiguration().errors.empty());
        EXPECT_EQ(log.entries, reload.emissions);
    }
}

}  // namespace
