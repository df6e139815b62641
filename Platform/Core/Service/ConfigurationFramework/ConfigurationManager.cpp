#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileStore.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigTreeDiff.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QDateTime>
#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QFileSystemWatcher>
#include <QtCore/QLockFile>
#include <QtCore/QTimer>
#include <QtCore/QStringList>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>

namespace Quarvane
{
namespace
{
using NodePointer = std::shared_ptr<const ConfigNode>;
using ConfigFileStore::FileIdentity;

// A lock older than this is taken over: no save takes anywhere near as long.
constexpr int s_staleLockMilliseconds = 30000;
constexpr int s_lockWaitMilliseconds = 10000;
// Editors and other writers may touch a file several times in a row; one reload follows.
constexpr int s_reloadDelayMilliseconds = 50;

// QLockFile's own wait sleeps ever longer between attempts (up to seconds); saves are short,
// so waiting in small steps lets processes that take turns on one file do so quickly.
bool lock(QLockFile& lockFile, const QString& lockPath, const std::string& userFile, std::string& error)
{
    lockFile.setStaleLockTime(s_staleLockMilliseconds);
    QElapsedTimer waited;
    waited.start();
    while (!lockFile.tryLock(0))
    {
        if (lockFile.error() != QLockFile::LockFailedError)
        {
            error = "cannot write " + userFile + ": cannot create its lock file " + lockPath.toStdString();
            return false;
        }
        if (waited.elapsed() > s_lockWaitMilliseconds)
        {
            error = "cannot write " + userFile + ": another process keeps it locked (" +
                    lockPath.toStdString() + ")";
            return false;
        }
        QThread::msleep(2);
    }
    return true;
}

QString absolutePath(const std::string& path)
{
    return path.empty() ? QString() : QFileInfo(QString::fromStdString(path)).absoluteFilePath();
}

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

// Moves an unreadable file out of the way so a save cannot destroy what the user may still
// want to repair by hand. The copy stays private: it may hold passwords.
bool moveAside(const std::string& path, std::string* error)
{
    const QString original = QString::fromStdString(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = original + QStringLiteral(".unreadable-") + stamp;
    for (int attempt = 2; QFile::exists(aside); ++attempt)
        aside = original + QStringLiteral(".unreadable-") + stamp + QStringLiteral("-") + QString::number(attempt);
    if (QFile::rename(original, aside) && ConfigFileStore::restrictToOwner(aside))
        return true;
    if (error != nullptr)
        *error = "cannot save " + path + ": the file there cannot be read and cannot be moved aside";
    return false;
}

// Everything an object holds, as the writer writes it: the yardstick for what changed.
NodePointer heldValues(const std::string& name, const ConfigurationObject& object)
{
    ConfigWriter writer;
    writer.leaveOutDescriptions();
    writer.putClassContents(name, name, object, {});
    return NodePointer(writer.takeTree());
}

std::unique_ptr<ConfigurationObject> readFresh(const ConfigurationObject& object, const std::string& name,
                                               ConfigReader& reader)
{
    std::unique_ptr<ConfigurationObject> fresh(object.createDefaultsLikeThis());
    reader.readConfigurationObject(name, *fresh);
    return fresh;
}

// What an object held after a load, a save or a reload, recorded as typed values, which costs a
// fraction of the tree; it becomes a tree only when it must be compared with one of another
// shape. An object registered later has nothing recorded: what the files give its defaults is
// what it held, and is read again when needed.
class HeldValues
{
public:
    HeldValues(const std::string& name, const ConfigurationObject& object) : m_recorded(true)
    {
        ConfigWriter writer;
        writer.recordInto(m_recording);
        writer.putClassContents(name, name, object, {});
    }
    HeldValues(const std::string& name, std::shared_ptr<const ConfigurationObject> object, ConfigReader files)
        : m_name(name), m_object(std::move(object)), m_files(std::move(files))
    {
    }

    const ConfigNode& tree() const
    {
        std::call_once(m_built, [this] {
            ConfigWriter writer;
            writer.leaveOutDescriptions();
            if (m_object)
                writer.putClassContents(m_name, m_name, *readFresh(*m_object, m_name, m_files), {});
            else
                writer.replay(m_recording);
            m_tree = NodePointer(writer.takeTree());
        });
        return *m_tree;
    }

    // The values whose text differs from `now`'s; the paths stay valid as long as `changes`.
    std::vector<ConfigTreeDiff::Path> changedTo(const HeldValues& now,
                                                std::unique_ptr<ConfigWriter::RecordedChanges>& changes) const
    {
        if (m_recorded && now.m_recorded)
            changes = ConfigWriter::compare(m_recording, now.m_recording);
        return changes ? changes->paths : ConfigTreeDiff::changedValues(tree(), now.tree());
    }

private:
    ConfigWriter::Recording m_recording;
    bool m_recorded = false;
    std::string m_name;
    std::shared_ptr<const ConfigurationObject> m_object;
    mutable ConfigReader m_files;
    mutable std::once_flag m_built;
    mutable NodePointer m_tree;
};
using HeldPointer = std::shared_ptr<const HeldValues>;

// What the user file would get from the object at the `changed` places: values that differ
// from the system files.
std::unique_ptr<ConfigNode> valuesForUserFile(const std::string& name, const ConfigurationObject& object,
                                              ConfigReader& reference,
                                              const std::vector<ConfigTreeDiff::Path>& changed)
{
    std::set<std::string> ownKeys;
    for (const ConfigTreeDiff::Path& path : changed)
        if (path.size() == 2)
            ownKeys.insert(path[1]->name);
    ConfigWriter writer;
    writer.putChangedContents(name, object, reference, &ownKeys);
    return writer.takeTree();
}

// The keys of changed values relative to their top-level object ("Key", "Child/Key").
std::vector<std::string> keysWithinObject(const std::vector<ConfigTreeDiff::Path>& paths)
{
    std::vector<std::string> keys;
    for (const ConfigTreeDiff::Path& path : paths)
        keys.push_back(ConfigTreeDiff::describe(ConfigTreeDiff::Path(path.begin() + 1, path.end())));
    return keys;
}
}  // namespace

// A user file's content as this process read it (the parsed document, turned into a tree only
// when a save compares with it) or wrote it (the tree it wrote).
class KnownFile
{
public:
    KnownFile() = default;
    explicit KnownFile(std::shared_ptr<const ConfigDocument> read) : m_read(std::move(read)) {}
    explicit KnownFile(NodePointer written) : m_written(std::move(written)) {}

