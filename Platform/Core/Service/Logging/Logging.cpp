#include "Platform/Core/Service/Logging/Logging.h"

#include <QtCore/QDebug>
#include <QtCore/QFileInfo>
#include <QtCore/QLoggingCategory>

namespace Quarvane
{
namespace
{
QByteArray categoryFor(const std::string& sourceFile)
{
    QString name = QFileInfo(QString::fromStdString(sourceFile)).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("unnamed");
    return "quarvane." + name.toUtf8();
}
}  // namespace

Logging::Logging(const std::string& sourceFile)
    : m_categoryName(categoryFor(sourceFile)),
      m_category(std::make_unique<QLoggingCategory>(m_categoryName.constData(), QtInfoMsg))
{
}

Logging::~Logging() = default;

void Logging::logTRACE(const std::string& message, const char* file, const char* function, int line) const
{
    if (m_category->isDebugEnabled())
        QMessageLogger(file, line, function).debug(*m_category).noquote() << QString::fromStdString(message);
}

void Logging::logINFO(const std::string& message, const char* file, const char* function, int line) const
{
    if (m_category->isInfoEnabled())
        QMessageLogger(file, line, function).info(*m_category).noquote() << QString::fromStdString(message);
}

}  // namespace Quarvane
