#pragma once

#include "Platform/Core/Service/Signals/Signals.h"

#include <string>
#include <vector>

namespace Quarvane::Testing
{

// Records, across many signals, which one was emitted in which order, by the names given to them.
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
    void watch(const std::string& name, Signals::Signal<void(Args...)>& signal)
    {
        m_connections.push_back(signal.connect([this, name](Args...) { emitted.push_back(name); }));
    }

    std::vector<std::string> emitted;

private:
    std::vector<Signals::Connection> m_connections;
};

}  // namespace Quarvane::Testing
