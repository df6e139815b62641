// The colour group: a colour lookup (the 3D views ask for colours while they draw), building the
// group (three times per save, for the reference), and saving and loading all 129 colours.

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <benchmark/benchmark.h>

#include <QtCore/QTemporaryDir>

#include <memory>
#include <string>

namespace
{
using Quarvane::ColorConfiguration;
using Quarvane::ColorRGB;
using Quarvane::ConfigReader;
using Quarvane::ConfigurationManager;
using Quarvane::ConfigWriter;

constexpr std::int64_t s_colorCount = 129;

// Every colour moved off its default, so a save writes all of them and a load changes all of them.
void changeEveryColor(ColorConfiguration& colors, float shift)
{
    for (const auto& entry : colors.getColorKeys())
        colors.setColor(entry.first, ColorRGB(shift, 0.5f, static_cast<float>(entry.first) / 2048.0f));
}

// The one colour a user cannot change is not loaded either.
bool holdsShiftedColors(const ColorConfiguration& colors, float shift)
{
    for (const auto& entry : colors.getColorKeys())
        if (colors.getEditable(entry.first) &&
            colors.getColor(entry.first) != ColorRGB(shift, 0.5f, static_cast<float>(entry.first) / 2048.0f))
            return false;
    return true;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

std::string filePath(const char* name) { return folder().filePath(QString::fromLatin1(name)).toStdString(); }

// A user file with all 129 colours changed, written once.
const std::string& colorUserFile()
{
    static const std::string path = [] {
        ColorConfiguration colors;
        changeEveryColor(colors, 0.25f);
        ConfigWriter writer;
        writer.putClassContents(colors.getName(), colors.getName(), colors, "");
        const std::string file = filePath("colors.xml");
        return writer.writeToFile(file, nullptr) ? file : std::string();
    }();
    return path;
}

void ColorGetColor(benchmark::State& state)
{
    const ColorConfiguration colors;
    ColorConfiguration::ColorTypes type = ColorConfiguration::StagixCuttingPunch;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(type);
        benchmark::DoNotOptimize(colors.getColor(type));
    }
}
BENCHMARK(ColorGetColor);

void ColorConstructAndDestroy(benchmark::State& state)
{
    for (auto _ : state)
    {
        ColorConfiguration colors;
        benchmark::DoNotOptimize(colors);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s_colorCount);
}
BENCHMARK(ColorConstructAndDestroy)->Unit(benchmark::kMicrosecond);

// The save without the disk: the writer's tree and its XML text.
void ColorSaveAllColorsToXml(benchmark::State& state)
{
    ColorConfiguration colors;
    changeEveryColor(colors, 0.75f);
    for (auto _ : state)
    {
        ConfigWriter writer;
        writer.putClassContents(colors.getName(), colors.getName(), colors, "");
        benchmark::DoNotOptimize(writer.toXml());
    }
    state.SetItemsProcessed(state.iterations() * s_colorCount);
}
BENCHMARK(ColorSaveAllColorsToXml)->Unit(benchmark::kMicrosecond);

// What a save does with the colours: the writer's tree, then the file replaced atomically.
void ColorSaveAllColors(benchmark::State& state)
{
    ColorConfiguration colors;
    changeEveryColor(colors, 0.75f);
    const std::string path = filePath("saved.xml");
    for (auto _ : state)
    {
        ConfigWriter writer;
        writer.putClassContents(colors.getName(), colors.getName(), colors, "");
        if (!writer.writeToFile(path, nullptr))
            state.SkipWithError("the file could not be written");
    }
    state.SetItemsProcessed(state.iterations() * s_colorCount);
}
BENCHMARK(ColorSaveAllColors)->Unit(benchmark::kMicrosecond);

// The application's save: compare every colour with the reference (a fresh group), write what
// differs, keep the old file's unknown entries, replace the file.
void ColorManagerSaveAllColors(benchmark::State& state)
{
    ConfigurationManager manager;
    auto colors = std::make_shared<ColorConfiguration>();
    manager.addConfigurationObject(colors, colors->getName());
    changeEveryColor(*colors, 0.75f);
    const std::string path = filePath("manager.xml");
    for (auto _ : state)
        if (!manager.saveUserConfiguration(path, nullptr))
            state.SkipWithError("the file could not be written");
    state.SetItemsProcessed(state.iterations() * s_colorCount);
}
BENCHMARK(ColorManagerSaveAllColors)->Unit(benchmark::kMicrosecond);

// Start-up for the colour group: read and parse the file, apply every colour.
void ColorLoadAllColors(benchmark::State& state)
{
    const std::string& path = colorUserFile();
    if (path.empty())
        state.SkipWithError("the user file could not be written");
    ColorConfiguration colors;
    for (auto _ : state)
    {
        ConfigReader reader = ConfigReader::fromFile(path, ConfigReader::Origin::UserFile);
        benchmark::DoNotOptimize(reader.readConfigurationObject(colors.getName(), colors));
        benchmark::ClobberMemory();
    }
    if (!holdsShiftedColors(colors, 0.25f))
        state.SkipWithError("the load did not set every colour");
    state.SetItemsProcessed(state.iterations() * s_colorCount);
}
BENCHMARK(ColorLoadAllColors)->Unit(benchmark::kMicrosecond);

}  // namespace
