#pragma once

#include "Platform/Core/Service/Registry/RegistryKey.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <stdexcept>

namespace Quarvane::Testing
{

// A registry file in a temporary folder, named by the environment while the object lives, and
// installations on disk to go with it. Entries are written as a person would write them.
class TemporaryRegistry
{
public:
    static constexpr const char* s_uninstallKey =
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    static constexpr const char* s_suiteKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane";

    TemporaryRegistry() : m_file(m_folder.filePath(QStringLiteral("registry.ini")))
    {
        if (!m_folder.isValid())
            throw std::runtime_error("cannot create a temporary folder");
        qputenv(RegistryKey::s_registryFileVariable, m_file.toUtf8());
        write();
    }
    ~TemporaryRegistry() { qunsetenv(RegistryKey::s_registryFileVariable); }
    TemporaryRegistry(const TemporaryRegistry&) = delete;
    TemporaryRegistry& operator=(const TemporaryRegistry&) = delete;

    void addUninstallEntry(const QString& subkey, const QString& publisher, const QString& displayName,
                           const QString& installLocation)
    {
        m_text += section(QString::fromLatin1(s_uninstallKey) + "\\" + subkey) + line("Publisher", publisher) +
                  line("DisplayName", displayName) + line("InstallLocation", installLocation);
        write();
    }

    void addSuiteEntry(const QString& name, const QString& path)
    {
        m_text += section(QString::fromLatin1(s_suiteKey) + "\\" + name) + line("Path", path);
        write();
    }

    void writeRaw(const QByteArray& text)
    {
        m_text = QString::fromUtf8(text);
        write();
    }

    // Creates <folder>/bin/<executable> (only the bin folder for an empty executable) and returns
    // the installation folder's path.
    QString install(const QString& folder, const QString& executable)
    {
        const QString location = m_folder.filePath(folder);
        QDir().mkpath(location + "/bin");
        if (!executable.isEmpty())
        {
            QFile file(location + "/bin/" + executable);
            if (!file.open(QIODevice::WriteOnly))
                throw std::runtime_error("cannot create " + file.fileName().toStdString());
        }
        return location;
    }

    QString filePath() const { return m_file; }

private:
    static QString section(const QString& key) { return "\n[" + key + "]\n"; }
    // Quoted, with backslashes and quotes escaped as INI files want them.
    static QString line(const QString& name, const QString& value)
    {
        QString escaped = value;
        escaped.replace("\\", "\\\\").replace("\"", "\\\"");
        return name + "=\"" + escaped + "\"\n";
    }

    void write()
    {
        QFile file(m_file);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_text.toUtf8()) < 0)
            throw std::runtime_error("cannot write " + m_file.toStdString());
    }

    QTemporaryDir m_folder;
    QString m_file;
    QString m_text;
};

}  // namespace Quarvane::Testing
