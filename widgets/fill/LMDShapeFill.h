// Base of the fill objects: which fill paints, the gradient and the pictures it may use.
#pragma once

#include <string>

#include "framework/Bitmap.h"
#include "widgets/fill/LMDGradient.h"
#include "widgets/fill/LMDObject.h"

enum TLMDFillStyle { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };
enum TLMDTileMode { tmNone, tmCenter, tmStretch, tmTile };

class TLMDShapeFill : public TLMDObject {
public:
    explicit TLMDShapeFill(fw::SystemColorLookup systemColors);
    ~TLMDShapeFill() override;

    std::string ClassName() const override { return "TLMDShapeFill"; }

    TLMDFillStyle Style() const { return style_; }
    void SetStyle(TLMDFillStyle value) { SetProperty(style_, value); }
    TLMDTileMode TileMode() const { return tileMode_; }
    void SetTileMode(TLMDTileMode value) { SetProperty(tileMode_, value); }

    // The owned gradient; its changes are this object's changes. Setting copies the values.
    TLMDGradient& Gradient() { return gradient_; }
    const TLMDGradient& Gradient() const { return gradient_; }
    void SetGradient(const TLMDGradient& value) { gradient_.Assign(value); }

    // The picture of sfBrushBitmap and sfBitmap. Setting copies it.
    const fw::Bitmap& Bitmap() const { return bitmap_; }
    void SetBitmap(const fw::Bitmap& value);
    // The picture of sfBitmapList, taken from an image list by the owner.
    const fw::Bitmap& ListBitmap() const { return listBitmap_; }
    void SetListBitmap(const fw::Bitmap& value);

    // True when this fill paints nothing: sfNone, or a picture style without its picture.
    bool IsEmpty() const;

protected:
    // Sets the style without telling anyone (construction of the descendants).
    void InitStyle(TLMDFillStyle value) { style_ = value; }

private:
    TLMDGradient gradient_;
    fw::Bitmap bitmap_;
    fw::Bitmap listBitmap_;
    TLMDFillStyle style_ = sfBrush;
    TLMDTileMode tileMode_ = tmTile;
};
