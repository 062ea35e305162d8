// Putting the letters of a filled label onto what lies under them, in memory.
#pragma once

#include <cstdint>
#include <span>

namespace lmd {

// Three images of one size, pixels 0x00RRGGBB (the high byte is ignored): the caption drawn
// in `font` on `back`, the fill, and what lies under the label, which receives the result.
// Where the text pixel is exactly the font colour the fill pixel shows; elsewhere (the
// background and the edge pixels the platform blended) the text pixel does. A result equal
// to `back` leaves the pixel under it as it was. Only the common length of the three is used.
void ComposeFilledText(std::span<const std::uint32_t> text, std::span<const std::uint32_t> fill,
                       std::span<std::uint32_t> under, std::uint32_t font, std::uint32_t back);

}  // namespace lmd
