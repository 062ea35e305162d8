// The arithmetic of the gradient's band colours, free of the platform so that it is
// tested natively as well as on the target.
#pragma once

#include <vector>

#include "framework/Color.h"

namespace lmd {

// The platform's multiply-then-divide: a * b / c with a 64-bit product, rounded to the
// nearest integer with halves away from zero; -1 for a zero divisor or a result beyond
// 32 bits. Band colours and band edges must come out exactly as the platform's call gives
// them, so this one is checked against it on the target.
int MulDiv(int a, int b, int c);

// x rounded to the nearest integer, halves to the even neighbour.
int NearestEven(double x);

// Appends the colours of n bands stepping from `from` to `to` (plain colours): band i has
// each channel from + MulDiv(i, to - from, n - 1), kept to 8 bits, so the first band is
// `from` and the last is `to`. With `skipFirst` band 0 is left out (it equals the last
// band of the step before).
void StepColors(fw::Color from, fw::Color to, int n, bool skipFirst, std::vector<fw::Color>& bands);

// The band colours of a gradient, band 0 first, from plain colours. Two-colour mode: `count`
// bands from `color` to `endColor`. Multi-colour mode: count div k bands from each of the k
// stops to the next, each step after the first without its first band; fewer than two stops
// give no band.
std::vector<fw::Color> BandColors(bool twoColors, fw::Color color, fw::Color endColor, int count,
                                  const std::vector<fw::Color>& stops);

}  // namespace lmd
