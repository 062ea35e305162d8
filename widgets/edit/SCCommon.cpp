#include "widgets/edit/SCCommon.h"

#include <algorithm>

namespace {

fw::Color AddToChannels(fw::Color rgb, int delta)
{
    auto channel = [delta](int value) { return std::clamp(value + delta, 0, 255); };
    return fw::RgbColor(channel(fw::RedOf(rgb)), channel(fw::GreenOf(rgb)), channel(fw::BlueOf(rgb)));
}

fw::Color Nearest(fw::Color rgb, SCNearestColor nearest)
{
    return nearest ? nearest(rgb) : rgb;
}

}  // namespace

fw::Color SCShiftColor(fw::Color color, int delta, fw::SystemColorLookup lookup)
{
    return AddToChannels(fw::ResolveColor(color, lookup), std::clamp(delta, -255, 255));
}

fw::Color SCLightenColor(fw::Color color, fw::SystemColorLookup lookup, SCNearestColor nearest)
{
    return Nearest(AddToChannels(fw::ResolveColor(color, lookup), 220), nearest);
}

fw::Color SCDarkenColor(fw::Color color, fw::SystemColorLookup lookup, SCNearestColor nearest)
{
    return Nearest(AddToChannels(fw::ResolveColor(color, lookup), -160), nearest);
}
