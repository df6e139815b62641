#include "Platform/Core/Service/Registry/RegistryKey.h"

#include <QtCore/QDateTime>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtCore/QVariant>

#include <map>
#include <mutex>
#include <utility>

namespace Quarvane
{

const char* const RegistryKey::s_registryFileVariable = "QUARVANE_REGISTRY_FILE";

namespace
{
#ifdef Q_OS_WIN
std::unique_ptr<QSettings> openKey(const QString& path)
{
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
}
#else
// QSettings parses an INI file once and shares the result while the file is unchanged, and only
// the instance that parsed it reports a format error. A file found malformed is therefore
// remembered by its size and time stamp (what QSettings itself compares), so that every later
// opening of the unchanged file is refused too rather than reading whatever was parsed.
bool isMalformed(const QString& file, QSettings::Status status)
{
    using Version = std::pair<qint64, QDateTime>;
    static std::mutex mutex;
    static std::map<QString, Version> malformed;
    const QFileInfo info(file);
    const Version version{info.size(), info.lastModified()};
    std::lock_guard<std::mutex> lock(mutex);
    if (status == QSettings::FormatError)
    {
        malformed[info.absoluteFilePath()] = version;
        return true;
    }
    const auto known = malformed.find(info.absoluteFilePath());
    return known != malformed.end() && known->second == version;
}

std::unique_ptr<QSettings> openKey(const QString& path)
{
    const QString file = qEnvironmentVariable(RegistryKey::s_registryFileVariable);
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return nullptr;
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    settings->setIniCodec("UTF-8");
    const QSettings::Status status = settings->status();
    if (isMalformed(file, status) || status != QSettings::NoError)
        return nullptr;
    // QSettings parses the sections of an INI file lazily and, until a section is parsed, does
    // not list it among the child groups of the sections above it; reading every key once
    // parses them all.
    settings->allKeys();
    settings->beginGroup(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return settings;
}
#endif
}  // namespace

RegistryKey::RegistryKey(const QString& path) : m_settings(openKey(path)) {}

RegistryKey::~RegistryKey() = default;

QStringList RegistryKey::childGroups() const { return m_settings ? m_settings->childGroups() : QStringList(); }

void RegistryKey::beginGroup(const QString& name)
{
    if (m_settings)
        m_settings->beginGroup(name);
}

void RegistryKey::endGroup()
{
    if (m_settings)
        m_settings->endGroup();
}

QString RegistryKey::stringValue(const QString& name) const
{
    if (!m_settings)
        return QString();
    const QVariant value = m_settings->value(name);
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

}  // namespace Quarvane
