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
using S = SkinInterpretType;
constexpr ScaleType Dis = ScaleType::Discrete, Man = ScaleType::ManualDiscrete, Con = ScaleType::Continuous;

// None: no result collection; Unknown: a result without the variable; LineModel: results on lines.
enum class R { None, Unknown, Known, Geometry, LineModel };

struct Variable
{
    std::string name;
    ScaleType scaleType = Con;
    R results = R::Known;
    S base = SkinInterpretElementSmooth;
    std::set<S> representations = {};
    ResVarGroup group = ResVarGroupScalar;
};

// A description, a properties collection and a result collection as an evaluation has them.
struct Evaluation
{
    std::shared_ptr<ResultVariableProperties> description;
    std::shared_ptr<ResultVariablePropertiesCollection> properties =
        std::make_shared<ResultVariablePropertiesCollection>();
    std::shared_ptr<ResVarCollectionBase> results;

    explicit Evaluation(const Variable& v) : description(makeThinningDescription(v.scaleType))
    {
        description->setSkinBaseName(SkinBaseNameUtilities::getDecomposedSkinBaseName(v.name));
        description->setMinMaxType(number(MinMaxType::TimeStep));
        properties->addResVarProperty(v.name, description);
        if (v.results == R::Geometry)
            results = std::make_shared<GeometryResVarCollection>();
        else if (v.results != R::None)
            results = std::make_shared<ResVarCollection>();
        if (v.results == R::LineModel)
            properties->setMode(ResultVariablePropertiesCollection::LineModelMode);
        if (results && v.results != R::Unknown)
            results->addResultVariable(v.name, v.base, v.representations, v.group);
    }
    ResVarSettings* settingsFrom(DefaultResVarSettings& defaults, const std::string& name) const
    {
        return defaults.getSettings(name, results, properties);
    }
};

// "<representations of discrete, manual, continuous scale> <always recomputing: d m c> <offered
// min/max of the continuous scale: g(lobal) t(ime step) o(bject)> <its policy><active type>",
// '-' for nothing. Policies and types by their first letter (R/S: out of range/specification).
std::string summary(const ResVarSettings& settings)
{
    ContResVarProperty* scales[] = {settings.getDiscreteProperty(), settings.getManualDiscreteProperty(),
                                    settings.getContinuousProperty()};
    std::string reps, forced;
    for (int i = 0; i < 3; ++i)
    {
        reps += scales[i] ? std::to_string(scales[i]->getRepresentationType()) : "-";
        if (scales[i])
            scales[i]->setForceMinMaxUpdateState(false);  // only an always-forced scale stays forced
        if (scales[i] && scales[i]->getForceMinMaxUpdateState())
            forced += "dmc"[i];
    }
    std::string offered, policy = "-";
    if (ContResVarProperty* c = scales[2])
    {
        offered = std::string(c->getMinMaxGlobalAvailable() ? "g" : "") + (c->getMinMaxTimeStepAvailable() ? "t" : "") +
                  (c->getMinMaxObjectAvailable() ? "o" : "");
        policy = "GTAMODU"[number(c->getMinMaxType())];
    }
    return reps + ' ' + (forced.empty() ? "-" : forced) + ' ' + (offered.empty() ? "-" : offered) + ' ' + policy +
           "DMCRSU"[number(settings.getActivePropertyType())];
}

