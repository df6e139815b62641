#pragma once

#include <QtCore/QByteArray>

#include <memory>
#include <string>

class QLoggingCategory;

namespace Quarvane
{

// One source file's logger. Lines go through Qt's logging: each logger is the category
// "quarvane.<source file's base name>" (for "StandardFilesConfiguration.cpp",
// "quarvane.StandardFilesConfiguration"), trace lines are Qt debug messages and info lines Qt
// info messages, each carrying the file, function and line it was written from. Info is on by
// default and trace off; Qt's filter rules switch either, e.g.
// QT_LOGGING_RULES="quarvane.*.debug=true". Where lines end up is Qt's message handler's
// business (standard error unless the application installs another).
class Logging
{
public:
    explicit Logging(const std::string& sourceFile);
    ~Logging();
    Logging(const Logging&) = delete;
    Logging& operator=(const Logging&) = delete;

    void logTRACE(const std::string& message, const char* file, const char* function, int line) const;
    void logINFO(const std::string& message, const char* file, const char* function, int line) const;

    const char* categoryName() const { return m_categoryName.constData(); }

private:
    QByteArray m_categoryName;  // the category keeps a pointer to it
    std::unique_ptr<QLoggingCategory> m_category;
};

}  // namespace Quarvane