    explicit operator bool() const { return m_read || m_written; }
    NodePointer tree() const { return m_written ? m_written : m_read ? m_read->tree() : nullptr; }
    // A tree of its own to change; empty for an empty KnownFile.
    std::unique_ptr<ConfigNode> copy() const
    {
        return m_written ? m_written->copy()
               : m_read  ? m_read->copyTree(m_read->root(), false)
                         : std::make_unique<ConfigNode>();
    }

private:
    std::shared_ptr<const ConfigDocument> m_read;
    NodePointer m_written;
};

// What a save needs to know about the user file: the file as this process last read or wrote
// it, and what every object held at that moment.
struct ConfigurationManager::Tracking
{
    QString userFile;
    KnownFile file;  // empty when there was no readable file
    FileIdentity identity;
    std::map<std::string, HeldPointer> held;
};

// The file watch of live reload: reacts only when a watched file really changed, whatever else
// happens in its folder (lock files, temporary files of saves).
class ConfigurationManager::Watch
{
public:
    explicit Watch(ConfigurationManager& manager) : m_manager(manager)
    {
        m_delay.setSingleShot(true);
        m_delay.setInterval(s_reloadDelayMilliseconds);
        QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_delay, [this] { noticeChange(); });
        QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_delay, [this] { noticeChange(); });
        QObject::connect(&m_delay, &QTimer::timeout, &m_delay, [this] {
            if (anyFileChanged())
                m_manager.reloadConfiguration();
        });
    }

