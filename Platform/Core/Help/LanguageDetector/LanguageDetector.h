#pragma once

#include <QtCore/QLocale>
#include <QtCore/QString>

namespace Quarvane
{

// The help library's recognition of language names, as they stand in configuration files.
class LanguageDetector
{
public:
    // The language an English language name denotes, as QLocale::languageToString gives it
    // ("German", "Norwegian Bokmal"), ignoring case and surrounding blanks; QLocale::C for any
    // text that names no language.
    static QLocale::Language languageFromString(const QString& name);
};

}  // namespace Quarvane
