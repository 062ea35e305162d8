// Placement of a picture or a text inside a rectangle, shared by the fill and the labels.
#pragma once

enum TLMDAlignment {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight,
};
