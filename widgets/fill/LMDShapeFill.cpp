#include "widgets/fill/LMDShapeFill.h"

TLMDShapeFill::TLMDShapeFill(fw::SystemColorLookup systemColors) : gradient_(systemColors)
{
    gradient_.SetOnChange([this](TLMDObject*) { Change(); });
}

TLMDShapeFill::~TLMDShapeFill() { gradient_.SetOnChange(nullptr); }

namespace {

bool SamePicture(const fw::Bitmap& a, const fw::Bitmap& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

}  // namespace

void TLMDShapeFill::SetBitmap(const fw::Bitmap& value)
{
    if (SamePicture(bitmap_, value))
        return;
    bitmap_ = value;
    Change();
}

void TLMDShapeFill::SetListBitmap(const fw::Bitmap& value)
{
    if (SamePicture(listBitmap_, value))
        return;
    listBitmap_ = value;
    Change();
}

bool TLMDShapeFill::IsEmpty() const
{
    switch (style_) {
    case sfNone:
        return true;
    case sfBitmap:
        return bitmap_.Empty();
    case sfBitmapList:
        return listBitmap_.Empty();
    default:
        return false;
    }
}
