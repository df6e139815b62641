#pragma once

#include <QtCore/QString>

#include <map>
#include <set>

namespace Quarvane
{

// Finds the suite's applications installed on this machine through the registry: the
// uninstall entries of publisher "Quarvane" and the subkeys of the suite's own key. Every
// query reads the registry afresh; an installation counts only when its user-interface
// executable exists.
//
// Where the machine has no Windows registry, the registry is the file that
// Platform/Core/Service/Registry/RegistryKey.h describes, and paths composed with backslashes
// are tested for existence with the backslashes read as directory separators; the paths
// returned are always the composed text.
class FindApplicationHelper
{
public:
    enum QuarvaneApplications
    {
        Pressan = 0,
        Jointra = 1,
        Hollex = 2,
        Stagix = 3,
        NoApplication = 4
    };

    FindApplicationHelper& operator=(const FindApplicationHelper&) = default;

    // "Pressan", "Jointra", "Hollex", "Stagix"; "" for NoApplication and any other number.
    static QString mapQuarvaneApplicationsToName(QuarvaneApplications application);
    // The installations whose name contains the application's name: executable path -> name.
    static std::map<QString, QString> findApplicationsByType(QuarvaneApplications application);
    // The executable of the application's installation whose name ends with `version`; the
    // smallest such path when there are several, "" when there is none.
    static QString findApplicationByTypeAndVersion(QuarvaneApplications application, const QString& version);
    // The names of all installations found.
    static std::set<QString> findAllInstalledApplicationNames();

private:
    // The first of Pressan, Jointra, Hollex, Stagix whose name occurs in `name`.
    static QuarvaneApplications mapNameToQuarvaneApplications(const QString& name);
    // installLocation\bin\<executable>; "" for an empty location.
    static QString composeInstallationPath(const QString& installLocation, QuarvaneApplications application);
    // Every installation whose executable exists: path -> name.
    static std::map<QString, QString> searchRegistryForQuarvaneApplications();
};

}  // namespace Quarvane
