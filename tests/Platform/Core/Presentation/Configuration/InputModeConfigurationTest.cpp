#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"

#include "EmissionLog.h"
#include "ManagedGroup.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Group = InputModeConfiguration;
using Log = std::vector<std::string>;

void watchAll(EmissionLog& log, Group& group)
{
    log.watch(group.m_inputModeChangedSignal, "mode")
        .watch(group.m_freeRotateChangedSignal, "freeRotate")
        .watch(group.m_selectCrossingChangedSignal, "crossing")
        .watch(group.m_leftMouseButtonModeChangedSignal, "leftButton")
        .watch(group.m_snapDuringMeasurementChangedSignal, "snap")
        .watch(group.m_mouseRotationSpeedChangedSignal, "rotation")
        .watch(group.m_mouseZoomSpeedChangedSignal, "zoom")
        .watch(group.m_mouseWheelZoomSpeedChangedSignal, "wheel")
        .watch(group.m_mouseZoomInvertChangedSignal, "invert");
}

void loadSystemFile(Group& group, const std::string& values)
{
    ConfigReader::fromXml(configurationXml(storedObject(group.getName(), values)))
        .readConfigurationObject(group.getName(), group);
}

TEST(InputModeConfiguration, NewGroupFollowsTheSuitesOwnConventions)
{
    Group group;
    EXPECT_EQ(group.getInputMode(), Group::Quarvane);
    EXPECT_TRUE(group.getIsQuarvaneInputMode());
    EXPECT_FALSE(group.getIsCatiaV5InputMode());
    EXPECT_FALSE(group.getIsNXInputMode());
    EXPECT_TRUE(group.getFreeRotate());
    EXPECT_FALSE(group.getSelectCrossing());
    EXPECT_EQ(group.getLeftMouseButtonMode(), Group::Automatic);
    EXPECT_TRUE(group.getSnapDuringMeasurement());
    EXPECT_EQ(group.getMouseRotationSpeed() | group.getMouseZoomSpeed() | group.getMouseWheelZoomSpeed(), 0);
    EXPECT_FALSE(group.getMouseZoomInvert());
}

TEST(InputModeConfiguration, EachSetterFollowsItsOwnNotificationRule)
{
    struct Case
    {
        const char* what;
        void (*act)(Group&);
        Log emitted;
    };
    const Case cases[] = {
        {"mode without signal", [](Group& g) { g.setInputMode(Group::CatiaV5, false); }, {}},
        {"same mode with signal", [](Group& g) { g.setInputMode(Group::Quarvane, true); }, {"mode(3)"}},
        {"mode 0 is taken", [](Group& g) { g.setInputMode(static_cast<Group::InputMode>(0), true); }, {"mode(0)"}},
        {"same free rotation with signal", [](Group& g) { g.setFreeRotate(true, true); }, {"freeRotate(true)"}},
        {"crossing", [](Group& g) { g.setSelectCrossing(true, true); }, {"crossing(true)"}},
        {"left button without signal", [](Group& g) { g.setLeftMouseButtonMode(Group::ManualLabel, false); }, {}},
        {"same left button with signal", [](Group& g) { g.setLeftMouseButtonMode(Group::Automatic, true); },
         {"leftButton(1)"}},
        {"same zoom invert", [](Group& g) { g.setMouseZoomInvert(false, true); }, {}},
        {"zoom invert", [](Group& g) { g.setMouseZoomInvert(true, true); }, {"invert(1)"}},
        {"zoom invert without signal", [](Group& g) { g.setMouseZoomInvert(true, false); }, {}},
        {"same snapping", [](Group& g) { g.setSnapDuringMeasurement(true); }, {"snap(true)"}},
        {"same rotation speed", [](Group& g) { g.setMouseRotationSpeed(0); }, {}},
        {"rotation speed below the range", [](Group& g) { g.setMouseRotationSpeed(-150); }, {"rotation(-100)"}},
        {"zoom speed above the range, twice",
         [](Group& g) {
             g.setMouseZoomSpeed(250);
             g.setMouseZoomSpeed(250);
         },
         {"zoom(100)", "zoom(100)"}},
        {"wheel speed", [](Group& g) { g.setMouseWheelZoomSpeed(-40); }, {"wheel(-40)"}},
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
    group.setInputMode(static_cast<Group::InputMode>(0), false);
    group.setMouseZoomInvert(true, false);
    group.setMouseRotationSpeed(-150);
    EXPECT_EQ(group.getInputMode(), 0);
    EXPECT_TRUE(group.getMouseZoomInvert());
    EXPECT_EQ(group.getMouseRotationSpeed(), -100);
}

TEST(InputModeConfiguration, CopyFromReportsEachDifferingValueInTableOrder)
{
    Group source;
    source.setMouseZoomInvert(true, false);
    Group group;
    EmissionLog log;
    watchAll(log, group);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), (Log{"invert(1)"}));

    source.setMouseWheelZoomSpeed(7);
    source.setInputMode(Group::NX, false);
    source.setSnapDuringMeasurement(false);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), (Log{"mode(2)", "snap(false)", "wheel(7)"}));

    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.take(), (Log{"mode(2)", "freeRotate(true)", "crossing(false)", "leftButton(1)", "snap(false)",
                               "rotation(0)", "zoom(0)", "wheel(7)", "invert(1)"}));
}

