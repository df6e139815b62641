#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <sys/stat.h>

#include <string>

namespace Quarvane::Testing
{

// A group with one value of every type, a run-time value and an administrator value.
class SampleGroup : public ConfigurationObject
{
public:
    explicit SampleGroup(const std::string& name = "SampleGroup") : ConfigurationObject(name, "", 0, 63)
    {
        addConfigurationValue(new ConfigurationValue<int>("Count", "a count", 5, 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<unsigned int>("Mask", "a mask", 7u, 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<bool>("Enabled", "a switch", false, 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<double>("Factor", "a factor", 0.5, 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<std::string>("Path", "a path", "C:\\Data", 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<int>("Session", "run-time only", 1, 1, 1, 63));
        addConfigurationValue(new ConfigurationValue<std::string>("Server", "site-wide", "srv", 0, 3, 63));
    }
    ConfigurationObject* createConfigurationObject() const override { return new SampleGroup(getName()); }
    ConfigurationObject* clone() const override { return new SampleGroup(*this); }

    template <class T>
    ConfigurationValue<T>& value(const std::string& key)
    {
        return dynamic_cast<ConfigurationValue<T>&>(*getConfigurationValue(key));
    }

    int loads = 0;
    int emissions = 0;
    void loadContent(ConfigReader& reader) override
    {
        ++loads;
        ConfigurationObject::loadContent(reader);
    }
    void emitSignalsAfterConfigLoading() override { ++emissions; }
};

// A float triple saved as a nested object, the way colours are stored.
class SampleColor : public ConfigurationObject
{
public:
    SampleColor(const std::string& name, float r, float g, float b)
        : ConfigurationObject(name, "", 0, 63), r(r), g(g), b(b)
    {
    }
    ConfigurationObject* createConfigurationObject() const override { return new SampleColor(getName(), 1, 0, 0); }
    ConfigurationObject* clone() const override { return new SampleColor(*this); }
    void loadContent(ConfigReader& reader) override
    {
        float rr = r, gg = g, bb = b;
        bool objectEditable = true, re = true, ge = true, be = true;
        const int status = reader.readEditable(objectEditable) | reader.readFloat("r", rr, re) |
                           reader.readFloat("g", gg, ge) | reader.readFloat("b", bb, be);
        setEditable(objectEditable && re && ge && be);
        if (status == ConfigReader::Found)
        {
            r = rr;
            g = gg;
            b = bb;
        }
    }
    void saveContent(ConfigWriter& writer) const override
    {
        writer.putFloat("r", r, "");
        writer.putFloat("g", g, "");
        writer.putFloat("b", b, "");
    }
    float r, g, b;
};

// A group whose children are stored as nested "SampleColor" objects.
class SamplePalette : public ConfigurationObject
{
public:
    SamplePalette() : ConfigurationObject("SamplePalette", "", 0, 63)
    {
        addConfigurationValue(new ConfigurationValue<int>("Version", "", 1, 0, 0, 63));
        addConfigurationObject(new SampleColor("Background", 0.1f, 0.2f, 0.3f));
        addConfigurationObject(new SampleColor("Highlight", 1.0f, 1.0f, 0.0f));
    }
    ConfigurationObject* createConfigurationObject() const override { return new SamplePalette(); }
    SampleColor& color(const std::string& name) { return dynamic_cast<SampleColor&>(*getConfigurationObject(name)); }
    void loadContent(ConfigReader& reader) override
    {
        if (!isEditable())
            return;
        for (const auto& child : getConfigurationObjects())
            if (child->isEditable())
                reader.readClassContents("SampleColor", child->getName(), *child);
        ConfigurationObject::loadContent(reader);
    }
    void saveContent(ConfigWriter& writer) const override
    {
        for (const auto& child : getConfigurationObjects())
            writer.putClassContents("SampleColor", child->getName(), *child, "");
        ConfigurationObject::saveContent(writer);
    }
};

inline std::string configurationXml(const std::string& objects)
{
    return "<?xml version=\"1.0\"?>\n<QuarvaneConfiguration version=\"1\">\n" + objects + "</QuarvaneConfiguration>\n";
}

inline std::string writeFile(const QTemporaryDir& dir, const std::string& name, const std::string& content)
{
    const QString path = dir.filePath(QString::fromStdString(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QByteArray::fromStdString(content));
    return path.toStdString();
}

inline unsigned fileMode(const std::string& path)
{
    struct stat status
    {
    };
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

inline std::string readFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace Quarvane::Testing
