#pragma once

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorRGB.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace Quarvane
{

// Failures show the components rather than bytes.
inline void PrintTo(const ColorRGB& color, std::ostream* out)
{
    *out << "(" << color.red << ", " << color.green << ", " << color.blue << ")";
}

namespace Testing
{

// The order in which a colour group's signals fired, as one list: a colour type's number,
// "all" or "configuration".
struct SignalLog
{
    explicit SignalLog(ColorConfiguration& colors)
    {
        colors.signalColorChanged.connect(
            [this](ColorConfiguration::ColorTypes changed) { entries.push_back(std::to_string(changed)); });
        colors.signalAllColorsChanged.connect([this] { entries.push_back("all"); });
        colors.signalConfigurationChanged.connect([this] { entries.push_back("configuration"); });
    }
    std::vector<std::string> entries;
};

inline std::string colorXml(const std::string& key, const std::string& values, const std::string& attributes = {})
{
    return "<object class=\"ObjectColor\" name=\"" + key + "\"" + attributes + ">" + values + "</object>";
}

inline std::string floatXml(const std::string& key, const std::string& text)
{
    return "<value key=\"" + key + "\" type=\"float\">" + text + "</value>";
}

inline std::string rgbXml(const std::string& r, const std::string& g, const std::string& b)
{
    return floatXml("r", r) + floatXml("g", g) + floatXml("b", b);
}

inline std::string colorGroupXml(const std::string& colors, const std::string& attributes = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QuarvaneConfiguration version=\"1\">"
           "<object name=\"ColorConfiguration\"" +
           attributes + ">" + colors + "</object></QuarvaneConfiguration>\n";
}

// A folder for the files of one test.
class ConfigurationFiles
{
public:
    std::string write(const std::string& name, const std::string& content)
    {
        const QString path = m_folder.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(content));
        return path.toStdString();
    }
    std::string path(const std::string& name) const
    {
        return m_folder.filePath(QString::fromStdString(name)).toStdString();
    }

private:
    QTemporaryDir m_folder;
};

}  // namespace Testing
}  // namespace Quarvane
