#pragma once

#include "tools/qvconfig/Qvconfig.h"

#include "tests/Platform/Core/Presentation/Configuration/GroupTestSupport.h"

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

using Testing::configurationXml;
using Testing::storedColor;
using Testing::storedObject;
using Testing::storedValue;

// A value in the JSON output of "show"; empty when absent.
inline QJsonObject jsonValue(const QJsonDocument& document, const QString& group, const QString& key)
{
    for (const QJsonValue& candidate : document.object().value("groups").toArray())
        for (const QJsonValue& value : candidate.toObject().value("values").toArray())
            if (candidate.toObject().value("name").toString() == group && value.toObject().value("key").toString() == key)
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

// Leaves the running product as it found it, gives each test a configuration manager of its own
// (the tool registers fresh groups with it) and a folder for its configuration files.
class QvconfigTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }
    void TearDown() override { BuildInformation::setProductType(m_product); }

    std::string writeFile(const std::string& name, const std::string& content)
    {
        const QString path = m_folder.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(content));
        return path.toStdString();
    }

private:
    ConfigurationManager::ScopedInstance m_configuration;
    QTemporaryDir m_folder;
    ProductType m_product = BuildInformation::getProductType();
};

}  // namespace QvconfigTesting
}  // namespace Quarvane
