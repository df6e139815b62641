#include "Platform/Core/Service/Identifier/GUIdentifier.h"

#include <QtCore/QUuid>

#include <boost/container_hash/hash.hpp>

namespace Quarvane
{

namespace
{

GUIdentifier fromUuid(const QUuid& uuid)
{
    const QByteArray bytes = uuid.toRfc4122();
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    for (int i = 0; i < 8; ++i)
    {
        high = (high << 8) | static_cast<unsigned char>(bytes[i]);
        low = (low << 8) | static_cast<unsigned char>(bytes[i + 8]);
    }
    return {high, low};
}

QUuid toUuid(const GUIdentifier& identifier)
{
    QByteArray bytes(16, '\0');
    for (int i = 0; i < 8; ++i)
    {
        bytes[7 - i] = static_cast<char>((identifier.high() >> (8 * i)) & 0xff);
        bytes[15 - i] = static_cast<char>((identifier.low() >> (8 * i)) & 0xff);
    }
    return QUuid::fromRfc4122(bytes);
}

}  // namespace

GUIdentifier GUIdentifier::generate()
{
    return fromUuid(QUuid::createUuid());
}

GUIdentifier GUIdentifier::fromString(const std::string& text)
{
    return fromUuid(QUuid::fromString(QString::fromStdString(text)));
}

std::string GUIdentifier::toString() const
{
    return toUuid(*this).toString().toStdString();
}

std::size_t hash_value(const GUIdentifier& identifier)
{
    std::size_t seed = 0;
    boost::hash_combine(seed, identifier.high());
    boost::hash_combine(seed, identifier.low());
    return seed;
}

}  // namespace Quarvane
