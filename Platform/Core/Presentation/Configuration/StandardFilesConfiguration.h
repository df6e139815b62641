#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <memory>
#include <string>

namespace Quarvane
{

// Where the company's standard files live: the locations the tooling, die-set, design,
// control-parameter, sigma and evaluation standards are set and loaded from, the tooling
// language, two access passwords, a directory that loading and setting standards is restricted
// to, and whether the combined "new/load design with standard" commands are offered.
//
// The passwords are plain text in memory and scrambled in every configuration file. An old
// "ProductionFilePath" item in a file is read only to warn the user, and never written.
class StandardFilesConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable; any other number selects none.
    enum StandardFilesConfigTypes
    {
        LanguageType = 0,
        ToolingFilePathType = 1,
        DiesetFilePathType = 2,
        ProductionFilePathType = 3,
        DieFaceFilePathType = 4,
        CtrlParamFilePathType = 5,
        SigmaFilePathType = 6,
        EvaluationFilePathType = 7,
        LoadDieFaceFilePathType = 8,
        LoadCtrlParamFilePathType = 9,
        LoadSigmaFilePathType = 10,
        LoadEvaluationFilePathType = 11,
        ToolingPasswordType = 12,
        CoilPricesPasswordType = 13,
        StandardRestrictionDirectoryType = 14,
        EnableNewWithStandardType = 15
    };

    static const std::string s_languageTag;
    static const std::string s_toolingPasswordTag;
    static const std::string s_coilPricesPasswordTag;
    static const std::string s_setToolingFilePathTag;
    static const std::string s_setDiesetFilepathTag;
    static const std::string s_setDieFaceFilePathTag;
    static const std::string s_setCtrlParamFilepathTag;
    static const std::string s_setSigmaFilePathTag;
    static const std::string s_setEvaluationFilepathTag;
    static const std::string s_loadDieFaceFilePathTag;
    static const std::string s_loadCtrlParamFilepathTag;
    static const std::string s_loadSigmaFilePathTag;
    static const std::string s_loadEvaluationFilepathTag;
    static const std::string s_standardRestrictionDirectoryTag;
    static const std::string s_enableNewWithStandardTag;
    // The legacy item, which is not one of the group's values.
    static const std::string s_productionFilePathTag;

    static StandardFilesConfiguration* getRegisteredInstance();

    // All defaults; "Language" is "japanese" when the application's "language" property is "ja",
    // otherwise "english".
    StandardFilesConfiguration();
    // A copy without observers.
    StandardFilesConfiguration(const StandardFilesConfiguration& other);
    StandardFilesConfiguration& operator=(const StandardFilesConfiguration&) = delete;
    ~StandardFilesConfiguration() override;

    std::string getCurrentLanguage();
    void setCurrentLanguage(const std::string& value);
    std::string getCurrentToolingPassword();
    void setCurrentToolingPassword(const std::string& value);
    std::string getCurrentCoilPricesPassword();
    void setCurrentCoilPricesPassword(const std::string& value);
    std::string getCurrentSetToolingFilePath() const;
    void setCurrentSetToolingFilePath(const std::string& value);
    std::string getCurrentSetDiesetFilePath() const;
    void setCurrentSetDiesetFilePath(const std::string& value);
    std::string getCurrentSetDieFaceFilePath() const;
    void setCurrentSetDieFaceFilePath(const std::string& value);
    std::string getCurrentSetCtrlParamFilePath() const;
    void setCurrentSetCtrlParamFilePath(const std::string& value);
    std::string getCurrentSetSigmaFilePath() const;
    void setCurrentSetSigmaFilePath(const std::string& value);
    std::string getCurrentSetEvaluationFilePath() const;
    void setCurrentSetEvaluationFilePath(const std::string& value);
    std::string getCurrentLoadDieFaceFilePath() const;
    void setCurrentLoadDieFaceFilePath(const std::string& value);
    std::string getCurrentLoadCtrlParamFilePath() const;
    void setCurrentLoadCtrlParamFilePath(const std::string& value);
    std::string getCurrentLoadSigmaFilePath() const;
    void setCurrentLoadSigmaFilePath(const std::string& value);
    std::string getCurrentLoadEvaluationFilePath() const;
    void setCurrentLoadEvaluationFilePath(const std::string& value);
    std::string getStandardRestrictionDirectory() const;
    // Stores the directory (without a signal) and whether there is a restriction. A directory that
    // does not exist is logged and kept all the same: it may be on a share that is not mounted yet.
    void setStandardRestrictionDirectory(const std::string& directory);
    bool getEnableNewWithStandard() const;
    void setEnableNewWithStandard(const bool& enabled);

