#include "tools/qvconfig/JsonFormat.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QString>

#include <cmath>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
QString text(const std::string& value) { return QString::fromStdString(value); }

}  // namespace

QJsonValue toJson(const ColorRGB& colour)
{
    QJsonArray bytes;
    for (const int byte : colourBytes(colour))
        bytes.append(byte < 0 ? QJsonValue() : QJsonValue(byte));
    QJsonArray rgb;
    for (const float component : {colour.red, colour.green, colour.blue})
    {
        // The float's shortest text read back as a double: 0.8, not 0.800000011920929.
        double shortest = 0.0;
        ConfigValueText::parse(ConfigValueText::format(component), shortest);
        rgb.append(std::isfinite(component) ? QJsonValue(shortest) : QJsonValue());
    }
    return QJsonObject{{"rgb", rgb}, {"bytes", bytes}};
}

namespace
{

// The stored text typed: JSON has no NaN or infinity, so those stay the file's text.
QJsonValue typedJson(const ValueRecord& record, const std::string& stored, const ColorRGB& colour)
{
    if (record.isColour())
        return toJson(colour);
    if (record.type == "bool")
        return stored == "true";
    double number = 0.0;
    if (record.type != "string" && ConfigValueText::parse(stored, number) && std::isfinite(number))
        return number;
    return text(stored);
}

QJsonValue ruleJson(const ValueRule& rule)
{
    if (rule.isRange())
        return QJsonObject{{"range", QJsonArray{rule.getLow(), rule.getHigh()}}};
    if (!rule.isChoice())
        return QJsonValue();
    QJsonArray choices;
    for (const ValueRule::Choice& choice : rule.getChoices())
        choices.append(QJsonObject{{"value", static_cast<double>(choice.number)}, {"name", text(choice.name)}});
    return QJsonObject{{"choices", choices}};
}

QJsonObject originJson(const ValueRecord& record)
{
    static const char* const sources[] = {"default", "system", "user"};
    QJsonObject origin{{"source", sources[static_cast<int>(record.origin.source)]}};
    if (record.origin.source != ValueOrigin::Source::Default)
    {
        origin.insert("file", text(record.origin.file));
        origin.insert("line", static_cast<double>(record.origin.line));
    }
    if (!record.lockedAt.empty())
        origin.insert("lockedAt", text(record.lockedAt));
    return origin;
}

QJsonArray productsJson(ProductType products)
{
    QJsonArray names;
    for (ProductType product = 1; product <= Products::All; product <<= 1)
        if ((products & product) != 0)
            names.append(text(BuildInformation::productName(product)));
    return names;
}
}  // namespace

QJsonObject toJson(const ValueRecord& record)
{
    return QJsonObject{
        {"name", text(record.name())},
        {"path", text(record.path)},
        {"key", text(record.key)},
        {"type", text(record.type)},
        {"value", typedJson(record, record.text, record.colour)},
        {"default", typedJson(record, record.defaultText, record.defaultColour)},
        {"secret", record.secret},
        {"editable", record.editable},
        {"visible", record.visible},
        {"persistence", text(persistenceName(record.persistence))},
        {"products", productsJson(record.products)},
        {"rule", ruleJson(record.rule)},
        {"origin", originJson(record)},
        {"description", text(record.description)},
    };
}

QJsonArray toJson(const std::vector<ConfigurationFinding>& findings)
{
    QJsonArray array;
    for (const ConfigurationFinding& finding : findings)
        array.append(QJsonObject{
            {"severity", finding.severity == ConfigurationFinding::Severity::Error ? "error" : "warning"},
            {"file", text(finding.file)},
            {"line", static_cast<double>(finding.line)},
            {"column", static_cast<double>(finding.column)},
            {"group", text(finding.group)},
            {"key", text(finding.key)},
            {"message", text(finding.message)},
        });
    return array;
}

void writeShowJson(const std::string& productName, const std::vector<JsonGroup>& groups,
                   const std::vector<ConfigurationFinding>& findings, std::ostream& out)
{
    QJsonArray groupArray;
    for (const JsonGroup& group : groups)
    {
        QJsonArray values;
        for (const ValueRecord& record : group.values)
            values.append(toJson(record));
        groupArray.append(QJsonObject{{"name", text(group.name)}, {"editable", group.editable}, {"values", values}});
    }
    writeJsonDocument({{"product", text(productName)}, {"groups", groupArray}, {"findings", toJson(findings)}}, out);
}

void writeJsonDocument(QJsonObject body, std::ostream& out)
{
    body.insert("format", JsonFormatVersion);
    out << QJsonDocument(body).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace QvConfig
}  // namespace Quarvane
