#include "tools/qvconfig/VariableDescription.h"

#include "Platform/Core/Presentation/Configuration/ResVarPropertiesCommon.h"

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
using ScaleType = ResVarPropertiesCommon::ScaleType;
using MinMaxType = ResVarPropertiesCommon::MinMaxType;

const std::vector<std::pair<QString, SkinInterpretType>> s_representations{
    {"Points", SkinInterpretPoints},           {"NodalSmooth", SkinInterpretNodalSmooth},
    {"ElementSmooth", SkinInterpretElementSmooth}, {"NodalFlat", SkinInterpretNodalFlat},
    {"Line", SkinInterpretLine},               {"ElementFlat", SkinInterpretElementFlat},
    {"ElementLayered", SkinInterpretElementLayered}, {"Arrows", SkinInterpretArrows},
    {"EdgeSmooth", SkinInterpretEdgeSmooth},   {"EdgeFlat", SkinInterpretEdgeFlat},
};

const std::vector<std::pair<QString, ScaleType>> s_scaleTypes{
    {"Discrete", ScaleType::Discrete},
    {"ManualDiscrete", ScaleType::ManualDiscrete},
    {"Continuous", ScaleType::Continuous},
    {"ContinuousOutOfRange", ScaleType::ContinuousOutOfRange},
    {"ContinuousOutOfSpec", ScaleType::ContinuousOutOfSpec},
};

// The largest colour range type the scales know.
constexpr int s_lastColorRangeType = ResVarPropertiesCommon::Unassigned41;

// Reading stops at the first problem; the exception carries where and what.
struct DescriptionError
{
    std::string message;
};

[[noreturn]] void fail(const QString& where, const QString& what)
{
    throw DescriptionError{(where + ": " + what).toStdString()};
}

template <class Value>
Value lookUp(const std::vector<std::pair<QString, Value>>& names, const QJsonValue& value, const QString& where)
{
    QStringList known;
    for (const auto& [name, result] : names)
    {
        if (value.toString() == name)
            return result;
        known << name;
    }
    fail(where, "must be one of " + known.join(", "));
}

QString text(const QJsonObject& object, const QString& key, const QString& fallback = {})
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        fail("\"" + key + "\"", "must be a string");
    return value.toString();
}

double number(const QJsonValue& value, const QString& where)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        fail(where, "must be a finite number");
    return value.toDouble();
}

std::array<float, 3> color(const QJsonValue& value, const QString& where)
{
    const QJsonArray components = value.toArray();
    if (!value.isArray() || components.size() != 3)
        fail(where, "must be three numbers 0..1 (red, green, blue)");
    std::array<float, 3> rgb{};
    for (int i = 0; i < 3; ++i)
    {
        const double component = number(components[i], where);
        if (component < 0.0 || component > 1.0)
            fail(where, "must be three numbers 0..1 (red, green, blue)");
        rgb[static_cast<std::size_t>(i)] = static_cast<float>(component);
    }
    return rgb;
}

// Every level but the last has the upper limit of its values; the last is the range above. The
// colours are used when every level has one.
void readLevels(const QJsonValue& value, ResultVariableProperties& properties)
{
    if (value.isUndefined())
        return;
    if (!value.isArray())
        fail("\"levels\"", "must be a list of levels");
    const QJsonArray levels = value.toArray();
    bool everyLevelColoured = !levels.isEmpty();
    for (int i = 0; i < levels.size(); ++i)
    {
        const QString where = QString("\"levels\"[%1]").arg(i);
        const QJsonObject level = levels[i].toObject();
        if (!levels[i].isObject())
            fail(where, "must be an object with \"name\", \"upTo\" and \"color\"");
        const bool last = i + 1 == levels.size();
        if (!last && level.value("upTo").isUndefined())
            fail(where, "needs \"upTo\", the upper limit of its values (only the last level has none)");
        const double upTo = last ? 0.0 : number(level.value("upTo"), where + ".upTo");
        std::array<float, 3> rgb{};
        if (level.contains("color"))
            rgb = color(level.value("color"), where + ".color");
        else
            everyLevelColoured = false;
        if (!level.value("name").isString())
            fail(where + ".name", "must be a string");
        properties.addDiscretizationLevel(
            std::make_shared<LevelInfo>(upTo, level.value("name").toString().toStdString(), rgb[0], rgb[1], rgb[2]));
    }
    properties.setUseConfigurableDiscreteColors(everyLevelColoured);
}

