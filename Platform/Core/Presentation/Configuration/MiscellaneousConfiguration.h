#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// The presentation layer's assorted display and behaviour switches: sheet and tool display,
// result smoothing, addendum-profile and import options, the paths of the Pressan and Stagix
// windows, fast apply, read-only mode, the 3D-view lighting and hidden diagnostic displays.
class MiscellaneousConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable and getVisibility. 12 and 28 select nothing, nor does any
    // number outside the list; the lighting and diagnostic values have no number.
    enum MiscConfigurationTypes
    {
        SheetShowRollAngleType = 0,
        SmoothingEnabledType = 1,
        UseSolidRepresentationType = 2,
        UseSolidToolRepresentationType = 3,
        UseThickSheetInSectionModeType = 4,
        UsePilotDiameterAdjustmentIfSnappedType = 5,
        MinAnimationTimeStepDurationType = 6,
        SolverOptionsVisibleType = 7,
        ReferenceOptionType = 8,
        ModifyPagesDualViewType = 9,
        ShowSolidPartsAsDefaultType = 10,
        ReadOnlyModeType = 11,
        InsertControlPointsOptionForPunchOpeningLineType = 13,
        InsertControlPointsOptionForBarHeightLineType = 14,
        InsertControlPointsOptionForCounterBarHeightLineType = 15,
        HighlightHoveringType = 16,
        SpotlightSelected3DObjectsType = 17,
        InitiallyShowAxesType = 18,
        ShowFldPointHullsType = 19,
        DiscretePercentagesEnabledType = 20,
        IssueOverviewAsDefaultType = 21,
        ImportInvisibleGeometryType = 22,
        ImportFittingGeometryType = 23,
        ShowPreviewDialogType = 24,
        DefaultForSTLReductionType = 25,
        PressanNewWindowType = 26,
        StagixNewWindowType = 27,
        ShowExportForPAMenuEntryType = 29
    };

    static const std::string s_sheetShowRollAngleTag;
    static const std::string s_smoothingEnabledTag;
    static const std::string s_useSolidRepresentationTag;
    static const std::string s_useSolidToolRepresentationTag;
    static const std::string s_useThickSheetInSectionModeTag;
    static const std::string s_initiallyShowAxesTag;
    static const std::string s_usePilotDiameterAndAxisAdjustmentIfSnappedTag;
    static const std::string s_minAnimationTimeStepDurationTag;
    static const std::string s_solverOptionsVisibleTag;
    static const std::string s_referenceOptionTag;
    static const std::string s_showSolidPartsDefaultTag;
    static const std::string s_modifyPagesDualViewTag;
    static const std::string s_insertControlPointsOptionForPunchOpeningLineTag;
    static const std::string s_insertControlPointsOptionForBarHeightLineTag;
    static const std::string s_insertControlPointsOptionForCounterBarHeightLineTag;
    static const std::string s_highlightHoveringTag;
    static const std::string s_spotlightSelected3DObjectsTag;
    static const std::string s_showFldPointHullsTag;
    static const std::string s_discretePercentagesEnabledTag;
    static const std::string s_issueOverviewAsDefaultTag;
    static const std::string s_importInvisibleGeometryTag;
    static const std::string s_importFittingGeometryTag;
    static const std::string s_showImportPreviewDialogTag;
    static const std::string s_defaultForReduceSTLDuringImportTag;
    static const std::string s_fastApply;
    static const std::string s_showExportForPAMenuEntry;
    static const std::string s_pressanNewWindow;
    static const std::string s_stagixNewWindow;
    static const std::string s_alternativeSnapshotPreviewGrabbingTag;
    static const std::string s_readOnlyModeTag;
    static const std::string s_varDrawbeadsShowSegmentsTag;
    static const std::string s_varDrawbeadsScaleFactorTag;
    static const std::string s_coordinateSystemScaleFactorTag;
    static const std::string s_showPointNormalsTag;
    static const std::string s_showLineNormalsTag;
    static const std::string s_showMeshNormalsTag;
    static const std::string s_normalScaleFactorTag;
    static const std::string s_showLineControlPolylinesTag;
    static const std::string s_showMeshControlPolylinesTag;
    static const std::string s_showMeshDebugPointsTag;
    static const std::string s_markLineStartPointTag;
    static const std::string s_ambientLightingIntensityTag;
    static const std::string s_specularHighlightingIntensityTag;
    static const std::string s_firstLightSourceEnabledTag;
    static const std::string s_firstLightSourceIntensityTag;
    static const std::string s_firstLightSourceAzimuthTag;
    static const std::string s_firstLightSourceIncidenceTag;
    static const std::string s_secondLightSourceEnabledTag;
    static const std::string s_secondLightSourceIntensityTag;
    static const std::string s_secondLightSourceAzimuthTag;
    static const std::string s_secondLightSourceIncidenceTag;
    static const std::string s_forceUseFlatShadingTag;
    static const std::string s_forceUnsmoothedElementResultvarTag;
    static const std::string s_showSolverTimeStepDescriptionTag;
    static const std::string s_enableControlMiscPageForRestartDesignsTag;
    static const std::string s_enableToolDeflectionFixturePlateGenerationTag;
    static const std::string s_enableWritePressElasticityModelSupportDataToSolverTag;

    static MiscellaneousConfiguration* getRegisteredInstance();

    // All defaults. "IssueOverviewAsDefault" depends on the running product, and the two window
    // paths are those of the installed Pressan and Stagix of the running release ("" when none is
    // installed), which takes a look at the registry.
    MiscellaneousConfiguration();
    ~MiscellaneousConfiguration() override;

    bool getSheetShowRollAngle() const;
    const ConfigurationValue<bool>& getSheetShowRollAngleConfig() const;
    void setSheetShowRollAngle(bool value);

    bool getSmoothingEnabled() const;
    const ConfigurationValue<bool>& getSmoothingEnabledConfig() const;
    void setSmoothingEnabled(bool value);

    bool getInitialUseSolidRepresentation() const;
    const ConfigurationValue<bool>& getUseSolidRepresentationConfig() const;
    void setInitialUseSolidRepresentation(bool value);

    bool getInitialUseSolidToolRepresentation() const;
    const ConfigurationValue<bool>& getUseSolidToolRepresentationConfig() const;
    void setInitialUseSolidToolRepresentation(bool value);

    bool getUseThickSheetInSectionMode() const;
    const ConfigurationValue<bool>& getUseThickSheetInSectionModeConfig() const;
    void setUseThickSheetInSectionMode(bool value);

    bool getInitiallyShowAxes() const;
    const ConfigurationValue<bool>& getInitiallyShowAxesConfig() const;
    void setInitiallyShowAxes(bool value);

    bool getUsePilotDiameterAndAxisAdjustmentIfSnapped() const;
    const ConfigurationValue<bool>& getUsePilotDiameterAndAxisAdjustmentIfSnappedConfig() const;
    void setUsePilotDiameterAndAxisAdjustmentIfSnapped(bool value);

    // This and the three control-point options have no signal: their setters store silently.
    int getMinAnimationTimeStepDuration() const;
    const ConfigurationValue<int>& getMinAnimationTimeStepDurationConfig() const;
    void setMinAnimationTimeStepDuration(int value);

    // Set only by loading and copying.
    bool areSolverOptionsVisble() const;
    const ConfigurationValue<bool>& getSolverOptionsVisibleConfig() const;

    // The addendum profile reference: 0 shift and rotate, 1 project. Any int is stored as it is.
    int getReferenceOption() const;
    const ConfigurationValue<int>& getReferenceOptionConfig() const;
    void setReferenceOptions(int value);

    bool getShowSolidPartsDefaultOption() const;
    void setShowSolidPartsDefaultOption(bool value);

    bool getModifyPagesDualViewOption() const;
    const ConfigurationValue<bool>& getModifyPagesDualViewConfig() const;
    void setModifyPagesDualView(bool value);

    bool getInsertControlPointsOptionForPunchOpeningLine() const;
    const ConfigurationValue<bool>& getInsertControlPointsOptionForPunchOpeningLineConfig() const;
    void setInsertControlPointsOptionForPunchOpeningLine(bool value);

    bool getInsertControlPointsOptionForBarHeightLine() const;
    const ConfigurationValue<bool>& getInsertControlPointsOptionForBarHeightLineConfig() const;
    void setInsertControlPointsOptionForBarHeightLine(bool value);

    bool getInsertControlPointsOptionForCounterBarHeightLine() const;
    const ConfigurationValue<bool>& getInsertControlPointsOptionForCounterBarHeightLineConfig() const;
    void setInsertControlPointsOptionForCounterBarHeightLine(bool value);

    bool getHighlightHovering() const;
    const ConfigurationValue<bool>& getHighlightHoveringConfig() const;
    void setHighlightHovering(bool value);

    bool getSpotlightSelected3DObjects() const;
    const ConfigurationValue<bool>& getSpotlightSelected3DObjectsConfig() const;
    void setSpotlightSelected3DObjects(bool value);

    bool getShowFldPointHulls() const;
    const ConfigurationValue<bool>& getShowFldPointHullsConfig() const;
    void setShowFldPointHulls(bool value);

    // setDiscretePercentagesEnabled stores without comparing and without notifying; only the group
    // operations emit this signal.
    bool getDiscretePercentagesEnabled() const;
    const ConfigurationValue<bool>& getDiscretePercentagesEnabledConfig() const;
    void setDiscretePercentagesEnabled(bool value);

    bool getIssueOverviewAsDefault() const;
    const ConfigurationValue<bool>& getIssueOverviewAsDefaultConfig() const;
    void setIssueOverviewAsDefault(bool value);

    bool getUseImportInvisibleGeometry() const;
    const ConfigurationValue<bool>& getImportInvisibleGeometryConfig() const;
    void setUseImportInvisibleGeometry(bool value);

    bool getUseImportFittingGeometry() const;
    bool getUseImportFittingGeometryVisibility() const;
    const ConfigurationValue<bool>& getImportFittingGeometryConfig() const;
    void setUseImportFittingGeometry(bool value);

    bool getShowPreviewDialogOnImport() const;
    void setShowPreviewDialogOnImport(bool value);

    bool getDefaultForReduceSTLDuringImport() const;
    const ConfigurationValue<bool>& getDefaultForReduceSTLDuringImportConfig() const;
    void setDefaultForReduceSTLDuringImport(bool value);

    bool getFastApply() const;
    const ConfigurationValue<bool>& getFastApplyConfig() const;
    void setFastApply(bool value);

    bool getShowExportForPAMenuEntry() const;
    const ConfigurationValue<bool>& getShowExportForPAMenuEntryConfig() const;
    void setShowExportForPAMenuEntry(bool value);

    std::string getPressanNewWindow();
    const ConfigurationValue<std::string>& getPressanNewWindowConfig() const;
    void setPressanNewWindow(std::string value);

    std::string getStagixNewWindow();
    const ConfigurationValue<std::string>& getStagixNewWindowConfig() const;
    void setStagixNewWindow(std::string value);

    // Administrator settings without setters: set only by system files and copying.
    bool getUseAlternativePreviewScreenshotGrabbing() const;
    const ConfigurationValue<bool>& getAlternativeSnapshotPreviewGrabbingConfig() const;

    const ConfigurationValue<bool>& getReadOnlyModeConfig() const;

    bool getVarDrawbeadsShowSegments() const;
    const ConfigurationValue<bool>& getVarDrawbeadsShowSegmentsConfig() const;
    void setVarDrawbeadsShowSegments(bool value);

    double getVarDrawbeadsScaleFactor() const;
    bool getVarDrawbeadsScaleFactorVisibility() const;
    const ConfigurationValue<double>& getVarDrawbeadsScaleFactorConfig() const;
    void setVarDrawbeadsScaleFactor(double value);

    double getCoordinateSystemScaleFactor() const;
    const ConfigurationValue<double>& getCoordinateSystemScaleFactorConfig() const;
    void setCoordinateSystemScaleFactor(double value);

    bool getShowPointNormals() const;
    const ConfigurationValue<bool>& getShowPointNormalsConfig() const;
    void setShowPointNormals(bool value);

    bool getShowLineNormals() const;
    const ConfigurationValue<bool>& getShowLineNormalsConfig() const;
    void setShowLineNormals(bool value);

    bool getShowMeshNormals() const;
    const ConfigurationValue<bool>& getShowMeshNormalsConfig() const;
    void setShowMeshNormals(bool value);

    double getNormalScaleFactor() const;
    const ConfigurationValue<double>& getNormalScaleFactorConfig() const;
    void setNormalScaleFactor(double value);

    bool getShowLineControlPolylines() const;
    const ConfigurationValue<bool>& getShowLineControlPolylinesConfig() const;
    void setShowLineControlPolylines(bool value);

    bool getShowMeshControlPolylines() const;
    const ConfigurationValue<bool>& getShowMeshControlPolylinesConfig() const;
    void setShowMeshControlPolylines(bool value);

    bool getShowMeshDebugPoints() const;
    const ConfigurationValue<bool>& getShowMeshDebugPointsConfig() const;
    void setShowMeshDebugPoints(bool value);

    bool getMarkLineStartPoint() const;
    const ConfigurationValue<bool>& getMarkLineStartPointConfig() const;
    void setMarkLineStartPoint(bool value);

    // Lighting setters clamp: intensities to 0..100, azimuths to -180..180 degrees and incidences to
    // -90..90 degrees. The four setters of a light source share that light source's signal.
    int getAmbientLightingIntensity() const;
    const ConfigurationValue<int>& getAmbientLightingIntensityConfig() const;
    void setAmbientLightingIntensity(int value);

    int getSpecularHighlightingIntensity() const;
    const ConfigurationValue<int>& getSpecularHighlightingIntensityConfig() const;
    void setSpecularHighlightingIntensity(int value);

    bool getEnableFirstLightSource() const;
    const ConfigurationValue<bool>& getFirstLightSourceEnabledConfig() const;
    void setEnableFirstLightSource(bool value);

    int getFirstLightSourceIntensity() const;
    const ConfigurationValue<int>& getFirstLightSourceIntensityConfig() const;
    void setFirstLightSourceIntensity(int value);

    int getFirstLightSourceAzimuth() const;
    const ConfigurationValue<int>& getFirstLightSourceAzimuthConfig() const;
    void setFirstLightSourceAzimuth(int value);

    int getFirstLightSourceIncidence() const;
    const ConfigurationValue<int>& getFirstLightSourceIncidenceConfig() const;
    void setFirstLightSourceIncidence(int value);

    bool getEnableSecondLightSource() const;
    const ConfigurationValue<bool>& getSecondLightSourceEnabledConfig() const;
    void setEnableSecondLightSource(bool value);

    int getSecondLightSourceIntensity() const;
    const ConfigurationValue<int>& getSecondLightSourceIntensityConfig() const;
    void setSecondLightSourceIntensity(int value);

    int getSecondLightSourceAzimuth() const;
    const ConfigurationValue<int>& getSecondLightSourceAzimuthConfig() const;
    void setSecondLightSourceAzimuth(int value);

    int getSecondLightSourceIncidence() const;
    const ConfigurationValue<int>& getSecondLightSourceIncidenceConfig() const;
    void setSecondLightSourceIncidence(int value);

    bool getForceUseFlatMeshShading() const;
    const ConfigurationValue<bool>& getForceUseFlatShadingConfig() const;
    void setForceUseFlatMeshShading(bool value);

    bool getForceUnsmoothedElementResultvar() const;
    const ConfigurationValue<bool>& getForceUnsmoothedElementResultvarConfig() const;
    void setForceUnsmoothedElementResultvar(bool value);

    bool getShowSolverTimeStepDescription() const;
    const ConfigurationValue<bool>& getShowSolverTimeStepDescriptionConfig() const;
    void setShowSolverTimeStepDescription(bool value);

    // These three switch a value on for good: set once, notified once, never switched back off.
    bool getIsControlMiscPageEnabledForRestart() const;
    const ConfigurationValue<bool>& getIsControlMiscPageEnabledForRestartConfig() const;
    void setControlMiscPageEnabledForRestart();

    bool getIsToolDeflectionFixturePlateGenerationEnabled() const;
    const ConfigurationValue<bool>& getIsToolDeflectionFixturePlateGenerationEnabledConfig() const;
    void setToolDeflectionFixturePlateGenerationEnabled();

    bool getWritePressElasticityModelSupportDataToSolverEnabled() const;
    const ConfigurationValue<bool>& getWritePressElasticityModelSupportDataToSolverEnabledConfig() const;
    void setWritePressElasticityModelSupportDataToSolverEnabled();

    Signals::Connection connectToDefaultForReduceSTLDuringImportChangedSignal(const Signals::Slot<void(bool)>& slot);
    Signals::Connection connectToDiscretePercentagesEnabledChangedSignal(const Signals::Slot<void(bool)>& slot);
    Signals::Connection connectToFastApplyChangedSignal(const Signals::Slot<void(bool)>& slot);
    Signals::Connection connectToPressanAppPathChangedSignal(const Signals::Slot<void(std::string)>& slot);
    Signals::Connection connectToIssueOverviewAsDefaultChangedSignal(const Signals::Slot<void(bool)>& slot);
    Signals::Connection connectToStagixAppPathChangedSignal(const Signals::Slot<void(std::string)>& slot);
    Signals::Connection connectToShowFldPointHullsChangedSignal(const Signals::Slot<void()>& slot);
    Signals::Connection connectToWritePressElasticityModelSupportDataToSolverChangedSignal(
        const Signals::Slot<void()>& slot);

    // False while the group is locked, otherwise whether the selected value is; true for a number
    // that selects no value.
    bool getEditable(MiscConfigurationTypes type) const;
    // Whether the settings dialog of the running product shows the selected value; true for a
    // number that selects no value. The group's lock plays no part.
    bool getVisibility(MiscConfigurationTypes type) const;

    // The designer is read-only in the presenter application, when forced, or in read-only mode.
    bool getIsDesignerInReadOnlyMode() const;
    void setIsQVPresenter(bool isPresenter);
    void setForceDesignerInReadOnlyMode(bool force);

    // Takes over all values and flags, then emits the signals of the values that differed.
    void copyFrom(const MiscellaneousConfiguration& other);

    void loadContent(ConfigReader& reader) override;
    ConfigurationObject* createConfigurationObject() const override;
    bool hasNonEditableEntries() const override;
    void emitSignalsAfterConfigLoading() override;

    Signals::Signal<void(bool)> m_sheetShowRollAngleChangedSignal;
    Signals::Signal<void(bool)> m_smoothingEnabledChangedSignal;
    Signals::Signal<void(bool)> m_useSolidRepresentationChangedSignal;
    Signals::Signal<void(bool)> m_useSolidToolRepresentationChangedSignal;
    Signals::Signal<void(bool)> m_useThickSheetInSectionModeChangedSignal;
    Signals::Signal<void(bool)> m_initiallyShowAxesChangedSignal;
    Signals::Signal<void(bool)> m_usePilotDiameterAndAxisAdjustmentIfSnappedChangedSignal;
    Signals::Signal<void(int)> m_referenceOptionChangedSignal;
    Signals::Signal<void(bool)> m_showSolidPartsDefaultOptionChangedSignal;
    Signals::Signal<void(bool)> m_modifyPagesDualViewChangedSignal;
    Signals::Signal<void(bool)> m_highlightHoveringChangedSignal;
    Signals::Signal<void(bool)> m_spotlightSelected3DObjectsChangedSignal;
    Signals::Signal<void()> m_showFldPointHullsChangedSignal;
    Signals::Signal<void(bool)> m_discretePercentagesEnabledChangedSignal;
    Signals::Signal<void(bool)> m_issueOverviewAsDefaultChangedSignal;
    Signals::Signal<void(bool)> m_useImportInvisibleGeometryChangedSignal;
    Signals::Signal<void(bool)> m_useImportFittingGeometryChangedSignal;
    Signals::Signal<void(bool)> m_showPreviewDialogOnImportChangedSignal;
    Signals::Signal<void(bool)> m_defaultForReduceSTLDuringImportChangedSignal;
    Signals::Signal<void(bool)> m_fastApplyChangedSignal;
    Signals::Signal<void(bool)> m_showExportForPAMenuEntryChangedSignal;
    Signals::Signal<void(std::string)> m_pressanAppPathChangedSignal;
    Signals::Signal<void(std::string)> m_stagixAppPathChangedSignal;
    Signals::Signal<void(bool)> m_varDrawbeadsShowSegmentsChangedSignal;
    Signals::Signal<void(double)> m_varDrawbeadsScaleFactorChangedSignal;
    Signals::Signal<void(double)> m_coordinateSystemScaleFactorChangedSignal;
    Signals::Signal<void(bool)> m_showPointNormalsChangedSignal;
    Signals::Signal<void(bool)> m_showLineNormalsChangedSignal;
    Signals::Signal<void(bool)> m_showMeshNormalsChangedSignal;
    Signals::Signal<void(double)> m_normalScaleFactorChangedSignal;
    Signals::Signal<void(bool)> m_showLineControlPolylinesChangedSignal;
    Signals::Signal<void(bool)> m_showMeshControlPolylinesChangedSignal;
    Signals::Signal<void(bool)> m_showMeshDebugPointsChangedSignal;
    Signals::Signal<void(bool)> m_markLineStartPointChangedSignal;
    Signals::Signal<void(int)> m_ambientLightingIntensityChangedSignal;
    Signals::Signal<void(int)> m_specularHighlightingIntensityChangedSignal;
    Signals::Signal<void()> m_firstLightSourceChangedSignal;
    Signals::Signal<void()> m_secondLightSourceChangedSignal;
    Signals::Signal<void()> m_forceUseFlatShadingChangedSignal;
    Signals::Signal<void(bool)> m_forceUnsmoothedElementResultvarChangedSignal;
    Signals::Signal<void(bool)> m_showSolverTimeStepDescriptionChangedSignal;
    Signals::Signal<void()> m_controlMiscPageEnabledForRestartChangedSignal;
    Signals::Signal<void()> m_toolDeflectionFixturePlateGenerationChangedSignal;
    Signals::Signal<void()> m_writePressElasticityModelSupportDataToSolverChangedSignal;

private:
    template <class T>
    void emitConfigValueSignal(const ConfigurationValue<T>* value, Signals::Signal<void(T)>& signal);
    template <class T>
    void emitCurrentValue(const std::string& key, Signals::Signal<void(T)>& signal);
    std::string getTag(MiscConfigurationTypes type) const;

    // Transient: never loaded or saved.
    bool m_isQVPresenter = false;
    bool m_forceDesignerInReadOnlyMode = false;

    static MiscellaneousConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
