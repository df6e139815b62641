#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ContResVarProperty.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace Quarvane
{
namespace
{

using namespace Testing;
using Pair = std::pair<double, double>;

Pair manualOf(const ContResVarProperty& p) { return {p.getManualMin(), p.getManualMax()}; }
bool cached(const ContResVarProperty& p, int step)
{
    double min = 0.0, max = 0.0;
    return p.getMinMaxFromCache(step, min, max);
}

TEST(ContResVarPropertyLifecycle, WithoutDescriptionEverythingIsNeutral)
{
    auto description = makeThinningDescription();
    ContResVarProperty untyped(nullptr), outOfRange(nullptr, ScaleType::ContinuousOutOfRange), orphan(description);
    orphan.setManualMax(4.0);
    description.reset();

    EXPECT_EQ(ScaleType::Undefined, untyped.getType());
    EXPECT_FALSE(untyped.isSmootingOn() || untyped.resVarPropertiesWasAvailable());
    EXPECT_TRUE(outOfRange.isShowOutOfRangeOn() && outOfRange.isSmootingOn());
    EXPECT_TRUE(orphan.resVarPropertiesWasAvailable());
    EXPECT_EQ(std::make_pair(4.0, 0), std::make_pair(orphan.getManualMax(), orphan.getColorRangeIdx()));
    for (const ContResVarProperty* property : {&untyped, &outOfRange, &orphan})
    {
        EXPECT_EQ("", property->getDataUnit());
        EXPECT_EQ(-1, property->determineColorRangeIdx());
        EXPECT_EQ(&ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition,
                  &property->getConfigurableColorRangeDefinition());
    }
    // Undefined keeps the display switches.
    outOfRange.setType(ScaleType::Undefined);
    EXPECT_EQ(ScaleType::Undefined, outOfRange.getType());
    EXPECT_TRUE(outOfRange.isShowOutOfRangeOn() && outOfRange.isSmootingOn());
}

TEST(ContResVarPropertyLifecycle, ConstructionReadsTheDescription)
{
    ContResVarProperty property(makeThinningDescription(ScaleType::ContinuousOutOfSpec));
    EXPECT_EQ(ScaleType::ContinuousOutOfSpec, property.getType());
    EXPECT_TRUE(property.isShowSpecificationLimitsOn());
    EXPECT_TRUE(property.isActive());  // the full initialisation matches the type, as any change does
    EXPECT_EQ(Pair(2.5, 2.5), Pair(property.getScaleFactor(ContResVarProperty::FixedLength),
                                   property.getScaleFactor(ContResVarProperty::ValueProportional)));
    EXPECT_FALSE(ContResVarProperty(makeThinningDescription(ScaleType::Discrete), ScaleType::Continuous).isActive());
}

TEST(ContResVarPropertyLifecycle, CopiesAreInactiveWithEmptyCacheAndFollowTheirDescription)
{
    auto first = makeThinningDescription();
    auto second = makeThinningDescription();
    second->setUnit("mm");
    ContResVarProperty original(first), target(second);
    for (ContResVarProperty* property : {&original, &target})
    {
        property->activate();
        property->cacheMinMax(7, 1.0, 2.0);
    }
    original.setSmoothingOn(false);
    original.setRepresentationType(SkinInterpretLine);

    ContResVarProperty copy(original);
    target = original;
    target = target;
    int notifications = 0;
    copy.connectToSignalResVarPropertyChanged([&] { ++notifications; });
    for (const ContResVarProperty* property : {&copy, &target})
    {
        EXPECT_FALSE(property->isActive() || property->isSmootingOn());
        EXPECT_EQ(SkinInterpretLine, property->getRepresentationType());
        EXPECT_EQ("%", property->getDataUnit());
        EXPECT_FALSE(cached(*property, 7));
    }
    { ContResVarProperty destroyed(first); }  // must no longer listen

    first->setMinMaxType(MinMaxType::Object);
    first->notifyPropertiesChanged(PropertyChangedMinMaxType);
    second->setMinMaxType(MinMaxType::Auto);  // the assigned property left this one
    second->notifyPropertiesChanged(PropertyChangedMinMaxType);
    EXPECT_EQ(1, notifications);
    for (const ContResVarProperty* property : {&copy, &target, &original})
        EXPECT_EQ(MinMaxType::Object, property->getMinMaxType());
}

TEST(ResVarPropertyActivation, OnlyTheMatchingPropertyBecomesActive)
{
    struct Case { ScaleType own; int described; bool active; ScaleType resulting; };
    const Case cases[] = {
        {ScaleType::Continuous, number(ScaleType::Discrete), false, ScaleType::Continuous},
        {ScaleType::Continuous, number(ScaleType::ContinuousOutOfRange), true, ScaleType::ContinuousOutOfRange},
        {ScaleType::ContinuousOutOfRange, number(ScaleType::ContinuousOutOfSpec), true, ScaleType::ContinuousOutOfSpec},
        {ScaleType::ContinuousOutOfSpec, number(ScaleType::Continuous), true, ScaleType::Continuous},
        {ScaleType::Continuous, number(ScaleType::Undefined), false, ScaleType::Continuous},
        {ScaleType::Continuous, 42, false, ScaleType::Continuous},
        {ScaleType::ManualDiscrete, number(ScaleType::ManualDiscrete), true, ScaleType::ManualDiscrete},
        {ScaleType::ManualDiscrete, number(ScaleType::Continuous), false, ScaleType::ManualDiscrete},
    };
    for (const Case& c : cases)
    {
        auto description = makeThinningDescription();
        ContResVarProperty property(description, c.own);
        property.activate();
        description->setScaleType(c.described);
        description->notifyPropertiesChanged(PropertyChangedScaleType);
        SCOPED_TRACE(testing::Message() << number(c.own) << " -> " << c.described);
        EXPECT_EQ(c.active, property.isActive());
        EXPECT_EQ(c.resulting, property.getType());
        EXPECT_EQ(std::make_pair(c.resulting == ScaleType::ContinuousOutOfRange,
                                 c.resulting == ScaleType::ContinuousOutOfSpec),
                  std::make_pair(property.isShowOutOfRangeOn(), property.isShowSpecificationLimitsOn()));
    }
}

TEST(ResVarPropertyActivation, OutOfSpecNeedsALimitInUse)
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

    // An out-of-spec scale without limits falls back to continuous.
    description->setSkinBaseName("THINNING");
    description->setScaleType(ScaleType::ContinuousOutOfSpec);
    ContResVarProperty fallback(description);
    EXPECT_EQ(ScaleType::Continuous, fallback.getType());
    EXPECT_FALSE(fallback.isShowSpecificationLimitsOn());
}

TEST(ContResVarPropertyUpdate, EachChangeKindUpdatesItsOwnFields)
{
    struct Case { int changeSet; bool minMaxTypeFollows, manualFollows, defaultFollows; };
    const Case cases[] = {
        {PropertyChangedScaleType, false, false, false},
        {PropertyChangedMinMaxType, true, false, false},
        {PropertyChangedDefaultMinMax, false, false, true},
        {PropertyChangedMinMaxType | PropertyChangedDefaultMinMax, true, false, true},
        {PropertyChangedEverything, true, true, true},
    };
    for (const Case& c : cases)
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
        EXPECT_EQ(c.manualFollows ? Pair(-5.0, 5.0) : Pair(-0.3, 0.1), manualOf(property));
        EXPECT_EQ(c.defaultFollows ? Pair(-5.0, 5.0) : Pair(-0.3, 0.1),
                  Pair(property.getDefaultMin(), property.getDefaultMax()));
        // Limits, colour range, arrows and the configurable range follow every change.
        EXPECT_EQ(std::make_tuple(0.07, 1, false, true),
                  std::make_tuple(property.getUpperSpecificationLimit(), property.getColorRangeIdx(),
                                  property.isShowArrowHeadOn(), property.getUseConfigurableColorRange()));
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

TEST(ContResVarPropertyUpdate, BadNumbersInTheDescriptionDoNotCrash)
{
    auto description = makeThinningDescription();
    description->setContinuousColorRangeType(99);
    description->setMinMaxType(-3);
    description->setAbsDefaultMin(std::numeric_limits<double>::quiet_NaN());
    ContResVarProperty property(description, static_cast<ScaleType>(17));
    EXPECT_EQ(std::make_pair(-1, -3), std::make_pair(property.getColorRangeIdx(), number(property.getMinMaxType())));
    EXPECT_FALSE(property.isSmootingOn());
    property.setManualMax(1.0);  // NaN compares false: the pair stays as given
    EXPECT_EQ(1.0, property.getManualMax());
}

TEST(ContResVarPropertySetters, PairsStayOrdered)
{
    ContResVarProperty property(nullptr, ScaleType::Continuous);
    property.editMinMax(0, 3);
    property.setManualMin(5);
    EXPECT_EQ(Pair(5.0, 5.0), manualOf(property));
    EXPECT_EQ(MinMaxType::Manual, property.getMinMaxType());
    property.setManualMax(1);
    EXPECT_EQ(Pair(1.0, 1.0), manualOf(property));
    property.editMinMax(7, 2);
    EXPECT_EQ(Pair(7.0, 2.0), manualOf(property));

    property.setMinMaxType(MinMaxType::Global);
    property.setDefaultMin(2);
    property.setDefaultMax(-1);
    EXPECT_EQ(Pair(-1.0, -1.0), Pair(property.getDefaultMin(), property.getDefaultMax()));
    property.setLowerSpecificationLimit(1);
    property.setUpperSpecificationLimit(0.5);
    EXPECT_EQ(Pair(0.5, 0.5), Pair(property.getLowerSpecificationLimit(), property.getUpperSpecificationLimit()));
    EXPECT_EQ(MinMaxType::Global, property.getMinMaxType());  // only the manual pair sets the policy
}

TEST(ContResVarPropertySetters, ScaleFactorsForceFlagsAndCache)
{
    ContResVarProperty property(nullptr, ScaleType::Continuous);
    const auto unknown = static_cast<ContResVarProperty::ArrowScaleType>(2);
    property.setScaleFactor(3.0, unknown);
    property.setScaleFactor(4.0, ContResVarProperty::FixedLength);
    EXPECT_EQ(std::make_tuple(1.0, 4.0, 10.0),
              std::make_tuple(property.getScaleFactor(unknown),
                              property.getScaleFactor(ContResVarProperty::FixedLength),
                              property.getScaleFactor(ContResVarProperty::ValueProportional)));

    property.setForceMinMaxUpdateState(true);
    property.setForceMinMaxUpdateState(false);
    EXPECT_FALSE(property.getForceMinMaxUpdateState());
    property.setAlwaysForceMinMaxUpdate();
    property.setForceMinMaxUpdateState(false);
    EXPECT_TRUE(property.getForceMinMaxUpdateState());

    // A miss leaves the values, a hit fills them, a second entry for a step replaces the first.
    double min = -9.0, max = 9.0;
    EXPECT_FALSE(property.getMinMaxFromCache(11, min, max));
    EXPECT_EQ(Pair(-9.0, 9.0), Pair(min, max));
    property.cacheMinMax(11, 1.0, 2.0);
    property.cacheMinMax(12, 3.0, 4.0);
    property.cacheMinMax(11, 5.0, 6.0);
    EXPECT_TRUE(property.getMinMaxFromCache(11, min, max));
    EXPECT_EQ(Pair(5.0, 6.0), Pair(min, max));
}

}  // namespace
}  // namespace Quarvane
