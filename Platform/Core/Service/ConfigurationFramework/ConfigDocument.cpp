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
#include <functional>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
QString fromStd(std::string_view text)
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

QString escaped(std::string_view text) { return escaped(fromStd(text)); }

using Position = ConfigDocument::Position;

bool isUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Bytes less UTF-8 continuation bytes (10xxxxxx), eight bytes at a time: a continuation
// byte is one whose top bit is set and whose next bit, shifted into the top, is not; the
// multiplication adds up the one bit left in each byte.
long long countCharacters(const char* begin, const char* end)
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

// Line and column of a byte offset, counting characters, not bytes.
Position positionAt(const QByteArray& bytes, std::size_t offset)
{
    offset = std::min(offset, static_cast<std::size_t>(bytes.size()));
    const char* const data = bytes.constData();
    Position position;
    const char* lineStart = data;
    for (const char* newline = data;
         (newline = static_cast<const char*>(std::memchr(newline, '\n', offset - (newline - data)))) != nullptr;
         ++newline)
    {
        ++position.line;
        lineStart = newline + 1;
    }
    position.column += countCharacters(lineStart, data + offset);
    return position;
}

// The '>' that ends the start tag whose name begins at `offset`: the first one outside a quoted
// attribute value. Only a tag that parsed is looked at, so its quotes pair up.
std::size_t endOfStartTagAt(const QByteArray& bytes, std::size_t offset)
{
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    const char* const data = bytes.constData();
    for (char quote = 0; offset < size; ++offset)
    {
        const char character = data[offset];
        if (quote != 0)
            quote = character == quote ? 0 : quote;
        else if (character == '"' || character == '\'')
            quote = character;
        else if (character == '>')
            return offset;
    }
    return size;
}

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

// Sixteen bytes at a time while they are printable ASCII, tabs or line ends: a file's indentation
// and line ends then cost no step of their own. Counts the '<' among them into `tags`.
bool sixteenPlainBytes(const char* bytes, std::size_t& tags)
{
#ifdef __SSE2__
    const __m128i word = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    // Compared as signed bytes, those of 0x80 and above count as below a space too.
    const __m128i belowSpace = _mm_cmplt_epi8(word, _mm_set1_epi8(0x20));
    const __m128i blank = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(word, _mm_set1_epi8('\n')),
                                                    _mm_cmpeq_epi8(word, _mm_set1_epi8('\t'))),
                                       _mm_cmpeq_epi8(word, _mm_set1_epi8('\r')));
    if (_mm_movemask_epi8(_mm_andnot_si128(blank, belowSpace)) != 0)
        return false;
    for (unsigned opening = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(word, _mm_set1_epi8('<'))));
         opening != 0; opening &= opening - 1)
        ++tags;
    return true;
#else
    (void)bytes;
    (void)tags;
    return false;
#endif
}

// The first byte that is not UTF-8 or a character XML cannot hold, and what is wrong with it.
// Finding it here lets a message show where it stands and what it is, without its text.
// Also counts the '<' in the text it passes quickly, a lower bound of the file's tags that sizes
// the parsed document.
bool findUnreadableText(const QByteArray& bytes, std::size_t& offset, QString& what, std::size_t& tags)
{
    using Utf8 = boost::locale::utf::utf_traits<char>;
    const char* const begin = bytes.constData();
    const char* const end = begin + bytes.size();
    const char* current = begin;
    while (current != end)
    {
        if (end - current >= 16 && sixteenPlainBytes(current, tags))
        {
            current += 16;
            continue;
        }
        if (end - current >= 8 && eightPrintableAsciiBytes(reinterpret_cast<const unsigned char*>(current)))
        {
            current += 8;
            continue;
        }
        const char* const start = current;
        const boost::locale::utf::code_point code = Utf8::decode(current, end);
        tags += code == '<';
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

constexpr std::size_t s_scanBlock = 16;

// The length of `text` up to its first `stop` or `alsoStop`: strcspn, sixteen bytes at a time.
// `text` must be empty or lie in a parse buffer, which ends in a block of zeros, so that a block
// read past the end of the text stays inside the buffer.
std::size_t plainLength(const char* text, char stop, char alsoStop)
{
    if (*text == '\0')
        return 0;
#ifdef __SSE2__
    const __m128i zeros = _mm_setzero_si128();
    const __m128i stops = _mm_set1_epi8(stop);
    const __m128i alsoStops = _mm_set1_epi8(alsoStop);
    for (std::size_t length = 0;; length += s_scanBlock)
    {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + length));
        const __m128i found = _mm_or_si128(_mm_cmpeq_epi8(block, zeros),
                                           _mm_or_si128(_mm_cmpeq_epi8(block, stops), _mm_cmpeq_epi8(block, alsoStops)));
        if (const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(found)); mask != 0)
            return length + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#else
    const char stops[] = {stop, alsoStop, '\0'};
    return std::strcspn(text, stops);
#endif
}

