// The clipboard as plain text (cp1251 on our side, Unicode text on the platform's).
#pragma once

#include <string>

namespace fw {

class Clipboard {
public:
    // Replaces the clipboard's contents; false when the clipboard could not be opened.
    static bool SetText(const std::string& text);
    // The clipboard's text, empty when there is none or it could not be opened.
    static std::string GetText();
    static bool HasText();
};

}  // namespace fw
