#include "Platform/Core/Presentation/Configuration/ResVarSettings.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettingsUtilities.h"
#include "ResVarPropertyTestSupport.h"
#include "SignalRecorder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Quarvane
{
namespace
{

using namespace Testing;

// Which of the three scales a settings object is given.
struct Scales
{
    bool discrete;
    bool manualDiscrete;
    bool continuous;
};

std::unique_ptr<ResVarSettings> settingsWith(const std::shared_ptr<ResultVariableProperties>& description,
                                             Scales scales)
{
    auto settings = std::make_unique<ResVarSettings>(description, "THINNING");
    if (scales.discrete)
        settings->setDiscreteProperty(new DiscreteResVarProperty(description, ScaleType::Discrete));
    if (scales.manualDiscrete)
        settings->setManualDiscreteProperty(new DiscreteResVarProperty(description, ScaleType::ManualDiscrete));
    if (scales.continuous)
        settings->setContinuousProperty(new ContResVarProperty(description, ScaleType::Continuous));
    return settings;
}

// --- Notifications ---------------------------------------------------------------------------

TEST(ResVarSettingsNotification, EmitsOnceAllScalesReported)
{
    const struct
    {
        Scales scales;
        unsigned int scaleCount;
    } cases[] = {{{false, false, true}, 1}, {{true, false, true}, 2}, {{true, true, true}, 3}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.scaleCount);
        auto description = makeThinningDescription();
        auto settings = settingsWith(description, c.scales);
        SignalRecorder<> changed(settings->settingsChanged);

        // One change of the description: every scale updates and notifies, the settings once.
        description->notifyPropertiesChanged(PropertyChangedEverything);
        EXPECT_EQ(changed.calls.size(), 1u);

        // Scales notifying on their own: nothing until the last of a pass has reported.
        std::vector<ContResVarProperty*> present;
        for (ContResVarProperty* scale : {static_cast<ContResVarProperty*>(settings->getDiscreteProperty()),
                                          static_cast<ContResVarProperty*>(settings->getManualDiscreteProperty()),
                                          settings->getContinuousProperty()})
            if (scale)
                present.push_back(scale);
        ASSERT_EQ(present.size(), c.scaleCount);
        for (unsigned int i = 0; i + 1 < c.scaleCount; ++i)
            present[i]->notifyResVarPropertyChanged();
        EXPECT_EQ(changed.calls.size(), 1u);
        present.back()->notifyResVarPropertyChanged();
        EXPECT_EQ(changed.calls.size(), 2u);
    }
}

TEST(ResVarSettingsNotification, ReplacedScaleNoLongerCounts)
{
    auto description = makeThinningDescription();
    auto settings = settingsWith(description, {false, false, true});
    ContResVarProperty* first = settings->getContinuousProperty();
    settings->setContinuousProperty(new ContResVarProperty(description, ScaleType::Continuous));
    SignalRecorder<> changed(settings->settingsChanged);

    first->notifyResVarPropertyChanged();
    EXPECT_TRUE(changed.calls.empty());
    settings->getContinuousProperty()->notifyResVarPropertyChanged();
    EXPECT_EQ(changed.calls.size(), 1u);
    delete first;  // released by the settings, ours now
}

// --- Activation ------------------------------------------------------------------------------

TEST(ResVarSettingsActivation, ActivatesTheMatchingScaleAndAlwaysEmits)
{
    const struct
    {
        Scales scales;
        ScaleType requested;
        bool activated;
        ScaleType active;  // afterwards
    } cases[] = {
        {{true, true, true}, ScaleType::Discrete, true, ScaleType::Discrete},
        {{true, true, true}, ScaleType::ManualDiscrete, true, ScaleType::ManualDiscrete},
        {{true, true, true}, ScaleType::ContinuousOutOfRange, true, ScaleType::ContinuousOutOfRange},
        {{true, true, true}, ScaleType::ContinuousOutOfSpec, true, ScaleType::ContinuousOutOfSpec},
        {{true, true, true}, ScaleType::Undefined, false, ScaleType::Continuous},
        {{true, true, true}, static_cast<ScaleType>(42), false, ScaleType::Continuous},
        {{true, true, false}, ScaleType::ContinuousOutOfSpec, false, ScaleType::Undefined},
        {{false, true, true}, ScaleType::Discrete, false, ScaleType::Continuous},
        {{true, false, true}, ScaleType::ManualDiscrete, false, ScaleType::Continuous},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(number(c.requested));
        auto description = makeThinningDescription();  // continuous: the continuous scale starts active
        auto settings = settingsWith(description, c.scales);
        SignalRecorder<> changed(settings->settingsChanged);

        EXPECT_EQ(settings->activatePropertyType(c.requested), c.activated);
        EXPECT_EQ(changed.calls.size(), 1u);
        EXPECT_EQ(settings->getActivePropertyType(), c.active);
        EXPECT_EQ(settings->getActiveProperty() != nullptr, c.active != ScaleType::Undefined);
        const int activeScales = (settings->getDiscreteProperty() && settings->getDiscreteProperty()->isActive()) +
                                 (settings->getManualDiscreteProperty() &&
                                  settings->getManualDiscreteProperty()->isActive()) +
                                 (settings->getContinuousProperty() && settings->getContinuousProperty()->isActive());
        EXPECT_EQ(activeScales, c.active == ScaleType::Undefined ? 0 : 1);
    }
}

TEST(ResVarSettingsActivation, DefaultTypeNeedsTheDescription)
{
    auto description = makeThinningDescription(ScaleType::ManualDiscrete);
    auto settings = settingsWith(description, {true, true, true});
    settings->activatePropertyType(ScaleType::Continuous);
    settings->activateDefaultPropertyType();
    EXPECT_EQ(settings->getActivePropertyType(), ScaleType::ManualDiscrete);
    EXPECT_TRUE(settings->havePropertyType(ScaleType::ContinuousOutOfSpec));
    EXPECT_FALSE(settings->havePropertyType(ScaleType::Undefined));

    settings->activatePropertyType(ScaleType::Continuous);
    description.reset();
    SignalRecorder<> changed(settings->settingsChanged);
    settings->activateDefaultPropertyType();
    EXPECT_EQ(settings->getActivePropertyType(), ScaleType::Continuous);
    EXPECT_TRUE(changed.calls.empty());
    EXPECT_EQ(settings->getDisplayName(), "Thinning");
}

// --- Skin definition for the drawing side ----------------------------------------------------

TEST(ResVarSettingsSkinDefinition, OnlyForAnActiveManualDiscreteScale)
{
    auto description = makeThinningDescription();
    auto settings = settingsWith(description, {false, true, true});
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

    // A continuous scale set to a discrete type is still no manual discrete scale.
    settings->activatePropertyType(ScaleType::Continuous);
    settings->getContinuousProperty()->setType(ScaleType::ManualDiscrete);
    EXPECT_EQ(settings->getDiscreteSkinDefinitionSettings(), nullptr);
}

// --- Copies and forced updates ---------------------------------------------------------------

TEST(ResVarSettingsCopy, DeepCopiesKeepActivationAndDoNotCount)
{
    auto description = makeThinningDescription();
    description->setDisplayName("Wall thinning");
    auto original = settingsWith(description, {true, true, true});
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

    // The copy's scales still follow the description (it is continuous), but the copy does not
    // count their notifications.
    SignalRecorder<> copyChanged(copy->settingsChanged);
    original.reset();  // the copy must not depend on the original's scales
    description->notifyPropertiesChanged(PropertyChangedEverything);
    EXPECT_TRUE(copyChanged.calls.empty());
    EXPECT_EQ(copy->getActivePropertyType(), ScaleType::Continuous);
}

// --- Settings names --------------------------------------------------------------------------

TEST(ResVarSettingsNames, SigmaInterpolationSharesTheVariablesSettings)
{
    const std::pair<std::string, std::string> cases[] = {
        {"THINNING", "THINNING"},
        {"THINNING~SIGMA_INTERPOLATION", "THINNING"},
        {"THINNING~OTHER", "THINNING~OTHER"},
        {"THINNING@COMPAREMODE", "THINNING@COMPAREMODE"},
        {"THINNING~SIGMA_INTERPOLATION@COMPAREMODE", "THINNING~SIGMA_INTERPOLATION@COMPAREMODE"},
        {"THINNING~SIGMA_INTERPOLATION@OTHER", "THINNING"},
        {"", ""},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ResVarSettingsUtilities::getBaseNameForSettings(name), expected) << name;
}

}  // namespace
}  // namespace Quarvane
