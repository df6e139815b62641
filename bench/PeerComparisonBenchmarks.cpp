// This library next to what an application would otherwise use, on the same 500 values in one run:
// Qt's tokenizer alone, QSettings with an INI file, pugixml, a bare XML writer, Boost.Signals2 and
// std::function. The names share a prefix per task (PeerLoad, PeerSave, PeerSetter) so that
// --benchmark_filter=Peer gives the whole comparison, and docs/performance.md reports it as ratios.

#include "LargeConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

#include <benchmark/benchmark.h>
#include <boost/signals2/dummy_mutex.hpp>
#include <boost/signals2/signal.hpp>
#include <boost/signals2/signal_type.hpp>
#include <pugixml.hpp>

#include <QtCore/QFile>
#include <QtCore/QLocale>
#include <QtCore/QSaveFile>
#include <QtCore/QSettings>
#include <QtCore/QXmlStreamReader>
#include <QtCore/QXmlStreamWriter>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
using Quarvane::ConfigurationManager;
using Quarvane::ConfigurationValue;
using Quarvane::ConfigurationValueBase;
using Quarvane::Bench::LargeConfiguration;
using Quarvane::Bench::userFileOrSkip;
using Descriptions = LargeConfiguration::Descriptions;

constexpr auto s_valueCount = static_cast<std::int64_t>(LargeConfiguration::s_valueCount);

std::string fileInFolderOrSkip(benchmark::State& state, const char* name)
{
    const std::string& folder = Quarvane::Bench::benchmarkFolder();
    if (folder.empty())
        state.SkipWithError("no folder for the benchmark's files");
    return folder + "/" + name;
}

void countValues(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * s_valueCount);
}

// ---- Load ----------------------------------------------------------------------------------

// The application's start-up for one group: file checks, read, parse, apply, signals.
void PeerLoad_Library(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = userFileOrSkip(state, descriptions);
    auto configuration = std::make_shared<LargeConfiguration>(descriptions);
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
    if (configuration->countChangedValues() != LargeConfiguration::s_valueCount)
        state.SkipWithError("the load did not set every value");
    countValues(state);
}
BENCHMARK_CAPTURE(PeerLoad_Library, descriptions, Descriptions::Included)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PeerLoad_Library, no_descriptions, Descriptions::Omitted)->Unit(benchmark::kMicrosecond);

// Qt's tokenizer over the same file, nothing kept: the floor of any reader built on it.
void PeerLoad_QXmlStreamReaderPass(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = userFileOrSkip(state, descriptions);
    std::int64_t elements = 0;
    for (auto _ : state)
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly))
        {
            state.SkipWithError("the user file could not be opened");
            break;
        }
        QXmlStreamReader reader(file.readAll());
        elements = 0;
        while (!reader.atEnd())
            if (reader.readNext() == QXmlStreamReader::StartElement)
                ++elements;
        benchmark::DoNotOptimize(elements);
    }
    if (elements < s_valueCount)
        state.SkipWithError("the pass did not see every value");
    countValues(state);
}
BENCHMARK_CAPTURE(PeerLoad_QXmlStreamReaderPass, descriptions, Descriptions::Included)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PeerLoad_QXmlStreamReaderPass, no_descriptions, Descriptions::Omitted)
    ->Unit(benchmark::kMicrosecond);

// pugixml reading and parsing the file into its document; the tree is not looked at.
void PeerLoad_PugixmlParse(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = userFileOrSkip(state, descriptions);
    for (auto _ : state)
    {
        pugi::xml_document document;
        const pugi::xml_parse_result result = document.load_file(path.c_str());
        if (!result)
        {
            state.SkipWithError(result.description());
            break;
        }
        benchmark::DoNotOptimize(document.first_child().internal_object());
        benchmark::ClobberMemory();
    }
    countValues(state);
}
BENCHMARK_CAPTURE(PeerLoad_PugixmlParse, descriptions, Descriptions::Included)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PeerLoad_PugixmlParse, no_descriptions, Descriptions::Omitted)->Unit(benchmark::kMicrosecond);

