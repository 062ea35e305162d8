#include "widgets/fill/LMDFillObject.h"

TLMDFillObject::TLMDFillObject(fw::SystemColorLookup systemColors) : TLMDShapeFill(systemColors)
{
    // The base's brush style becomes sfNone without a change: nobody listens yet anyway.
    InitStyle(sfNone);
    brush_.OnChange = [this] { Change(); };
}

TLMDFillObject::~TLMDFillObject() { brush_.OnChange = nullptr; }

void TLMDFillObject::Assign(const TLMDObject& source)
{
    AssignAs<TLMDFillObject>(source, [this](const TLMDFillObject& other) {
        SetBrush(other.Brush());
        SetOptions(other.Options());
        SetBitmap(other.Bitmap());
        SetListBitmap(other.ListBitmap());
        SetGradient(other.Gradient());
        SetStyle(other.Style());
        SetTileMode(other.TileMode());
        // The placement too, so that a copied picture fill lands where the original does.
        SetAlignment(other.Alignment());
        SetOffsetX(other.OffsetX());
        SetOffsetY(other.OffsetY());
    });
}
