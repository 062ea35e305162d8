#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BoxWatcher.h"
#include "GuiTestUtil.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/ProgramIcons.h"

namespace {

// A focusable self-painted control that records what reaches it.
class Probe : public fw::WinControl {
public:
    explicit Probe(fw::Component* owner, std::vector<std::string>* log = nullptr) : WinControl(owner), log_(log) {}
    int loadedCalls = 0;
    bool hadHandleWhenLoaded = false;
    bool ownerLoadingWhenLoaded = false;
    std::function<void()> onMouseDown;

protected:
    void Loaded() override
    {
        ++loadedCalls;
        ownerLoadingWhenLoaded = Owner() && Owner()->IsLoading();
        if (log_)
            log_->push_back("loaded " + Name());
        WinControl::Loaded();
        hadHandleWhenLoaded = HandleAllocated();
    }
    void MouseDown(fw::MouseButton, fw::ShiftState, int, int) override
    {
        if (onMouseDown)
            onMouseDown();
    }
    void Paint(fw::Canvas& canvas) override { canvas.FillRect(ClientRect(), GetColor()); }

private:
    std::vector<std::string>* log_;
};

class LayoutForm : public fw::Form {
public:
    explicit LayoutForm(std::vector<std::string>* log) : Form(nullptr)
    {
        fw::LoadingScope loading(*this);
        SetName("LayoutForm");
        SetCaption("Layout");
        SetBorderStyle(fw::bsSingle);
        SetBorderIcons(fw::biSystemMenu | fw::biMinimize);
        SetPosition(fw::poScreenCenter);
        SetClientWidth(392);
        SetClientHeight(426);
        for (int i = 0; i < 4; ++i) {
            auto* p = new Probe(this, log);
            p->SetName("Probe" + std::to_string(i + 1));
            p->SetParent(this);
            p->SetBounds(10, 10 + 30 * i, 100, 25);
            handlesDuringLoading.push_back(p->HandleAllocated());
            probes.push_back(p);
        }
        handlesDuringLoading.push_back(HandleAllocated());
        OnCreate = [this, log] {
            ++createCalls;
            log->push_back("create");
            allHandlesAtCreate = HandleAllocated();
            for (Probe* p : probes)
                allHandlesAtCreate = allHandlesAtCreate && p->HandleAllocated();
        };
    }
    void Loaded() override
    {
        log_loaded = true;
        Form::Loaded();
    }
    std::vector<Probe*> probes;
    std::vector<bool> handlesDuringLoading;
    int createCalls = 0;
    bool allHandlesAtCreate = false;
    bool log_loaded = false;
};

TEST(Form, LoadingDefersWindowsAndRunsLoadedOncePerComponentThenOnCreate)
{
    std::vector<std::string> log;
    auto form = std::make_unique<LayoutForm>(&log);
    for (size_t i = 0; i < form->handlesDuringLoading.size(); ++i) {
        SCOPED_TRACE("component " + std::to_string(i));
        EXPECT_FALSE(form->handlesDuringLoading[i]);
    }
    for (Probe* p : form->probes) {
        SCOPED_TRACE(p->Name());
        EXPECT_EQ(p->loadedCalls, 1);
        EXPECT_FALSE(p->ownerLoadingWhenLoaded);
    }
    EXPECT_EQ(form->createCalls, 1);
    EXPECT_TRUE(form->allHandlesAtCreate);
    std::vector<std::string> expected = {"loaded Probe1", "loaded Probe2", "loaded Probe3", "loaded Probe4", "create"};
    EXPECT_EQ(log, expected);
    // Making it again through the application runs nothing twice.
    form->AfterConstruction();
    EXPECT_EQ(form->createCalls, 1);
}

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// A form without a creation handler makes its window when first needed: here for a child
// asked for its own first, which is then made once, not again with the form's children.
TEST(Form, WithoutOnCreateMakesItsWindowWhenFirstNeeded)
{
    fw::Form form;
    std::vector<Probe*> probes;
    {
        fw::LoadingScope loading(form);
        for (int i = 0; i < 2; ++i) {
            probes.push_back(new Probe(&form));
            probes.back()->SetParent(&form);
            probes.back()->SetBounds(10, 10 + 30 * i, 100, 25);
        }
    }
    EXPECT_FALSE(form.HandleAllocated());
    const HWND second = probes[1]->Handle();
    ASSERT_TRUE(form.HandleAllocated());
    EXPECT_EQ(GetParent(second), form.Handle());
    int windows = 0;
    EnumChildWindows(form.Handle(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, 2) << "one window per control";
}

TEST(Form, ClientSizeFixedBorderAndScreenCentre)
{
    std::vector<std::string> log;
    LayoutForm form(&log);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 392);
    EXPECT_EQ(client.bottom, 426);
    EXPECT_EQ(form.ClientWidth(), 392);
    EXPECT_EQ(form.ClientHeight(), 426);
    const LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "bsSingle is not resizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(IsWindowVisible(form.Handle())) << "a form shows only when asked";

    form.Show();
    fwtest::Drain();
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, 1);
    EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 1);
    // The client size survives showing.
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 392);
    EXPECT_EQ(client.bottom, 426);
    // Background painted in the button face colour.
    fwtest::Snapshot shot(form);
    EXPECT_EQ(shot.At(300, 400), GetSysColor(COLOR_BTNFACE));
}

