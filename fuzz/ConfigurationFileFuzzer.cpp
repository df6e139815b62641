// Feeds arbitrary bytes to the configuration reader as a file, loads them into a fresh copy of
// every group of the library, saves the groups and loads the saved text again. Any crash,
// sanitizer report or broken promise below aborts the run:
// - a refused file gets an error "source:line:column: what" with no raw control byte in it;
// - what a save writes reads back without error;
// - loading that and saving again writes the same text.
//
// The first byte chooses how the rest is read: an odd byte as a user file, an even one as a
// system file.

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace
{
using namespace Quarvane;

[[noreturn]] void broken(const char* promise, const std::string& detail)
{
    std::fprintf(stderr, "broken promise: %s\n%s\n", promise, detail.c_str());
    std::abort();
}

// The registered groups stay untouched; each input is loaded into fresh instances of them.
const std::vector<std::string>& groupNames()
{
    static const std::vector<std::string> names = ConfigurationGroups::registerAll();
    return names;
}

std::vector<std::unique_ptr<ConfigurationObject>> freshGroups()
{
    std::vector<std::unique_ptr<ConfigurationObject>> groups;
    for (const std::string& name : groupNames())
        groups.emplace_back(ConfigurationManager::getInstance().getConfigurationObject(name)->createConfigurationObject());
    return groups;
}

bool hasRawControlByte(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Loads the file into fresh groups and saves them, with whatever the file held that no group
// knows; returns the saved text.
std::string loadAndSave(const ConfigReader& file)
{
    ConfigReader reader = file;
    std::vector<std::unique_ptr<ConfigurationObject>> groups = freshGroups();
    ConfigWriter writer;
    for (std::size_t i = 0; i < groups.size(); ++i)
    {
        reader.readConfigurationObject(groupNames()[i], *groups[i]);
        writer.putClassContents(groupNames()[i], groupNames()[i], *groups[i], "");
    }
    for (const std::string& warning : reader.warnings())
        if (hasRawControlByte(warning))
            broken("warnings show control bytes escaped", warning);
    writer.keepUnknownEntries(file);
    return writer.toXml();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto origin = (data[0] & 1) != 0 ? ConfigReader::Origin::UserFile : ConfigReader::Origin::SystemFile;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const ConfigReader file = ConfigReader::fromXml(text, origin, "input.xml");
    if (!file.isValid())
    {
        static const std::regex place("input\\.xml:[0-9]+:[0-9]+: .+");
        if (!std::regex_match(file.errorString(), place) || hasRawControlByte(file.errorString()))
            broken("a refused file gets a clear error", file.errorString());
        return 0;
    }
    const std::string saved = loadAndSave(file);
    const ConfigReader again = ConfigReader::fromXml(saved, origin, "saved.xml");
    if (!again.isValid())
        broken("what a save writes reads back", again.errorString() + "\n" + saved);
    const std::string savedAgain = loadAndSave(again);
    if (savedAgain != saved)
        broken("a second round writes the same text", saved + "\n----\n" + savedAgain);
    return 0;
}
