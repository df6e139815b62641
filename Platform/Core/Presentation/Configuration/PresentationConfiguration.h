#pragma once

// Everything the presentation-configuration library offers, in one include.

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationItemBase.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"
#include "Platform/Core/Service/Signals/Signals.h"
#include "Platform/Core/Service/Translation/Translator.h"
#include "Platform/Core/Service/Registry/RegistryKey.h"
#include "Platform/Core/Service/Security/SecurityTools.h"
#include "Platform/Core/Service/FileHandling/FileName.h"
#include "Platform/Core/Service/FileHandling/FileUtilities.h"
#include "Platform/Core/Service/Logging/Logging.h"

#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Presentation/Configuration/FindApplicationHelper.h"
#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StandardFilesConfiguration.h"
