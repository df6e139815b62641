#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"
#include "Platform/Core/Presentation/Configuration/FindApplicationHelper.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <iterator>
#include <algorithm>
#include <functional>
#include <vector>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string MiscellaneousConfiguration::s_sheetShowRollAngleTag = "SheetShowRollAngle";
const std::string MiscellaneousConfiguration::s_smoothingEnabledTag = "SmoothingEnabled";
const std::string MiscellaneousConfiguration::s_useSolidRepresentationTag = "UseSolidRepresentation";
const std::string MiscellaneousConfiguration::s_useSolidToolRepresentationTag = "UseSolidToolRepresentation";
const std::string MiscellaneousConfiguration::s_useThickSheetInSectionModeTag = "UseThickSheetInSectionMode";
const std::string MiscellaneousConfiguration::s_initiallyShowAxesTag = "InitiallyShowAxes";
const std::string MiscellaneousConfiguration::s_usePilotDiameterAndAxisAdjustmentIfSnappedTag =
    "UsePilotDiameterAdjustmentIfSnapped";
const std::string MiscellaneousConfiguration::s_minAnimationTimeStepDurationTag = "MinAnimationTimeStepDuration";
const std::string MiscellaneousConfiguration::s_solverOptionsVisibleTag = "SolverOptionsVisible";
const std::string MiscellaneousConfiguration::s_referenceOptionTag = "ReferenceOption";
const std::string MiscellaneousConfiguration::s_showSolidPartsDefaultTag = "ShowSolidPartsAsDefault";
const std::string MiscellaneousConfiguration::s_modifyPagesDualViewTag = "ModifyPagesDualView";
const std::string MiscellaneousConfiguration::s_insertControlPointsOptionForPunchOpeningLineTag =
    "InsertControlPointsOptionForPunchOpeningLine";
const std::string MiscellaneousConfiguration::s_insertControlPointsOptionForBarHeightLineTag =
    "InsertControlPointsOptionForBarHeightLine";
const std::string MiscellaneousConfiguration::s_insertControlPointsOptionForCounterBarHeightLineTag =
    "InsertControlPointsOptionForCounterBarHeightLine";
const std::string MiscellaneousConfiguration::s_highlightHoveringTag = "HighlightHovering";
const std::string MiscellaneousConfiguration::s_spotlightSelected3DObjectsTag = "SpotlightSelected3DObjects";
const std::string MiscellaneousConfiguration::s_showFldPointHullsTag = "ShowFldPointHulls";
const std::string MiscellaneousConfiguration::s_discretePercentagesEnabledTag = "DiscretePercentagesEnabled";
const std::string MiscellaneousConfiguration::s_issueOverviewAsDefaultTag = "IssueOverviewAsDefault";
const std::string MiscellaneousConfiguration::s_importInvisibleGeometryTag = "ImportInvisibleGeometry";
const std::string MiscellaneousConfiguration::s_importFittingGeometryTag = "ImportFittingGeometry";
const std::string MiscellaneousConfiguration::s_showImportPreviewDialogTag = "ShowPreviewDialog";
const std::string MiscellaneousConfiguration::s_defaultForReduceSTLDuringImportTag = "DefaultForSTLReduction";
const std::string MiscellaneousConfiguration::s_fastApply = "FastApply";
const std::string MiscellaneousConfiguration::s_showExportForPAMenuEntry = "ShowExportForPAMenuEntry";
const std::string MiscellaneousConfiguration::s_pressanNewWindow = "PressanNewWindow";
const std::string MiscellaneousConfiguration::s_stagixNewWindow = "StagixNewWindow";
const std::string MiscellaneousConfiguration::s_alternativeSnapshotPreviewGrabbingTag =
    "AlternativeSnapshotPreviewGrabbing";
const std::string MiscellaneousConfiguration::s_readOnlyModeTag = "ReadOnlyMode";
const std::string MiscellaneousConfiguration::s_varDrawbeadsShowSegmentsTag = "varDrawbeadsShowSegments";
const std::string MiscellaneousConfiguration::s_varDrawbeadsScaleFactorTag = "varDrawbeadsScaleFactor";
const std::string MiscellaneousConfiguration::s_coordinateSystemScaleFactorTag = "coordinateSystemScaleFactor";
const std::string MiscellaneousConfiguration::s_showPointNormalsTag = "showPointNormals";
const std::string MiscellaneousConfiguration::s_showLineNormalsTag = "showLineNormals";
const std::string MiscellaneousConfiguration::s_showMeshNormalsTag = "showMeshNormals";
const std::string MiscellaneousConfiguration::s_normalScaleFactorTag = "normalScaleFactor";
const std::string MiscellaneousConfiguration::s_showLineControlPolylinesTag = "showLineControlPolylines";
const std::string MiscellaneousConfiguration::s_showMeshControlPolylinesTag = "showMeshControlPolylines";
const std::string MiscellaneousConfiguration::s_showMeshDebugPointsTag = "showMeshDebugPoints";
const std::string MiscellaneousConfiguration::s_markLineStartPointTag = "markLineStartPoint";
const std::string MiscellaneousConfiguration::s_ambientLightingIntensityTag = "ambientLightingIntensity";
const std::string MiscellaneousConfiguration::s_specularHighlightingIntensityTag = "specularHighlightingIntensity";
const std::string MiscellaneousConfiguration::s_firstLightSourceEnabledTag = "firstLightSourceEnabled";
const std::string MiscellaneousConfiguration::s_firstLightSourceIntensityTag = "firstLightSourceIntensity";
const std::string MiscellaneousConfiguration::s_firstLightSourceAzimuthTag = "firstLightSourceAzimuth";
const std::string MiscellaneousConfiguration::s_firstLightSourceIncidenceTag = "firstLightSourceIncidence";
const std::string MiscellaneousConfiguration::s_secondLightSourceEnabledTag = "secondLightSourceEnabled";
const std::string MiscellaneousConfiguration::s_secondLightSourceIntensityTag = "secondLightSourceIntensity";
const std::string MiscellaneousConfiguration::s_secondLightSourceAzimuthTag = "secondLightSourceAzimuth";
const std::string MiscellaneousConfiguration::s_secondLightSourceIncidenceTag = "secondLightSourceIncidence";
const std::string MiscellaneousConfiguration::s_forceUseFlatShadingTag = "forceUseFlatShading";
const std::string MiscellaneousConfiguration::s_forceUnsmoothedElementResultvarTag = "forceUnsmoothedElementResultvar";
const std::string MiscellaneousConfiguration::s_showSolverTimeStepDescriptionTag = "showSolverTimeStepDescription";
const std::string MiscellaneousConfiguration::s_enableControlMiscPageForRestartDesignsTag =
    "enableControlMiscPageForRestartDesigns";
const std::string MiscellaneousConfiguration::s_enableToolDeflectionFixturePlateGenerationTag =
    "enableToolDeflectionFixturePlateGeneration";
const std::string MiscellaneousConfiguration::s_enableWritePressElasticityModelSupportDataToSolverTag =
    "enableWritePressElasticityModelSupportDataToSolver";

MiscellaneousConfiguration* MiscellaneousConfiguration::s_registeredInstance = nullptr;
boost::mutex MiscellaneousConfiguration::s_registrationMutex;

