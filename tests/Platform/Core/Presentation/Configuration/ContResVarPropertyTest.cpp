#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ContResVarProperty.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ("", property->getDataUnit());
        EXPECT_EQ(-1, property->determineColorRangeIdx());
        EXPECT_EQ(&ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition,
                  &property->getConfigurableColorRangeDefinition());
    }
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
    EXPECT_TRUE(property.isToggleOutOfSpecIsPossible());
    EXPECT_EQ(0, property.getColorRangeIdx());  // the default continuous range is the first
    EXPECT_EQ(2.5, property.getScaleFactor(ContResVarProperty::FixedLength));
    EXPECT_EQ(2.5, property.getScaleFactor(ContResVarProperty::ValueProportional));
    EXPECT_EQ("%", property.getDataUnit());
    EXPECT_FALSE(ContResVarProperty(makeThinningDescription(ScaleType::Discrete), ScaleType::Continuous).isActive());
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
    description->setMinMaxType(MinMaxType::Object);
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

    first->setMinMaxType(MinMaxType::Object);
    first->notifyPropertiesChanged(PropertyChangedMinMaxType);
    EXPECT_EQ(MinMaxType::Global, target.getMinMaxType());
    second->setMinMaxType(MinMaxType::Auto);
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

    description->setSkinBaseName("CONTACT");  // no limits for it: the flag is left as set
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

        description->setMinMaxType(MinMaxType::Default);
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
        description->setMinMaxType(described);
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

TEST(ContResVarPropertySetters, PairsStayOrdered)
{
    ContResVarProperty property(nullptr, ScaleType::Continuous);
    property.editMinMax(0, 3);
    property.setManualMin(5);
    EXPECT_EQ(std::make_pair(5.0, 5.0), std::make_pair(property.getManualMin(), property.getManualMax()));
    EXPECT_EQ(MinMaxType::Manual, property.getMinMaxType());
    property.setManualMax(1);
    EXPECT_EQ(std::make_pair(1.0, 1.0), std::make_pair(property.getManualMin(), property.getManualMax()));
    property.editMinMax(7, 2);
    EXPECT_EQ(std::make_pair(7.0, 2.0), std::make_pair(property.getManualMin(), property.getManualMax()));

    property.setMinMaxType(MinMaxType::Global);
    property.setDefaultMin(2);
    property.setDefaultMax(-1);
    EXPECT_EQ(std::make_pair(-1.0, -1.0), std::make_pair(property.getDefaultMin(), property.getDefaultMax()));
    property.setLowerSpecificationLimit(1);
    property.setUpperSpecificationLimit(0.5);
    EXPECT_EQ(std::make_pair(0.5, 0.5),
              std::make_pair(property.getLowerSpecificationLimit(), property.getUpperSpecificationLimit()));
    EXPECT_EQ(MinMaxType::Global, property.getMinMaxType());  // only the manual pair sets the policy
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
    EXPECT_EQ(std::make_pair(-9.0, 9.0), std::make_pair(min, max));

    property.cacheMinMax(11, 1.0, 2.0);
    property.cacheMinMax(12, 3.0, 4.0);
    property.cacheMinMax(11, 5.0, 6.0);
    EXPECT_TRUE(property.getMinMaxFromCache(11, min, max));
    EXPECT_EQ(std::make_pair(5.0, 6.0), std::make_pair(min, max));
}

}  // namespace
}  // namespace Quarvane
