#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ContResVarProperty.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace Quarvane
{
namespace
{

using namespace Testing;

// --- Lifecycle ------------------------------------------------------------------------------

TEST(ContResVarPropertyLifecycle, WithoutDescriptionEverythingIsNeutral)
{
    ContResVarProperty untyped(nullptr);
    ContResVarProperty outOfRange(nullptr, ScaleType::ContinuousOutOfRange);

    EXPECT_EQ(ScaleType::Undefined, untyped.getType());
    EXPECT_FALSE(untyped.isSmootingOn());
    EXPECT_EQ(ScaleType::ContinuousOutOfRange, outOfRange.getType());
    EXPECT_TRUE(outOfRange.isShowOutOfRangeOn());
    EXPECT_TRUE(outOfRange.isSmootingOn());
    for (const ContResVarProperty* property : {&untyped, &outOfRange})
    {
        EXPECT_FALSE(property->resVarPropertiesWasAvailable());
        EXPECT_FALSE(property->isActive());
        EXPECT_EQ("", property->getDataUnit());
        EXPECT_EQ(nullptr, property->getResVarProperties());
        EXPECT_EQ(-1, property->determineColorRangeIdx());
        EXPECT_EQ(MinMaxType::TimeStep, property->getMinMaxType());
        EXPECT_EQ(10.0, property->getScaleFactor(ContResVarProperty::ValueProportional));
        EXPECT_EQ(&ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition,
                  &property->getConfigurableColorRangeDefinition());
    }
    const auto& definition = ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition;
    EXPECT_EQ(0.0, definition.startHue);
    EXPECT_EQ(0.875, definition.endHue);
    EXPECT_EQ(1, definition.hueIncreasing);
    EXPECT_EQ(3, definition.colorModel);
    EXPECT_EQ(0, definition.numberOfColors);
}

TEST(ContResVarPropertyLifecycle, ConstructionReadsTheDescription)
{
    auto description = makeThinningDescription(ScaleType::ContinuousOutOfSpec);
    ContResVarProperty property(description);

    EXPECT_EQ(ScaleType::ContinuousOutOfSpec, property.getType());
    EXPECT_TRUE(property.isShowSpecificationLimitsOn());
    EXPECT_TRUE(property.isActive());  // the full initialisation matches the type, as any change does
    EXPECT_EQ(MinMaxType::Global, property.getMinMaxType());
    EXPECT_EQ(-0.3, property.getManualMin());
    EXPECT_EQ(0.1, property.getDefaultMax());
    EXPECT_EQ(-0.25, property.getLowerSpecificationLimit());
    EXPECT_TRUE(property.getUpperSpecificationLimitUsage());
    EXPECT_TRUE(property.isToggleOutOfSpecIsPossible());
    EXPECT_EQ(0, property.getColorRangeIdx());  // the default continuous range is the first
    EXPECT_EQ(2.5, property.getScaleFactor(ContResVarProperty::FixedLength));
    EXPECT_EQ(2.5, property.getScaleFactor(ContResVarProperty::ValueProportional));
    EXPECT_FALSE(property.isShowHeadOnBothSidesOn());
    EXPECT_EQ("%", property.getDataUnit());
    EXPECT_TRUE(property.resVarPropertiesWasAvailable());
}

TEST(ContResVarPropertyLifecycle, ConstructionActivatesOnlyAMatchingType)
{
    EXPECT_FALSE(ContResVarProperty(makeThinningDescription(ScaleType::Discrete), ScaleType::Continuous).isActive());
    EXPECT_TRUE(ContResVarProperty(makeThinningDescription(ScaleType::ContinuousOutOfRange), ScaleType::Continuous).isActive());
}

TEST(ContResVarPropertyLifecycle, DescriptionDestroyedMidLife)
{
    auto description = makeThinningDescription();
    ContResVarProperty property(description);
    property.setManualMax(4.0);
    description.reset();

    EXPECT_EQ(nullptr, property.getResVarProperties());
    EXPECT_TRUE(property.resVarPropertiesWasAvailable());
    EXPECT_EQ("", property.getDataUnit());
    EXPECT_EQ(-1, property.determineColorRangeIdx());
    EXPECT_EQ(&ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition,
              &property.getConfigurableColorRangeDefinition());
    EXPECT_EQ(4.0, property.getManualMax());
    EXPECT_EQ(0, property.getColorRangeIdx());

    ContResVarProperty copy(property);
    EXPECT_EQ(4.0, copy.getManualMax());
}

TEST(ContResVarPropertyLifecycle, CopyIsInactiveWithEmptyCacheAndFollowsTheDescription)
{
    auto description = makeThinningDescription();
    ContResVarProperty original(description);
    original.activate();
    original.setSmoothingOn(false);
    original.setRepresentationType(SkinInterpretLine);
    original.cacheMinMax(7, 1.0, 2.0);

    ContResVarProperty copy(original);
    EXPECT_FALSE(copy.isActive());
    EXPECT_FALSE(copy.isSmootingOn());
    EXPECT_EQ(SkinInterpretLine, copy.getRepresentationType());
    double min = 0.0;
    double max = 0.0;
    EXPECT_FALSE(copy.getMinMaxFromCache(7, min, max));

    int copyNotifications = 0;
    copy.connectToSignalResVarPropertyChanged([&] { ++copyNotifications; });
    description->setMinMaxType(number(MinMaxType::Object));
    description->notifyPropertiesChanged(PropertyChangedMinMaxType);
    EXPECT_EQ(1, copyNotifications);
    EXPECT_EQ(MinMaxType::Object, copy.getMinMaxType());
    EXPECT_EQ(MinMaxType::Object, original.getMinMaxType());
}

TEST(ContResVarPropertyLifecycle, AssignmentFollowsTheNewDescriptionOnly)
{
    auto first = makeThinningDescription();
    auto second = makeThinningDescription();
    second->setUnit("mm");
    ContResVarProperty target(first);
    ContResVarProperty source(second);
    target.activate();
    target.cacheMinMax(1, 0.0, 1.0);

    target = source;
    target = target;
    EXPECT_FALSE(target.isActive());
    EXPECT_EQ("mm", target.getDataUnit());
    double min = 0.0;
    double max = 0.0;
    EXPECT_FALSE(target.getMinMaxFromCache(1, min, max));

    first->setMinMaxType(number(MinMaxType::Object));
    first->notifyPropertiesChanged(PropertyChangedMinMaxType);
    EXPECT_EQ(MinMaxType::Global, target.getMinMaxType());
    second->setMinMaxType(number(MinMaxType::Auto));
    second->notifyPropertiesChanged(PropertyChangedMinMaxType);
    EXPECT_EQ(MinMaxType::Auto, target.getMinMaxType());
}

TEST(ContResVarPropertyLifecycle, DestroyedPropertyNoLongerListens)
{
    auto description = makeThinningDescription();
    {
        ContResVarProperty property(description);
    }
    // Would reach a destroyed object if the property had stayed connected.
    description->notifyPropertiesChanged(PropertyChangedEverything);
    SUCCEED();
}

// --- Activation across scale-type changes ----------------------------------------------------

struct ActivationCase
{
    ScaleType own;
    int described;
    bool active;
    ScaleType resulting;
};

TEST(ResVarPropertyActivation, OnlyTheMatchingPropertyBecomesActive)
{
    const ActivationCase cases[] = {
        {ScaleType::Continuous, number(ScaleType::Discrete), false, ScaleType::Continuous},
        {ScaleType::Continuous, number(ScaleType::ContinuousOutOfRange), true, ScaleType::ContinuousOutOfRange},
        {ScaleType::ContinuousOutOfRange, number(ScaleType::ContinuousOutOfSpec), true, ScaleType::ContinuousOutOfSpec},
        {ScaleType::ContinuousOutOfSpec, number(ScaleType::Continuous), true, ScaleType::Continuous},
        {ScaleType::Continuous, number(ScaleType::Undefined), false, ScaleType::Continuous},
        {ScaleType::Continuous, 42, false, ScaleType::Continuous},
        {ScaleType::ManualDiscrete, number(ScaleType::ManualDiscrete), true, ScaleType::ManualDiscrete},
        {ScaleType::ManualDiscrete, number(ScaleType::Continuous), false, ScaleType::ManualDiscrete},
    };
    for (const ActivationCase& c : cases)
    {
        auto description = makeThinningDescription();
        ContResVarProperty property(description, c.own);
        property.activate();
        description->setScaleType(c.described);
        description->notifyPropertiesChanged(PropertyChangedScaleType);
        SCOPED_TRACE(testing::Message() << number(c.own) << " -> " << c.described);
        EXPECT_EQ(c.active, property.isActive());
        EXPECT_EQ(c.resulting, property.getType());
        EXPECT_EQ(c.resulting == ScaleType::ContinuousOutOfRange, property.isShowOutOfRangeOn());
        EXPECT_EQ(c.resulting == ScaleType::ContinuousOutOfSpec, property.isShowSpecificationLimitsOn());
    }
}

TEST(ResVarPropertyActivation, OtherChangeKindsLeaveActivationAlone)
{
    auto description = makeThinningDescription();
    ContResVarProperty property(description);
    property.activate();
    description->setScaleType(number(ScaleType::Discrete));
    description->notifyPropertiesChanged(PropertyChangedMinMaxType | PropertyChangedDefaultMinMax);
    EXPECT_TRUE(property.isActive());
}

TEST(ResVarPropertyActivation, SetTypeUndefinedKeepsTheDisplaySwitches)
{
    ContResVarProperty property(nullptr, ScaleType::ContinuousOutOfRange);
    property.setType(ScaleType::Undefined);
    EXPECT_EQ(ScaleType::Undefined, property.getType());
    EXPECT_TRUE(property.isShowOutOfRangeOn());
    EXPECT_TRUE(property.isSmootingOn());
}

TEST(ResVarPropertyActivation, OutOfSpecTogglePossibleOnlyWithALimitInUse)
{
    auto description = makeThinningDescription();
    ContResVarProperty property(description);
    EXPECT_TRUE(property.isToggleOutOfSpecIsPossible());

    description->setLSLUsage(false);
    description->setUSLUsage(false);
    description->notifyPropertiesChanged(0);
    EXPECT_FALSE(property.isToggleOutOfSpecIsPossible());

    // A variable without specification limits keeps whatever was set.
    description->setSkinBaseName("CONTACT");
    property.setToggleOutOfSpecIsPossible(true);
    description->notifyPropertiesChanged(0);
    EXPECT_TRUE(property.isToggleOutOfSpecIsPossible());
}

// --- The continuous update -------------------------------------------------------------------

struct UpdateCase
{
    int changeSet;
    bool minMaxTypeFollows;
    bool manualFollows;
    bool defaultFollows;
};

TEST(ContResVarPropertyUpdate, EachChangeKindUpdatesItsOwnFields)
{
    const UpdateCase cases[] = {
        {PropertyChangedScaleType, false, false, false},
        {PropertyChangedMinMaxType, true, false, false},
        {PropertyChangedDefaultMinMax, false, false, true},
        {PropertyChangedMinMaxType | PropertyChangedDefaultMinMax, true, false, true},
        {PropertyChangedEverything, true, true, true},
    };
    for (const UpdateCase& c : cases)
    {
        auto description = makeThinningDescription();
        ContResVarProperty property(description);
        int notifications = 0;
        property.connectToSignalResVarPropertyChanged([&] { ++notifications; });

        description->setMinMaxType(number(MinMaxType::Default));
        description->setAbsDefaultMin(-5.0);
        description->setAbsDefaultMax(5.0);
        description->setAbsUpperSpecificationLimit(0.07);
        description->setContinuousColorRangeType(ResVarPropertiesCommon::DefaultContinuousReverse);
        description->setShowArrowHeads(false);
        description->setUseConfigurableContinuousColorRange(true);
        description->notifyPropertiesChanged(c.changeSet);

        SCOPED_TRACE(c.changeSet);
        EXPECT_EQ(1, notifications);
        EXPECT_EQ(c.minMaxTypeFollows ? MinMaxType::Default : MinMaxType::Global, property.getMinMaxType());
        EXPECT_EQ(c.manualFollows ? -5.0 : -0.3, property.getManualMin());
        EXPECT_EQ(c.manualFollows ? 5.0 : 0.1, property.getManualMax());
        EXPECT_EQ(c.defaultFollows ? -5.0 : -0.3, property.getDefaultMin());
        EXPECT_EQ(c.defaultFollows ? 5.0 : 0.1, property.getDefaultMax());
        // Limits, colour range, arrows and the configurable range follow every change.
        EXPECT_EQ(0.07, property.getUpperSpecificationLimit());
        EXPECT_EQ(1, property.getColorRangeIdx());
        EXPECT_FALSE(property.isShowArrowHeadOn());
        EXPECT_TRUE(property.getUseConfigurableColorRange());
    }
}

TEST(ContResVarPropertyUpdate, PerStepPoliciesBecomeObjectWithoutTimeSteps)
{
    for (MinMaxType described : {MinMaxType::TimeStep, MinMaxType::Auto})
    {
        auto description = makeThinningDescription();
        ContResVarProperty property(description);
        property.setMinMaxTimeStepAvailable(false);
        description->setMinMaxType(number(described));
        description->notifyPropertiesChanged(PropertyChangedMinMaxType);
        EXPECT_EQ(MinMaxType::Object, property.getMinMaxType());
    }
}

TEST(ContResVarPropertyUpdate, OutOfSpecWithoutLimitsFallsBackToContinuous)
{
    auto description = makeThinningDescription(ScaleType::ContinuousOutOfSpec);
    description->setLSLUsage(false);
    description->setUSLUsage(false);
    ContResVarProperty property(description);
    EXPECT_EQ(ScaleType::Continuous, property.getType());
    EXPECT_FALSE(property.isShowSpecificationLimitsOn());
}

TEST(ContResVarPropertyUpdate, BadNumbersInTheDescriptionDoNotCrash)
{
    auto description = makeThinningDescription();
    description->setContinuousColorRangeType(99);
    description->setMinMaxType(-3);
    description->setAbsDefaultMin(std::numeric_limits<double>::quiet_NaN());
    ContResVarProperty property(description, static_cast<ScaleType>(17));
    EXPECT_EQ(-1, property.getColorRangeIdx());
    EXPECT_EQ(-3, number(property.getMinMaxType()));
    EXPECT_FALSE(property.isSmootingOn());
    property.setManualMax(1.0);  // NaN compares false: the pair stays as given
    EXPECT_EQ(1.0, property.getManualMax());
}

// --- Setters, scale factors, force flags and cache -------------------------------------------

struct OrderedSetterCase
{
    const char* steps;
    std::function<void(ContResVarProperty&)> apply;
    std::function<std::pair<double, double>(const ContResVarProperty&)> pair;
    double low;
    double high;
    MinMaxType policy;
};

TEST(ContResVarPropertySetters, PairsStayOrdered)
{
    const auto manual = [](const ContResVarProperty& p) { return std::make_pair(p.getManualMin(), p.getManualMax()); };
    const auto defaults = [](const ContResVarProperty& p) {
        return std::make_pair(p.getDefaultMin(), p.getDefaultMax());
    };
    const auto limits = [](const ContResVarProperty& p) {
        return std::make_pair(p.getLowerSpecificationLimit(), p.getUpperSpecificationLimit());
    };
    const OrderedSetterCase cases[] = {
        {"manual min above max", [](ContResVarProperty& p) { p.editMinMax(0, 3); p.setManualMin(5); }, manual, 5, 5,
         MinMaxType::Manual},
        {"then manual max below", [](ContResVarProperty& p) { p.editMinMax(0, 3); p.setManualMin(5); p.setManualMax(1); },
         manual, 1, 1, MinMaxType::Manual},
        {"edit keeps order as given", [](ContResVarProperty& p) { p.editMinMax(7, 2); }, manual, 7, 2,
         MinMaxType::Manual},
        {"default min above max", [](ContResVarProperty& p) { p.setDefaultMin(4); }, defaults, 4, 4,
         MinMaxType::TimeStep},
        {"default max below min", [](ContResVarProperty& p) { p.setDefaultMin(2); p.setDefaultMax(-1); }, defaults, -1,
         -1, MinMaxType::TimeStep},
        {"upper limit below lower", [](ContResVarProperty& p) { p.setLowerSpecificationLimit(1); p.setUpperSpecificationLimit(0.5); },
         limits, 0.5, 0.5, MinMaxType::TimeStep},
    };
    for (const OrderedSetterCase& c : cases)
    {
        ContResVarProperty property(nullptr, ScaleType::Continuous);
        c.apply(property);
        EXPECT_EQ(std::make_pair(c.low, c.high), c.pair(property)) << c.steps;
        EXPECT_EQ(c.policy, property.getMinMaxType()) << c.steps;
    }
}

TEST(ContResVarPropertySetters, ScaleFactorsAndForceFlags)
{
    ContResVarProperty property(nullptr, ScaleType::Continuous);
    const auto unknown = static_cast<ContResVarProperty::ArrowScaleType>(2);
    property.setScaleFactor(3.0, unknown);
    property.setScaleFactor(4.0, ContResVarProperty::FixedLength);
    EXPECT_EQ(1.0, property.getScaleFactor(unknown));
    EXPECT_EQ(4.0, property.getScaleFactor(ContResVarProperty::FixedLength));
    EXPECT_EQ(10.0, property.getScaleFactor(ContResVarProperty::ValueProportional));

    property.setForceMinMaxUpdateState(true);
    property.setForceMinMaxUpdateState(false);
    EXPECT_FALSE(property.getForceMinMaxUpdateState());
    property.setAlwaysForceMinMaxUpdate();
    property.setForceMinMaxUpdateState(false);
    EXPECT_TRUE(property.getForceMinMaxUpdateState());
}

TEST(ContResVarPropertyCache, MissLeavesValuesHitFillsThemOverwriteReplaces)
{
    ContResVarProperty property(nullptr, ScaleType::Continuous);
    double min = -9.0;
    double max = 9.0;
    EXPECT_FALSE(property.getMinMaxFromCache(11, min, max));
    EXPECT_EQ(-9.0, min);
    EXPECT_EQ(9.0, max);

    property.cacheMinMax(11, 1.0, 2.0);
    property.cacheMinMax(12, 3.0, 4.0);
    property.cacheMinMax(11, 5.0, 6.0);
    ASSERT_TRUE(property.getMinMaxFromCache(11, min, max));
    EXPECT_EQ(5.0, min);
    EXPECT_EQ(6.0, max);
    ASSERT_TRUE(property.getMinMaxFromCache(12, min, max));
    EXPECT_EQ(3.0, min);
}

}  // namespace
}  // namespace Quarvane
