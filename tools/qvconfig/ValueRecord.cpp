#include "tools/qvconfig/ValueRecord.h"

#include "tools/qvconfig/ColorView.h"
#include "tools/qvconfig/ValueAddress.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileEditor.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

#include <QtCore/QFileInfo>

#include <cmath>
#include <memory>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_mask = "********";

void addFindings(ValueRecord& record, const ConfigurationLoadResult& account)
{
    // A colour's components are values of the colour's own object.
    record.origin = record.isColour() ? account.originOf(record.name(), "r") : account.originOf(record.path, record.key);
    for (const ConfigurationFinding& finding : account.findings)
        if (finding.group == record.path && finding.key == record.key)
            record.findings.push_back(finding);
}

std::string pathText(const ConfigFileEditor::ObjectPath& objects)
{
    std::string path;
    for (const ConfigFileEditor::Object& object : objects)
        path += (path.empty() ? "" : "/") + object.name;
    return path;
}

ValueRecord valueRecord(const ConfigFileEditor::ObjectPath& objects, const ConfigurationValueBase& value,
                        bool objectEditable, ProductType product)
{
    ValueRecord record;
    record.path = pathText(objects);
    record.key = value.getName();
    record.entryObjects = objects;
    record.entryKey = record.key;
    record.type = value.getTypeName();
    record.secret = value.isSecret();
    record.text = record.secret && !value.getValueText().empty() ? s_mask : value.getValueText();
    record.defaultText = record.secret && !value.getDefaultValueText().empty() ? s_mask : value.getDefaultValueText();
    record.description = value.getDescription();
    record.editable = objectEditable && value.isEditable();
    record.visible = value.getGuiVisibility() == GuiVisibilities::Shown && value.belongsToBuildProduct(product);
    record.persistence = value.getPersistence();
    record.products = value.getProductType();
    record.rule = value.getRule();
    return record;
}

ValueRecord colourRecord(const ConfigFileEditor::ObjectPath& objects, const ConfigurationObject& group,
                         const ColorConfiguration::ObjectColor& colour, const ConfigurationObject* defaults,
                         bool groupEditable)
{
    ValueRecord record;
    record.path = pathText(objects);
    record.key = colour.getName();
    record.entryObjects = objects;
    record.entryObjects.push_back({colour.getClassName(), record.key});
    record.type = "colour";
    record.colour = colour.color;
    record.defaultColour = colour.color;
    if (defaults != nullptr)
        if (const auto* standard =
                dynamic_cast<const ColorConfiguration::ObjectColor*>(defaults->getConfigurationObject(record.key)))
            record.defaultColour = standard->color;
    record.text = colorBytesText(record.colour);
    record.defaultText = colorBytesText(record.defaultColour);
    record.editable = groupEditable && colour.isEditable();
    record.persistence = group.getPersistence();
    record.products = group.getProductType();
    record.rule = ValueRule::range(0.0, 1.0);
    return record;
}

void collect(const ConfigurationObject& object, const ConfigFileEditor::ObjectPath& objects, bool editable,
             ProductType product, const ConfigurationObject* defaults, const ConfigurationObject& group,
             std::vector<ValueRecord>& records)
{
    const bool objectEditable = editable && object.isEditable();
    for (const auto& value : object.getConfigurationValues())
        records.push_back(valueRecord(objects, *value, objectEditable, product));
    for (const auto& child : object.getConfigurationObjects())
    {
        if (const auto* colour = dynamic_cast<const ColorConfiguration::ObjectColor*>(child.get()))
        {
            records.push_back(colourRecord(objects, group, *colour, defaults, objectEditable));
            continue;
        }
        ConfigFileEditor::ObjectPath inner = objects;
        inner.push_back({child->getClassName(), child->getName()});
        collect(*child, inner, objectEditable, product,
                defaults != nullptr ? defaults->getConfigurationObject(child->getName()) : nullptr, group, records);
    }
}

bool enclosingEditable(const ValueAddress& address)
{
    const ConfigurationObject* object = address.group;
    bool editable = object->isEditable();
    for (std::size_t index = 1; index < address.objects.size() && object != nullptr; ++index)
    {
        object = object->getConfigurationObject(address.objects[index].name);
        editable = editable && object != nullptr && object->isEditable();
    }
    return editable;
}

