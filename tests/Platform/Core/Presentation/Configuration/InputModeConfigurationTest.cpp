#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"

#include "GroupTestSupport.h"

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Group = InputModeConfiguration;

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

TEST(InputModeConfiguration, EachSetterFollowsItsOwnNotificationRule)
{
    expectEmissions(watchAll, {
        {"mode without signal", [](Group& g) { g.setInputMode(Group::CatiaV5, false); }, {}},
        {"same mode with signal", [](Group& g) { g.setInputMode(Group::Quarvane, true); }, {"mode(3)"}},
        {"mode 0 is taken", [](Group& g) { g.setInputMode(static_cast<Group::InputMode>(0), true); }, {"mode(0)"}},
        {"same flags with signal", [](Group& g) { g.setFreeRotate(true, true); g.setSelectCrossing(false, true); },
         {"freeRotate(true)", "crossing(false)"}},
        {"left button without signal", [](Group& g) { g.setLeftMouseButtonMode(Group::ManualLabel, false); }, {}},
        {"same left button with signal", [](Group& g) { g.setLeftMouseButtonMode(Group::Automatic, true); },
         {"leftButton(1)"}},
        {"same zoom invert", [](Group& g) { g.setMouseZoomInvert(false, true); }, {}},
        {"zoom invert", [](Group& g) { g.setMouseZoomInvert(true, true); }, {"invert(1)"}},
        {"zoom invert without signal", [](Group& g) { g.setMouseZoomInvert(true, false); }, {}},
        {"same snapping", [](Group& g) { g.setSnapDuringMeasurement(true); }, {"snap(true)"}},
        {"same rotation speed", [](Group& g) { g.setMouseRotationSpeed(0); }, {}},
        {"rotation speed below the range", [](Group& g) { g.setMouseRotationSpeed(-150); }, {"rotation(-100)"}},
        {"zoom speed above the range, twice", [](Group& g) { g.setMouseZoomSpeed(250); g.setMouseZoomSpeed(250); },
         {"zoom(100)", "zoom(100)"}},
        {"wheel speed", [](Group& g) { g.setMouseWheelZoomSpeed(-40); }, {"wheel(-40)"}},
    });
    Group group;
    group.setInputMode(Group::NX, false);
    group.setMouseZoomInvert(true, false);
    group.setMouseRotationSpeed(-150);
    EXPECT_TRUE(group.getIsNXInputMode() && !group.getIsQuarvaneInputMode() && !group.getIsCatiaV5InputMode());
    EXPECT_TRUE(group.getMouseZoomInvert());
    EXPECT_EQ(group.getMouseRotationSpeed(), -100);
}

TEST(InputModeConfiguration, CopyFromReportsEachDifferingValueInTableOrder)
{
    Group source, group;
    source.setMouseZoomInvert(true, false);
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
    expectLoaded<Group>({
        {"InputMode", "int", "0", "3"},           {"InputMode", "int", "4", "3"},
        {"InputMode", "int", "2", "2"},           {"LeftMouseButtonMode", "int", "0", "1"},
        {"LeftMouseButtonMode", "int", "3", "3"}, {"MouseZoomSpeed", "int", "250", "250"},
    });
    // The loaded 250 is compared before clamping: setting 250 again changes nothing.
    Group group;
    loadSystemFile(group, storedValue("MouseZoomSpeed", "int", "250"));
    EmissionLog log;
    watchAll(log, group);
    group.setMouseZoomSpeed(250);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(group.getMouseZoomSpeed(), 250);
}

}  // namespace
