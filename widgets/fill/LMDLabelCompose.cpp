#include "widgets/fill/LMDLabelCompose.h"

#include <algorithm>

namespace lmd {

void ComposeFilledText(std::span<const std::uint32_t> text, std::span<const std::uint32_t> fill,
                       std::span<const std::uint32_t> under, std::span<std::uint32_t> result, std::uint32_t font,
                       std::uint32_t back)
{
    constexpr std::uint32_t kRgb = 0x00FFFFFF;
    font &= kRgb;
    back &= kRgb;
    const std::size_t count = std::min({text.size(), fill.size(), under.size(), result.size()});
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t t = text[i] & kRgb;
        const std::uint32_t p = t == font ? fill[i] & kRgb : t;
        result[i] = p != back ? p : under[i];
    }
}

}  // namespace lmd