// strcmp for the short names of the format, without a call for each.
bool isName(const char* name, const char* known)
{
    for (; *known != '\0'; ++name, ++known)
        if (*name != *known)
            return false;
    return *name == '\0';
}

std::size_t hashOf(std::uint32_t parent, ConfigNode::Kind kind, std::string_view name)
{
    const std::size_t place = (static_cast<std::size_t>(parent) << 2) | static_cast<std::size_t>(kind);
    return std::hash<std::string_view>()(name) ^ (place * 0x9E3779B97F4A7C15ull);
}

bool isEntry(const ConfigDocument::Entry& entry, std::uint32_t parent, ConfigNode::Kind kind,
             std::string_view className, std::string_view name)
{
    return entry.parent == parent && entry.kind == kind && entry.name == name &&
           (kind != ConfigNode::Kind::Object || entry.effectiveClassName() == className);
}
}  // namespace

// pugixml parses a copy of the file in place, which the document keeps; the walk over pugixml's
// tree checks everything the format requires and records each element as an entry of views into
// that copy. pugixml stops at the first fault in the XML but keeps what it parsed before it, so
// the walk still finds an earlier fault of the format, and the first fault in the file is the one
// reported.
class ConfigDocument::Parser
{
public:
    Parser(const QByteArray& bytes, std::size_t expectedEntries, ConfigDocument& document)
        : m_bytes(bytes), m_buffer(document.m_buffer), m_document(document)
    {
        // Parsing in place, pugixml drops text at the very end of a buffer that does not end in a
        // terminator; text after the root element must reach the check below.
        // The zeros after it let a scan read a whole block past the end of any text in it.
        m_buffer.reserve(bytes.size() + 1 + s_scanBlock);
        m_buffer.append(bytes);
        m_buffer.append(1 + s_scanBlock, '\0');
        m_document.m_original = bytes;
        m_document.m_entries.reserve(expectedEntries);
        m_document.m_index.reserve(expectedEntries);
        m_document.m_entries.emplace_back();
    }

