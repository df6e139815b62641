#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QXmlStreamWriter>

#include <boost/locale/utf.hpp>
#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace Quarvane
{
namespace
{
const char s_rootElement[] = "QuarvaneConfiguration";
const char s_objectElement[] = "object";
const char s_valueElement[] = "value";
const char s_formatVersion[] = "1";

// QString::fromUtf8 drops a byte order mark at the start of the text. In a name it is a character
// like any other: dropped, it could turn a key the file holds twice over into one that repeats.
QString fromStd(const std::string& text)
{
    static const std::string byteOrderMark = "\xEF\xBB\xBF";
    QString marks;
    std::size_t start = 0;
    for (; text.compare(start, byteOrderMark.size(), byteOrderMark) == 0; start += byteOrderMark.size())
        marks += QChar(0xFEFF);
    return marks + QString::fromUtf8(text.data() + start, static_cast<int>(text.size() - start));
}

// Names shown in messages are printable: a control character appears as \xNN.
QString escaped(QStringView text)
{
    QString shown;
    for (const QChar character : text)
    {
        if (character.unicode() < 0x20 || character.unicode() == 0x7f)
            shown += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += character;
    }
    return shown;
}

QString escaped(const std::string& text) { return escaped(fromStd(text)); }

struct Position
{
    long long line = 1;
    long long column = 1;
};

bool isUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Line and column of a byte offset, counting characters, not bytes. The parse walks its nodes in
// file order, so each position continues from the one before and the file is scanned once.
class PositionCursor
{
public:
    explicit PositionCursor(const QByteArray& bytes) : m_bytes(bytes) {}

    Position at(std::size_t offset)
    {
        offset = std::min(offset, static_cast<std::size_t>(m_bytes.size()));
        if (offset < m_offset)
        {
            m_offset = 0;
            m_position = Position();
        }
        const char* const data = m_bytes.constData();
        const char* lineStart = nullptr;
        for (const char* newline = data + m_offset;
             (newline = static_cast<const char*>(std::memchr(newline, '\n', offset - (newline - data)))) != nullptr;
             ++newline)
        {
            ++m_position.line;
            lineStart = newline + 1;
        }
        if (lineStart != nullptr)
        {
            m_position.column = 1;
            m_offset = static_cast<std::size_t>(lineStart - data);
        }
        m_position.column += countCharacters(data + m_offset, data + offset);
        m_offset = offset;
        return m_position;
    }

private:
    // Bytes less UTF-8 continuation bytes (10xxxxxx), eight bytes at a time: a continuation
    // byte is one whose top bit is set and whose next bit, shifted into the top, is not; the
    // multiplication adds up the one bit left in each byte.
    static long long countCharacters(const char* begin, const char* end)
    {
        long long count = end - begin;
        const char* byte = begin;
        for (; end - byte >= 8; byte += 8)
        {
            std::uint64_t word;
            std::memcpy(&word, byte, sizeof word);
            const std::uint64_t continuations = (word & ~(word << 1) & 0x8080808080808080ull) >> 7;
            count -= static_cast<long long>((continuations * 0x0101010101010101ull) >> 56);
        }
        for (; byte != end; ++byte)
            count -= isUtf8Continuation(static_cast<unsigned char>(*byte));
        return count;
    }

    const QByteArray& m_bytes;
    std::size_t m_offset = 0;
    Position m_position;
};

// Eight bytes at a time while they are printable ASCII, the bulk of any configuration file.
bool eightPrintableAsciiBytes(const unsigned char* bytes)
{
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    constexpr std::uint64_t highBits = 0x8080808080808080ull;
    constexpr std::uint64_t spaces = 0x2020202020202020ull;
    const std::uint64_t belowSpace = (word - spaces) & ~word & highBits;
    return ((word & highBits) | belowSpace) == 0;
}

// The first byte that is not UTF-8 or a character XML cannot hold, and what is wrong with it.
// Finding it here lets a message show where it stands and what it is, without its text.
bool findUnreadableText(const QByteArray& bytes, std::size_t& offset, QString& what)
{
    using Utf8 = boost::locale::utf::utf_traits<char>;
    const char* const begin = bytes.constData();
    const char* const end = begin + bytes.size();
    const char* current = begin;
    while (current != end)
    {
        if (end - current >= 8 && eightPrintableAsciiBytes(reinterpret_cast<const unsigned char*>(current)))
        {
            current += 8;
            continue;
        }
        const char* const start = current;
        const boost::locale::utf::code_point code = Utf8::decode(current, end);
        if (code == boost::locale::utf::illegal || code == boost::locale::utf::incomplete)
            what = QStringLiteral("the text is not UTF-8");
        else if (code < 0x20 && code != '\t' && code != '\n' && code != '\r')
            what = QStringLiteral("the control character %1 cannot stand in the file (only in base64)")
                       .arg(escaped(QString(QChar(code))));
        if (!what.isEmpty())
        {
            offset = static_cast<std::size_t>(start - begin);
            return true;
        }
    }
    return false;
}

bool isXmlBlank(char character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\r';
}

bool isBlank(const char* text)
{
    for (; *text != '\0'; ++text)
        if (!isXmlBlank(*text))
            return false;
    return true;
}

bool isXmlCharacter(unsigned long code)
{
    return code == '\t' || code == '\n' || code == '\r' || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

void appendUtf8(std::string& target, unsigned long code)
{
    char encoded[4];
    char* const end = boost::locale::utf::utf_traits<char>::encode(static_cast<boost::locale::utf::code_point>(code),
                                                                  encoded);
    target.append(encoded, end);
}

// Resolves one reference at `text` (just after the '&') into `target`; returns its length up to
// and including the ';', or 0 for anything but XML's five entities and a character reference.
// The format declares no entities, so no other name can be resolved.
std::size_t appendReference(const char* text, std::string& target)
{
    static const std::pair<const char*, char> s_predefined[] = {
        {"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"apos;", '\''}, {"quot;", '"'}};
    for (const auto& [name, character] : s_predefined)
    {
        const std::size_t length = std::strlen(name);
        if (std::strncmp(text, name, length) == 0)
        {
            target += character;
            return length;
        }
    }
    if (text[0] != '#')
        return 0;
    const bool hexadecimal = text[1] == 'x';
    const char* const digits = text + (hexadecimal ? 2 : 1);
    const char* end = digits;
    while (hexadecimal ? std::isxdigit(static_cast<unsigned char>(*end)) : std::isdigit(static_cast<unsigned char>(*end)))
        ++end;
    if (end == digits || *end != ';' || end - digits > 8)
        return 0;
    const unsigned long code = std::strtoul(std::string(digits, end).c_str(), nullptr, hexadecimal ? 16 : 10);
    if (!isXmlCharacter(code))
        return 0;
    appendUtf8(target, code);
    return static_cast<std::size_t>(end + 1 - text);
}

// What pugixml reports, in this reader's words. pugixml never quotes the text it stumbled on, so
// nothing a value holds (a password) can appear in the message.
QString describe(const pugi::xml_parse_result& result, bool atEnd)
{
    if (atEnd)
        return QStringLiteral("Premature end of the file");
    switch (result.status)
    {
    case pugi::status_end_element_mismatch:
        return QStringLiteral("an end tag does not match the element it closes");
    case pugi::status_bad_attribute:
        return QStringLiteral("an attribute is malformed (its value must be quoted)");
    case pugi::status_bad_start_element:
    case pugi::status_unrecognized_tag:
        return QStringLiteral("a tag is malformed");
    case pugi::status_bad_doctype:
        return QStringLiteral("document type declarations are not allowed");
    case pugi::status_out_of_memory:
        return QStringLiteral("there is not enough memory to read it");
    default:
        return QString::fromLatin1(result.description());
    }
}

// pugixml parses a copy of the file in place; the walk over its tree checks everything the format
// requires and builds the ConfigNode tree. pugixml stops at the first fault in the XML but keeps
// what it parsed before it, so the walk still finds an earlier fault of the format, and the first
// fault in the file is the one reported.
class Parser
{
public:
    Parser(const QByteArray& bytes, ConfigNode& root)
        : m_bytes(bytes), m_buffer(bytes.constData(), bytes.size()), m_root(root), m_positions(bytes)
    {
        // Parsing in place, pugixml drops text at the very end of a buffer that does not end in a
        // terminator; text after the root element must reach the check below.
        m_buffer.append('\0');
    }

    bool run()
    {
        // Blanks alone in a value are its text. pugixml keeps them when they are the value's only
        // text; a comment, a processing instruction or a CDATA section can split a value's text, and
        // then every run of blanks must be kept, which costs a node for each indentation too.
        constexpr unsigned options = pugi::parse_cdata | pugi::parse_eol | pugi::parse_wconv_attribute |
                                     pugi::parse_declaration | pugi::parse_doctype | pugi::parse_fragment;
        const unsigned blanks = mayHaveSplitText() ? pugi::parse_ws_pcdata : pugi::parse_ws_pcdata_single;
        const pugi::xml_parse_result result =
            m_xml.load_buffer_inplace(m_buffer.data(), static_cast<std::size_t>(m_buffer.size()), options | blanks,
                                      pugi::encoding_utf8);
        if (!result)
            m_unfinished = lastParsedNode();
        walkDocument(!result);
        if (!result && m_error.isEmpty())
        {
            const auto offset = std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0)),
                                         static_cast<std::size_t>(m_bytes.size()));
            if (const std::size_t tag = tagInUnfinishedAttribute(); tag != 0)
                fail(tag, QStringLiteral("an attribute value runs into a tag (a < in a value is written &lt;)"));
            else if (result.status == pugi::status_bad_attribute)
                failInAttribute(offset, result);
            else
                fail(offset, describe(result, endsWithoutAnotherTag(offset)));
        }
        return m_error.isEmpty();
    }

    std::string error() const { return m_error.toStdString(); }
    Position position() const { return m_errorPosition; }

private:
    // A quote left out makes the value run on to the next quote, over the tags between; pugixml
    // may then stop far from the fault, but the value holds a <, which XML does not allow. 0 when
    // no value of the element pugixml stopped in holds one.
    std::size_t tagInUnfinishedAttribute() const
    {
        if (m_unfinished.type() != pugi::node_element)
            return 0;
        for (const pugi::xml_attribute attribute : m_unfinished.attributes())
            if (const char* value = attribute.value(); isInBuffer(value))
                if (const char* tag = std::strchr(value, '<'))
                    return offsetOf(tag);
        return 0;
    }

    // pugixml stops at the start of a value whose closing quote is missing; the fault is where the
    // value runs into the next tag.
    void failInAttribute(std::size_t offset, const pugi::xml_parse_result& result)
    {
        const char* const data = m_bytes.constData();
        const std::size_t size = static_cast<std::size_t>(m_bytes.size());
        const char quote = offset > 0 ? data[offset - 1] : '\0';
        std::size_t end = offset;
        if (quote == '"' || quote == '\'')
            while (end < size && data[end] != quote && data[end] != '<')
                ++end;
        if (end == size)
            fail(end, QStringLiteral("Premature end of the file in an attribute value"));
        else if (data[end] == '<')
            fail(end, QStringLiteral("an attribute value runs into a tag (a < in a value is written &lt;)"));
        else
            fail(offset, describe(result, endsWithoutAnotherTag(offset)));
    }

    // Whether anything but the XML declaration starts with <! or <?.
    bool mayHaveSplitText() const
    {
        const std::string_view text(m_bytes.constData(), static_cast<std::size_t>(m_bytes.size()));
        std::size_t tag = text.find('<');
        if (text.compare(tag == std::string_view::npos ? 0 : tag, 5, "<?xml") == 0)
            tag = text.find('<', tag + 1);
        for (; tag != std::string_view::npos && tag + 1 < text.size(); tag = text.find('<', tag + 1))
            if (text[tag + 1] == '!' || text[tag + 1] == '?')
                return true;
        return false;
    }

    // Whether the file ends before the tag at `offset` or the one after it is complete: a file cut
    // short, not a mistake in a whole file.
    bool endsWithoutAnotherTag(std::size_t offset) const
    {
        const std::size_t rest = static_cast<std::size_t>(m_bytes.size()) - offset;
        return rest <= 1 || std::memchr(m_bytes.constData() + offset + 1, '>', rest - 1) == nullptr;
    }

    // The node pugixml was in when it stopped; its tag or text may be cut short.
    pugi::xml_node lastParsedNode() const
    {
        pugi::xml_node node = m_xml;
        while (node.last_child())
            node = node.last_child();
        return node;
    }

    void walkDocument(bool parseFailed)
    {
        bool sawRoot = false;
        for (const pugi::xml_node child : m_xml.children())
        {
            if (child == m_unfinished && child.type() != pugi::node_doctype)
                return;
            switch (child.type())
            {
            case pugi::node_doctype:
                return fail(endOfDoctype(child), QStringLiteral("document type declarations are not allowed"));
            case pugi::node_declaration:
                if (!checkDeclaration(child))
                    return;
                break;
            case pugi::node_pcdata:
            case pugi::node_cdata:
                if (!isBlank(child.value()))
                    return fail(firstNonBlank(child.value()), sawRoot ? QStringLiteral("there is text after the root element")
                                                                       : QStringLiteral("unexpected text outside a value"));
                break;
            case pugi::node_element:
                if (sawRoot)
                    return fail(endOfStartTag(child), QStringLiteral("there is a second root element"));
                sawRoot = true;
                if (!startRoot(child))
                    return;
                walkChildren(child, m_root, 1);
                if (!m_error.isEmpty())
                    return;
                break;
            default:
                break;
            }
        }
        if (!sawRoot && !parseFailed)
            fail(static_cast<std::size_t>(m_bytes.size()), QStringLiteral("Premature end of the file: it holds no configuration"));
    }

    // <?xml version="1.x" encoding="UTF-8" standalone="yes|no"?>, each part but the version optional.
    bool checkDeclaration(const pugi::xml_node declaration)
    {
        const std::size_t end = endOfStartTag(declaration);
        if (!checkAttributeNames(declaration, end))
            return false;
        static const QRegularExpression version(QStringLiteral("^1\\.[0-9]+$"));
        for (const pugi::xml_attribute attribute : declaration.attributes())
        {
            const QString name = QString::fromUtf8(attribute.name());
            const QString value = QString::fromUtf8(attribute.value());
            if (name == QLatin1String("version") ? !version.match(value).hasMatch()
                : name == QLatin1String("encoding")
                    ? value.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0 &&
                          value.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0
                : name == QLatin1String("standalone") ? value != QLatin1String("yes") && value != QLatin1String("no")
                                                      : true)
            {
                fail(end, QStringLiteral("the XML declaration's %1 is not XML 1, UTF-8 and yes or no")
                              .arg(escaped(name)));
                return false;
            }
        }
        if (!declaration.attribute("version"))
        {
            fail(end, QStringLiteral("the XML declaration has no version"));
            return false;
        }
        return true;
    }

    bool startRoot(const pugi::xml_node element)
    {
        const std::size_t tagEnd = endOfStartTag(element);
        if (std::strcmp(element.name(), s_rootElement) != 0)
        {
            fail(tagEnd, QStringLiteral("the root element is <%1>, not <%2>")
                             .arg(escaped(QString::fromUtf8(element.name())), QLatin1String(s_rootElement)));
            return false;
        }
        if (!checkAttributeNames(element, tagEnd))
            return false;
        std::string version;
        if (const pugi::xml_attribute attribute = element.attribute("version"))
            if (!decodeAttribute(attribute, version))
                return false;
        if (!version.empty() && version != s_formatVersion)
        {
            fail(tagEnd, QStringLiteral("the format version is not %1").arg(QLatin1String(s_formatVersion)));
            return false;
        }
        setPosition(m_root, tagEnd);
        return true;
    }

    void walkChildren(const pugi::xml_node parent, ConfigNode& node, std::size_t depth)
    {
        for (const pugi::xml_node child : parent.children())
        {
            if (child == m_unfinished || !m_error.isEmpty())
                return;
            const pugi::xml_node_type type = child.type();
            if (type == pugi::node_element)
                element(child, node, depth);
            else if ((type == pugi::node_pcdata || type == pugi::node_cdata) && !isBlank(child.value()))
                fail(firstNonBlank(child.value()), QStringLiteral("unexpected text outside a value"));
        }
    }

    void element(const pugi::xml_node element, ConfigNode& parent, std::size_t depth)
    {
        const std::size_t tagEnd = endOfStartTag(element);
        if (depth >= ConfigDocument::s_maximumDepth)
            return fail(tagEnd, QStringLiteral("nested deeper than %1 levels").arg(ConfigDocument::s_maximumDepth));
        auto node = std::make_unique<ConfigNode>();
        if (std::strcmp(element.name(), s_objectElement) == 0)
            node->kind = ConfigNode::Kind::Object;
        else if (std::strcmp(element.name(), s_valueElement) == 0)
            node->kind = ConfigNode::Kind::Value;
        else
            return fail(tagEnd, QStringLiteral("unknown element <%1>").arg(escaped(QString::fromUtf8(element.name()))));
        if (!readAttributes(element, tagEnd, *node))
            return;
        setPosition(*node, tagEnd);
        ConfigNode* added = node.get();
        const QString duplicate = node->kind == ConfigNode::Kind::Value ? QStringLiteral("the key \"%1\" appears twice")
                                                                        : QStringLiteral("the object \"%1\" appears twice");
        const std::string key = node->name;
        if (!parent.addChild(std::move(node)))
            return fail(tagEnd, duplicate.arg(escaped(key)));
        if (added->kind == ConfigNode::Kind::Object)
            walkChildren(element, *added, depth + 1);
        else
            readText(element, tagEnd, *added);
    }

    bool readAttributes(const pugi::xml_node element, std::size_t tagEnd, ConfigNode& node)
    {
        const bool isValue = node.kind == ConfigNode::Kind::Value;
        std::string className;
        std::string editable;
        std::string encoding;
        struct Known
        {
            const char* name;
            std::string* target;
        };
        const Known known[] = {{isValue ? "key" : "name", &node.name},
                               {isValue ? "type" : "class", isValue ? &node.type : &className},
                               {"description", &node.description},
                               {"editable", &editable},
                               {isValue ? "encoding" : "", &encoding}};
        unsigned seen = 0;
        bool sawUnknown = false;
        for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute())
        {
            const char* const name = attribute.name();
            const auto match = std::find_if(std::begin(known), std::end(known), [name](const Known& candidate) {
                return candidate.name[0] == name[0] && std::strcmp(candidate.name, name) == 0;
            });
            if (match == std::end(known))
            {
                // Kept for the load account, and written back by a save.
                node.unknownAttributes.push_back({name, {}});
                if (!decodeAttribute(attribute, node.unknownAttributes.back().value))
                    return false;
                sawUnknown = true;
                continue;
            }
            const unsigned bit = 1u << (match - std::begin(known));
            if ((seen & bit) != 0)
                return failTwice(element, name, tagEnd);
            seen |= bit;
            if (!decodeAttribute(attribute, *match->target))
                return false;
        }
        if (sawUnknown && !checkAttributeNames(element, tagEnd))
            return false;
        const bool sawName = (seen & 1u) != 0;
        if (!sawName || (isValue && (seen & 2u) == 0))
        {
            fail(tagEnd, QStringLiteral("<%1> has no %2 attribute")
                             .arg(QLatin1String(isValue ? s_valueElement : s_objectElement),
                                  QLatin1String(!sawName ? known[0].name : known[1].name)));
            return false;
        }
        if ((seen & 8u) != 0 && editable != "true" && editable != "false")
        {
            fail(tagEnd, QStringLiteral("editable must be true or false"));
            return false;
        }
        node.editable = editable != "false";
        if (className != node.name)
            node.className = std::move(className);
        m_base64 = encoding == "base64";
        return true;
    }

    bool failTwice(const pugi::xml_node element, const char* attribute, std::size_t tagEnd)
    {
        fail(tagEnd, QStringLiteral("the attribute %1 appears twice in <%2>")
                         .arg(escaped(QString::fromUtf8(attribute)), escaped(QString::fromUtf8(element.name()))));
        return false;
    }

    // XML allows each attribute once in an element.
    bool checkAttributeNames(const pugi::xml_node element, std::size_t tagEnd)
    {
        for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute())
            for (pugi::xml_attribute later = attribute.next_attribute(); later; later = later.next_attribute())
                if (std::strcmp(attribute.name(), later.name()) == 0)
                    return failTwice(element, attribute.name(), tagEnd);
        return true;
    }

    void readText(const pugi::xml_node element, std::size_t tagEnd, ConfigNode& node)
    {
        std::string text;
        for (const pugi::xml_node child : element.children())
        {
            if (child == m_unfinished)
                return;
            if (child.type() == pugi::node_pcdata)
            {
                if (!decode(child.value(), text, false))
                    return;
            }
            else if (child.type() == pugi::node_cdata)
            {
                text += child.value();
            }
            else if (child.type() == pugi::node_element)
            {
                return fail(endOfStartTag(child),
                            QStringLiteral("unexpected element <%1>").arg(escaped(QString::fromUtf8(child.name()))));
            }
        }
        if (!m_base64)
        {
            node.text = std::move(text);
            return;
        }
        const QByteArray::FromBase64Result decoded = QByteArray::fromBase64Encoding(
            QByteArray::fromRawData(text.data(), static_cast<int>(text.size())),
            QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return fail(tagEnd, QStringLiteral("the value \"%1\" is not valid base64").arg(escaped(node.name)));
        node.text = decoded.decoded.toStdString();
    }

    bool decodeAttribute(const pugi::xml_attribute attribute, std::string& target)
    {
        return decode(attribute.value(), target, true);
    }

    // Appends `text` as it reads once its references are resolved. Text without a reference, most
    // of it, is copied as it stands.
    bool decode(const char* text, std::string& target, bool inAttribute)
    {
        const char* const special = inAttribute ? "&<" : "&]";
        const std::size_t plain = std::strcspn(text, special);
        target.append(text, plain);
        if (text[plain] == '\0')
            return true;
        for (const char* current = text + plain; *current != '\0';)
        {
            if (*current == '<')
            {
                fail(offsetOf(current), QStringLiteral("a < in an attribute value must be written &lt;"));
                return false;
            }
            if (*current == ']' && std::strncmp(current, "]]>", 3) == 0)
            {
                fail(offsetOf(current), QStringLiteral("]]> stands in a text; XML allows it only to end a CDATA section"));
                return false;
            }
            if (*current != '&')
            {
                target += *current++;
                continue;
            }
            const std::size_t length = appendReference(current + 1, target);
            if (length == 0)
            {
                fail(offsetOf(current), current[1] == '#'
                                            ? QStringLiteral("a bad character reference")
                                            : QStringLiteral("an undeclared entity (a literal & is written &amp;)"));
                return false;
            }
            current += 1 + length;
        }
        return true;
    }

    bool isInBuffer(const char* text) const
    {
        return text >= m_buffer.constData() && text <= m_buffer.constData() + m_buffer.size();
    }

    std::size_t offsetOf(const char* text) const
    {
        return isInBuffer(text) ? static_cast<std::size_t>(text - m_buffer.constData()) : 0;
    }

    std::size_t firstNonBlank(const char* text) const
    {
        while (isXmlBlank(*text))
            ++text;
        return offsetOf(text);
    }

    // The '>' that ends an element's start tag, where the old reader stood when it reported the
    // element. pugixml writes string ends into its copy, so the original bytes are searched.
    std::size_t endOfStartTag(const pugi::xml_node element) const
    {
        std::size_t from = offsetOf(element.name() + std::strlen(element.name()));
        for (const pugi::xml_attribute attribute : element.attributes())
            if (const char* value = attribute.value(); isInBuffer(value))
                from = std::max(from, offsetOf(value + std::strlen(value) + 1));
        from = std::min(from, static_cast<std::size_t>(m_bytes.size()));
        const char* const data = m_bytes.constData();
        const void* closing = std::memchr(data + from, '>', static_cast<std::size_t>(m_bytes.size()) - from);
        return closing == nullptr ? from : static_cast<std::size_t>(static_cast<const char*>(closing) - data);
    }

    std::size_t endOfDoctype(const pugi::xml_node doctype) const
    {
        const char* const value = doctype.value();
        const std::size_t from = *value == '\0' ? static_cast<std::size_t>(doctype.offset_debug())
                                                : offsetOf(value + std::strlen(value));
        const char* const data = m_bytes.constData();
        const void* closing = std::memchr(data + from, '>', static_cast<std::size_t>(m_bytes.size()) - from);
        return closing == nullptr ? from : static_cast<std::size_t>(static_cast<const char*>(closing) - data);
    }

    void setPosition(ConfigNode& node, std::size_t offset)
    {
        const Position position = m_positions.at(offset);
        node.line = position.line;
        node.column = position.column;
    }

    void fail(std::size_t offset, const QString& message)
    {
        if (!m_error.isEmpty())
            return;
        m_error = message;
        m_errorPosition = PositionCursor(m_bytes).at(offset);
    }

    const QByteArray& m_bytes;
    QByteArray m_buffer;
    pugi::xml_document m_xml;
    ConfigNode& m_root;
    PositionCursor m_positions;
    pugi::xml_node m_unfinished;
    bool m_base64 = false;
    QString m_error;
    Position m_errorPosition;
};

// XML 1.0 cannot carry most control characters, and parsers turn a carriage return into a line
// feed; such strings, and bytes that are not UTF-8, are stored in base64 so they come back whole.
bool needsBase64(const std::string& text)
{
    const QString decoded = QString::fromStdString(text);
    if (decoded.toStdString() != text)
        return true;
    for (const QChar character : decoded)
    {
        const char16_t code = character.unicode();
        if ((code < 0x20 && code != '\t' && code != '\n') || code == 0xFFFE || code == 0xFFFF)
            return true;
    }
    return false;
}

// Text that QXmlStreamWriter writes back byte for byte, once escaped: UTF-8 without control
// characters other than tab and line feed, and without the two non-characters it drops.
bool isPlainText(const std::string& text)
{
    using Utf8 = boost::locale::utf::utf_traits<char>;
    const char* current = text.data();
    const char* const end = current + text.size();
    while (current != end)
    {
        if (end - current >= 8 && eightPrintableAsciiBytes(reinterpret_cast<const unsigned char*>(current)))
        {
            current += 8;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(*current);
        if ((byte >= 0x20 && byte < 0x7f) || byte == '\t' || byte == '\n')
        {
            ++current;
            continue;
        }
        if (byte < 0x80)
            return false;
        const boost::locale::utf::code_point code = Utf8::decode(current, end);
        if (code == boost::locale::utf::illegal || code == boost::locale::utf::incomplete || code == 0xFFFE ||
            code == 0xFFFF)
            return false;
    }
    return true;
}

bool startsWithByteOrderMark(const std::string& text) { return text.compare(0, 3, "\xEF\xBB\xBF") == 0; }

// Writes what QXmlStreamWriter with auto-formatting and an indent of two writes for the same
// tree, byte for byte, without its conversions to UTF-16 and back and its many small writes.
// It handles plain text only (isPlainText); for anything else the caller uses the Qt writer.
class PlainXmlWriter
{
public:
    bool write(const ConfigNode& root)
    {
        m_bytes.reserve(4096);
        m_bytes += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<";
        m_bytes += s_rootElement;
        m_bytes += " version=\"";
        m_bytes += s_formatVersion;
        m_bytes += '"';
        if (root.children.empty())
            m_bytes += "/>";
        else
        {
            m_bytes += '>';
            for (const auto& child : root.children)
                if (!node(*child, 1))
                    return false;
            m_bytes += "\n</";
            m_bytes += s_rootElement;
            m_bytes += '>';
        }
        m_bytes += '\n';
        return true;
    }

    QByteArray take() { return std::move(m_bytes); }

private:
    bool node(const ConfigNode& node, int depth)
    {
        const bool isValue = node.kind == ConfigNode::Kind::Value;
        indent(depth);
        m_bytes += '<';
        m_bytes += isValue ? s_valueElement : s_objectElement;
        if (isValue)
        {
            if (!attribute("key", node.name) || !attribute("type", node.type))
                return false;
        }
        else if ((!node.className.empty() && !attribute("class", node.className)) || !attribute("name", node.name))
            return false;
        if (!node.editable)
            m_bytes += " editable=\"false\"";
        if (!node.description.empty() && !attribute("description", node.description))
            return false;
        for (const ConfigNode::Attribute& unknown : node.unknownAttributes)
            if (!attribute(unknown.name.c_str(), unknown.value))
                return false;
        if (isValue)
            return valueText(node.text);
        if (node.children.empty())
        {
            m_bytes += "/>";
            return true;
        }
        m_bytes += '>';
        for (const auto& child : node.children)
            if (!this->node(*child, depth + 1))
                return false;
        indent(depth);
        m_bytes += "</";
        m_bytes += s_objectElement;
        m_bytes += '>';
        return true;
    }

    bool valueText(const std::string& text)
    {
        if (!isPlainText(text) || startsWithByteOrderMark(text))
        {
            if (!needsBase64(text))
                return false;
            m_bytes += " encoding=\"base64\">";
            m_bytes += QByteArray::fromStdString(text).toBase64();
        }
        else
        {
            m_bytes += '>';
            escape(text, false);
        }
        m_bytes += "</";
        m_bytes += s_valueElement;
        m_bytes += '>';
        return true;
    }

    bool attribute(const char* name, const std::string& value)
    {
        if (!isPlainText(value))
            return false;
        m_bytes += ' ';
        m_bytes += name;
        m_bytes += "=\"";
        escape(value, true);
        m_bytes += '"';
        return true;
    }

    void escape(const std::string& text, bool inAttribute)
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i)
        {
            const char* replacement = nullptr;
            switch (text[i])
            {
            case '<': replacement = "&lt;"; break;
            case '>': replacement = "&gt;"; break;
            case '&': replacement = "&amp;"; break;
            case '"': replacement = "&quot;"; break;
            case '\t': replacement = inAttribute ? "&#9;" : nullptr; break;
            case '\n': replacement = inAttribute ? "&#10;" : nullptr; break;
            default: break;
            }
            if (replacement == nullptr)
                continue;
            m_bytes.append(text.data() + start, static_cast<int>(i - start));
            m_bytes += replacement;
            start = i + 1;
        }
        m_bytes.append(text.data() + start, static_cast<int>(text.size() - start));
    }

    void indent(int depth)
    {
        m_bytes += '\n';
        m_bytes.append(2 * depth, ' ');
    }

    QByteArray m_bytes;
};

