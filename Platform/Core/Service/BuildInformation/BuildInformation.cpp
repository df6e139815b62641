#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <QtCore/QString>
#include <QtCore/QtGlobal>

#include <array>
#include <atomic>
#include <mutex>
#include <stdexcept>
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

// 0 until the product is first asked for or set.
std::atomic<ProductType>& productSlot()
{
    static std::atomic<ProductType> product{0};
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

ProductType BuildInformation::getProductType()
{
    std::atomic<ProductType>& slot = productSlot();
    ProductType product = slot.load();
    if (product != 0)
        return product;
    ProductType unset = 0;
    slot.compare_exchange_strong(unset, productFromEnvironment());
    return slot.load();
}

ProductType BuildInformation::productFromEnvironment()
{
    if (qEnvironmentVariableIsEmpty(s_productVariable))
        return s_defaultProduct;
    const std::string text = qEnvironmentVariable(s_productVariable).toStdString();
    const ProductType chosen = productFromText(text);
    if (chosen == 0)
        throw std::invalid_argument(std::string(s_productVariable) + " is \"" + text +
                                    "\", which names no product; give a number 1..63 or one of "
                                    "Designer, Planner, Forming, Trimming, Tube, Progressive");
    return chosen;
}

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
