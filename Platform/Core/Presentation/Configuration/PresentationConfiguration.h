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

#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorRGB.h"
#include "Platform/Core/Presentation/Configuration/DrawColor.h"
#include "Platform/Core/Presentation/Configuration/DrawColorStyle.h"
#include "Platform/Core/Presentation/Configuration/QVApplicationType.h"
#include "Platform/Core/Presentation/Configuration/VisualStyleDefinitions.h"
#include "Platform/Core/Graphics/DrawingStyle/DrawColorMode.h"
#include "Platform/Core/Gui/WidgetTools/QVGuiTools.h"
#include "Platform/Core/Service/Exceptions/QvLogicException.h"
#include "Platform/Core/Presentation/Configuration/ColorRange.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
