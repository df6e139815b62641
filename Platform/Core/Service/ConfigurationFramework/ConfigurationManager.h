#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"

#include <functional>
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

// What a save reports.
struct ConfigurationSaveResult
{
    bool saved = false;
    // Why nothing was written, when `saved` is false.
    std::string error;
    // Values ("Group/Key", or "Group/Child/Key") that this process changed and that another
    // process had also changed in the file since this one last read or wrote it: this save's
    // value won.
    std::vector<std::string> overriddenKeys;

    explicit operator bool() const { return saved; }
};

// Owns the registered configuration objects and loads and saves them.
//
// Loading applies the system (site) files in order and then the user file to every registered
// object; an object registered later is given the loaded files when it registers.
//
// Saving is safe against other processes that use the same user file: it takes a lock file
// beside it, reads the file again when somebody changed it since this process last read or
// wrote it, and writes into it only what this process changed since then (values set, reset or
// restored), leaving everything else as the other writer left it. A file it cannot parse is
// kept aside, never overwritten.
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

    // Writes this process's changes into the user file, atomically and durably (see the class
    // comment). An existing file that cannot be parsed is first renamed to
    // "<file>.unreadable-<yyyyMMdd-hhmmss>" (owner-only), and when that fails the save is
    // refused. A failed save leaves the old file as it was.
    ConfigurationSaveResult saveUserConfiguration(const std::string& userFile);
    // The same, reporting only success; `error` (may be null) says why nothing was written.
    bool saveUserConfiguration(const std::string& userFile, std::string* error);

    // What the system files of the last load give: the reference a user file is compared with.
    ConfigReader getSystemReference() const;

    // Live reload: while enabled, the files of the last load are watched, and when one changes
    // (another process saved the user file, an administrator edited a site file) they are read
    // again. Each object whose values or locks changed takes them over and emits the signals of
    // the values that changed; values this process changed and has not saved yet are kept.
    // Needs a running Qt event loop in the calling thread, which is where reloads then happen.
    void setLiveReload(bool enabled);
    bool isLiveReloadEnabled() const;
    // Called after every live reload with what it found (a file that cannot be parsed is
    // reported and its previous content stays in force).
    void setReloadListener(std::function<void(const ConfigurationLoadResult&)> listener);
    // Reads the files of the last load again now, as a live reload does.
    ConfigurationLoadResult reloadConfiguration();

    // For tests: called once inside loadConfiguration, after the registry was taken for the
    // load and before any object is read, so that a test can register an object right there.
    void setLoadHookForTesting(std::function<void()> hook);

private:
    using Registry = std::map<std::string, std::shared_ptr<ConfigurationObject>>;
    struct Tracking;
    class Watch;

    Registry registeredObjects() const;
    ConfigReader loadedLayers() const;
    void rememberHeldValues(const std::string& name, const ConfigurationObject& object);
    void rearmWatch();

    mutable std::mutex m_mutex;
    std::mutex m_saveMutex;
    Registry m_objects;
    std::vector<ConfigReader> m_systemLayers;
    ConfigReader m_userLayer;
    std::vector<std::string> m_systemFiles;
    std::string m_userFile;
    bool m_loaded = false;
    std::unique_ptr<Tracking> m_tracking;
    std::unique_ptr<Watch> m_watch;
    std::function<void(const ConfigurationLoadResult&)> m_reloadListener;
    std::function<void()> m_loadHook;
};

}  // namespace Quarvane
