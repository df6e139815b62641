#pragma once

#include "tools/qvconfig/ObjectView.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// The width text output fits unless --wide asks for everything.
constexpr int TextWidth = 100;

// A value as a person reads it on one line: strings in double quotes (so an empty or blank
// string is visible), control characters as escapes; other types as the file stores them.
std::string displayValue(const std::string& type, const std::string& text);

// The product, then one aligned table per group and nested object:
//   AutoSaveConfiguration (editable)
//     KEY               TYPE  VALUE  DEFAULT  EDITABLE  VISIBLE  DESCRIPTION
//     AutoSaveInterval  int   5      5        yes       no       The interval ...
// With `width` above 0 the last column (the description) is shortened with an ellipsis so that
// each line fits; with `origin` an ORIGIN column comes before it.
void writeText(const ShowReport& report, std::ostream& out, int width = TextWidth, bool origin = false);

// Rows as aligned columns, each line prefixed by `indent`; the first row is the header, and every
// row has its number of columns. With `width` above 0 the last column is shortened to fit it.
void writeTable(const std::vector<std::vector<std::string>>& rows, const std::string& indent, std::ostream& out,
                int width = 0);

}  // namespace QvConfig
}  // namespace Quarvane
