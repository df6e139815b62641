#pragma once

#include <QtCore/QByteArray>

#include <cstdint>
#include <cstddef>
#include <deque>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Quarvane
{

// One element of a configuration file being written or edited: the root, an object or a value.
// Only the framework sees this tree; everything else knows configuration files through the reader
// and the writer.
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
    long long line = 0;  // in trees copied from a file with their places; else 0
    long long column = 0;
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
    ConfigNode* findChild(Kind kind, std::string_view className, std::string_view name);
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

// One element of a parsed file. Entries stand in file order, so an entry's subtree is the run of
// entries up to `end`, and its first child, if any, is the next entry.
struct ConfigEntry
{
    ConfigNode::Kind kind = ConfigNode::Kind::Root;
    bool editable = true;
    std::uint32_t ordinal = 0;  // its place in the document; the root is 0
    std::uint32_t parent = 0;
    std::uint32_t end = 1;      // one past the last entry of its subtree
    std::uint32_t offset = 0;   // of its element's name; it stands at the '>' that ends the start tag
    std::uint32_t firstUnknown = 0;
    std::uint32_t unknownCount = 0;
    std::string_view name;       // an object's name or a value's key
    std::string_view className;  // objects only; empty when it is the object's name
    std::string_view type;       // values only
    std::string_view text;       // values only, decoded
    std::string_view description;

    std::string_view effectiveClassName() const { return className.empty() ? name : className; }
    bool hasChildren() const { return end > ordinal + 1; }
};

// A parsed configuration file, kept as parsed: every entry's names and text are views of the
// file's own bytes, parsed in place, and only text with references, CDATA or base64 is decoded
// into storage of its own. Lines and columns are worked out only when a message or an origin
// asks for one, and the tree form that saves and editors change is built only when they ask.
class ConfigDocument
{
public:
    using Kind = ConfigNode::Kind;

    struct Attribute
    {
        std::string_view name;
        std::string_view value;
    };

    using Entry = ConfigEntry;

    // The children of an entry, in file order.
    class Children
    {
    public:
        class Iterator
        {
        public:
            using iterator_category = std::forward_iterator_tag;
            using value_type = Entry;
            using difference_type = std::ptrdiff_t;
            using pointer = const Entry*;
            using reference = const Entry&;

            Iterator(const std::vector<Entry>& entries, std::uint32_t at) : m_entries(&entries), m_at(at) {}
            const Entry& operator*() const { return (*m_entries)[m_at]; }
            const Entry* operator->() const { return &(*m_entries)[m_at]; }
            Iterator& operator++()
            {
                m_at = (*m_entries)[m_at].end;
                return *this;
            }
            bool operator==(const Iterator& other) const { return m_at == other.m_at; }
            bool operator!=(const Iterator& other) const { return m_at != other.m_at; }

        private:
            const std::vector<Entry>* m_entries;
            std::uint32_t m_at;
        };

        Children(const std::vector<Entry>& entries, const Entry& parent) : m_entries(entries), m_parent(parent) {}
        Iterator begin() const { return {m_entries, m_parent.ordinal + 1}; }
        Iterator end() const { return {m_entries, m_parent.end}; }

    private:
        const std::vector<Entry>& m_entries;
        const Entry& m_parent;
    };

    struct Position
    {
        long long line = 1;
        long long column = 1;
    };

    ConfigDocument();
    ~ConfigDocument();

    // Parses the whole file or nothing: on failure returns null and sets `error` to
    // "source:line:column: what".
    static std::shared_ptr<ConfigDocument> parse(const QByteArray& bytes, const std::string& sourceName,
                                                 std::string* error);
    static QByteArray serialize(const ConfigNode& root);
    // A document holding the children of `root`, as if they had been parsed from `sourceName`.
    static std::shared_ptr<ConfigDocument> adopt(std::unique_ptr<ConfigNode> root, const std::string& sourceName);
    // A name for a message, with control characters shown as \xNN.
    static std::string printable(std::string_view name);

    const Entry& root() const { return m_entries.front(); }
    const std::string& sourceName() const { return m_sourceName; }
    // The number of entries, the root included: one more than the largest ordinal.
    std::size_t nodeCount() const { return m_entries.size(); }
    Children children(const Entry& parent) const { return {m_entries, parent}; }
    const Entry* firstChild(const Entry& parent) const
    {
        return parent.hasChildren() ? &m_entries[parent.ordinal + 1] : nullptr;
    }
    const Entry* nextSibling(const Entry& entry, const Entry& parent) const
    {
        return entry.end < parent.end ? &m_entries[entry.end] : nullptr;
    }
    // Attributes the format does not know, in file order.
    const Attribute* unknownAttributesBegin(const Entry& entry) const { return m_unknown.data() + entry.firstUnknown; }
    const Attribute* unknownAttributesEnd(const Entry& entry) const
    {
        return m_unknown.data() + entry.firstUnknown + entry.unknownCount;
    }
    const Entry* findValue(const Entry& parent, std::string_view key) const;
    const Entry* findObject(const Entry& parent, std::string_view className, std::string_view name) const;
    // Where the entry stands in the file; line 0 for documents that were not parsed from one.
    Position positionOf(const Entry& entry) const;

    // The document as a tree, built on the first call and then shared.
    std::shared_ptr<const ConfigNode> tree() const;
    // A tree of its own of the entry's subtree; `withPlaces` also copies lines and columns.
    std::unique_ptr<ConfigNode> copyTree(const Entry& entry, bool withPlaces) const;

    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 s_maximumFileSize = 64 * 1024 * 1024;
    // Files nested deeper than this (the root counts as one level) are refused. Real files use
    // three or four; the limit keeps every walk over a parsed tree shallow.
    static constexpr std::size_t s_maximumDepth = 64;

private:
    class Parser;

    // Finds entries by parent, kind and name: open addressing over entry numbers, sized to the
    // document, so that indexing a file costs no allocation per entry.
    class Index
    {
    public:
        // Room for that many entries; the index is empty after it.
        void reserve(std::size_t entries);
        // Adds the entry; false when its parent already holds one of the same kind and name.
        bool insert(const std::vector<Entry>& entries, std::uint32_t ordinal);
        const Entry* find(const std::vector<Entry>& entries, std::uint32_t parent, Kind kind,
                          std::string_view className, std::string_view name) const;

    private:
        void grow(const std::vector<Entry>& entries);
        std::vector<std::uint32_t> m_slots;  // entry numbers; 0 (the root) marks a free slot
        std::size_t m_used = 0;
    };

    std::vector<Entry> m_entries;
    std::vector<Attribute> m_unknown;
    Index m_index;
    std::string m_sourceName;
    QByteArray m_original;  // for lines and columns
    QByteArray m_buffer;    // parsed in place; the entries' views point into it
    std::deque<std::string> m_decoded;
    std::shared_ptr<const ConfigNode> m_adopted;
    mutable std::once_flag m_treeBuilt;
    mutable std::shared_ptr<const ConfigNode> m_tree;
    mutable std::once_flag m_linesFound;
    mutable std::vector<std::uint32_t> m_lineStarts;
};

}  // namespace Quarvane
