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

QJsonObject toJson(const ObjectView& object)
{
    QJsonArray values;
    for (const ValueView& value : object.values)
        values.append(toJson(value));
    QJsonArray objects;
    for (const ObjectView& child : object.objects)
        objects.append(toJson(child));
    return QJsonObject{
        {QStringLiteral("name"), text(object.name)},
        {QStringLiteral("editable"), object.editable},
        {QStringLiteral("values"), values},
        {QStringLiteral("objects"), objects},
    };
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
