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

// Reads a configuration file, which must be a regular file (or a link to one) of bounded size:
// a pipe would block the load for ever and a device such as /dev/zero would never end. The type
// is checked on the opened file, so the file cannot be swapped for something else in between.
bool readRegularFile(const std::string& path, QByteArray& bytes, std::string& problem)
{
    const qint64 limit = ConfigDocument::s_maximumFileSize;
    QFile file;
#ifdef Q_OS_UNIX
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
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
    {
        problem = std::string("is ") + describeFileType(status.st_mode) + ", not a regular file";
        ::close(descriptor);
        return false;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    {
        problem = "cannot be read: " + file.errorString().toStdString();
        ::close(descriptor);
        return false;
    }
#else
    file.setFileName(QString::fromStdString(path));
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
#endif
    if (file.size() > limit)
    {
        problem = "is larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    // The size is only a hint (a file may grow while it is read, and some report none): read on
    // until the end, but never past the limit. A read that returns less than it asked for has
    // reached the end; asking once more would only allocate a buffer for nothing.
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

std::shared_ptr<const ConfigNode> ConfigReader::singleRoot() const
{
    if (m_layers.size() != 1)
        return nullptr;
    const std::shared_ptr<const ConfigDocument>& document = m_layers.front().document;
    return std::shared_ptr<const ConfigNode>(document, &document->root());
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
        if (const ConfigNode* node = layer.document->root().findObject(name, name))
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
            if (const ConfigNode* node = layer.document->root().findObject(className, objectName))
                found = readInto(layer, *node, object) || found;
        return found;
    }
    const ConfigNode* node = m_current->findObject(className, objectName);
    return node != nullptr && readInto(*m_currentLayer, *node, object);
}

bool ConfigReader::readInto(const Layer& layer, const ConfigNode& node, ConfigurationObject& object)
{
    Restore<const Layer*> restoreLayer(m_currentLayer);
    Restore<const ConfigNode*> restoreNode(m_current);
    Restore<std::string> restorePathText(m_pathText);
    Restore<ObjectAccount*> restoreAccount(m_account);
    Restore<std::vector<bool>*> restoreLookedUp(m_lookedUp);
    Restore<const ConfigNode*> restoreLastValue(m_lastValue);
    m_lookedUp = nullptr;
    if (m_keepsAccount)
    {
        std::vector<bool>& lookedUp = m_session.lookedUp[layer.document.get()];
        lookedUp.resize(layer.document->nodeCount());
        m_lookedUp = &lookedUp;
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
    if (m_account != nullptr)
        m_account->taken.reserve(object.getConfigurationValues().size());
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
    const ConfigNode* node = m_current->findValue(key);
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


ConfigReader::Site ConfigReader::siteOf(const ConfigNode& node) const
{
    return {m_currentLayer->document->sourceName(), node.line};
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
    return found == m_session.locks.end() ? std::string("a system file")
                                          : found->second.file + ":" + std::to_string(found->second.line);
}

void ConfigReader::addFinding(const ConfigNode& node, const std::string& key, const std::string& message)
{
    if (!m_keepsAccount)
        return;
    ConfigurationFinding finding;
    finding.file = m_currentLayer->document->sourceName();
    finding.line = node.line;
    finding.column = node.column;
    // Names come from the file: a control byte in one must not break the line a tool prints.
    finding.group = ConfigDocument::printable(currentPath());
    finding.key = ConfigDocument::printable(key);
    finding.message = message;
    auto& findings = m_session.findings;
    if (std::find(findings.begin(), findings.end(), finding) == findings.end())
        findings.push_back(std::move(finding));
}

// Values are almost always noted right after their read, which found the node already.
const ConfigNode* ConfigReader::valueNode(const std::string& key) const
{
    if (m_current == nullptr)
        return nullptr;
    if (m_lastValue != nullptr && m_lastValue->name == key)
        return m_lastValue;
    return m_current->findValue(key);
}

void ConfigReader::noteValueTaken(const std::string& key)
{
    const ConfigNode* node = m_keepsAccount ? valueNode(key) : nullptr;
    if (node == nullptr)
        return;
    m_account->taken[node->name] = {node, m_currentLayer->document.get(), m_currentLayer->origin};
}

void ConfigReader::noteValueRefused(const ConfigurationValueBase& value)
{
    const ConfigNode* node = m_keepsAccount ? valueNode(value.getName()) : nullptr;
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
    const ConfigNode* node = valueNode(key);
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
    const ConfigNode* node = key.empty() ? nullptr : m_current->findValue(key);
    addFinding(node != nullptr ? *node : *m_current, key, message);
}

void ConfigReader::refuseLockedObject()
{
    if (!readsUserFile() || !m_keepsAccount)
        return;
    const std::string lock = lockOf({});
    for (const auto& child : m_current->children)
        addFinding(*child, child->name, "ignored: " + currentPath() + " is locked at " + lock);
}

void ConfigReader::reportUnknownEntries(const ConfigurationObject& object)
{
    reportUnknownAttributes(*m_current, {});
    // Known: what the object declares, and whatever its load looked up (a colour reads its own
    // components, a group its own children).
    const auto declares = [&object](const ConfigNode& child) {
        return child.kind == ConfigNode::Kind::Value ? object.getConfigurationValue(child.name) != nullptr
                                                     : object.getConfigurationObject(child.name) != nullptr;
    };
    const auto knownNames = [this, &object](bool values) {
        std::vector<std::string> known;
        if (values)
            for (const auto& value : object.getConfigurationValues())
                known.push_back(value->getName());
        else
            for (const auto& child : object.getConfigurationObjects())
                known.push_back(child->getName());
        for (const auto& child : m_current->children)
            if ((child->kind == ConfigNode::Kind::Value) == values && wasLookedUp(*child))
                known.push_back(child->name);
        if (values)
            known.insert(known.end(), m_account->absentKeys.begin(), m_account->absentKeys.end());
        return known;
    };
    for (const auto& child : m_current->children)
    {
        const bool isValue = child->kind == ConfigNode::Kind::Value;
        if (!wasLookedUp(*child) && !declares(*child))
            addFinding(*child, child->name,
                       std::string(isValue ? "unknown key" : "unknown object") + ", kept as it is" +
                           didYouMean(child->name, knownNames(isValue)));
        else if (isValue && !child->unknownAttributes.empty())
            reportUnknownAttributes(*child, child->name);
    }
}

void ConfigReader::reportUnknownAttributes(const ConfigNode& node, const std::string& key)
{
    const bool isValue = node.kind == ConfigNode::Kind::Value;
    const std::vector<std::string>& known = isValue ? s_valueAttributes : s_objectAttributes;
    for (const ConfigNode::Attribute& attribute : node.unknownAttributes)
        addFinding(node, key,
                   "unknown attribute \"" + attribute.name + "\", ignored" + didYouMean(attribute.name, known));
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
    const auto object = m_session.objects.find(path);
    if (object == m_session.objects.end())
        return {};
    const auto found = object->second.taken.find(key);
    if (found == object->second.taken.end())
        return {};
    const Taken& taken = found->second;
    ValueOrigin origin;
    origin.source = taken.origin == Origin::UserFile ? ValueOrigin::Source::UserFile : ValueOrigin::Source::SystemFile;
    origin.file = taken.document->sourceName();
    origin.line = taken.node->line;
    return origin;
}

void ConfigReader::markLookedUp(const ConfigNode& node) { (*m_lookedUp)[node.ordinal] = true; }

bool ConfigReader::wasLookedUp(const ConfigNode& node) const { return (*m_lookedUp)[node.ordinal]; }

bool ConfigReader::wasLookedUp(const ConfigDocument& document, const ConfigNode& node) const
{
    const auto found = m_session.lookedUp.find(&document);
    return found != m_session.lookedUp.end() && node.ordinal < found->second.size() && found->second[node.ordinal];
}

std::vector<std::string> ConfigReader::getObjectNames() const
{
    std::vector<std::string> names;
    for (const Layer& layer : m_layers)
        for (const auto& child : layer.document->root().children)
            if (child->kind == ConfigNode::Kind::Object &&
                std::find(names.begin(), names.end(), child->name) == names.end())
                names.push_back(child->name);
    return names;
}

bool ConfigReader::findStoredValue(const std::string& objectName, const std::string& key, std::string& type,
                                   std::string& text) const
{
    for (auto layer = m_layers.rbegin(); layer != m_layers.rend(); ++layer)
    {
        const ConfigNode* object = layer->document->root().findObject(objectName, objectName);
        const ConfigNode* value = object != nullptr ? object->findValue(key) : nullptr;
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
