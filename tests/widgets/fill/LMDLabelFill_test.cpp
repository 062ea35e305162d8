// The filled label on a window: defaults, auto-sizing, which changes resize and repaint,
// the filled and plain paints, loading and the font rules.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "../../framework/GuiTestUtil.h"
#include "framework/ColorWin.h"
#include "framework/Cp1251.h"
#include "framework/Form.h"
#include "framework/Gdi.h"
#include "widgets/fill/LMDLabelFill.h"

namespace {

// Counts the label's paints and its Changed calls.
class CountingLabel : public TLMDLabelFill {
public:
    using TLMDLabelFill::TLMDLabelFill;
    void Paint(fw::Canvas& canvas) override
    {
        ++paints;
        TLMDLabelFill::Paint(canvas);
    }
    int paints = 0;
    int changes = 0;

protected:
    void Changed() override
    {
        ++changes;
        TLMDLabelFill::Changed();
    }
};

using Step = std::function<void(CountingLabel&)>;

// A window with one filled label at (10, 10), stored 301 by 20: "Fill" in bold 30-pixel
// Arial whose letters show a solid red fill.
class LabelForm : public fw::Form {
public:
    LabelForm()
    {
        fw::LoadingScope loading(*this);
        SetClientWidth(300);
        SetClientHeight(120);
        SetColor(fw::clBtnFace);
        label = new CountingLabel(this);
        label->SetParent(this);
        label->SetBounds(10, 10, 301, 20);
        label->SetCaption("Fill");
        label->GetFont().SetName("Arial");
        label->GetFont().SetHeight(30);
        label->GetFont().SetStyle(fw::fsBold);
        label->FillObject().SetStyle(sfBrush);
        label->FillObject().Brush().SetColor(fw::clRed);
    }
    CountingLabel* label;
};

// The extent of `text` in bold Arial of `height` pixels, measured here.
SIZE ArialExtent(const std::string& text, int height = 30)
{
    fw::FontHandle font(CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
    fw::MemoryDC dc;
    fw::SelectGuard select(dc.Get(), font.Get());
    const std::wstring wide = fw::Widen(text);
    SIZE size = {};
    GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

class LabelFillTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<LabelForm>();
        form->Show();
        fwtest::Drain();
        Label().paints = Label().changes = 0;
    }
    CountingLabel& Label() { return *form->label; }
    // How many pixels of the label's area show each colour.
    std::map<std::uint32_t, int> Colours()
    {
        fwtest::Snapshot shot(*form);
        std::map<std::uint32_t, int> counts;
        for (int y = Label().Top(); y < Label().Top() + Label().Height(); ++y)
            for (int x = Label().Left(); x < Label().Left() + Label().Width(); ++x)
                ++counts[shot.At(x, y)];
        return counts;
    }

    std::unique_ptr<LabelForm> form;
};

TEST(LabelFill, ConstructionDefaults)
{
    TLMDLabelFill label;
    EXPECT_EQ(label.Width(), 30);
    EXPECT_EQ(label.Height(), 30);
    EXPECT_EQ(label.GetFont().Name(), "Arial");
    EXPECT_EQ(label.GetFont().Height(), 37) << "28 points";
    EXPECT_TRUE(label.ParentFont()) << "the default font is no font of its own";
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.BrushBackColor(), fw::clBtnFace);
    EXPECT_EQ(label.FillObject().Style(), sfNone);
    EXPECT_EQ(label.GetColor(), fw::clWindow);

    fw::Form parent;
    parent.SetColor(fw::clYellow);
    label.SetParent(&parent);
    EXPECT_EQ(label.GetColor(), fw::clYellow) << "the parent's colour";
    label.SetParent(nullptr);
}

