#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QDateTime>
#include <QtCore/QFile>

namespace Quarvane
{
namespace
{
// Moves an unreadable file out of the way so a save cannot destroy what the user may still
// want to repair by hand.
bool moveAside(const std::string& path, std::string* error)
{
    const QString original = QString::fromStdString(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = original + QStringLiteral(".unreadable-") + stamp;
    for (int attempt = 2; QFile::exists(aside); ++attempt)
        aside = original + QStringLiteral(".unreadable-") + stamp + QStringLiteral("-") + QString::number(attempt);
    if (QFile::rename(original, aside))
        return true;
    if (error != nullptr)
        *error = "cannot save " + path + ": the file there cannot be read and cannot be moved aside";
    return false;
}
}  // namespace

ConfigurationManager& ConfigurationManager::getInstance()
{
    static ConfigurationManager instance;
    return instance;
}

ConfigurationManager::ConfigurationManager() = default;

ConfigurationManager::~ConfigurationManager() = default;

bool ConfigurationManager::addConfigurationObject(std::shared_ptr<ConfigurationObject> object,
                                                  const std::string& name)
{
    if (!object)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_objects.emplace(name, object).second)
            return false;
    }
    applyLoadedFiles(name, *object);
    return true;
}

void ConfigurationManager::applyLoadedFiles(const std::string& name, ConfigurationObject& object)
{
    std::vector<ConfigReader> layers;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_loaded)
            return;
        layers = m_systemLayers;
        layers.push_back(m_userLayer);
    }
    ConfigReader reader = ConfigReader::layered(layers);
    reader.readConfigurationObject(name, object);
    object.emitSignalsAfterConfigLoading();
}

ConfigurationObject* ConfigurationManager::getConfigurationObject(const std::string& name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_objects.find(name);
    return found == m_objects.end() ? nullptr : found->second.get();
}

std::vector<std::string> ConfigurationManager::getConfigurationObjectNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : registeredObjects())
        names.push_back(entry.first);
    return names;
}

ConfigurationManager::Registry ConfigurationManager::registeredObjects() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_objects;
}

ConfigurationLoadResult ConfigurationManager::loadConfiguration(const std::vector<std::string>& systemFiles,
                                                                const std::string& userFile)
{
    ConfigurationLoadResult result;
    std::vector<ConfigReader> systemLayers;
    for (const std::string& path : systemFiles)
    {
        if (!QFile::exists(QString::fromStdString(path)))
        {
            result.warnings.push_back(path + ": the system configuration file does not exist");
            continue;
        }
        ConfigReader reader = ConfigReader::fromFile(path, ConfigReader::Origin::SystemFile);
        if (reader.isValid())
            systemLayers.push_back(reader);
        else
            result.errors.push_back(reader.errorString());
    }
    ConfigReader userLayer;
    if (!userFile.empty() && QFile::exists(QString::fromStdString(userFile)))
    {
        userLayer = ConfigReader::fromFile(userFile, ConfigReader::Origin::UserFile);
        if (!userLayer.isValid())
        {
            result.errors.push_back(userLayer.errorString());
            userLayer = ConfigReader();
        }
    }

    const Registry objects = registeredObjects();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_systemLayers = systemLayers;
        m_userLayer = userLayer;
        m_loaded = true;
    }

    std::vector<ConfigReader> layers = systemLayers;
    layers.push_back(userLayer);
    ConfigReader reader = ConfigReader::layered(layers);
    for (const auto& [name, object] : objects)
    {
        object->clearUserWarningMessages();
        reader.readConfigurationObject(name, *object);
    }
    const std::vector<std::string> valueWarnings = reader.warnings();
    result.warnings.insert(result.warnings.end(), valueWarnings.begin(), valueWarnings.end());
    for (const auto& entry : objects)
    {
        const std::vector<std::string> messages = entry.second->getUserWarningMessages();
        result.warnings.insert(result.warnings.end(), messages.begin(), messages.end());
    }
    for (const auto& entry : objects)
        entry.second->emitSignalsAfterConfigLoading();
    return result;
}

ConfigReader ConfigurationManager::getSystemReference() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return ConfigReader::layered(m_systemLayers);
}

bool ConfigurationManager::saveUserConfiguration(const std::string& userFile, std::string* error)
{
    ConfigReader previous;
    if (QFile::exists(QString::fromStdString(userFile)))
    {
        previous = ConfigReader::fromFile(userFile, ConfigReader::Origin::UserFile);
        if (!previous.isValid())
        {
            if (!moveAside(userFile, error))
                return false;
            previous = ConfigReader();
        }
    }

    const Registry objects = registeredObjects();
    ConfigReader reference = getSystemReference();
    ConfigWriter writer;
    for (const auto& [name, object] : objects)
    {
        if (object->canBeSavedToUserConfig(reference))
            writer.putChangedContents(name, *object, reference);
        // Replaying the load on a fresh instance marks what this release knows in the old file;
        // the rest is carried over as it is.
        const std::unique_ptr<ConfigurationObject> probe(object->createConfigurationObject());
        ConfigReader::layered({reference, previous}).readConfigurationObject(name, *probe);
    }
    writer.keepUnknownEntries(previous);
    return writer.writeToFile(userFile, error);
}

}  // namespace Quarvane
