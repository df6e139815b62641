#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"

#include "EmissionLog.h"
#include "ManagedGroup.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Group = DrawingEngineConfiguration;
using Log = std::vector<std::string>;

void watchAll(EmissionLog& log, Group& group)
{
    log.watch(group.m_driverTypeChangedSignal, "driver")
        .watch(group.m_antiAliasingModeChangedSignal, "antiAliasing")
        .watch(group.m_viewLabelFontSizeChangedSignal, "fontSize");
}

void loadSystemFile(Group& group, const std::string& values)
{
    ConfigReader::fromXml(configurationXml(storedObject(group.getName(), values)))
        .readConfigurationObject(group.getName(), group);
}

TEST(DrawingEngineConfiguration, NewGroupHoldsTheDefaults)
{
    Group group;
    EXPECT_EQ(group.getDriverType(), Group::DirectX11);
    EXPECT_EQ(group.getAntiAliasingMode(), Group::NoAntiAliasing);
    EXPECT_EQ(group.getViewLabelFontSize(), 11);
    EXPECT_EQ(group.getDefaultViewLabelFontSize(), 11);
    EXPECT_EQ(group.getNoOfBytesUsedForDssCache(), 50000000);
    EXPECT_TRUE(group.getUseHardwareAcceleratedOffscreenRendering());
    EXPECT_EQ(group.getGraphicsCardVendor(), Group::UnknownGraphicsCardVendor);
    EXPECT_FALSE(group.getIsRemoteDesktop());
    EXPECT_EQ(group.getHoopsVersion(), 0u);
    EXPECT_EQ(&group.getHoopsVersionConfig(), group.getConfigurationValue("HoopsVersion"));
}

TEST(DrawingEngineConfiguration, SettersCompareBeforeClampingAndOnlyTheNotifyingOnesEmit)
{
    struct Case
    {
        const char* what;
        void (*act)(Group&);
        Log emitted;
    };
    const Case cases[] = {
        {"same font size", [](Group& g) { g.setViewLabelFontSize(11); }, {}},
        {"font size below the range", [](Group& g) { g.setViewLabelFontSize(5); }, {"fontSize(10)"}},
        {"25 while 18 is stored",
         [](Group& g) {
             g.setViewLabelFontSize(18);
             g.setViewLabelFontSize(25);
         },
         {"fontSize(18)", "fontSize(18)"}},
        {"unknown driver type is taken", [](Group& g) { g.setDriverType(static_cast<Group::DriverType>(7)); },
         {"driver(7)"}},
        {"same anti-aliasing", [](Group& g) { g.setAntiAliasingMode(Group::NoAntiAliasing); }, {}},
        {"recording setters",
         [](Group& g) {
             g.setUsedDriverType(Group::GDI);
             g.setUsedAntiAliasingMode(Group::AntiAliasing4x);
             g.setGraphicsCardVendor(static_cast<Group::GraphicsCardVendor>(1));
             g.setIsRemoteDesktop(true);
             g.setHoopsVersion(2600u);
             g.setNoOfBytesUsedForDssCache(1);
             g.setUseHardwareAcceleratedOffscreenRendering(false);
         },
         {}},
    };
    for (const Case& c : cases)
    {
        Group group;
        EmissionLog log;
        watchAll(log, group);
        c.act(group);
        EXPECT_EQ(log.entries, c.emitted) << c.what;
    }

    Group group;
    group.setViewLabelFontSize(5);
    group.setDriverType(static_cast<Group::DriverType>(7));
    group.setUsedDriverType(Group::GDI);
    group.setHoopsVersion(2600u);
    EXPECT_EQ(group.getViewLabelFontSize(), 10);
    EXPECT_EQ(group.getDriverType(), 7);
    EXPECT_EQ(group.getUsedDriverType(), Group::GDI);
    EXPECT_EQ(group.getHoopsVersion(), 2600u);
}

