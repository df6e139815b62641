#pragma once

#include <QtCore/QString>

namespace Quarvane
{

// The suite's translation service: the text to show for a source text of a context, in the
// language of the translations the application installed.
class Translator
{
public:
    // `disambiguation` tells apart equal source texts of one context (may be null); `count`
    // chooses a plural form (-1: none). Without an installed translation the source text itself
    // is returned.
    static QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                             int count = -1);
};

}  // namespace Quarvane
