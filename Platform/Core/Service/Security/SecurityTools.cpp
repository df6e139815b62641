#include "Platform/Core/Service/Security/SecurityTools.h"

#include <QtCore/QByteArray>
#include <QtCore/QCryptographicHash>
#include <QtCore/QtEndian>

namespace Quarvane
{
namespace
{
// Layout of the scrambled bytes before Base64: marker, CRC-16 of the plain bytes (big endian),
// then the plain bytes XORed with a fixed key stream. The marker and the checksum let
// unscrambling recognise its own output, so that anything else is returned as it came.
const QByteArray s_marker = QByteArrayLiteral("QS1");
constexpr int s_checksumSize = 2;
constexpr int s_headerSize = 3 + s_checksumSize;

const QByteArray& keyStream()
{
    static const QByteArray key =
        QCryptographicHash::hash(QByteArrayLiteral("Quarvane configuration scrambling"), QCryptographicHash::Sha256);
    return key;
}

// XOR with the key, varied by position so that repeated characters do not repeat in the output.
QByteArray applyKey(QByteArray bytes)
{
    const QByteArray& key = keyStream();
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ key[i % key.size()] ^ static_cast<char>((i * 131) & 0xff));
    return bytes;
}

quint16 checksum(const QByteArray& bytes) { return qChecksum(bytes.constData(), static_cast<uint>(bytes.size())); }
}  // namespace

std::string SecurityTools::scrambleStringBase64(const std::string& text)
{
    if (text.empty())
        return text;
    const QByteArray plain = QByteArray::fromStdString(text);
    QByteArray header = s_marker;
    header.resize(s_headerSize);
    qToBigEndian(checksum(plain), header.data() + s_marker.size());
    return (header + applyKey(plain)).toBase64().toStdString();
}

std::string SecurityTools::unscrambleStringBase64(const std::string& scrambled)
{
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(QByteArray::fromStdString(scrambled), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() <= s_headerSize || !decoded.decoded.startsWith(s_marker))
        return scrambled;
    const QByteArray plain = applyKey(decoded.decoded.mid(s_headerSize));
    const quint16 stored = qFromBigEndian<quint16>(decoded.decoded.constData() + s_marker.size());
    if (stored != checksum(plain))
        return scrambled;
    return plain.toStdString();
}

}  // namespace Quarvane
