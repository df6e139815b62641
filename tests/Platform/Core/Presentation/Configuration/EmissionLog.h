#pragma once

#include "Platform/Core/Service/Signals/Signals.h"

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace Quarvane::Testing
{

// Records the emissions of several signals in one list, so that a test sees which signals a call
// emitted, in which order (`emitted`: the names) and with which values (`entries`: "name(arg,arg)").
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
            [[maybe_unused]] const char* separator = "";
            ((text << separator << args, separator = ","), ...);
            text << ")";
            entries.push_back(text.str());
            emitted.push_back(name);
        }));
        return *this;
    }

    // The entries so far, and forgets every emission.
    std::vector<std::string> take()
    {
        emitted.clear();
        return std::exchange(entries, {});
    }

    std::vector<std::string> entries;
    std::vector<std::string> emitted;

private:
    std::vector<Signals::Connection> m_connections;
};

}  // namespace Quarvane::Testing