// A lock, or the value's persistence, kept the file's value out ("ignored: the value is locked
// at ...", "...; ignored"); an unknown attribute beside the value ("..., ignored") did not.
bool refusesTheValue(const ConfigurationFinding& finding)
{
    const std::string& message = finding.message;
    const std::string suffix = "; ignored";
    const bool endsWithSuffix = message.size() >= suffix.size() &&
                                message.compare(message.size() - suffix.size(), suffix.size(), suffix) == 0;
    return message.rfind("ignored:", 0) == 0 || endsWithSuffix;
}
}  // namespace

ValueRecord recordOf(const ValueAddress& address, ProductType product, const ConfigurationLoadResult& account)
{
    ValueRecord record;
    if (address.kind == ValueAddress::Kind::Colour)
    {
        const std::unique_ptr<ConfigurationObject> defaults(address.group->createDefaultsLikeThis());
        record = colourRecord(address.objects, *address.group,
                              dynamic_cast<const ColorConfiguration::ObjectColor&>(*address.object), defaults.get(),
                              enclosingEditable(address));
    }
    else
        record = valueRecord(address.objects, *address.value, enclosingEditable(address), product);
    addFindings(record, account);
    return record;
}

std::vector<ValueRecord> recordsOf(const ConfigurationObject& group, ProductType product,
                                   const ConfigurationLoadResult& account)
{
    const std::unique_ptr<ConfigurationObject> defaults(group.createDefaultsLikeThis());
    std::vector<ValueRecord> records;
    collect(group, {{"", group.getName()}}, true, product, defaults.get(), group, records);
    for (ValueRecord& record : records)
        addFindings(record, account);
    return records;
}

void findLocks(std::vector<ValueRecord>& records, const std::vector<std::string>& systemFiles)
{
    std::vector<std::unique_ptr<ConfigFileEditor>> files;
    for (const std::string& file : systemFiles)
    {
        files.push_back(std::make_unique<ConfigFileEditor>());
        if (!files.back()->open(file, nullptr))
            files.pop_back();
    }
    for (ValueRecord& record : records)
    {
        if (record.editable)
            continue;
        for (const auto& file : files)
            if (record.lockedAt.empty())
                record.lockedAt = file->lockOf(record.entryObjects, record.entryKey);
        record.lockedAt = QFileInfo(QString::fromStdString(record.lockedAt)).fileName().toStdString();
    }
}

std::string originText(const ValueRecord& record, const std::string& userFile)
{
    const auto fileName = [](const std::string& path) {
        return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    };
    std::string text = record.origin.source == ValueOrigin::Source::Default
                           ? "default"
                           : fileName(record.origin.file) + ":" + std::to_string(record.origin.line);
    if (!record.lockedAt.empty())
        text += text == record.lockedAt ? ", locked" : ", locked by " + record.lockedAt;
    for (const ConfigurationFinding& finding : record.findings)
    {
        if (finding.file != userFile || !refusesTheValue(finding))
            continue;
        ConfigFileEditor user;
        std::string stored;
        const bool known = !record.secret && !record.isColour() && user.open(userFile, nullptr) &&
                           user.storedText(record.entryObjects, record.entryKey, stored);
        text += known ? ", user value " + stored + " refused" : ", user value refused";
    }
    return text;
}

std::string persistenceName(Persistence persistence)
{
    switch (persistence)
    {
    case Persistences::RuntimeValue:
        return "run-time";
    case Persistences::AdminSetting:
        return "administrator";
    default:
        return "user";
    }
}

std::string productsText(ProductType products)
{
    if ((products & Products::All) == Products::All)
        return "all";
    std::string names;
    for (ProductType product = 1; product <= Products::All; product <<= 1)
        if ((products & product) != 0)
            names += (names.empty() ? "" : ", ") + BuildInformation::productName(product);
    return names.empty() ? "none" : names;
}

std::vector<int> colourBytes(const ColorRGB& colour)
{
    std::vector<int> bytes;
    for (const float component : {colour.red, colour.green, colour.blue})
        bytes.push_back(component >= 0.0f && component <= 1.0f ? static_cast<int>(std::lround(component * 255.0f))
                                                                 : -1);
    return bytes;
}

}  // namespace QvConfig
}  // namespace Quarvane
