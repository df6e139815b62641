#pragma once

#include <QtCore/QString>

#include <string>

namespace Quarvane
{

// The name of a file or directory as the user gave it (UTF-8), relative or absolute.
class FileName
{
public:
    FileName() = default;
    explicit FileName(const std::string& path);
    explicit FileName(const QString& path);

    bool isEmpty() const { return m_path.isEmpty(); }
    const QString& toQString() const { return m_path; }
    std::string toStdString() const { return m_path.toStdString(); }

    bool operator==(const FileName& other) const { return m_path == other.m_path; }
    bool operator!=(const FileName& other) const { return !(*this == other); }

private:
    QString m_path;
};

}  // namespace Quarvane
