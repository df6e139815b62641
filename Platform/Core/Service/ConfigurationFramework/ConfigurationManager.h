#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Quarvane
{

class ConfigurationObject;

// What a load reports: files that were rejected (each "file:line:column: what") and the
// warnings the user should see (values that could not be used, the groups' own messages).
struct ConfigurationLoadResult
{
    std::vector<std::string> errors;
    std::vector<std::string> warnings;

    bool isClean() const { return errors.empty() && warnings.empty(); }
};

// Owns the registered configuration objects and loads and saves them.
//
// Loading applies the system (site) files in order and then the user file to every registered
// object; an object registered later is given the loaded files when it registers. Saving
// writes to the user file only what differs from the defaults with the system files applied,
// and keeps whatever the old user file holds that this release does not know.
class ConfigurationManager
{
public:
    // The process-wide manager, which the configuration groups register with.
    static ConfigurationManager& getInstance();

    // A separate manager, for tools and tests that must not touch the process-wide one.
    ConfigurationManager();
    ~ConfigurationManager();
    ConfigurationManager(const ConfigurationManager&) = delete;
    ConfigurationManager& operator=(const ConfigurationManager&) = delete;

    // Shares ownership of `object` under `name`; false (and nothing changes) when the name is
    // taken or the object is null.
    bool addConfigurationObject(std::shared_ptr<ConfigurationObject> object, const std::string& name);
    // The object registered under `name`, or null.
    ConfigurationObject* getConfigurationObject(const std::string& name) const;
    // Registered names, sorted.
    std::vector<std::string> getConfigurationObjectNames() const;

    // Reads the system files, then the user file (which need not exist), into every registered
    // object and lets each object emit its signals once. A file that cannot be parsed is
    // reported and nothing of it is applied; the other files still are.
    ConfigurationLoadResult loadConfiguration(const std::vector<std::string>& systemFiles,
                                              const std::string& userFile);

    // Writes the user file atomically. An existing file that cannot be parsed is not replaced:
    // it is first renamed to "<file>.unreadable-<yyyyMMdd-hhmmss>", and when that fails the save
    // is refused. Returns false with `error` set when nothing was written.
    bool saveUserConfiguration(const std::string& userFile, std::string* error);

    // What the system files of the last load give: the reference a user file is compared with.
    ConfigReader getSystemReference() const;

private:
    using Registry = std::map<std::string, std::shared_ptr<ConfigurationObject>>;

    Registry registeredObjects() const;
    void applyLoadedFiles(const std::string& name, ConfigurationObject& object);

    mutable std::mutex m_mutex;
    Registry m_objects;
    std::vector<ConfigReader> m_systemLayers;
    ConfigReader m_userLayer;
    bool m_loaded = false;
};

}  // namespace Quarvane