void writeNode(QXmlStreamWriter& xml, const ConfigNode& node)
{
    const bool isValue = node.kind == ConfigNode::Kind::Value;
    xml.writeStartElement(QLatin1String(isValue ? s_valueElement : s_objectElement));
    if (isValue)
    {
        xml.writeAttribute(QStringLiteral("key"), fromStd(node.name));
        xml.writeAttribute(QStringLiteral("type"), fromStd(node.type));
    }
    else
    {
        if (!node.className.empty())
            xml.writeAttribute(QStringLiteral("class"), fromStd(node.className));
        xml.writeAttribute(QStringLiteral("name"), fromStd(node.name));
    }
    if (!node.editable)
        xml.writeAttribute(QStringLiteral("editable"), QStringLiteral("false"));
    if (!node.description.empty())
        xml.writeAttribute(QStringLiteral("description"), fromStd(node.description));
    for (const ConfigNode::Attribute& unknown : node.unknownAttributes)
        xml.writeAttribute(fromStd(unknown.name), fromStd(unknown.value));
    if (isValue)
    {
        if (needsBase64(node.text))
        {
            xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
            xml.writeCharacters(QString::fromLatin1(QByteArray::fromStdString(node.text).toBase64()));
        }
        else
        {
            xml.writeCharacters(QString::fromStdString(node.text));
        }
    }
    for (const auto& child : node.children)
        writeNode(xml, *child);
    xml.writeEndElement();
}
}  // namespace