TEST(DrawingEngineConfiguration, CopyFromReportsOnlyTheThreeWatchedValuesThatDiffered)
{
    Group source;
    source.setViewLabelFontSize(14);
    source.setAntiAliasingMode(Group::AntiAliasing2x);
    source.setUsedDriverType(Group::GDI);
    Group group;
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

TEST(DrawingEngineConfiguration, LoadingRepairsUnknownModesAndFontSizesUnlessLocked)
{
    struct Case
    {
        std::string stored;
        int driver, antiAliasing, fontSize;
    };
    const Case cases[] = {
        {storedValue("DriverType", "int", "7"), 1, 1, 11},
        {storedValue("DriverType", "int", "-1"), 1, 1, 11},
        {storedValue("DriverType", "int", "3"), 3, 1, 11},
        {storedValue("DriverType", "int", "7", true), 7, 1, 11},
        {storedValue("DriverType", "int", "two"), 0, 1, 11},  // unreadable: stays, with a warning
        {storedValue("AntiAliasingMode", "int", "0"), 0, 1, 11},
        {storedValue("AntiAliasingMode", "int", "4"), 0, 1, 11},
        {storedValue("AntiAliasingMode", "int", "3"), 0, 3, 11},
        {storedValue("AntiAliasingMode", "int", "4", true), 0, 4, 11},
        {storedValue("ViewLabelFontSize", "int", "9"), 0, 1, 10},
        {storedValue("ViewLabelFontSize", "int", "30"), 0, 1, 18},
        {storedValue("ViewLabelFontSize", "int", "30", true), 0, 1, 30},
        {storedValue("ViewLabelFontSize", "int", "99999999999"), 0, 1, 11},
    };
    for (const Case& c : cases)
    {
        Group group;
        loadSystemFile(group, c.stored);
        EXPECT_EQ(group.getDriverType(), c.driver) << c.stored;
        EXPECT_EQ(group.getAntiAliasingMode(), c.antiAliasing) << c.stored;
        EXPECT_EQ(group.getViewLabelFontSize(), c.fontSize) << c.stored;
    }
}

TEST(DrawingEngineConfiguration, VisibilityFollowsTheProductAndIsTrueForNumbersThatSelectNothing)
{
    const ProductType running = BuildInformation::getProductType();
    Group group;
    EXPECT_TRUE(group.getVisibility(static_cast<Group::DrawingEngineConfigTypes>(1)));
    EXPECT_TRUE(group.getVisibility(static_cast<Group::DrawingEngineConfigTypes>(6)));
    BuildInformation::setProductType(16);
    EXPECT_FALSE(group.getVisibility(Group::GraphicsDriverType));
    EXPECT_FALSE(group.getVisibility(Group::ViewLabelFontSizeType));
    EXPECT_TRUE(group.getVisibility(Group::DssCacheSizeType));
    BuildInformation::setProductType(4);
    EXPECT_TRUE(group.getVisibility(Group::GraphicsDriverType));
    BuildInformation::setProductType(running);
}

TEST(DrawingEngineConfiguration, ToolkitNamesOfTheDrivers)
{
    const std::pair<int, const char*> names[] = {{0, "dx11"},    {1, "opengl2"}, {2, "msw"},
                                                 {3, "3ddriver"}, {42, "opengl2"}, {-1, "opengl2"}};
    for (const auto& [type, name] : names)
        EXPECT_EQ(Group::getHoopsDriverTypeNotation(static_cast<Group::DriverType>(type)), name) << type;
}

TEST(DrawingEngineConfiguration, RoundTripThroughFilesKeepsTheLockAndLeavesRunTimeValuesOut)
{
    const std::string system = storedObject("DrawingEngineConfiguration", storedValue("DriverType", "int", "2", true));
    ManagedGroup<Group> first;
    first.load(system);
    EXPECT_FALSE(first->getEditable(Group::GraphicsDriverType));
    first->setDriverType(Group::DirectX11);  // setters do not guard locks; the save does
    first->setViewLabelFontSize(16);
    first->setUsedDriverType(Group::GDI);
    ASSERT_TRUE(first.save());
    EXPECT_EQ(first.userFileText().find("DriverType"), std::string::npos) << first.userFileText();

    ManagedGroup<Group> second;
    EmissionLog log;
    watchAll(log, *second);
    second.loadFilesOf(first);
    EXPECT_EQ(second->getDriverType(), Group::GDI);
    EXPECT_EQ(second->getViewLabelFontSize(), 16);
    EXPECT_EQ(second->getUsedDriverType(), Group::DirectX11);
    EXPECT_EQ(log.entries, (Log{"driver(2)", "antiAliasing(1)", "fontSize(16)"}));
}

}  // namespace
