#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QXmlStreamReader>
#include <QtCore/QXmlStreamWriter>

#include <boost/locale/utf.hpp>

#include <algorithm>

namespace Quarvane
{
namespace
{
const QString s_rootElement = QStringLiteral("QuarvaneConfiguration");
const QString s_objectElement = QStringLiteral("object");
const QString s_valueElement = QStringLiteral("value");
const QString s_formatVersion = QStringLiteral("1");

std::string toStd(QStringView text) { return text.toString().toStdString(); }

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

QString escaped(const std::string& text) { return escaped(QString::fromStdString(text)); }

// The XML reader quotes the text it stumbled on ("Entity 'x' not declared"), and that text may
// be part of a password. Of a quote only a single character stays, or the control character that
// made the text unreadable; other quotes are left out. Names it shows unquoted (an encoding, a
// processing instruction) are escaped like any name.
QString withoutQuotedText(const QString& message)
{
    if (message.startsWith(QLatin1String("Entity '")))
        return QStringLiteral("an undeclared entity (a literal & is written &amp;)");
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    QString cleaned;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator matches = quoted.globalMatch(message);
    while (matches.hasNext())
    {
        const QRegularExpressionMatch match = matches.next();
        cleaned += message.midRef(copied, match.capturedStart() - copied);
        const QString inner = match.captured(1);
        const auto control = std::find_if(inner.begin(), inner.end(), [](QChar c) { return c.unicode() < 0x20; });
        if (inner.size() == 1 || control != inner.end())
            cleaned += QLatin1Char('\'') + escaped(inner.size() == 1 ? inner : QString(*control)) + QLatin1Char('\'');
        else
            cleaned += QStringLiteral("text");
        copied = match.capturedEnd();
    }
    return escaped(cleaned + message.midRef(copied));
}

struct Position
{
    long long line = 1;
    long long column = 1;
};

// The line and column (in characters) of a byte offset into UTF-8 text that is valid before it.
Position positionOf(const QByteArray& bytes, qsizetype offset)
{
    Position position;
    for (qsizetype i = 0; i < offset; ++i)
    {
        const auto byte = static_cast<unsigned char>(bytes.constData()[i]);
        if (byte == '\n')
        {
            ++position.line;
            position.column = 1;
        }
        else if ((byte & 0xC0) != 0x80)  // not a continuation byte
        {
            ++position.column;
        }
    }
    return position;
}

// The XML reader decodes the whole input before it reads a token, so it would report bad UTF-8
// at the declaration, and it reports a control character without showing it. This finds the
// first byte that is not UTF-8 or a character XML cannot hold and says which; -1 when there is
// none. Printable ASCII, nearly all of a file, is passed over without decoding.
qsizetype findUnreadableText(const QByteArray& bytes, QString& what)
{
    using Utf8 = boost::locale::utf::utf_traits<char>;
    const char* const begin = bytes.constData();
    const char* const end = begin + bytes.size();
    for (const char* current = begin; current != end;)
    {
        const auto byte = static_cast<unsigned char>(*current);
        if ((byte >= 0x20 && byte < 0x80) || byte == '\t' || byte == '\n' || byte == '\r')
        {
            ++current;
            continue;
        }
        const char* const start = current;
        const boost::locale::utf::code_point code = Utf8::decode(current, end);
        if (code == boost::locale::utf::illegal || code == boost::locale::utf::incomplete)
            what = QStringLiteral("the text is not UTF-8");
        else if (code < 0x20)
            what = QStringLiteral("the control character %1 cannot stand in the file (only in base64)")
                       .arg(escaped(QString(QChar(code))));
        if (!what.isEmpty())
            return start - begin;
    }
    return -1;
}

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

class Parser
{
public:
    Parser(const QByteArray& bytes, ConfigNode& root) : m_xml(bytes), m_root(root) {}

    bool run()
    {
        while (!m_xml.atEnd() && m_error.isEmpty())
        {
            switch (m_xml.readNext())
            {
            case QXmlStreamReader::StartElement:
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            case QXmlStreamReader::Characters:
                characters();
                break;
            case QXmlStreamReader::DTD:
                fail(QStringLiteral("document type declarations are not allowed"));
                break;
            case QXmlStreamReader::EntityReference:
                fail(QStringLiteral("entity references are not allowed"));
                break;
            default:
                break;
            }
        }
        if (m_error.isEmpty() && m_xml.hasError())
            fail(withoutQuotedText(m_xml.errorString()));
        if (m_error.isEmpty() && !m_sawRoot)
            fail(QStringLiteral("the file holds no configuration"));
        return m_error.isEmpty();
    }

