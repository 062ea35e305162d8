// The scheme an address without one is opened with, without the Windows API.
#pragma once

#include <string>

// The address as the shell gets it: text holding a ":" anywhere is taken as it is; else
// "www…" (lower case) gets "http://", "ftp…" gets "ftp://", and text with an "@" after
// its first character gets "mailto:"; anything else is left as it is.
std::string WithUrlScheme(const std::string& text);