TEST_F(LabelFillTest, SizesItselfToItsCaption)
{
    const SIZE fill = ArialExtent("Fill"), space = ArialExtent(" ");
    const struct {
        const char* name;
        Step step;
        int width, height;
    } cases[] = {
        {"one line, though it started narrower", [](CountingLabel& l) { l.SetCaption("Fill the letters"); },
         ArialExtent("Fill the letters").cx + 2, fill.cy + 2},
        {"an empty caption measures a space", [](CountingLabel& l) { l.SetCaption(""); }, space.cx + 2, space.cy + 2},
        {"a lone ampersand too", [](CountingLabel& l) { l.SetCaption("&"); }, space.cx + 2, space.cy + 2},
        {"shown ampersands do",
         [](CountingLabel& l) { l.SetCaption("&Fill"); l.SetShowAccelChar(false); }, ArialExtent("&Fill").cx + 2,
         fill.cy + 2},
        {"a frame of 3 adds 3 on each side", [](CountingLabel& l) { l.Bevel().SetBorderWidth(3); }, fill.cx + 8,
         fill.cy + 8},
        {"without auto-size the size stays",
         [](CountingLabel& l) { l.SetAutoSize(false); l.SetCaption("Fill the letters"); }, fill.cx + 2, fill.cy + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.step(Label());
        EXPECT_EQ(Label().Left(), 10);
        EXPECT_EQ(Label().Top(), 10);
        EXPECT_EQ(Label().Width(), c.width);
        EXPECT_EQ(Label().Height(), c.height);
    }
}

// Several lines break at the width inside the frame, and a change does not add the frame
// to the width once more.
TEST_F(LabelFillTest, SeveralLinesInAFrameKeepTheirWidthThroughChanges)
{
    Label().SetAutoSize(false);
    Label().SetCaption("a a a a a a a a");
    Label().SetBounds(10, 10, 100, 20);
    Label().SetMultiLine(true);
    Label().Bevel().SetBorderWidth(20);
    Label().SetAutoSize(true);
    const int width = Label().Width();
    EXPECT_LE(width, 100);
    EXPECT_EQ(Label().Height(), 4 * ArialExtent("a").cy + 42) << "two words a line in the 58 pixels inside";
    for (fw::Color back : {fw::clWindow, fw::clBtnFace, fw::clWindow}) {
        Label().SetBrushBackColor(back);
        EXPECT_EQ(Label().Width(), width);
    }
}

// Each step runs on a freshly shown label: how often it changed (resize and repaint asked
// for) and how often it painted, at once and after the queue is drained.
TEST_F(LabelFillTest, ChangesResizeAndRepaintOnce)
{
    const struct {
        const char* name;
        Step step;
        int changes, paintsAtOnce, paints;
    } cases[] = {
        {"new end colour", [](CountingLabel& l) { l.FillObject().Gradient().SetEndColor(fw::clWhite); }, 1, 0, 1},
        {"unchanged end colour", [](CountingLabel& l) { l.FillObject().Gradient().SetEndColor(fw::clBlack); }, 0, 0, 0},
        {"fill update ended without notice",
         [](CountingLabel& l) {
             l.FillObject().BeginUpdate();
             l.FillObject().Brush().SetColor(fw::clBlue); l.FillObject().Gradient().SetStyle(gstElliptic);
             l.FillObject().EndUpdate(false);
         },
         0, 0, 0},
        {"another fill assigned",
         [](CountingLabel& l) {
             TLMDFillObject other(fw::PlatformSystemColor);
             other.SetStyle(sfGradient); other.Gradient().SetStyle(gstElliptic);
             l.SetFillObject(other);
         },
         1, 0, 1},
        {"the same bevel assigned: one change all the same", [](CountingLabel& l) { l.SetBevel(TLMDBevel()); }, 1, 0,
         1},
        {"the label's own update",
         [](CountingLabel& l) {
             l.BeginUpdate();
             l.SetCaption("Filled"); l.SetBrushBackColor(fw::clWindow);
             l.EndUpdate();
         },
         2, 0, 1},
        {"opaque: painted at once", [](CountingLabel& l) { l.SetTransparent(false); }, 0, 1, 1},
        {"caption effects", [](CountingLabel& l) { l.FontFX().SetTracing(2); }, 1, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.step(Label());
        EXPECT_EQ(Label().changes, c.changes);
        EXPECT_EQ(Label().paints, c.paintsAtOnce);
        fwtest::Drain();
        EXPECT_EQ(Label().paints, c.paints);
    }
}

// Which colours the label's area shows: the red fill, the text colour, grey; and its corner.
TEST_F(LabelFillTest, FilledAndPlainPaints)
{
    const std::uint32_t ink = GetSysColor(COLOR_WINDOWTEXT), grey = GetSysColor(COLOR_GRAYTEXT);
    const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
    const struct {
        const char* name;
        Step step;
        bool red, inked, grey;
        std::uint32_t corner;
    } cases[] = {
        {"filled", [](CountingLabel&) {}, true, false, false, face},
        {"no fill: plain", [](CountingLabel& l) { l.FillObject().SetStyle(sfNone); }, false, true, false, face},
        {"disabled: grey", [](CountingLabel& l) { l.SetEnabled(false); }, false, false, true, face},
        {"back colour equal to the text colour: all of it filled",
         [](CountingLabel& l) { l.SetBrushBackColor(fw::clWindowText); }, true, false, false, fw::clRed},
        {"opaque: its own colour around the letters",
         [](CountingLabel& l) { l.SetTransparent(false); l.SetColor(fw::clYellow); }, true, false, false, fw::clYellow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.step(Label());
        fwtest::Drain();
        std::map<std::uint32_t, int> colours = Colours();
        EXPECT_EQ(colours[fw::clRed] > 20, c.red);
        EXPECT_EQ(colours[ink] > 20, c.inked);
        EXPECT_EQ(colours[grey] > 20, c.grey);
        if (c.red) {
            EXPECT_EQ(colours[ink], 0) << "every pixel of the text colour shows the fill";
        }
        EXPECT_EQ(fwtest::Snapshot(*form).At(Label().Left(), Label().Top()), c.corner);
    }
}

// A gradient's image is kept from one paint to the next: a new gradient or a new size
// shows at the next paint all the same.
TEST_F(LabelFillTest, KeptGradientGivesWayToANewFillOrSize)
{
    const std::uint32_t ink = GetSysColor(COLOR_WINDOWTEXT);
    const struct {
        const char* name;
        Step step;
        fw::Color shown, gone;
    } cases[] = {
        {"new gradient colours",
         [](CountingLabel& l) {
             l.FillObject().Gradient().SetColor(fw::clLime);
             l.FillObject().Gradient().SetEndColor(fw::clLime);
         },
         fw::clLime, fw::clRed},
        {"longer caption, wider label", [](CountingLabel& l) { l.SetCaption("Filled letters"); }, fw::clRed, ink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Label().FillObject().SetStyle(sfGradient);
        Label().FillObject().Gradient().SetColor(fw::clRed);
        Label().FillObject().Gradient().SetEndColor(fw::clRed);
        fwtest::Drain();
        c.step(Label());
        fwtest::Drain();
        std::map<std::uint32_t, int> colours = Colours();
        EXPECT_GT(colours[c.shown], 20);
        EXPECT_EQ(colours[c.gone], 0);
        EXPECT_EQ(colours[ink], 0) << "every pixel of the text colour shows the fill";
    }
}

TEST_F(LabelFillTest, LoadingAndFontRules)
{
    // While loading nothing reacts; when loading ends the caption decides the size.
    Label().BeginLoading();
    Label().SetCaption("Filled");
    Label().GetFont().SetHeight(20);
    EXPECT_EQ(Label().Width(), ArialExtent("Fill").cx + 2);
    fwtest::Drain();
    EXPECT_EQ(Label().paints, 0);
    Label().EndLoading();
    EXPECT_EQ(Label().Width(), ArialExtent("Filled", 20).cx + 2);
    EXPECT_EQ(Label().Height(), ArialExtent("Filled", 20).cy + 2);

    // A font of its own, and one taken from the parent, both make the font the label's own.
    Label().GetFont().SetHeight(30);
    EXPECT_FALSE(Label().ParentFont());
    EXPECT_EQ(Label().Height(), ArialExtent("Filled").cy + 2);
    Label().SetParentFont(true);
    EXPECT_EQ(Label().GetFont().Name(), form->GetFont().Name());
    EXPECT_FALSE(Label().ParentFont()) << "the parent's font, once taken, is the label's own";
    form->GetFont().SetHeight(20);
    EXPECT_NE(Label().GetFont().Height(), 20);
}

// Alt and the caption's accelerator focus the label's FocusControl.
TEST_F(LabelFillTest, AcceleratorFocusesItsFocusControl)
{
    const struct {
        const char* name;
        Step step;
        bool focused;
    } cases[] = {
        {"Alt+F", [](CountingLabel&) {}, true},
        {"accelerators off", [](CountingLabel& l) { l.SetShowAccelChar(false); }, false},
        {"disabled", [](CountingLabel& l) { l.SetEnabled(false); }, false},
        {"the focus control freed", [](CountingLabel& l) { delete l.FocusControl(); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        auto* target = new fw::WinControl(form.get());
        target->SetParent(form.get());
        target->SetBounds(10, 80, 50, 20);
        Label().SetCaption("&Fill");
        Label().SetFocusControl(target);
        c.step(Label());
        SetFocus(form->Handle());
        SendMessageW(form->Handle(), WM_SYSCHAR, L'f', 0);
        EXPECT_EQ(Label().FocusControl() && GetFocus() == target->Handle(), c.focused);
    }
}

}  // namespace
