#include "Platform/Core/Presentation/Configuration/ResVarSettings.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettingsUtilities.h"
#include "ResVarPropertyTestSupport.h"
#include "EmissionLog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Quarvane
{
namespace
{

using namespace Testing;

// Settings given the scales named in `scales`: d(iscrete), m(anual discrete), c(ontinuous).
std::unique_ptr<ResVarSettings> settingsWith(const std::shared_ptr<ResultVariableProperties>& description,
                                             const std::string& scales)
{
    auto settings = std::make_unique<ResVarSettings>(description, "THINNING");
    auto has = [&scales](char scale) { return scales.find(scale) != std::string::npos; };
    if (has('d'))
        settings->setDiscreteProperty(new DiscreteResVarProperty(description, ScaleType::Discrete));
    if (has('m'))
        settings->setManualDiscreteProperty(new DiscreteResVarProperty(description, ScaleType::ManualDiscrete));
    if (has('c'))
        settings->setContinuousProperty(new ContResVarProperty(description, ScaleType::Continuous));
    return settings;
}

std::vector<ContResVarProperty*> scalesOf(const ResVarSettings& settings)
{
    std::vector<ContResVarProperty*> present;
    for (ContResVarProperty* scale : {static_cast<ContResVarProperty*>(settings.getDiscreteProperty()),
                                      static_cast<ContResVarProperty*>(settings.getManualDiscreteProperty()),
                                      settings.getContinuousProperty()})
        if (scale)
            present.push_back(scale);
    return present;
}

TEST(ResVarSettingsNotification, EmitsOnceAllScalesReported)
{
    for (const char* scales : {"c", "dc", "dmc"})
    {
        SCOPED_TRACE(scales);
        auto description = makeThinningDescription();
        auto settings = settingsWith(description, scales);
        EmissionLog changed;
        changed.watch(settings->settingsChanged, "changed");
        // One change of the description: every scale updates and notifies, the settings once.
        description->notifyPropertiesChanged(PropertyChangedEverything);
        EXPECT_EQ(changed.entries.size(), 1u);
        // Scales notifying on their own: nothing until the last of a pass has reported.
        const auto present = scalesOf(*settings);
        for (std::size_t i = 0; i + 1 < present.size(); ++i)
            present[i]->notifyResVarPropertyChanged();
        EXPECT_EQ(changed.entries.size(), 1u);
        present.back()->notifyResVarPropertyChanged();
        EXPECT_EQ(changed.entries.size(), 2u);
    }

    // A replaced scale no longer counts.
    auto description = makeThinningDescription();
    auto settings = settingsWith(description, "c");
    std::unique_ptr<ContResVarProperty> first(settings->getContinuousProperty());
    settings->setContinuousProperty(new ContResVarProperty(description, ScaleType::Continuous));
    EmissionLog changed;
    changed.watch(settings->settingsChanged, "changed");
    first->notifyResVarPropertyChanged();
    EXPECT_TRUE(changed.entries.empty());
    settings->getContinuousProperty()->notifyResVarPropertyChanged();
    EXPECT_EQ(changed.entries.size(), 1u);
}

TEST(ResVarSettingsActivation, ActivatesTheMatchingScaleAndAlwaysEmits)
{
    const struct
    {
        const char* scales;
        ScaleType requested;
        bool activated;
        ScaleType active;  // afterwards
    } cases[] = {
        {"dmc", ScaleType::Discrete, true, ScaleType::Discrete},
        {"dmc", ScaleType::ManualDiscrete, true, ScaleType::ManualDiscrete},
        {"dmc", ScaleType::ContinuousOutOfRange, true, ScaleType::ContinuousOutOfRange},
        {"dmc", ScaleType::ContinuousOutOfSpec, true, ScaleType::ContinuousOutOfSpec},
        {"dmc", ScaleType::Undefined, false, ScaleType::Continuous},
        {"dmc", static_cast<ScaleType>(42), false, ScaleType::Continuous},
        {"dm", ScaleType::ContinuousOutOfSpec, false, ScaleType::Undefined},
        {"mc", ScaleType::Discrete, false, ScaleType::Continuous},
        {"dc", ScaleType::ManualDiscrete, false, ScaleType::Continuous},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(number(c.requested));
        auto description = makeThinningDescription();  // continuous: the continuous scale starts active
        auto settings = settingsWith(description, c.scales);
        EmissionLog changed;
        changed.watch(settings->settingsChanged, "changed");
        EXPECT_EQ(settings->activatePropertyType(c.requested), c.activated);
        EXPECT_EQ(changed.entries.size(), 1u);
        EXPECT_EQ(settings->getActivePropertyType(), c.active);
        EXPECT_EQ(settings->getActiveProperty() != nullptr, c.active != ScaleType::Undefined);
        int activeScales = 0;
        for (ContResVarProperty* scale : scalesOf(*settings))
            activeScales += scale->isActive();
        EXPECT_EQ(activeScales, c.active == ScaleType::Undefined ? 0 : 1);
    }
}

TEST(ResVarSettingsActivation, DefaultTypeNeedsTheDescription)
{
    auto description = makeThinningDescription(ScaleType::ManualDiscrete);
    auto settings = settingsWith(description, "dmc");
    settings->activatePropertyType(ScaleType::Continuous);
    settings->activateDefaultPropertyType();
    EXPECT_EQ(settings->getActivePropertyType(), ScaleType::ManualDiscrete);
    EXPECT_TRUE(settings->havePropertyType(ScaleType::ContinuousOutOfSpec));
    EXPECT_TRUE(settings->havePropertyType(ScaleType::ManualDiscrete));
    EXPECT_FALSE(settings->havePropertyType(ScaleType::Undefined));
    EXPECT_FALSE(settingsWith(description, "dc")->havePropertyType(ScaleType::ManualDiscrete));

    settings->activatePropertyType(ScaleType::Continuous);
    description.reset();
    EmissionLog changed;
    changed.watch(settings->settingsChanged, "changed");
    settings->activateDefaultPropertyType();
    EXPECT_EQ(settings->getActivePropertyType(), ScaleType::Continuous);
    EXPECT_TRUE(changed.entries.empty());
    EXPECT_EQ(settings->getDisplayName(), "Thinning");
}

TEST(ResVarSettingsSkinDefinition, WhenTheActiveTypeIsManualDiscrete)
{
    auto description = makeThinningDescription();
    auto settings = settingsWith(description, "mc");
    EXPECT_EQ(settings->getDiscreteSkinDefinitionSettings(), nullptr);

    DiscreteResVarProperty* manual = settings->getManualDiscreteProperty();
    for (double value : {3.0, 1.0, 2.0})
        manual->addTick(value, "");
    manual->setRepresentationType(SkinInterpretLine);
    settings->activatePropertyType(ScaleType::ManualDiscrete);
    const DiscreteSkinDefinition::Settings* skin = settings->getDiscreteSkinDefinitionSettings();
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->representationType, SkinInterpretLine);
    EXPECT_EQ(skin->values, (std::vector<double>{1.0, 2.0, 3.0}));
    manual->deleteTick(2.0);
    EXPECT_EQ(settings->getDiscreteSkinDefinitionSettings()->values, (std::vector<double>{1.0, 3.0}));

    // The active type decides: a continuous scale set to the manual discrete type hands out the
    // manual discrete scale's ticks; without a manual discrete scale there are none.
    settings->activatePropertyType(ScaleType::Continuous);
    settings->getContinuousProperty()->setType(ScaleType::ManualDiscrete);
    ASSERT_NE(settings->getDiscreteSkinDefinitionSettings(), nullptr);
    EXPECT_EQ(settings->getDiscreteSkinDefinitionSettings()->values, (std::vector<double>{1.0, 3.0}));
    auto continuousOnly = settingsWith(description, "c");
    continuousOnly->getContinuousProperty()->setType(ScaleType::ManualDiscrete);
    EXPECT_EQ(continuousOnly->getDiscreteSkinDefinitionSettings(), nullptr);
}

TEST(ResVarSettingsCopy, DeepCopiesKeepActivationAndDoNotCount)
{
    auto description = makeThinningDescription();
    description->setDisplayName("Wall thinning");
    auto original = settingsWith(description, "dmc");
    original->activatePropertyType(ScaleType::ManualDiscrete);
    original->getManualDiscreteProperty()->addTick(7.0, "seven");

    std::unique_ptr<ResVarSettings> copy(original->clone());
    ASSERT_NE(copy->getManualDiscreteProperty(), nullptr);
    EXPECT_NE(copy->getManualDiscreteProperty(), original->getManualDiscreteProperty());
    EXPECT_EQ(copy->getActivePropertyType(), ScaleType::ManualDiscrete);
    EXPECT_EQ(copy->getManualDiscreteProperty()->getNumberOfTicks(), 1u);

    ResVarSettings assigned(nullptr, "OTHER");
    assigned.setContinuousProperty(new ContResVarProperty(nullptr, ScaleType::Continuous));
    assigned = *copy;
    EXPECT_EQ(assigned.getDisplayName(), "Wall thinning");
    EXPECT_NE(assigned.getDiscreteProperty(), nullptr);
    EXPECT_EQ(assigned.getActivePropertyType(), ScaleType::ManualDiscrete);

    // The copy's scales still follow the (continuous) description, but the copy does not count
    // their notifications, nor depends on the original's scales.
    EmissionLog copyChanged;
    copyChanged.watch(copy->settingsChanged, "changed");
    original.reset();
    description->notifyPropertiesChanged(PropertyChangedEverything);
    EXPECT_TRUE(copyChanged.entries.empty());
    EXPECT_EQ(copy->getActivePropertyType(), ScaleType::Continuous);
}

TEST(ResVarSettingsNames, SigmaInterpolationSharesTheVariablesSettings)
{
    const std::pair<std::string, std::string> cases[] = {
        {"THINNING", "THINNING"}, {"THINNING~SIGMA_INTERPOLATION", "THINNING"}, {"THINNING~OTHER", "THINNING~OTHER"},
        {"THINNING@COMPAREMODE", "THINNING@COMPAREMODE"}, {"THINNING~SIGMA_INTERPOLATION@OTHER", "THINNING"},
        {"THINNING~SIGMA_INTERPOLATION@COMPAREMODE", "THINNING~SIGMA_INTERPOLATION@COMPAREMODE"}, {"", ""}};
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ResVarSettingsUtilities::getBaseNameForSettings(name), expected) << name;
}

}  // namespace
}  // namespace Quarvane