TEST(Form, FailureInAHandlerShowsTheBoxAndTheProgramGoesOn)
{
    std::vector<std::string> log;
    LayoutForm form(&log);
    form.Show();
    fwtest::Drain();
    Probe* probe = form.probes[0];
    int calls = 0;
    probe->onMouseDown = [&calls] {
        ++calls;
        throw std::runtime_error("handler broke");
    };
    {
        testing_support::BoxWatcher watcher;
        fwtest::Click(probe->Handle(), 5, 5);
        ASSERT_TRUE(watcher.Seen().found);
        EXPECT_EQ(watcher.Seen().text, L"handler broke.");
    }
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(IsWindow(probe->Handle()));
    // The next message is handled as usual.
    probe->onMouseDown = [&calls] { ++calls; };
    fwtest::Click(probe->Handle(), 5, 5);
    EXPECT_EQ(calls, 2);
}

TEST(Form, TabMovesAmongEnabledTabStopsInTabOrder)
{
    std::vector<std::string> log;
    LayoutForm form(&log);
    auto& p = form.probes;
    // Tab order: Probe4, Probe1, Probe2, Probe3; Probe2 has no tab stop, Probe3 is disabled.
    p[3]->SetTabOrder(0);
    for (Probe* probe : p)
        probe->SetTabStop(true);
    p[1]->SetTabStop(false);
    p[2]->SetEnabled(false);
    form.Show();
    fwtest::Drain();
    p[3]->SetFocus();
    struct Step {
        bool shift;
        fw::WinControl* expected;
    } steps[] = {{false, p[0]}, {false, p[3]}, {false, p[0]}, {true, p[3]}, {true, p[0]}};
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("step " + std::to_string(n++));
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = step.shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        fwtest::Drain();
        EXPECT_EQ(GetFocus(), step.expected->Handle());
    }
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(form.ActiveControl(), p[0]);
}

