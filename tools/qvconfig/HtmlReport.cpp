#include "tools/qvconfig/HtmlReport.h"

#include <QtCore/QString>

#include <algorithm>
#include <sstream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_style = R"(
body { font-family: "DejaVu Sans", sans-serif; font-size: 14px; margin: 24px; color: #111; }
h1 { font-size: 22px; } h2 { font-size: 18px; margin-top: 32px; border-bottom: 1px solid #346; color: #234; }
h3 { font-size: 15px; margin: 18px 0 6px; }
table { border-collapse: collapse; margin-bottom: 8px; }
th, td { border: 1px solid #bbb; padding: 3px 8px; text-align: left; vertical-align: top; }
th { background: #eef1f6; }
tr.changed td { background: #fff6d8; }
td.refused, li.refused { color: #a01010; }
.locked { color: #a01010; font-weight: bold; }
.summary li { margin: 2px 0; }
summary { cursor: pointer; color: #234; margin: 4px 0; }
pre { background: #f6f6f6; padding: 8px; border: 1px solid #ddd; }
img { border: 1px solid #ccc; max-width: 100%; }
)";

// Counts what the summary says.
struct Totals
{
    int changed = 0;
    int fromSite = 0;
    int fromUser = 0;
    int locked = 0;
    int refused = 0;
};

std::string escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "<br>") + escaped(line);
    return text;
}

bool differs(const ValueView& value)
{
    return value.value != value.defaultValue;
}

bool groupChanged(const ObjectView& object)
{
    if (std::any_of(object.values.begin(), object.values.end(), differs))
        return true;
    if (object.listing)
    {
        const int column = listingValueColumn(*object.listing);
        const auto defaultColumn = std::find(object.listing->fields.begin(), object.listing->fields.end(), "default");
        if (column >= 0 && defaultColumn != object.listing->fields.end())
        {
            const auto defaults = static_cast<std::size_t>(defaultColumn - object.listing->fields.begin());
            for (const auto& row : object.listing->rows)
                if (row[static_cast<std::size_t>(column)] != row[defaults])
                    return true;
        }
    }
    return std::any_of(object.objects.begin(), object.objects.end(), groupChanged);
}

class ReportWriter
{
public:
    explicit ReportWriter(const ReportContent& content) : m_content(content) {}

    std::string write()
    {
        std::ostringstream body;
        for (const ObjectView& group : orderedGroups())
            writeObject(group, body, 3);
        m_out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
              << "<title>Presentation configuration report</title>\n<style>" << s_style << "</style>\n</head>\n<body>\n"
              << "<h1>Presentation configuration report</h1>\n";
        writeOverview();
        writeLoadProblems();
        m_out << "<h2 id=\"groups\">Groups and values</h2>\n"
              << "<p>Changed groups come first, and in each group the values that differ from their default "
                 "(highlighted). FROM says what set a value: the default, a site (system) file or the user file.</p>\n"
              << body.str();
        writeFindings();
        writePicture("colors", "Object colours", m_content.colorsPng);
        writePicture("ranges", "Colour ranges catalogue", m_content.rangesPng);
        // Tells the reader (and a test) whether the embedded pictures decoded.
        m_out << "<script>\nwindow.addEventListener('load', function () {\n"
                 "  var pictures = document.images, loaded = 0;\n"
                 "  for (var i = 0; i < pictures.length; ++i) if (pictures[i].naturalWidth > 0) ++loaded;\n"
                 "  document.body.setAttribute('data-pictures-loaded', loaded + ' of ' + pictures.length);\n"
                 "});\n</script>\n</body>\n</html>\n";
        return m_out.str();
    }

private:
    std::vector<ObjectView> orderedGroups() const
    {
        std::vector<ObjectView> groups = m_content.groups;
        std::stable_partition(groups.begin(), groups.end(), groupChanged);
        return groups;
    }

    void writeOverview()
    {
        m_out << "<ul class=\"summary\">\n<li>Product: <b>" << escaped(m_content.product) << "</b></li>\n";
        if (m_content.files.systemFiles.empty())
            m_out << "<li>Site (system) files: none</li>\n";
        for (const std::string& file : m_content.files.systemFiles)
            m_out << "<li>Site (system) file: <code>" << escaped(file) << "</code></li>\n";
        m_out << "<li>User file: "
              << (m_content.files.userFile.empty() ? "none" : "<code>" + escaped(m_content.files.userFile) + "</code>")
              << "</li>\n<li>" << m_totals.changed << " values differ from their default (" << m_totals.fromSite
              << " set by a site file, " << m_totals.fromUser << " by the user file); " << m_totals.locked
              << " locked; " << m_totals.refused << " refused.</li>\n</ul>\n";
    }

    void writeLoadProblems()
    {
        m_out << "<h2 id=\"problems\">Refused and repaired values</h2>\n";
        if (m_content.loaded.errors.empty() && m_content.loaded.warnings.empty())
        {
            m_out << "<p>Every file loaded cleanly.</p>\n";
            return;
        }
        m_out << "<ul>\n";
        for (const std::string& error : m_content.loaded.errors)
            m_out << "<li class=\"refused\">error: " << escaped(error) << "</li>\n";
        for (const std::string& warning : m_content.loaded.warnings)
            m_out << "<li class=\"refused\">" << escaped(warning) << "</li>\n";
        m_out << "</ul>\n";
    }

    void writeObject(const ObjectView& object, std::ostream& out, int level)
    {
        out << "<section class=\"group\" data-group=\"" << escaped(object.path) << "\">\n<h" << level << ">"
            << escaped(object.path) << (object.editable ? "" : " <span class=\"locked\">(locked)</span>") << "</h"
            << level << ">\n";
        if (!object.values.empty())
            writeValues(object, out);
        if (object.listing)
            writeListing(object, out);
        for (const ObjectView& child : object.objects)
            writeObject(child, out, std::min(level + 1, 6));
        out << "</section>\n";
    }

    void writeValues(const ObjectView& object, std::ostream& out)
    {
        std::vector<ValueView> values = object.values;
        std::stable_partition(values.begin(), values.end(), differs);
        out << "<table>\n<tr><th>KEY</th><th>TYPE</th><th>VALUE</th><th>DEFAULT</th><th>FROM</th><th>LOCKED</th>"
               "<th>REFUSED</th></tr>\n";
        for (const ValueView& value : values)
        {
            const std::string origin = m_content.loaded.originOf(object.path, value.key, value.value, value.defaultValue);
            const std::vector<std::string> refusals = m_content.loaded.refusalsOf(object.path, value.key);
            count(origin, value.editable, !refusals.empty());
            const std::string refused = joined(refusals);
            out << "<tr" << (differs(value) ? " class=\"changed\"" : "") << "><td>" << escaped(value.key)
                << "</td><td>" << escaped(value.type) << "</td><td>" << escaped(value.value) << "</td><td>"
                << escaped(value.defaultValue) << "</td><td>" << origin << "</td><td>"
                << (value.editable ? "no" : "<span class=\"locked\">yes</span>") << "</td><td class=\"refused\">"
                << refused << "</td></tr>\n";
        }
        out << "</table>\n";
    }

    // A class view's table (the colours): the changed rows, then the rest folded away, since a
    // long table of defaults hides what matters. The float columns repeat the bytes and are left out.
    void writeListing(const ObjectView& object, std::ostream& out)
    {
        const ListingView& listing = *object.listing;
        const auto column = [&listing](const std::string& field) {
            const auto found = std::find(listing.fields.begin(), listing.fields.end(), field);
            return found == listing.fields.end() ? -1 : static_cast<int>(found - listing.fields.begin());
        };
        const int valueColumn = column("value");
        const int defaultColumn = column("default");
        const int editableColumn = column("editable");
        const auto cell = [](const std::vector<std::string>& row, int index) {
            return index < 0 ? std::string() : row[static_cast<std::size_t>(index)];
        };
        std::vector<std::size_t> shown;
        for (std::size_t i = 0; i < listing.fields.size(); ++i)
            if (!QString::fromStdString(listing.fields[i]).endsWith("Float"))
                shown.push_back(i);
        std::vector<std::vector<std::string>> changed;
        std::vector<std::vector<std::string>> unchanged;
        for (const std::vector<std::string>& row : listing.rows)
            (cell(row, valueColumn) != cell(row, defaultColumn) ? changed : unchanged).push_back(row);

        const auto table = [&](const std::vector<std::vector<std::string>>& rows, bool highlighted) {
            out << "<table>\n<tr>";
            for (const std::size_t i : shown)
                out << "<th>" << escaped(listing.headers[i]) << "</th>";
            out << "<th>FROM</th><th>REFUSED</th></tr>\n";
            for (const std::vector<std::string>& row : rows)
            {
                const std::string origin = m_content.loaded.originOf(object.path, row.front(), cell(row, valueColumn),
                                                                     cell(row, defaultColumn));
                const std::vector<std::string> refusals = m_content.loaded.refusalsOf(object.path, row.front());
                count(origin, cell(row, editableColumn) != "no", !refusals.empty());
                out << "<tr" << (highlighted ? " class=\"changed\"" : "") << ">";
                for (const std::size_t i : shown)
                    out << "<td>" << escaped(row[i]) << "</td>";
                out << "<td>" << origin << "</td><td class=\"refused\">" << joined(refusals) << "</td></tr>\n";
            }
            out << "</table>\n";
        };
        if (!changed.empty())
            table(changed, true);
        if (!unchanged.empty())
        {
            out << "<details><summary>" << unchanged.size() << (changed.empty() ? "" : " more")
                << " at their default</summary>\n";
            table(unchanged, false);
            out << "</details>\n";
        }
    }

    void count(const std::string& origin, bool editable, bool refused)
    {
        m_totals.changed += origin != "default" ? 1 : 0;
        m_totals.fromSite += origin == "site file" ? 1 : 0;
        m_totals.fromUser += origin == "user file" ? 1 : 0;
        m_totals.locked += editable ? 0 : 1;
        m_totals.refused += refused ? 1 : 0;
    }

    void writeFindings()
    {
        m_out << "<h2 id=\"findings\">Findings of the file check</h2>\n";
        if (m_content.findings.empty())
            m_out << "<p>No files were given.</p>\n";
        for (const FileFindings& findings : m_content.findings)
            m_out << "<h3><code>" << escaped(findings.file) << "</code></h3>\n<pre>" << escaped(findings.text)
                  << "</pre>\n";
    }

    void writePicture(const std::string& id, const std::string& title, const QByteArray& png)
    {
        m_out << "<h2 id=\"" << id << "\">" << title << "</h2>\n";
        if (png.isEmpty())
            m_out << "<p class=\"refused\">The picture could not be made.</p>\n";
        else
            m_out << "<img alt=\"" << title << "\" src=\"data:image/png;base64," << png.toBase64().toStdString()
                  << "\">\n";
    }

    const ReportContent& m_content;
    Totals m_totals;
    std::ostringstream m_out;
};
}  // namespace

std::string reportHtml(const ReportContent& content)
{
    return ReportWriter(content).write();
}

}  // namespace QvConfig
}  // namespace Quarvane
