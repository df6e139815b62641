#pragma once

#include "Platform/Core/Service/Signals/Signals.h"

#include <tuple>
#include <vector>

namespace Quarvane::Testing
{

// Connects to a signal and keeps the arguments of every emission.
template <class... Args>
class SignalRecorder
{
public:
    explicit SignalRecorder(Signals::Signal<void(Args...)>& signal)
        : m_connection(signal.connect([this](Args... args) { calls.emplace_back(args...); }))
    {
    }
    ~SignalRecorder() { m_connection.disconnect(); }
    SignalRecorder(const SignalRecorder&) = delete;
    SignalRecorder& operator=(const SignalRecorder&) = delete;

    std::vector<std::tuple<std::decay_t<Args>...>> calls;

private:
    Signals::Connection m_connection;
};

}  // namespace Quarvane::Testing
