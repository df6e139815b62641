#pragma once

#include <QtCore/QByteArray>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace Quarvane
{

// One element of a configuration file: the root, an object or a value. Only the reader and the
// writer see this tree; everything else knows configuration files through them.
struct ConfigNode
{
    enum class Kind
    {
        Root,
        Object,
        Value
    };

    Kind kind = Kind::Root;
    std::string name;       // an object's name or a value's key
    std::string className;  // objects only; empty when it is the object's name
    std::string type;       // values only
    std::string text;       // values only, decoded
    std::string description;
    bool editable = true;
    long long line = 0;
    long long column = 0;
    // The node's number in its document, in file order (the root is 0), so that a reader can
    // keep what it looked up beside the document instead of in it. 0 in trees being written.
    std::size_t ordinal = 0;
    std::vector<std::unique_ptr<ConfigNode>> children;
    // Attributes the format does not know, in file order, as the file gives them: a load reports
    // them, and a file written back from the tree keeps them.
    struct Attribute
    {
        std::string name;
        std::string value;
    };
    std::vector<Attribute> unknownAttributes;

    const std::string& effectiveClassName() const { return className.empty() ? name : className; }
    const ConfigNode* findValue(const std::string& key) const;
    const ConfigNode* findObject(const std::string& className, const std::string& name) const;
    ConfigNode* findSame(const ConfigNode& other);
    const ConfigNode* findSame(const ConfigNode& other) const;
    // Adds a child; false (and nothing added) when a child of the same kind and name exists.
    bool addChild(std::unique_ptr<ConfigNode> child);
    // Adds a child, replacing one of the same kind and name.
    ConfigNode* putChild(std::unique_ptr<ConfigNode> child);
    // Removes the child of the same kind and name as `like`; false when there is none.
    bool removeChild(const ConfigNode& like);
    std::unique_ptr<ConfigNode> copy() const;

private:
    using Index = std::unordered_map<std::string, std::size_t>;
    // Values are found by their key as it stands, objects by class and name; two indexes spare a
    // value's lookup from building a combined string.
    static std::string objectKey(const std::string& className, const std::string& name);
    const Index& indexOf(const ConfigNode& child) const { return child.kind == Kind::Value ? m_values : m_objects; }
    Index& indexOf(const ConfigNode& child) { return child.kind == Kind::Value ? m_values : m_objects; }
    std::string keyOf(const ConfigNode& child) const;
    Index m_values;
    Index m_objects;
};

// A parsed configuration file.
class ConfigDocument
{
public:
    // Parses the whole file or nothing: on failure returns null and sets `error` to
    // "source:line:column: what".
    static std::shared_ptr<ConfigDocument> parse(const QByteArray& bytes, const std::string& sourceName,
                                                 std::string* error);
    static QByteArray serialize(const ConfigNode& root);
    // A document holding the children of `root`, as if they had been parsed from `sourceName`.
    static std::shared_ptr<ConfigDocument> adopt(std::unique_ptr<ConfigNode> root, const std::string& sourceName);
    // A name for a message, with control characters shown as \xNN.
    static std::string printable(const std::string& name);

    const ConfigNode& root() const { return m_root; }
    const std::string& sourceName() const { return m_sourceName; }
    // The number of nodes, the root included: one more than the largest ordinal.
    std::size_t nodeCount() const { return m_nodeCount; }

    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 s_maximumFileSize = 64 * 1024 * 1024;
    // Files nested deeper than this (the root counts as one level) are refused. Real files use
    // three or four; the limit keeps every walk over a parsed tree shallow.
    static constexpr std::size_t s_maximumDepth = 64;

private:
    void numberNodes();

    ConfigNode m_root;
    std::string m_sourceName;
    std::size_t m_nodeCount = 1;
};

}  // namespace Quarvane