namespace
{
// The value each MiscConfigurationTypes number selects; null where a number selects none.
const std::string* const s_valuesByType[] = {
    &MiscellaneousConfiguration::s_sheetShowRollAngleTag,
    &MiscellaneousConfiguration::s_smoothingEnabledTag,
    &MiscellaneousConfiguration::s_useSolidRepresentationTag,
    &MiscellaneousConfiguration::s_useSolidToolRepresentationTag,
    &MiscellaneousConfiguration::s_useThickSheetInSectionModeTag,
    &MiscellaneousConfiguration::s_usePilotDiameterAndAxisAdjustmentIfSnappedTag,
    &MiscellaneousConfiguration::s_minAnimationTimeStepDurationTag,
    &MiscellaneousConfiguration::s_solverOptionsVisibleTag,
    &MiscellaneousConfiguration::s_referenceOptionTag,
    &MiscellaneousConfiguration::s_modifyPagesDualViewTag,
    &MiscellaneousConfiguration::s_showSolidPartsDefaultTag,
    &MiscellaneousConfiguration::s_readOnlyModeTag,
    nullptr,
    &MiscellaneousConfiguration::s_insertControlPointsOptionForPunchOpeningLineTag,
    &MiscellaneousConfiguration::s_insertControlPointsOptionForBarHeightLineTag,
    &MiscellaneousConfiguration::s_insertControlPointsOptionForCounterBarHeightLineTag,
    &MiscellaneousConfiguration::s_highlightHoveringTag,
    &MiscellaneousConfiguration::s_spotlightSelected3DObjectsTag,
    &MiscellaneousConfiguration::s_initiallyShowAxesTag,
    &MiscellaneousConfiguration::s_showFldPointHullsTag,
    &MiscellaneousConfiguration::s_discretePercentagesEnabledTag,
    &MiscellaneousConfiguration::s_issueOverviewAsDefaultTag,
    &MiscellaneousConfiguration::s_importInvisibleGeometryTag,
    &MiscellaneousConfiguration::s_importFittingGeometryTag,
    &MiscellaneousConfiguration::s_showImportPreviewDialogTag,
    &MiscellaneousConfiguration::s_defaultForReduceSTLDuringImportTag,
    &MiscellaneousConfiguration::s_pressanNewWindow,
    &MiscellaneousConfiguration::s_stagixNewWindow,
    nullptr,
    &MiscellaneousConfiguration::s_showExportForPAMenuEntry,
};
static_assert(std::size(s_valuesByType) == MiscellaneousConfiguration::ShowExportForPAMenuEntryType + 1,
              "one entry per type number");

// The setters clamp the lighting values; a stored value outside stays as stored.
const ValueRule s_percentRule = ValueRule::range(0, 100);
const ValueRule s_azimuthRule = ValueRule::range(-180, 180);
const ValueRule s_incidenceRule = ValueRule::range(-90, 90);

// The Designer starts on its own pages rather than on the evaluation issue overview.
bool issueOverviewAsDefault() { return BuildInformation::getProductType() != Products::Designer; }

std::string defaultApplicationPath(FindApplicationHelper::QuarvaneApplications application)
{
    const QString release = QString::fromStdString(BuildInformation::getReleaseVersion());
    return FindApplicationHelper::findApplicationByTypeAndVersion(application, release).toStdString();
}

}  // namespace

MiscellaneousConfiguration* MiscellaneousConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

MiscellaneousConfiguration::MiscellaneousConfiguration() : ConfigurationObject("MiscellaneousConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<bool>(s_sheetShowRollAngleTag, "Sheet Show Roll Angle: true/false",
                                                       true, Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_smoothingEnabledTag,
        "Whether the smoothing algorithm should be run when showing results on a sheet/geometry: true/false", true,
        Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_useSolidRepresentationTag, "Use solid representation for sheets and imported geometries: true/false", true,
        Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(s_useSolidToolRepresentationTag,
                                                       "Use solid representation for tools: true/false", true, Shown,
                                                       UserSetting, Products::Planner));
    addConfigurationValue(new ConfigurationValue<bool>(s_useThickSheetInSectionModeTag,
                                                       "Use a thick sheet in section mode: true/false", true, Shown,
                                                       UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_initiallyShowAxesTag, "Flag indicating if plot labels should be enlarged to show the plot axes.", true, Shown,
        UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(s_usePilotDiameterAndAxisAdjustmentIfSnappedTag,
                                                       "Automatic pilot diameter and axis adjustment during initial "
                                                       "input if the pilot center snaps to a hole: true/false",
                                                       true, Shown, UserSetting,
                                                       Products::Designer | Products::Planner | Products::Progressive));
    addConfigurationValue(new ConfigurationValue<int>(s_minAnimationTimeStepDurationTag,
                                                      "The minimum duration for a time step change during animation.",
                                                      200, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_solverOptionsVisibleTag, "Flag indicating if the solver options are shown on the Simulation Start Page.",
        false, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(
        s_referenceOptionTag, "Set addendum profile reference to ShiftRotate(0) or Project(1).", 0, Shown, UserSetting,
        Products::Designer, ValueRule::oneOf({{0, "ShiftRotate"}, {1, "Project"}})));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_showSolidPartsDefaultTag, "Flag indicating whether the parts should be shown as solid by default: true/false",
        true, Shown, UserSetting, Products::Planner));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_modifyPagesDualViewTag, "Whether the geometry on modify pages should be shown in dual view.", false, Shown,
        UserSetting, Products::Designer | Products::Planner | Products::Forming | Products::Progressive));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_insertControlPointsOptionForPunchOpeningLineTag,
        "Flag indicating if control points should be inserted in the punch opening curve for addendum profiles.", false,
        Hidden, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_insertControlPointsOptionForBarHeightLineTag,
        "Flag indicating if control points should be inserted in the bar height curve for addendum profiles.", false,
        Hidden, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_insertControlPointsOptionForCounterBarHeightLineTag,
        "Flag indicating if control points should be inserted in the counter bar height curve for addendum profiles.",
        false, Hidden, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_highlightHoveringTag, "Flag indicating if 3D elements are highlighted while hovering over the view switcher.",
        false, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_spotlightSelected3DObjectsTag,
        "Flag indicating if 3D objects are spotlighted when they're selected in a presenter.", true, Shown, UserSetting,
        Products::Planner));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_showFldPointHullsTag, "Flag indicating whether point hulls are visualized in the FLD", true, Shown,
        UserSetting, Products::Designer | Products::Forming | Products::Progressive));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_discretePercentagesEnabledTag,
        "Whether the discrete area percentages for sheets should be displayed on the color bar: true/false", true,
        Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_issueOverviewAsDefaultTag,
        "Flag indicating whether the evaluation issue overview page should be shown as default: true/false",
        issueOverviewAsDefault(), Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_importInvisibleGeometryTag,
        "Flag indicating if invisible geometry from iges or native file should be imported. This option will also be "
        "used when dragging a file onto the application.",
        false, Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_importFittingGeometryTag,
        "Flag indicating if gaps/overlaps in geometry from iges or native file should be repaired between faces. This "
        "option will also be used when dragging a file onto the application.",
        true, Shown, UserSetting, Products::Planner | Products::Forming | Products::Trimming));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_showImportPreviewDialogTag,
        "Flag indicating whether the import preview dialog should be shown for importing native cad application files",
        true, Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_defaultForReduceSTLDuringImportTag,
                                     "Flag indicating if the stl reduction should be enabled by default. This option "
                                     "will also be used when dragging an stl file onto the application.",
                                     true, Shown, UserSetting, Products::Planner));
    addConfigurationValue(new ConfigurationValue<bool>(s_fastApply, "Trigger Apply on double click when cursor is red",
                                                       true, Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_showExportForPAMenuEntry,
        "Flag indicating whether the export for smart production assistant menu entry should be visible by default.",
        false, Shown, UserSetting, Products::Designer));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_pressanNewWindow, "Set path to Pressan New Window", defaultApplicationPath(FindApplicationHelper::Pressan),
        Shown, UserSetting, Products::Designer | Products::Progressive));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_stagixNewWindow, "Set path to Stagix New Window", defaultApplicationPath(FindApplicationHelper::Stagix),
        Shown, UserSetting, Products::Designer | Products::Progressive));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_alternativeSnapshotPreviewGrabbingTag,
                                     "Use an alternative method to capture Preview-Snapshots, if certain "
                                     "Hardware-Driver-Setups cause empty Previews: true/false",
                                     false, Shown, AdminSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_readOnlyModeTag, "User Interface Read Only Mode: true/false",
                                                       false, Shown, AdminSetting, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_varDrawbeadsShowSegmentsTag, "", true, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<double>(s_varDrawbeadsScaleFactorTag, "", 4.0, Shown, RuntimeValue,
                                                         Products::Designer | Products::Progressive));
    addConfigurationValue(
        new ConfigurationValue<double>(s_coordinateSystemScaleFactorTag, "", 1.0, Shown, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_showPointNormalsTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_showLineNormalsTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_showMeshNormalsTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<double>(s_normalScaleFactorTag, "", 1.0, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_showLineControlPolylinesTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_showMeshControlPolylinesTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_showMeshDebugPointsTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_markLineStartPointTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_ambientLightingIntensityTag, "", 30, Hidden, RuntimeValue,
                                                      Products::All, s_percentRule));
    addConfigurationValue(new ConfigurationValue<int>(s_specularHighlightingIntensityTag, "", 80, Hidden, RuntimeValue,
                                                      Products::All, s_percentRule));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_firstLightSourceEnabledTag, "", true, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_firstLightSourceIntensityTag, "", 100, Hidden, RuntimeValue,
                                                      Products::All, s_percentRule));
    addConfigurationValue(new ConfigurationValue<int>(s_firstLightSourceAzimuthTag, "", -45, Hidden, RuntimeValue,
                                                      Products::All, s_azimuthRule));
    addConfigurationValue(new ConfigurationValue<int>(s_firstLightSourceIncidenceTag, "", 0, Hidden, RuntimeValue,
                                                      Products::All, s_incidenceRule));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_secondLightSourceEnabledTag, "", true, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_secondLightSourceIntensityTag, "", 100, Hidden, RuntimeValue,
                                                      Products::All, s_percentRule));
    addConfigurationValue(new ConfigurationValue<int>(s_secondLightSourceAzimuthTag, "", 45, Hidden, RuntimeValue,
                                                      Products::All, s_azimuthRule));
    addConfigurationValue(new ConfigurationValue<int>(s_secondLightSourceIncidenceTag, "", 0, Hidden, RuntimeValue,
                                                      Products::All, s_incidenceRule));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_forceUseFlatShadingTag, "", false, Hidden, RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_forceUnsmoothedElementResultvarTag, "", false, Hidden,
                                                       RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_showSolverTimeStepDescriptionTag, "", false, Hidden,
                                                       RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_enableControlMiscPageForRestartDesignsTag, "", false, Hidden,
                                                       RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_enableToolDeflectionFixturePlateGenerationTag, "", false,
                                                       Hidden, RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_enableWritePressElasticityModelSupportDataToSolverTag, "",
                                                       false, Hidden, RuntimeValue, Products::All));
}

