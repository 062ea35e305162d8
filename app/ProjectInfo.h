// The project's own name and web address, as the About window shows them. The version
// beside them, app/Version.h, is generated from the build's project() line.
#pragma once

#include <string_view>

namespace app {

// Short enough for the author line ("Автор - " and the name in 101 pixels).
inline constexpr std::string_view kProjectShortName = "XP Table";
// The web site without its scheme: the link's caption; the link opens it over http.
inline constexpr std::string_view kProjectSite = "xptable.example.org";

}  // namespace app
