#include "Platform/Core/Presentation/Configuration/StandardFilesConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"
#include "Platform/Core/Service/FileHandling/FileName.h"
#include "Platform/Core/Service/FileHandling/FileUtilities.h"
#include "Platform/Core/Service/Logging/Logging.h"
#include "Platform/Core/Service/Security/SecurityTools.h"
#include "Platform/Core/Service/Translation/Translator.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QVariant>

#include <algorithm>
#include <vector>

namespace Quarvane
{
using namespace GroupSupport;

const std::string StandardFilesConfiguration::s_languageTag = "Language";
const std::string StandardFilesConfiguration::s_toolingPasswordTag = "ToolingPassword";
const std::string StandardFilesConfiguration::s_coilPricesPasswordTag = "CoilPricesPassword";
const std::string StandardFilesConfiguration::s_setToolingFilePathTag = "ToolingFilePath";
const std::string StandardFilesConfiguration::s_setDiesetFilepathTag = "DiesetFilePath";
const std::string StandardFilesConfiguration::s_setDieFaceFilePathTag = "DieFaceFilePathItem";
const std::string StandardFilesConfiguration::s_setCtrlParamFilepathTag = "CtrlParamFilePathItem";
const std::string StandardFilesConfiguration::s_setSigmaFilePathTag = "SigmaFilePathItem";
const std::string StandardFilesConfiguration::s_setEvaluationFilepathTag = "EvaluationFilePathItem";
const std::string StandardFilesConfiguration::s_loadDieFaceFilePathTag = "LoadDieFaceFilePathItem";
const std::string StandardFilesConfiguration::s_loadCtrlParamFilepathTag = "LoadCtrlParamFilePathItem";
const std::string StandardFilesConfiguration::s_loadSigmaFilePathTag = "LoadSigmaFilePathItem";
const std::string StandardFilesConfiguration::s_loadEvaluationFilepathTag = "LoadEvaluationFilePathItem";
const std::string StandardFilesConfiguration::s_standardRestrictionDirectoryTag = "StandardRestrictionDirectory";
const std::string StandardFilesConfiguration::s_enableNewWithStandardTag = "EnableNewWithStandard";
const std::string StandardFilesConfiguration::s_productionFilePathTag = "ProductionFilePath";

StandardFilesConfiguration* StandardFilesConfiguration::s_registeredInstance = nullptr;
boost::mutex StandardFilesConfiguration::s_registrationMutex;

namespace
{
const char* const s_context = "StandardFilesConfiguration";
// The run of 40 blanks belongs to the text: translations are looked up by it, character for character.
const char* const s_legacyItemWarning =
    "\nYour configuration file contains an old \"ProductionFilePath\" item."
    "                                        "
    "Please convert the press standard and remove the entry from the configuration file.\n";

// The value each StandardFilesConfigTypes number selects among the group's values; the legacy
// item (3) is not one of them.
const std::string* const s_valuesByType[] = {
    &StandardFilesConfiguration::s_languageTag,
    &StandardFilesConfiguration::s_setToolingFilePathTag,
    &StandardFilesConfiguration::s_setDiesetFilepathTag,
    nullptr,
    &StandardFilesConfiguration::s_setDieFaceFilePathTag,
    &StandardFilesConfiguration::s_setCtrlParamFilepathTag,
    &StandardFilesConfiguration::s_setSigmaFilePathTag,
    &StandardFilesConfiguration::s_setEvaluationFilepathTag,
    &StandardFilesConfiguration::s_loadDieFaceFilePathTag,
    &StandardFilesConfiguration::s_loadCtrlParamFilepathTag,
    &StandardFilesConfiguration::s_loadSigmaFilePathTag,
    &StandardFilesConfiguration::s_loadEvaluationFilepathTag,
    &StandardFilesConfiguration::s_toolingPasswordTag,
    &StandardFilesConfiguration::s_coilPricesPasswordTag,
    &StandardFilesConfiguration::s_standardRestrictionDirectoryTag,
    &StandardFilesConfiguration::s_enableNewWithStandardTag,
};

const std::string* const s_passwords[] = {
    &StandardFilesConfiguration::s_toolingPasswordTag,
    &StandardFilesConfiguration::s_coilPricesPasswordTag,
};

const Logging& logger()
{
    static const Logging s_logger(__FILE__);
    return s_logger;
}

std::string defaultLanguage()
{
    const QCoreApplication* application = QCoreApplication::instance();
    const bool japanese = application != nullptr && application->property("language").toString() == QLatin1String("ja");
    return japanese ? "japanese" : "english";
}

// Tools and load warnings never show a secret value's text.
ConfigurationValue<std::string>* secret(ConfigurationValue<std::string>* value)
{
    value->setSecret(true);
    return value;
}

template <class T>
ConfigurationValue<T>* mutableValue(const ConfigurationObject& group, const std::string& key)
{
    return &valueOf<T>(const_cast<ConfigurationObject&>(group), key);
}

// Text a person can type into a file: UTF-8 without control characters other than line breaks and tabs.
bool isPlainText(const std::string& text)
{
    const QString decoded = QString::fromStdString(text);
    if (decoded.toStdString() != text)
        return false;
    return std::none_of(decoded.begin(), decoded.end(), [](QChar character) {
        return character.category() == QChar::Other_Control && !QStringLiteral("\t\n\r").contains(character);
    });
}

void scramblePasswords(ConfigurationObject& group)
{
    for (const std::string* key : s_passwords)
    {
        ConfigurationValue<std::string>& password = valueOf<std::string>(group, *key);
        password.setValue(SecurityTools::scrambleStringBase64(password.getValue()));
    }
}
}  // namespace

StandardFilesConfiguration* StandardFilesConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

StandardFilesConfiguration::StandardFilesConfiguration()
    : ConfigurationObject("StandardFilesConfiguration", "", 0, 63),
      m_productionFilePath(std::make_unique<ConfigurationValue<std::string>>(
          s_productionFilePathTag, "legacy configuration should not be saved or loaded", "", 1, 0, 63))
{
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_languageTag,
        "Tooling Language. Supported values are: english, japanese, german, french, italian, spanish and brazilian",
        defaultLanguage(), 0, 0, 63));
    addConfigurationValue(
        secret(new ConfigurationValue<std::string>(s_toolingPasswordTag, "Tooling Password", "", 0, 0, 63)));
    addConfigurationValue(
        secret(new ConfigurationValue<std::string>(s_coilPricesPasswordTag, "Coil Prices Password", "", 0, 0, 63)));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_setToolingFilePathTag, "Set Tooling URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_setDiesetFilepathTag, "Set Dieset URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_setDieFaceFilePathTag, "Set Design URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_setCtrlParamFilepathTag, "Set Control Parameters URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_setSigmaFilePathTag, "Set Sigma URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_setEvaluationFilepathTag, "Set Evaluation URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_loadDieFaceFilePathTag, "Load Design URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_loadCtrlParamFilepathTag, "Load Control Parameters URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_loadSigmaFilePathTag, "Load Sigma URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_loadEvaluationFilepathTag, "Load Evaluation URL configuration can be found.", "", 0, 0, 63));
    addConfigurationValue(new ConfigurationValue<std::string>(
        s_standardRestrictionDirectoryTag, "Directory restriction configuration for the load or set standard.", "", 0,
        0, 63));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_enableNewWithStandardTag, "Enable \"New Design with Set Standard\" and \"Load Design with Load Standard \".",
        false, 0, 0, 63));
}

