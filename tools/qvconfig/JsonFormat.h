#pragma once

#include "tools/qvconfig/ValueRecord.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>

#include <iosfwd>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// The JSON output of every command shares one versioned shape (docs/qvconfig-json-schema.json):
// {"format": 1, ...}; values typed (numbers, booleans, strings, colours as {"rgb", "bytes"}),
// each with its persistence, products, rule and origin; findings as an array of places.
constexpr int JsonFormatVersion = 1;

QJsonObject toJson(const ValueRecord& record);
// {"rgb": [r, g, b], "bytes": [R, G, B]}; null for a component that has no byte or float.
QJsonValue toJson(const ColorRGB& colour);
QJsonArray toJson(const std::vector<ConfigurationFinding>& findings);

// One group of "show": its name, whether it is locked, and its values (those of the objects
// inside it included, each naming its path).
struct JsonGroup
{
    std::string name;
    bool editable = true;
    std::vector<ValueRecord> values;
};

// {"format": 1, "product": NAME, "groups": [...], "findings": [...]}.
void writeShowJson(const std::string& productName, const std::vector<JsonGroup>& groups,
                   const std::vector<ConfigurationFinding>& findings, std::ostream& out);
// `body` with "format" added, indented, on `out`.
void writeJsonDocument(QJsonObject body, std::ostream& out);

}  // namespace QvConfig
}  // namespace Quarvane
