// Loading and saving a user file of 500 values, whole and in its parts, so that a slow total can
// be traced to parsing, applying, serialising or the disk.

#include "LargeConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <benchmark/benchmark.h>

#include <QtCore/QFile>

#include <cstdint>
#include <memory>
#include <string>

namespace
{
using Quarvane::ConfigReader;
using Quarvane::ConfigurationManager;
using Quarvane::ConfigWriter;
using Quarvane::Bench::LargeConfiguration;
using Quarvane::Bench::userFileOrSkip;
using Descriptions = LargeConfiguration::Descriptions;

constexpr auto s_valueCount = static_cast<std::int64_t>(LargeConfiguration::s_valueCount);

std::string readWholeFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void countValuesAndBytes(benchmark::State& state, const std::string& path)
{
    const auto size = static_cast<std::int64_t>(QFile(QString::fromStdString(path)).size());
    state.SetItemsProcessed(state.iterations() * s_valueCount);
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["file_bytes"] = static_cast<double>(size);
}

// A load has to have set every value, or it measured something smaller than a load.
void checkEveryValueLoaded(benchmark::State& state, const LargeConfiguration& configuration)
{
    if (configuration.countChangedValues() != LargeConfiguration::s_valueCount)
        state.SkipWithError("the load did not set every value");
}

// What the application does at start-up for one group: read and parse the file, then apply it
// to an object holding its defaults.
void LoadUserFile(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = userFileOrSkip(state, descriptions);
    LargeConfiguration configuration(descriptions);
    for (auto _ : state)
    {
        state.PauseTiming();
        configuration.setDefaultValues();
        state.ResumeTiming();
        ConfigReader reader = ConfigReader::fromFile(path, ConfigReader::Origin::UserFile);
        benchmark::DoNotOptimize(reader.readConfigurationObject(LargeConfiguration::s_name, configuration));
        benchmark::ClobberMemory();
    }
    checkEveryValueLoaded(state, configuration);
    countValuesAndBytes(state, path);
}
BENCHMARK_CAPTURE(LoadUserFile, descriptions, Descriptions::Included)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LoadUserFile, no_descriptions, Descriptions::Omitted)->Unit(benchmark::kMicrosecond);

void ParseUserFile(benchmark::State& state)
{
    const std::string path = userFileOrSkip(state);
    for (auto _ : state)
    {
        ConfigReader reader = ConfigReader::fromFile(path, ConfigReader::Origin::UserFile);
        benchmark::DoNotOptimize(reader.isValid());
        benchmark::ClobberMemory();
    }
    countValuesAndBytes(state, path);
}
BENCHMARK(ParseUserFile)->Unit(benchmark::kMicrosecond);

// Parsing without opening and reading the file: the difference to ParseUserFile is file access.
void ParseUserFileFromMemory(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = userFileOrSkip(state, descriptions);
    const std::string text = readWholeFile(path);
    for (auto _ : state)
    {
        ConfigReader reader = ConfigReader::fromXml(text, ConfigReader::Origin::UserFile);
        benchmark::DoNotOptimize(reader.isValid());
        benchmark::ClobberMemory();
    }
    countValuesAndBytes(state, path);
}
BENCHMARK_CAPTURE(ParseUserFileFromMemory, descriptions, Descriptions::Included)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ParseUserFileFromMemory, no_descriptions, Descriptions::Omitted)->Unit(benchmark::kMicrosecond);

// Applying an already parsed file: key lookups in the parsed tree and text-to-value conversion.
void ApplyParsedUserFile(benchmark::State& state)
{
    const std::string path = userFileOrSkip(state);
    ConfigReader reader = ConfigReader::fromFile(path, ConfigReader::Origin::UserFile);
    LargeConfiguration configuration;
    for (auto _ : state)
    {
        state.PauseTiming();
        configuration.setDefaultValues();
        state.ResumeTiming();
        benchmark::DoNotOptimize(reader.readConfigurationObject(LargeConfiguration::s_name, configuration));
        benchmark::ClobberMemory();
    }
    checkEveryValueLoaded(state, configuration);
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}
BENCHMARK(ApplyParsedUserFile)->Unit(benchmark::kMicrosecond);

// The whole start-up path through the manager: file checks, parse, apply, signals.
void ManagerLoadConfiguration(benchmark::State& state)
{
    const std::string path = userFileOrSkip(state);
    auto configuration = std::make_shared<LargeConfiguration>();
    ConfigurationManager manager;
    manager.addConfigurationObject(configuration, LargeConfiguration::s_name);
    for (auto _ : state)
    {
        state.PauseTiming();
        configuration->setDefaultValues();
        state.ResumeTiming();
        benchmark::DoNotOptimize(manager.loadConfiguration({}, path));
        benchmark::ClobberMemory();
    }
    checkEveryValueLoaded(state, *configuration);
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}
BENCHMARK(ManagerLoadConfiguration)->Unit(benchmark::kMicrosecond);

LargeConfiguration changedConfiguration(Descriptions descriptions = Descriptions::Included)
{
    LargeConfiguration configuration(descriptions);
    configuration.changeEveryValue();
    return configuration;
}