    bool run()
    {
        // Blanks alone in a value are its text. pugixml keeps them when they are the value's only
        // text; a comment, a processing instruction or a CDATA section can split a value's text, and
        // then every run of blanks must be kept, which costs a node for each indentation too.
        constexpr unsigned options = pugi::parse_cdata | pugi::parse_eol | pugi::parse_wconv_attribute |
                                     pugi::parse_declaration | pugi::parse_doctype | pugi::parse_fragment;
        const bool splitText = mayHaveSplitText();
        const unsigned blanks = splitText ? pugi::parse_ws_pcdata : pugi::parse_ws_pcdata_single;
        // Where no text can be split, a value's text is kept in its element, which spares pugixml a
        // node for each value. A file that does not parse is parsed again without, so that its
        // faults are looked for the same way whatever pugixml cut short.
        m_textEmbedded = !splitText;
        pugi::xml_parse_result result =
            m_xml.load_buffer_inplace(m_buffer.data(), parsedSize(),
                                      options | blanks | (m_textEmbedded ? pugi::parse_embed_pcdata : 0u),
                                      pugi::encoding_utf8);
        if (!result && m_textEmbedded)
        {
            m_textEmbedded = false;
            std::memcpy(m_buffer.data(), m_bytes.constData(), static_cast<std::size_t>(m_bytes.size()));
            m_buffer[m_bytes.size()] = '\0';
            result = m_xml.load_buffer_inplace(m_buffer.data(), parsedSize(),
                                               options | blanks, pugi::encoding_utf8);
        }
        if (!result)
        {
            m_parseFailed = true;
            m_unfinished = lastParsedNode();
        }
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

    // Whether anything but the XML declaration starts with <! or <?. The marks are looked for
    // rather than the tags: every element opens with a '<', few files hold a '!' or a '?'.
    bool mayHaveSplitText() const
    {
        const std::string_view text(m_bytes.constData(), static_cast<std::size_t>(m_bytes.size()));
        const std::size_t firstTag = text.find('<');
        const std::size_t declaration = text.compare(firstTag == std::string_view::npos ? 0 : firstTag, 5, "<?xml") == 0
                                            ? firstTag
                                            : std::string_view::npos;
        for (const char mark : {'!', '?'})
            for (std::size_t at = text.find(mark, 1); at != std::string_view::npos; at = text.find(mark, at + 1))
                if (text[at - 1] == '<' && at - 1 != declaration)
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

    bool isUnfinished(const pugi::xml_node node) const { return m_parseFailed && node == m_unfinished; }

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
                walkChildren(child, 0, 1);
                m_document.m_entries.front().end = static_cast<std::uint32_t>(m_document.m_entries.size());
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
        if (!checkAttributeNames(declaration))
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
        if (std::strcmp(element.name(), s_rootElement) != 0)
        {
            failAtTag(element, QStringLiteral("the root element is <%1>, not <%2>")
                             .arg(escaped(QString::fromUtf8(element.name())), QLatin1String(s_rootElement)));
            return false;
        }
        if (!checkAttributeNames(element))
            return false;
        std::string_view version;
        if (const pugi::xml_attribute attribute = element.attribute("version"))
            if (!decodeAttribute(attribute, version))
                return false;
        if (!version.empty() && version != s_formatVersion)
        {
            failAtTag(element, QStringLiteral("the format version is not %1").arg(QLatin1String(s_formatVersion)));
            return false;
        }
        m_document.m_entries.front().offset = static_cast<std::uint32_t>(offsetOf(element.name()));
        return true;
    }

    void walkChildren(const pugi::xml_node parent, std::uint32_t parentOrdinal, std::size_t depth)
    {
        if (m_textEmbedded && !isBlank(parent.value()))
            return fail(firstNonBlank(parent.value()), QStringLiteral("unexpected text outside a value"));
        for (const pugi::xml_node child : parent.children())
        {
            if (isUnfinished(child) || !m_error.isEmpty())
                return;
            const pugi::xml_node_type type = child.type();
            if (type == pugi::node_element)
                element(child, parentOrdinal, depth);
            else if ((type == pugi::node_pcdata || type == pugi::node_cdata) && !isBlank(child.value()))
                fail(firstNonBlank(child.value()), QStringLiteral("unexpected text outside a value"));
        }
    }

    void element(const pugi::xml_node element, std::uint32_t parent, std::size_t depth)
    {
        if (depth >= ConfigDocument::s_maximumDepth)
            return failAtTag(element, QStringLiteral("nested deeper than %1 levels").arg(ConfigDocument::s_maximumDepth));
        const char* const name = element.name();
        Kind kind;
        if (isName(name, s_objectElement))
            kind = Kind::Object;
        else if (isName(name, s_valueElement))
            kind = Kind::Value;
        else
            return failAtTag(element, QStringLiteral("unknown element <%1>").arg(escaped(QString::fromUtf8(name))));
        std::vector<Entry>& entries = m_document.m_entries;
        const auto ordinal = static_cast<std::uint32_t>(entries.size());
        Entry& entry = entries.emplace_back();
        entry.kind = kind;
        entry.parent = parent;
        entry.offset = static_cast<std::uint32_t>(offsetOf(name));
        entry.ordinal = ordinal;
        if (!readAttributes(element, entry))
            return;
        if (!m_document.m_index.insert(entries, ordinal))
            return failAtTag(element, (kind == Kind::Value ? QStringLiteral("the key \"%1\" appears twice")
                                                           : QStringLiteral("the object \"%1\" appears twice"))
                                    .arg(escaped(entry.name)));
        if (kind == Kind::Object)
            walkChildren(element, ordinal, depth + 1);
        else
            readText(element, entry);
        entries[ordinal].end = static_cast<std::uint32_t>(entries.size());
    }

    bool readAttributes(const pugi::xml_node element, Entry& node)
    {
        const bool isValue = node.kind == Kind::Value;
        std::string_view className;
        std::string_view editable;
        std::string_view encoding;
        struct Known
        {
            const char* name;
            std::string_view* target;
        };
        const Known known[] = {{isValue ? "key" : "name", &node.name},
                               {isValue ? "type" : "class", isValue ? &node.type : &className},
                               {"description", &node.description},
                               {"editable", &editable},
                               {isValue ? "encoding" : "", &encoding}};
        unsigned seen = 0;
        bool sawUnknown = false;
        node.firstUnknown = static_cast<std::uint32_t>(m_document.m_unknown.size());
        for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute())
        {
            const char* const name = attribute.name();
            const auto match = std::find_if(std::begin(known), std::end(known), [name](const Known& candidate) {
                return isName(name, candidate.name);
            });
            if (match == std::end(known))
            {
                // Kept for the load account, and written back by a save.
                Attribute unknown{name, {}};
                if (!decodeAttribute(attribute, unknown.value))
                    return false;
                m_document.m_unknown.push_back(unknown);
                ++node.unknownCount;
                sawUnknown = true;
                continue;
            }
            const unsigned bit = 1u << (match - std::begin(known));
            if ((seen & bit) != 0)
                return failTwice(element, name);
            seen |= bit;
            if (!decodeAttribute(attribute, *match->target))
                return false;
        }
        if (sawUnknown && !checkAttributeNames(element))
            return false;
        const bool sawName = (seen & 1u) != 0;
        if (!sawName || (isValue && (seen & 2u) == 0))
        {
            failAtTag(element, QStringLiteral("<%1> has no %2 attribute")
                             .arg(QLatin1String(isValue ? s_valueElement : s_objectElement),
                                  QLatin1String(!sawName ? known[0].name : known[1].name)));
            return false;
        }
        if ((seen & 8u) != 0 && editable != "true" && editable != "false")
        {
            failAtTag(element, QStringLiteral("editable must be true or false"));
            return false;
        }
        node.editable = editable != "false";
        if (className != node.name)
            node.className = className;
        m_base64 = encoding == "base64";
        return true;
    }

