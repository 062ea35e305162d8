// Multiply-then-divide cases with the platform's results, shared by the native test and the
// check against the platform's own call on the target.
#pragma once

#include <climits>

struct MulDivCase {
    const char* name;
    int a, b, c;
    int expected;
};

inline constexpr MulDivCase kMulDivCases[] = {
    {"half rounds up", 1, 8, 16, 1},
    {"negative half rounds down", -1, 8, 16, -1},
    {"one half", 1, 1, 2, 1},
    {"minus one half", -1, 1, 2, -1},
    {"negative multiplier", 1, -1, 2, -1},
    {"negative divisor", 1, 1, -2, -1},
    {"two negatives", -1, -1, 2, 1},
    {"seven and a half", 5, 3, 2, 8},
    {"minus seven and a half", 3, 5, -2, -8},
    {"a third rounds down", 1, 1, 3, 0},
    {"two thirds round up", 2, 1, 3, 1},
    {"zero divisor", 7, 3, 0, -1},
    {"zero over zero", 0, 5, 0, -1},
    {"zero product", 0, -5, 3, 0},
    {"first elliptic band width", 1, 301, 16, 19},
    {"first elliptic band height", 1, 20, 16, 1},
    {"second elliptic band height", 2, 20, 16, 3},
    {"green step", 1, -128, 15, -9},
    {"wide product", INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    {"wide product halved", INT_MAX, 1000, 2000, 1073741824},
    {"overflow", INT_MAX, 2, 1, -1},
    {"negative overflow", INT_MIN, 2, 1, -1},
};
