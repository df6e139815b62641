#include "Platform/Core/Service/Translation/Translator.h"

#include <QtCore/QCoreApplication>

namespace Quarvane
{

// Qt's translators are the suite's translation catalogues: the application installs them with
// QCoreApplication::installTranslator, and this works with or without an application object.
QString Translator::translate(const char* context, const char* sourceText, const char* disambiguation, int count)
{
    return QCoreApplication::translate(context, sourceText, disambiguation, count);
}

}  // namespace Quarvane