TEST(InputModeConfiguration, LoadingRepairsUnknownModesButKeepsSpeeds)
{
    struct Case
    {
        std::string stored;
        int mode, leftButton, zoomSpeed;
    };
    const Case cases[] = {
        {storedValue("InputMode", "int", "0"), 3, 1, 0},
        {storedValue("InputMode", "int", "4"), 3, 1, 0},
        {storedValue("InputMode", "int", "2"), 2, 1, 0},
        {storedValue("InputMode", "int", "0", true), 0, 1, 0},
        {storedValue("InputMode", "bool", "true"), 3, 1, 0},  // stored under another type: stays
        {storedValue("LeftMouseButtonMode", "int", "0"), 3, 1, 0},
        {storedValue("LeftMouseButtonMode", "int", "3"), 3, 3, 0},
        {storedValue("LeftMouseButtonMode", "int", "9", true), 3, 9, 0},
        {storedValue("MouseZoomSpeed", "int", "250"), 3, 1, 250},
    };
    for (const Case& c : cases)
    {
        Group group;
        loadSystemFile(group, c.stored);
        EXPECT_EQ(group.getInputMode(), c.mode) << c.stored;
        EXPECT_EQ(group.getLeftMouseButtonMode(), c.leftButton) << c.stored;
        EXPECT_EQ(group.getMouseZoomSpeed(), c.zoomSpeed) << c.stored;
    }

    Group group;
    loadSystemFile(group, storedValue("MouseZoomSpeed", "int", "250"));
    EmissionLog log;
    watchAll(log, group);
    group.setMouseZoomSpeed(250);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(group.getMouseZoomSpeed(), 250);
}

TEST(InputModeConfiguration, RoundTripThroughFilesKeepsTheLock)
{
    const std::string system =
        storedObject("InputModeConfiguration", storedValue("LeftMouseButtonMode", "int", "2", true));
    ManagedGroup<Group> first;
    first.load(system);
    first->setInputMode(Group::CatiaV5, false);
    first->setMouseZoomSpeed(-30);
    first->setLeftMouseButtonMode(Group::ManualLabel, false);
    ASSERT_TRUE(first.save());

    ManagedGroup<Group> second;
    second.loadFilesOf(first);
    EXPECT_TRUE(second->getIsCatiaV5InputMode());
    EXPECT_EQ(second->getMouseZoomSpeed(), -30);
    EXPECT_EQ(second->getLeftMouseButtonMode(), Group::ManualPickFaces);
    EXPECT_FALSE(second->getEditable(Group::LeftMouseButtonModeType));
}

}  // namespace
