#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string DrawingEngineConfiguration::s_driverType = "DriverType";
const std::string DrawingEngineConfiguration::s_useHardwareAcceleratedOffscreenRendering =
    "UseHardwareAcceleratedOffscreenRendering";
const std::string DrawingEngineConfiguration::s_noOfBytesUsedForDssCache = "NoOfBytesUsedForDssCache";
const std::string DrawingEngineConfiguration::s_antiAliasingMode = "AntiAliasingMode";
const std::string DrawingEngineConfiguration::s_viewLabelFontSize = "ViewLabelFontSize";
const std::string DrawingEngineConfiguration::s_usedDriverType = "UsedDriverType";
const std::string DrawingEngineConfiguration::s_graphicsCardVendor = "GraphicsCardVendor";
const std::string DrawingEngineConfiguration::s_isRemoteDesktop = "IsRemoteDesktop";
const std::string DrawingEngineConfiguration::s_usedAntiAliasingMode = "UsedAntiAliasingMode";
const std::string DrawingEngineConfiguration::s_hoopsVersion = "HoopsVersion";

const int DrawingEngineConfiguration::s_defaultViewLabelFontSize = 11;

DrawingEngineConfiguration* DrawingEngineConfiguration::s_registeredInstance = nullptr;
boost::mutex DrawingEngineConfiguration::s_registrationMutex;

namespace
{
using Group = DrawingEngineConfiguration;

const std::string* const s_valuesByType[] = {
    &Group::s_driverType,                                // GraphicsDriverType
    nullptr,                                             // 1 selects nothing
    &Group::s_useHardwareAcceleratedOffscreenRendering,  // OffscreenRenderingType
    &Group::s_noOfBytesUsedForDssCache,                  // DssCacheSizeType
    &Group::s_antiAliasingMode,                          // AntiAliasingType
    &Group::s_viewLabelFontSize,                         // ViewLabelFontSizeType
};
static_assert(std::size(s_valuesByType) == DrawingEngineConfiguration::ViewLabelFontSizeType + 1,
              "one entry per type number");

const Notification<Group> s_notifications[] = {
    {&Group::s_driverType, [](Group& g) { g.m_driverTypeChangedSignal(g.getDriverType()); }},
    {&Group::s_antiAliasingMode, [](Group& g) { g.m_antiAliasingModeChangedSignal(g.getAntiAliasingMode()); }},
    {&Group::s_viewLabelFontSize, [](Group& g) { g.m_viewLabelFontSizeChangedSignal(g.getViewLabelFontSize()); }},
};

}  // namespace

DrawingEngineConfiguration& DrawingEngineConfiguration::getRegisteredInstance()
{
    return *registerOnce(s_registeredInstance, s_registrationMutex);
}

std::string DrawingEngineConfiguration::getHoopsDriverTypeNotation(DriverType type)
{
    switch (type)
    {
    case DirectX11:
        return "dx11";
    case GDI:
        return "msw";
    case AutomaticDriver:
        return "3ddriver";
    default:
        return "opengl2";
    }
}

