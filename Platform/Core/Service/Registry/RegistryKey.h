#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <memory>

class QSettings;

namespace Quarvane
{

// Read-only access to one key of the Windows registry and the keys below it.
//
// On Windows this is the registry itself, read through QSettings in native format. Elsewhere
// the same key trees come from an INI file named by the environment variable
// QUARVANE_REGISTRY_FILE, one section per key, named by the key's full path:
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Quarvane\Pressan R12]
//   Path=C:\\Program Files\\Quarvane\\Pressan R12
//
// Backslashes inside values are written doubled, as INI files escape them; a value holding a
// comma is written in double quotes, or it reads as a list (which stringValue joins with ", ").
// Without the variable, or when the file is missing or not a valid INI file, every key is
// empty: no child groups and no values.
class RegistryKey
{
public:
    static const char* const s_registryFileVariable;

    // `path` with backslashes, starting at the hive: "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane".
    explicit RegistryKey(const QString& path);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // The subkeys of the current key (the opened one, or the group entered last).
    QStringList childGroups() const;
    // Enters a subkey of the current key; endGroup returns to the key entered before.
    void beginGroup(const QString& name);
    void endGroup();
    // A value of the current key as text; "" when it is missing.
    QString stringValue(const QString& name) const;

private:
    std::unique_ptr<QSettings> m_settings;  // null: nothing to read
};

}  // namespace Quarvane
