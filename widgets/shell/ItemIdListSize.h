// The byte size of a shell item identifier list, walked without the Windows API.
#pragma once

#include <cstddef>

// A list is a run of items, each led by a 16-bit little-endian byte count that includes
// the count itself, closed by a zero count. Returns the size of the whole list with its
// closing count (2 for an empty list), or 0 when the first `limit` bytes hold no whole
// list: an item count of 1 (shorter than its own count), or an item or the closing count
// that reaches past the limit.
std::size_t ItemIdListSize(const unsigned char* bytes, std::size_t limit);
