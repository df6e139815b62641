#pragma once

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"
#include "Platform/Core/Service/Exceptions/QvLogicException.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/lock_guard.hpp>
#include <boost/thread/mutex.hpp>

#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

// The mechanics every configuration group shares, written once: registration on first use,
// typed lookup of a value by key, compare-store-emit setters, and the editable and visible
// rules. Each group's own source then holds only its table and its departures from the pattern.
namespace Quarvane
{
namespace GroupSupport
{

// Raises the QvLogicException of a programming error in a group (a missing or mistyped key, a
// name registered twice), naming the group and the key.
[[noreturn]] inline void raiseGroupError(const std::string& group, const std::string& key, const std::string& what,
                                         const char* function)
{
    throw QvLogicException(group + "/" + key + ": " + what, "PresentationConfiguration", function, __FILE__,
                           __LINE__);
}

// Creates the group with all defaults and registers it with the configuration manager under its
// object name on the first call; every later call returns the same instance. `mutex` guards
// only this check-create-register step; the manager owns the group from then on.
//
// When getInstance() answers another manager than the one the instance was registered with (a
// test's scoped manager began or ended), the group registers again: it takes the instance that
// manager already holds under its name, or registers a new one.
template <class Group>
Group* registerOnce(Group*& instance, boost::mutex& mutex)
{
    static std::uint64_t registeredIn = 0;  // one per group class
    boost::lock_guard<boost::mutex> lock(mutex);
    const std::uint64_t generation = ConfigurationManager::getInstanceGeneration();
    if (instance != nullptr && registeredIn == generation)
        return instance;
    auto group = std::make_shared<Group>();
    ConfigurationManager& manager = ConfigurationManager::getInstance();
    if (auto* known = dynamic_cast<Group*>(manager.getConfigurationObject(group->getName())))
        instance = known;
    else if (manager.addConfigurationObject(group, group->getName()))
        instance = group.get();
    else
        raiseGroupError(group->getName(), "", "another configuration object is registered under this name",
                        "registerOnce");
    registeredIn = generation;
    return instance;
}

template <class T>
ConfigurationValue<T>& valueOf(ConfigurationObject& group, const std::string& key)
{
    ConfigurationValueBase* value = group.getConfigurationValue(key);
    if (value == nullptr)
        raiseGroupError(group.getName(), key, "no such value", "valueOf");
    auto* typed = dynamic_cast<ConfigurationValue<T>*>(value);
    if (typed == nullptr)
        raiseGroupError(group.getName(), key,
                        std::string("is a ") + value->getTypeName() + " value, not a " +
                            ConfigValueText::typeName<T>() + " value",
                        "valueOf");
    return *typed;
}

template <class T>
const ConfigurationValue<T>& valueOf(const ConfigurationObject& group, const std::string& key)
{
    return valueOf<T>(const_cast<ConfigurationObject&>(group), key);
}

// Checks, once when the group is built, that `key` is the value of type T declared at
// `position`, so that valueAt may take it from there without looking it up.
template <class T>
void checkPosition(ConfigurationObject& group, std::size_t position, const std::string& key)
{
    const ConfigurationObject::ValueList& values = group.getConfigurationValues();
    const ConfigurationValueBase* value = position < values.size() ? values[position].get() : nullptr;
    if (value == nullptr || value->getName() != key || dynamic_cast<const ConfigurationValue<T>*>(value) == nullptr)
        raiseGroupError(group.getName(), key, "is not declared at position " + std::to_string(position),
                        "checkPosition");
}

// The value the group's constructor declared at `position`, checked there by checkPosition.
// Every instance of a group holds its values in declaration order, copies included.
template <class T>
ConfigurationValue<T>& valueAt(ConfigurationObject& group, std::size_t position)
{
    return static_cast<ConfigurationValue<T>&>(*group.getConfigurationValues()[position]);
}

template <class T>
const T& get(const ConfigurationObject& group, const std::string& key)
{
    return valueOf<T>(group, key).getValue();
}

struct Unclamped
{
    template <class T>
    const T& operator()(const T& value) const
    {
        return value;
    }
};

// Stores `requested`, passed through `clamp` and brought inside the value's declared range,
// unless it equals the current value. The comparison is made before clamping, so a request that
// clamps to the current value is still stored. Returns whether anything was stored.
template <class T, class Clamp = Unclamped>
bool storeIfChanged(ConfigurationValue<T>& value, const T& requested, Clamp clamp = {})
{
    if (value.getValue() == requested)
        return false;
    value.setValue(value.clampedToRule(clamp(requested)));
    return true;
}

template <class T, class Clamp = Unclamped>
bool storeIfChanged(ConfigurationObject& group, const std::string& key, const T& requested, Clamp clamp = {})
{
    return storeIfChanged(valueOf<T>(group, key), requested, clamp);
}

// The common setter: compare, store (clamped by the declared range), emit the stored value.
template <class T, class Clamp = Unclamped>
void setAndNotify(ConfigurationObject& group, const std::string& key, const T& requested,
                  Signals::Signal<void(T)>& signal, Clamp clamp = {})
{
    ConfigurationValue<T>& value = valueOf<T>(group, key);
    if (storeIfChanged(value, requested, clamp))
        signal(value.getValue());
}

// The common setter for a value whose signal carries no argument (observers read the value
// back, or one signal stands for several values).
template <class T, class Clamp = Unclamped>
void setAndNotify(ConfigurationObject& group, const std::string& key, const T& requested,
                  Signals::Signal<void()>& signal, Clamp clamp = {})
{
    if (storeIfChanged(group, key, requested, clamp))
        signal();
}

// Whether a value differs between two instances of a group (as copyFrom needs to know before
// it copies).
inline bool differs(const ConfigurationObject& group, const ConfigurationObject& other, const std::string& key)
{
    return !group.compareWithOtherConfigValue(other, key);
}

// The user may change a value while neither the group nor the value is locked.
inline bool isEditable(const ConfigurationObject& group, const std::string& key)
{
    if (!group.isEditable())
        return false;
    const ConfigurationValueBase* value = group.getConfigurationValue(key);
    return value == nullptr || value->isEditable();
}

// A value is shown in the settings dialog when it is not hidden and belongs to the running product.
inline bool isVisible(const ConfigurationValueBase& value)
{
    return value.getGuiVisibility() == 0 && value.belongsToBuildProduct(BuildInformation::getProductType());
}

inline bool isVisible(const ConfigurationObject& group, const std::string& key)
{
    const ConfigurationValueBase* value = group.getConfigurationValue(key);
    return value != nullptr && isVisible(*value);
}

// The key a group's type number selects, or null when the number selects no value.
template <std::size_t N>
const std::string* selectedKey(const std::string* const (&keys)[N], int type)
{
    return type >= 0 && static_cast<std::size_t>(type) < N ? keys[type] : nullptr;
}

// getEditable's rule for a group whose type numbers select values through `keys`: nothing is
// editable in a locked group; otherwise the selected value's flag decides, and a number that
// selects no value (out of range, or a gap in `keys`) gives `whenNoneSelected`.
template <std::size_t N>
bool isSelectedEditable(const ConfigurationObject& group, const std::string* const (&keys)[N], int type,
                        bool whenNoneSelected = true)
{
    if (!group.isEditable())
        return false;
    const std::string* key = selectedKey(keys, type);
    return key == nullptr ? whenNoneSelected : isEditable(group, *key);
}

// The visibility query by type number; a number that selects no value gives `whenNoneSelected`.
template <std::size_t N>
bool isSelectedVisible(const ConfigurationObject& group, const std::string* const (&keys)[N], int type,
                       bool whenNoneSelected)
{
    const std::string* key = selectedKey(keys, type);
    return key == nullptr ? whenNoneSelected : isVisible(group, *key);
}

// The setters that store without comparing and notify only when the caller asks, so that a
// caller changing several values can hold the notification back.
template <class T>
void storeAndEmitOnRequest(ConfigurationObject& group, const std::string& key, const T& value,
                           Signals::Signal<void(T)>& signal, bool emitSignal)
{
    ConfigurationValue<T>& stored = valueOf<T>(group, key);
    stored.setValue(value);
    if (emitSignal)
        signal(stored.getValue());
}

// One change notification of a group: the values it reports (one, or several that share a
// signal) and how to emit it with the current values. A group lists its notifications in the
// order it emits them.
template <class Group>
struct Notification
{
    Notification(const std::string* key, std::function<void(Group&)> emitter) : keys{key}, notify(std::move(emitter)) {}
    Notification(std::initializer_list<const std::string*> reported, std::function<void(Group&)> emitter)
        : keys(reported), notify(std::move(emitter))
    {
    }

