// The settings objects a filled label owns: defaults, change notification, copying.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "widgets/fill/LMDBevel.h"
#include "widgets/fill/LMDFillObject.h"
#include "widgets/fill/LMDFxCaption.h"
#include "widgets/fill/LMDGradient.h"

namespace {

// A system colour table in which index n has the value n in every channel.
std::uint32_t FakeSystemColor(int index) { return static_cast<std::uint32_t>(index * 0x010101); }

// Counts the change events of one object and checks who sent them.
struct ChangeCounter {
    explicit ChangeCounter(TLMDObject& object) : object_(object)
    {
        object.SetOnChange([this](TLMDObject* sender) {
            EXPECT_EQ(sender, &object_);
            ++count;
        });
    }
    TLMDObject& object_;
    int count = 0;
};

TEST(SubObjects, ConstructionDefaults)
{
    TLMDGradient gradient(FakeSystemColor);
    EXPECT_EQ(gradient.Color(), 0xFF0000u);
    EXPECT_EQ(gradient.EndColor(), 0u);
    EXPECT_EQ(gradient.Style(), gstVertical);
    EXPECT_EQ(gradient.ColorCount(), 16);
    EXPECT_TRUE(gradient.TwoColors());
    EXPECT_FALSE(gradient.PaletteRealize());
    EXPECT_TRUE(gradient.ColorList().empty());
    EXPECT_FALSE(gradient.StoreColorList());
    // The bands are ready from the start: blue down to black.
    ASSERT_EQ(gradient.BandColors().size(), 16u);
    EXPECT_EQ(gradient.BandColors().front(), fw::clBlue);
    EXPECT_EQ(gradient.BandColors().back(), fw::clBlack);

    TLMDFillObject fill(FakeSystemColor);
    EXPECT_EQ(fill.Style(), sfNone);
    EXPECT_TRUE(fill.IsEmpty());
    EXPECT_EQ(fill.Options(), unsigned{foFillInner | foGrUseBitmap});
    EXPECT_EQ(fill.TileMode(), tmTile);
    EXPECT_EQ(fill.Alignment(), agTopLeft);
    EXPECT_EQ(fill.OffsetX() + fill.OffsetY(), 0);
    EXPECT_EQ(fill.Brush().GetColor(), fw::clWhite);
    EXPECT_EQ(fill.Brush().Style(), fw::bsSolid);
    EXPECT_TRUE(fill.Bitmap().Empty());
    EXPECT_TRUE(fill.ListBitmap().Empty());
    EXPECT_EQ(fill.Gradient().Style(), gstVertical);

    TLMDBevel bevel;
    EXPECT_EQ(bevel.Mode(), bmCustom);
    EXPECT_EQ(bevel.StyleInner(), bvNone);
    EXPECT_EQ(bevel.StyleOuter(), bvNone);
    EXPECT_EQ(bevel.WidthInner(), 1);
    EXPECT_EQ(bevel.WidthOuter(), 1);
    EXPECT_EQ(bevel.BorderWidth() + bevel.BorderInnerWidth(), 0);
    EXPECT_EQ(bevel.BorderColor(), fw::clBtnFace);
    EXPECT_EQ(bevel.LightColor(), fw::clBtnHighlight);
    EXPECT_EQ(bevel.ShadowColor(), fw::clBtnShadow);
    EXPECT_EQ(bevel.BorderSides(), unsigned{bsLeft | bsTop | bsRight | bsBottom});
    EXPECT_EQ(bevel.EdgeStyle(), etEtched);
    EXPECT_EQ(bevel.StandardStyle(), lsSingleLowered);
    EXPECT_EQ(bevel.Extent(), 0);

    TLMDFxCaption fx;
    EXPECT_EQ(fx.Style(), tdNone);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(fx.PosX(), 0);
    EXPECT_EQ(fx.PosY(), 0);
    EXPECT_EQ(fx.Tracing(), 0);
    EXPECT_EQ(fx.DisabledStyle(), dsAuto);
    EXPECT_EQ(fx.LightDepth(), 1);
    EXPECT_EQ(fx.ShadowDepth(), 1);
    EXPECT_EQ(fx.LightColor(), fw::clBtnHighlight);
    EXPECT_EQ(fx.ShadowColor(), fw::clBtnShadow);
    EXPECT_EQ(fx.Orientation(), toTopLeft);
}

TEST(SubObjects, AboutTitleBands)
{
    TLMDGradient gradient(FakeSystemColor);
    gradient.SetColor(4227072);
    gradient.SetStyle(gstElliptic);
    // Green 128 - MulDiv(i, 128, 15), blue 64 - MulDiv(i, 64, 15), red 0.
    const int greenBlue[16][2] = {{128, 64}, {119, 60}, {111, 55}, {102, 51}, {94, 47}, {85, 43}, {77, 38}, {68, 34},
                                  {60, 30},  {51, 26},  {43, 21},  {34, 17},  {26, 13}, {17, 9},  {9, 4},   {0, 0}};
    ASSERT_EQ(gradient.BandColors().size(), 16u);
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(testing::Message() << "band " << i);
        EXPECT_EQ(gradient.BandColors()[i], fw::RgbColor(0, greenBlue[i][0], greenBlue[i][1]));
    }
}