TEST(DefaultResVarSettingsRules, ScalesRepresentationsAndPolicies)
{
    const std::pair<Variable, const char*> cases[] = {
        {{"LINE_MOVEMENT_D", Dis}, "4-- - - -D"},
        {{"LINE_MOVEMENT_D", Dis, R::Geometry}, "4-- d - -D"},
        {{"WP_RECOMMENDATION", Dis, R::None}, "5-- d - -D"},
        {{"FAILURE_ZONES", Dis, R::Unknown}, "5-- - - -D"},
        {{"FAILURE_ZONES", Dis, R::Known, S(5)}, "5-- - - -D"},
        // A discrete description the result draws smoothly gets the other two scales; none matches its type.
        {{"FAILURE_ZONES", Dis, R::Known, S(2), {S(5)}}, "-52 - gt TU"},
        {{"THINNING", Con, R::Known, S(2), {S(5)}}, "-52 - gt TC"},
        {{"THINNING", Man, R::Known, S(2), {S(5)}}, "-52 - gt TM"},
        {{"THINNING"}, "--2 - gt TC"},
        {{"THINNING", Con, R::LineModel, S(2), {S(5)}}, "--2 - gt TC"},
        {{"THINNING@COMPAREMODE", Con, R::Known, S(2), {S(5)}}, "--2 - t TC"},
        {{"SIGMA_THINNING_D", Con, R::Known, S(2), {S(5)}}, "--2 - gt TC"},
        {{"LINE_JOIN_GAP", Con, R::Known, S(2), {S(5)}}, "--2 - gt TC"},
        {{"LINE_MOVEMENT", Con, R::Known, S(4), {S(1)}}, "-44 - gt TC"},
        {{"ROLLING_TRANSVERSE_DIR"}, "-52 - gt TC"},
        {{"GEOM_TEMPERATURE_DISTRIB", Con, R::Known, S(8), {S(5), S(1)}}, "-11 - gt TC"},
        {{"CONNECTOR_FORCE", Con, R::Known, S(2), {S(5)}}, "-42 - gt TC"},
        {{"DRAW_IN", Con, R::Known, S(8), {S(5), S(2)}}, "-41 - gt TC"},
        {{"THINNING", Con, R::None}, "-51 - - TC"},
        {{"THINNING", Con, R::Unknown}, "-52 - gt TC"},
        {{"THINNING", Con, R::Known, S(5), {S(10)}}, "-5- - - -U"},
        {{"EDGE_CRACK", Con, R::Known, S(8), {S(9)}}, "-59 - gt TC"},
        {{"GUI_WRINKLES_SEVERITY", Con, R::Known, S(8), {S(6)}}, "-51 - gt TC"},
        {{"THICKNESS", Con, R::Known, S(8), {S(6)}}, "-52 - gt TC"},
        {{"CONTACT", Con, R::Known, S(2), {S(5)}}, "-5- - - -U"},
        {{"DOMINANT_VARIABLE_N", Con, R::None}, "--- - - -U"},
        {{"THICKNESS", Con, R::Geometry, S(2), {S(5)}}, "-52 mc o OC"},
        {{"CAD_FACE_DISTANCE", Con, R::Geometry, S(2)}, "-41 mc - DC"},
        {{"CAD_FACE_ANGLE", Con, R::Known, S(2), {S(5)}}, "-41 c - DC"},
        {{"WP_MAX_VOLUME"}, "--2 c gt TC"},
        {{"DELTA_CURVATURE"}, "--2 - t TC"},
        {{"SBCOMP_ARROW_COLLECTION", Con, R::Known, S(2), {S(5)}}, "--2 - gt TC"},
        {{"PREPROCESS_TOOL_DISTANCE", Con, R::Known, S(2), {S(5)}}, "--2 c o OC"},
        {{"PREPROCESS_THINNING_DEFORMABLE", Con, R::Known, S(2), {S(5)}}, "--2 c o TC"},
        {{"TOOL_DISPLACEMENT_Y"}, "--2 c gto TC"},
    };
    for (const auto& [variable, expected] : cases)
    {
        DefaultResVarSettings defaults;
        const Evaluation evaluation(variable);
        ResVarSettings* settings = evaluation.settingsFrom(defaults, variable.name);
        ASSERT_NE(settings, nullptr) << variable.name;
        EXPECT_EQ(summary(*settings), expected) << variable.name << " results " << static_cast<int>(variable.results);
    }
}