    bool failTwice(const pugi::xml_node element, const char* attribute)
    {
        failAtTag(element, QStringLiteral("the attribute %1 appears twice in <%2>")
                         .arg(escaped(QString::fromUtf8(attribute)), escaped(QString::fromUtf8(element.name()))));
        return false;
    }

    // XML allows each attribute once in an element.
    bool checkAttributeNames(const pugi::xml_node element)
    {
        for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute())
            for (pugi::xml_attribute later = attribute.next_attribute(); later; later = later.next_attribute())
                if (std::strcmp(attribute.name(), later.name()) == 0)
                    return failTwice(element, attribute.name());
        return true;
    }

    void readText(const pugi::xml_node element, Entry& node)
    {
        const pugi::xml_node first = element.first_child();
        // The text of almost every value: one run of characters, kept in the element itself or in
        // its only child, often without a reference.
        const bool single = !first || (first.type() == pugi::node_pcdata && !first.next_sibling() && !isUnfinished(first));
        const char* const singleText = first ? first.value() : element.value();
        if (single && !m_base64)
        {
            decode(singleText, node.text, false);
            return;
        }
        std::string text;
        if (!gatherText(element, text))
            return;
        if (!m_base64)
        {
            node.text = keep(std::move(text));
            return;
        }
        const QByteArray::FromBase64Result decoded = QByteArray::fromBase64Encoding(
            QByteArray::fromRawData(text.data(), static_cast<int>(text.size())),
            QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return failAtTag(element, QStringLiteral("the value \"%1\" is not valid base64").arg(escaped(node.name)));
        node.text = keep(decoded.decoded.toStdString());
    }

    // The whole text of a value: what pugixml kept in the element, then its children, which
    // comments, processing instructions or CDATA sections may split; false when it cannot be read.
    bool gatherText(const pugi::xml_node element, std::string& text)
    {
        std::string_view kept;
        if (!decode(element.value(), kept, false))
            return false;
        text = kept;
        for (const pugi::xml_node child : element.children())
        {
            if (isUnfinished(child))
                return false;
            if (child.type() == pugi::node_pcdata)
            {
                std::string_view piece;
                if (!decode(child.value(), piece, false))
                    return false;
                text += piece;
            }
            else if (child.type() == pugi::node_cdata)
            {
                text += child.value();
            }
            else if (child.type() == pugi::node_element)
            {
                fail(endOfStartTag(child),
                     QStringLiteral("unexpected element <%1>").arg(escaped(QString::fromUtf8(child.name()))));
                return false;
            }
        }
        return true;
    }

    std::string_view keep(std::string text) { return m_document.m_decoded.emplace_back(std::move(text)); }

    bool decodeAttribute(const pugi::xml_attribute attribute, std::string_view& target)
    {
        return decode(attribute.value(), target, true);
    }

    // `text` as it reads once its references are resolved. Text without a reference, most of it,
    // stays where it stands in the parsed copy.
    bool decode(const char* text, std::string_view& target, bool inAttribute)
    {
        const std::size_t plain = plainLength(text, '&', inAttribute ? '<' : ']');
        if (text[plain] == '\0')
        {
            target = std::string_view(text, plain);
            return true;
        }
        std::string decoded(text, plain);
        if (!resolve(text + plain, decoded))
            return false;
        target = keep(std::move(decoded));
        return true;
    }

    bool resolve(const char* text, std::string& target)
    {
        for (const char* current = text; *current != '\0';)
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
        return text >= m_buffer.constData() && text <= m_buffer.constData() + parsedSize();
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

    // The file and its terminator; the block of zeros after them is not parsed.
    std::size_t parsedSize() const { return static_cast<std::size_t>(m_bytes.size()) + 1; }

    // An element's faults are reported where its start tag ends.
    void failAtTag(const pugi::xml_node element, const QString& message) { fail(endOfStartTag(element), message); }

    void fail(std::size_t offset, const QString& message)
    {
        if (!m_error.isEmpty())
            return;
        m_error = message;
        m_errorPosition = positionAt(m_bytes, offset);
    }

    const QByteArray& m_bytes;
    QByteArray& m_buffer;
    ConfigDocument& m_document;
    pugi::xml_document m_xml;  // needed only while the entries are made
    pugi::xml_node m_unfinished;
    bool m_parseFailed = false;
    bool m_textEmbedded = false;
    bool m_base64 = false;
    QString m_error;
    Position m_errorPosition;
};

namespace
{

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

ConfigNode* ConfigNode::findChild(Kind childKind, std::string_view childClass, std::string_view childName)
{
    const Index& index = childKind == Kind::Value ? m_values : m_objects;
    const std::string name(childName);
    const auto found = childKind == Kind::Value ? index.find(name) : index.find(objectKey(std::string(childClass), name));
    return found == index.end() ? nullptr : children[found->second].get();
}

bool ConfigDocument::Index::insert(const std::vector<Entry>& entries, std::uint32_t ordinal)
{
    if ((m_used + 1) * 2 > m_slots.size())
        grow(entries);
    const Entry& entry = entries[ordinal];
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hashOf(entry.parent, entry.kind, entry.name) & mask;; slot = (slot + 1) & mask)
    {
        const std::uint32_t there = m_slots[slot];
        if (there == 0)
        {
            m_slots[slot] = ordinal;
            ++m_used;
            return true;
        }
        if (isEntry(entries[there], entry.parent, entry.kind, entry.effectiveClassName(), entry.name))
            return false;
    }
}

const ConfigDocument::Entry* ConfigDocument::Index::find(const std::vector<Entry>& entries, std::uint32_t parent,
                                                         Kind kind, std::string_view className,
                                                         std::string_view name) const
{
    if (m_slots.empty())
        return nullptr;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hashOf(parent, kind, name) & mask;; slot = (slot + 1) & mask)
    {
        const std::uint32_t there = m_slots[slot];
        if (there == 0)
            return nullptr;
        if (isEntry(entries[there], parent, kind, className, name))
            return &entries[there];
    }
}

