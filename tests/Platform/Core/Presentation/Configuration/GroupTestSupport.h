#pragma once

#include "EmissionLog.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "tests/Platform/Core/Service/ConfigurationFramework/SampleObjects.h"

#include <QtCore/QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Quarvane::Testing
{
using Log = std::vector<std::string>;

// One value as a configuration file holds it.
inline std::string storedValue(const std::string& key, const std::string& type, const std::string& text,
                               bool locked = false)
{
    return "<value key=\"" + key + "\" type=\"" + type + "\"" + (locked ? " editable=\"false\"" : "") + ">" + text +
           "</value>";
}

inline std::string storedObject(const std::string& name, const std::string& content)
{
    return "<object name=\"" + name + "\">" + content + "</object>";
}

// A colour as the colour group stores it, with the given red and no green nor blue.
inline std::string storedColor(const std::string& key, const std::string& red, const std::string& attributes = {})
{
    return "<object class=\"ObjectColor\" name=\"" + key + "\"" + attributes + ">" + storedValue("r", "float", red) +
           storedValue("g", "float", "0") + storedValue("b", "float", "0") + "</object>";
}

// Reads `values` as the group's object in a single system file.
template <class Group>
void loadSystemFile(Group& group, const std::string& values)
{
    ConfigReader::fromXml(configurationXml(storedObject(group.getName(), values)))
        .readConfigurationObject(group.getName(), group);
}

// One stored value and the text its key holds once a new group has read it.
struct LoadCase
{
    const char* key;
    const char* type;
    const char* text;
    const char* held;
};

template <class Group>
void expectLoaded(const std::vector<LoadCase>& cases)
{
    for (const LoadCase& c : cases)
    {
        Group group;
        loadSystemFile(group, storedValue(c.key, c.type, c.text));
        EXPECT_EQ(group.getConfigurationValue(c.key)->getValueText(), c.held) << c.key << " = " << c.text;
    }
}

// An action on a new group and the emissions it must cause.
template <class Group>
struct EmissionCase
{
    const char* what;
    void (*act)(Group&);
    Log emitted;
};

template <class Group>
void expectEmissions(void (*watchAll)(EmissionLog&, Group&), const std::vector<EmissionCase<Group>>& cases)
{
    for (const EmissionCase<Group>& c : cases)
    {
        Group group;
        EmissionLog log;
        watchAll(log, group);
        c.act(group);
        EXPECT_EQ(log.entries, c.emitted) << c.what;
    }
}

}  // namespace Quarvane::Testing
