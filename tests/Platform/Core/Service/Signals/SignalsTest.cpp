#include "Platform/Core/Service/Signals/Signals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Calls = std::vector<std::string>;

TEST(Signal, CallsSlotsInConnectionOrderWithTheArguments)
{
    Signals::Signal<void(int, const std::string&)> signal;
    Calls calls;
    signal.connect([&](int n, const std::string& s) { calls.push_back("a" + std::to_string(n) + s); });
    signal.connect([&](int n, const std::string& s) { calls.push_back("b" + std::to_string(n) + s); },
                   Signals::ConnectPosition::AtBack);
    signal(7, "x");
    EXPECT_EQ(calls, (Calls{"a7x", "b7x"}));
}

TEST(Signal, FrontPositionGoesBeforeExistingSlots)
{
    Signals::Signal<void()> signal;
    Calls calls;
    signal.connect([&] { calls.push_back("first connected"); });
    signal.connect([&] { calls.push_back("put in front"); }, Signals::ConnectPosition::AtFront);
    signal();
    EXPECT_EQ(calls, (Calls{"put in front", "first connected"}));
}

TEST(Connection, DestroyingOrReleasingDoesNotDisconnect)
{
    Signals::Signal<void()> signal;
    int calls = 0;
    {
        Signals::Connection scoped = signal.connect([&] { ++calls; });
    }
    Signals::Connection released = signal.connect([&] { ++calls; });
    released.releaseWithoutDisconnect();
    EXPECT_FALSE(released.connected());
    signal();
    EXPECT_EQ(calls, 2);
}

TEST(Connection, DisconnectStopsCallsAndReportsIt)
{
    Signals::Signal<void()> signal;
    int calls = 0;
    Signals::Connection connection = signal.connect([&] { ++calls; });
    EXPECT_TRUE(connection.connected());
    connection.disconnect();
    EXPECT_FALSE(connection.connected());
    signal();
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(signal.empty());
}

TEST(SignalReentrancy, SlotDisconnectingItselfIsCalledOnceAndOthersStillRun)
{
    Signals::Signal<void()> signal;
    Calls calls;
    Signals::Connection self;
    self = signal.connect([&] {
        calls.push_back("self");
        self.disconnect();
    });
    signal.connect([&] { calls.push_back("other"); });
    signal();
    signal();
    EXPECT_EQ(calls, (Calls{"self", "other", "other"}));
}

TEST(SignalReentrancy, SlotDisconnectedByAnEarlierSlotIsSkipped)
{
    Signals::Signal<void()> signal;
    Calls calls;
    Signals::Connection victim;
    signal.connect([&] {
        calls.push_back("killer");
        victim.disconnect();
    });
    victim = signal.connect([&] { calls.push_back("victim"); });
    signal.connect([&] { calls.push_back("bystander"); });
    signal();
    EXPECT_EQ(calls, (Calls{"killer", "bystander"}));
}

TEST(SignalReentrancy, SlotConnectedDuringEmissionRunsFromTheNextEmission)
{
    Signals::Signal<void()> signal;
    Calls calls;
    bool connectedOnce = false;
    signal.connect([&] {
        calls.push_back("connector");
        if (!connectedOnce)
        {
            connectedOnce = true;
            signal.connect([&] { calls.push_back("newcomer"); });
        }
    });
    signal.connect([&] { calls.push_back("existing"); });
    signal();
    EXPECT_EQ(calls, (Calls{"connector", "existing"}));
    calls.clear();
    signal();
    EXPECT_EQ(calls, (Calls{"connector", "existing", "newcomer"}));
}

TEST(Signal, CopyStartsWithoutConnectionsAndAssignmentKeepsTheTargets)
{
    Signals::Signal<void()> original;
    int originalCalls = 0;
    original.connect([&] { ++originalCalls; });

    Signals::Signal<void()> copy(original);
    EXPECT_TRUE(copy.empty());

    Signals::Signal<void()> target;
    int targetCalls = 0;
    target.connect([&] { ++targetCalls; });
    target = original;
    target();
    EXPECT_EQ(targetCalls, 1);
    EXPECT_EQ(originalCalls, 0);
    EXPECT_EQ(target.numberOfSlots(), 1u);
}

}  // namespace
