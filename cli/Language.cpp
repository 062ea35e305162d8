#include "cli/Language.h"

#include <string_view>

namespace cli {

Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang)
{
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (!value || !*value)
            continue;
        std::string_view name(value);
        bool russian = name.substr(0, 2) == "ru" && (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
        return russian ? Language::Russian : Language::English;
    }
    return Language::English;
}

Language LanguageOfWindowsId(unsigned languageId)
{
    const unsigned kPrimaryRussian = 0x19;  // the primary language sits in the low ten bits
    return (languageId & 0x3FF) == kPrimaryRussian ? Language::Russian : Language::English;
}

}  // namespace cli
