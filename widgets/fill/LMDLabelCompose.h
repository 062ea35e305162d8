// Putting the letters of a filled label onto what lies under them, in memory.
#pragma once

#include <cstdint>
#include <span>

namespace lmd {

// Four images of one size, pixels 0x00RRGGBB (the high byte is ignored): the caption drawn
// in `font` on `back`, the fill, what lies under the label, and the result, which may be any
// of the other three. Where the text pixel is exactly the font colour the fill pixel shows;
// elsewhere (the background and the edge pixels the platform blended) the text pixel does.
// A pixel that would show `back` shows what lies under it. Only the common length is used.
void ComposeFilledText(std::span<const std::uint32_t> text, std::span<const std::uint32_t> fill,
                       std::span<const std::uint32_t> under, std::span<std::uint32_t> result, std::uint32_t font,
                       std::uint32_t back);

}  // namespace lmd