    std::string error() const { return m_error.toStdString(); }
    long long line() const { return m_line; }
    long long column() const { return m_column; }

private:
    void startElement()
    {
        if (m_stack.empty() && !m_sawRoot)
            return startRoot();
        ConfigNode* parent = m_stack.empty() ? nullptr : m_stack.back();
        if (parent == nullptr || parent->kind == ConfigNode::Kind::Value)
            return fail(QStringLiteral("unexpected element <%1>").arg(escaped(m_xml.name())));
        if (m_stack.size() >= ConfigDocument::s_maximumDepth)
            return fail(QStringLiteral("nested deeper than %1 levels").arg(ConfigDocument::s_maximumDepth));
        auto node = std::make_unique<ConfigNode>();
        node->line = m_xml.lineNumber();
        node->column = m_xml.columnNumber();
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (m_xml.name() == s_objectElement)
        {
            node->kind = ConfigNode::Kind::Object;
            if (!requireAttribute(attributes, QStringLiteral("name"), node->name))
                return;
            node->className = toStd(attributes.value(QStringLiteral("class")));
            if (node->className == node->name)
                node->className.clear();
        }
        else if (m_xml.name() == s_valueElement)
        {
            node->kind = ConfigNode::Kind::Value;
            if (!requireAttribute(attributes, QStringLiteral("key"), node->name) ||
                !requireAttribute(attributes, QStringLiteral("type"), node->type))
                return;
            m_base64 = attributes.value(QStringLiteral("encoding")) == QLatin1String("base64");
            m_text.clear();
        }
        else
        {
            return fail(QStringLiteral("unknown element <%1>").arg(escaped(m_xml.name())));
        }
        if (!readEditable(attributes, node->editable))
            return;
        node->description = toStd(attributes.value(QStringLiteral("description")));
        ConfigNode* added = node.get();
        const std::string name = node->name;
        const bool isValue = node->kind == ConfigNode::Kind::Value;
        if (!parent->addChild(std::move(node)))
            return fail(isValue ? QStringLiteral("the key \"%1\" appears twice").arg(escaped(name))
                                : QStringLiteral("the object \"%1\" appears twice").arg(escaped(name)));
        m_stack.push_back(added);
    }

    void startRoot()
    {
        if (m_xml.name() != s_rootElement)
            return fail(QStringLiteral("the root element is <%1>, not <%2>").arg(escaped(m_xml.name()), s_rootElement));
        const QStringView version = m_xml.attributes().value(QStringLiteral("version"));
        if (!version.isEmpty() && version != s_formatVersion)
            return fail(QStringLiteral("the format version is not %1").arg(s_formatVersion));
        m_sawRoot = true;
        m_root.line = m_xml.lineNumber();
        m_root.column = m_xml.columnNumber();
        m_stack.push_back(&m_root);
    }

