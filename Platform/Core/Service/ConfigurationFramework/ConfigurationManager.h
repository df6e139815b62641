#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationSchema.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Quarvane
{

class ConfigurationObject;

// The account of a load: what it found, and where every value of every registered object took
// its value from.
struct ConfigurationLoadResult
{
    // Files that were rejected, each "file:line:column: what".
    std::vector<std::string> errors;
    // What the user should see, one line each: every finding as text, then the groups' own
    // messages.
    std::vector<std::string> warnings;
    // Every finding with its parts: rejected and missing files, values that could not be used,
    // refused by a lock, not for the file they stand in, outside their rule, and unknown keys,
    // objects and attributes inside known groups.
    std::vector<ConfigurationFinding> findings;

    bool isClean() const { return errors.empty() && warnings.empty(); }
    // Where one value came from, by object path ("Group" or "Group/Child") and key; the default
    // for a value no file set and for a value the load does not know.
    ValueOrigin originOf(const std::string& path, const std::string& key) const;

private:
    friend class ConfigurationManager;
    // The load's reader knows what it took from where; the text of an origin is made only
    // when somebody asks for it.
    std::shared_ptr<const ConfigReader> m_account;
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
    // The process-wide manager, which the configuration groups register with; while a
    // ScopedInstance exists, that scope's manager.
    static ConfigurationManager& getInstance();
    // Changes whenever getInstance() starts answering another manager, so that a group can tell
    // that its registered instance belongs to a manager that no longer answers.
    // Inline: every getRegisteredInstance() of every group asks.
    static std::uint64_t getInstanceGeneration() { return s_instanceGeneration.load(std::memory_order_acquire); }

    // For tests: while it exists, getInstance() answers a fresh manager of its own, and the
    // groups register fresh instances with it on their next getRegisteredInstance(). Scopes nest;
    // the end of one puts the previous manager back, with the groups registered there. Create
    // and end scopes on one thread, while no other thread uses the configuration.
    class ScopedInstance
    {
    public:
        ScopedInstance();
        ~ScopedInstance();
        ScopedInstance(const ScopedInstance&) = delete;
        ScopedInstance& operator=(const ScopedInstance&) = delete;

        ConfigurationManager& manager() { return *m_manager; }

    private:
        std::unique_ptr<ConfigurationManager> m_manager;
        ConfigurationManager* m_previous;
    };

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
    // Every value of every registered object (children included) as declared: type, default,
    // description, visibility, persistence, product mask and rule; by name, then declaration order.
    std::vector<ValueSchema> getSchema() const;

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
    static std::atomic<std::uint64_t> s_instanceGeneration;

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
