#include "LargeConfiguration.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

#include <QtCore/QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace Quarvane
{
namespace Bench
{
namespace
{
std::string keyFor(const char* type, std::size_t index)
{
    char number[8];
    std::snprintf(number, sizeof number, "%03zu", index);
    return std::string(type) + "Setting" + number;
}

// Roughly the length of the descriptions real groups give their values.
std::string descriptionFor(std::size_t index)
{
    return "Setting number " + std::to_string(index) + " of the large benchmark group, as shown in the dialog.";
}

template <class T>
ConfigurationValue<T>* typed(ConfigurationValueBase& value)
{
    return dynamic_cast<ConfigurationValue<T>*>(&value);
}
}  // namespace

const std::string LargeConfiguration::s_name = "LargeBenchmarkConfiguration";

LargeConfiguration::LargeConfiguration(Descriptions descriptions)
    : ConfigurationObject(s_name, "Many values of every type", Persistences::UserSetting, Products::All)
{
    for (std::size_t index = 0; index < s_valueCount; ++index)
    {
        const std::string description = descriptions == Descriptions::Included ? descriptionFor(index) : "";
        const int number = static_cast<int>(index);
        switch (index % 5)
        {
        case 0:
            addConfigurationValue(new ConfigurationValue<int>(keyFor("Int", index), description, number, 0,
                                                              Persistences::UserSetting, Products::All));
            break;
        case 1:
            addConfigurationValue(new ConfigurationValue<unsigned int>(keyFor("Unsigned", index), description,
                                                                       static_cast<unsigned int>(number) * 3u, 0,
                                                                       Persistences::UserSetting, Products::All));
            break;
        case 2:
            addConfigurationValue(new ConfigurationValue<bool>(keyFor("Bool", index), description, index % 2 == 0,
                                                               0, Persistences::UserSetting, Products::All));
            break;
        case 3:
            addConfigurationValue(new ConfigurationValue<double>(keyFor("Double", index), description,
                                                                 number * 0.25, 0, Persistences::UserSetting,
                                                                 Products::All));
            break;
        default:
            addConfigurationValue(new ConfigurationValue<std::string>(keyFor("String", index), description,
                                                                      "default text " + std::to_string(index), 0,
                                                                      Persistences::UserSetting, Products::All));
            break;
        }
    }
}

void LargeConfiguration::changeEveryValue()
{
    for (const auto& value : getConfigurationValues())
    {
        if (auto* number = typed<int>(*value))
            number->setValue(-number->getDefaultValue() - 17);
        else if (auto* count = typed<unsigned int>(*value))
            count->setValue(count->getDefaultValue() + 4242u);
        else if (auto* flag = typed<bool>(*value))
            flag->setValue(!flag->getDefaultValue());
        else if (auto* real = typed<double>(*value))
            // Not a short decimal, so the writer and the reader go through all the digits.
            real->setValue(real->getDefaultValue() / 3.0 + 0.1);
        else if (auto* text = typed<std::string>(*value))
            text->setValue("a path the user chose, /home/user/projects/" + text->getDefaultValue());
    }
}

std::size_t LargeConfiguration::countChangedValues() const
{
    std::size_t changed = 0;
    for (const auto& value : getConfigurationValues())
        if (value->hasValue())
            ++changed;
    return changed;
}

const std::string& benchmarkFolder()
{
    // Lives until the program ends, and removes the folder then.
    static const QTemporaryDir folder;
    static const std::string path = folder.isValid() ? folder.path().toStdString() : std::string();
    return path;
}

namespace
{
std::string writeLargeUserFile(LargeConfiguration::Descriptions descriptions, const char* fileName)
{
    if (benchmarkFolder().empty())
        return std::string();
    LargeConfiguration configuration(descriptions);
    configuration.changeEveryValue();
    ConfigWriter writer;
    writer.putClassContents(LargeConfiguration::s_name, LargeConfiguration::s_name, configuration, "");
    const std::string file = benchmarkFolder() + "/" + fileName;
    std::string error;
    if (!writer.writeToFile(file, &error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return std::string();
    }
    return file;
}
}  // namespace

const std::string& largeUserFile(LargeConfiguration::Descriptions descriptions)
{
    static const std::string withDescriptions =
        writeLargeUserFile(LargeConfiguration::Descriptions::Included, "large-user.xml");
    static const std::string withoutDescriptions =
        writeLargeUserFile(LargeConfiguration::Descriptions::Omitted, "large-user-without-descriptions.xml");
    return descriptions == LargeConfiguration::Descriptions::Included ? withDescriptions : withoutDescriptions;
}

std::string userFileOrSkip(benchmark::State& state, LargeConfiguration::Descriptions descriptions)
{
    const std::string& path = largeUserFile(descriptions);
    if (path.empty())
        state.SkipWithError("the user file could not be written");
    return path;
}

}  // namespace Bench
}  // namespace Quarvane