void ConfigDocument::Index::reserve(std::size_t entries)
{
    std::size_t size = 64;
    while (size < 2 * entries)
        size *= 2;
    m_slots.assign(size, 0);
}

void ConfigDocument::Index::grow(const std::vector<Entry>& entries)
{
    std::vector<std::uint32_t> old = std::move(m_slots);
    m_slots.assign(std::max<std::size_t>(64, 2 * old.size()), 0);
    const std::size_t mask = m_slots.size() - 1;
    for (const std::uint32_t ordinal : old)
    {
        if (ordinal == 0)
            continue;
        const Entry& entry = entries[ordinal];
        std::size_t slot = hashOf(entry.parent, entry.kind, entry.name) & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = ordinal;
    }
}

ConfigDocument::ConfigDocument() = default;

ConfigDocument::~ConfigDocument() = default;

const ConfigDocument::Entry* ConfigDocument::findValue(const Entry& parent, std::string_view key) const
{
    return m_index.find(m_entries, parent.ordinal, Kind::Value, {}, key);
}

const ConfigDocument::Entry* ConfigDocument::findObject(const Entry& parent, std::string_view className,
                                                        std::string_view name) const
{
    return m_index.find(m_entries, parent.ordinal, Kind::Object, className.empty() ? name : className, name);
}