TEST(DefaultResVarSettingsRules, DisplaySwitchesAndColorRangeOfTheContinuousScale)
{
    // Flags: v(ector), s(moothing on), t(oggle smoothing possible), o(ut of range toggle possible).
    const std::pair<Variable, std::string> cases[] = {
        {{"THINNING"}, "-s-o"},
        // Activating the continuous type switches smoothing on again; a vector cannot toggle it.
        {{"DISPLACEMENT", Con, R::Known, SkinInterpretArrows, {SkinInterpretNodalSmooth}, ResVarGroupVector}, "vs-o"},
        {{"TOOL_ROUGHNESS"}, "---o"},
        {{"WRINKLES_MAX_SEVERITY"}, "-s--"},
        {{"DELTA_CURVATURE"}, "-s--"},
    };
    for (const auto& [variable, expected] : cases)
    {
        DefaultResVarSettings defaults;
        const Evaluation evaluation(variable);
        ContResVarProperty* c = evaluation.settingsFrom(defaults, variable.name)->getContinuousProperty();
        ASSERT_NE(c, nullptr);
        const std::string flags = {c->isVectorResVar() ? 'v' : '-', c->isSmootingOn() ? 's' : '-',
                                   c->isToggleSmoothingIsPossible() ? 't' : '-',
                                   c->isToggleOutOfRangeIsPossible() ? 'o' : '-'};
        EXPECT_EQ(flags, expected) << variable.name;
    }

    // Without results the description's group tells a vector.
    Evaluation vector({"DISPLACEMENT", Con, R::None});
    vector.description->setGroupName("Vectors");
    DefaultResVarSettings defaults;
    EXPECT_TRUE(vector.settingsFrom(defaults, "DISPLACEMENT")->getContinuousProperty()->isVectorResVar());

    // CAD distances use the default continuous range, whatever the description asks for.
    Evaluation cad({"CAD_FACE_DISTANCE", Con, R::Geometry});
    cad.description->setContinuousColorRangeType(ResVarPropertiesCommon::BlueRed);
    DefaultResVarSettings cadDefaults;
    EXPECT_EQ(cad.settingsFrom(cadDefaults, "CAD_FACE_DISTANCE")->getContinuousProperty()->getColorRangeIdx(),
              ColorRangesConfiguration::getInstance()->getColorRangeIdx("DEFAULT_CONTINUOUS"));
}

TEST(DefaultResVarSettingsLookup, CreatedOnceAndSharedBySigmaInterpolation)
{
    Evaluation evaluation({"THINNING"});
    evaluation.properties->addResVarProperty("THINNING~SIGMA_INTERPOLATION", makeThinningDescription());
    DefaultResVarSettings defaults;
    ResVarSettings* settings = evaluation.settingsFrom(defaults, "THINNING");
    EXPECT_EQ(evaluation.settingsFrom(defaults, "THINNING"), settings);
    EXPECT_EQ(evaluation.settingsFrom(defaults, "THINNING~SIGMA_INTERPOLATION"), settings);
    EXPECT_EQ(defaults.getSettingsCollection()->getNumberOfSettings(), 1u);
    // The first request handed the result over to the descriptions.
    EXPECT_EQ(evaluation.properties->getResultVariableCollection(), evaluation.results);

    // A sigma interpolation requested first is kept under the variable's name.
    DefaultResVarSettings other;
    ResVarSettings* first = evaluation.settingsFrom(other, "THINNING~SIGMA_INTERPOLATION");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(evaluation.settingsFrom(other, "THINNING~SIGMA_INTERPOLATION"), first);
    EXPECT_EQ(other.getSettingsCollection()->getSettings("THINNING"), first);
}

TEST(DefaultResVarSettingsLookup, NullForWhatCannotBeDescribedAndStaleOnesRebuilt)
{
    Evaluation evaluation({"THINNING"});
    DefaultResVarSettings defaults;
    EXPECT_EQ(defaults.getSettings("THINNING", evaluation.results, nullptr), nullptr);
    EXPECT_EQ(evaluation.settingsFrom(defaults, "NO_SUCH_VARIABLE"), nullptr);
    EXPECT_EQ(evaluation.settingsFrom(defaults, ""), nullptr);
    EXPECT_EQ(defaults.getSettingsCollection()->getNumberOfSettings(), 0u);
    ASSERT_NE(evaluation.settingsFrom(defaults, "THINNING"), nullptr);

    // The result is closed and opened again: new descriptions, the old settings are stale.
    auto reopened = std::make_shared<ResultVariablePropertiesCollection>();
    reopened->addResVarProperty("THINNING", makeThinningDescription(Man));
    evaluation.properties.reset();
    evaluation.description.reset();
    ResVarSettings* fresh = defaults.getSettings("THINNING", nullptr, reopened);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->getActivePropertyType(), Man);
    EXPECT_EQ(defaults.getSettingsCollection()->getNumberOfSettings(), 1u);
}

}  // namespace
}  // namespace Quarvane
