#include "Platform/Core/Service/FileHandling/FileName.h"

namespace Quarvane
{

FileName::FileName(const std::string& path) : m_path(QString::fromStdString(path)) {}

FileName::FileName(const QString& path) : m_path(path) {}

}  // namespace Quarvane