StandardFilesConfiguration::StandardFilesConfiguration(const StandardFilesConfiguration& other)
    : ConfigurationObject(other),
      m_productionFilePath(other.m_productionFilePath->clone()),
      m_hasStandardRestrictionDirectory(other.m_hasStandardRestrictionDirectory)
{
}

StandardFilesConfiguration::~StandardFilesConfiguration() = default;

std::string StandardFilesConfiguration::getCurrentLanguage() { return get<std::string>(*this, s_languageTag); }
void StandardFilesConfiguration::setCurrentLanguage(const std::string& value)
{
    setAndNotify(*this, s_languageTag, value, m_languageChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentToolingPassword()
{
    return get<std::string>(*this, s_toolingPasswordTag);
}
void StandardFilesConfiguration::setCurrentToolingPassword(const std::string& value)
{
    setAndNotify(*this, s_toolingPasswordTag, value, m_toolingPasswordChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentCoilPricesPassword()
{
    return get<std::string>(*this, s_coilPricesPasswordTag);
}
void StandardFilesConfiguration::setCurrentCoilPricesPassword(const std::string& value)
{
    setAndNotify(*this, s_coilPricesPasswordTag, value, m_coilPricesPasswordChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentSetToolingFilePath() const
{
    return get<std::string>(*this, s_setToolingFilePathTag);
}
void StandardFilesConfiguration::setCurrentSetToolingFilePath(const std::string& value)
{
    setAndNotify(*this, s_setToolingFilePathTag, value, m_toolingFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentSetDiesetFilePath() const
{
    return get<std::string>(*this, s_setDiesetFilepathTag);
}
void StandardFilesConfiguration::setCurrentSetDiesetFilePath(const std::string& value)
{
    setAndNotify(*this, s_setDiesetFilepathTag, value, m_diesetFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentSetDieFaceFilePath() const
{
    return get<std::string>(*this, s_setDieFaceFilePathTag);
}
void StandardFilesConfiguration::setCurrentSetDieFaceFilePath(const std::string& value)
{
    setAndNotify(*this, s_setDieFaceFilePathTag, value, m_dieFaceFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentSetCtrlParamFilePath() const
{
    return get<std::string>(*this, s_setCtrlParamFilepathTag);
}
void StandardFilesConfiguration::setCurrentSetCtrlParamFilePath(const std::string& value)
{
    setAndNotify(*this, s_setCtrlParamFilepathTag, value, m_ctrlParamFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentSetSigmaFilePath() const
{
    return get<std::string>(*this, s_setSigmaFilePathTag);
}
void StandardFilesConfiguration::setCurrentSetSigmaFilePath(const std::string& value)
{
    setAndNotify(*this, s_setSigmaFilePathTag, value, m_sigmaFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentSetEvaluationFilePath() const
{
    return get<std::string>(*this, s_setEvaluationFilepathTag);
}
void StandardFilesConfiguration::setCurrentSetEvaluationFilePath(const std::string& value)
{
    setAndNotify(*this, s_setEvaluationFilepathTag, value, m_evaluationFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentLoadDieFaceFilePath() const
{
    return get<std::string>(*this, s_loadDieFaceFilePathTag);
}
void StandardFilesConfiguration::setCurrentLoadDieFaceFilePath(const std::string& value)
{
    setAndNotify(*this, s_loadDieFaceFilePathTag, value, m_loadDieFaceFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentLoadCtrlParamFilePath() const
{
    return get<std::string>(*this, s_loadCtrlParamFilepathTag);
}
void StandardFilesConfiguration::setCurrentLoadCtrlParamFilePath(const std::string& value)
{
    setAndNotify(*this, s_loadCtrlParamFilepathTag, value, m_loadCtrlParamFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentLoadSigmaFilePath() const
{
    return get<std::string>(*this, s_loadSigmaFilePathTag);
}
void StandardFilesConfiguration::setCurrentLoadSigmaFilePath(const std::string& value)
{
    setAndNotify(*this, s_loadSigmaFilePathTag, value, m_loadSigmaFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getCurrentLoadEvaluationFilePath() const
{
    return get<std::string>(*this, s_loadEvaluationFilepathTag);
}
void StandardFilesConfiguration::setCurrentLoadEvaluationFilePath(const std::string& value)
{
    setAndNotify(*this, s_loadEvaluationFilepathTag, value, m_loadEvaluationFilePathChangedSignal);
}

std::string StandardFilesConfiguration::getStandardRestrictionDirectory() const
{
    return get<std::string>(*this, s_standardRestrictionDirectoryTag);
}

bool StandardFilesConfiguration::getEnableNewWithStandard() const
{
    return get<bool>(*this, s_enableNewWithStandardTag);
}
void StandardFilesConfiguration::setEnableNewWithStandard(const bool& enabled)
{
    setAndNotify(*this, s_enableNewWithStandardTag, enabled, m_enableNewWithStandardChangedSignal);
}

void StandardFilesConfiguration::setStandardRestrictionDirectory(const std::string& directory)
{
    const std::string prefix = "StandardFilesConfiguration::setStandardRestrictionDirectory: ";
    logger().logTRACE(prefix + directory + " :Start", __FILE__, Q_FUNC_INFO, __LINE__);
    if (storeIfChanged(*this, s_standardRestrictionDirectoryTag, directory))
    {
        m_hasStandardRestrictionDirectory = !directory.empty();
        if (!directory.empty() && !FileUtilities::exists(FileName(directory), false))
            logger().logINFO("Invalid Restriction directory " + directory, __FILE__, Q_FUNC_INFO, __LINE__);
    }
    logger().logTRACE(prefix + directory + " :Done", __FILE__, Q_FUNC_INFO, __LINE__);
}

bool StandardFilesConfiguration::hasStandardRestrictionDirectory() const { return m_hasStandardRestrictionDirectory; }

void StandardFilesConfiguration::previewToolingFile() { m_toolingFilePathChangedSignal(); }

void StandardFilesConfiguration::previewDiesetFile() { m_diesetFilePathChangedSignal(); }

bool StandardFilesConfiguration::getEditable(StandardFilesConfigTypes type) const
{
    if (!isEditable())
        return false;
    if (type == ProductionFilePathType)
        return m_productionFilePath->isEditable();
    const std::string* key = selectedKey(s_valuesByType, type);
    return key == nullptr || GroupSupport::isEditable(*this, *key);
}

void StandardFilesConfiguration::copyFrom(const StandardFilesConfiguration& other)
{
    ConfigurationObject::operator=(other);
    m_productionFilePath->setValue(other.m_productionFilePath->getValue());
}

void StandardFilesConfiguration::loadContent(ConfigReader& reader)
{
    if (!isEditable())
        return;
    std::vector<ConfigurationValue<std::string>*> editablePasswords;
    for (const std::string* key : s_passwords)
        if (valueOf<std::string>(*this, *key).isEditable())
            editablePasswords.push_back(&valueOf<std::string>(*this, *key));
    const bool restrictionEditable = getStandardRestrictionDirectoryConfig()->isEditable();

    // A group is loaded once for each file that holds it. A password goes into the load in the
    // form a file holds, so that unscrambling afterwards gives the plain text both when this file
    // stores the password and when it keeps what an earlier file or the user set.
    std::vector<std::string> previous;
    for (ConfigurationValue<std::string>* password : editablePasswords)
    {
        previous.push_back(password->getValue());
        password->setValue(SecurityTools::scrambleStringBase64(password->getValue()));
    }
    ConfigurationObject::loadContent(reader);
    for (std::size_t i = 0; i < editablePasswords.size(); ++i)
        takeStoredPassword(*editablePasswords[i], previous[i]);

    warnAboutLegacyItem(reader);
    if (restrictionEditable)
        m_hasStandardRestrictionDirectory = !getStandardRestrictionDirectory().empty();
}

// A stored password is either scrambled or, typed into the file by hand, plain text. Anything
// else (bytes that are neither, as a damaged base64 value gives) cannot be what the user meant:
// the password keeps what it had and the user is told which one, without its text.
void StandardFilesConfiguration::takeStoredPassword(ConfigurationValue<std::string>& password,
                                                    const std::string& previous)
{
    const std::string stored = password.getValue();
    const std::string plain = SecurityTools::unscrambleStringBase64(stored);
    if (plain != stored || isPlainText(stored))
    {
        password.setValue(plain);
        return;
    }
    password.setValue(previous);
    addUserWarningMessage(getName() + "/" + password.getName() +
                          ": the stored password is neither scrambled nor text; the password stays as it was");
}

// The item is reset first so that the warning tells about the file being read, not about an
// older load or copy; a warning still pending from another file of the same load is not repeated.
void StandardFilesConfiguration::warnAboutLegacyItem(ConfigReader& reader)
{
    if (!m_productionFilePath->isEditable())
        return;
    m_productionFilePath->resetValue();
    m_productionFilePath->loadContent(reader);
    if (m_productionFilePath->getValue().empty())
        return;
    const std::string warning = Translator::translate(s_context, s_legacyItemWarning, nullptr, -1).toStdString();
    const std::vector<std::string> pending = getUserWarningMessages();
    if (std::find(pending.begin(), pending.end(), warning) == pending.end())
        addUserWarningMessage(warning);
}

// Saves a copy whose passwords are scrambled: the plain texts never reach the writer, and this
// group is left as it is.
void StandardFilesConfiguration::saveContent(ConfigWriter& writer) const
{
    ConfigurationObject scrambled(*this);
    scramblePasswords(scrambled);
    scrambled.saveContent(writer);
}

ConfigurationObject* StandardFilesConfiguration::createConfigurationObject() const
{
    return new StandardFilesConfiguration();
}

// Writes the values that differ from what the reference gives. Like every group, it leaves out
// what the reference locks, since a user file cannot change it.
void StandardFilesConfiguration::saveContent(ConfigWriter& writer, ConfigReader& reference, bool onlyChanged) const
{
    if (!onlyChanged)
    {
        saveContent(writer);
        return;
    }
    StandardFilesConfiguration stored;
    reference.readConfigurationObject(getName(), stored);
    if (!stored.isEditable())
        return;
    ConfigurationObject scrambled(*this);
    scramblePasswords(scrambled);
    for (const ConfigurationValueBase* value : getDifferentConfigurationValues(stored))
        if (stored.getConfigurationValue(value->getName())->isEditable())
            scrambled.getConfigurationValue(value->getName())->saveContent(writer);
}

void StandardFilesConfiguration::emitSignalsAfterConfigLoading()
{
    m_languageChangedSignal();
    m_toolingPasswordChangedSignal();
    m_coilPricesPasswordChangedSignal();
    m_toolingFilePathChangedSignal();
    m_diesetFilePathChangedSignal();
    m_dieFaceFilePathChangedSignal();
    m_ctrlParamFilePathChangedSignal();
    m_sigmaFilePathChangedSignal();
    m_evaluationFilePathChangedSignal();
    m_loadDieFaceFilePathChangedSignal();
    m_loadCtrlParamFilePathChangedSignal();
    m_loadSigmaFilePathChangedSignal();
    m_loadEvaluationFilePathChangedSignal();
    m_enableNewWithStandardChangedSignal();
}

ConfigurationValue<std::string>* StandardFilesConfiguration::getLanguageConfig() const
{
    return mutableValue<std::string>(*this, s_languageTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getToolingPasswordConfig() const
{
    return mutableValue<std::string>(*this, s_toolingPasswordTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getCoilPricesPasswordConfig() const
{
    return mutableValue<std::string>(*this, s_coilPricesPasswordTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getSetToolingFilePathConfig() const
{
    return mutableValue<std::string>(*this, s_setToolingFilePathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getSetDiesetFilepathConfig() const
{
    return mutableValue<std::string>(*this, s_setDiesetFilepathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getSetDieFaceFilePathConfig() const
{
    return mutableValue<std::string>(*this, s_setDieFaceFilePathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getSetCtrlParamFilepathConfig() const
{
    return mutableValue<std::string>(*this, s_setCtrlParamFilepathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getSetSigmaFilePathConfig() const
{
    return mutableValue<std::string>(*this, s_setSigmaFilePathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getSetEvaluationFilepathConfig() const
{
    return mutableValue<std::string>(*this, s_setEvaluationFilepathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getLoadDieFaceFilePathConfig() const
{
    return mutableValue<std::string>(*this, s_loadDieFaceFilePathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getLoadCtrlParamFilepathConfig() const
{
    return mutableValue<std::string>(*this, s_loadCtrlParamFilepathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getLoadSigmaFilePathConfig() const
{
    return mutableValue<std::string>(*this, s_loadSigmaFilePathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getLoadEvaluationFilepathConfig() const
{
    return mutableValue<std::string>(*this, s_loadEvaluationFilepathTag);
}
ConfigurationValue<std::string>* StandardFilesConfiguration::getStandardRestrictionDirectoryConfig() const
{
    return mutableValue<std::string>(*this, s_standardRestrictionDirectoryTag);
}
ConfigurationValue<bool>* StandardFilesConfiguration::getEnableNewWithStandardConfig() const
{
    return mutableValue<bool>(*this, s_enableNewWithStandardTag);
}

}  // namespace Quarvane
