#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <QtCore/QString>
#include <QtCore/QtGlobal>

#include <array>
#include <atomic>
#include <mutex>
#include <utility>

namespace Quarvane
{
namespace
{
const std::array<std::pair<ProductType, const char*>, 6> s_productNames{{
    {Products::Designer, "Designer"},
    {Products::Planner, "Planner"},
    {Products::Forming, "Forming"},
    {Products::Trimming, "Trimming"},
    {Products::Tube, "Tube"},
    {Products::Progressive, "Progressive"},
}};

const ProductType s_defaultProduct = Products::Forming;
const char* const s_defaultRelease = "R12";

ProductType productFromEnvironment()
{
    const ProductType chosen = BuildInformation::productFromText(qEnvironmentVariable("QUARVANE_PRODUCT").toStdString());
    return chosen != 0 ? chosen : s_defaultProduct;
}

std::atomic<ProductType>& productSlot()
{
    static std::atomic<ProductType> product{productFromEnvironment()};
    return product;
}

struct ReleaseSlot
{
    std::mutex mutex;
    std::string version;
};

ReleaseSlot& releaseSlot()
{
    static ReleaseSlot slot{{}, qEnvironmentVariableIsEmpty("QUARVANE_RELEASE")
                                    ? std::string(s_defaultRelease)
                                    : qEnvironmentVariable("QUARVANE_RELEASE").toStdString()};
    return slot;
}
}  // namespace

ProductType BuildInformation::getProductType() { return productSlot().load(); }

void BuildInformation::setProductType(ProductType product) { productSlot().store(product); }

std::string BuildInformation::getReleaseVersion()
{
    ReleaseSlot& slot = releaseSlot();
    std::lock_guard<std::mutex> lock(slot.mutex);
    return slot.version;
}

void BuildInformation::setReleaseVersion(const std::string& version)
{
    ReleaseSlot& slot = releaseSlot();
    std::lock_guard<std::mutex> lock(slot.mutex);
    slot.version = version;
}

ProductType BuildInformation::productFromText(const std::string& text)
{
    const QString trimmed = QString::fromStdString(text).trimmed();
    bool isNumber = false;
    const int number = trimmed.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= Products::All ? number : 0;
    for (const auto& entry : s_productNames)
        if (trimmed.compare(QLatin1String(entry.second), Qt::CaseInsensitive) == 0)
            return entry.first;
    return 0;
}

std::string BuildInformation::productName(ProductType product)
{
    for (const auto& entry : s_productNames)
        if (entry.first == product)
            return entry.second;
    return std::to_string(product);
}

}  // namespace Quarvane
