#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    // until the end, but never past the limit.
    bytes = file.read(file.size() + 1);
    while (bytes.size() <= limit)
    {
        const QByteArray more = file.read(std::min<qint64>(64 * 1024, limit + 1 - bytes.size()));
        if (more.isEmpty())
            break;
        bytes += more;
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
}  // namespace

ConfigReader::ConfigReader() : m_warnings(std::make_shared<std::vector<std::string>>()) {}

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
    Restore<std::vector<std::string>> restorePath(m_path);
    node.visited = true;
    m_currentLayer = &layer;
    m_current = &node;
    m_path.push_back(node.name);
    object.loadContent(*this);
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
    return Found;
}

template <class T>
int ConfigReader::readTyped(const std::string& key, T& value, bool& editable)
{
    if (m_current == nullptr)
        return NotFound;
    const ConfigNode* node = m_current->findValue(key);
    if (node == nullptr)
        return NotFound;
    node->visited = true;
    editable = readsUserFile() || node->editable;
    const char* expectedType = ConfigValueText::typeName<T>();
    // A warning names the place and the key but never shows a value, stored or kept: any value
    // may be a secret to the person who wrote it.
    if (node->type != expectedType)
    {
        m_warnings->push_back(describeCurrentPlace(*node) + key + ": stored as " + ConfigDocument::printable(node->type) + ", expected " +
                              expectedType + "; the value stays as it was");
        return Invalid;
    }
    if (!ConfigValueText::parse(node->text, value))
    {
        m_warnings->push_back(describeCurrentPlace(*node) + key + ": the stored text is not a valid " + expectedType +
                              "; the value stays as it was");
        return Invalid;
    }
    return Found;
}

std::string ConfigReader::describeCurrentPlace(const ConfigNode& node) const
{
    std::string place = m_currentLayer->document->sourceName() + ":" + std::to_string(node.line) + ":" +
                        std::to_string(node.column) + ": ";
    for (const std::string& object : m_path)
        place += ConfigDocument::printable(object) + "/";
    return place;
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