// The same, then a walk that finds each value's key, type and text as a reader has to.
void PeerLoad_PugixmlParseAndWalk(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = userFileOrSkip(state, descriptions);
    std::int64_t values = 0;
    for (auto _ : state)
    {
        pugi::xml_document document;
        if (!document.load_file(path.c_str()))
        {
            state.SkipWithError("pugixml could not parse the user file");
            break;
        }
        values = 0;
        std::size_t characters = 0;
        for (const pugi::xml_node object : document.document_element().children("object"))
            for (const pugi::xml_node value : object.children("value"))
            {
                characters += std::char_traits<char>::length(value.attribute("key").value());
                characters += std::char_traits<char>::length(value.attribute("type").value());
                characters += std::char_traits<char>::length(value.child_value());
                ++values;
            }
        benchmark::DoNotOptimize(characters);
    }
    if (values != s_valueCount)
        state.SkipWithError("the walk did not find every value");
    countValues(state);
}
BENCHMARK_CAPTURE(PeerLoad_PugixmlParseAndWalk, descriptions, Descriptions::Included)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PeerLoad_PugixmlParseAndWalk, no_descriptions, Descriptions::Omitted)
    ->Unit(benchmark::kMicrosecond);

template <class T>
const ConfigurationValue<T>* typed(const ConfigurationValueBase& value)
{
    return dynamic_cast<const ConfigurationValue<T>*>(&value);
}

QString settingsKey(const ConfigurationValueBase& value)
{
    return QString::fromStdString(LargeConfiguration::s_name + "/" + value.getName());
}

// Writes the changed values of a LargeConfiguration through QSettings, each with its own type.
void putIntoSettings(QSettings& settings, const LargeConfiguration& configuration)
{
    for (const auto& value : configuration.getConfigurationValues())
    {
        const QString key = settingsKey(*value);
        if (const auto* number = typed<int>(*value))
            settings.setValue(key, number->getValue());
        else if (const auto* count = typed<unsigned int>(*value))
            settings.setValue(key, count->getValue());
        else if (const auto* flag = typed<bool>(*value))
            settings.setValue(key, flag->getValue());
        else if (const auto* real = typed<double>(*value))
            settings.setValue(key, real->getValue());
        else if (const auto* text = typed<std::string>(*value))
            settings.setValue(key, QString::fromStdString(text->getValue()));
    }
}

// An INI file with the same 500 keys and values, written once per run.
const std::string& settingsFile()
{
    static const std::string path = [] {
        if (Quarvane::Bench::benchmarkFolder().empty())
            return std::string();
        const std::string file = Quarvane::Bench::benchmarkFolder() + "/large-user.ini";
        LargeConfiguration configuration(Descriptions::Omitted);
        configuration.changeEveryValue();
        QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
        putIntoSettings(settings, configuration);
        settings.sync();
        return settings.status() == QSettings::NoError ? file : std::string();
    }();
    return path;
}

// Where the QSettings load puts what it read, typed as the library's values are.
struct PlainValues
{
    std::vector<int> numbers;
    std::vector<unsigned int> counts;
    std::vector<bool> flags;
    std::vector<double> reals;
    std::vector<std::string> texts;

    std::size_t size() const
    {
        return numbers.size() + counts.size() + flags.size() + reals.size() + texts.size();
    }
};

