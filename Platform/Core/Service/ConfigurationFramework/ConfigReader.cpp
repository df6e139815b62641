#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"
#include "Platform/Core/Service/ConfigurationFramework/NearestNames.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <string_view>
#include <unordered_set>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <utility>

namespace Quarvane
{
namespace
{
// Puts the reader's place back when a nested read ends, however it ends.
template <class T>
class Restore
{
public:
    explicit Restore(T& slot) : m_slot(slot), m_saved(slot) {}
    ~Restore() { m_slot = m_saved; }

private:
    T& m_slot;
    T m_saved;
};

#ifdef Q_OS_UNIX
const char* describeFileType(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "not a file";
}
#endif

#ifdef Q_OS_UNIX
// Reads an opened file to its end, but never past the limit: the size it had when it was opened
// is only a hint, as a file may grow while it is read.
bool readToEnd(int descriptor, qint64 expected, QByteArray& bytes, std::string& problem)
{
    const qint64 limit = ConfigDocument::s_maximumFileSize;
    bytes.resize(static_cast<int>(std::min(expected, limit) + 1));
    qint64 filled = 0;
    for (;;)
    {
        if (filled == bytes.size())
        {
            if (filled > limit)
            {
                problem = "is larger than " + std::to_string(limit) + " bytes";
                return false;
            }
            bytes.resize(static_cast<int>(std::min<qint64>(filled + 64 * 1024, limit + 1)));
        }
        const ssize_t got = ::read(descriptor, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
        {
            problem = std::string("cannot be read: ") + std::strerror(errno);
            return false;
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(static_cast<int>(filled));
    return true;
}

// Reads a configuration file, which must be a regular file (or a link to one) of bounded size:
// a pipe would block the load for ever and a device such as /dev/zero would never end. The type
// is checked on the opened file, so the file cannot be swapped for something else in between.
bool readRegularFile(const std::string& path, QByteArray& bytes, std::string& problem)
{
    // Opening a pipe without O_NONBLOCK waits for a writer; with it, open returns at once.
    const QByteArray name = QFile::encodeName(QString::fromStdString(path));
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status{};
    if (descriptor < 0)
    {
        const int openError = errno;
        // A socket cannot be opened at all; say what it is rather than why open failed.
        if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
            problem = std::string("is ") + describeFileType(status.st_mode) + ", not a regular file";
        else
            problem = std::string("cannot be read: ") + std::strerror(openError);
        return false;
    }
    bool read = false;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        problem = std::string("is ") + describeFileType(status.st_mode) + ", not a regular file";
    else if (status.st_size > ConfigDocument::s_maximumFileSize)
        problem = "is larger than " + std::to_string(ConfigDocument::s_maximumFileSize) + " bytes";
    else
        read = readToEnd(descriptor, status.st_size, bytes, problem);
    ::close(descriptor);
    return read;
}
#else
// Reads a configuration file, which must be a regular file of bounded size.
bool readRegularFile(const std::string& path, QByteArray& bytes, std::string& problem)
{
    const qint64 limit = ConfigDocument::s_maximumFileSize;
    QFile file(QString::fromStdString(path));
    if (!QFileInfo(file.fileName()).isFile())
    {
        problem = "is not a regular file";
        return false;
    }
    if (!file.open(QIODevice::ReadOnly))
    {
        problem = "cannot be read: " + file.errorString().toStdString();
        return false;
    }
    if (file.size() > limit)
    {
        problem = "is larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    // The size is only a hint: read on until the end, but never past the limit.
    const qint64 expected = file.size();
    bytes = file.read(expected + 1);
    bool more = bytes.size() > expected;
    while (more && bytes.size() <= limit)
    {
        const qint64 wanted = std::min<qint64>(64 * 1024, limit + 1 - bytes.size());
        const QByteArray chunk = file.read(wanted);
        bytes += chunk;
        more = chunk.size() == wanted;
    }
    if (bytes.size() > limit)
    {
        problem = "is larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    if (file.error() != QFileDevice::NoError)
    {
        problem = "cannot be read: " + file.errorString().toStdString();
        return false;
    }
    return true;
}
#endif

std::string placeKey(const std::string& path, const std::string& key) { return path + "\n" + key; }

const std::vector<std::string> s_objectAttributes{"name", "class", "editable", "description"};
const std::vector<std::string> s_valueAttributes{"key", "type", "editable", "description", "encoding"};

// "; did you mean "X"?" for the nearest known name, when one is near enough to be a slip; an
// attribute that means a lock points to the one that locks.
std::string didYouMean(const std::string& name, const std::vector<std::string>& known)
{
    const QString lowered = QString::fromStdString(name).toLower();
    if (lowered == QLatin1String("locked") || lowered == QLatin1String("readonly") ||
        lowered == QLatin1String("read-only"))
        return "; did you mean editable=\"false\"?";
    const std::vector<std::string> nearest = nearestNames(name, known, 1);
    return nearest.empty() ? std::string() : "; did you mean \"" + nearest.front() + "\"?";
}
}  // namespace

ConfigReader::ConfigReader() = default;

ConfigReader ConfigReader::fromFile(const std::string& path, Origin origin)
{
    ConfigReader reader;
    try
    {
        QByteArray bytes;
        std::string problem;
        if (!readRegularFile(path, bytes, problem))
            reader.m_error = path + ":0:0: " + problem;
        else
            reader.addParsed(bytes, path, origin);
    }
    catch (const std::exception& failure)
    {
        reader.refuse(path, failure);
    }
    return reader;
}

ConfigReader ConfigReader::fromXml(const std::string& text, Origin origin, const std::string& sourceName)
{
    ConfigReader reader;
    try
    {
        reader.addParsed(QByteArray::fromStdString(text), sourceName, origin);
    }
    catch (const std::exception& failure)
    {
        reader.refuse(sourceName, failure);
    }
    return reader;
}

ConfigReader ConfigReader::fromDocument(std::shared_ptr<const ConfigDocument> document, Origin origin)
{
    ConfigReader reader;
    reader.m_layers.push_back({std::move(document), origin});
    return reader;
}

std::shared_ptr<const ConfigDocument> ConfigReader::singleDocument() const
{
    return m_layers.size() == 1 ? m_layers.front().document : nullptr;
}

// A file too big for the memory left must not take the process down: it is refused like any
// other file that cannot be read.
void ConfigReader::refuse(const std::string& sourceName, const std::exception& failure)
{
    m_layers.clear();
    const bool outOfMemory = dynamic_cast<const std::bad_alloc*>(&failure) != nullptr;
    m_error = sourceName + ":0:0: " +
              (outOfMemory ? std::string("there is not enough memory to read it")
                           : std::string("cannot be read: ") + failure.what());
}

void ConfigReader::addParsed(const QByteArray& bytes, const std::string& sourceName, Origin origin)
{
    if (auto document = ConfigDocument::parse(bytes, sourceName, &m_error))
        m_layers.push_back({std::move(document), origin});
}

ConfigReader ConfigReader::layered(const std::vector<ConfigReader>& readers)
{
    ConfigReader combined;
    for (const ConfigReader& reader : readers)
        if (reader.isValid())
            combined.m_layers.insert(combined.m_layers.end(), reader.m_layers.begin(), reader.m_layers.end());
    return combined;
}

bool ConfigReader::readConfigurationObject(const std::string& name, ConfigurationObject& object)
{
    bool found = false;
    for (const Layer& layer : m_layers)
        if (const ConfigEntry* node = layer.document->findObject(layer.document->root(), name, name))
            found = readInto(layer, *node, object) || found;
    return found;
}

bool ConfigReader::readClassContents(const std::string& className, const std::string& objectName,
                                     ConfigurationObject& object)
{
    if (m_current == nullptr)
    {
        bool found = false;
        for (const Layer& layer : m_layers)
            if (const ConfigEntry* node = layer.document->findObject(layer.document->root(), className, objectName))
                found = readInto(layer, *node, object) || found;
        return found;
    }
    const ConfigEntry* node = m_currentLayer->document->findObject(*m_current, className, objectName);
    return node != nullptr && readInto(*m_currentLayer, *node, object);
}

bool ConfigReader::readInto(const Layer& layer, const ConfigEntry& node, ConfigurationObject& object)
{
    Restore<const Layer*> restoreLayer(m_currentLayer);
    Restore<const ConfigEntry*> restoreNode(m_current);
    Restore<std::string> restorePathText(m_pathText);
    Restore<ObjectAccount*> restoreAccount(m_account);
    Restore<Marks*> restoreMarks(m_marks);
    Restore<const ConfigEntry*> restoreLastValue(m_lastValue);
    m_marks = nullptr;
    if (m_keepsAccount)
    {
        Marks& marks = m_session.marks[layer.document.get()];
        marks.resize(layer.document->nodeCount());
        m_marks = &marks;
        markLookedUp(node);
    }
    m_currentLayer = &layer;
    m_current = &node;
    m_lastValue = nullptr;
    if (!m_pathText.empty())
        m_pathText += '/';
    m_pathText += node.name;
    m_account = m_keepsAccount ? &m_session.objects[m_pathText] : nullptr;
    // A locked object loads nothing; what a user file holds for it is refused.
    if (!object.isEditable())
    {
        refuseLockedObject();
        return true;
    }
    object.loadContent(*this);
    if (m_keepsAccount)
        reportUnknownEntries(object);
    return true;
}

bool ConfigReader::readsUserFile() const
{
    return m_currentLayer != nullptr && m_currentLayer->origin == Origin::UserFile;
}

int ConfigReader::readEditable(bool& editable)
{
    if (m_current == nullptr)
        return NotFound;
    editable = readsUserFile() || m_current->editable;
    if (!editable && m_keepsAccount)
        m_session.locks.emplace(currentPath(), siteOf(*m_current));
    return Found;
}

template <class T>
int ConfigReader::readTyped(const std::string& key, T& value, bool& editable)
{
    if (m_current == nullptr)
        return NotFound;
    const ConfigEntry* node = lookUpValue(key);
    m_lastValue = node;
    if (node == nullptr)
    {
        // A name an object asks for counts as known even where it is missing (a colour
        // component), so that a misspelt one can be pointed to it.
        if (m_keepsAccount)
            m_account->absentKeys.insert(key);
        return NotFound;
    }
    if (m_keepsAccount)
        markLookedUp(*node);
    editable = readsUserFile() || node->editable;
    if (!editable && m_keepsAccount)
        m_session.locks.emplace(placeKey(currentPath(), key), siteOf(*node));
    const char* expectedType = ConfigValueText::typeName<T>();
    // A warning names the place and the key but never shows a value, stored or kept: any value
    // may be a secret to the person who wrote it.
    if (node->type != expectedType)
    {
        addFinding(*node, key, "stored as " + ConfigDocument::printable(node->type) + ", expected " + expectedType +
                                   "; the value stays as it was");
        return Invalid;
    }
    if (!ConfigValueText::parse(node->text, value))
    {
        addFinding(*node, key, std::string("the stored text is not a valid ") + expectedType + "; the value stays as it was");
        return Invalid;
    }
    return Found;
}


ConfigReader::Site ConfigReader::siteOf(const ConfigEntry& node) const
{
    return {m_currentLayer->document.get(), &node};
}

// "file:line" of the lock that fixes `key` of the object being read: its own, or that of the
// nearest locked object around it; empty when nothing locks it.
std::string ConfigReader::lockOf(const std::string& key) const
{
    std::string path = currentPath();
    auto found = m_session.locks.find(placeKey(path, key));
    while (found == m_session.locks.end() && !path.empty())
    {
        found = m_session.locks.find(path);
        const std::size_t slash = path.rfind('/');
        path = slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    if (found == m_session.locks.end())
    {
        // An object can lock itself because of what it holds (a colour with one locked component).
        const std::string inside = currentPath();
        found = std::find_if(m_session.locks.begin(), m_session.locks.end(), [&inside](const auto& lock) {
            return lock.first.compare(0, inside.size() + 1, inside + "\n") == 0 ||
                   lock.first.compare(0, inside.size() + 1, inside + "/") == 0;
        });
    }
    if (found == m_session.locks.end())
        return "a system file";
    const Site& site = found->second;
    return site.document->sourceName() + ":" + std::to_string(site.document->positionOf(*site.entry).line);
}

void ConfigReader::addFinding(const ConfigEntry& node, const std::string& key, const std::string& message)
{
    if (!m_keepsAccount)
        return;
    const ConfigDocument& document = *m_currentLayer->document;
    const ConfigDocument::Position position = document.positionOf(node);
    ConfigurationFinding finding;
    finding.file = document.sourceName();
    finding.line = position.line;
    finding.column = position.column;
    // Names come from the file: a control byte in one must not break the line a tool prints.
    finding.group = ConfigDocument::printable(currentPath());
    finding.key = ConfigDocument::printable(key);
    finding.message = message;
    auto& findings = m_session.findings;
    if (std::find(findings.begin(), findings.end(), finding) == findings.end())
        findings.push_back(std::move(finding));
}

// Values are almost always noted right after their read, which found the node already.
const ConfigEntry* ConfigReader::valueNode(const std::string& key) const
{
    if (m_current == nullptr)
        return nullptr;
    if (m_lastValue != nullptr && m_lastValue->name == key)
        return m_lastValue;
    return m_currentLayer->document->findValue(*m_current, key);
}

void ConfigReader::noteValueTaken(const std::string& key)
{
    const ConfigEntry* node = m_keepsAccount ? valueNode(key) : nullptr;
    if (node == nullptr)
        return;
    (*m_marks)[node->ordinal] |= Taken;
}

void ConfigReader::noteValueRefused(const ConfigurationValueBase& value)
{
    const ConfigEntry* node = m_keepsAccount ? valueNode(value.getName()) : nullptr;
    if (node == nullptr)
        return;
    if (value.getPersistence() == Persistences::RuntimeValue)
        addFinding(*node, value.getName(), "a run-time value is never read from a file; ignored");
    else if (readsUserFile() && value.getPersistence() == Persistences::AdminSetting)
        addFinding(*node, value.getName(), "an administrator value is read from system files only; ignored");
    else if (readsUserFile() && !value.isEditable())
        addFinding(*node, value.getName(), "ignored: the value is locked at " + lockOf(value.getName()));
}

void ConfigReader::noteOutsideRule(const std::string& key, const std::string& rule, const std::string& stored,
                                   const std::string& loaded)
{
    const ConfigEntry* node = valueNode(key);
    if (node == nullptr)
        return;
    addFinding(*node, key,
               stored == loaded ? stored + " is outside " + rule + "; kept as stored"
                                : stored + " is outside " + rule + "; repaired to " + loaded);
}

void ConfigReader::reportProblem(const std::string& key, const std::string& message)
{
    if (m_current == nullptr)
        return;
    const ConfigEntry* node = key.empty() ? nullptr : m_currentLayer->document->findValue(*m_current, key);
    addFinding(node != nullptr ? *node : *m_current, key, message);
}

void ConfigReader::refuseLockedObject()
{
    if (!readsUserFile() || !m_keepsAccount)
        return;
    const std::string lock = lockOf({});
    for (const ConfigEntry& child : m_currentLayer->document->children(*m_current))
        addFinding(child, std::string(child.name), "ignored: " + currentPath() + " is locked at " + lock);
}

void ConfigReader::reportUnknownEntries(const ConfigurationObject& object)
{
    reportUnknownAttributes(*m_current, {});
    const ConfigDocument& document = *m_currentLayer->document;
    // Known: what the object declares, and whatever its load looked up (a colour reads its own
    // components, a group its own children).
    const auto declares = [&object](const ConfigEntry& child) {
        const std::string name(child.name);
        return child.kind == ConfigNode::Kind::Value ? object.getConfigurationValue(name) != nullptr
                                                     : object.getConfigurationObject(name) != nullptr;
    };
    const auto knownNames = [this, &object, &document](bool values) {
        std::vector<std::string> known;
        if (values)
            for (const auto& value : object.getConfigurationValues())
                known.push_back(value->getName());
        else
            for (const auto& child : object.getConfigurationObjects())
                known.push_back(child->getName());
        for (const ConfigEntry& child : document.children(*m_current))
            if ((child.kind == ConfigNode::Kind::Value) == values && wasLookedUp(child))
                known.emplace_back(child.name);
        if (values)
            known.insert(known.end(), m_account->absentKeys.begin(), m_account->absentKeys.end());
        return known;
    };
    for (const ConfigEntry& child : document.children(*m_current))
    {
        const bool isValue = child.kind == ConfigNode::Kind::Value;
        if (!wasLookedUp(child) && !declares(child))
            addFinding(child, std::string(child.name),
                       std::string(isValue ? "unknown key" : "unknown object") + ", kept as it is" +
                           didYouMean(std::string(child.name), knownNames(isValue)));
        else if (isValue && child.unknownCount != 0)
            reportUnknownAttributes(child, std::string(child.name));
    }
}

void ConfigReader::reportUnknownAttributes(const ConfigEntry& node, const std::string& key)
{
    const bool isValue = node.kind == ConfigNode::Kind::Value;
    const std::vector<std::string>& known = isValue ? s_valueAttributes : s_objectAttributes;
    const ConfigDocument& document = *m_currentLayer->document;
    for (auto attribute = document.unknownAttributesBegin(node); attribute != document.unknownAttributesEnd(node);
         ++attribute)
    {
        const std::string name(attribute->name);
        addFinding(node, key, "unknown attribute \"" + name + "\", ignored" + didYouMean(name, known));
    }
}

int ConfigReader::readFloat(const std::string& key, float& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, int& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, unsigned int& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, bool& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, double& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, float& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, std::string& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readSecretValue(const std::string& key, std::string& value, bool& editable)
{
    return readTyped(key, value, editable);
}

std::vector<std::string> ConfigReader::warnings() const
{
    std::vector<std::string> lines;
    for (const ConfigurationFinding& finding : m_session.findings)
        lines.push_back(finding.toString());
    return lines;
}

ValueOrigin ConfigReader::originOf(const std::string& path, const std::string& key) const
{
    // The last file whose value a read took.
    for (auto layer = m_layers.rbegin(); layer != m_layers.rend(); ++layer)
    {
        const ConfigDocument& document = *layer->document;
        const ConfigEntry* value = findByPath(document, path, key);
        if (value == nullptr || !hasMark(document, *value, Taken))
            continue;
        ValueOrigin origin;
        origin.source =
            layer->origin == Origin::UserFile ? ValueOrigin::Source::UserFile : ValueOrigin::Source::SystemFile;
        origin.file = document.sourceName();
        origin.line = document.positionOf(*value).line;
        return origin;
    }
    return {};
}

const ConfigEntry* ConfigReader::findByPath(const ConfigDocument& document, const std::string& path,
                                            const std::string& key)
{
    const ConfigEntry* object = &document.root();
    for (std::size_t start = 0; object != nullptr && start <= path.size();)
    {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        const std::string_view name(path.data() + start, slash - start);
        // A path names objects only; one whose class is its name is the one a group reads.
        const auto children = document.children(*object);
        const auto found = std::find_if(children.begin(), children.end(), [name](const ConfigEntry& child) {
            return child.kind == ConfigNode::Kind::Object && child.name == name;
        });
        const ConfigEntry* named = document.findObject(*object, name, name);
        object = named != nullptr ? named : found == children.end() ? nullptr : &*found;
        start = slash + 1;
    }
    return object != nullptr ? document.findValue(*object, key) : nullptr;
}

void ConfigReader::markLookedUp(const ConfigEntry& node) { (*m_marks)[node.ordinal] |= LookedUp; }

bool ConfigReader::wasLookedUp(const ConfigEntry& node) const { return ((*m_marks)[node.ordinal] & LookedUp) != 0; }

bool ConfigReader::wasLookedUp(const ConfigDocument& document, const ConfigEntry& node) const
{
    return hasMark(document, node, LookedUp);
}

bool ConfigReader::hasMark(const ConfigDocument& document, const ConfigEntry& node, Mark mark) const
{
    const auto found = m_session.marks.find(&document);
    return found != m_session.marks.end() && node.ordinal < found->second.size() &&
           (found->second[node.ordinal] & mark) != 0;
}

const ConfigEntry* ConfigReader::lookUpValue(const std::string& key) const
{
    const ConfigDocument& document = *m_currentLayer->document;
    const ConfigEntry* next = m_lastValue != nullptr ? document.nextSibling(*m_lastValue, *m_current)
                                                     : document.firstChild(*m_current);
    if (next != nullptr && next->kind == ConfigNode::Kind::Value && next->name == key)
        return next;
    return document.findValue(*m_current, key);
}

std::vector<std::string> ConfigReader::getObjectNames() const
{
    std::vector<std::string> names;
    for (const Layer& layer : m_layers)
        for (const ConfigEntry& child : layer.document->children(layer.document->root()))
            if (child.kind == ConfigNode::Kind::Object &&
                std::find(names.begin(), names.end(), child.name) == names.end())
                names.emplace_back(child.name);
    return names;
}

bool ConfigReader::findStoredValue(const std::string& objectName, const std::string& key, std::string& type,
                                   std::string& text) const
{
    for (auto layer = m_layers.rbegin(); layer != m_layers.rend(); ++layer)
    {
        const ConfigDocument& document = *layer->document;
        const ConfigEntry* object = document.findObject(document.root(), objectName, objectName);
        const ConfigEntry* value = object != nullptr ? document.findValue(*object, key) : nullptr;
        if (value != nullptr)
        {
            type = value->type;
            text = value->text;
            return true;
        }
    }
    return false;
}

}  // namespace Quarvane