    bool hasStandardRestrictionDirectory() const;

    // Tell the tooling or die-set observers to show the standard again, although its path is unchanged.
    void previewToolingFile();
    void previewDiesetFile();

    bool getEditable(StandardFilesConfigTypes type) const;

    // Takes over all values and flags and the legacy item's text, without notifying anybody; the
    // has-restriction flag stays as it is.
    void copyFrom(const StandardFilesConfiguration& other);

    void loadContent(ConfigReader& reader) override;
    void saveContent(ConfigWriter& writer) const override;
    ConfigurationObject* createConfigurationObject() const override;
    void saveContent(ConfigWriter& writer, ConfigReader& reference, bool onlyChanged) const override;
    void emitSignalsAfterConfigLoading() override;

    Signals::Signal<void()> m_languageChangedSignal;
    Signals::Signal<void()> m_toolingPasswordChangedSignal;
    Signals::Signal<void()> m_coilPricesPasswordChangedSignal;
    Signals::Signal<void()> m_toolingFilePathChangedSignal;
    Signals::Signal<void()> m_diesetFilePathChangedSignal;
    Signals::Signal<void()> m_dieFaceFilePathChangedSignal;
    Signals::Signal<void()> m_ctrlParamFilePathChangedSignal;
    Signals::Signal<void()> m_sigmaFilePathChangedSignal;
    Signals::Signal<void()> m_evaluationFilePathChangedSignal;
    Signals::Signal<void()> m_loadDieFaceFilePathChangedSignal;
    Signals::Signal<void()> m_loadCtrlParamFilePathChangedSignal;
    Signals::Signal<void()> m_loadSigmaFilePathChangedSignal;
    Signals::Signal<void()> m_loadEvaluationFilePathChangedSignal;
    Signals::Signal<void()> m_enableNewWithStandardChangedSignal;

private:
    ConfigurationValue<std::string>* getLanguageConfig() const;
    ConfigurationValue<std::string>* getToolingPasswordConfig() const;
    ConfigurationValue<std::string>* getCoilPricesPasswordConfig() const;
    ConfigurationValue<std::string>* getSetToolingFilePathConfig() const;
    ConfigurationValue<std::string>* getSetDiesetFilepathConfig() const;
    ConfigurationValue<std::string>* getSetDieFaceFilePathConfig() const;
    ConfigurationValue<std::string>* getSetCtrlParamFilepathConfig() const;
    ConfigurationValue<std::string>* getSetSigmaFilePathConfig() const;
    ConfigurationValue<std::string>* getSetEvaluationFilepathConfig() const;
    ConfigurationValue<std::string>* getLoadDieFaceFilePathConfig() const;
    ConfigurationValue<std::string>* getLoadCtrlParamFilepathConfig() const;
    ConfigurationValue<std::string>* getLoadSigmaFilePathConfig() const;
    ConfigurationValue<std::string>* getLoadEvaluationFilepathConfig() const;
    ConfigurationValue<std::string>* getStandardRestrictionDirectoryConfig() const;
    ConfigurationValue<bool>* getEnableNewWithStandardConfig() const;

    void takeStoredPassword(ConfigurationValue<std::string>& password, const std::string& previous);
    void warnAboutLegacyItem(ConfigReader& reader);

    std::unique_ptr<ConfigurationValue<std::string>> m_productionFilePath;
    bool m_hasStandardRestrictionDirectory = false;

    static StandardFilesConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
