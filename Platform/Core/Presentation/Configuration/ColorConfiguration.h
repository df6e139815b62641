#pragma once

#include "Platform/Core/Presentation/Configuration/ColorRGB.h"
#include "Platform/Core/Presentation/Configuration/QVApplicationType.h"
#include "Platform/Core/Presentation/Configuration/VisualStyleDefinitions.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QIcon>

#include <boost/thread/mutex.hpp>

#include <map>
#include <string>
#include <utility>

namespace Quarvane
{

// The user-editable colours of the objects the 3D views draw: background, sheet sides, lines and
// loops, tools, operations, coil, strip, stations and punches, colour markers and the
// out-of-range colours of result scales. Each colour is a child object of class "ObjectColor"
// named by its key, so the configuration files hold every colour as a sub-object of its own;
// the group has no values of its own.
//
// Beside the colours it keeps a display name per colour type and the application it was set up
// for, and it offers the colour arithmetic the views need (lighter, darker, contrasting colours,
// QColor and icons), always through QColor so the results are exactly Qt's.
class ColorConfiguration : public ConfigurationObject
{
public:
    // The numbers are part of the interface: callers compute some of them (a running index over
    // a family of colours), and the order of the keys in the files follows them.
    enum ColorTypes : int
    {
        BackgroundTopColor = 0,
        BackgroundBottomColor = 1,
        LabelBackgroundColor = 2,
        SheetTopsideColor = 3,
        SheetBottomsideColor = 4,
        SheetPatchTopsideColor = 5,
        SheetPatchBottomsideColor = 6,
        SheetBoundaryColor = 7,
        SheetReferenceTopsideColor = 8,
        SheetReferenceBottomsideColor = 9,
        GenericLine = 10,
        MarkedLine = 11,
        Loop = 12,
        OuterLoop = 13,
        InnerLoop = 14,
        GlobalFilletLine = 15,
        VariableFilletLine = 16,
        WireframeControlProfile = 17,
        HemContourLine = 18,
        TubeStartBoundary = 19,
        TubeEndBoundary = 20,
        QualityAddendumColor1 = 21,
        QualityAddendumColor2 = 22,
        QualityAddendumColor3 = 23,
        QualityAddendumColor4 = 24,
        QualityAddendumError = 25,
        LineColor1 = 26,
        LineColor2 = 27,
        LineColor3 = 28,
        LineColor4 = 29,
        LineColor5 = 30,
        LineColor6 = 31,
        LineColor7 = 32,
        LineColor8 = 33,
        LineColor9 = 34,
        GlueColor = 35,
        PatchNone = 36,
        UnAssignedPatchInactive = 39,
        AssignedPatchInactive = 40,
        ToolDie = 200,
        ToolBinder = 201,
        ToolPunch = 202,
        ToolSteel = 203,
        ToolPad = 204,
        ToolPost = 205,
        ToolWiper = 206,
        ToolForm = 207,
        ToolGeneric = 208,
        ToolGeneric1 = 209,
        ToolGeneric2 = 210,
        ToolGeneric3 = 211,
        ToolGeneric4 = 212,
        ToolGeneric5 = 213,
        ToolClamping = 214,
        SpringbackReferenceGeometry = 215,
        HeatingZonePoint = 216,
        HeatingZoneBoundary = 217,
        HeatingZoneSurface = 218,
        BlankingOperation = 219,
        LayoutOperationFirstDrawing = 220,
        LayoutOperationSecondDrawing = 221,
        LayoutOperationFirstTrimOperation = 222,
        LowerOutOfRangeColor = 223,
        UpperOutOfRangeColor = 224,
        NoValueColor = 225,
        InSpecColor = 226,
        ReplaceCurrentGeometryColor = 227,
        ReplaceNewGeometryColor = 228,
        NoCadDataRed = 229,
        BlankingOpColor1 = 230,
        BlankingOpColor2 = 231,
        BlankingOpColor3 = 232,
        BlankingOpColor4 = 233,
        DrawFormTrimOpColor1 = 235,
        DrawFormTrimOpColor2 = 236,
        DrawFormTrimOpColor3 = 237,
        DrawFormTrimOpColor4 = 238,
        DrawFormTrimOpColor5 = 239,
        DrawFormTrimOpColor6 = 240,
        DrawFormTrimOpColor7 = 241,
        DrawFormTrimOpColor8 = 242,
        HemmingOpColor = 244,
        UndefinedOpColor = 245,
        ColorMarker1 = 246,
        ColorMarker2 = 247,
        ColorMarker3 = 248,
        ColorMarker4 = 249,
        GeometryGeneratorFaceColor1 = 1024,
        GeometryGeneratorFaceColor2 = 1025,
        GeometryGeneratorFaceColor3 = 1026,
        GeometryGeneratorFaceColor4 = 1027,
        GeometryGeneratorFaceColor5 = 1028,
        GeometryGeneratorFaceColor6 = 1029,
        GeometryGeneratorFaceColor7 = 1030,
        GeometryGeneratorFaceColor8 = 1031,
        InnerPartColor1 = 1059,
        InnerPartColor2 = 1060,
        InnerPartColor3 = 1061,
        InnerPartColor4 = 1062,
        InnerPartColor5 = 1063,
        InnerPartColor6 = 1064,
        InnerPartColor7 = 1065,
        InnerPartColor8 = 1066,
        InnerPartColor9 = 1067,
        InnerPartColor10 = 1068,
        StagixCoil = 1069,
        StagixCoilBlankingIndication = 1070,
        StagixStripNeutral = 1071,
        StagixStripPart = 1072,
        StagixBlankingStation = 1073,
        StagixDrawStation = 1074,
        StagixTrimStation = 1075,
        StagixFormTrimStation = 1076,
        StagixIdleStation = 1077,
        StagixBlankingPunch = 1078,
        StagixCuttingPunch = 1079,
        StagixSeparationPunch = 1080,
        StagixDrawFeature = 1081,
        StagixFormFeature = 1082,
        StagixInconsistentGeometry = 1083,
        StagixStationColor1 = 1084,
        StagixStationColor2 = 1085,
        StagixStationColor3 = 1086,
        StagixStationColor4 = 1087,
        StagixStationColor5 = 1088,
        StagixStationColor6 = 1089,
        StagixStationColor7 = 1090,
        StagixStationColor8 = 1091,
        StagixStationColor9 = 1092,
    };

