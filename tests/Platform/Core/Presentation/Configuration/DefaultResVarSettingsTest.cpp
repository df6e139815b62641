#include "Platform/Core/Business/ResultVariables/GeometryResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"
#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/DefaultResVarSettings.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>

namespace Quarvane
{
namespace
{

using namespace Testing;

enum class Results
{
    None,      // no result collection
    Unknown,   // a simulation result without the variable
    Known,     // a simulation result with the variable
    Geometry,  // a geometry check with the variable
    LineModel  // a simulation result with the variable, of a model whose results lie on lines
};

struct Variable
{
    Variable(const char* name, ScaleType scaleType = ScaleType::Continuous, Results results = Results::Known,
             SkinInterpretType baseRepresentation = SkinInterpretElementSmooth,
             std::set<SkinInterpretType> representations = {}, ResVarGroup group = ResVarGroupScalar)
        : name(name), scaleType(scaleType), results(results), baseRepresentation(baseRepresentation),
          representations(std::move(representations)), group(group)
    {
    }

    std::string name;
    ScaleType scaleType;
    Results results;
    SkinInterpretType baseRepresentation;
    std::set<SkinInterpretType> representations;
    ResVarGroup group;
};

// A description, a properties collection and a result collection as an evaluation has them.
struct Evaluation
{
    std::shared_ptr<ResultVariableProperties> description;
    std::shared_ptr<ResultVariablePropertiesCollection> properties;
    std::shared_ptr<ResVarCollectionBase> results;