    std::vector<const std::string*> keys;
    std::function<void(Group&)> notify;
};

// The notification of a value whose signal carries it.
template <class Group, class T>
Notification<Group> emitting(const std::string& key, Signals::Signal<void(T)> Group::*signal)
{
    return {&key, [&key, signal](Group& group) { (group.*signal)(get<T>(group, key)); }};
}

// The notification of values whose signal carries nothing (observers read the values back).
template <class Group>
Notification<Group> signalling(std::initializer_list<const std::string*> keys, Signals::Signal<void()> Group::*signal)
{
    return {keys, [signal](Group& group) { (group.*signal)(); }};
}

template <class Group, std::size_t N>
void emitAll(Group& group, const Notification<Group> (&notifications)[N])
{
    for (const Notification<Group>& notification : notifications)
        notification.notify(group);
}

// copyFrom of the groups: notes which notifications cover a value that differs, copies everything
// with the framework's assignment, then emits those notifications in list order, once each, with
// the copied values. Values no notification lists are copied silently.
template <class Group, std::size_t N>
void copyAndNotifyChanges(Group& group, const Group& other, const Notification<Group> (&notifications)[N])
{
    std::bitset<N> changed;
    for (std::size_t i = 0; i < N; ++i)
        for (const std::string* key : notifications[i].keys)
            changed[i] = changed[i] || differs(group, other, *key);
    group.ConfigurationObject::operator=(other);
    for (std::size_t i = 0; i < N; ++i)
        if (changed[i])
            notifications[i].notify(group);
}

// Live reload of the groups that notify per value: takes over what the files now give and
// emits, in list order, the notifications of the values that changed.
template <class Group, std::size_t N>
void takeOverAndNotifyChanges(Group& group, const ConfigurationObject& reloaded,
                              const Notification<Group> (&notifications)[N])
{
    copyAndNotifyChanges(group, dynamic_cast<const Group&>(reloaded), notifications);
}

}  // namespace GroupSupport
}  // namespace Quarvane