ConfigDocument::Position ConfigDocument::positionOf(const Entry& entry) const
{
    if (m_original.isEmpty())
        return {0, 0};
    std::call_once(m_linesFound, [this] {
        const char* const data = m_original.constData();
        const std::size_t size = static_cast<std::size_t>(m_original.size());
        m_lineStarts.push_back(0);
        for (const char* newline = data;
             (newline = static_cast<const char*>(std::memchr(newline, '\n', size - (newline - data)))) != nullptr;
             ++newline)
            m_lineStarts.push_back(static_cast<std::uint32_t>(newline + 1 - data));
    });
    const std::size_t offset = endOfStartTagAt(m_original, entry.offset);
    const auto line = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset) - 1;
    const char* const data = m_original.constData();
    return {line - m_lineStarts.begin() + 1, countCharacters(data + *line, data + offset) + 1};
}

std::unique_ptr<ConfigNode> ConfigDocument::copyTree(const Entry& entry, bool withPlaces) const
{
    auto node = std::make_unique<ConfigNode>();
    node->kind = entry.kind;
    node->name = entry.name;
    node->className = entry.className;
    node->type = entry.type;
    node->text = entry.text;
    node->description = entry.description;
    node->editable = entry.editable;
    for (const Attribute* unknown = unknownAttributesBegin(entry); unknown != unknownAttributesEnd(entry); ++unknown)
        node->unknownAttributes.push_back({std::string(unknown->name), std::string(unknown->value)});
    if (withPlaces)
    {
        const Position position = positionOf(entry);
        node->line = position.line;
        node->column = position.column;
    }
    for (const Entry& child : children(entry))
        node->addChild(copyTree(child, withPlaces));
    return node;
}

std::shared_ptr<const ConfigNode> ConfigDocument::tree() const
{
    std::call_once(m_treeBuilt, [this] { m_tree = m_adopted ? m_adopted : copyTree(root(), false); });
    return m_tree;
}

std::shared_ptr<ConfigDocument> ConfigDocument::parse(const QByteArray& bytes, const std::string& sourceName,
                                                      std::string* error)
{
    const auto place = [&sourceName](const Position& position) {
        return sourceName + ":" + std::to_string(position.line) + ":" + std::to_string(position.column) + ": ";
    };
    std::size_t invalid = 0;
    QString what;
    std::size_t tags = 0;
    if (findUnreadableText(bytes, invalid, what, tags))
    {
        if (error != nullptr)
            *error = place(positionAt(bytes, invalid)) + what.toStdString();
        return nullptr;
    }
    auto document = std::make_shared<ConfigDocument>();
    document->m_sourceName = sourceName;
    Parser parser(bytes, tags / 2 + 2, *document);
    if (parser.run())
        return document;
    if (error != nullptr)
        *error = place(parser.position()) + parser.error();
    return nullptr;
}

// The entries of an adopted tree are views of the tree's own strings; the document keeps it.
std::shared_ptr<ConfigDocument> ConfigDocument::adopt(std::unique_ptr<ConfigNode> root, const std::string& sourceName)
{
    auto document = std::make_shared<ConfigDocument>();
    document->m_sourceName = sourceName;
    document->m_adopted = std::shared_ptr<const ConfigNode>(std::move(root));
    std::vector<Entry>& entries = document->m_entries;
    entries.emplace_back();
    const std::function<void(const ConfigNode&, std::uint32_t)> addChildren = [&](const ConfigNode& node,
                                                                                std::uint32_t parent) {
        for (const auto& child : node.children)
        {
            Entry entry;
            entry.kind = child->kind;
            entry.editable = child->editable;
            entry.ordinal = static_cast<std::uint32_t>(entries.size());
            entry.parent = parent;
            entry.name = child->name;
            entry.className = child->className;
            entry.type = child->type;
            entry.text = child->text;
            entry.description = child->description;
            entry.firstUnknown = static_cast<std::uint32_t>(document->m_unknown.size());
            entry.unknownCount = static_cast<std::uint32_t>(child->unknownAttributes.size());
            for (const ConfigNode::Attribute& unknown : child->unknownAttributes)
                document->m_unknown.push_back({unknown.name, unknown.value});
            entries.push_back(entry);
            document->m_index.insert(entries, entry.ordinal);
            addChildren(*child, entry.ordinal);
            entries[entry.ordinal].end = static_cast<std::uint32_t>(entries.size());
        }
    };
    addChildren(*document->m_adopted, 0);
    entries.front().end = static_cast<std::uint32_t>(entries.size());
    return document;
}

std::string ConfigDocument::printable(std::string_view name) { return escaped(name).toStdString(); }

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
