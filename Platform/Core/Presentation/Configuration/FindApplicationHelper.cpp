#include "Platform/Core/Presentation/Configuration/FindApplicationHelper.h"

#include "Platform/Core/Service/Registry/RegistryKey.h"

#include <QtCore/QFileInfo>

#include <iterator>

namespace Quarvane
{
namespace
{
const QString s_uninstallKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
const QString s_suiteKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane");
const QString s_publisher = QStringLiteral("Quarvane");
const QString s_backslash = QStringLiteral("\\");

struct ApplicationKind
{
    FindApplicationHelper::QuarvaneApplications application;
    const char* name;
    const char* executable;
};

// In the order a display name is tested against them.
const ApplicationKind s_kinds[] = {
    {FindApplicationHelper::Pressan, "Pressan", "QVPressanUI.exe"},
    {FindApplicationHelper::Jointra, "Jointra", "QVJointraUI.exe"},
    {FindApplicationHelper::Hollex, "Hollex", "QVHollexUI.exe"},
    {FindApplicationHelper::Stagix, "Stagix", "QVStagixUI.exe"},
};

const ApplicationKind* kindOf(FindApplicationHelper::QuarvaneApplications application)
{
    for (const ApplicationKind& kind : s_kinds)
        if (kind.application == application)
            return &kind;
    return nullptr;
}

// The composed paths are Windows paths; elsewhere their backslashes are taken for the
// directory separators they stand for, so that an installation can be tested on disk.
bool existsOnDisk(const QString& path)
{
#ifdef Q_OS_WIN
    return QFileInfo::exists(path);
#else
    return QFileInfo::exists(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
#endif
}

void insertIfInstalled(std::map<QString, QString>& installations, const QString& path, const QString& name)
{
    if (!path.isEmpty() && installations.count(path) == 0 && existsOnDisk(path))
        installations.emplace(path, name);
}

template <class Predicate>
void eraseUnless(std::map<QString, QString>& installations, Predicate keep)
{
    for (auto entry = installations.begin(); entry != installations.end();)
        entry = keep(entry->second) ? std::next(entry) : installations.erase(entry);
}
}  // namespace

QString FindApplicationHelper::mapQuarvaneApplicationsToName(QuarvaneApplications application)
{
    const ApplicationKind* kind = kindOf(application);
    return kind != nullptr ? QString::fromLatin1(kind->name) : QString();
}

FindApplicationHelper::QuarvaneApplications FindApplicationHelper::mapNameToQuarvaneApplications(const QString& name)
{
    for (const ApplicationKind& kind : s_kinds)
        if (name.contains(QLatin1String(kind.name), Qt::CaseSensitive))
            return kind.application;
    return NoApplication;
}

QString FindApplicationHelper::composeInstallationPath(const QString& installLocation, QuarvaneApplications application)
{
    if (installLocation.isEmpty())
        return QString();
    QString path = installLocation;
    if (!path.endsWith(s_backslash, Qt::CaseSensitive))
        path += s_backslash;
    const ApplicationKind* kind = kindOf(application);
    return path + QStringLiteral("bin\\") + (kind != nullptr ? QString::fromLatin1(kind->executable) : QString());
}

std::map<QString, QString> FindApplicationHelper::searchRegistryForQuarvaneApplications()
{
    std::map<QString, QString> installations;

    RegistryKey uninstall(s_uninstallKey);
    for (const QString& entry : uninstall.childGroups())
    {
        uninstall.beginGroup(entry);
        const QString publisher = uninstall.stringValue(QStringLiteral("Publisher"));
        const QString displayName = uninstall.stringValue(QStringLiteral("DisplayName"));
        if (publisher == s_publisher)
        {
            const QString path = composeInstallationPath(uninstall.stringValue(QStringLiteral("InstallLocation")),
                                                         mapNameToQuarvaneApplications(displayName));
            insertIfInstalled(installations, path, displayName);
        }
        uninstall.endGroup();
    }

    RegistryKey suite(s_suiteKey);
    for (const QString& installation : suite.childGroups())
    {
        suite.beginGroup(installation);
        const QString path = composeInstallationPath(suite.stringValue(QStringLiteral("Path")),
                                                     mapNameToQuarvaneApplications(installation));
        insertIfInstalled(installations, path, installation);
        suite.endGroup();
    }
    return installations;
}

std::map<QString, QString> FindApplicationHelper::findApplicationsByType(QuarvaneApplications application)
{
    std::map<QString, QString> installations = searchRegistryForQuarvaneApplications();
    const QString name = mapQuarvaneApplicationsToName(application);
    eraseUnless(installations, [&name](const QString& installation)
                { return name.isEmpty() || installation.contains(name, Qt::CaseSensitive); });
    return installations;
}

QString FindApplicationHelper::findApplicationByTypeAndVersion(QuarvaneApplications application, const QString& version)
{
    std::map<QString, QString> installations = findApplicationsByType(application);
    eraseUnless(installations, [&version](const QString& installation)
                { return version.isEmpty() || installation.endsWith(version, Qt::CaseSensitive); });
    return installations.empty() ? QString() : installations.begin()->first;
}

std::set<QString> FindApplicationHelper::findAllInstalledApplicationNames()
{
    std::set<QString> names;
    for (const auto& installation : searchRegistryForQuarvaneApplications())
        names.insert(installation.second);
    return names;
}

}  // namespace Quarvane