std::string ConfigNode::objectKey(const std::string& className, const std::string& name)
{
    return (className.empty() ? name : className) + "\n" + name;
}

std::string ConfigNode::keyOf(const ConfigNode& child) const
{
    return child.kind == Kind::Value ? child.name : objectKey(child.className, child.name);
}

const ConfigNode* ConfigNode::findValue(const std::string& key) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? nullptr : children[found->second].get();
}

const ConfigNode* ConfigNode::findObject(const std::string& objectClass, const std::string& objectName) const
{
    const auto found = m_objects.find(objectKey(objectClass, objectName));
    return found == m_objects.end() ? nullptr : children[found->second].get();
}

ConfigNode* ConfigNode::findSame(const ConfigNode& other)
{
    const Index& index = indexOf(other);
    const auto found = other.kind == Kind::Value ? index.find(other.name) : index.find(keyOf(other));
    return found == index.end() ? nullptr : children[found->second].get();
}

const ConfigNode* ConfigNode::findSame(const ConfigNode& other) const
{
    return const_cast<ConfigNode*>(this)->findSame(other);
}

bool ConfigNode::removeChild(const ConfigNode& like)
{
    const ConfigNode* const existing = findSame(like);
    if (existing == nullptr)
        return false;
    children.erase(std::find_if(children.begin(), children.end(),
                                [existing](const auto& child) { return child.get() == existing; }));
    m_values.clear();
    m_objects.clear();
    for (std::size_t i = 0; i < children.size(); ++i)
        indexOf(*children[i]).emplace(keyOf(*children[i]), i);
    return true;
}