TEST(SubObjects, GradientResolvesSystemColoursAndKeepsItsStops)
{
    TLMDGradient gradient(FakeSystemColor);
    gradient.SetColor(fw::clBtnFace);  // 15 in every channel in the fake table
    gradient.SetColorCount(2);
    EXPECT_EQ(gradient.BandColors(), (std::vector<fw::Color>{0x0F0F0F, 0}));

    ChangeCounter changes(gradient);
    gradient.ReadColorList({static_cast<std::int32_t>(fw::clWindowText), 0x0000FF, 0xFF0000});
    EXPECT_EQ(changes.count, 1);
    EXPECT_TRUE(gradient.StoreColorList());
    EXPECT_EQ(gradient.WriteColorList(), (std::vector<std::int32_t>{-16777208, 255, 16711680}));
    gradient.SetTwoColors(false);
    gradient.SetColorCount(6);  // two bands per step
    EXPECT_EQ(gradient.BandColors(), (std::vector<fw::Color>{0x080808, 0x0000FF, 0xFF0000}));
}

// Each step runs against a fresh object, counting the change events it fires.
TEST(SubObjects, ChangeNotification)
{
    const struct {
        const char* name;
        std::function<void(TLMDGradient&)> step;
        int changes;
    } gradientSteps[] = {
        {"unchanged colour", [](TLMDGradient& g) { g.SetColor(fw::clBlue); }, 0},
        {"new end colour", [](TLMDGradient& g) { g.SetEndColor(fw::clWhite); }, 1},
        {"unchanged stops", [](TLMDGradient& g) { g.SetColorList({}); }, 0},
        {"update ended without notice",
         [](TLMDGradient& g) {
             g.BeginUpdate();
             g.SetStyle(gstElliptic);
             g.SetColorCount(4);
             g.EndUpdate(false);
         },
         0},
        {"update ended with notice",
         [](TLMDGradient& g) {
             g.BeginUpdate();
             g.SetStyle(gstElliptic);
             g.SetColorCount(4);
             g.EndUpdate(true);
         },
         1},
        {"assigning other values",
         [](TLMDGradient& g) {
             TLMDGradient other(FakeSystemColor);
             other.SetColor(fw::clRed);
             other.SetEndColor(fw::clLime);
             other.SetStyle(gstSquare);
             other.SetColorList({1, 2});
             g.Assign(other);
         },
         1},
        {"assigning equal values", [](TLMDGradient& g) { g.Assign(TLMDGradient(FakeSystemColor)); }, 1},
    };
    for (const auto& c : gradientSteps) {
        SCOPED_TRACE(c.name);
        TLMDGradient gradient(FakeSystemColor);
        ChangeCounter changes(gradient);
        c.step(gradient);
        EXPECT_EQ(changes.count, c.changes);
    }

    const struct {
        const char* name;
        std::function<void(TLMDFillObject&)> step;
        int changes;
    } fillSteps[] = {
        {"unchanged style", [](TLMDFillObject& f) { f.SetStyle(sfNone); }, 0},
        {"new style", [](TLMDFillObject& f) { f.SetStyle(sfGradient); }, 1},
        {"gradient end colour", [](TLMDFillObject& f) { f.Gradient().SetEndColor(fw::clWhite); }, 1},
        {"brush colour", [](TLMDFillObject& f) { f.Brush().SetColor(fw::clRed); }, 1},
        {"the same empty bitmap", [](TLMDFillObject& f) { f.SetBitmap(fw::Bitmap()); }, 0},
        {"a bitmap", [](TLMDFillObject& f) { f.SetBitmap(fw::Bitmap(2, 2, 0xFF)); }, 1},
        {"assigning a fill with another gradient and brush",
         [](TLMDFillObject& f) {
             TLMDFillObject other(FakeSystemColor);
             other.SetStyle(sfGradient);
             other.Gradient().SetColor(4227072);
             other.Gradient().SetStyle(gstElliptic);
             other.Brush().SetStyle(fw::bsCross);
             other.SetAlignment(agCenter);
             f.Assign(other);
             EXPECT_EQ(f.Gradient().BandColors(), other.Gradient().BandColors());
             EXPECT_EQ(f.Brush().Style(), fw::bsCross);
             EXPECT_EQ(f.Alignment(), agCenter);
         },
         1},
        {"setting the gradient", [](TLMDFillObject& f) { f.SetGradient(TLMDGradient(FakeSystemColor)); }, 1},
    };
    for (const auto& c : fillSteps) {
        SCOPED_TRACE(c.name);
        TLMDFillObject fill(FakeSystemColor);
        ChangeCounter changes(fill);
        c.step(fill);
        EXPECT_EQ(changes.count, c.changes);
    }

    TLMDBevel bevel;
    TLMDFxCaption fx;
    ChangeCounter bevelChanges(bevel), fxChanges(fx);
    bevel.SetWidthOuter(1);
    fx.SetAngle(0);
    EXPECT_EQ(bevelChanges.count + fxChanges.count, 0) << "unchanged writes";
    bevel.SetBorderWidth(3);
    fx.SetPosX(5);
    EXPECT_EQ(bevelChanges.count + fxChanges.count, 2) << "one change each";
    TLMDBevel otherBevel;
    TLMDFxCaption otherFx;
    otherFx.SetStyle(tdShadow);
    otherFx.SetAngle(90);
    bevel.Assign(otherBevel);
    fx.Assign(otherFx);
    EXPECT_EQ(bevelChanges.count + fxChanges.count, 4) << "one change per Assign";
    EXPECT_EQ(bevel.BorderWidth(), 0);
    EXPECT_EQ(fx.Angle(), 90);
    EXPECT_EQ(fx.Style(), tdShadow);
}

