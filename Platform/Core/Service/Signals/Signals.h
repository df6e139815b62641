#pragma once

#include <boost/signals2/dummy_mutex.hpp>
#include <boost/signals2/signal_type.hpp>

#include <cstddef>
#include <utility>

namespace Signals
{

// Where a new slot goes among those already connected.
enum class ConnectPosition
{
    AtBack = 0,  // after the slots already connected
    AtFront = 1  // before them
};

namespace Detail
{
template <class Signature>
using Implementation = typename boost::signals2::signal_type<
    Signature, boost::signals2::keywords::mutex_type<boost::signals2::dummy_mutex>>::type;
}

// A callable a signal calls. Any callable with a matching signature converts to it implicitly.
template <class Signature>
using Slot = typename Detail::Implementation<Signature>::slot_type;

// A handle to one connected slot. Destroying it leaves the slot connected.
class Connection
{
public:
    Connection() = default;
    explicit Connection(boost::signals2::connection connection) : m_connection(std::move(connection)) {}

    bool connected() const { return m_connection.connected(); }
    void disconnect() { m_connection.disconnect(); }

    // Forgets the slot without disconnecting it; the slot stays connected for the signal's lifetime.
    void releaseWithoutDisconnect() { m_connection = boost::signals2::connection(); }

private:
    boost::signals2::connection m_connection;
};

template <class Signature>
class Signal;

// Calls its connected slots in order, synchronously, on the emitting thread.
//
// A copy starts without connections and assigning leaves the target's connections alone:
// observers subscribe to one object, not to whatever is later copied from it.
template <class... Args>
class Signal<void(Args...)>
{
public:
    Signal() = default;
    Signal(const Signal&) {}
    Signal& operator=(const Signal&) { return *this; }

    Connection connect(const Slot<void(Args...)>& slot, ConnectPosition position = ConnectPosition::AtBack)
    {
        const auto where = position == ConnectPosition::AtFront ? boost::signals2::at_front : boost::signals2::at_back;
        m_everConnected = true;
        return Connection(m_implementation.connect(slot, where));
    }

    void operator()(Args... args) const
    {
        // Most signals never get an observer; skip the invocation machinery for them. Asking the
        // implementation whether it is empty would walk its slot list on every emit, which costs
        // nearly a third of an emit when a slot is connected.
        if (m_everConnected)
            m_implementation(std::forward<Args>(args)...);
    }

    std::size_t numberOfSlots() const { return m_implementation.num_slots(); }
    bool empty() const { return m_implementation.empty(); }
    void disconnectAllSlots()
    {
        m_implementation.disconnect_all_slots();
        m_everConnected = false;
    }

private:
    Detail::Implementation<void(Args...)> m_implementation;
    bool m_everConnected = false;
};

}  // namespace Signals
