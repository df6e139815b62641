#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// The 3D drawing engine: the graphics driver, anti-aliasing, the DSS cache, offscreen rendering
// and the font size of view labels. It also records what the engine found at run time (driver
// and anti-aliasing actually used, graphics card vendor, remote desktop, toolkit version); those
// values are never stored in a file and their setters notify nobody.
class DrawingEngineConfiguration : public ConfigurationObject
{
public:
    // The enumerations have an int underlying type because a stored or requested number outside
    // the named ones is kept as it is until a load repairs it.
    enum DriverType : int
    {
        DirectX11 = 0,
        OpenGL2 = 1,
        GDI = 2,
        AutomaticDriver = 3
    };

    enum AntiAliasingMode : int
    {
        NoAntiAliasing = 1,
        AntiAliasing2x = 2,
        AntiAliasing4x = 3
    };

    // A code the engine records when it identifies the graphics card; the library only keeps it.
    enum GraphicsCardVendor : int
    {
        UnknownGraphicsCardVendor = 3
    };

    // Selects a setting for getEditable and getVisibility; 1 selects none.
    enum DrawingEngineConfigTypes : int
    {
        GraphicsDriverType = 0,
        OffscreenRenderingType = 2,
        DssCacheSizeType = 3,
        AntiAliasingType = 4,
        ViewLabelFontSizeType = 5
    };

    static const std::string s_driverType;
    static const std::string s_useHardwareAcceleratedOffscreenRendering;
    static const std::string s_noOfBytesUsedForDssCache;
    static const std::string s_antiAliasingMode;
    static const std::string s_viewLabelFontSize;
    static const std::string s_usedDriverType;
    static const std::string s_graphicsCardVendor;
    static const std::string s_isRemoteDesktop;
    static const std::string s_usedAntiAliasingMode;
    static const std::string s_hoopsVersion;

    static const int s_defaultViewLabelFontSize;

    static DrawingEngineConfiguration& getRegisteredInstance();

    // The graphics toolkit's name for a driver type; OpenGL 2 for any number it does not know.
    static std::string getHoopsDriverTypeNotation(DriverType type);

    DrawingEngineConfiguration();
    ~DrawingEngineConfiguration() override;

    DriverType getDriverType() const;
    bool getUseHardwareAcceleratedOffscreenRendering() const;
    int getNoOfBytesUsedForDssCache() const;
    AntiAliasingMode getAntiAliasingMode() const;
    int getViewLabelFontSize() const;
    int getDefaultViewLabelFontSize() const;
    DriverType getUsedDriverType() const;
    GraphicsCardVendor getGraphicsCardVendor() const;
    bool getIsRemoteDesktop() const;
    AntiAliasingMode getUsedAntiAliasingMode() const;
    unsigned int getHoopsVersion() const;

    const ConfigurationValue<int>& getDriverTypeConfig() const;
    const ConfigurationValue<bool>& getUseHardwareAcceleratedOffscreenRenderingConfig() const;
    const ConfigurationValue<int>& getNoOfBytesUsedForDssCacheConfig() const;
    const ConfigurationValue<int>& getAntiAliasingModeConfig() const;
    const ConfigurationValue<int>& getViewLabelFontSizeConfig() const;
    const ConfigurationValue<int>& getUsedDriverTypeConfig() const;
    const ConfigurationValue<int>& getGraphicsCardVendorConfig() const;
    const ConfigurationValue<bool>& getIsRemoteDesktopConfig() const;
    const ConfigurationValue<int>& getUsedAntiAliasingModeConfig() const;
    const ConfigurationValue<unsigned int>& getHoopsVersionConfig() const;

    // Store and emit when the value differs. Driver type and anti-aliasing mode take any number
    // here; only a load repairs them.
    void setDriverType(DriverType type);
    void setAntiAliasingMode(AntiAliasingMode mode);
    // Clamped to 10..18; compared with the stored size before clamping.
    void setViewLabelFontSize(int size);

    // Store without comparing and without notifying.
    void setUseHardwareAcceleratedOffscreenRendering(bool use);
    void setNoOfBytesUsedForDssCache(int bytes);
    void setUsedDriverType(DriverType type);
    void setGraphicsCardVendor(GraphicsCardVendor vendor);
    void setIsRemoteDesktop(bool isRemoteDesktop);
    void setUsedAntiAliasingMode(AntiAliasingMode mode);
    void setHoopsVersion(unsigned int version);

    bool getEditable(DrawingEngineConfigTypes type) const;
    bool getVisibility(DrawingEngineConfigTypes type) const;

    void copyFrom(const DrawingEngineConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    void emitSignalsAfterConfigLoading() override;
    void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                 const std::vector<std::string>& changedKeys) override;

    Signals::Signal<void(int)> m_driverTypeChangedSignal;
    Signals::Signal<void(int)> m_antiAliasingModeChangedSignal;
    Signals::Signal<void(int)> m_viewLabelFontSizeChangedSignal;

private:
    static DrawingEngineConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
