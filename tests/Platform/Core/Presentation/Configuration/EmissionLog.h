#pragma once

#include "Platform/Core/Service/Signals/Signals.h"

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace Quarvane::Testing
{

// Records the emissions of several signals in one list, as "name(arg,arg)", so that a test sees
// which signals a call emitted, with which values and in which order.
class EmissionLog
{
public:
    EmissionLog() = default;
    EmissionLog(const EmissionLog&) = delete;
    EmissionLog& operator=(const EmissionLog&) = delete;
    ~EmissionLog()
    {
        for (Signals::Connection& connection : m_connections)
            connection.disconnect();
    }

    template <class... Args>
    EmissionLog& watch(Signals::Signal<void(Args...)>& signal, const std::string& name)
    {
        m_connections.push_back(signal.connect([this, name](Args... args) {
            std::ostringstream text;
            text.precision(17);
            text << std::boolalpha << name << "(";
            const char* separator = "";
            ((text << separator << args, separator = ","), ...);
            text << ")";
            entries.push_back(text.str());
        }));
        return *this;
    }

    // The entries so far, and forgets them.
    std::vector<std::string> take() { return std::exchange(entries, {}); }

    std::vector<std::string> entries;

private:
    std::vector<Signals::Connection> m_connections;
};

}  // namespace Quarvane::Testing