TEST(SubObjects, AssigningAnotherKindOfObjectIsRefused)
{
    TLMDGradient gradient(FakeSystemColor);
    TLMDBevel bevel;
    TLMDFillObject fill(FakeSystemColor);
    const struct {
        const char* name;
        std::function<void()> assign;
        const char* message;
    } cases[] = {
        {"bevel to gradient", [&] { gradient.Assign(bevel); }, "Cannot assign a TLMDBevel to a TLMDGradient"},
        {"gradient to fill", [&] { fill.Assign(gradient); }, "Cannot assign a TLMDGradient to a TLMDFillObject"},
        {"fill to bevel", [&] { bevel.Assign(fill); }, "Cannot assign a TLMDFillObject to a TLMDBevel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.assign();
            ADD_FAILURE() << "no error";
        } catch (const fw::EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(SubObjects, EmptyFills)
{
    const struct {
        const char* name;
        TLMDFillStyle style;
        bool withPictures;
        bool empty;
    } cases[] = {
        {"none", sfNone, true, true},           {"bitmap without one", sfBitmap, false, true},
        {"bitmap", sfBitmap, true, false},      {"list bitmap without one", sfBitmapList, false, true},
        {"list bitmap", sfBitmapList, true, false}, {"brush", sfBrush, false, false},
        {"gradient", sfGradient, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TLMDFillObject fill(FakeSystemColor);
        fill.SetStyle(c.style);
        if (c.withPictures) {
            fill.SetBitmap(fw::Bitmap(1, 1));
            fill.SetListBitmap(fw::Bitmap(1, 1));
        }
        EXPECT_EQ(fill.IsEmpty(), c.empty);
    }
}

TEST(SubObjects, BevelExtentInTheCustomMode)
{
    const struct {
        const char* name;
        TLMDBevelStyle outer, inner;
        int widthOuter, widthInner, border, borderInner;
        int extent;
    } cases[] = {
        {"no styles: the borders only", bvNone, bvNone, 5, 5, 2, 3, 5},
        {"lowered outer", bvLowered, bvNone, 2, 5, 0, 0, 2},
        {"raised both", bvRaised, bvRaised, 2, 3, 1, 1, 7},
        {"frames take one more pixel each", bvFrameLowered, bvFrameRaised, 1, 1, 0, 0, 4},
        {"inner shadow alone counts", bvRaised, bvShadow, 4, 3, 9, 2, 5},
        {"widths beyond 50 are kept to 50", bvLowered, bvNone, 80, 1, 0, 0, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TLMDBevel bevel;
        bevel.SetStyleOuter(c.outer);
        bevel.SetStyleInner(c.inner);
        bevel.SetWidthOuter(c.widthOuter);
        bevel.SetWidthInner(c.widthInner);
        bevel.SetBorderWidth(static_cast<std::uint8_t>(c.border));
        bevel.SetBorderInnerWidth(static_cast<std::uint8_t>(c.borderInner));
        EXPECT_EQ(bevel.Extent(), c.extent);
    }
}

}  // namespace