MiscellaneousConfiguration::~MiscellaneousConfiguration() = default;

bool MiscellaneousConfiguration::getSheetShowRollAngle() const { return get<bool>(*this, s_sheetShowRollAngleTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getSheetShowRollAngleConfig() const
{
    return valueOf<bool>(*this, s_sheetShowRollAngleTag);
}
void MiscellaneousConfiguration::setSheetShowRollAngle(bool value)
{
    setAndNotify(*this, s_sheetShowRollAngleTag, value, m_sheetShowRollAngleChangedSignal);
}

bool MiscellaneousConfiguration::getSmoothingEnabled() const { return get<bool>(*this, s_smoothingEnabledTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getSmoothingEnabledConfig() const
{
    return valueOf<bool>(*this, s_smoothingEnabledTag);
}
void MiscellaneousConfiguration::setSmoothingEnabled(bool value)
{
    setAndNotify(*this, s_smoothingEnabledTag, value, m_smoothingEnabledChangedSignal);
}

bool MiscellaneousConfiguration::getInitialUseSolidRepresentation() const
{
    return get<bool>(*this, s_useSolidRepresentationTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getUseSolidRepresentationConfig() const
{
    return valueOf<bool>(*this, s_useSolidRepresentationTag);
}
void MiscellaneousConfiguration::setInitialUseSolidRepresentation(bool value)
{
    setAndNotify(*this, s_useSolidRepresentationTag, value, m_useSolidRepresentationChangedSignal);
}

bool MiscellaneousConfiguration::getInitialUseSolidToolRepresentation() const
{
    return get<bool>(*this, s_useSolidToolRepresentationTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getUseSolidToolRepresentationConfig() const
{
    return valueOf<bool>(*this, s_useSolidToolRepresentationTag);
}
void MiscellaneousConfiguration::setInitialUseSolidToolRepresentation(bool value)
{
    setAndNotify(*this, s_useSolidToolRepresentationTag, value, m_useSolidToolRepresentationChangedSignal);
}

bool MiscellaneousConfiguration::getUseThickSheetInSectionMode() const
{
    return get<bool>(*this, s_useThickSheetInSectionModeTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getUseThickSheetInSectionModeConfig() const
{
    return valueOf<bool>(*this, s_useThickSheetInSectionModeTag);
}
void MiscellaneousConfiguration::setUseThickSheetInSectionMode(bool value)
{
    setAndNotify(*this, s_useThickSheetInSectionModeTag, value, m_useThickSheetInSectionModeChangedSignal);
}

bool MiscellaneousConfiguration::getInitiallyShowAxes() const { return get<bool>(*this, s_initiallyShowAxesTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getInitiallyShowAxesConfig() const
{
    return valueOf<bool>(*this, s_initiallyShowAxesTag);
}
void MiscellaneousConfiguration::setInitiallyShowAxes(bool value)
{
    setAndNotify(*this, s_initiallyShowAxesTag, value, m_initiallyShowAxesChangedSignal);
}

bool MiscellaneousConfiguration::getUsePilotDiameterAndAxisAdjustmentIfSnapped() const
{
    return get<bool>(*this, s_usePilotDiameterAndAxisAdjustmentIfSnappedTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getUsePilotDiameterAndAxisAdjustmentIfSnappedConfig() const
{
    return valueOf<bool>(*this, s_usePilotDiameterAndAxisAdjustmentIfSnappedTag);
}
void MiscellaneousConfiguration::setUsePilotDiameterAndAxisAdjustmentIfSnapped(bool value)
{
    setAndNotify(*this, s_usePilotDiameterAndAxisAdjustmentIfSnappedTag, value,
                 m_usePilotDiameterAndAxisAdjustmentIfSnappedChangedSignal);
}

int MiscellaneousConfiguration::getMinAnimationTimeStepDuration() const
{
    return get<int>(*this, s_minAnimationTimeStepDurationTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getMinAnimationTimeStepDurationConfig() const
{
    return valueOf<int>(*this, s_minAnimationTimeStepDurationTag);
}
void MiscellaneousConfiguration::setMinAnimationTimeStepDuration(int value)
{
    storeIfChanged(*this, s_minAnimationTimeStepDurationTag, value);
}

bool MiscellaneousConfiguration::areSolverOptionsVisble() const { return get<bool>(*this, s_solverOptionsVisibleTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getSolverOptionsVisibleConfig() const
{
    return valueOf<bool>(*this, s_solverOptionsVisibleTag);
}

int MiscellaneousConfiguration::getReferenceOption() const { return get<int>(*this, s_referenceOptionTag); }
const ConfigurationValue<int>& MiscellaneousConfiguration::getReferenceOptionConfig() const
{
    return valueOf<int>(*this, s_referenceOptionTag);
}
void MiscellaneousConfiguration::setReferenceOptions(int value)
{
    setAndNotify(*this, s_referenceOptionTag, value, m_referenceOptionChangedSignal);
}

bool MiscellaneousConfiguration::getShowSolidPartsDefaultOption() const
{
    return get<bool>(*this, s_showSolidPartsDefaultTag);
}
void MiscellaneousConfiguration::setShowSolidPartsDefaultOption(bool value)
{
    setAndNotify(*this, s_showSolidPartsDefaultTag, value, m_showSolidPartsDefaultOptionChangedSignal);
}

bool MiscellaneousConfiguration::getModifyPagesDualViewOption() const
{
    return get<bool>(*this, s_modifyPagesDualViewTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getModifyPagesDualViewConfig() const
{
    return valueOf<bool>(*this, s_modifyPagesDualViewTag);
}
void MiscellaneousConfiguration::setModifyPagesDualView(bool value)
{
    setAndNotify(*this, s_modifyPagesDualViewTag, value, m_modifyPagesDualViewChangedSignal);
}

bool MiscellaneousConfiguration::getInsertControlPointsOptionForPunchOpeningLine() const
{
    return get<bool>(*this, s_insertControlPointsOptionForPunchOpeningLineTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getInsertControlPointsOptionForPunchOpeningLineConfig()
    const
{
    return valueOf<bool>(*this, s_insertControlPointsOptionForPunchOpeningLineTag);
}
void MiscellaneousConfiguration::setInsertControlPointsOptionForPunchOpeningLine(bool value)
{
    storeIfChanged(*this, s_insertControlPointsOptionForPunchOpeningLineTag, value);
}

bool MiscellaneousConfiguration::getInsertControlPointsOptionForBarHeightLine() const
{
    return get<bool>(*this, s_insertControlPointsOptionForBarHeightLineTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getInsertControlPointsOptionForBarHeightLineConfig() const
{
    return valueOf<bool>(*this, s_insertControlPointsOptionForBarHeightLineTag);
}
void MiscellaneousConfiguration::setInsertControlPointsOptionForBarHeightLine(bool value)
{
    storeIfChanged(*this, s_insertControlPointsOptionForBarHeightLineTag, value);
}

bool MiscellaneousConfiguration::getInsertControlPointsOptionForCounterBarHeightLine() const
{
    return get<bool>(*this, s_insertControlPointsOptionForCounterBarHeightLineTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getInsertControlPointsOptionForCounterBarHeightLineConfig()
    const
{
    return valueOf<bool>(*this, s_insertControlPointsOptionForCounterBarHeightLineTag);
}
void MiscellaneousConfiguration::setInsertControlPointsOptionForCounterBarHeightLine(bool value)
{
    storeIfChanged(*this, s_insertControlPointsOptionForCounterBarHeightLineTag, value);
}

bool MiscellaneousConfiguration::getHighlightHovering() const { return get<bool>(*this, s_highlightHoveringTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getHighlightHoveringConfig() const
{
    return valueOf<bool>(*this, s_highlightHoveringTag);
}
void MiscellaneousConfiguration::setHighlightHovering(bool value)
{
    setAndNotify(*this, s_highlightHoveringTag, value, m_highlightHoveringChangedSignal);
}

bool MiscellaneousConfiguration::getSpotlightSelected3DObjects() const
{
    return get<bool>(*this, s_spotlightSelected3DObjectsTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getSpotlightSelected3DObjectsConfig() const
{
    return valueOf<bool>(*this, s_spotlightSelected3DObjectsTag);
}
void MiscellaneousConfiguration::setSpotlightSelected3DObjects(bool value)
{
    setAndNotify(*this, s_spotlightSelected3DObjectsTag, value, m_spotlightSelected3DObjectsChangedSignal);
}

bool MiscellaneousConfiguration::getShowFldPointHulls() const { return get<bool>(*this, s_showFldPointHullsTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowFldPointHullsConfig() const
{
    return valueOf<bool>(*this, s_showFldPointHullsTag);
}
void MiscellaneousConfiguration::setShowFldPointHulls(bool value)
{
    setAndNotify(*this, s_showFldPointHullsTag, value, m_showFldPointHullsChangedSignal);
}

bool MiscellaneousConfiguration::getDiscretePercentagesEnabled() const
{
    return get<bool>(*this, s_discretePercentagesEnabledTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getDiscretePercentagesEnabledConfig() const
{
    return valueOf<bool>(*this, s_discretePercentagesEnabledTag);
}
void MiscellaneousConfiguration::setDiscretePercentagesEnabled(bool value)
{
    valueOf<bool>(*this, s_discretePercentagesEnabledTag).setValue(value);
}

bool MiscellaneousConfiguration::getIssueOverviewAsDefault() const
{
    return get<bool>(*this, s_issueOverviewAsDefaultTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getIssueOverviewAsDefaultConfig() const
{
    return valueOf<bool>(*this, s_issueOverviewAsDefaultTag);
}
void MiscellaneousConfiguration::setIssueOverviewAsDefault(bool value)
{
    setAndNotify(*this, s_issueOverviewAsDefaultTag, value, m_issueOverviewAsDefaultChangedSignal);
}

bool MiscellaneousConfiguration::getUseImportInvisibleGeometry() const
{
    return get<bool>(*this, s_importInvisibleGeometryTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getImportInvisibleGeometryConfig() const
{
    return valueOf<bool>(*this, s_importInvisibleGeometryTag);
}
void MiscellaneousConfiguration::setUseImportInvisibleGeometry(bool value)
{
    setAndNotify(*this, s_importInvisibleGeometryTag, value, m_useImportInvisibleGeometryChangedSignal);
}

bool MiscellaneousConfiguration::getUseImportFittingGeometry() const
{
    return get<bool>(*this, s_importFittingGeometryTag);
}
bool MiscellaneousConfiguration::getUseImportFittingGeometryVisibility() const
{
    return isVisible(*this, s_importFittingGeometryTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getImportFittingGeometryConfig() const
{
    return valueOf<bool>(*this, s_importFittingGeometryTag);
}
void MiscellaneousConfiguration::setUseImportFittingGeometry(bool value)
{
    setAndNotify(*this, s_importFittingGeometryTag, value, m_useImportFittingGeometryChangedSignal);
}

bool MiscellaneousConfiguration::getShowPreviewDialogOnImport() const
{
    return get<bool>(*this, s_showImportPreviewDialogTag);
}
void MiscellaneousConfiguration::setShowPreviewDialogOnImport(bool value)
{
    setAndNotify(*this, s_showImportPreviewDialogTag, value, m_showPreviewDialogOnImportChangedSignal);
}

bool MiscellaneousConfiguration::getDefaultForReduceSTLDuringImport() const
{
    return get<bool>(*this, s_defaultForReduceSTLDuringImportTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getDefaultForReduceSTLDuringImportConfig() const
{
    return valueOf<bool>(*this, s_defaultForReduceSTLDuringImportTag);
}
void MiscellaneousConfiguration::setDefaultForReduceSTLDuringImport(bool value)
{
    setAndNotify(*this, s_defaultForReduceSTLDuringImportTag, value, m_defaultForReduceSTLDuringImportChangedSignal);
}

bool MiscellaneousConfiguration::getFastApply() const { return get<bool>(*this, s_fastApply); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getFastApplyConfig() const
{
    return valueOf<bool>(*this, s_fastApply);
}
void MiscellaneousConfiguration::setFastApply(bool value)
{
    setAndNotify(*this, s_fastApply, value, m_fastApplyChangedSignal);
}

bool MiscellaneousConfiguration::getShowExportForPAMenuEntry() const
{
    return get<bool>(*this, s_showExportForPAMenuEntry);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowExportForPAMenuEntryConfig() const
{
    return valueOf<bool>(*this, s_showExportForPAMenuEntry);
}
void MiscellaneousConfiguration::setShowExportForPAMenuEntry(bool value)
{
    setAndNotify(*this, s_showExportForPAMenuEntry, value, m_showExportForPAMenuEntryChangedSignal);
}

std::string MiscellaneousConfiguration::getPressanNewWindow() { return get<std::string>(*this, s_pressanNewWindow); }
const ConfigurationValue<std::string>& MiscellaneousConfiguration::getPressanNewWindowConfig() const
{
    return valueOf<std::string>(*this, s_pressanNewWindow);
}
void MiscellaneousConfiguration::setPressanNewWindow(std::string value)
{
    setAndNotify(*this, s_pressanNewWindow, value, m_pressanAppPathChangedSignal);
}

std::string MiscellaneousConfiguration::getStagixNewWindow() { return get<std::string>(*this, s_stagixNewWindow); }
const ConfigurationValue<std::string>& MiscellaneousConfiguration::getStagixNewWindowConfig() const
{
    return valueOf<std::string>(*this, s_stagixNewWindow);
}
void MiscellaneousConfiguration::setStagixNewWindow(std::string value)
{
    setAndNotify(*this, s_stagixNewWindow, value, m_stagixAppPathChangedSignal);
}

bool MiscellaneousConfiguration::getUseAlternativePreviewScreenshotGrabbing() const
{
    return get<bool>(*this, s_alternativeSnapshotPreviewGrabbingTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getAlternativeSnapshotPreviewGrabbingConfig() const
{
    return valueOf<bool>(*this, s_alternativeSnapshotPreviewGrabbingTag);
}

const ConfigurationValue<bool>& MiscellaneousConfiguration::getReadOnlyModeConfig() const
{
    return valueOf<bool>(*this, s_readOnlyModeTag);
}

bool MiscellaneousConfiguration::getVarDrawbeadsShowSegments() const
{
    return get<bool>(*this, s_varDrawbeadsShowSegmentsTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getVarDrawbeadsShowSegmentsConfig() const
{
    return valueOf<bool>(*this, s_varDrawbeadsShowSegmentsTag);
}
void MiscellaneousConfiguration::setVarDrawbeadsShowSegments(bool value)
{
    setAndNotify(*this, s_varDrawbeadsShowSegmentsTag, value, m_varDrawbeadsShowSegmentsChangedSignal);
}

double MiscellaneousConfiguration::getVarDrawbeadsScaleFactor() const
{
    return get<double>(*this, s_varDrawbeadsScaleFactorTag);
}
bool MiscellaneousConfiguration::getVarDrawbeadsScaleFactorVisibility() const
{
    return isVisible(*this, s_varDrawbeadsScaleFactorTag);
}
const ConfigurationValue<double>& MiscellaneousConfiguration::getVarDrawbeadsScaleFactorConfig() const
{
    return valueOf<double>(*this, s_varDrawbeadsScaleFactorTag);
}
void MiscellaneousConfiguration::setVarDrawbeadsScaleFactor(double value)
{
    setAndNotify(*this, s_varDrawbeadsScaleFactorTag, value, m_varDrawbeadsScaleFactorChangedSignal);
}

double MiscellaneousConfiguration::getCoordinateSystemScaleFactor() const
{
    return get<double>(*this, s_coordinateSystemScaleFactorTag);
}
const ConfigurationValue<double>& MiscellaneousConfiguration::getCoordinateSystemScaleFactorConfig() const
{
    return valueOf<double>(*this, s_coordinateSystemScaleFactorTag);
}
void MiscellaneousConfiguration::setCoordinateSystemScaleFactor(double value)
{
    setAndNotify(*this, s_coordinateSystemScaleFactorTag, value, m_coordinateSystemScaleFactorChangedSignal);
}

bool MiscellaneousConfiguration::getShowPointNormals() const { return get<bool>(*this, s_showPointNormalsTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowPointNormalsConfig() const
{
    return valueOf<bool>(*this, s_showPointNormalsTag);
}
void MiscellaneousConfiguration::setShowPointNormals(bool value)
{
    setAndNotify(*this, s_showPointNormalsTag, value, m_showPointNormalsChangedSignal);
}

bool MiscellaneousConfiguration::getShowLineNormals() const { return get<bool>(*this, s_showLineNormalsTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowLineNormalsConfig() const
{
    return valueOf<bool>(*this, s_showLineNormalsTag);
}
void MiscellaneousConfiguration::setShowLineNormals(bool value)
{
    setAndNotify(*this, s_showLineNormalsTag, value, m_showLineNormalsChangedSignal);
}

bool MiscellaneousConfiguration::getShowMeshNormals() const { return get<bool>(*this, s_showMeshNormalsTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowMeshNormalsConfig() const
{
    return valueOf<bool>(*this, s_showMeshNormalsTag);
}
void MiscellaneousConfiguration::setShowMeshNormals(bool value)
{
    setAndNotify(*this, s_showMeshNormalsTag, value, m_showMeshNormalsChangedSignal);
}

double MiscellaneousConfiguration::getNormalScaleFactor() const { return get<double>(*this, s_normalScaleFactorTag); }
const ConfigurationValue<double>& MiscellaneousConfiguration::getNormalScaleFactorConfig() const
{
    return valueOf<double>(*this, s_normalScaleFactorTag);
}
void MiscellaneousConfiguration::setNormalScaleFactor(double value)
{
    setAndNotify(*this, s_normalScaleFactorTag, value, m_normalScaleFactorChangedSignal);
}

bool MiscellaneousConfiguration::getShowLineControlPolylines() const
{
    return get<bool>(*this, s_showLineControlPolylinesTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowLineControlPolylinesConfig() const
{
    return valueOf<bool>(*this, s_showLineControlPolylinesTag);
}
void MiscellaneousConfiguration::setShowLineControlPolylines(bool value)
{
    setAndNotify(*this, s_showLineControlPolylinesTag, value, m_showLineControlPolylinesChangedSignal);
}

bool MiscellaneousConfiguration::getShowMeshControlPolylines() const
{
    return get<bool>(*this, s_showMeshControlPolylinesTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowMeshControlPolylinesConfig() const
{
    return valueOf<bool>(*this, s_showMeshControlPolylinesTag);
}
void MiscellaneousConfiguration::setShowMeshControlPolylines(bool value)
{
    setAndNotify(*this, s_showMeshControlPolylinesTag, value, m_showMeshControlPolylinesChangedSignal);
}

bool MiscellaneousConfiguration::getShowMeshDebugPoints() const { return get<bool>(*this, s_showMeshDebugPointsTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowMeshDebugPointsConfig() const
{
    return valueOf<bool>(*this, s_showMeshDebugPointsTag);
}
void MiscellaneousConfiguration::setShowMeshDebugPoints(bool value)
{
    setAndNotify(*this, s_showMeshDebugPointsTag, value, m_showMeshDebugPointsChangedSignal);
}

bool MiscellaneousConfiguration::getMarkLineStartPoint() const { return get<bool>(*this, s_markLineStartPointTag); }
const ConfigurationValue<bool>& MiscellaneousConfiguration::getMarkLineStartPointConfig() const
{
    return valueOf<bool>(*this, s_markLineStartPointTag);
}
void MiscellaneousConfiguration::setMarkLineStartPoint(bool value)
{
    setAndNotify(*this, s_markLineStartPointTag, value, m_markLineStartPointChangedSignal);
}

int MiscellaneousConfiguration::getAmbientLightingIntensity() const
{
    return get<int>(*this, s_ambientLightingIntensityTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getAmbientLightingIntensityConfig() const
{
    return valueOf<int>(*this, s_ambientLightingIntensityTag);
}
void MiscellaneousConfiguration::setAmbientLightingIntensity(int value)
{
    setAndNotify(*this, s_ambientLightingIntensityTag, value, m_ambientLightingIntensityChangedSignal);
}

int MiscellaneousConfiguration::getSpecularHighlightingIntensity() const
{
    return get<int>(*this, s_specularHighlightingIntensityTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getSpecularHighlightingIntensityConfig() const
{
    return valueOf<int>(*this, s_specularHighlightingIntensityTag);
}
void MiscellaneousConfiguration::setSpecularHighlightingIntensity(int value)
{
    setAndNotify(*this, s_specularHighlightingIntensityTag, value, m_specularHighlightingIntensityChangedSignal);
}

bool MiscellaneousConfiguration::getEnableFirstLightSource() const
{
    return get<bool>(*this, s_firstLightSourceEnabledTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getFirstLightSourceEnabledConfig() const
{
    return valueOf<bool>(*this, s_firstLightSourceEnabledTag);
}
void MiscellaneousConfiguration::setEnableFirstLightSource(bool value)
{
    setAndNotify(*this, s_firstLightSourceEnabledTag, value, m_firstLightSourceChangedSignal);
}

int MiscellaneousConfiguration::getFirstLightSourceIntensity() const
{
    return get<int>(*this, s_firstLightSourceIntensityTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getFirstLightSourceIntensityConfig() const
{
    return valueOf<int>(*this, s_firstLightSourceIntensityTag);
}
void MiscellaneousConfiguration::setFirstLightSourceIntensity(int value)
{
    setAndNotify(*this, s_firstLightSourceIntensityTag, value, m_firstLightSourceChangedSignal);
}

int MiscellaneousConfiguration::getFirstLightSourceAzimuth() const
{
    return get<int>(*this, s_firstLightSourceAzimuthTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getFirstLightSourceAzimuthConfig() const
{
    return valueOf<int>(*this, s_firstLightSourceAzimuthTag);
}
void MiscellaneousConfiguration::setFirstLightSourceAzimuth(int value)
{
    setAndNotify(*this, s_firstLightSourceAzimuthTag, value, m_firstLightSourceChangedSignal);
}

int MiscellaneousConfiguration::getFirstLightSourceIncidence() const
{
    return get<int>(*this, s_firstLightSourceIncidenceTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getFirstLightSourceIncidenceConfig() const
{
    return valueOf<int>(*this, s_firstLightSourceIncidenceTag);
}
void MiscellaneousConfiguration::setFirstLightSourceIncidence(int value)
{
    setAndNotify(*this, s_firstLightSourceIncidenceTag, value, m_firstLightSourceChangedSignal);
}

bool MiscellaneousConfiguration::getEnableSecondLightSource() const
{
    return get<bool>(*this, s_secondLightSourceEnabledTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getSecondLightSourceEnabledConfig() const
{
    return valueOf<bool>(*this, s_secondLightSourceEnabledTag);
}
void MiscellaneousConfiguration::setEnableSecondLightSource(bool value)
{
    setAndNotify(*this, s_secondLightSourceEnabledTag, value, m_secondLightSourceChangedSignal);
}

int MiscellaneousConfiguration::getSecondLightSourceIntensity() const
{
    return get<int>(*this, s_secondLightSourceIntensityTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getSecondLightSourceIntensityConfig() const
{
    return valueOf<int>(*this, s_secondLightSourceIntensityTag);
}
void MiscellaneousConfiguration::setSecondLightSourceIntensity(int value)
{
    setAndNotify(*this, s_secondLightSourceIntensityTag, value, m_secondLightSourceChangedSignal);
}

int MiscellaneousConfiguration::getSecondLightSourceAzimuth() const
{
    return get<int>(*this, s_secondLightSourceAzimuthTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getSecondLightSourceAzimuthConfig() const
{
    return valueOf<int>(*this, s_secondLightSourceAzimuthTag);
}
void MiscellaneousConfiguration::setSecondLightSourceAzimuth(int value)
{
    setAndNotify(*this, s_secondLightSourceAzimuthTag, value, m_secondLightSourceChangedSignal);
}

int MiscellaneousConfiguration::getSecondLightSourceIncidence() const
{
    return get<int>(*this, s_secondLightSourceIncidenceTag);
}
const ConfigurationValue<int>& MiscellaneousConfiguration::getSecondLightSourceIncidenceConfig() const
{
    return valueOf<int>(*this, s_secondLightSourceIncidenceTag);
}
void MiscellaneousConfiguration::setSecondLightSourceIncidence(int value)
{
    setAndNotify(*this, s_secondLightSourceIncidenceTag, value, m_secondLightSourceChangedSignal);
}

bool MiscellaneousConfiguration::getForceUseFlatMeshShading() const
{
    return get<bool>(*this, s_forceUseFlatShadingTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getForceUseFlatShadingConfig() const
{
    return valueOf<bool>(*this, s_forceUseFlatShadingTag);
}
void MiscellaneousConfiguration::setForceUseFlatMeshShading(bool value)
{
    setAndNotify(*this, s_forceUseFlatShadingTag, value, m_forceUseFlatShadingChangedSignal);
}

bool MiscellaneousConfiguration::getForceUnsmoothedElementResultvar() const
{
    return get<bool>(*this, s_forceUnsmoothedElementResultvarTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getForceUnsmoothedElementResultvarConfig() const
{
    return valueOf<bool>(*this, s_forceUnsmoothedElementResultvarTag);
}
void MiscellaneousConfiguration::setForceUnsmoothedElementResultvar(bool value)
{
    setAndNotify(*this, s_forceUnsmoothedElementResultvarTag, value, m_forceUnsmoothedElementResultvarChangedSignal);
}

bool MiscellaneousConfiguration::getShowSolverTimeStepDescription() const
{
    return get<bool>(*this, s_showSolverTimeStepDescriptionTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getShowSolverTimeStepDescriptionConfig() const
{
    return valueOf<bool>(*this, s_showSolverTimeStepDescriptionTag);
}
void MiscellaneousConfiguration::setShowSolverTimeStepDescription(bool value)
{
    setAndNotify(*this, s_showSolverTimeStepDescriptionTag, value, m_showSolverTimeStepDescriptionChangedSignal);
}

bool MiscellaneousConfiguration::getIsControlMiscPageEnabledForRestart() const
{
    return get<bool>(*this, s_enableControlMiscPageForRestartDesignsTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getIsControlMiscPageEnabledForRestartConfig() const
{
    return valueOf<bool>(*this, s_enableControlMiscPageForRestartDesignsTag);
}
void MiscellaneousConfiguration::setControlMiscPageEnabledForRestart()
{
    setAndNotify(*this, s_enableControlMiscPageForRestartDesignsTag, true,
                 m_controlMiscPageEnabledForRestartChangedSignal);
}

bool MiscellaneousConfiguration::getIsToolDeflectionFixturePlateGenerationEnabled() const
{
    return get<bool>(*this, s_enableToolDeflectionFixturePlateGenerationTag);
}
const ConfigurationValue<bool>& MiscellaneousConfiguration::getIsToolDeflectionFixturePlateGenerationEnabledConfig()
    const
{
    return valueOf<bool>(*this, s_enableToolDeflectionFixturePlateGenerationTag);
}
void MiscellaneousConfiguration::setToolDeflectionFixturePlateGenerationEnabled()
{
    setAndNotify(*this, s_enableToolDeflectionFixturePlateGenerationTag, true,
                 m_toolDeflectionFixturePlateGenerationChangedSignal);
}

bool MiscellaneousConfiguration::getWritePressElasticityModelSupportDataToSolverEnabled() const
{
    return get<bool>(*this, s_enableWritePressElasticityModelSupportDataToSolverTag);
}
const ConfigurationValue<bool>&
MiscellaneousConfiguration::getWritePressElasticityModelSupportDataToSolverEnabledConfig() const
{
    return valueOf<bool>(*this, s_enableWritePressElasticityModelSupportDataToSolverTag);
}
void MiscellaneousConfiguration::setWritePressElasticityModelSupportDataToSolverEnabled()
{
    setAndNotify(*this, s_enableWritePressElasticityModelSupportDataToSolverTag, true,
                 m_writePressElasticityModelSupportDataToSolverChangedSignal);
}

Signals::Connection MiscellaneousConfiguration::connectToDefaultForReduceSTLDuringImportChangedSignal(
    const Signals::Slot<void(bool)>& slot)
{
    return m_defaultForReduceSTLDuringImportChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

Signals::Connection MiscellaneousConfiguration::connectToDiscretePercentagesEnabledChangedSignal(
    const Signals::Slot<void(bool)>& slot)
{
    return m_discretePercentagesEnabledChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

Signals::Connection MiscellaneousConfiguration::connectToFastApplyChangedSignal(const Signals::Slot<void(bool)>& slot)
{
    return m_fastApplyChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

Signals::Connection MiscellaneousConfiguration::connectToPressanAppPathChangedSignal(
    const Signals::Slot<void(std::string)>& slot)
{
    return m_pressanAppPathChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

Signals::Connection MiscellaneousConfiguration::connectToIssueOverviewAsDefaultChangedSignal(
    const Signals::Slot<void(bool)>& slot)
{
    return m_issueOverviewAsDefaultChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

Signals::Connection MiscellaneousConfiguration::connectToStagixAppPathChangedSignal(
    const Signals::Slot<void(std::string)>& slot)
{
    return m_stagixAppPathChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

Signals::Connection MiscellaneousConfiguration::connectToShowFldPointHullsChangedSignal(
    const Signals::Slot<void()>& slot)
{
    return m_showFldPointHullsChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

Signals::Connection MiscellaneousConfiguration::connectToWritePressElasticityModelSupportDataToSolverChangedSignal(
    const Signals::Slot<void()>& slot)
{
    return m_writePressElasticityModelSupportDataToSolverChangedSignal.connect(slot, Signals::ConnectPosition::AtBack);
}

std::string MiscellaneousConfiguration::getTag(MiscConfigurationTypes type) const
{
    const std::string* key = selectedKey(s_valuesByType, type);
    return key != nullptr ? *key : std::string();
}

bool MiscellaneousConfiguration::getEditable(MiscConfigurationTypes type) const
{
    if (!isEditable())
        return false;
    const std::string key = getTag(type);
    return key.empty() || GroupSupport::isEditable(*this, key);
}

bool MiscellaneousConfiguration::getVisibility(MiscConfigurationTypes type) const
{
    const std::string key = getTag(type);
    return key.empty() || isVisible(*this, key);
}

bool MiscellaneousConfiguration::getIsDesignerInReadOnlyMode() const
{
    return m_isQVPresenter || m_forceDesignerInReadOnlyMode || get<bool>(*this, s_readOnlyModeTag);
}

void MiscellaneousConfiguration::setIsQVPresenter(bool isPresenter) { m_isQVPresenter = isPresenter; }

void MiscellaneousConfiguration::setForceDesignerInReadOnlyMode(bool force) { m_forceDesignerInReadOnlyMode = force; }

void MiscellaneousConfiguration::copyFrom(const MiscellaneousConfiguration& other)
{
    using Group = MiscellaneousConfiguration;
    // In the order observers are told; values not listed are copied silently.
    static const Notification<Group> notifications[] = {
        emitting(Group::s_sheetShowRollAngleTag, &Group::m_sheetShowRollAngleChangedSignal),
        emitting(Group::s_smoothingEnabledTag, &Group::m_smoothingEnabledChangedSignal),
        emitting(Group::s_useSolidRepresentationTag, &Group::m_useSolidRepresentationChangedSignal),
        emitting(Group::s_useSolidToolRepresentationTag, &Group::m_useSolidToolRepresentationChangedSignal),
        emitting(Group::s_spotlightSelected3DObjectsTag, &Group::m_spotlightSelected3DObjectsChangedSignal),
        emitting(Group::s_useThickSheetInSectionModeTag, &Group::m_useThickSheetInSectionModeChangedSignal),
        emitting(Group::s_initiallyShowAxesTag, &Group::m_initiallyShowAxesChangedSignal),
        emitting(Group::s_usePilotDiameterAndAxisAdjustmentIfSnappedTag,
                 &Group::m_usePilotDiameterAndAxisAdjustmentIfSnappedChangedSignal),
        emitting(Group::s_showPointNormalsTag, &Group::m_showPointNormalsChangedSignal),
        emitting(Group::s_showLineNormalsTag, &Group::m_showLineNormalsChangedSignal),
        emitting(Group::s_showMeshNormalsTag, &Group::m_showMeshNormalsChangedSignal),
        emitting(Group::s_normalScaleFactorTag, &Group::m_normalScaleFactorChangedSignal),
        emitting(Group::s_showLineControlPolylinesTag, &Group::m_showLineControlPolylinesChangedSignal),
        emitting(Group::s_showMeshControlPolylinesTag, &Group::m_showMeshControlPolylinesChangedSignal),
        emitting(Group::s_showMeshDebugPointsTag, &Group::m_showMeshDebugPointsChangedSignal),
        emitting(Group::s_markLineStartPointTag, &Group::m_markLineStartPointChangedSignal),
        emitting(Group::s_varDrawbeadsShowSegmentsTag, &Group::m_varDrawbeadsShowSegmentsChangedSignal),
        emitting(Group::s_varDrawbeadsScaleFactorTag, &Group::m_varDrawbeadsScaleFactorChangedSignal),
        signalling({&Group::s_showFldPointHullsTag}, &Group::m_showFldPointHullsChangedSignal),
        emitting(Group::s_discretePercentagesEnabledTag, &Group::m_discretePercentagesEnabledChangedSignal),
        emitting(Group::s_defaultForReduceSTLDuringImportTag, &Group::m_defaultForReduceSTLDuringImportChangedSignal),
        emitting(Group::s_coordinateSystemScaleFactorTag, &Group::m_coordinateSystemScaleFactorChangedSignal),
        emitting(Group::s_referenceOptionTag, &Group::m_referenceOptionChangedSignal),
        emitting(Group::s_showSolidPartsDefaultTag, &Group::m_showSolidPartsDefaultOptionChangedSignal),
        emitting(Group::s_modifyPagesDualViewTag, &Group::m_modifyPagesDualViewChangedSignal),
        emitting(Group::s_ambientLightingIntensityTag, &Group::m_ambientLightingIntensityChangedSignal),
        emitting(Group::s_specularHighlightingIntensityTag, &Group::m_specularHighlightingIntensityChangedSignal),
        signalling({&Group::s_firstLightSourceEnabledTag, &Group::s_firstLightSourceIntensityTag,
                    &Group::s_firstLightSourceAzimuthTag, &Group::s_firstLightSourceIncidenceTag},
                   &Group::m_firstLightSourceChangedSignal),
        signalling({&Group::s_secondLightSourceEnabledTag, &Group::s_secondLightSourceIntensityTag,
                    &Group::s_secondLightSourceAzimuthTag, &Group::s_secondLightSourceIncidenceTag},
                   &Group::m_secondLightSourceChangedSignal),
        signalling({&Group::s_forceUseFlatShadingTag}, &Group::m_forceUseFlatShadingChangedSignal),
        emitting(Group::s_issueOverviewAsDefaultTag, &Group::m_issueOverviewAsDefaultChangedSignal),
        emitting(Group::s_fastApply, &Group::m_fastApplyChangedSignal),
        emitting(Group::s_pressanNewWindow, &Group::m_pressanAppPathChangedSignal),
        emitting(Group::s_stagixNewWindow, &Group::m_stagixAppPathChangedSignal),
        emitting(Group::s_showExportForPAMenuEntry, &Group::m_showExportForPAMenuEntryChangedSignal),
    };
    copyAndNotifyChanges(*this, other, notifications);
}

void MiscellaneousConfiguration::loadContent(ConfigReader& reader)
{
    if (isEditable())
        ConfigurationObject::loadContent(reader);
}

ConfigurationObject* MiscellaneousConfiguration::createConfigurationObject() const
{
    return new MiscellaneousConfiguration();
}

bool MiscellaneousConfiguration::hasNonEditableEntries() const
{
    const auto& values = getConfigurationValues();
    return !isEditable() ||
           std::any_of(values.begin(), values.end(), [](const auto& value) { return !value->isEditable(); });
}

// The lighting and diagnostic values are not reported after a load: the views read them when
// they draw.
void MiscellaneousConfiguration::emitSignalsAfterConfigLoading()
{
    emitCurrentValue(s_sheetShowRollAngleTag, m_sheetShowRollAngleChangedSignal);
    emitCurrentValue(s_smoothingEnabledTag, m_smoothingEnabledChangedSignal);
    emitCurrentValue(s_useSolidRepresentationTag, m_useSolidRepresentationChangedSignal);
    emitCurrentValue(s_useSolidToolRepresentationTag, m_useSolidToolRepresentationChangedSignal);
    emitCurrentValue(s_useThickSheetInSectionModeTag, m_useThickSheetInSectionModeChangedSignal);
    emitCurrentValue(s_initiallyShowAxesTag, m_initiallyShowAxesChangedSignal);
    emitCurrentValue(s_usePilotDiameterAndAxisAdjustmentIfSnappedTag,
                     m_usePilotDiameterAndAxisAdjustmentIfSnappedChangedSignal);
    emitCurrentValue(s_referenceOptionTag, m_referenceOptionChangedSignal);
    emitCurrentValue(s_showSolidPartsDefaultTag, m_showSolidPartsDefaultOptionChangedSignal);
    emitCurrentValue(s_modifyPagesDualViewTag, m_modifyPagesDualViewChangedSignal);
    emitCurrentValue(s_highlightHoveringTag, m_highlightHoveringChangedSignal);
    emitCurrentValue(s_spotlightSelected3DObjectsTag, m_spotlightSelected3DObjectsChangedSignal);
    if (valueOf<bool>(*this, s_showFldPointHullsTag).isEditable())
        m_showFldPointHullsChangedSignal();
    emitCurrentValue(s_discretePercentagesEnabledTag, m_discretePercentagesEnabledChangedSignal);
    emitCurrentValue(s_coordinateSystemScaleFactorTag, m_coordinateSystemScaleFactorChangedSignal);
    emitCurrentValue(s_varDrawbeadsScaleFactorTag, m_varDrawbeadsScaleFactorChangedSignal);
    emitCurrentValue(s_importInvisibleGeometryTag, m_useImportInvisibleGeometryChangedSignal);
    emitCurrentValue(s_importFittingGeometryTag, m_useImportFittingGeometryChangedSignal);
    emitCurrentValue(s_showImportPreviewDialogTag, m_showPreviewDialogOnImportChangedSignal);
    emitCurrentValue(s_defaultForReduceSTLDuringImportTag, m_defaultForReduceSTLDuringImportChangedSignal);
    emitCurrentValue(s_issueOverviewAsDefaultTag, m_issueOverviewAsDefaultChangedSignal);
    emitCurrentValue(s_fastApply, m_fastApplyChangedSignal);
    emitCurrentValue(s_pressanNewWindow, m_pressanAppPathChangedSignal);
    emitCurrentValue(s_stagixNewWindow, m_stagixAppPathChangedSignal);
    emitCurrentValue(s_showExportForPAMenuEntry, m_showExportForPAMenuEntryChangedSignal);
}

template <class T>
void MiscellaneousConfiguration::emitConfigValueSignal(const ConfigurationValue<T>* value,
                                                       Signals::Signal<void(T)>& signal)
{
    signal(value->getValue());
}

template <class T>
void MiscellaneousConfiguration::emitCurrentValue(const std::string& key, Signals::Signal<void(T)>& signal)
{
    emitConfigValueSignal(&valueOf<T>(*this, key), signal);
}

}  // namespace Quarvane