    // One colour, stored as the floats "r", "g" and "b". Its editable flag is the object's own.
    struct ObjectColor : public ConfigurationObject
    {
        ObjectColor();
        ObjectColor(const std::string& key, const ColorRGB& color, bool editable);
        ObjectColor(const std::string& key, const QColor& color, bool editable);
        ObjectColor(const std::string& key, VisualStyleDefinitions::VivuZidaColorIndices index, bool editable);
        ObjectColor(const ObjectColor& other) = default;
        ObjectColor(ObjectColor&& other) = default;
        ObjectColor& operator=(const ObjectColor& other) = default;
        ObjectColor& operator=(ObjectColor&& other) = default;
        ~ObjectColor() override;

        // Takes the stored colour only when all three components are there and finite; otherwise
        // the colour stays and the object records a user warning saying why (an entry that holds
        // none of the components, as a bare lock does, says nothing).
        void loadContent(ConfigReader& reader) override;
        void saveContent(ConfigWriter& writer) const override;
        // A colour differs as a whole and is written whole.
        bool differsForUserFile(const ConfigurationObject& reference) const override;
        void saveDifferences(ConfigWriter& writer, const ConfigurationObject& reference) const override;
        // Both copy name, colour and editable flag: a colour has no default of its own, the
        // group knows it.
        ConfigurationObject* createConfigurationObject() const override;
        ConfigurationObject* clone() const override;
        void setDefaultValues() override;
        bool hasNonEditableEntries() const override;

        ColorRGB color;
    };

    // The registered group, created with all defaults and registered on the first call.
    static ColorConfiguration* getRegisteredInstance();
    // The same, or null when it cannot be had (another object holds the group's name, or the
    // registration lock failed), for callers that answer with a neutral value then.
    static ColorConfiguration* findRegisteredInstance() noexcept;

    // All 129 default colours and the display names; no application chosen.
    ColorConfiguration();
    // Copies the colours and flags; the copy has no display names and its signals start
    // unconnected.
    ColorConfiguration(const ColorConfiguration& other);
    // Takes over the other's colours and flags (keeping this group's display names), then emits
    // signalColorChanged for every type in ascending order, signalAllColorsChanged and
    // signalConfigurationChanged.
    ColorConfiguration& operator=(const ColorConfiguration& other);
    ~ColorConfiguration() override;

