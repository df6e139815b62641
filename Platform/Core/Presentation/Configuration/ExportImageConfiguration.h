#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// Exporting a view as an image (its size relative to the view) and as an animation (resolution
// and time per increment).
class ExportImageConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable.
    enum ExportImageConfigTypes : int
    {
        ImageSizeFactorType = 0,
        AnimationCustomResolutionType = 1,
        AnimationHeightType = 2,
        AnimationWidthType = 3,
        AnimationFPType = 4
    };

    static const std::string s_imageSizeFactorTag;
    static const std::string s_animationCustomResolutionTag;
    static const std::string s_animationHeightTag;
    static const std::string s_animationWidthTag;
    static const std::string s_animationFPTag;

    static ExportImageConfiguration* getRegisteredInstance();

    ExportImageConfiguration();
    ~ExportImageConfiguration() override;

    // In % of the view size.
    int getImageSizeFactor() const;
    // Whether the animation uses the height and width below instead of the view's size.
    bool getAnimationCustomResolution() const;
    int getAnimationHeight() const;
    int getAnimationWidth() const;
    // Time per increment of the animation.
    double getAnimationFP() const;

    const ConfigurationValue<int>& getImageSizeFactorConfig() const;
    const ConfigurationValue<bool>& getAnimationCustomResolutionConfig() const;
    const ConfigurationValue<int>& getAnimationHeightConfig() const;
    const ConfigurationValue<int>& getAnimationWidthConfig() const;
    const ConfigurationValue<double>& getAnimationFPonfig() const;

    // Store and emit when the value differs (the time per increment by exact equality); no range
    // is enforced.
    void setImageSizeFactor(int factor);
    void setAnimationCustomResolution(bool custom);
    void setAnimationHeight(int height);
    void setAnimationWidth(int width);
    void setAnimationFP(double timePerIncrement);

    bool getEditable(ExportImageConfigTypes type) const;

    // Takes over every value and emits all five signals, changed or not.
    void copyFrom(const ExportImageConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    void emitSignalsAfterConfigLoading() override;
    void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                 const std::vector<std::string>& changedKeys) override;

    Signals::Signal<void(int)> m_imageSizeFactorChangedSignal;
    Signals::Signal<void(bool)> m_animationCustomResolutionChangedSignal;
    Signals::Signal<void(int)> m_animationHeightChangedSignal;
    Signals::Signal<void(int)> m_animationWidthChangedSignal;
    Signals::Signal<void(double)> m_animationFPChangedSignal;

private:
    static ExportImageConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