    void endElement()
    {
        ConfigNode* node = m_stack.back();
        if (node->kind == ConfigNode::Kind::Value)
        {
            if (m_base64)
            {
                const QByteArray::FromBase64Result decoded =
                    QByteArray::fromBase64Encoding(m_text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
                if (!decoded)
                    return fail(QStringLiteral("the value \"%1\" is not valid base64").arg(escaped(node->name)));
                node->text = decoded.decoded.toStdString();
            }
            else
            {
                node->text = m_text.toStdString();
            }
        }
        m_stack.pop_back();
    }

    void characters()
    {
        if (!m_stack.empty() && m_stack.back()->kind == ConfigNode::Kind::Value)
            m_text += m_xml.text();
        else if (!m_xml.isWhitespace())
            fail(QStringLiteral("unexpected text outside a value"));
    }

    bool requireAttribute(const QXmlStreamAttributes& attributes, const QString& name, std::string& target)
    {
        if (!attributes.hasAttribute(name))
        {
            fail(QStringLiteral("<%1> has no %2 attribute").arg(escaped(m_xml.name()), name));
            return false;
        }
        target = toStd(attributes.value(name));
        return true;
    }

    bool readEditable(const QXmlStreamAttributes& attributes, bool& editable)
    {
        if (!attributes.hasAttribute(QStringLiteral("editable")))
            return true;
        const QStringView text = attributes.value(QStringLiteral("editable"));
        if (text != QLatin1String("true") && text != QLatin1String("false"))
        {
            fail(QStringLiteral("editable must be true or false"));
            return false;
        }
        editable = text == QLatin1String("true");
        return true;
    }

    void fail(const QString& message)
    {
        if (!m_error.isEmpty())
            return;
        m_error = message;
        m_line = m_xml.lineNumber();
        m_column = m_xml.columnNumber();
    }

    QXmlStreamReader m_xml;
    ConfigNode& m_root;
    std::vector<ConfigNode*> m_stack;
    QString m_text;
    bool m_base64 = false;
    bool m_sawRoot = false;
    QString m_error;
    long long m_line = 0;
    long long m_column = 0;
};

void writeNode(QXmlStreamWriter& xml, const ConfigNode& node)
{
    const bool isValue = node.kind == ConfigNode::Kind::Value;
    xml.writeStartElement(isValue ? s_valueElement : s_objectElement);
    if (isValue)
    {
        xml.writeAttribute(QStringLiteral("key"), QString::fromStdString(node.name));
        xml.writeAttribute(QStringLiteral("type"), QString::fromStdString(node.type));
    }
    else
    {
        if (!node.className.empty())
            xml.writeAttribute(QStringLiteral("class"), QString::fromStdString(node.className));
        xml.writeAttribute(QStringLiteral("name"), QString::fromStdString(node.name));
    }
    if (!node.editable)
        xml.writeAttribute(QStringLiteral("editable"), QStringLiteral("false"));
    if (!node.description.empty())
        xml.writeAttribute(QStringLiteral("description"), QString::fromStdString(node.description));
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

std::string ConfigNode::identity(Kind kind, const std::string& className, const std::string& name)
{
    return kind == Kind::Value ? "v\n" + name : "o\n" + (className.empty() ? name : className) + "\n" + name;
}

std::string ConfigNode::identity() const { return identity(kind, className, name); }

const ConfigNode* ConfigNode::findValue(const std::string& key) const
{
    const auto found = m_index.find(identity(Kind::Value, {}, key));
    return found == m_index.end() ? nullptr : children[found->second].get();
}

const ConfigNode* ConfigNode::findObject(const std::string& objectClass, const std::string& objectName) const
{
    const auto found = m_index.find(identity(Kind::Object, objectClass, objectName));
    return found == m_index.end() ? nullptr : children[found->second].get();
}

ConfigNode* ConfigNode::findSame(const ConfigNode& other)
{
    const auto found = m_index.find(other.identity());
    return found == m_index.end() ? nullptr : children[found->second].get();
}

const ConfigNode* ConfigNode::findSame(const ConfigNode& other) const
{
    return const_cast<ConfigNode*>(this)->findSame(other);
}

bool ConfigNode::removeChild(const ConfigNode& like)
{
    const auto found = m_index.find(like.identity());
    if (found == m_index.end())
        return false;
    children.erase(children.begin() + static_cast<std::ptrdiff_t>(found->second));
    m_index.clear();
    for (std::size_t i = 0; i < children.size(); ++i)
        m_index.emplace(children[i]->identity(), i);
    return true;
}

bool ConfigNode::addChild(std::unique_ptr<ConfigNode> child)
{
    if (!m_index.emplace(child->identity(), children.size()).second)
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
    for (const auto& child : children)
        duplicate->addChild(child->copy());
    return duplicate;
}

bool ConfigNode::holdsUnvisited() const
{
    if (!visited)
        return true;
    for (const auto& child : children)
        if (child->holdsUnvisited())
            return true;
    return false;
}

std::shared_ptr<ConfigDocument> ConfigDocument::parse(const QByteArray& bytes, const std::string& sourceName,
                                                      std::string* error)
{
    QString what;
    const qsizetype unreadable = findUnreadableText(bytes, what);
    if (unreadable >= 0)
    {
        const Position position = positionOf(bytes, unreadable);
        if (error != nullptr)
            *error = sourceName + ":" + std::to_string(position.line) + ":" + std::to_string(position.column) + ": " +
                     what.toStdString();
        return nullptr;
    }
    auto document = std::make_shared<ConfigDocument>();
    document->m_sourceName = sourceName;
    document->m_root.visited = true;
    Parser parser(bytes, document->m_root);
    if (parser.run())
        return document;
    if (error != nullptr)
        *error = sourceName + ":" + std::to_string(parser.line()) + ":" + std::to_string(parser.column()) + ": " +
                 parser.error();
    return nullptr;
}

std::shared_ptr<ConfigDocument> ConfigDocument::adopt(std::unique_ptr<ConfigNode> root, const std::string& sourceName)
{
    auto document = std::make_shared<ConfigDocument>();
    document->m_sourceName = sourceName;
    document->m_root.visited = true;
    for (auto& child : root->children)
        document->m_root.addChild(std::move(child));
    return document;
}

std::string ConfigDocument::printable(const std::string& name) { return escaped(name).toStdString(); }

QByteArray ConfigDocument::serialize(const ConfigNode& root)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(s_rootElement);
    xml.writeAttribute(QStringLiteral("version"), s_formatVersion);
    for (const auto& child : root.children)
        writeNode(xml, *child);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

}  // namespace Quarvane
