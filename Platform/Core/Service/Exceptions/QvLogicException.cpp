#include "Platform/Core/Service/Exceptions/QvLogicException.h"

namespace Quarvane
{
namespace
{
// "Message (component, function, file:line)".
std::string describe(const std::string& message, const std::string& component, const std::string& function,
                     const std::string& file, int line)
{
    return message + " (" + component + ", " + function + ", " + file + ":" + std::to_string(line) + ")";
}
}  // namespace

QvLogicException::QvLogicException(const std::string& message, const std::string& component,
                                   const std::string& function, const std::string& file, int line)
    : std::logic_error(describe(message, component, function, file, line)),
      m_message(message),
      m_component(component),
      m_function(function),
      m_file(file),
      m_line(line)
{
}

}  // namespace Quarvane