// A fresh QSettings reads and parses the file; every key is then looked up and converted.
void PeerLoad_QSettingsIni(benchmark::State& state)
{
    const std::string& path = settingsFile();
    if (path.empty())
        state.SkipWithError("the INI file could not be written");
    const LargeConfiguration layout(Descriptions::Omitted);
    std::vector<std::pair<QString, int>> keys;
    for (const auto& value : layout.getConfigurationValues())
        keys.emplace_back(settingsKey(*value), typed<int>(*value)             ? 0
                                               : typed<unsigned int>(*value) ? 1
                                               : typed<bool>(*value)         ? 2
                                               : typed<double>(*value)       ? 3
                                                                             : 4);
    PlainValues values;
    for (auto _ : state)
    {
        state.PauseTiming();
        values = PlainValues();
        state.ResumeTiming();
        QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
        for (const auto& [key, type] : keys)
        {
            const QVariant value = settings.value(key);
            switch (type)
            {
            case 0: values.numbers.push_back(value.toInt()); break;
            case 1: values.counts.push_back(value.toUInt()); break;
            case 2: values.flags.push_back(value.toBool()); break;
            case 3: values.reals.push_back(value.toDouble()); break;
            default: values.texts.push_back(value.toString().toStdString()); break;
            }
        }
        benchmark::ClobberMemory();
    }
    if (values.size() != LargeConfiguration::s_valueCount || values.texts.front().empty())
        state.SkipWithError("the load did not read every value");
    countValues(state);
}
BENCHMARK(PeerLoad_QSettingsIni)->Unit(benchmark::kMicrosecond);

// ---- Save ----------------------------------------------------------------------------------

// Gives the object's first int value another number, so that every save has something to write.
void changeFirstNumber(LargeConfiguration& configuration)
{
    for (const auto& value : configuration.getConfigurationValues())
        if (auto* number = dynamic_cast<ConfigurationValue<int>*>(value.get()))
        {
            number->setValue(number->getValue() + 1);
            return;
        }
}

// What the application calls after the user changed a value: lock, find this process's
// changes, write every value that differs from the reference, replace the file durably.
void PeerSave_Library(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = fileInFolderOrSkip(state, descriptions == Descriptions::Included
                                                           ? "peer-library.xml"
                                                           : "peer-library-without-descriptions.xml");
    auto configuration = std::make_shared<LargeConfiguration>(descriptions);
    ConfigurationManager manager;
    manager.addConfigurationObject(configuration, LargeConfiguration::s_name);
    manager.loadConfiguration({}, path);
    configuration->changeEveryValue();
    std::string error;
    if (!manager.saveUserConfiguration(path, &error))
        state.SkipWithError(error.c_str());
    for (auto _ : state)
    {
        changeFirstNumber(*configuration);
        if (!manager.saveUserConfiguration(path, &error))
        {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::ClobberMemory();
    }
    countValues(state);
}
BENCHMARK_CAPTURE(PeerSave_Library, descriptions, Descriptions::Included)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PeerSave_Library, no_descriptions, Descriptions::Omitted)->Unit(benchmark::kMicrosecond);

// The floor of a save through Qt: the same elements, attributes and text written straight from
// the values with QXmlStreamWriter into a QSaveFile (temporary file, fdatasync, rename).
void writeValue(QXmlStreamWriter& writer, const ConfigurationValueBase& value, Descriptions descriptions)
{
    writer.writeStartElement(QStringLiteral("value"));
    writer.writeAttribute(QStringLiteral("key"), QString::fromStdString(value.getName()));
    QString type;
    QString text;
    if (const auto* number = typed<int>(value))
        type = QStringLiteral("int"), text = QString::number(number->getValue());
    else if (const auto* count = typed<unsigned int>(value))
        type = QStringLiteral("uint"), text = QString::number(count->getValue());
    else if (const auto* flag = typed<bool>(value))
        type = QStringLiteral("bool"), text = flag->getValue() ? QStringLiteral("true") : QStringLiteral("false");
    else if (const auto* real = typed<double>(value))
        type = QStringLiteral("double"), text = QString::number(real->getValue(), 'g', QLocale::FloatingPointShortest);
    else if (const auto* string = typed<std::string>(value))
        type = QStringLiteral("string"), text = QString::fromStdString(string->getValue());
    writer.writeAttribute(QStringLiteral("type"), type);
    if (descriptions == Descriptions::Included)
        writer.writeAttribute(QStringLiteral("description"), QString::fromStdString(value.getDescription()));
    writer.writeCharacters(text);
    writer.writeEndElement();
}

