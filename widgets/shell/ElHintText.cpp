#include "widgets/shell/ElHintText.h"

namespace {

void AppendUnit(std::string& out, char16_t unit)
{
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

}  // namespace

std::string EncodeHint(const std::string& narrow, const std::u16string& wide)
{
    std::string out;
    out.reserve(narrow.size() + 2 * wide.size() + 5);
    out += narrow;
    out.push_back('\0');
    for (char16_t unit : wide)
        AppendUnit(out, unit);
    AppendUnit(out, 0);
    AppendUnit(out, 0xFFFE);
    return out;
}