bool ConfigNode::addChild(std::unique_ptr<ConfigNode> child)
{
    if (!indexOf(*child).emplace(keyOf(*child), children.size()).second)
        return false;
    children.push_back(std::move(child));
    return true;
}

ConfigNode* ConfigNode::putChild(std::unique_ptr<ConfigNode> child)
{
    ConfigNode* added = child.get();
    if (ConfigNode* existing = findSame(*child))
    {
        for (auto& slot : children)
            if (slot.get() == existing)
                slot = std::move(child);
        return added;
    }
    addChild(std::move(child));
    return added;
}

std::unique_ptr<ConfigNode> ConfigNode::copy() const
{
    auto duplicate = std::make_unique<ConfigNode>();
    duplicate->kind = kind;
    duplicate->name = name;
    duplicate->className = className;
    duplicate->type = type;
    duplicate->text = text;
    duplicate->description = description;
    duplicate->editable = editable;
    duplicate->unknownAttributes = unknownAttributes;
    for (const auto& child : children)
        duplicate->addChild(child->copy());
    return duplicate;
}

std::shared_ptr<ConfigDocument> ConfigDocument::parse(const QByteArray& bytes, const std::string& sourceName,
                                                      std::string* error)
{
    const auto place = [&sourceName](const Position& position) {
        return sourceName + ":" + std::to_string(position.line) + ":" + std::to_string(position.column) + ": ";
    };
    std::size_t invalid = 0;
    QString what;
    if (findUnreadableText(bytes, invalid, what))
    {
        if (error != nullptr)
            *error = place(PositionCursor(bytes).at(invalid)) + what.toStdString();
        return nullptr;
    }
    auto document = std::make_shared<ConfigDocument>();
    document->m_sourceName = sourceName;
    Parser parser(bytes, document->m_root);
    if (parser.run())
    {
        document->numberNodes();
        return document;
    }
    if (error != nullptr)
        *error = place(parser.position()) + parser.error();
    return nullptr;
}

std::shared_ptr<ConfigDocument> ConfigDocument::adopt(std::unique_ptr<ConfigNode> root, const std::string& sourceName)
{
    auto document = std::make_shared<ConfigDocument>();
    document->m_sourceName = sourceName;
    for (auto& child : root->children)
        document->m_root.addChild(std::move(child));
    document->numberNodes();
    return document;
}

void ConfigDocument::numberNodes()
{
    std::size_t next = 0;
    std::vector<ConfigNode*> pending{&m_root};
    while (!pending.empty())
    {
        ConfigNode* node = pending.back();
        pending.pop_back();
        node->ordinal = next++;
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child)
            pending.push_back(child->get());
    }
    m_nodeCount = next;
}

std::string ConfigDocument::printable(const std::string& name) { return escaped(name).toStdString(); }

QByteArray ConfigDocument::serialize(const ConfigNode& root)
{
    PlainXmlWriter plain;
    if (plain.write(root))
        return plain.take();
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(QLatin1String(s_rootElement));
    xml.writeAttribute(QStringLiteral("version"), QLatin1String(s_formatVersion));
    for (const auto& child : root.children)
        writeNode(xml, *child);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

}  // namespace Quarvane
