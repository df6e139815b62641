#pragma once

#include "QvconfigTestSupport.h"

#include <QtCore/QDir>
#include <QtCore/QProcess>

#include <climits>
#include <cmath>

namespace Quarvane
{
namespace QvconfigTesting
{

// Runs the installed-style executable in a folder of its own, as an administrator runs it: file
// names relative to that folder, no XDG_RUNTIME_DIR (as under sudo) and the default product.
class QvconfigProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QDir folder(m_folder.path());
        for (const QString& name : folder.entryList(QDir::Files | QDir::NoDotAndDotDot))
            folder.remove(name);
    }

    ToolRun qvconfig(const std::vector<std::string>& arguments) const
    {
        QStringList list;
        for (const std::string& argument : arguments)
            list << QString::fromStdString(argument);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_RUNTIME_DIR");
        environment.remove("QUARVANE_PRODUCT");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_folder.path());
        process.start(QV_QVCONFIG_EXECUTABLE, list);
        const bool finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return {finished ? process.exitCode() : -1, process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    void write(const std::string& name, const std::string& content) const
    {
        QFile file(m_folder.filePath(QString::fromStdString(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(content));
    }

    // The file's bytes; empty when there is none.
    std::string read(const std::string& name) const
    {
        QFile file(m_folder.filePath(QString::fromStdString(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QStringList folderEntries() const
    {
        return QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir m_folder;
};

// The subset of JSON Schema docs/qvconfig-json-schema.json uses: $ref into $defs, anyOf, const,
// enum, type, required, properties, additionalProperties false, items, minItems and maxItems.
inline void validate(const QJsonValue& value, const QJsonObject& schema, const QJsonObject& root, const QString& at,
                     QStringList& errors)
{
    if (schema.contains("$ref"))
        return validate(value, root["$defs"][schema["$ref"].toString().section('/', -1)].toObject(), root, at, errors);
    const QJsonArray anyOf = schema["anyOf"].toArray();
    if (!anyOf.isEmpty() && std::none_of(anyOf.begin(), anyOf.end(), [&](const QJsonValue& option) {
            QStringList optionErrors;
            validate(value, option.toObject(), root, at, optionErrors);
            return optionErrors.isEmpty();
        }))
        errors << at + ": matches no choice of anyOf";
    if ((schema.contains("const") && value != schema["const"]) ||
        (schema.contains("enum") && !schema["enum"].toArray().contains(value)))
        errors << at + ": not the constant or not one of the enum";
    const QJsonArray types = schema["type"].isArray() ? schema["type"].toArray() : QJsonArray{schema["type"]};
    const QString type = QStringList{"null", "boolean", "number", "string", "array", "object"}.value(value.type());
    const bool integer = value.isDouble() && std::floor(value.toDouble()) == value.toDouble();
    if (schema.contains("type") && !types.contains(type) && !(integer && types.contains("integer")))
        return void(errors << at + ": not of type " + QJsonDocument(types).toJson(QJsonDocument::Compact));
    const QJsonObject properties = schema["properties"].toObject(), object = value.toObject();
    for (const QJsonValue& required : schema["required"].toArray())
        if (!object.contains(required.toString()))
            errors << at + ": lacks " + required.toString();
    for (auto field = object.begin(); field != object.end(); ++field)
    {
        if (properties.contains(field.key()))
            validate(field.value(), properties[field.key()].toObject(), root, at + "/" + field.key(), errors);
        else if (schema["additionalProperties"] == QJsonValue(false))
            errors << at + ": has undocumented " + field.key();
    }
    const QJsonArray items = value.toArray();
    if (value.isArray() && (items.size() < schema["minItems"].toInt(0) || items.size() > schema["maxItems"].toInt(INT_MAX)))
        errors << at + ": too few or too many items";
    for (int index = 0; schema.contains("items") && index < items.size(); ++index)
        validate(items[index], schema["items"].toObject(), root, at + "/" + QString::number(index), errors);
}

inline QStringList schemaErrors(const QJsonObject& document, const QJsonObject& schema)
{
    QStringList errors;
    validate(document, schema, schema, "", errors);
    return errors;
}

}  // namespace QvconfigTesting
}  // namespace Quarvane
