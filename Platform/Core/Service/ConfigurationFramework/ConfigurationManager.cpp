#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtCore/QStringList>

#include <algorithm>
#include <atomic>

namespace Quarvane
{
namespace
{
ConfigurationFinding fileFinding(ConfigurationFinding::Severity severity, const std::string& file,
                                 const std::string& message)
{
    ConfigurationFinding finding;
    finding.severity = severity;
    finding.file = file;
    finding.message = message;
    return finding;
}

// A rejected file's error ("file:line:column: what") taken apart.
ConfigurationFinding errorFinding(const std::string& file, const std::string& error)
{
    ConfigurationFinding finding = fileFinding(ConfigurationFinding::Severity::Error, file, error);
    const QStringList parts = QString::fromStdString(error.substr(std::min(error.size(), file.size() + 1)))
                                  .split(QLatin1Char(':'));
    if (error.compare(0, file.size() + 1, file + ":") != 0 || parts.size() < 3)
        return finding;
    finding.line = parts[0].toLongLong();
    finding.column = parts[1].toLongLong();
    finding.message = parts.mid(2).join(QLatin1Char(':')).trimmed().toStdString();
    return finding;
}

// Where every value of `object` and of its children came from in `reader`'s reads.
void collectOrigins(const ConfigurationObject& object, const std::string& path, const ConfigReader& reader,
                    ConfigurationLoadResult& result)
{
    for (const auto& value : object.getConfigurationValues())
        result.origins[{path, value->getName()}] = reader.originOf(path, value->getName());
    for (const auto& child : object.getConfigurationObjects())
        collectOrigins(*child, path + "/" + child->getName(), reader, result);
}

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

namespace
{
std::atomic<ConfigurationManager*> s_scopedInstance{nullptr};
std::atomic<std::uint64_t> s_instanceGeneration{1};
}  // namespace

ConfigurationManager& ConfigurationManager::getInstance()
{
    if (ConfigurationManager* scoped = s_scopedInstance.load())
        return *scoped;
    static ConfigurationManager instance;
    return instance;
}

std::uint64_t ConfigurationManager::getInstanceGeneration() { return s_instanceGeneration.load(); }

ConfigurationManager::ScopedInstance::ScopedInstance()
    : m_manager(std::make_unique<ConfigurationManager>()), m_previous(s_scopedInstance.exchange(m_manager.get()))
{
    ++s_instanceGeneration;
}

ConfigurationManager::ScopedInstance::~ScopedInstance()
{
    s_scopedInstance.store(m_previous);
    ++s_instanceGeneration;
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

std::vector<ValueSchema> ConfigurationManager::getSchema() const
{
    std::vector<ValueSchema> schema;
    for (const auto& [name, object] : registeredObjects())
    {
        std::vector<ValueSchema> group = describeSchema(*object, name);
        schema.insert(schema.end(), group.begin(), group.end());
    }
    return schema;
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
    std::vector<ConfigurationFinding> fileFindings;
    std::vector<ConfigReader> systemLayers;
    for (const std::string& path : systemFiles)
    {
        if (!QFile::exists(QString::fromStdString(path)))
        {
            fileFindings.push_back(fileFinding(ConfigurationFinding::Severity::Warning, path,
                                               "the system configuration file does not exist"));
            continue;
        }
        ConfigReader reader = ConfigReader::fromFile(path, ConfigReader::Origin::SystemFile);
        if (reader.isValid())
            systemLayers.push_back(reader);
        else
            fileFindings.push_back(errorFinding(path, reader.errorString()));
    }
    ConfigReader userLayer;
    if (!userFile.empty() && QFile::exists(QString::fromStdString(userFile)))
    {
        userLayer = ConfigReader::fromFile(userFile, ConfigReader::Origin::UserFile);
        if (!userLayer.isValid())
        {
            fileFindings.push_back(errorFinding(userFile, userLayer.errorString()));
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
    result.findings = fileFindings;
    result.findings.insert(result.findings.end(), reader.findings().begin(), reader.findings().end());
    for (const ConfigurationFinding& finding : result.findings)
    {
        if (finding.severity == ConfigurationFinding::Severity::Error)
            result.errors.push_back(finding.toString());
        else
            result.warnings.push_back(finding.toString());
    }
    for (const auto& [name, object] : objects)
    {
        const std::vector<std::string> messages = object->getUserWarningMessages();
        result.warnings.insert(result.warnings.end(), messages.begin(), messages.end());
        collectOrigins(*object, name, reader, result);
    }
    for (const auto& entry : objects)
        entry.second->emitSignalsAfterConfigLoading();
    return result;
}

ValueOrigin ConfigurationLoadResult::originOf(const std::string& path, const std::string& key) const
{
    const auto found = origins.find({path, key});
    return found == origins.end() ? ValueOrigin() : found->second;
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
    // Replaying the load on fresh instances tells what this release knows in the old file; the
    // rest is carried over as it is.
    ConfigReader replay = ConfigReader::layered({reference, previous});
    ConfigWriter writer;
    for (const auto& [name, object] : objects)
    {
        if (object->canBeSavedToUserConfig(reference))
            writer.putChangedContents(name, *object, reference);
        const std::unique_ptr<ConfigurationObject> probe(object->createConfigurationObject());
        replay.readConfigurationObject(name, *probe);
    }
    writer.keepUnknownEntries(replay);
    return writer.writeToFile(userFile, error);
}

}  // namespace Quarvane
