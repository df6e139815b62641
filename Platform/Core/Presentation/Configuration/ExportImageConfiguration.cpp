#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string ExportImageConfiguration::s_imageSizeFactorTag = "ExportImageSizeFactor";
const std::string ExportImageConfiguration::s_animationCustomResolutionTag = "ExportAnimationCustomResolution";
const std::string ExportImageConfiguration::s_animationHeightTag = "ExportAnimationHeight";
const std::string ExportImageConfiguration::s_animationWidthTag = "ExportAnimationWidth";
const std::string ExportImageConfiguration::s_animationFPTag = "ExportAnimationFP";

ExportImageConfiguration* ExportImageConfiguration::s_registeredInstance = nullptr;
boost::mutex ExportImageConfiguration::s_registrationMutex;

namespace
{
using Group = ExportImageConfiguration;

const std::string* const s_valuesByType[] = {
    &Group::s_imageSizeFactorTag,            // ImageSizeFactorType
    &Group::s_animationCustomResolutionTag,  // AnimationCustomResolutionType
    &Group::s_animationHeightTag,            // AnimationHeightType
    &Group::s_animationWidthTag,             // AnimationWidthType
    &Group::s_animationFPTag,                // AnimationFPType
};
static_assert(std::size(s_valuesByType) == ExportImageConfiguration::AnimationFPType + 1, "one entry per type number");

const Notification<Group> s_notifications[] = {
    {&Group::s_imageSizeFactorTag, [](Group& g) { g.m_imageSizeFactorChangedSignal(g.getImageSizeFactor()); }},
    {&Group::s_animationCustomResolutionTag,
     [](Group& g) { g.m_animationCustomResolutionChangedSignal(g.getAnimationCustomResolution()); }},
    {&Group::s_animationHeightTag, [](Group& g) { g.m_animationHeightChangedSignal(g.getAnimationHeight()); }},
    {&Group::s_animationWidthTag, [](Group& g) { g.m_animationWidthChangedSignal(g.getAnimationWidth()); }},
    {&Group::s_animationFPTag, [](Group& g) { g.m_animationFPChangedSignal(g.getAnimationFP()); }},
};
}  // namespace

ExportImageConfiguration* ExportImageConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

ExportImageConfiguration::ExportImageConfiguration() : ConfigurationObject("ExportImageConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<int>(s_imageSizeFactorTag, "Size in % of view size.", 100, Hidden,
                                                      UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_animationCustomResolutionTag,
                                                       "Custom resolution flag of the export animation.", false, Shown,
                                                       UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_animationHeightTag, "Height of the export animation.", 1080,
                                                      Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_animationWidthTag, "Width of the export animation.", 1920,
                                                      Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<double>(
        s_animationFPTag, "Time per increment of the export animation.", 1.0, Shown, UserSetting, Products::All));
}

ExportImageConfiguration::~ExportImageConfiguration() = default;

int ExportImageConfiguration::getImageSizeFactor() const { return get<int>(*this, s_imageSizeFactorTag); }
bool ExportImageConfiguration::getAnimationCustomResolution() const
{
    return get<bool>(*this, s_animationCustomResolutionTag);
}
int ExportImageConfiguration::getAnimationHeight() const { return get<int>(*this, s_animationHeightTag); }
int ExportImageConfiguration::getAnimationWidth() const { return get<int>(*this, s_animationWidthTag); }
double ExportImageConfiguration::getAnimationFP() const { return get<double>(*this, s_animationFPTag); }

const ConfigurationValue<int>& ExportImageConfiguration::getImageSizeFactorConfig() const
{
    return valueOf<int>(*this, s_imageSizeFactorTag);
}
const ConfigurationValue<bool>& ExportImageConfiguration::getAnimationCustomResolutionConfig() const
{
    return valueOf<bool>(*this, s_animationCustomResolutionTag);
}
const ConfigurationValue<int>& ExportImageConfiguration::getAnimationHeightConfig() const
{
    return valueOf<int>(*this, s_animationHeightTag);
}
const ConfigurationValue<int>& ExportImageConfiguration::getAnimationWidthConfig() const
{
    return valueOf<int>(*this, s_animationWidthTag);
}
const ConfigurationValue<double>& ExportImageConfiguration::getAnimationFPonfig() const
{
    return valueOf<double>(*this, s_animationFPTag);
}

void ExportImageConfiguration::setImageSizeFactor(int factor)
{
    setAndNotify(*this, s_imageSizeFactorTag, factor, m_imageSizeFactorChangedSignal);
}
void ExportImageConfiguration::setAnimationCustomResolution(bool custom)
{
    setAndNotify(*this, s_animationCustomResolutionTag, custom, m_animationCustomResolutionChangedSignal);
}
void ExportImageConfiguration::setAnimationHeight(int height)
{
    setAndNotify(*this, s_animationHeightTag, height, m_animationHeightChangedSignal);
}
void ExportImageConfiguration::setAnimationWidth(int width)
{
    setAndNotify(*this, s_animationWidthTag, width, m_animationWidthChangedSignal);
}
void ExportImageConfiguration::setAnimationFP(double timePerIncrement)
{
    setAndNotify(*this, s_animationFPTag, timePerIncrement, m_animationFPChangedSignal);
}

bool ExportImageConfiguration::getEditable(ExportImageConfigTypes type) const
{
    return isSelectedEditable(*this, s_valuesByType, type);
}

void ExportImageConfiguration::copyFrom(const ExportImageConfiguration& other)
{
    ConfigurationObject::operator=(other);
    emitAll(*this, s_notifications);
}

ConfigurationObject* ExportImageConfiguration::createConfigurationObject() const
{
    return new ExportImageConfiguration();
}

void ExportImageConfiguration::emitSignalsAfterConfigLoading() { emitAll(*this, s_notifications); }

void ExportImageConfiguration::takeOverReloadedContent(const ConfigurationObject& reloaded, const std::vector<std::string>&)
{
    takeOverAndNotifyChanges(*this, reloaded, s_notifications);
}

}  // namespace Quarvane