DrawingEngineConfiguration::DrawingEngineConfiguration() : ConfigurationObject("DrawingEngineConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<int>(
        s_driverType, "The driver type: DirectX11=0, OpenGL2=1, GDI=2, Automatic=3", DirectX11, Shown, UserSetting,
        Products::All & ~Products::Tube,
        ValueRule::oneOf({{DirectX11, "DirectX11"}, {OpenGL2, "OpenGL2"}, {GDI, "GDI"}, {AutomaticDriver, "Automatic"}},
                         OpenGL2)));
    addConfigurationValue(new ConfigurationValue<bool>(s_useHardwareAcceleratedOffscreenRendering,
                                                       "true: use hardware accelerated offscreen rendering", true,
                                                       Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_noOfBytesUsedForDssCache, "No of bytes used in the DSS cache",
                                                      50000000, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(
        s_antiAliasingMode, "The anti-aliasing mode: No anti-aliasing = 1, 2x anti-aliasing = 2, 4x anti-aliasing = 3",
        NoAntiAliasing, Shown, UserSetting, Products::All & ~Products::Tube,
        ValueRule::oneOf({{NoAntiAliasing, "No anti-aliasing"},
                          {AntiAliasing2x, "2x anti-aliasing"},
                          {AntiAliasing4x, "4x anti-aliasing"}},
                         NoAntiAliasing)));
    addConfigurationValue(new ConfigurationValue<int>(
        s_viewLabelFontSize, "Label font size: 9..18", s_defaultViewLabelFontSize, Shown, UserSetting,
        Products::All & ~Products::Tube,
        // The description promises 9..18, but labels below 10 are not readable in the views.
        ValueRule::range(10, 18, ValueRule::OnLoad::Clamp)));
    // What the engine found at run time: never read from or written to a file.
    addConfigurationValue(
        new ConfigurationValue<int>(s_usedDriverType, "", DirectX11, Shown, RuntimeValue, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_graphicsCardVendor, "", UnknownGraphicsCardVendor, Shown,
                                                      RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_isRemoteDesktop, "", false, Shown, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<int>(s_usedAntiAliasingMode, "", NoAntiAliasing, Shown, RuntimeValue, Products::All));
    addConfigurationValue(
        new ConfigurationValue<unsigned int>(s_hoopsVersion, "", 0u, Shown, RuntimeValue, Products::All));
}

DrawingEngineConfiguration::~DrawingEngineConfiguration() = default;

DrawingEngineConfiguration::DriverType DrawingEngineConfiguration::getDriverType() const
{
    return static_cast<DriverType>(get<int>(*this, s_driverType));
}
bool DrawingEngineConfiguration::getUseHardwareAcceleratedOffscreenRendering() const
{
    return get<bool>(*this, s_useHardwareAcceleratedOffscreenRendering);
}
int DrawingEngineConfiguration::getNoOfBytesUsedForDssCache() const
{
    return get<int>(*this, s_noOfBytesUsedForDssCache);
}
DrawingEngineConfiguration::AntiAliasingMode DrawingEngineConfiguration::getAntiAliasingMode() const
{
    return static_cast<AntiAliasingMode>(get<int>(*this, s_antiAliasingMode));
}
int DrawingEngineConfiguration::getViewLabelFontSize() const { return get<int>(*this, s_viewLabelFontSize); }
int DrawingEngineConfiguration::getDefaultViewLabelFontSize() const { return s_defaultViewLabelFontSize; }
DrawingEngineConfiguration::DriverType DrawingEngineConfiguration::getUsedDriverType() const
{
    return static_cast<DriverType>(get<int>(*this, s_usedDriverType));
}
DrawingEngineConfiguration::GraphicsCardVendor DrawingEngineConfiguration::getGraphicsCardVendor() const
{
    return static_cast<GraphicsCardVendor>(get<int>(*this, s_graphicsCardVendor));
}
bool DrawingEngineConfiguration::getIsRemoteDesktop() const { return get<bool>(*this, s_isRemoteDesktop); }
DrawingEngineConfiguration::AntiAliasingMode DrawingEngineConfiguration::getUsedAntiAliasingMode() const
{
    return static_cast<AntiAliasingMode>(get<int>(*this, s_usedAntiAliasingMode));
}
unsigned int DrawingEngineConfiguration::getHoopsVersion() const { return get<unsigned int>(*this, s_hoopsVersion); }

const ConfigurationValue<int>& DrawingEngineConfiguration::getDriverTypeConfig() const
{
    return valueOf<int>(*this, s_driverType);
}
const ConfigurationValue<bool>& DrawingEngineConfiguration::getUseHardwareAcceleratedOffscreenRenderingConfig() const
{
    return valueOf<bool>(*this, s_useHardwareAcceleratedOffscreenRendering);
}
const ConfigurationValue<int>& DrawingEngineConfiguration::getNoOfBytesUsedForDssCacheConfig() const
{
    return valueOf<int>(*this, s_noOfBytesUsedForDssCache);
}
const ConfigurationValue<int>& DrawingEngineConfiguration::getAntiAliasingModeConfig() const
{
    return valueOf<int>(*this, s_antiAliasingMode);
}
const ConfigurationValue<int>& DrawingEngineConfiguration::getViewLabelFontSizeConfig() const
{
    return valueOf<int>(*this, s_viewLabelFontSize);
}
const ConfigurationValue<int>& DrawingEngineConfiguration::getUsedDriverTypeConfig() const
{
    return valueOf<int>(*this, s_usedDriverType);
}
const ConfigurationValue<int>& DrawingEngineConfiguration::getGraphicsCardVendorConfig() const
{
    return valueOf<int>(*this, s_graphicsCardVendor);
}
const ConfigurationValue<bool>& DrawingEngineConfiguration::getIsRemoteDesktopConfig() const
{
    return valueOf<bool>(*this, s_isRemoteDesktop);
}
const ConfigurationValue<int>& DrawingEngineConfiguration::getUsedAntiAliasingModeConfig() const
{
    return valueOf<int>(*this, s_usedAntiAliasingMode);
}
const ConfigurationValue<unsigned int>& DrawingEngineConfiguration::getHoopsVersionConfig() const
{
    return valueOf<unsigned int>(*this, s_hoopsVersion);
}

void DrawingEngineConfiguration::setDriverType(DriverType type)
{
    setAndNotify<int>(*this, s_driverType, type, m_driverTypeChangedSignal);
}
void DrawingEngineConfiguration::setAntiAliasingMode(AntiAliasingMode mode)
{
    setAndNotify<int>(*this, s_antiAliasingMode, mode, m_antiAliasingModeChangedSignal);
}
void DrawingEngineConfiguration::setViewLabelFontSize(int size)
{
    setAndNotify(*this, s_viewLabelFontSize, size, m_viewLabelFontSizeChangedSignal);
}

void DrawingEngineConfiguration::setUseHardwareAcceleratedOffscreenRendering(bool use)
{
    valueOf<bool>(*this, s_useHardwareAcceleratedOffscreenRendering).setValue(use);
}
void DrawingEngineConfiguration::setNoOfBytesUsedForDssCache(int bytes)
{
    valueOf<int>(*this, s_noOfBytesUsedForDssCache).setValue(bytes);
}
void DrawingEngineConfiguration::setUsedDriverType(DriverType type) { valueOf<int>(*this, s_usedDriverType).setValue(type); }
void DrawingEngineConfiguration::setGraphicsCardVendor(GraphicsCardVendor vendor)
{
    valueOf<int>(*this, s_graphicsCardVendor).setValue(vendor);
}
void DrawingEngineConfiguration::setIsRemoteDesktop(bool isRemoteDesktop)
{
    valueOf<bool>(*this, s_isRemoteDesktop).setValue(isRemoteDesktop);
}
void DrawingEngineConfiguration::setUsedAntiAliasingMode(AntiAliasingMode mode)
{
    valueOf<int>(*this, s_usedAntiAliasingMode).setValue(mode);
}
void DrawingEngineConfiguration::setHoopsVersion(unsigned int version)
{
    valueOf<unsigned int>(*this, s_hoopsVersion).setValue(version);
}

bool DrawingEngineConfiguration::getEditable(DrawingEngineConfigTypes type) const
{
    return isSelectedEditable(*this, s_valuesByType, type);
}

bool DrawingEngineConfiguration::getVisibility(DrawingEngineConfigTypes type) const
{
    return isSelectedVisible(*this, s_valuesByType, type, true);
}

void DrawingEngineConfiguration::copyFrom(const DrawingEngineConfiguration& other)
{
    copyAndNotifyChanges(*this, other, s_notifications);
}

ConfigurationObject* DrawingEngineConfiguration::createConfigurationObject() const
{
    return new DrawingEngineConfiguration();
}

void DrawingEngineConfiguration::emitSignalsAfterConfigLoading() { emitAll(*this, s_notifications); }

void DrawingEngineConfiguration::takeOverReloadedContent(const ConfigurationObject& reloaded, const std::vector<std::string>&)
{
    takeOverAndNotifyChanges(*this, reloaded, s_notifications);
}

}  // namespace Quarvane
