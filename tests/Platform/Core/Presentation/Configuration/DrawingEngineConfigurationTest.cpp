#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"

#include "GroupTestSupport.h"

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Group = DrawingEngineConfiguration;

void watchAll(EmissionLog& log, Group& group)
{
    log.watch(group.m_driverTypeChangedSignal, "driver")
        .watch(group.m_antiAliasingModeChangedSignal, "antiAliasing")
        .watch(group.m_viewLabelFontSizeChangedSignal, "fontSize");
}

TEST(DrawingEngineConfiguration, SettersCompareBeforeClampingAndOnlyTheNotifyingOnesEmit)
{
    expectEmissions(watchAll, {
        {"same font size", [](Group& g) { g.setViewLabelFontSize(11); }, {}},
        {"font size below the range", [](Group& g) { g.setViewLabelFontSize(5); }, {"fontSize(10)"}},
        {"25 while 18 is stored", [](Group& g) { g.setViewLabelFontSize(18); g.setViewLabelFontSize(25); },
         {"fontSize(18)", "fontSize(18)"}},
        {"unknown driver type is taken", [](Group& g) { g.setDriverType(static_cast<Group::DriverType>(7)); },
         {"driver(7)"}},
        {"same anti-aliasing", [](Group& g) { g.setAntiAliasingMode(Group::NoAntiAliasing); }, {}},
        {"recording setters", [](Group& g) {
             g.setUsedDriverType(Group::GDI); g.setUsedAntiAliasingMode(Group::AntiAliasing4x);
             g.setNoOfBytesUsedForDssCache(1); g.setUseHardwareAcceleratedOffscreenRendering(false);
         }, {}},
    });
    Group group;
    group.setViewLabelFontSize(5);
    EXPECT_EQ(group.getViewLabelFontSize(), 10);
}

TEST(DrawingEngineConfiguration, CopyFromReportsOnlyTheThreeWatchedValuesThatDiffered)
{
    Group source, group;
    source.setViewLabelFontSize(14);
    source.setAntiAliasingMode(Group::AntiAliasing2x);
    source.setUsedDriverType(Group::GDI);
    EmissionLog log;
    watchAll(log, group);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), (Log{"antiAliasing(2)", "fontSize(14)"}));
    EXPECT_EQ(group.getUsedDriverType(), Group::GDI);
    group.copyFrom(source);
    EXPECT_TRUE(log.entries.empty());
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.entries, (Log{"driver(0)", "antiAliasing(2)", "fontSize(14)"}));
}

TEST(DrawingEngineConfiguration, LoadingRepairsUnknownModesAndFontSizes)
{
    // The framework keeps locked and unreadable values as they are; what is checked here is each rule.
    expectLoaded<Group>({
        {"DriverType", "int", "7", "1"},         {"DriverType", "int", "-1", "1"},
        {"DriverType", "int", "3", "3"},         {"AntiAliasingMode", "int", "0", "1"},
        {"AntiAliasingMode", "int", "4", "1"},   {"AntiAliasingMode", "int", "3", "3"},
        {"ViewLabelFontSize", "int", "9", "10"}, {"ViewLabelFontSize", "int", "30", "18"},
    });
}

TEST(DrawingEngineConfiguration, ToolkitNamesOfTheDrivers)
{
    const std::pair<int, const char*> names[] = {{0, "dx11"},     {1, "opengl2"},  {2, "msw"},
                                                 {3, "3ddriver"}, {42, "opengl2"}, {-1, "opengl2"}};
    for (const auto& [type, name] : names)
        EXPECT_EQ(Group::getHoopsDriverTypeNotation(static_cast<Group::DriverType>(type)), name) << type;
}

}  // namespace