TEST(Form, ShowModalReturnsTheResultAndReenablesTheOthers)
{
    std::vector<std::string> log;
    LayoutForm owner(&log);
    owner.Show();
    fwtest::Drain();
    LayoutForm dialog(&log);
    struct Case {
        const char* name;
        std::function<void(LayoutForm&)> end;
        int expected;
    } cases[] = {
        {"modal result set", [](LayoutForm& f) { f.SetModalResult(fw::mrOk); }, fw::mrOk},
        {"closed", [](LayoutForm& f) { f.Close(); }, fw::mrCancel},
        {"system close", [](LayoutForm& f) { PostMessageW(f.Handle(), WM_CLOSE, 0, 0); }, fw::mrCancel},
        {"hidden", [](LayoutForm& f) { f.Hide(); }, fw::mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool ownerDisabledWhileModal = false;
        dialog.OnShow = nullptr;
        fwtest::InModalLoop ender(
            [&] {
                ownerDisabledWhileModal = !IsWindowEnabled(owner.Handle());
                c.end(dialog);
                return true;
            },
            20000, 20);
        const int result = dialog.ShowModal();
        EXPECT_EQ(result, c.expected);
        EXPECT_TRUE(ownerDisabledWhileModal);
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
        EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    }
}

TEST(Form, AReparentedControlTakesItsWindowAlong)
{
    std::vector<std::string> log;
    LayoutForm form(&log);
    form.Show();
    fwtest::Drain();
    Probe* a = form.probes[0];
    Probe* b = form.probes[1];
    auto* moved = new Probe(&form);
    moved->SetParent(a);
    HWND window = moved->Handle();
    ASSERT_EQ(GetParent(window), a->Handle());

    moved->SetParent(b);
    EXPECT_EQ(GetParent(window), b->Handle());
    EXPECT_EQ(b->ControlCount(), 1);
    delete a;  // must not take the window of a control now listed under b
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(moved->HandleAllocated());

    // Without a parent a child window cannot stay: it goes, and comes back on demand.
    moved->SetParent(nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(moved->HandleAllocated());
    moved->SetParent(b);
    EXPECT_EQ(GetParent(moved->Handle()), b->Handle());
}

TEST(Form, ActivationMovesTheFocusOnceToTheControlThatHadIt)
{
    std::vector<std::string> log;
    LayoutForm form(&log);
    for (Probe* p : form.probes)
        p->SetTabStop(true);
    form.Show();
    fwtest::Drain();
    form.probes[2]->SetFocus();
    fwtest::Drain();
    std::vector<std::string> focus;
    form.OnEnter = [&focus] { focus.push_back("enter form"); };
    form.OnExit = [&focus] { focus.push_back("exit form"); };
    for (Probe* p : form.probes) {
        p->OnEnter = [&focus, p] { focus.push_back("enter " + p->Name()); };
        p->OnExit = [&focus, p] { focus.push_back("exit " + p->Name()); };
    }
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    fwtest::Drain();
    EXPECT_EQ(focus, (std::vector<std::string>{"exit Probe3"}));
    focus.clear();
    SetActiveWindow(form.Handle());
    fwtest::Drain();
    EXPECT_EQ(focus, (std::vector<std::string>{"enter Probe3"}));
    EXPECT_EQ(GetFocus(), form.probes[2]->Handle());
    DestroyWindow(other);
}

// Freeing a windowed control takes its child windows with it; while they go, nothing
// of theirs may run: their handlers could belong to objects already half destroyed.
TEST(Form, FreeingAControlRunsNothingInItsChildWindows)
{
    // Records every message that reaches the control's own handling.
    class Spy : public Probe {
    public:
        using Probe::Probe;
        std::vector<UINT>* seen = nullptr;

    protected:
        LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (seen)
                seen->push_back(message);
            return Probe::WndProc(message, wParam, lParam);
        }
    };
    std::vector<std::string> log;
    LayoutForm form(&log);
    form.Show();
    fwtest::Drain();
    Probe* box = form.probes[0];
    auto* inner = new Spy(box);
    inner->SetParent(box);
    inner->SetBounds(2, 2, 20, 20);
    HWND innerWindow = inner->Handle();
    std::vector<std::string> events;
    inner->OnExit = [&events] { events.push_back("exit"); };
    inner->SetFocus();
    ASSERT_EQ(GetFocus(), innerWindow);
    std::vector<UINT> seen;
    inner->seen = &seen;

    delete box;
    fwtest::Drain();

    EXPECT_FALSE(IsWindow(innerWindow));
    EXPECT_TRUE(seen.empty()) << "message 0x" << std::hex << seen.front();
    EXPECT_TRUE(events.empty()) << events.front();
    EXPECT_EQ(form.ControlCount(), 3);
}

// The dialog manager walks the windows in z-order, so it must equal the Tab order, whether the
// controls were described in that order or not.
TEST(Form, WindowsStandInTabOrderHoweverDescribed)
{
    const std::vector<std::vector<int>> tabOrders = {{0, 1, 2, 3}, {3, 0, 1, 2}, {1, 0, 3, 2}};
    for (const std::vector<int>& order : tabOrders) {
        std::vector<std::string> log;
        LayoutForm form(&log);
        for (size_t tab = 0; tab < order.size(); ++tab)
            form.probes[static_cast<size_t>(order[tab])]->SetTabOrder(static_cast<int>(tab));
        std::vector<HWND> zOrder;
        for (HWND w = GetWindow(form.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
            zOrder.push_back(w);
        std::vector<HWND> expected;
        for (int probe : order)
            expected.push_back(form.probes[static_cast<size_t>(probe)]->Handle());
        EXPECT_EQ(zOrder, expected) << "Tab order starting with Probe" << order[0] + 1;
    }
}

// A window's painting skips what its child windows cover, and only that: where a hidden
// child stood, the form's own colour shows on screen.
TEST(Form, PaintsUnderHiddenChildWindowsOnly)
{
    std::vector<std::string> log;
    LayoutForm form(&log);
    const COLORREF probeColour = RGB(200, 30, 40);
    for (Probe* probe : form.probes)
        probe->SetColor(fw::Color(probeColour));
    form.Show();
    fwtest::Drain();
    form.probes[1]->SetVisible(false);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    fwtest::Drain();
    struct Case {
        size_t probe;
        COLORREF expected;
    } cases[] = {{0, probeColour}, {1, GetSysColor(COLOR_BTNFACE)}, {2, probeColour}};
    HDC dc = GetDC(form.Handle());
    for (const Case& c : cases) {
        const Probe* probe = form.probes[c.probe];
        EXPECT_EQ(GetPixel(dc, probe->Left() + 50, probe->Top() + 12), c.expected) << "at Probe" << c.probe + 1;
    }
    ReleaseDC(form.Handle(), dc);
}

// The program's icon, loaded before the window is made, rides on the window's class; one given
// to a window that exists is the window's own.
TEST(Form, IconLoadedBeforeTheWindowIsTheClassIconAndOneSetLaterTheWindowsOwn)
{
    class IconForm : public fw::Form {
    public:
        std::string ClassName() const override { return "TIconTestForm"; }
    };
    const HICON big = fw::ProgramIcon(L"MAINICON", GetSystemMetrics(SM_CXICON));
    const HICON small = fw::ProgramIcon(L"MAINICON", GetSystemMetrics(SM_CXSMICON));
    ASSERT_NE(big, nullptr);
    EXPECT_NE(small, big);
    EXPECT_EQ(fw::ProgramIcon(L"MAINICON", GetSystemMetrics(SM_CXICON)), big) << "loaded once";
    EXPECT_EQ(fw::ProgramIcon(L"NO_SUCH_ICON", 32), nullptr);

    IconForm form;
    form.LoadIcon(L"MAINICON");
    HWND window = form.Handle();
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON)), big);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM)), small);
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0) << "no icon of its own";

    const HICON other = LoadIconW(nullptr, IDI_WARNING);
    form.SetIcon(other, other, false);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)), other);
}

}  // namespace
