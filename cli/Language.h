// The language of the command's messages: Russian for Russian-speaking users, English for
// everyone else.
#pragma once

namespace cli {

enum class Language { English, Russian };

// POSIX rule: the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides
// ("ru", "ru_RU.UTF-8", "ru@..." are Russian). Null or empty values are unset.
Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// Windows: a language identifier such as GetUserDefaultUILanguage() returns.
Language LanguageOfWindowsId(unsigned languageId);

// The user's language on this system.
Language UserLanguage();

}  // namespace cli