    explicit Evaluation(const Variable& v)
        : description(makeThinningDescription(v.scaleType)),
          properties(std::make_shared<ResultVariablePropertiesCollection>())
    {
        description->setSkinBaseName(SkinBaseNameUtilities::getDecomposedSkinBaseName(v.name));
        description->setMinMaxType(number(MinMaxType::TimeStep));
        properties->addResVarProperty(v.name, description);
        if (v.results == Results::Geometry)
            results = std::make_shared<GeometryResVarCollection>();
        else if (v.results != Results::None)
            results = std::make_shared<ResVarCollection>();
        if (v.results == Results::LineModel)
            properties->setMode(ResultVariablePropertiesCollection::LineModelMode);
        if (results && v.results != Results::Unknown)
            results->addResultVariable(v.name, v.baseRepresentation, v.representations, v.group);
    }
};

bool alwaysForced(ContResVarProperty* scale)
{
    scale->setForceMinMaxUpdateState(false);
    return scale->getForceMinMaxUpdateState();
}

constexpr int none = -1;

// Which scales a variable gets, how each is laid onto the model, and which policies it offers.
TEST(DefaultResVarSettingsRules, ScalesRepresentationsAndPolicies)
{
    using S = SkinInterpretType;
    const struct
    {
        Variable variable;
        int discrete;        // representation of the discrete scale, or none
        int manualDiscrete;  // of the manual discrete scale
        int continuous;      // of the continuous scale
        std::string forced;  // scales that always recompute: d, m, c
        std::string offered; // min/max the continuous scale offers: g(lobal), t(ime step), o(bject)
        MinMaxType policy;
        ScaleType active;
    } cases[] = {
        // Discrete descriptions
        {{"LINE_MOVEMENT_D", ScaleType::Discrete}, S(4), none, none, "", "", MinMaxType::TimeStep, ScaleType::Discrete},
        {{"LINE_MOVEMENT_D", ScaleType::Discrete, Results::Geometry}, S(4), none, none, "d", "", MinMaxType::TimeStep,
         ScaleType::Discrete},
        {{"WP_RECOMMENDATION", ScaleType::Discrete, Results::None}, S(5), none, none, "d", "", MinMaxType::TimeStep,
         ScaleType::Discrete},
        {{"FAILURE_ZONES", ScaleType::Discrete, Results::Unknown}, S(5), none, none, "", "", MinMaxType::TimeStep,
         ScaleType::Discrete},
        {{"FAILURE_ZONES", ScaleType::Discrete, Results::Known, S(5)}, S(5), none, none, "", "", MinMaxType::TimeStep,
         ScaleType::Discrete},
        // A discrete description the result draws smoothly gets the other two scales; none matches its type.
        {{"FAILURE_ZONES", ScaleType::Discrete, Results::Known, S(2), {S(5)}}, none, S(5), S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Undefined},
        // Manual discrete scale
        {{"THINNING", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, S(5), S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"THINNING", ScaleType::ManualDiscrete, Results::Known, S(2), {S(5)}}, none, S(5), S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::ManualDiscrete},
        {{"THINNING"}, none, none, S(2), "", "gt", MinMaxType::TimeStep, ScaleType::Continuous},
        {{"THINNING", ScaleType::Continuous, Results::LineModel, S(2), {S(5)}}, none, none, S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"THINNING@COMPAREMODE", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, none, S(2), "", "t",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"SIGMA_THINNING_D", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, none, S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"LINE_JOIN_GAP", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, none, S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"LINE_MOVEMENT", ScaleType::Continuous, Results::Known, S(4), {S(1)}}, none, S(4), S(4), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"ROLLING_TRANSVERSE_DIR"}, none, S(5), S(2), "", "gt", MinMaxType::TimeStep, ScaleType::Continuous},
        {{"GEOM_TEMPERATURE_DISTRIB", ScaleType::Continuous, Results::Known, S(8), {S(5), S(1)}}, none, S(1), S(1), "",
         "gt", MinMaxType::TimeStep, ScaleType::Continuous},
        {{"CONNECTOR_FORCE", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, S(4), S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"DRAW_IN", ScaleType::Continuous, Results::Known, S(8), {S(5), S(2)}}, none, S(4), S(1), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        // Continuous scale and its representation
        {{"THINNING", ScaleType::Continuous, Results::None}, none, S(5), S(1), "", "", MinMaxType::TimeStep,
         ScaleType::Continuous},
        {{"THINNING", ScaleType::Continuous, Results::Unknown}, none, S(5), S(2), "", "gt", MinMaxType::TimeStep,
         ScaleType::Continuous},
        {{"THINNING", ScaleType::Continuous, Results::Known, S(5), {S(10)}}, none, S(5), none, "", "",
         MinMaxType::TimeStep, ScaleType::Undefined},
        {{"EDGE_CRACK", ScaleType::Continuous, Results::Known, S(8), {S(9)}}, none, S(5), S(9), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"GUI_WRINKLES_SEVERITY", ScaleType::Continuous, Results::Known, S(8), {S(6)}}, none, S(5), S(1), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"THICKNESS", ScaleType::Continuous, Results::Known, S(8), {S(6)}}, none, S(5), S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"CONTACT", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, S(5), none, "", "",
         MinMaxType::TimeStep, ScaleType::Undefined},
        {{"DOMINANT_VARIABLE_N", ScaleType::Continuous, Results::None}, none, none, none, "", "", MinMaxType::TimeStep,
         ScaleType::Undefined},
        // Geometry checks and named rules
        {{"THICKNESS", ScaleType::Continuous, Results::Geometry, S(2), {S(5)}}, none, S(5), S(2), "mc", "o",
         MinMaxType::Object, ScaleType::Continuous},
        {{"CAD_FACE_DISTANCE", ScaleType::Continuous, Results::Geometry, S(2)}, none, S(4), S(1), "mc", "",
         MinMaxType::Default, ScaleType::Continuous},
        {{"CAD_FACE_ANGLE", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, S(4), S(1), "c", "",
         MinMaxType::Default, ScaleType::Continuous},
        {{"WP_MAX_VOLUME"}, none, none, S(2), "c", "gt", MinMaxType::TimeStep, ScaleType::Continuous},
        {{"DELTA_CURVATURE"}, none, none, S(2), "", "t", MinMaxType::TimeStep, ScaleType::Continuous},
        {{"SBCOMP_ARROW_COLLECTION", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, none, S(2), "", "gt",
         MinMaxType::TimeStep, ScaleType::Continuous},
        {{"PREPROCESS_TOOL_DISTANCE", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, none, S(2), "c", "o",
         MinMaxType::Object, ScaleType::Continuous},
        {{"PREPROCESS_THINNING_DEFORMABLE", ScaleType::Continuous, Results::Known, S(2), {S(5)}}, none, none, S(2), "c",
         "o", MinMaxType::TimeStep, ScaleType::Continuous},
        {{"TOOL_DISPLACEMENT_Y"}, none, none, S(2), "c", "gto", MinMaxType::TimeStep, ScaleType::Continuous},
    };
    for (const auto& c : cases)
    {
        const Variable& v = c.variable;
        SCOPED_TRACE(v.name + " results " + std::to_string(static_cast<int>(v.results)));
        Evaluation evaluation(v);
        DefaultResVarSettings defaults;
        ResVarSettings* settings = defaults.getSettings(v.name, evaluation.results, evaluation.properties);
        ASSERT_NE(settings, nullptr);

        auto representationOf = [](ContResVarProperty* scale) {
            return scale ? static_cast<int>(scale->getRepresentationType()) : none;
        };
        EXPECT_EQ(representationOf(settings->getDiscreteProperty()), c.discrete);
        EXPECT_EQ(representationOf(settings->getManualDiscreteProperty()), c.manualDiscrete);
        EXPECT_EQ(representationOf(settings->getContinuousProperty()), c.continuous);

        std::string forced;
        if (settings->getDiscreteProperty() && alwaysForced(settings->getDiscreteProperty()))
            forced += 'd';
        if (settings->getManualDiscreteProperty() && alwaysForced(settings->getManualDiscreteProperty()))
            forced += 'm';
        if (settings->getContinuousProperty() && alwaysForced(settings->getContinuousProperty()))
            forced += 'c';
        EXPECT_EQ(forced, c.forced);

        if (ContResVarProperty* continuous = settings->getContinuousProperty())
        {
            std::string offered;
            offered += continuous->getMinMaxGlobalAvailable() ? "g" : "";
            offered += continuous->getMinMaxTimeStepAvailable() ? "t" : "";
            offered += continuous->getMinMaxObjectAvailable() ? "o" : "";
            EXPECT_EQ(offered, c.offered);
            EXPECT_EQ(continuous->getMinMaxType(), c.policy);
        }
        EXPECT_EQ(settings->getActivePropertyType(), c.active);
    }
}

TEST(DefaultResVarSettingsRules, DisplaySwitchesOfTheContinuousScale)
{
    const struct
    {
        Variable variable;
        bool vector;
        bool smoothing;
        bool smoothingTogglePossible;
        bool outOfRangeTogglePossible;
    } cases[] = {
        {{"THINNING"}, false, true, false, true},
        // Activating the continuous type switches smoothing on again; a vector cannot toggle it.
        {{"DISPLACEMENT", ScaleType::Continuous, Results::Known, SkinInterpretArrows, {SkinInterpretNodalSmooth},
          ResVarGroupVector},
         true, true, false, true},
        {{"TOOL_ROUGHNESS"}, false, false, false, true},
        {{"WRINKLES_MAX_SEVERITY"}, false, true, false, false},
        {{"DELTA_CURVATURE"}, false, true, false, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.variable.name);
        Evaluation evaluation(c.variable);
        DefaultResVarSettings defaults;
        ContResVarProperty* continuous =
            defaults.getSettings(c.variable.name, evaluation.results, evaluation.properties)->getContinuousProperty();
        ASSERT_NE(continuous, nullptr);
        EXPECT_EQ(continuous->isVectorResVar(), c.vector);
        EXPECT_EQ(continuous->isSmootingOn(), c.smoothing);
        EXPECT_EQ(continuous->isToggleSmoothingIsPossible(), c.smoothingTogglePossible);
        EXPECT_EQ(continuous->isToggleOutOfRangeIsPossible(), c.outOfRangeTogglePossible);
    }

    // Without results the description's group tells a vector.
    Variable vector{"DISPLACEMENT", ScaleType::Continuous, Results::None};
    Evaluation evaluation(vector);
    evaluation.description->setGroupName("Vectors");
    DefaultResVarSettings defaults;
    EXPECT_TRUE(defaults.getSettings(vector.name, nullptr, evaluation.properties)->getContinuousProperty()->isVectorResVar());
}

TEST(DefaultResVarSettingsRules, CadDistancesUseTheDefaultContinuousRange)
{
    Evaluation evaluation({"CAD_FACE_DISTANCE", ScaleType::Continuous, Results::Geometry});
    evaluation.description->setContinuousColorRangeType(ResVarPropertiesCommon::BlueRed);
    DefaultResVarSettings defaults;
    ResVarSettings* settings = defaults.getSettings("CAD_FACE_DISTANCE", evaluation.results, evaluation.properties);
    EXPECT_EQ(settings->getContinuousProperty()->getColorRangeIdx(),
              ColorRangesConfiguration::getInstance()->getColorRangeIdx("DEFAULT_CONTINUOUS"));
}

// --- Lookup and bad input --------------------------------------------------------------------

TEST(DefaultResVarSettingsLookup, CreatedOnceAndSharedBySigmaInterpolation)
{
    Evaluation evaluation(Variable("THINNING"));
    evaluation.properties->addResVarProperty("THINNING~SIGMA_INTERPOLATION", makeThinningDescription());
    DefaultResVarSettings defaults;
    ResVarSettings* settings = defaults.getSettings("THINNING", evaluation.results, evaluation.properties);
    EXPECT_EQ(defaults.getSettings("THINNING", evaluation.results, evaluation.properties), settings);
    EXPECT_EQ(defaults.getSettings("THINNING~SIGMA_INTERPOLATION", evaluation.results, evaluation.properties),
              settings);
    EXPECT_EQ(defaults.getSettingsCollection()->getNumberOfSettings(), 1u);
    // The first request handed the result over to the descriptions.
    EXPECT_EQ(evaluation.properties->getResultVariableCollection(), evaluation.results);

    // A sigma interpolation requested first is kept under the variable's name.
    DefaultResVarSettings other;
    ResVarSettings* first = other.getSettings("THINNING~SIGMA_INTERPOLATION", evaluation.results, evaluation.properties);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(other.getSettings("THINNING~SIGMA_INTERPOLATION", evaluation.results, evaluation.properties), first);
    EXPECT_EQ(other.getSettingsCollection()->getSettings("THINNING"), first);
}

TEST(DefaultResVarSettingsLookup, NullForWhatCannotBeDescribed)
{
    Evaluation evaluation(Variable("THINNING"));
    DefaultResVarSettings defaults;
    EXPECT_EQ(defaults.getSettings("THINNING", evaluation.results, nullptr), nullptr);
    EXPECT_EQ(defaults.getSettings("NO_SUCH_VARIABLE", evaluation.results, evaluation.properties), nullptr);
    EXPECT_EQ(defaults.getSettings("", evaluation.results, evaluation.properties), nullptr);
    EXPECT_EQ(defaults.getSettingsCollection()->getNumberOfSettings(), 0u);
}

TEST(DefaultResVarSettingsLookup, StaleSettingsAreRebuilt)
{
    Evaluation evaluation(Variable("THINNING"));
    DefaultResVarSettings defaults;
    ASSERT_NE(defaults.getSettings("THINNING", evaluation.results, evaluation.properties), nullptr);

    // The result is closed and opened again: new descriptions, the old settings are stale.
    auto reopened = std::make_shared<ResultVariablePropertiesCollection>();
    auto description = makeThinningDescription(ScaleType::ManualDiscrete);
    reopened->addResVarProperty("THINNING", description);
    evaluation.properties.reset();
    evaluation.description.reset();
    ResVarSettings* fresh = defaults.getSettings("THINNING", nullptr, reopened);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->getActivePropertyType(), ScaleType::ManualDiscrete);
    EXPECT_EQ(defaults.getSettingsCollection()->getNumberOfSettings(), 1u);
}

}  // namespace
}  // namespace Quarvane
