// JSON as the command prints it: two-space indents, UTF-8, a final line end. Bytes that are
// not UTF-8 (a label in another code page, a POSIX file name) become U+FFFD, never a failure.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace cli {

inline std::string JsonText(const nlohmann::ordered_json& value)
{
    return value.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace cli
