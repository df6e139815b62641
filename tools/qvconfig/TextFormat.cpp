#include "tools/qvconfig/TextFormat.h"

#include <algorithm>
#include <vector>
#include <cstdio>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
using Row = std::vector<std::string>;

const Row s_header{"KEY", "TYPE", "VALUE", "DEFAULT", "EDITABLE", "VISIBLE", "DESCRIPTION"};
const char* const s_ellipsis = "\u2026";
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

Row rowFor(const ValueView& value, bool origin)
{
    Row row{value.key,       value.type,          displayValue(value.type, value.value),
            displayValue(value.type, value.defaultValue), yesNo(value.editable), yesNo(value.visible),
            escapeControls(value.description, false)};
    if (origin)
        row.insert(row.end() - 1, value.origin);
    return row;
}

// The first `count` characters of UTF-8 `text`.
std::string leftCharacters(const std::string& text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end)
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && seen++ == count)
            break;
    return text.substr(0, end);
}

// The last cell cut to what is left of `width`, its end an ellipsis; never below a few characters,
// so that a very wide table stays readable rather than fitting.
std::string shortened(const std::string& cell, std::size_t used, int width)
{
    const std::size_t room = std::max<std::size_t>(12, static_cast<std::size_t>(width) > used ? width - used : 0);
    if (width <= 0 || displayWidth(cell) <= room)
        return cell;
    std::string cut = leftCharacters(cell, room - 1);
    cut.erase(cut.find_last_not_of(' ') + 1);
    return cut + s_ellipsis;
}

void writeRow(const Row& row, const std::vector<std::size_t>& widths, const std::string& indent, int width,
              std::ostream& out)
{
    std::string line = indent;
    for (std::size_t column = 0; column < row.size(); ++column)
    {
        if (column + 1 == row.size())
        {
            line += shortened(row[column], displayWidth(line), width);
            break;
        }
        line += row[column] + std::string(widths[column] - displayWidth(row[column]), ' ') + s_columnGap;
    }
    // A last column that is empty would leave the padding of the columns before it.
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

// The header first; every row has the header's number of columns.
void writeAligned(const std::vector<Row>& rows, const std::string& indent, std::ostream& out, int width = 0)
{
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const Row& row : rows)
        for (std::size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], displayWidth(row[column]));
    for (const Row& row : rows)
        writeRow(row, widths, indent, width, out);
}

struct TextOptions
{
    int width = TextWidth;
    bool origin = false;
};

void writeValues(const std::vector<ValueView>& values, const std::string& indent, const TextOptions& options,
                 std::ostream& out)
{
    Row header = s_header;
    if (options.origin)
        header.insert(header.end() - 1, "ORIGIN");
    std::vector<Row> rows{header};
    for (const ValueView& value : values)
        rows.push_back(rowFor(value, options.origin));
    writeAligned(rows, indent, out, options.width);
}

void writeListing(const ListingView& listing, const std::string& indent, int width, std::ostream& out)
{
    std::vector<Row> rows{listing.headers};
    for (const Row& row : listing.rows)
    {
        Row escaped;
        for (const std::string& cell : row)
            escaped.push_back(escapeControls(cell, false));
        rows.push_back(escaped);
    }
    writeAligned(rows, indent, out, width);
}

void writeObject(const ObjectView& object, const std::string& indent, const TextOptions& options, std::ostream& out)
{
    out << indent << object.path << (object.editable ? " (editable)" : " (locked)") << '\n';
    const std::string inner = indent + s_indentStep;
    if (!object.values.empty())
        writeValues(object.values, inner, options, out);
    else if (!object.listing)
        out << inner << "(no values)\n";
    if (object.listing)
        writeListing(*object.listing, inner, options.width, out);
    for (const ObjectView& child : object.objects)
    {
        out << '\n';
        writeObject(child, inner, options, out);
    }
}
}  // namespace

std::string displayValue(const std::string& type, const std::string& text)
{
    return type == "string" ? "\"" + escapeControls(text, true) + "\"" : escapeControls(text, false);
}

void writeText(const ShowReport& report, std::ostream& out, int width, bool origin)
{
    out << "Product: " << describeProduct(report.product) << '\n';
    for (const ObjectView& group : report.groups)
    {
        out << '\n';
        writeObject(group, "", {width, origin}, out);
    }
}

void writeTable(const std::vector<std::vector<std::string>>& rows, const std::string& indent, std::ostream& out,
                int width)
{
    if (!rows.empty())
        writeAligned(rows, indent, out, width);
}

}  // namespace QvConfig
}  // namespace Quarvane
