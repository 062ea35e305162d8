#include "framework/Application.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <optional>

#include "framework/Cp1251.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "framework/StartupMarks.h"

namespace fw {

namespace {

const wchar_t kAppWindowClass[] = L"XpTableApplication";

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

Application& Application::Instance()
{
    static Application app;
    return app;
}

void Application::Initialize()
{
    if (initialized_)
        return;
    initialized_ = true;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    startup::Mark("common controls");
}

HWND Application::Handle()
{
    if (handle_)
        return handle_;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kAppWindowClass;
    RegisterClassExW(&wc);
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kAppWindowClass, Widen(title_).c_str(), WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, wc.hInstance, nullptr);
    return handle_;
}

void Application::SetTitle(const std::string& title)
{
    title_ = title;
    if (handle_)
        SetWindowTextW(handle_, Widen(title_).c_str());
}

bool Application::ProcessMessage(MSG& msg)
{
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    if (top && IsDialogMessageW(top, &msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void Application::SetMainForm(Form* form)
{
    mainForm_ = form;
    mainWindow_ = form ? form->Handle() : nullptr;
}

void Application::TakeForm(Form* form)
{
    forms_.push_back(form);
    if (!mainForm_)
        mainForm_ = form;
}

void Application::FinishForm(Form* form)
{
    form->AfterConstruction();
    if (mainForm_ == form)
        mainWindow_ = form->Handle();
}

void Application::RemoveForm(Form* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form) {
        mainForm_ = nullptr;
        mainWindow_ = nullptr;
    }
}

void Application::DestroyForms()
{
    while (!forms_.empty()) {
        Form* last = forms_.back();
        forms_.pop_back();
        delete last;
    }
}

bool Application::HandleMessage()
{
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
        terminated_ = true;
        PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
        return false;
    }
    ProcessMessage(msg);
    return true;
}

void Application::Run()
{
    if (mainForm_) {
        mainForm_->Show();
        mainWindow_ = mainForm_->Handle();
    }
    startup::Mark("shown");
    bool idleMarked = !startup::Recording();
    MSG msg;
    while (!terminated_) {
        if (mainWindow_ && !IsWindow(mainWindow_))
            break;
        // The first empty queue: every paint of the shown window is done.
        if (!idleMarked && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            startup::Mark("idle");
            idleMarked = true;
        }
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            terminated_ = true;
            break;
        }
        ProcessMessage(msg);
    }
}

void Application::ProcessMessages()
{
    while (ProcessOneMessage()) {
    }
}

bool Application::ProcessOneMessage()
{
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (!ProcessMessage(msg)) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the loops outside
        return false;
    }
    return true;
}

void Application::Terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

int Application::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags,
                                BoxOthers others)
{
    // The box belongs to our hidden window, which the platform would activate when the
    // box goes: give the activation back to the window that had it.
    HWND active = GetActiveWindow();
    HWND owner = Handle();
    int result = 0;
    {
        std::optional<TaskWindowsDisabler> disabled;
        if (others == BoxOthers::Disabled)
            disabled.emplace();
        result = MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
    }
    if (active && active != owner && IsWindowVisible(active) && IsWindowEnabled(active))
        SetActiveWindow(active);
    return result;
}

void Application::ShowException(const Exception& failure)
{
    ShowMessageBox(FailureBoxText(failure.Message()), title_, MB_OK | MB_ICONSTOP);
}

void Application::HandleCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const Exception& e) {
            ShowException(e);
        } catch (const std::bad_alloc&) {
            ShowException(Exception("Out of memory"));
        } catch (const std::exception& e) {
            ShowException(Exception(e.what()));
        } catch (...) {
            ShowException(Exception("Unknown failure"));
        }
    } catch (...) {
        // Showing the failure failed too; there is nothing left to tell.
    }
}

TaskWindowsDisabler::TaskWindowsDisabler()
{
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK TaskWindowsDisabler::Collect(HWND window, LPARAM self)
{
    auto* me = reinterpret_cast<TaskWindowsDisabler*>(self);
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        me->windows_.push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

TaskWindowsDisabler::~TaskWindowsDisabler()
{
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (IsWindow(*it))
            EnableWindow(*it, TRUE);
}

}  // namespace fw
