#include "Platform/Core/Presentation/Configuration/DefaultResVarSettings.h"

#include "Platform/Core/Business/ResultVariables/GeometryResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollectionBaseUtilities.h"
#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettingsUtilities.h"

#include <initializer_list>

namespace Quarvane
{

namespace
{

using ScaleType = ResVarPropertiesCommon::ScaleType;
using MinMaxType = ResVarPropertiesCommon::MinMaxType;

bool isOneOf(const std::string& name, std::initializer_list<const std::string*> names)
{
    for (const std::string* candidate : names)
    {
        if (name == *candidate)
            return true;
    }
    return false;
}

// Everything the rules ask about the variable, gathered once.
struct Variable
{
    const std::string& name;
    std::string base;        // the name without its variant and mode parts
    std::string skinName;    // the description's skin base name
    std::shared_ptr<const ResultVariableProperties> description;
    std::shared_ptr<ResVarCollectionBase> collection;
    std::int32_t propertiesMode = 0;
    bool geometry = false;   // a geometry check: no time steps, extremes per object only
    bool known = false;      // the collection can show the variable
    ColorRangesConfiguration* colorRanges = nullptr;

    bool offersAnyOf(std::initializer_list<SkinInterpretType> representations) const
    {
        for (SkinInterpretType representation : representations)
        {
            if (collection->isResVarAvailableInRepresentation(name, representation))
                return true;
        }
        return false;
    }
    SkinInterpretType baseRepresentation() const
    {
        return ResVarCollectionBaseUtilities::getResVarBaseRepresentation(collection, name);
    }
};

DiscreteResVarProperty* makeDiscreteScale(const Variable& variable, ScaleType type, SkinInterpretType representation,
                                          bool alwaysForce)
{
    auto* scale = new DiscreteResVarProperty(variable.description, type);
    scale->setRepresentationType(representation);
    if (alwaysForce)
        scale->setAlwaysForceMinMaxUpdate();
    return scale;
}

void replaceManualDiscreteScale(ResVarSettings& settings, DiscreteResVarProperty* scale)
{
    DiscreteResVarProperty* previous = settings.getManualDiscreteProperty();
    settings.setManualDiscreteProperty(scale);
    delete previous;
}

// Returns false when the variable is done with its discrete scale.
bool addDiscreteScale(ResVarSettings& settings, const Variable& variable)
{
    if (variable.name == SkinBaseName::LINE_MOVEMENT_D)
    {
        settings.setDiscreteProperty(
            makeDiscreteScale(variable, ScaleType::Discrete, SkinInterpretLine, variable.geometry));
        return false;
    }
    if (!variable.known || variable.baseRepresentation() == SkinInterpretElementFlat)
    {
        const bool alwaysForce = variable.geometry ||
                                 isOneOf(variable.name, {&SkinBaseName::WP_RECOMMENDATION, &SkinBaseName::WP_TOOLFAILURE});
        settings.setDiscreteProperty(
            makeDiscreteScale(variable, ScaleType::Discrete, SkinInterpretElementFlat, alwaysForce));
        return false;
    }
    return true;
}

void addManualDiscreteScale(ResVarSettings& settings, const Variable& variable)
{
    const bool lineLike = variable.propertiesMode == ResultVariablePropertiesCollection::LineModelMode ||
                          isOneOf(variable.name, {&SkinBaseName::LINE_MOVEMENT, &SkinBaseName::DELTA_CURVATURE});
    const bool special = SigmaBaseName::isSigmaVariation(variable.skinName) || lineLike ||
                         SkinBaseNameUtilities::containsCompareBaseName(variable.name) ||
                         SkinBaseNameUtilities::isLineJoinSheetSkin(variable.name);
    const bool plain =
        variable.known && !variable.offersAnyOf({SkinInterpretElementFlat, SkinInterpretElementLayered,
                                                 SkinInterpretEdgeSmooth, SkinInterpretEdgeFlat});
    if (variable.skinName != SkinBaseName::ROLLING_TRANSVERSE_DIR && (special || plain))
    {
        if (variable.name == SkinBaseName::LINE_MOVEMENT)
            settings.setManualDiscreteProperty(
                makeDiscreteScale(variable, ScaleType::ManualDiscrete, SkinInterpretLine, variable.geometry));
        return;
    }
    SkinInterpretType representation = SkinInterpretElementFlat;
    if (variable.skinName == SkinBaseName::GEOM_TEMPERATURE_DISTRIB)
        representation = SkinInterpretNodalSmooth;
    else if (SkinBaseNameUtilities::isSheetLineScalar(variable.base) ||
             SkinBaseNameUtilities::isConnectorSheetSkin(variable.base))
        representation = SkinInterpretLine;
    settings.setManualDiscreteProperty(
        makeDiscreteScale(variable, ScaleType::ManualDiscrete, representation, variable.geometry));
}

bool wantsContinuousScale(const Variable& variable)
{
    if (isOneOf(variable.skinName, {&SkinBaseName::DOMINANT_VARIABLE, &SkinBaseName::DOMINANT_VARIABLE_N,
                                    &SkinBaseName::DOMINANT_VARIABLE_D, &SkinBaseName::CONTACT,
                                    &SkinBaseName::CONTACT_PENETRATION, &SkinBaseName::ELASTIC,
                                    &SkinBaseName::MATING_CHECK}))
        return false;
    return !variable.known || variable.offersAnyOf({SkinInterpretElementSmooth, SkinInterpretNodalSmooth,
                                                    SkinInterpretElementLayered, SkinInterpretEdgeSmooth});
}

void offerMinMax(ContResVarProperty& scale, bool global, bool timeStep, bool object)
{
    scale.setMinMaxGlobalAvailable(global);
    scale.setMinMaxTimeStepAvailable(timeStep);
    scale.setMinMaxObjectAvailable(object);
}

SkinInterpretType continuousRepresentation(const Variable& variable)
{
    const SkinInterpretType representation = variable.baseRepresentation();
    if (representation != SkinInterpretDefault)
        return representation;
    if (isOneOf(variable.base, {&SkinBaseName::GUI_WRINKLES_SEVERITY, &SkinBaseName::GUI_WRINKLES_MAX_SEVERITY,
                                &SkinBaseName::GEOM_TEMPERATURE_DISTRIB, &SkinBaseName::SBCOMP_DISPLACEMENT_TOTAL,
                                &SkinBaseName::SBCOMP_DISPLACEMENT_INCREMENTAL}) ||
        SkinBaseNameUtilities::isSheetLineScalar(variable.base))
        return SkinInterpretNodalSmooth;
    return variable.base == SkinBaseName::EDGE_CRACK ? SkinInterpretEdgeSmooth : SkinInterpretElementSmooth;
}

// Returns whether the variable is a vector.
bool setUpFromCollection(ContResVarProperty& scale, const Variable& variable)
{
    scale.setRepresentationType(continuousRepresentation(variable));
    if (variable.geometry)
    {
        scale.setAlwaysForceMinMaxUpdate();
        offerMinMax(scale, false, false, true);
        if (scale.getMinMaxType() == MinMaxType::TimeStep || scale.getMinMaxType() == MinMaxType::Auto)
            scale.setMinMaxType(MinMaxType::Object);
    }
    if (variable.name == SkinBaseName::WP_MAX_VOLUME)
        scale.setAlwaysForceMinMaxUpdate();
    if (isOneOf(variable.name, {&SkinBaseName::WRINKLES_SEVERITY, &SkinBaseName::WRINKLES_MAX_SEVERITY}))
        scale.setToggleOutOfRangeIsPossible(false);
    if (SkinBaseNameUtilities::containsCompareBaseName(variable.name))
        scale.setMinMaxGlobalAvailable(false);
    return variable.collection->getResVarGroup(variable.name) == ResVarGroupVector;
}

// Returns whether the variable is a vector.
bool setUpWithoutCollection(ContResVarProperty& scale, const Variable& variable)
{
    offerMinMax(scale, false, false, false);
    scale.setRepresentationType(SkinInterpretNodalSmooth);
    return SkinBaseNameUtilities::isVectorGroup(variable.description->getGroupName());
}

void applyNamedContinuousRules(ResVarSettings& settings, ContResVarProperty& scale, const Variable& variable)
{
    const std::string& name = variable.name;
    if (name == SkinBaseName::DELTA_CURVATURE)
    {
        scale.setMinMaxGlobalAvailable(false);
        scale.setToggleOutOfRangeIsPossible(false);
    }
    if (name == SkinBaseName::SBCOMP_ARROW_COLLECTION)
        replaceManualDiscreteScale(settings, nullptr);
    if (SkinBaseNameUtilities::isJointraPreProcessingSkinBaseName(name))
    {
        scale.setAlwaysForceMinMaxUpdate();
        offerMinMax(scale, false, false, true);
        // The deformable results keep the policy their description gives them.
        if (!isOneOf(name, {&SkinBaseName::PREPROCESS_THICKNESS_DEFORMABLE, &SkinBaseName::PREPROCESS_THINNING_DEFORMABLE,
                            &SkinBaseName::PREPROCESS_PLASTICSTRAIN_DEFORMABLE}))
            scale.setMinMaxType(MinMaxType::Object);
        replaceManualDiscreteScale(settings, nullptr);
    }
    if (isOneOf(name, {&SkinBaseName::CAD_FACE_DISTANCE, &SkinBaseName::CAD_FACE_ANGLE}))
    {
        scale.setColorRangeIdx(variable.colorRanges->getColorRangeIdx(ColorRangesConfiguration::s_defaultContinuousColorRange));
        scale.setAlwaysForceMinMaxUpdate();
        scale.setMinMaxType(MinMaxType::Default);
        offerMinMax(scale, false, false, false);
        scale.setRepresentationType(SkinInterpretNodalSmooth);
        replaceManualDiscreteScale(
            settings, makeDiscreteScale(variable, ScaleType::ManualDiscrete, SkinInterpretLine, variable.geometry));
    }
    if (isOneOf(name, {&SkinBaseName::TOOL_DISPLACEMENT_X, &SkinBaseName::TOOL_DISPLACEMENT_Y,
                       &SkinBaseName::TOOL_DISPLACEMENT_Z}))
    {
        scale.setAlwaysForceMinMaxUpdate();
        scale.setMinMaxObjectAvailable(true);
    }
}

void addContinuousScale(ResVarSettings& settings, const Variable& variable)
{
    auto* scale = new ContResVarProperty(variable.description, ScaleType::Continuous);
    settings.setContinuousProperty(scale);
    scale->setToggleOutOfSpecIsPossibleDefault(variable.name);
    const bool vector =
        variable.collection ? setUpFromCollection(*scale, variable) : setUpWithoutCollection(*scale, variable);
    if (vector)
    {
        // Arrows are drawn per node; smoothing them would blend directions.
        scale->setSmoothingOn(false);
        scale->setToggleSmoothingIsPossible(false);
        scale->setIsVectorResVar(true);
    }
    applyNamedContinuousRules(settings, *scale, variable);
}

void addScales(ResVarSettings& settings, const Variable& variable)
{
    if (static_cast<ScaleType>(variable.description->getScaleType()) == ScaleType::Discrete &&
        !addDiscreteScale(settings, variable))
        return;
    addManualDiscreteScale(settings, variable);
    if (wantsContinuousScale(variable))
        addContinuousScale(settings, variable);
}

}  // namespace

DefaultResVarSettings::DefaultResVarSettings() : m_colorRanges(ColorRangesConfiguration::getInstance())
{
    initialize();
}

DefaultResVarSettings::~DefaultResVarSettings()
{
    delete m_settingsCollection;
}

void DefaultResVarSettings::initialize()
{
    delete m_settingsCollection;
    m_settingsCollection = new ResVarSettingsCollection();
}

ResVarSettings* DefaultResVarSettings::getSettings(const std::string& name,
                                                   std::shared_ptr<ResVarCollectionBase> collection,
                                                   std::shared_ptr<ResultVariablePropertiesCollection> properties)
{
    if (ResVarSettings* existing = m_settingsCollection->getSettings(name))
        return existing;
    if (!properties)
        return nullptr;
    if (!properties->getResultVariableCollection() && collection)
        properties->setResultVariableCollection(collection);

    auto description = properties->getResVarPropertyByName(name, false, false);
    if (!description)
        return nullptr;
    std::string availabilityInfo;
    const Variable variable{name,
                            SkinBaseNameUtilities::getDecomposedSkinBaseName(name),
                            description->getSkinBaseName(),
                            description,
                            collection,
                            properties->getMode(),
                            std::dynamic_pointer_cast<GeometryResVarCollection>(collection) != nullptr,
                            collection && collection->isResVarAvailable(name, availabilityInfo),
                            m_colorRanges};

    // Kept under the name the collection looks it up by, so that the sigma interpolation of a
    // variable finds the variable's settings instead of creating its own on every request.
    auto* settings = new ResVarSettings(description, ResVarSettingsUtilities::getBaseNameForSettings(name));
    addScales(*settings, variable);
    settings->activateDefaultPropertyType();
    if (name == SkinBaseName::TOOL_ROUGHNESS && settings->getContinuousProperty())
        settings->getContinuousProperty()->setSmoothingOn(false);
    m_settingsCollection->addSettings(settings);
    return settings;
}

}  // namespace Quarvane