    void arm(const std::vector<QString>& files)
    {
        if (!m_watcher.files().isEmpty())
            m_watcher.removePaths(m_watcher.files());
        if (!m_watcher.directories().isEmpty())
            m_watcher.removePaths(m_watcher.directories());
        m_identities.clear();
        QStringList paths;
        for (const QString& file : files)
        {
            if (file.isEmpty())
                continue;
            m_identities[file] = ConfigFileStore::identify(file);
            paths << QFileInfo(file).absolutePath();
            if (QFileInfo::exists(file))
                paths << file;
        }
        paths.removeDuplicates();
        if (!paths.isEmpty())
            m_watcher.addPaths(paths);
    }

private:
    void noticeChange()
    {
        if (anyFileChanged())
            m_delay.start();
    }

    bool anyFileChanged() const
    {
        for (const auto& [file, identity] : m_identities)
            if (ConfigFileStore::identify(file) != identity)
                return true;
        return false;
    }

    ConfigurationManager& m_manager;
    QFileSystemWatcher m_watcher;
    QTimer m_delay;
    std::map<QString, FileIdentity> m_identities;
};

namespace
{
std::atomic<ConfigurationManager*> s_scopedInstance{nullptr};
}  // namespace

std::atomic<std::uint64_t> ConfigurationManager::s_instanceGeneration{1};

ConfigurationManager& ConfigurationManager::getInstance()
{
    if (ConfigurationManager* scoped = s_scopedInstance.load())
        return *scoped;
    static ConfigurationManager instance;
    return instance;
}

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

ConfigurationManager::ConfigurationManager() : m_tracking(std::make_unique<Tracking>()) {}

ConfigurationManager::~ConfigurationManager() = default;

bool ConfigurationManager::addConfigurationObject(std::shared_ptr<ConfigurationObject> object,
                                                  const std::string& name)
{
    if (!object)
        return false;
    ConfigReader loaded;
    bool wasLoaded = false;
    {
        // Registering and looking at the load happen in one step: a load either counts this
        // object among those it reads, or has finished taking the registry and left its files
        // here for the object to read now.
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_objects.emplace(name, object).second)
            return false;
        wasLoaded = m_loaded;
        if (wasLoaded)
            loaded = loadedLayers();
    }
    if (wasLoaded)
    {
        loaded.setKeepsAccount(false);
        loaded.readConfigurationObject(name, *object);
        auto held = std::make_shared<const HeldValues>(name, object, std::move(loaded));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_tracking->held[name] = std::move(held);
        }
        object->emitSignalsAfterConfigLoading();
    }
    return true;
}

// The caller holds m_mutex.
ConfigReader ConfigurationManager::loadedLayers() const
{
    std::vector<ConfigReader> layers = m_systemLayers;
    layers.push_back(m_userLayer);
    return ConfigReader::layered(layers);
}

