#pragma once

#include <stdexcept>
#include <string>

namespace Quarvane
{

// A programming error found at run time: a caller broke a rule the interface states (registered
// something twice, asked for something that was never registered). It carries where the error
// was raised, so a report from the field leads straight to the rule that was broken.
//
// what() is the message followed by the place, for logs and tools that print only what(); the
// accessors give each part on its own.
class QvLogicException : public std::logic_error
{
public:
    QvLogicException(const std::string& message, const std::string& component, const std::string& function,
                     const std::string& file, int line);

    const std::string& getMessage() const noexcept { return m_message; }
    // The component that raised it, as named in error reports.
    const std::string& getComponent() const noexcept { return m_component; }
    const std::string& getFunction() const noexcept { return m_function; }
    const std::string& getFile() const noexcept { return m_file; }
    int getLine() const noexcept { return m_line; }

private:
    std::string m_message;
    std::string m_component;
    std::string m_function;
    std::string m_file;
    int m_line;
};

}  // namespace Quarvane
