#pragma once

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvconfigTesting
{

struct ProcessRun
{
    int status = -1;
    std::string out;
    std::string err;
};

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

    ProcessRun qvconfig(const std::vector<std::string>& arguments) const
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

// `text` is `pattern`, where a leading or trailing "..." stands for any text.
inline bool matches(const std::string& text, std::string pattern)
{
    const bool anyStart = pattern.rfind("...", 0) == 0;
    if (anyStart)
        pattern.erase(0, 3);
    const bool anyEnd = pattern.size() >= 3 && pattern.compare(pattern.size() - 3, 3, "...") == 0;
    if (anyEnd)
        pattern.resize(pattern.size() - 3);
    if (anyStart && anyEnd)
        return text.find(pattern) != std::string::npos;
    if (pattern.size() > text.size())
        return false;
    return anyStart ? text.compare(text.size() - pattern.size(), pattern.size(), pattern) == 0
                    : anyEnd ? text.compare(0, pattern.size(), pattern) == 0 : text == pattern;
}

inline QJsonObject loadSchema()
{
    QFile file(QV_JSON_SCHEMA);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

inline bool hasType(const QJsonValue& value, const QString& type)
{
    if (type == "integer")
        return value.isDouble() && std::floor(value.toDouble()) == value.toDouble();
    return (type == "number" && value.isDouble()) || (type == "string" && value.isString()) ||
           (type == "boolean" && value.isBool()) || (type == "null" && value.isNull()) ||
           (type == "object" && value.isObject()) || (type == "array" && value.isArray());
}

// The subset of JSON Schema docs/qvconfig-json-schema.json uses: $ref into $defs, anyOf, const,
// enum, type, required, properties, additionalProperties false, items, minItems and maxItems.
inline void validate(const QJsonValue& value, const QJsonObject& schema, const QJsonObject& root, const QString& at,
                     QStringList& errors)
{
    if (schema.contains("$ref"))
    {
        const QString name = schema.value("$ref").toString().section('/', -1);
        return validate(value, root.value("$defs").toObject().value(name).toObject(), root, at, errors);
    }
    if (schema.contains("anyOf"))
    {
        bool any = false;
        for (const QJsonValue& option : schema.value("anyOf").toArray())
        {
            QStringList optionErrors;
            validate(value, option.toObject(), root, at, optionErrors);
            any = any || optionErrors.isEmpty();
        }
        if (!any)
            errors << at + ": matches no choice of anyOf";
    }
    if (schema.contains("const") && value != schema.value("const"))
        errors << at + ": not " + QJsonDocument(QJsonArray{schema.value("const")}).toJson(QJsonDocument::Compact);
    if (schema.contains("enum") && !schema.value("enum").toArray().contains(value))
        errors << at + ": not one of the enum";
    if (schema.contains("type"))
    {
        const QJsonValue type = schema.value("type");
        const QJsonArray types = type.isArray() ? type.toArray() : QJsonArray{type};
        if (std::none_of(types.begin(), types.end(), [&](const QJsonValue& t) { return hasType(value, t.toString()); }))
            return void(errors << at + ": not of type " + QJsonDocument(types).toJson(QJsonDocument::Compact));
    }
    const QJsonObject properties = schema.value("properties").toObject();
    const QJsonObject object = value.toObject();
    for (const QJsonValue& required : schema.value("required").toArray())
        if (!object.contains(required.toString()))
            errors << at + ": lacks " + required.toString();
    for (auto field = object.begin(); value.isObject() && field != object.end(); ++field)
    {
        if (properties.contains(field.key()))
            validate(field.value(), properties.value(field.key()).toObject(), root, at + "/" + field.key(), errors);
        else if (schema.value("additionalProperties") == QJsonValue(false))
            errors << at + ": has undocumented " + field.key();
    }
    const QJsonArray items = value.toArray();
    if (value.isArray() && schema.contains("minItems") && items.size() < schema.value("minItems").toInt())
        errors << at + ": too few items";
    if (value.isArray() && schema.contains("maxItems") && items.size() > schema.value("maxItems").toInt())
        errors << at + ": too many items";
    for (int index = 0; value.isArray() && schema.contains("items") && index < items.size(); ++index)
        validate(items[index], schema.value("items").toObject(), root, at + "/" + QString::number(index), errors);
}

inline QStringList schemaErrors(const QJsonObject& document, const QJsonObject& schema)
{
    QStringList errors;
    validate(document, schema, schema, "", errors);
    return errors;
}

}  // namespace QvconfigTesting
}  // namespace Quarvane
