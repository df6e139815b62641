#include "tools/qvconfig/JsonFormat.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QString>

#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
QString text(const std::string& value) { return QString::fromStdString(value); }

QJsonObject toJson(const ValueView& value)
{
    return QJsonObject{
        {QStringLiteral("key"), text(value.key)},
        {QStringLiteral("type"), text(value.type)},
        {QStringLiteral("value"), text(value.value)},
        {QStringLiteral("default"), text(value.defaultValue)},
        {QStringLiteral("editable"), value.editable},
        {QStringLiteral("visible"), value.visible},
        {QStringLiteral("description"), text(value.description)},
    };
}

QJsonArray toJson(const ListingView& listing)
{
    QJsonArray rows;
    for (const std::vector<std::string>& row : listing.rows)
    {
        QJsonObject entry;
        for (std::size_t column = 0; column < listing.fields.size() && column < row.size(); ++column)
            entry.insert(text(listing.fields[column]), text(row[column]));
        rows.append(entry);
    }
    return rows;
}

QJsonObject toJson(const ObjectView& object)
{
    QJsonArray values;
    for (const ValueView& value : object.values)
        values.append(toJson(value));
    QJsonArray objects;
    for (const ObjectView& child : object.objects)
        objects.append(toJson(child));
    QJsonObject json{
        {QStringLiteral("name"), text(object.name)},
        {QStringLiteral("editable"), object.editable},
        {QStringLiteral("values"), values},
        {QStringLiteral("objects"), objects},
    };
    if (object.listing)
        json.insert(QStringLiteral("listing"), toJson(*object.listing));
    return json;
}
}  // namespace

void writeJson(const ShowReport& report, std::ostream& out)
{
    QJsonArray groups;
    for (const ObjectView& group : report.groups)
        groups.append(toJson(group));
    const QJsonObject root{
        {QStringLiteral("product"), text(report.productName)},
        {QStringLiteral("groups"), groups},
    };
    out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace QvConfig
}  // namespace Quarvane