void ConfigurationManager::rememberHeldValues(const std::string& name, const ConfigurationObject& object)
{
    auto held = std::make_shared<const HeldValues>(name, object);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_tracking->held[name] = std::move(held);
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

namespace
{
struct ParsedFiles
{
    std::vector<ConfigReader> systemLayers;
    ConfigReader userLayer;
    FileIdentity userIdentity;
    bool userFileRead = false;  // the user file exists and was parsed now
};

// Parses the files of a load. `previous` (may be null) stands in for a file that cannot be
// parsed now, so that a reload never drops a layer because of one bad write.
ParsedFiles parseFiles(const std::vector<std::string>& systemFiles, const std::string& userFile,
                       ConfigurationLoadResult& result, const ParsedFiles* previous)
{
    ParsedFiles parsed;
    for (std::size_t i = 0; i < systemFiles.size(); ++i)
    {
        const std::string& path = systemFiles[i];
        if (!QFile::exists(QString::fromStdString(path)))
        {
            result.findings.push_back(fileFinding(ConfigurationFinding::Severity::Warning, path,
                                                  "the system configuration file does not exist"));
            parsed.systemLayers.emplace_back();
            continue;
        }
        ConfigReader reader = ConfigReader::fromFile(path, ConfigReader::Origin::SystemFile);
        if (!reader.isValid())
        {
            result.findings.push_back(errorFinding(path, reader.errorString()));
            reader = previous != nullptr ? previous->systemLayers[i] : ConfigReader();
        }
        parsed.systemLayers.push_back(reader);
    }
    parsed.userIdentity = ConfigFileStore::identify(absolutePath(userFile));
    if (!userFile.empty() && parsed.userIdentity.exists)
    {
        parsed.userLayer = ConfigReader::fromFile(userFile, ConfigReader::Origin::UserFile);
        parsed.userFileRead = parsed.userLayer.isValid();
        if (!parsed.userFileRead)
        {
            result.findings.push_back(errorFinding(userFile, parsed.userLayer.errorString()));
            parsed.userLayer = previous != nullptr ? previous->userLayer : ConfigReader();
        }
    }
    return parsed;
}

// The reader's findings after those of the files, each also as a line of text, then the
// groups' own messages.
void collectFindings(const ConfigReader& reader, const std::vector<ConfigurationObject*>& objects,
                     ConfigurationLoadResult& result)
{
    result.findings.insert(result.findings.end(), reader.findings().begin(), reader.findings().end());
    for (const ConfigurationFinding& finding : result.findings)
    {
        if (finding.severity == ConfigurationFinding::Severity::Error)
            result.errors.push_back(finding.toString());
        else
            result.warnings.push_back(finding.toString());
    }
    for (const ConfigurationObject* object : objects)
    {
        const std::vector<std::string> messages = object->getUserWarningMessages();
        result.warnings.insert(result.warnings.end(), messages.begin(), messages.end());
    }
}
}  // namespace

ConfigurationLoadResult ConfigurationManager::loadConfiguration(const std::vector<std::string>& systemFiles,
                                                                const std::string& userFile)
{
    ConfigurationLoadResult result;
    ParsedFiles parsed = parseFiles(systemFiles, userFile, result, nullptr);

    Registry objects;
    {
        // Taking the registry and publishing the files happen in one step (see addConfigurationObject).
        std::lock_guard<std::mutex> lock(m_mutex);
        objects = m_objects;
        m_systemLayers = parsed.systemLayers;
        m_userLayer = parsed.userLayer;
        m_systemFiles = systemFiles;
        m_userFile = userFile;
        m_loaded = true;
        m_tracking->userFile = absolutePath(userFile);
        m_tracking->file = KnownFile(parsed.userLayer.singleDocument());
        m_tracking->identity = parsed.userIdentity;
        m_tracking->held.clear();
    }
    if (m_loadHook)
        m_loadHook();

    std::vector<ConfigReader> layers = parsed.systemLayers;
    layers.push_back(parsed.userLayer);
    ConfigReader reader = ConfigReader::layered(layers);
    std::vector<ConfigurationObject*> loaded;
    for (const auto& [name, object] : objects)
    {
        object->clearUserWarningMessages();
        reader.readConfigurationObject(name, *object);
        rememberHeldValues(name, *object);
        loaded.push_back(object.get());
    }
    collectFindings(reader, loaded, result);
    result.m_account = std::make_shared<const ConfigReader>(std::move(reader));
    for (ConfigurationObject* object : loaded)
        object->emitSignalsAfterConfigLoading();
    if (m_watch)
        rearmWatch();
    return result;
}

ValueOrigin ConfigurationLoadResult::originOf(const std::string& path, const std::string& key) const
{
    return m_account ? m_account->originOf(path, key) : ValueOrigin();
}

ConfigReader ConfigurationManager::getSystemReference() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return ConfigReader::layered(m_systemLayers);
}

