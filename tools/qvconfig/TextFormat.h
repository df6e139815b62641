#pragma once

#include "tools/qvconfig/ObjectView.h"

#include <iosfwd>
#include <string>

namespace Quarvane
{
namespace QvConfig
{

// A value as a person reads it on one line: strings in double quotes (so an empty or blank
// string is visible), control characters as escapes; other types as the file stores them.
std::string displayValue(const std::string& type, const std::string& text);

// The product, then one aligned table per group and nested object:
//   AutoSaveConfiguration (editable)
//     KEY               TYPE  VALUE  DEFAULT  EDITABLE  VISIBLE  DESCRIPTION
//     AutoSaveInterval  int   5      5        yes       no       The interval ...
void writeText(const ShowReport& report, std::ostream& out);

}  // namespace QvConfig
}  // namespace Quarvane
