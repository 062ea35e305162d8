// The size walk over a shell item identifier list's bytes.
#include "widgets/shell/ItemIdListSize.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ItemIdListSize, WholeListsAndRefusedBytes)
{
    struct Case {
        const char* label;
        std::vector<unsigned char> bytes;
        std::size_t size;
    };
    const Case cases[] = {
        {"empty list", {0, 0}, 2},
        {"one item", {4, 0, 'a', 'b', 0, 0}, 6},
        {"two items", {3, 0, 'a', 5, 0, 'b', 'c', 'd', 0, 0}, 10},
        {"high count byte", [] {
             std::vector<unsigned char> b(258 + 2, 'x');
             b[0] = 2, b[1] = 1, b[258] = 0, b[259] = 0;
             return b;
         }(), 260},
        {"bytes after the end are not counted", {2, 0, 0, 0, 9, 9}, 4},
        {"count of 1 is shorter than itself", {1, 0, 0, 0}, 0},
        {"item past the limit", {8, 0, 'a', 'b', 0, 0}, 0},
        {"closing count cut off", {4, 0, 'a', 'b', 0}, 0},
        {"no room for a count", {0}, 0},
        {"nothing", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ItemIdListSize(c.bytes.data(), c.bytes.size()), c.size);
    }
}

}  // namespace
