#pragma once

#include "Platform/Core/Business/ResultVariables/ResultVariableProperties.h"
#include "Platform/Core/Business/Skin/SkinInterpretType.h"

#include <QtCore/QString>

#include <memory>
#include <optional>
#include <set>
#include <string>

namespace Quarvane
{
namespace QvConfig
{

// A result variable as a small JSON file describes it, for drawing its colour scale without a
// result file (the format is in docs/examples/README.md):
//   {"name": "EDGE_CRACK", "displayName": "Edge crack", "unit": "",
//    "representation": "ElementFlat", "scaleType": "Discrete", "colorRange": 16,
//    "min": 0, "max": 3, "omit": [1],
//    "levels": [{"upTo": 1, "name": "safe", "color": [0, 0.8, 0]}, ..., {"name": "crack"}]}
struct VariableDescription
{
    std::string name;
    SkinInterpretType representation = SkinInterpretElementSmooth;
    std::set<int> omittedColors;
    std::shared_ptr<ResultVariableProperties> properties;
};

// The representation as the description names it ("ElementFlat").
std::string representationName(SkinInterpretType representation);

// Reads the description; nothing, with `error` naming the file and the place, for a file that
// cannot be read or holds something that is not a description.
std::optional<VariableDescription> readVariableDescription(const QString& path, std::string& error);

}  // namespace QvConfig
}  // namespace Quarvane
