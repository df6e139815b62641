// The road a view takes to draw a result variable: its settings from the defaults, the active
// scale, the scale's limits, the colour range and its colour map; for a discrete scale the colour
// bar's map and labels. Then a change of the variable's description reaches the view once.

#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResultVariablePropertiesCollection.h"
#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorScaleUtilities.h"
#include "Platform/Core/Presentation/Configuration/DefaultResVarSettings.h"
#include "Platform/Core/Presentation/Configuration/ResVarMinMaxFactory.h"
#include "ResVarPropertyTestSupport.h"
#include "EmissionLog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Quarvane
{
namespace
{

using namespace Testing;

const GUIdentifier blank(0, 7);

struct Evaluation
{
    std::shared_ptr<ResVarCollection> results = std::make_shared<ResVarCollection>();
    std::shared_ptr<ResultVariablePropertiesCollection> properties =
        std::make_shared<ResultVariablePropertiesCollection>();
    std::shared_ptr<ResultVariableProperties> thinning = makeThinningDescription();
    std::shared_ptr<ResultVariableProperties> formability = std::make_shared<ResultVariableProperties>();
    DefaultResVarSettings defaults;

    Evaluation()
    {
        results->addResultVariable("THINNING", SkinInterpretElementSmooth, {SkinInterpretElementFlat}, ResVarGroupScalar);
        results->setValues("THINNING", {2, blank, "Blank"}, {-0.21, 0.02, 0.08});
        thinning->setMinMaxType(number(MinMaxType::TimeStep));
        properties->addResVarProperty("THINNING", thinning);

        results->addResultVariable("FORMABILITY", SkinInterpretElementFlat, {}, ResVarGroupScalar);
        formability->setSkinBaseName("FORMABILITY");
        formability->setScaleType(number(ScaleType::Discrete));
        formability->setDiscreteColorRangeType(ResVarPropertiesCommon::GreenYellowRed);
        for (const auto& [value, label] : {std::pair<double, const char*>{1, "Safe"}, {2, "Risk"}, {3, "Crack"}})
            formability->addDiscretizationLevel(std::make_shared<LevelInfo>(value, label, 0.0f, 1.0f, 0.0f));
        properties->addResVarProperty("FORMABILITY", formability);
    }
    ResVarSettings* settings(const std::string& name) { return defaults.getSettings(name, results, properties); }
};

TEST(ResultDisplayRoad, ContinuousVariableFromSettingsToColorMap)
{
    Evaluation evaluation;
    ResVarSettings* settings = evaluation.settings("THINNING");
    ASSERT_NE(settings, nullptr);
    ContResVarProperty* scale = settings->getActiveProperty();
    ASSERT_EQ(scale, settings->getContinuousProperty());

    const SkinKey key("THINNING");
    double min = 0, max = 0;
    ResVarMinMaxFactory frame(key, evaluation.results, scale);
    frame.setTimeStepIdx(2);
    ASSERT_TRUE(frame.getMinMax(min, max));
    EXPECT_DOUBLE_EQ(min, -0.21);
    EXPECT_DOUBLE_EQ(max, 0.08);

    // The next frame finds the extremes in the scale's cache, even though the values moved on,
    // until the view forces an update, e.g. after the result was reloaded.
    evaluation.results->setValues("THINNING", {2, blank, "Blank"}, {-0.5, 0.5});
    ResVarMinMaxFactory nextFrame(key, evaluation.results, evaluation.settings("THINNING")->getActiveProperty());
    nextFrame.setTimeStepIdx(2);
    ASSERT_TRUE(nextFrame.getMinMax(min, max));
    EXPECT_DOUBLE_EQ(max, 0.08);
    evaluation.defaults.getSettingsCollection()->setForceMinMaxUpdateForAllSettings();
    ASSERT_TRUE(nextFrame.getMinMax(min, max));
    EXPECT_DOUBLE_EQ(max, 0.5);

    const auto colorMap = ColorMapManager::instance()->getColorMap(scale->getColorRangeIdx());
    EXPECT_EQ(colorMap->getKey(), ColorRangesConfiguration::s_defaultContinuousColorRange);
    EXPECT_GT(colorMap->size(), 2u);
}

TEST(ResultDisplayRoad, DiscreteVariableGivesTheColorBar)
{
    Evaluation evaluation;
    ResVarSettings* settings = evaluation.settings("FORMABILITY");
    ASSERT_NE(settings, nullptr);
    ASSERT_EQ(settings->getActivePropertyType(), ScaleType::Discrete);
    EXPECT_EQ(settings->getActiveProperty()->getRepresentationType(), SkinInterpretElementFlat);

    double min = 1, max = 1;  // a discrete scale has no computed limits
    EXPECT_FALSE(ResVarMinMaxFactory(SkinKey("FORMABILITY"), evaluation.results, settings->getActiveProperty())
                     .getMinMax(min, max));
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleLevelNames(settings),
              (std::vector<std::string>{"Safe", "Risk", "Crack"}));
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleColorMap(settings),
              ColorMapManager::instance()->getColorMap(settings->getDiscreteProperty()->getColorRangeIdx()));
}

TEST(ResultDisplayRoad, DescriptionChangeReachesTheViewOnce)
{
    Evaluation evaluation;
    ResVarSettings* settings = evaluation.settings("THINNING");
    ASSERT_TRUE(settings->havePropertyType(ScaleType::ManualDiscrete));
    EmissionLog redraws;
    redraws.watch(settings->settingsChanged, "changed");
    const std::pair<ScaleType, int> changes[] = {{ScaleType::ManualDiscrete, PropertyChangedScaleType},
                                                             {ScaleType::ContinuousOutOfSpec, PropertyChangedEverything}};
    std::size_t expectedRedraws = 0;
    for (const auto& [type, change] : changes)
    {
        evaluation.thinning->setScaleType(number(type));
        evaluation.thinning->notifyPropertiesChanged(change);
        EXPECT_EQ(redraws.entries.size(), ++expectedRedraws);
        EXPECT_EQ(settings->getActivePropertyType(), type);
    }
    EXPECT_TRUE(settings->getActiveProperty()->isShowSpecificationLimitsOn());

    // The result is closed: the settings are dropped and the view asks again.
    evaluation.properties.reset();
    evaluation.thinning.reset();
    EXPECT_EQ(evaluation.defaults.getSettingsCollection()->getSettings("THINNING"), nullptr);
}

}  // namespace
}  // namespace Quarvane
