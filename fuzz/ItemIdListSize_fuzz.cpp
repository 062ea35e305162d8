// The size walk never reads past its limit and, when it finds a list, the list it found
// ends in a zero count and walks to the same size again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "widgets/shell/ItemIdListSize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly `size` bytes, so the sanitizer sees any read beyond the limit.
    std::vector<unsigned char> bytes(data, data + size);
    std::size_t n = ItemIdListSize(bytes.data(), bytes.size());
    if (n == 0)
        return 0;
    if (n < 2 || n > size || bytes[n - 2] != 0 || bytes[n - 1] != 0)
        std::abort();
    if (ItemIdListSize(bytes.data(), n) != n)
        std::abort();
    return 0;
}
