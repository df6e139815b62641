#include "tools/qvconfig/TextFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
constexpr std::size_t s_columnCount = 7;
using Row = std::array<std::string, s_columnCount>;

const Row s_header{"KEY", "TYPE", "VALUE", "DEFAULT", "EDITABLE", "VISIBLE", "DESCRIPTION"};
const char* const s_columnGap = "  ";
const char* const s_indentStep = "  ";

// A multi-line text would break the table; escaping keeps one value on one line.
std::string escapeControls(const std::string& text, bool escapeQuotes)
{
    std::string escaped;
    for (const char character : text)
    {
        const auto code = static_cast<unsigned char>(character);
        if (character == '\n')
            escaped += "\\n";
        else if (character == '\t')
            escaped += "\\t";
        else if (character == '\r')
            escaped += "\\r";
        else if (escapeQuotes && (character == '"' || character == '\\'))
            escaped += std::string{'\\', character};
        else if (code < 0x20 || code == 0x7f)
        {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", code);
            escaped += hex;
        }
        else
            escaped += character;
    }
    return escaped;
}

// Columns are padded by characters, not bytes, so UTF-8 text stays aligned.
std::size_t displayWidth(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

const char* yesNo(bool flag) { return flag ? "yes" : "no"; }

Row rowFor(const ValueView& value)
{
    return {value.key,       value.type,          displayValue(value.type, value.value),
            displayValue(value.type, value.defaultValue), yesNo(value.editable), yesNo(value.visible),
            escapeControls(value.description, false)};
}

void writeRow(const Row& row, const std::array<std::size_t, s_columnCount>& widths, const std::string& indent,
              std::ostream& out)
{
    std::string line = indent;
    for (std::size_t column = 0; column < s_columnCount; ++column)
    {
        line += row[column];
        if (column + 1 < s_columnCount)
            line += std::string(widths[column] - displayWidth(row[column]), ' ') + s_columnGap;
    }
    // A value with no description would leave the padding of the columns before it.
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

void writeTable(const std::vector<ValueView>& values, const std::string& indent, std::ostream& out)
{
    if (values.empty())
    {
        out << indent << "(no values)\n";
        return;
    }
    std::vector<Row> rows{s_header};
    for (const ValueView& value : values)
        rows.push_back(rowFor(value));
    std::array<std::size_t, s_columnCount> widths{};
    for (const Row& row : rows)
        for (std::size_t column = 0; column < s_columnCount; ++column)
            widths[column] = std::max(widths[column], displayWidth(row[column]));
    for (const Row& row : rows)
        writeRow(row, widths, indent, out);
}

void writeObject(const ObjectView& object, const std::string& indent, std::ostream& out)
{
    out << indent << object.path << (object.editable ? " (editable)" : " (locked)") << '\n';
    const std::string inner = indent + s_indentStep;
    writeTable(object.values, inner, out);
    for (const ObjectView& child : object.objects)
    {
        out << '\n';
        writeObject(child, inner, out);
    }
}
}  // namespace

std::string displayValue(const std::string& type, const std::string& text)
{
    return type == "string" ? "\"" + escapeControls(text, true) + "\"" : escapeControls(text, false);
}

void writeText(const ShowReport& report, std::ostream& out)
{
    out << "Product: " << describeProduct(report.product) << '\n';
    for (const ObjectView& group : report.groups)
    {
        out << '\n';
        writeObject(group, "", out);
    }
}

}  // namespace QvConfig
}  // namespace Quarvane