bool ConfigurationManager::saveUserConfiguration(const std::string& userFile, std::string* error)
{
    ConfigurationSaveResult result = saveUserConfiguration(userFile);
    if (!result.saved && error != nullptr)
        *error = result.error;
    return result.saved;
}

ConfigurationSaveResult ConfigurationManager::saveUserConfiguration(const std::string& userFile)
{
    ConfigurationSaveResult result;
    const QString path = absolutePath(userFile);
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
    {
        result.error = "cannot write " + userFile + ": cannot create its folder";
        return result;
    }
    // One save at a time in this process; the lock file keeps other processes out.
    std::lock_guard<std::mutex> saving(m_saveMutex);
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lockFile(lockPath);
    if (!lock(lockFile, lockPath, userFile, result.error))
        return result;

    Tracking known;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        known = *m_tracking;
    }
    const bool tracked = known.userFile == path;

    // The file as it is now: what this process last read or wrote, unless somebody changed it.
    FileIdentity identity = ConfigFileStore::identify(path);
    KnownFile onDisk;
    bool changedOnDisk = false;
    if (identity.exists)
    {
        if (tracked && identity == known.identity && known.file)
        {
            onDisk = known.file;
        }
        else
        {
            const ConfigReader current = ConfigReader::fromFile(userFile, ConfigReader::Origin::UserFile);
            if (current.isValid())
                onDisk = KnownFile(current.singleDocument());
            else if (!moveAside(userFile, &result.error))
                return result;
            changedOnDisk = true;
        }
    }
    // Without a readable file, or for another file than the one tracked, everything this
    // process holds is written; otherwise only what it changed.
    const bool onlyChanges = tracked && onDisk;
    const bool mayOverride = onlyChanges && changedOnDisk;
    const NodePointer diskTree = mayOverride ? onDisk.tree() : nullptr;
    const NodePointer lastSeen = mayOverride && known.file ? known.file.tree() : std::make_shared<const ConfigNode>();

    std::unique_ptr<ConfigNode> merged;
    std::map<std::string, HeldPointer> held;
    ConfigReader reference = getSystemReference();
    for (const auto& [name, object] : registeredObjects())
    {
        const auto now = std::make_shared<const HeldValues>(name, *object);
        held[name] = now;
        const auto before = known.held.find(name);
        std::unique_ptr<ConfigWriter::RecordedChanges> recordedChanges;
        const std::vector<ConfigTreeDiff::Path> changed = onlyChanges && before != known.held.end()
                                                              ? before->second->changedTo(*now, recordedChanges)
                                                              : ConfigTreeDiff::allValues(now->tree());
        if (changed.empty())
            continue;
        if (!merged)
            merged = onDisk.copy();
        const std::unique_ptr<ConfigNode> wanted = valuesForUserFile(name, *object, reference, changed);
        for (const ConfigTreeDiff::Path& value : changed)
        {
            if (mayOverride &&
                !ConfigTreeDiff::sameValue(ConfigTreeDiff::find(*diskTree, value), ConfigTreeDiff::find(*lastSeen, value)))
                result.overriddenKeys.push_back(ConfigTreeDiff::describe(value));
            if (const ConfigNode* node = ConfigTreeDiff::find(*wanted, value))
                ConfigTreeDiff::put(*merged, value, *node);
            else
                ConfigTreeDiff::remove(*merged, value);
        }
    }

    KnownFile written = onDisk;
    if (merged || !onDisk)
    {
        if (!merged)
            merged = std::make_unique<ConfigNode>();
        if (!ConfigFileStore::replaceDurably(path, ConfigDocument::serialize(*merged), &result.error))
            return result;
        written = KnownFile(NodePointer(std::move(merged)));
        identity = ConfigFileStore::identify(path);
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tracking->userFile = path;
        m_tracking->file = written;
        m_tracking->identity = identity;
        m_tracking->held = std::move(held);
    }
    if (m_watch)
        rearmWatch();
    result.saved = true;
    return result;
}