// Turning the object into the writer's tree: one node per value, numbers formatted to text.
void BuildWriterTree(benchmark::State& state)
{
    const LargeConfiguration configuration = changedConfiguration();
    for (auto _ : state)
    {
        ConfigWriter writer;
        writer.putClassContents(LargeConfiguration::s_name, LargeConfiguration::s_name, configuration, "");
        benchmark::DoNotOptimize(writer);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}
BENCHMARK(BuildWriterTree)->Unit(benchmark::kMicrosecond);

// Serialising a built tree to XML text, without touching the disk.
void SerializeToXml(benchmark::State& state, Descriptions descriptions)
{
    const LargeConfiguration configuration = changedConfiguration(descriptions);
    ConfigWriter writer;
    writer.putClassContents(LargeConfiguration::s_name, LargeConfiguration::s_name, configuration, "");
    std::size_t size = 0;
    for (auto _ : state)
    {
        const std::string xml = writer.toXml();
        size = xml.size();
        benchmark::DoNotOptimize(xml.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s_valueCount);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}
BENCHMARK_CAPTURE(SerializeToXml, descriptions, Descriptions::Included)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SerializeToXml, no_descriptions, Descriptions::Omitted)->Unit(benchmark::kMicrosecond);

std::string savedFileOrSkip(benchmark::State& state, const char* name)
{
    const std::string& folder = Quarvane::Bench::benchmarkFolder();
    if (folder.empty())
        state.SkipWithError("no folder for the benchmark's files");
    return folder + "/" + name;
}

// Serialising a built tree and replacing the file atomically (temporary file, sync, rename).
void WriteFileAtomically(benchmark::State& state)
{
    const std::string path = savedFileOrSkip(state, "written.xml");
    const LargeConfiguration configuration = changedConfiguration();
    ConfigWriter writer;
    writer.putClassContents(LargeConfiguration::s_name, LargeConfiguration::s_name, configuration, "");
    std::string error;
    for (auto _ : state)
    {
        if (!writer.writeToFile(path, &error))
        {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}
BENCHMARK(WriteFileAtomically)->Unit(benchmark::kMicrosecond);

// Saving one object with the writer directly: build the tree, serialise, replace the file.
void SaveUserFile(benchmark::State& state)
{
    const std::string path = savedFileOrSkip(state, "saved.xml");
    const LargeConfiguration configuration = changedConfiguration();
    std::string error;
    for (auto _ : state)
    {
        ConfigWriter writer;
        writer.putClassContents(LargeConfiguration::s_name, LargeConfiguration::s_name, configuration, "");
        if (!writer.writeToFile(path, &error))
        {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}
BENCHMARK(SaveUserFile)->Unit(benchmark::kMicrosecond);

// Gives the object's first int value another number, so that the next save has a change to write.
void changeOneValue(LargeConfiguration& configuration, std::size_t index = 0)
{
    for (const auto& value : configuration.getConfigurationValues())
        if (auto* number = dynamic_cast<Quarvane::ConfigurationValue<int>*>(value.get()); number && index-- == 0)
        {
            number->setValue(number->getValue() + 1);
            return;
        }
}

struct SharedUserFile
{
    std::shared_ptr<LargeConfiguration> configuration = std::make_shared<LargeConfiguration>();
    ConfigurationManager manager;

    explicit SharedUserFile(const std::string& path)
    {
        manager.addConfigurationObject(configuration, LargeConfiguration::s_name);
        manager.loadConfiguration({}, path);
    }
};

// What the application calls after the user changed a value: lock, compare with what the
// process held at its last load or save, merge the change into the file, replace it durably.
void ManagerSaveUserConfiguration(benchmark::State& state)
{
    const std::string path = savedFileOrSkip(state, "manager-user.xml");
    SharedUserFile process(path);
    process.configuration->changeEveryValue();
    std::string error;
    if (!process.manager.saveUserConfiguration(path, &error))
        state.SkipWithError(error.c_str());
    for (auto _ : state)
    {
        changeOneValue(*process.configuration);
        if (!process.manager.saveUserConfiguration(path, &error))
        {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}
BENCHMARK(ManagerSaveUserConfiguration)->Unit(benchmark::kMicrosecond);

// The same, when another process saved the file in between: it is read again and merged.
void ManagerSaveAfterAnotherProcessWrote(benchmark::State& state)
{
    const std::string path = savedFileOrSkip(state, "manager-shared.xml");
    {
        SharedUserFile first(path);
        first.configuration->changeEveryValue();
        first.manager.saveUserConfiguration(path, nullptr);
    }
    SharedUserFile process(path);
    SharedUserFile other(path);
    std::string error;
    for (auto _ : state)
    {
        state.PauseTiming();
        changeOneValue(*other.configuration, 1);
        other.manager.saveUserConfiguration(path, nullptr);
        state.ResumeTiming();
        changeOneValue(*process.configuration);
        if (!process.manager.saveUserConfiguration(path, &error))
        {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}
BENCHMARK(ManagerSaveAfterAnotherProcessWrote)->Unit(benchmark::kMicrosecond);

// Live reload's work once another process saved one changed value: read the files again,
// compare, take over the change.
void ManagerReloadAfterOneValueChanged(benchmark::State& state)
{
    const std::string path = savedFileOrSkip(state, "manager-reload.xml");
    {
        SharedUserFile first(path);
        first.configuration->changeEveryValue();
        first.manager.saveUserConfiguration(path, nullptr);
    }
    SharedUserFile process(path);
    SharedUserFile other(path);
    for (auto _ : state)
    {
        state.PauseTiming();
        changeOneValue(*other.configuration);
        other.manager.saveUserConfiguration(path, nullptr);
        state.ResumeTiming();
        benchmark::DoNotOptimize(process.manager.reloadConfiguration());
    }
    if (!process.configuration->getConfigurationValues().front()->comapreValue(
            *other.configuration->getConfigurationValues().front()))
        state.SkipWithError("the reload did not take over the change");
}
BENCHMARK(ManagerReloadAfterOneValueChanged)->Unit(benchmark::kMicrosecond);

}  // namespace
