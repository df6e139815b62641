#pragma once

#include "tools/qvconfig/Qvconfig.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvconfigTesting
{

struct ToolRun
{
    int status = -1;
    std::string out;
    std::string err;
    QJsonDocument json() const { return QJsonDocument::fromJson(QByteArray::fromStdString(out)); }
};

inline ToolRun runTool(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = QvConfig::run(arguments, out, err);
    return {status, out.str(), err.str()};
}

inline std::string configurationXml(const std::string& objects)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QuarvaneConfiguration version=\"1\">\n" + objects +
           "</QuarvaneConfiguration>\n";
}

inline std::string object(const std::string& name, const std::string& values, const std::string& attributes = {})
{
    return "<object name=\"" + name + "\"" + attributes + ">" + values + "</object>\n";
}

inline std::string autoSave(const std::string& values, const std::string& attributes = {})
{
    return object("AutoSaveConfiguration", values, attributes);
}

inline std::string intValue(const std::string& key, const std::string& text, const std::string& attributes = {})
{
    return "<value key=\"" + key + "\" type=\"int\"" + attributes + ">" + text + "</value>";
}

// The group, or one of its values, in the JSON output of "show"; empty when absent.
inline QJsonObject jsonGroup(const QJsonDocument& document, const QString& group)
{
    for (const QJsonValue& candidate : document.object().value("groups").toArray())
        if (candidate.toObject().value("name").toString() == group)
            return candidate.toObject();
    return {};
}

inline QJsonObject jsonValue(const QJsonDocument& document, const QString& group, const QString& key)
{
    for (const QJsonValue& value : jsonGroup(document, group).value("values").toArray())
        if (value.toObject().value("key").toString() == key)
            return value.toObject();
    return {};
}

// The words of the text output line that starts with `key`: KEY TYPE VALUE DEFAULT EDITABLE VISIBLE ...
inline std::vector<std::string> textRow(const std::string& output, const std::string& key)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
    {
        std::istringstream words(line);
        std::vector<std::string> row;
        for (std::string word; words >> word;)
            row.push_back(word);
        if (!row.empty() && row.front() == key)
            return row;
    }
    return {};
}

// Leaves the running product and the registered groups as it found them, and gives each test a
// folder for its configuration files.
class QvconfigTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    void TearDown() override
    {
        BuildInformation::setProductType(m_product);
        ConfigurationManager& manager = ConfigurationManager::getInstance();
        manager.loadConfiguration({}, "");
        for (const std::string& name : manager.getConfigurationObjectNames())
            reset(*manager.getConfigurationObject(name));
    }

    // A locked group ignores every later load, so a lock left behind would decide later tests.
    // The locks go first: restoring the defaults afterwards brings back the flags a group has by
    // default (a colour that is never editable, for one).
    static void reset(ConfigurationObject& object)
    {
        unlock(object);
        restoreDefaults(object);
    }

    static void unlock(ConfigurationObject& object)
    {
        object.setEditable(true);
        for (const auto& value : object.getConfigurationValues())
            value->setEditable(true);
        for (const auto& child : object.getConfigurationObjects())
            unlock(*child);
    }

    static void restoreDefaults(ConfigurationObject& object)
    {
        object.setDefaultValues();
        for (const auto& child : object.getConfigurationObjects())
            restoreDefaults(*child);
    }

    std::string writeFile(const std::string& name, const std::string& content)
    {
        const QString path = m_folder.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(content));
        return path.toStdString();
    }

private:
    QTemporaryDir m_folder;
    ProductType m_product = BuildInformation::getProductType();
};

}  // namespace QvconfigTesting
}  // namespace Quarvane