void PeerSave_QXmlStreamWriterToQSaveFile(benchmark::State& state, Descriptions descriptions)
{
    const std::string path = fileInFolderOrSkip(state, "peer-bare-writer.xml");
    LargeConfiguration configuration(descriptions);
    configuration.changeEveryValue();
    for (auto _ : state)
    {
        changeFirstNumber(configuration);
        QSaveFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly))
        {
            state.SkipWithError("the file could not be opened for writing");
            break;
        }
        QXmlStreamWriter writer(&file);
        writer.setAutoFormatting(true);
        writer.writeStartDocument();
        writer.writeStartElement(QStringLiteral("QuarvaneConfiguration"));
        writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
        writer.writeStartElement(QStringLiteral("object"));
        writer.writeAttribute(QStringLiteral("name"), QString::fromStdString(LargeConfiguration::s_name));
        for (const auto& value : configuration.getConfigurationValues())
            writeValue(writer, *value, descriptions);
        writer.writeEndDocument();
        if (writer.hasError() || !file.commit())
        {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    countValues(state);
}
BENCHMARK_CAPTURE(PeerSave_QXmlStreamWriterToQSaveFile, descriptions, Descriptions::Included)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PeerSave_QXmlStreamWriterToQSaveFile, no_descriptions, Descriptions::Omitted)
    ->Unit(benchmark::kMicrosecond);

// One QSettings kept open as an application would keep it: one value set, then sync, which
// rewrites the whole INI file through a QSaveFile.
void PeerSave_QSettingsIni(benchmark::State& state)
{
    const std::string path = fileInFolderOrSkip(state, "peer-settings.ini");
    LargeConfiguration configuration(Descriptions::Omitted);
    configuration.changeEveryValue();
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    putIntoSettings(settings, configuration);
    settings.sync();
    const QString firstKey = settingsKey(*configuration.getConfigurationValues().front());
    int number = 0;
    for (auto _ : state)
    {
        settings.setValue(firstKey, ++number);
        settings.sync();
        if (settings.status() != QSettings::NoError)
        {
            state.SkipWithError("QSettings could not write the file");
            break;
        }
    }
    countValues(state);
}
BENCHMARK(PeerSave_QSettingsIni)->Unit(benchmark::kMicrosecond);

// ---- Setter --------------------------------------------------------------------------------

// The library's setter (`PeerSetter_Library`) is AutoSaveSetterEmitsToOneSlot of GroupBenchmarks.cpp,
// registered a second time under that name.

// Boost.Signals2 on its own, with the same signature and slot: the default, thread-safe signal,
// and the one without a mutex that the library's wrapper is built on.
template <class Signal>
void PeerSetter_BoostSignals2Emit(benchmark::State& state)
{
    long long notifications = 0;
    Signal signal;
    signal.connect([&notifications](int, int) { ++notifications; });
    benchmark::DoNotOptimize(signal);
    int first = 1;
    int second = 10;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
        signal(first, second);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(notifications);
    if (notifications != static_cast<long long>(state.iterations()))
        state.SkipWithError("the slot was not called once per emission");
}
using ThreadSafeSignal = boost::signals2::signal<void(int, int)>;
using SignalWithoutMutex = boost::signals2::signal_type<
    void(int, int), boost::signals2::keywords::mutex_type<boost::signals2::dummy_mutex>>::type;
BENCHMARK_TEMPLATE(PeerSetter_BoostSignals2Emit, ThreadSafeSignal);
BENCHMARK_TEMPLATE(PeerSetter_BoostSignals2Emit, SignalWithoutMutex);

void PeerSetter_StdFunctionCall(benchmark::State& state)
{
    long long notifications = 0;
    std::function<void(int, int)> function = [&notifications](int, int) { ++notifications; };
    benchmark::DoNotOptimize(function);
    int first = 1;
    int second = 10;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
        function(first, second);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(notifications);
}
BENCHMARK(PeerSetter_StdFunctionCall);

}  // namespace
