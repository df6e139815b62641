#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "Platform/Core/Gui/WidgetTools/QVGuiTools.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/Translation/Translator.h"

#include <QtCore/QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace Quarvane
{

ColorConfiguration* ColorConfiguration::s_registeredInstance = nullptr;
boost::mutex ColorConfiguration::s_registrationMutex;

namespace
{
using ColorTypes = ColorConfiguration::ColorTypes;
using ObjectColor = ColorConfiguration::ObjectColor;

const char* const s_context = "ColorConfiguration";
const std::string s_objectColorClass = "ObjectColor";

// How a colour's default is given: as a value, a palette entry, an HSV triple (converted by
// QColor), or half the default of another colour created before it.
struct DefaultColor
{
    enum class Kind
    {
        Value,
        Palette,
        Hsv,
        HalfOf
    };
    Kind kind;
    ColorRGB value;
    std::array<int, 3> numbers;  // the palette index, the HSV triple, or the colour type to halve
};

constexpr DefaultColor rgb(float red, float green, float blue)
{
    return {DefaultColor::Kind::Value, {red, green, blue}, {}};
}
constexpr DefaultColor bytes(int red, int green, int blue)
{
    return {DefaultColor::Kind::Value, ColorRGB::fromBytes(red, green, blue), {}};
}
constexpr DefaultColor palette(int index) { return {DefaultColor::Kind::Palette, {}, {index, 0, 0}}; }
constexpr DefaultColor hsv(int hue, int saturation, int value)
{
    return {DefaultColor::Kind::Hsv, {}, {hue, saturation, value}};
}
constexpr DefaultColor halfOf(ColorTypes type) { return {DefaultColor::Kind::HalfOf, {}, {type, 0, 0}}; }

constexpr bool Locked = false;

struct ColorRow
{
    ColorTypes type;
    const char* key;
    DefaultColor color;
    const char* displayName;  // null: the colour has none
    bool editable = true;
};
}  // namespace

// Every colour in creation order: type, key (the child object's name), default, display name.
// Nested in the group so the rows can name the colour types as the group does.
struct ColorConfiguration::DefaultColorTable
{
    static constexpr ColorRow rows[] = {
        {BackgroundTopColor, "BackgroundTopColor", rgb(0.837f, 0.837f, 0.837f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Background Top")},
        {BackgroundBottomColor, "BackgroundBottomColor", rgb(0.48f, 0.48f, 0.48f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Background Bottom")},
        {SheetTopsideColor, "SheetTopsideColor", rgb(0.83f, 0.83f, 0.83f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Sheet/Blank Upper Side")},
        {SheetBottomsideColor, "SheetBottomsideColor", bytes(156, 180, 255),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Sheet/Blank Lower Side")},
        {SheetPatchTopsideColor, "SheetPatchTopsideColor", rgb(0.55f, 0.55f, 0.55f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Sheet/Blank-Patch Upper Side")},
        {SheetPatchBottomsideColor, "SheetPatchBottomsideColor", bytes(119, 138, 178),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Sheet/Blank-Patch Lower Side")},
        {SheetBoundaryColor, "SheetBoundaryColor", hsv(0, 0, 60),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Sheet Boundary")},
        {SheetReferenceTopsideColor, "SheetReferenceTopsideColor", halfOf(SheetTopsideColor),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Sheet Reference Upper Side")},
        {SheetReferenceBottomsideColor, "SheetReferenceBottomsideColor", halfOf(SheetBottomsideColor),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Sheet Reference Lower Side")},
        {LabelBackgroundColor, "LabelBackgroundColor", rgb(0.3f, 0.3f, 0.3f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Label Background")},
        {GenericLine, "GenericLine", palette(2),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Generic Line")},
        {MarkedLine, "MarkedLine", palette(6), nullptr},
        {Loop, "Loop", palette(4),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Loop")},
        {OuterLoop, "OuterLoop", palette(4),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Outer Loop")},
        {InnerLoop, "InnerLoop", palette(4),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Loop")},
        {GlobalFilletLine, "GlobalFilletLine", palette(1),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Global Fillet Line")},
        {VariableFilletLine, "VariableFilletLine", palette(2),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Variable Fillet Line")},
        {WireframeControlProfile, "WireframeControlProfile", rgb(0.0f, 0.0f, 1.0f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Wireframe Control Profile")},
        {HemContourLine, "HemContourLine", rgb(0.6f, 0.93f, 1.0f), nullptr},
        {TubeStartBoundary, "TubeStartBoundary", palette(2),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Start Boundary of Tube")},
        {TubeEndBoundary, "TubeEndBoundary", bytes(170, 0, 255),
         QT_TRANSLATE_NOOP("ColorConfiguration", "End Boundary of Tube")},
        {QualityAddendumColor1, "QualityAddendumColor1", bytes(0, 115, 255),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Quality Die Color 1")},
        {QualityAddendumColor2, "QualityAddendumColor2", bytes(170, 70, 255),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Quality Die Color 2")},
        {QualityAddendumColor3, "QualityAddendumColor3", bytes(0, 169, 147),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Quality Die Color 3")},
        {QualityAddendumColor4, "QualityAddendumColor4", bytes(255, 110, 0),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Quality Die Color 4")},
        {QualityAddendumError, "QualityAddendumError", rgb(1.0f, 0.0f, 0.0f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Quality Die Error")},
        {LineColor1, "LineColor1", palette(4),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 1")},
        {LineColor2, "LineColor2", palette(5),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 2")},
        {LineColor3, "LineColor3", palette(3),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 3")},
        {LineColor4, "LineColor4", palette(1),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 4")},
        {LineColor5, "LineColor5", palette(2),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 5")},
        {LineColor6, "LineColor6", rgb(0.0f, 1.0f, 0.0f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 6")},
        {LineColor7, "LineColor7", palette(7),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 7")},
        {LineColor8, "LineColor8", palette(8),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 8")},
        {LineColor9, "LineColor9", rgb(0.51f, 0.51f, 0.51f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Line Color 9")},
        {GlueColor, "GlueColor", rgb(0.93f, 0.85f, 0.63f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Glue Color")},
        {PatchNone, "PatchNone", rgb(1.0f, 0.0f, 0.0f), nullptr},
        {UnAssignedPatchInactive, "UnAssignedPatchInactive", rgb(0.83f, 0.83f, 0.83f), nullptr},
        {AssignedPatchInactive, "AssignedPatchInactive", rgb(0.22f, 0.22f, 0.22f), nullptr},
        {GeometryGeneratorFaceColor1, "GeometryGeneratorFaceColor1", palette(9),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 1")},
        {GeometryGeneratorFaceColor2, "GeometryGeneratorFaceColor2", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 2")},
        {GeometryGeneratorFaceColor3, "GeometryGeneratorFaceColor3", palette(11),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 3")},
        {GeometryGeneratorFaceColor4, "GeometryGeneratorFaceColor4", palette(12),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 4")},
        {GeometryGeneratorFaceColor5, "GeometryGeneratorFaceColor5", palette(13),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 5")},
        {GeometryGeneratorFaceColor6, "GeometryGeneratorFaceColor6", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 6")},
        {GeometryGeneratorFaceColor7, "GeometryGeneratorFaceColor7", palette(15),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 7")},
        {GeometryGeneratorFaceColor8, "GeometryGeneratorFaceColor8", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Geometry Face Color 8")},
        {InnerPartColor1, "InnerPartColor1", palette(9),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 1")},
        {InnerPartColor2, "InnerPartColor2", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 2")},
        {InnerPartColor3, "InnerPartColor3", palette(11),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 3")},
        {InnerPartColor4, "InnerPartColor4", palette(12),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 4")},
        {InnerPartColor5, "InnerPartColor5", palette(13),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 5")},
        {InnerPartColor6, "InnerPartColor6", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 6")},
        {InnerPartColor7, "InnerPartColor7", palette(15),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 7")},
        {InnerPartColor8, "InnerPartColor8", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 8")},
        {InnerPartColor9, "InnerPartColor9", bytes(62, 82, 22),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 9")},
        {InnerPartColor10, "InnerPartColor10", bytes(89, 17, 63),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inner Part Color 10")},
        {ToolDie, "ToolDie", palette(9),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Die")},
        {ToolBinder, "ToolBinder", palette(11),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Binder")},
        {ToolPunch, "ToolPunch", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Punch")},
        {ToolSteel, "ToolSteel", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Steel")},
        {ToolPad, "ToolPad", palette(13),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Pad")},
        {ToolPost, "ToolPost", palette(15),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Post")},
        {ToolWiper, "ToolWiper", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Wiper")},
        {ToolForm, "ToolForm", palette(14), nullptr},
        {ToolGeneric, "ToolGeneric", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Generic Tool")},
        {ToolGeneric1, "ToolGeneric1", hsv(327, 204, 163),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Generic Tool 1")},
        {ToolGeneric2, "ToolGeneric2", hsv(102, 204, 163),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Generic Tool 2")},
        {ToolGeneric3, "ToolGeneric3", hsv(57, 204, 163),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Generic Tool 3")},
        {ToolGeneric4, "ToolGeneric4", hsv(192, 204, 163),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Generic Tool 4")},
        {ToolGeneric5, "ToolGeneric5", hsv(237, 204, 163),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Generic Tool 5")},
        {ToolClamping, "ToolClamping", palette(6), nullptr},
        {SpringbackReferenceGeometry, "SpringbackReferenceGeometry", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Reference Geometry")},
        {HeatingZonePoint, "HeatingZonePoint", rgb(1.0f, 0.3f, 0.0f), nullptr},
        {HeatingZoneBoundary, "HeatingZoneBoundary", rgb(1.0f, 0.6f, 0.2f), nullptr},
        {HeatingZoneSurface, "HeatingZoneSurface", rgb(1.0f, 0.4f, 0.1f), nullptr},
        {BlankingOperation, "BlankingOperation", rgb(0.83f, 0.83f, 0.83f), nullptr},
        {LayoutOperationFirstDrawing, "LayoutOperationFirstDrawing", palette(9), nullptr},
        {LayoutOperationSecondDrawing, "LayoutOperationSecondDrawing", palette(2), nullptr},
        {LayoutOperationFirstTrimOperation, "LayoutOperationFirstTrimOperation", palette(14), nullptr},
        {BlankingOpColor1, "BlankingOpColor1", palette(15),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Blanking OP 1")},
        {BlankingOpColor2, "BlankingOpColor2", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Blanking OP 2")},
        {BlankingOpColor3, "BlankingOpColor3", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Blanking OP 3")},
        {BlankingOpColor4, "BlankingOpColor4", palette(12),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Blanking OP 4")},
        {DrawFormTrimOpColor1, "DrawFormTrimOpColor1", palette(9),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 1")},
        {DrawFormTrimOpColor2, "DrawFormTrimOpColor2", palette(13),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 2")},
        {DrawFormTrimOpColor3, "DrawFormTrimOpColor3", palette(11),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 3")},
        {DrawFormTrimOpColor4, "DrawFormTrimOpColor4", palette(15),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 4")},
        {DrawFormTrimOpColor5, "DrawFormTrimOpColor5", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 5")},
        {DrawFormTrimOpColor6, "DrawFormTrimOpColor6", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 6")},
        {DrawFormTrimOpColor7, "DrawFormTrimOpColor7", palette(12),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 7")},
        {DrawFormTrimOpColor8, "DrawFormTrimOpColor8", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw/Form/Trim OP 8")},
        {HemmingOpColor, "HemmingOpColor", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Hemming OP")},
        {UndefinedOpColor, "UndefinedOpColor", rgb(0.83f, 0.83f, 0.83f), nullptr, Locked},
        {LowerOutOfRangeColor, "LowerOutOfRangeColor", rgb(1.0f, 1.0f, 1.0f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Lower Out Of Range")},
        {UpperOutOfRangeColor, "UpperOutOfRangeColor", rgb(0.0f, 0.0f, 0.0f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Upper Out Of Range")},
        {NoValueColor, "NoValueColor", palette(65),
         QT_TRANSLATE_NOOP("ColorConfiguration", "No Value")},
        {InSpecColor, "InSpecColor", palette(66),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Within Limits")},
        {ReplaceCurrentGeometryColor, "ReplaceCurrentGeometryColor", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Replace Old Geometry Color")},
        {ReplaceNewGeometryColor, "ReplaceNewGeometryColor", palette(12),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Replace New Geometry Color")},
        {NoCadDataRed, "NoCadDataRed", rgb(1.0f, 0.0f, 0.0f), nullptr},
        {StagixCoil, "StagixCoil", rgb(0.35f, 0.35f, 0.35f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Coil")},
        {StagixCoilBlankingIndication, "StagixCoilBlankingIndication", rgb(0.4f, 0.4f, 0.4f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Coil Blanking Indication")},
        {StagixStripNeutral, "StagixStripNeutral", rgb(0.83f, 0.83f, 0.83f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Strip Neutral")},
        {StagixStripPart, "StagixStripPart", palette(9),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Strip Part")},
        {StagixBlankingStation, "StagixBlankingStation", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Blanking Station")},
        {StagixDrawStation, "StagixDrawStation", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw Station")},
        {StagixTrimStation, "StagixTrimStation", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Trim Station")},
        {StagixFormTrimStation, "StagixFormTrimStation", palette(11),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Form/Trim Station")},
        {StagixIdleStation, "StagixIdleStation", rgb(0.83f, 0.83f, 0.83f),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Idle Station")},
        {StagixBlankingPunch, "StagixBlankingPunch", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Blanking Punch")},
        {StagixCuttingPunch, "StagixCuttingPunch", palette(14),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Cutting Punch")},
        {StagixSeparationPunch, "StagixSeparationPunch", palette(13),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Separation Punch")},
        {StagixDrawFeature, "StagixDrawFeature", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Draw Feature")},
        {StagixFormFeature, "StagixFormFeature", palette(11),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Form Feature")},
        {StagixInconsistentGeometry, "StagixInconsistentGeometry", palette(6),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Inconsistent Geometry")},
        {StagixStationColor1, "StagixStationColor1", palette(13),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 1")},
        {StagixStationColor2, "StagixStationColor2", palette(11),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 2")},
        {StagixStationColor3, "StagixStationColor3", palette(15),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 3")},
        {StagixStationColor4, "StagixStationColor4", palette(10),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 4")},
        {StagixStationColor5, "StagixStationColor5", bytes(128, 0, 50),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 5")},
        {StagixStationColor6, "StagixStationColor6", palette(12),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 6")},
        {StagixStationColor7, "StagixStationColor7", palette(16),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 7")},
        {StagixStationColor8, "StagixStationColor8", bytes(62, 82, 22),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 8")},
        {StagixStationColor9, "StagixStationColor9", bytes(89, 17, 63),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Station 9")},
        {ColorMarker1, "ColorMarker1", bytes(76, 255, 151),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Color Marker 1")},
        {ColorMarker2, "ColorMarker2", bytes(170, 0, 255),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Color Marker 2")},
        {ColorMarker3, "ColorMarker3", bytes(204, 192, 61),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Color Marker 3")},
        {ColorMarker4, "ColorMarker4", bytes(51, 68, 255),
         QT_TRANSLATE_NOOP("ColorConfiguration", "Color Marker 4")},
    };
};

namespace
{
// What the two applications with a series of their own paint their family of colours with.
const std::array<ColorRGB, 8>& applicationSeries()
{
    static const std::array<ColorRGB, 8> series{
        ColorRGB::fromBytes(0, 136, 204), ColorRGB::fromBytes(0, 204, 119), ColorRGB::fromBytes(34, 204, 0),
        ColorRGB::fromBytes(187, 204, 0), ColorRGB::fromBytes(204, 85, 0), ColorRGB::fromBytes(204, 0, 85),
        ColorRGB::fromBytes(170, 0, 204), ColorRGB::fromBytes(34, 0, 204),
    };
    return series;
}

// The first of the eight colours an application's series replaces, or nothing for an
// application without a series.
bool firstColorOfSeries(QVApplicationType application, ColorTypes& first)
{
    switch (application)
    {
    case GeometryGeneratorApplication:
        first = ColorConfiguration::GeometryGeneratorFaceColor1;
        return true;
    case InnerPartApplication:
        first = ColorConfiguration::InnerPartColor1;
        return true;
    default:
        return false;
    }
}

const char* const s_componentKeys[] = {"r", "g", "b"};

// The components of a stored colour as the reader found them.
struct StoredComponents
{
    std::array<float, 3> values;
    std::array<int, 3> statuses;

    bool usable() const
    {
        for (std::size_t i = 0; i < values.size(); ++i)
            if (statuses[i] != ConfigReader::Found || !std::isfinite(values[i]))
                return false;
        return true;
    }

    // What the reader has not reported already (it reports text that is no float itself): a
    // component missing beside others that are there, or one that is not finite. An entry with
    // no component at all, as a bare lock leaves, is nothing to report.
    std::string unreportedProblems() const
    {
        const bool anyStored = std::any_of(statuses.begin(), statuses.end(),
                                           [](int status) { return status != ConfigReader::NotFound; });
        std::string problems;
        for (std::size_t i = 0; i < values.size(); ++i)
        {
            const std::string key = std::string("\"") + s_componentKeys[i] + "\"";
            std::string problem;
            if (statuses[i] == ConfigReader::NotFound && anyStored)
                problem = key + " is missing";
            else if (statuses[i] == ConfigReader::Found && !std::isfinite(values[i]))
                problem = key + " is " + ConfigValueText::format(values[i]) + ", not a finite number";
            if (!problem.empty())
                problems += (problems.empty() ? "" : ", ") + problem;
        }
        return problems;
    }
};

std::string describe(const ColorRGB& color)
{
    return "(" + ConfigValueText::format(color.red) + ", " + ConfigValueText::format(color.green) + ", " +
           ConfigValueText::format(color.blue) + ")";
}

ColorRGB toColorRGB(const QColor& color)
{
    qreal red = 0;
    qreal green = 0;
    qreal blue = 0;
    qreal alpha = 0;
    color.getRgbF(&red, &green, &blue, &alpha);
    return {static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue)};
}

QColor toQColor(const ColorRGB& color)
{
    QColor converted;
    converted.setRgbF(color.red, color.green, color.blue, 1.0);
    return converted;
}

// Relative luminance, summed in this order in single precision.
float luminance(const ColorRGB& color)
{
    float sum = 0.7152f * color.green + 0.2126f * color.red;
    sum += 0.0722f * color.blue;
    return sum;
}

// A component as 0..255, truncated. QColor rejects a colour with a component outside 0..255
// (and a NaN has no integer at all), so such components are brought into the range first.
int toByte(float component)
{
    const float scaled = component * 255.0f;
    if (std::isnan(scaled))
        return 0;
    return static_cast<int>(std::clamp(scaled, 0.0f, 255.0f));
}
}  // namespace

// ---- ObjectColor ----

ObjectColor::ObjectColor() : ObjectColor("ObjectColor", ColorRGB(), true) {}

ObjectColor::ObjectColor(const std::string& key, const ColorRGB& color, bool editable)
    : ConfigurationObject(key, "", 0, 63), color(color)
{
    setClassName(s_objectColorClass);
    setEditable(editable);
}

ObjectColor::ObjectColor(const std::string& key, const QColor& color, bool editable)
    : ObjectColor(key, toColorRGB(color), editable)
{
}

ObjectColor::ObjectColor(const std::string& key, VisualStyleDefinitions::VivuZidaColorIndices index, bool editable)
    : ObjectColor(key, getVivuzidaColor(index), editable)
{
}

ObjectColor::~ObjectColor() = default;

void ObjectColor::loadContent(ConfigReader& reader)
{
    bool editable = true;
    const bool objectRead = reader.readEditable(editable) == ConfigReader::Found;
    StoredComponents stored{{color.red, color.green, color.blue}, {}};
    for (std::size_t i = 0; i < stored.values.size(); ++i)
    {
        bool componentEditable = true;
        stored.statuses[i] = reader.readFloat(s_componentKeys[i], stored.values[i], componentEditable);
        editable = editable && componentEditable;
    }
    setEditable(editable);
    if (objectRead && stored.usable())
    {
        color = ColorRGB(stored.values[0], stored.values[1], stored.values[2]);
        for (const char* key : s_componentKeys)
            reader.noteValueTaken(key);
    }
    else if (const std::string problems = stored.unreportedProblems(); !problems.empty())
    {
        reader.reportProblem({}, "colour " + getName() + ": " + problems + "; it keeps " + describe(color));
    }
}

bool ObjectColor::differsForUserFile(const ConfigurationObject& reference) const
{
    const auto* stored = dynamic_cast<const ObjectColor*>(&reference);
    return stored == nullptr || stored->color != color;
}

void ObjectColor::saveDifferences(ConfigWriter& writer, const ConfigurationObject&) const { saveContent(writer); }

void ObjectColor::saveContent(ConfigWriter& writer) const
{
    writer.putFloat("r", color.red, "");
    writer.putFloat("g", color.green, "");
    writer.putFloat("b", color.blue, "");
}

ConfigurationObject* ObjectColor::createConfigurationObject() const
{
    return new ObjectColor(getName(), color, isEditable());
}

ConfigurationObject* ObjectColor::clone() const { return new ObjectColor(getName(), color, isEditable()); }

void ObjectColor::setDefaultValues() {}

bool ObjectColor::hasNonEditableEntries() const { return !isEditable(); }

// ---- Registration and construction ----

ColorConfiguration* ColorConfiguration::getRegisteredInstance()
{
    return GroupSupport::registerOnce(s_registeredInstance, s_registrationMutex);
}

ColorConfiguration* ColorConfiguration::findRegisteredInstance() noexcept
{
    try
    {
        return getRegisteredInstance();
    }
    catch (const std::exception&)
    {
        return nullptr;
    }
}

ColorConfiguration::ColorConfiguration() : ConfigurationObject("ColorConfiguration", "", 0, 63)
{
    resetToDefaultValues();
    initNames();
}

ColorConfiguration::ColorConfiguration(const ColorConfiguration& other)
    : ConfigurationObject(other),
      m_useWhiteBackgroundColor(other.m_useWhiteBackgroundColor),
      m_applicationType(other.m_applicationType),
      m_colorKeys(other.m_colorKeys)
{
    adjustColorsMap();
}

ColorConfiguration& ColorConfiguration::operator=(const ColorConfiguration& other)
{
    ConfigurationObject::operator=(other);
    if (this != &other)
        m_colorKeys = other.m_colorKeys;
    adjustColorsMap();
    m_useWhiteBackgroundColor = other.m_useWhiteBackgroundColor;
    m_applicationType = other.m_applicationType;
    for (const auto& entry : m_colors)
        signalColorChanged(entry.first);
    signalAllColorsChanged();
    signalConfigurationChanged();
    return *this;
}

ColorConfiguration::~ColorConfiguration() = default;

void ColorConfiguration::fillColorsMap()
{
    // The children join the base object only after all exist, in ascending type order, so the
    // files list them in that order; until then they are held here.
    std::map<ColorTypes, std::unique_ptr<ObjectColor>> created;
    m_colors.clear();
    for (const ColorRow& row : DefaultColorTable::rows)
    {
        const std::array<int, 3>& numbers = row.color.numbers;
        std::unique_ptr<ObjectColor> color;
        switch (row.color.kind)
        {
        case DefaultColor::Kind::Value:
            color = std::make_unique<ObjectColor>(row.key, row.color.value, row.editable);
            break;
        case DefaultColor::Kind::Palette:
            color = std::make_unique<ObjectColor>(
                row.key, static_cast<VisualStyleDefinitions::VivuZidaColorIndices>(numbers[0]), row.editable);
            break;
        case DefaultColor::Kind::Hsv:
            color = std::make_unique<ObjectColor>(row.key, QColor::fromHsv(numbers[0], numbers[1], numbers[2], 255),
                                                  row.editable);
            break;
        case DefaultColor::Kind::HalfOf:
            color = std::make_unique<ObjectColor>(row.key, getColor(static_cast<ColorTypes>(numbers[0])) * 0.5f,
                                                  row.editable);
            break;
        }
        m_colors[row.type] = color.get();
        created[row.type] = std::move(color);
    }
    m_colorKeys.clear();
    for (auto& [type, color] : created)
    {
        m_colorKeys[type] = color->getName();
        addConfigurationObject(color.release());
    }
}

void ColorConfiguration::adjustColorsMap()
{
    m_colors.clear();
    for (const auto& [type, key] : m_colorKeys)
        m_colors[type] = dynamic_cast<ObjectColor*>(getConfigurationObject(key));
}

void ColorConfiguration::initNames()
{
    for (const ColorRow& row : DefaultColorTable::rows)
        if (row.displayName != nullptr)
            m_colorNames[row.type] = Translator::translate(s_context, row.displayName, nullptr, -1).toStdString();
}

// ---- Reading and changing colours ----

ObjectColor* ColorConfiguration::getColorConfigByType(ColorTypes type) const
{
    const auto found = m_colors.find(type);
    return found == m_colors.end() ? nullptr : found->second;
}

ColorRGB ColorConfiguration::getColor(ColorTypes type) const
{
    const ObjectColor* color = getColorConfigByType(type);
    return color != nullptr ? color->color : ColorRGB::fallback();
}

std::pair<ColorRGB, bool> ColorConfiguration::getColorEditable(ColorTypes type) const
{
    return {getColor(type), getEditable(type)};
}

bool ColorConfiguration::getEditable(ColorTypes type) const
{
    if (!isEditable())
        return false;
    const ObjectColor* color = getColorConfigByType(type);
    return color == nullptr || color->isEditable();
}

void ColorConfiguration::setColor(ColorTypes type, const ColorRGB& color)
{
    ObjectColor* stored = getColorConfigByType(type);
    if (stored == nullptr)
        return;
    stored->color = color;
    signalColorChanged(type);
    signalConfigurationChanged();
}

bool ColorConfiguration::getUseWhiteBackgroundColor() const { return m_useWhiteBackgroundColor; }

void ColorConfiguration::setUseWhiteBackgroundColor(bool useWhiteBackground)
{
    if (m_useWhiteBackgroundColor == useWhiteBackground)
        return;
    m_useWhiteBackgroundColor = useWhiteBackground;
    signalConfigurationChanged();
}

QVApplicationType ColorConfiguration::getApplicationType() const { return m_applicationType; }

const std::map<ColorTypes, std::string>& ColorConfiguration::getColorKeys() const { return m_colorKeys; }

bool ColorConfiguration::hasNonEditableEntries() const
{
    return !isEditable() || std::any_of(m_colors.begin(), m_colors.end(), [](const auto& entry) {
               return entry.second != nullptr && !entry.second->isEditable();
           });
}

// ---- Names ----

QString ColorConfiguration::getColorName(ColorTypes type)
{
    const ColorConfiguration* colors = findRegisteredInstance();
    if (colors == nullptr)
        return QCoreApplication::translate(s_context, "Colors not available");
    const auto found = colors->m_colorNames.find(type);
    if (found == colors->m_colorNames.end())
        return QCoreApplication::translate(s_context, "Undefined Color");
    return QString::fromStdString(found->second);
}

void ColorConfiguration::setColorName(ColorTypes type, const QString& name)
{
    if (ColorConfiguration* colors = findRegisteredInstance())
        colors->m_colorNames[type] = name.toStdString();
}

// ---- Defaults and application type ----

void ColorConfiguration::resetToDefaultValues()
{
    m_colors.clear();
    removeAllConfigurationObjects();
    fillColorsMap();
    setSpecificDefaults();
    signalAllColorsChanged();
    signalConfigurationChanged();
}

void ColorConfiguration::setDefaultValues() { resetToDefaultValues(); }

void ColorConfiguration::changeDefaultsForType(QVApplicationType type)
{
    if (type == m_applicationType)
        return;
    m_applicationType = type;
    if (!setSpecificDefaults())
        return;
    signalAllColorsChanged();
    signalConfigurationChanged();
}

bool ColorConfiguration::setSpecificDefaults()
{
    ColorTypes first{};
    if (!firstColorOfSeries(m_applicationType, first))
        return false;
    const std::array<ColorRGB, 8>& series = applicationSeries();
    for (std::size_t i = 0; i < series.size(); ++i)
        if (ObjectColor* color = getColorConfigByType(static_cast<ColorTypes>(first + static_cast<int>(i))))
            color->color = series[i];
    return true;
}

// ---- Loading and saving ----

ConfigurationObject* ColorConfiguration::createConfigurationObject() const { return new ColorConfiguration(); }

ConfigurationObject* ColorConfiguration::clone() const { return new ColorConfiguration(*this); }

void ColorConfiguration::emitSignalsAfterConfigLoading()
{
    signalAllColorsChanged();
    signalConfigurationChanged();
}

void ColorConfiguration::takeOverReloadedContent(const ConfigurationObject& reloaded, const std::vector<std::string>&)
{
    const auto& other = dynamic_cast<const ColorConfiguration&>(reloaded);
    std::vector<ColorTypes> changed;
    for (const auto& entry : m_colors)
        if (getColor(entry.first) != other.getColor(entry.first))
            changed.push_back(entry.first);
    ConfigurationObject::operator=(other);
    adjustColorsMap();
    for (const ColorTypes type : changed)
        signalColorChanged(type);
    if (!changed.empty())
        signalConfigurationChanged();
}

ConfigurationObject* ColorConfiguration::createDefaultsLikeThis() const
{
    auto* fresh = new ColorConfiguration();
    fresh->m_applicationType = m_applicationType;
    fresh->setSpecificDefaults();
    return fresh;
}

// ---- Colour operations ----

ColorRGB ColorConfiguration::getVivuzidaColor(VisualStyleDefinitions::VivuZidaColorIndices index)
{
    switch (static_cast<int>(index))
    {
    case -1: return ColorRGB::fromBytes(255, 255, 0);
    case 0: return ColorRGB::fromBytes(107, 126, 153);
    case 1: return ColorRGB::fromBytes(51, 68, 255);
    case 2: return ColorRGB::fromBytes(0, 213, 255);
    case 3: return ColorRGB::fromBytes(76, 255, 151);
    case 4: return ColorRGB::fromBytes(68, 204, 0);
    case 5: return ColorRGB::fromBytes(204, 192, 61);
    case 6: return ColorRGB::fromBytes(255, 33, 0);
    case 7: return ColorRGB::fromBytes(255, 76, 181);
    case 8: return ColorRGB::fromBytes(170, 0, 255);
    case 9: return ColorRGB::fromBytes(31, 82, 153);
    case 10: return ColorRGB::fromBytes(31, 153, 133);
    case 11: return ColorRGB::fromBytes(31, 153, 41);
    case 12: return ColorRGB::fromBytes(112, 153, 31);
    case 13: return ColorRGB::fromBytes(204, 128, 20);
    case 14: return ColorRGB::fromBytes(178, 36, 59);
    case 15: return ColorRGB::fromBytes(153, 31, 143);
    case 16: return ColorRGB::fromBytes(83, 36, 178);
    case 17: return ColorRGB::fromBytes(41, 109, 204);
    case 18: return ColorRGB::fromBytes(51, 136, 255);
    case 19: return ColorRGB::fromBytes(191, 191, 191);
    case 20: return ColorRGB::fromBytes(255, 76, 76);
    case 21: return ColorRGB::fromBytes(255, 178, 102);
    case 22: return ColorRGB::fromBytes(255, 255, 76);
    case 23: return ColorRGB::fromBytes(20, 204, 112);
    case 24: return ColorRGB::fromBytes(191, 191, 191);
    case 25: return ColorRGB::fromBytes(0, 115, 229);
    case 26: return ColorRGB::fromBytes(128, 0, 255);
    case 27: return ColorRGB::fromBytes(240, 194, 196);
    case 28: return ColorRGB::fromBytes(222, 205, 181);
    case 29: return ColorRGB::fromBytes(240, 238, 196);
    case 30: return ColorRGB::fromBytes(177, 227, 186);
    case 31: return ColorRGB::fromBytes(214, 214, 214);
    case 32: return ColorRGB::fromBytes(182, 203, 235);
    case 33: return ColorRGB::fromBytes(194, 169, 221);
    case 34: return ColorRGB::fromBytes(249, 249, 249);
    case 35: return ColorRGB::fromBytes(255, 76, 76);
    case 36: return ColorRGB::fromBytes(255, 178, 102);
    case 37: return ColorRGB::fromBytes(255, 255, 76);
    case 38: return ColorRGB::fromBytes(20, 204, 112);
    case 39: return ColorRGB::fromBytes(191, 191, 191);
    case 40: return ColorRGB::fromBytes(0, 115, 229);
    case 41: return ColorRGB::fromBytes(128, 0, 255);
    case 42: return ColorRGB::fromBytes(255, 178, 102);
    case 43: return ColorRGB::fromBytes(255, 255, 76);
    case 44: return ColorRGB::fromBytes(20, 204, 112);
    case 45: return ColorRGB::fromBytes(222, 205, 181);
    case 46: return ColorRGB::fromBytes(240, 238, 196);
    case 47: return ColorRGB::fromBytes(177, 227, 186);
    case 48: return ColorRGB::fromBytes(255, 76, 76);
    case 49: return ColorRGB::fromBytes(20, 204, 112);
    case 50: return ColorRGB::fromBytes(255, 76, 76);
    case 51: return ColorRGB::fromBytes(255, 255, 76);
    case 52: return ColorRGB::fromBytes(20, 204, 112);
    case 53: return ColorRGB::fromBytes(255, 217, 102);
    case 54: return ColorRGB::fromBytes(76, 51, 0);
    case 55: return ColorRGB::fromBytes(0, 0, 0);
    case 56: return ColorRGB::fromBytes(255, 255, 255);
    case 57: return ColorRGB::fromBytes(50, 50, 50);
    case 58: return ColorRGB::fromBytes(225, 76, 76);
    case 59: return ColorRGB::fromBytes(255, 178, 102);
    case 60: return ColorRGB::fromBytes(255, 255, 76);
    case 61: return ColorRGB::fromBytes(20, 204, 112);
    case 62: return ColorRGB::fromBytes(60, 180, 255);
    case 63: return ColorRGB::fromBytes(0, 115, 229);
    case 64: return ColorRGB::fromBytes(128, 0, 255);
    case 65: return ColorRGB::fromBytes(50, 50, 50);
    case 66: return ColorRGB::fromBytes(125, 125, 125);
    case 67: return ColorRGB::fromBytes(225, 221, 187);
    case 68: return ColorRGB::fromBytes(183, 212, 233);
    case 69: return ColorRGB::fromBytes(130, 130, 130);
    case 70: return ColorRGB::fromBytes(90, 95, 100);
    case 71: return ColorRGB::fromBytes(255, 57, 31);
    case 72: return ColorRGB::fromBytes(168, 22, 76);
    default: return ColorRGB::fallback();
    }
}

ColorRGB ColorConfiguration::getLighterColor(const ColorRGB& color, int factor)
{
    return toColorRGB(toQColor(color).lighter(factor));
}

ColorRGB ColorConfiguration::getDarkerColor(const ColorRGB& color, int factor)
{
    return toColorRGB(toQColor(color).darker(factor));
}

ColorRGB ColorConfiguration::getLighterColorForHovering(const ColorRGB& color) { return getLighterColor(color, 150); }

ColorRGB ColorConfiguration::getHSVModifiedColor(const ColorRGB& color, int saturation, int value)
{
    QColor modified = QColor::fromRgbF(color.red, color.green, color.blue, 1.0);
    int hue = 0;
    int oldSaturation = 0;
    int oldValue = 0;
    int alpha = 0;
    modified.getHsv(&hue, &oldSaturation, &oldValue, &alpha);
    modified.setHsv(hue, saturation, value, 255);
    return toColorRGB(modified);
}

ColorRGB ColorConfiguration::getModifiedColorForMeshSide(const ColorRGB& color)
{
    return getHSVModifiedColor(color, 70, 120);
}

ColorRGB ColorConfiguration::getOptimizedForgroundColorForBackgroundColor(const ColorRGB& backgroundColor,
                                                                          const ColorRGB& foregroundColor)
{
    const bool darkBackground = luminance(backgroundColor) <= 0.5f;
    const bool darkForeground = luminance(foregroundColor) <= 0.5f;
    if (darkBackground != darkForeground)
        return foregroundColor;
    QColor mirrored = QColor::fromRgbF(foregroundColor.red, foregroundColor.green, foregroundColor.blue, 1.0);
    qreal hue = 0;
    qreal saturation = 0;
    qreal lightness = 0;
    qreal alpha = 0;
    mirrored.getHslF(&hue, &saturation, &lightness, &alpha);
    const float doubledDistance = 2.0f * static_cast<float>(lightness - 0.5);
    mirrored.setHslF(hue, saturation, lightness - doubledDistance, 1.0);
    return toColorRGB(mirrored);
}

QColor ColorConfiguration::getQColor(ColorTypes type)
{
    const ColorConfiguration* colors = findRegisteredInstance();
    const ColorRGB color = colors != nullptr ? colors->getColor(type) : ColorRGB::fallback();
    return QColor(toByte(color.red), toByte(color.green), toByte(color.blue), 255);
}

QIcon ColorConfiguration::createColorIcon(ColorTypes type, const QSize& size)
{
    return QVGuiTools::createColorIcon(getQColor(type), size);
}

ColorTypes ColorConfiguration::getColorForInnerPart(int index)
{
    // Neighbouring inner parts get contrasting colours.
    static const ColorTypes order[] = {InnerPartColor1, InnerPartColor5, InnerPartColor3, InnerPartColor7,
                                       InnerPartColor2, InnerPartColor6, InnerPartColor4, InnerPartColor8,
                                       InnerPartColor9, InnerPartColor10};
    return order[(index < 0 ? 0 : index) % 10];
}

ColorTypes ColorConfiguration::getGenericToolColorTypeByIdx(int index)
{
    static const ColorTypes cycle[] = {ToolGeneric1, ToolGeneric2, ToolGeneric3, ToolGeneric4, ToolGeneric5, ToolGeneric};
    return index < 0 ? ToolGeneric : cycle[index % 6];
}

}  // namespace Quarvane