std::set<int> readOmitted(const QJsonValue& value)
{
    std::set<int> omitted;
    if (value.isUndefined())
        return omitted;
    if (!value.isArray())
        fail("\"omit\"", "must be a list of colour positions");
    const QJsonArray positions = value.toArray();
    for (int i = 0; i < positions.size(); ++i)
    {
        const double position = positions[i].toDouble(-1.0);
        if (!positions[i].isDouble() || position < 0.0 || position > 1000.0 || position != std::floor(position))
            fail(QString("\"omit\"[%1]").arg(i), "must be a colour position 0..1000");
        omitted.insert(static_cast<int>(position));
    }
    return omitted;
}

VariableDescription describe(const QJsonObject& root)
{
    VariableDescription description;
    description.name = text(root, "name").toStdString();
    if (description.name.empty())
        fail("\"name\"", "is missing: every variable has a name");
    description.properties = std::make_shared<ResultVariableProperties>();
    ResultVariableProperties& properties = *description.properties;
    properties.setSkinBaseName(description.name);
    properties.setDisplayName(text(root, "displayName", QString::fromStdString(description.name)).toStdString());
    properties.setUnit(text(root, "unit").toStdString());
    if (root.contains("representation"))
        description.representation = lookUp(s_representations, root.value("representation"), "\"representation\"");
    properties.setScaleType(lookUp(s_scaleTypes, root.value("scaleType"), "\"scaleType\""));
    if (root.contains("colorRange"))
    {
        const double type = number(root.value("colorRange"), "\"colorRange\"");
        if (type < 0 || type > s_lastColorRangeType || type != std::floor(type))
            fail("\"colorRange\"", QString("must be a colour range type 0..%1").arg(s_lastColorRangeType));
        properties.setContinuousColorRangeType(static_cast<std::int32_t>(type));
        properties.setDiscreteColorRangeType(static_cast<std::int32_t>(type));
    }
    // The scale spans the description's own limits, as for a variable with fixed bounds.
    const double min = root.contains("min") ? number(root.value("min"), "\"min\"") : 0.0;
    const double max = root.contains("max") ? number(root.value("max"), "\"max\"") : 1.0;
    if (min > max)
        fail("\"min\"", "is above \"max\"");
    properties.setAbsDefaultMin(min);
    properties.setAbsDefaultMax(max);
    properties.setMinMaxType(MinMaxType::Default);
    readLevels(root.value("levels"), properties);
    description.omittedColors = readOmitted(root.value("omit"));
    return description;
}
}  // namespace

std::string representationName(SkinInterpretType representation)
{
    for (const auto& [name, value] : s_representations)
        if (value == representation)
            return name.toStdString();
    return "Default";
}

std::optional<VariableDescription> readVariableDescription(const QString& path, std::string& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        error = path.toStdString() + ": cannot read: " + file.errorString().toStdString();
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
    {
        error = path.toStdString() + ": not JSON at character " + std::to_string(parseError.offset) + ": " +
                parseError.errorString().toStdString();
        return std::nullopt;
    }
    if (!document.isObject())
    {
        error = path.toStdString() + ": must hold one JSON object, the variable";
        return std::nullopt;
    }
    try
    {
        return describe(document.object());
    }
    catch (const DescriptionError& problem)
    {
        error = path.toStdString() + ": " + problem.message;
        return std::nullopt;
    }
}

}  // namespace QvConfig
}  // namespace Quarvane
