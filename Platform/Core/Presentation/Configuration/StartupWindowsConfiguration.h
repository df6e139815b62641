#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// The dialogs shown at start-up and when files are opened, the look of the user interface, and
// a notice about confidential use that only an administrator sets.
class StartupWindowsConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable and getVisibility.
    enum StartupWindowsConfigTypes : int
    {
        WelcomeDialogType = 0,
        HelpDialogType = 1,
        UseCustomStyleType = 2,
        WindowFontSizeType = 3,
        UseLightVersionType = 4,
        ShowImportFilterDialogType = 5,
        FileVersionWarningType = 6,
        DisclosureSingleModeType = 7,
        ConfidentialNoticeType = 8
    };

    static const std::string s_welcomeDialog;
    static const std::string s_helpDialog;
    static const std::string s_fileVersionWarning;
    static const std::string s_useCustomStyle;
    static const std::string s_windowFontSize;
    static const std::string s_useLightVersion;
    static const std::string s_showImportFilter;
    static const std::string s_disclosureSingleMode;
    static const std::string s_confidentialNotice;

    static const int s_defaultWindowFontSize;

    static StartupWindowsConfiguration* getRegisteredInstance();

    StartupWindowsConfiguration();
    ~StartupWindowsConfiguration() override;

    bool getWelcomeDialogEnabled() const;
    bool getHelpDialogEnabled() const;
    bool isFileVersionWarningEnabled() const;
    bool isUseCustomStyle() const;
    // The description says 9..13, but the group takes any size.
    int getWindowFontSize() const;
    int getDefaultWindowFontSize() const;
    bool isUseLightVersion() const;
    bool isImportFilterDialogEnabled() const;
    bool isDisclosureSingleMode() const;
    std::string getConfidentialNotice();

    // Store without comparing; emit the stored value when `emitSignal` is true.
    void setWelcomeDialogEnabled(bool enabled, bool emitSignal);
    void setFileVersionWarningEnabled(bool enabled, bool emitSignal);
    void setWindowFontSize(int size, bool emitSignal);
    void setUseLightVersion(bool useLightVersion, bool emitSignal);
    void setImportFilterDialogEnabled(bool enabled, bool emitSignal);
    void setDisclosureSingleMode(bool singleMode, bool emitSignal);
    // Stores only; the help dialog has no signal.
    void setHelpDialogEnabled(bool enabled);

    // False for a number that selects no value.
    bool getEditable(StartupWindowsConfigTypes type) const;
    bool getVisibility(StartupWindowsConfigTypes type) const;

    // Takes over every value; emits the welcome, import-filter and file-version signals always,
    // the font-size signal only when the size differed.
    void copyFrom(const StartupWindowsConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    void emitSignalsAfterConfigLoading() override;
    void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                 const std::vector<std::string>& changedKeys) override;

    Signals::Signal<void(bool)> m_welcomeDialogEnabledChangedSignal;
    Signals::Signal<void(int)> m_windowFontSizeChangedSignal;
    Signals::Signal<void(bool)> m_useLightVersionChangedSignal;
    Signals::Signal<void(bool)> m_importFilterDialogEnabledChangedSignal;
    Signals::Signal<void(bool)> m_fileVersionWarningEnabledChangedSignal;
    Signals::Signal<void(bool)> m_disclosureSingleModeChangedSignal;

private:
    // The key a type selects; empty for a number that selects none.
    static std::string getTag(StartupWindowsConfigTypes type);

    static StartupWindowsConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