    // (1, 0, 0) for a type the group does not hold.
    ColorRGB getColor(ColorTypes type) const;
    std::pair<ColorRGB, bool> getColorEditable(ColorTypes type) const;
    // False while the group is locked; otherwise the colour's flag, true for an unknown type.
    bool getEditable(ColorTypes type) const;
    // Stores without comparing and emits signalColorChanged(type), then signalConfigurationChanged;
    // an unknown type is ignored.
    void setColor(ColorTypes type, const ColorRGB& color);

    bool getUseWhiteBackgroundColor() const;
    void setUseWhiteBackgroundColor(bool useWhiteBackground);

    QVApplicationType getApplicationType() const;
    // Each colour type with the name of its child object, in ascending type order.
    const std::map<ColorTypes, std::string>& getColorKeys() const;

    // The registered group's display name of the type: "Undefined Color" for a type without one,
    // "Colors not available" without a registered group (both translated).
    static QString getColorName(ColorTypes type);
    // Sets the registered group's display name of the type.
    static void setColorName(ColorTypes type, const QString& name);

    // Recreates every colour with its default (earlier ObjectColor pointers become invalid),
    // applies the chosen application's series, then emits signalAllColorsChanged and
    // signalConfigurationChanged.
    void resetToDefaultValues();
    // Chooses the application. For one with a colour series of its own, overwrites that family
    // of colours (the user's changes included) and emits signalAllColorsChanged and
    // signalConfigurationChanged.
    void changeDefaultsForType(QVApplicationType type);

    ConfigurationObject* createConfigurationObject() const override;
    ConfigurationObject* clone() const override;
    // The same as resetToDefaultValues.
    void setDefaultValues() override;
    bool hasNonEditableEntries() const override;
    // Emits signalAllColorsChanged, then signalConfigurationChanged.
    void emitSignalsAfterConfigLoading() override;
    // Live reload: takes over the colours and locks the files now give, then announces each
    // colour that changed and, if any did, the configuration.
    void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                 const std::vector<std::string>& changedKeys) override;
    // A default instance set up for the same application (with its colour series).
    ConfigurationObject* createDefaultsLikeThis() const override;

    // The ergonomic palette; (1, 0, 0) for an index outside it.
    static ColorRGB getVivuzidaColor(VisualStyleDefinitions::VivuZidaColorIndices index);

    // Colour arithmetic, through QColor. Factors are percentages as QColor::lighter and darker
    // take them; saturation and value are 0..255.
    static ColorRGB getLighterColor(const ColorRGB& color, int factor);
    static ColorRGB getDarkerColor(const ColorRGB& color, int factor);
    static ColorRGB getLighterColorForHovering(const ColorRGB& color);
    static ColorRGB getHSVModifiedColor(const ColorRGB& color, int saturation, int value);
    static ColorRGB getModifiedColorForMeshSide(const ColorRGB& color);
    // The foreground as it is when it stands out against the background (one is light, the
    // other dark), otherwise with its lightness mirrored.
    static ColorRGB getOptimizedForgroundColorForBackgroundColor(const ColorRGB& backgroundColor,
                                                                 const ColorRGB& foregroundColor);
    // The registered group's colour of the type as 0..255 components, truncated; a component
    // outside 0..1 (or NaN) is brought into the range first, where QColor would reject it.
    static QColor getQColor(ColorTypes type);
    static QIcon createColorIcon(ColorTypes type, const QSize& size);
    // Spread a running number over a family of colours, so that neighbours contrast.
    static ColorTypes getColorForInnerPart(int index);
    static ColorTypes getGenericToolColorTypeByIdx(int index);

    Signals::Signal<void()> signalConfigurationChanged;
    Signals::Signal<void(ColorTypes)> signalColorChanged;
    // Many colours may have changed at once: defaults restored, application chosen, loaded, assigned.
    Signals::Signal<void()> signalAllColorsChanged;

private:
    struct DefaultColorTable;

    ObjectColor* getColorConfigByType(ColorTypes type) const;
    void fillColorsMap();
    void adjustColorsMap();
    void initNames();
    bool setSpecificDefaults();

    // Not owning: the children belong to the base object's list.
    std::map<ColorTypes, ObjectColor*> m_colors;
    bool m_useWhiteBackgroundColor = false;
    std::map<ColorTypes, std::string> m_colorNames;
    QVApplicationType m_applicationType = UndefinedApplication;
    std::map<ColorTypes, std::string> m_colorKeys;

    static ColorConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