ConfigurationLoadResult ConfigurationManager::reloadConfiguration()
{
    ConfigurationLoadResult result;
    ParsedFiles previous;
    std::vector<std::string> systemFiles;
    std::string userFile;
    Tracking known;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_loaded)
            return result;
        previous.systemLayers = m_systemLayers;
        previous.userLayer = m_userLayer;
        systemFiles = m_systemFiles;
        userFile = m_userFile;
        known = *m_tracking;
    }
    const ParsedFiles parsed = parseFiles(systemFiles, userFile, result, &previous);
    std::vector<ConfigReader> layers = parsed.systemLayers;
    layers.push_back(parsed.userLayer);
    ConfigReader reader = ConfigReader::layered(layers);

    std::map<std::string, HeldPointer> held;
    std::vector<ConfigurationObject*> reloaded;
    for (const auto& [name, object] : registeredObjects())
    {
        std::unique_ptr<ConfigurationObject> fromFiles = readFresh(*object, name, reader);
        held[name] = std::make_shared<const HeldValues>(name, *fromFiles);
        const NodePointer current = heldValues(name, *object);
        // Values this process changed and has not saved yet stay as it set them, unless a
        // system file now locks them: they are read over the files like a user file.
        const auto before = known.held.find(name);
        const std::vector<ConfigTreeDiff::Path> pending = before != known.held.end()
                                                              ? ConfigTreeDiff::changedValues(before->second->tree(), *current)
                                                              : std::vector<ConfigTreeDiff::Path>();
        std::unique_ptr<ConfigurationObject> target = std::move(fromFiles);
        if (!pending.empty())
        {
            const ConfigReader unsaved = ConfigReader::fromDocument(
                ConfigDocument::adopt(ConfigTreeDiff::select(*current, pending), "<unsaved changes>"),
                ConfigReader::Origin::UserFile);
            ConfigReader withUnsaved = ConfigReader::layered({reader, unsaved});
            target = readFresh(*object, name, withUnsaved);
        }
        const NodePointer targetValues = heldValues(name, *target);
        if (ConfigTreeDiff::changedValues(*current, *targetValues, true).empty())
            continue;
        const std::vector<std::string> changedKeys =
            keysWithinObject(ConfigTreeDiff::changedValues(*current, *targetValues));
        object->takeOverReloadedContent(*target, changedKeys);
        reloaded.push_back(object.get());
    }
    collectFindings(reader, {}, result);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_systemLayers = parsed.systemLayers;
        m_userLayer = parsed.userLayer;
        if (m_tracking->userFile == absolutePath(userFile) && (parsed.userFileRead || !parsed.userIdentity.exists))
        {
            m_tracking->file = KnownFile(parsed.userLayer.singleDocument());
            m_tracking->identity = parsed.userIdentity;
        }
        for (auto& [name, values] : held)
            m_tracking->held[name] = values;
    }
    if (m_watch)
        rearmWatch();
    if (m_reloadListener)
        m_reloadListener(result);
    return result;
}

void ConfigurationManager::setLiveReload(bool enabled)
{
    if (!enabled)
    {
        m_watch.reset();
        return;
    }
    if (!m_watch)
        m_watch = std::make_unique<Watch>(*this);
    rearmWatch();
}

bool ConfigurationManager::isLiveReloadEnabled() const { return m_watch != nullptr; }

void ConfigurationManager::setReloadListener(std::function<void(const ConfigurationLoadResult&)> listener)
{
    m_reloadListener = std::move(listener);
}

void ConfigurationManager::rearmWatch()
{
    std::vector<QString> files;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const std::string& file : m_systemFiles)
            files.push_back(absolutePath(file));
        files.push_back(absolutePath(m_userFile));
    }
    m_watch->arm(files);
}

void ConfigurationManager::setLoadHookForTesting(std::function<void()> hook) { m_loadHook = std::move(hook); }

}  // namespace Quarvane
