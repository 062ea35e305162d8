#include "framework/Gdi.h"

#include "framework/Exceptions.h"

namespace fw {

DibSection::DibSection(int width, int height) : width_(width < 1 ? 1 : width), height_(height < 1 ? 1 : height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !dc_.Get())
        throw Exception("Out of system resources");
    bits_ = static_cast<std::uint32_t*>(bits);
    oldBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
}

DibSection::~DibSection()
{
    // The bitmap must leave the DC before either is deleted.
    if (oldBitmap_)
        SelectObject(dc_.Get(), oldBitmap_);
}

}  // namespace fw
