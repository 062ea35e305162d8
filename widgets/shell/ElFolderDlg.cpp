#include "widgets/shell/ElFolderDlg.h"

#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Form.h"
#include "widgets/shell/ElFolderGeometry.h"
#include "widgets/shell/ShellLibrary.h"

namespace {

// Points the subclassed browse window at its run.
const wchar_t kRunProperty[] = L"ElFolderDialog.Run";
const int kCustomButtonId = 0x3F00;

}  // namespace

// One run of the browser, on Execute's stack: it outlives the browse window, so the
// callback and the window procedure can always reach it, also once the component is gone.
struct TElFolderDialog::Run {
    TElFolderDialog* dialog;    // nullptr once the component has been freed
    WNDPROC previous = nullptr;  // the browse window's procedure before ours
};

// The push button put into the browse window.
class TElFolderDialog::CustomButton {
public:
    CustomButton(HWND parent, const std::string& caption, const FolderDialogRect& r)
    {
        window_ = CreateWindowExW(0, L"BUTTON", fw::Widen(caption).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, r.left, r.top, r.width,
                                  r.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCustomButtonId)),
                                  GetModuleHandleW(nullptr), nullptr);
        SendMessageW(window_, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    }
    ~CustomButton()
    {
        if (window_)
            DestroyWindow(window_);
    }
    CustomButton(const CustomButton&) = delete;
    CustomButton& operator=(const CustomButton&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

TElFolderDialog::TElFolderDialog(fw::Component* owner) : Component(owner) {}

TElFolderDialog::~TElFolderDialog()
{
    if (window_) {
        // Closes as if cancelled; the shell returns after we are gone.
        Dispatch(window_, run_->previous, WM_SYSCOMMAND, SC_CLOSE, 0);
        button_.reset();
        Unsubclass();
    }
    if (run_)
        run_->dialog = nullptr;
}

std::string TElFolderDialog::Folder() const
{
    if (!current_)
        return folderText_;
    std::string path;
    PathFromIDList(current_.Get(), path);
    return path;
}

void TElFolderDialog::SetFolder(const std::string& folder)
{
    folderText_ = folder;
    ItemIdList parsed(IDListFromPath(folder));
    SelectionChanged(parsed.Get());
}

void TElFolderDialog::SetStatusText(const std::string& text)
{
    statusText_ = text;
    if (browsing_)
        SendStatusText(text);
}

void TElFolderDialog::SendStatusText(const std::string& text)
{
    if (window_)
        SendMessageW(window_, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(fw::Widen(text).c_str()));
}

bool TElFolderDialog::Execute()
{
    if (browsing_ || !ShellApi().SHBrowseForFolderW)
        return false;
    EnsureComApartment();
    const std::string saved = Folder();
    ItemIdList root(RootIDList(RootFolder, CustomRootFolder));
    const std::wstring prompt = fw::Widen(Prompt);
    displayName_[0] = L'\0';

    BROWSEINFOW info = {};
    info.hwndOwner = fw::Application::Instance().Handle();
    info.pidlRoot = root.Get();
    info.pszDisplayName = displayName_;
    info.lpszTitle = prompt.c_str();
    info.ulFlags = BrowseFlags(Options);
    info.lpfn = BrowseCallback;
    Run run{this};
    info.lParam = reinterpret_cast<LPARAM>(&run);

    run_ = &run;
    awaitingInit_ = selectionPending_ = browsing_ = true;
    ItemIdList chosen;
    {
        // The shell disables only its owner, the hidden application window.
        fw::TaskWindowsDisabler disabled;
        chosen.Reset(ShellApi().SHBrowseForFolderW(&info));
    }
    if (!run.dialog)
        return false;  // freed while the browser was open: nothing of it may be touched
    run_ = nullptr;
    browsing_ = false;
    window_ = nullptr;
    button_.reset();

    bool confirmed = static_cast<bool>(chosen);
    if (confirmed && Options.Contains(bfoBrowseForComputer))
        SetFolder(fw::Narrow(displayName_));
    else if (confirmed)
        SelectionChanged(chosen.Get());
    // An item without a path is no answer the caller can use.
    if (confirmed && Folder().empty())
        confirmed = false;
    if (!confirmed)
        SetFolder(saved);
    return confirmed;
}

int CALLBACK TElFolderDialog::BrowseCallback(HWND window, UINT message, LPARAM param, LPARAM data)
{
    TElFolderDialog* dialog = reinterpret_cast<Run*>(data)->dialog;
    if (!dialog)
        return 0;
    // No failure may cross the shell's frames.
    try {
        if (message == BFFM_INITIALIZED)
            dialog->Initialized(window);
        else if (message == BFFM_SELCHANGED && !dialog->awaitingInit_)
            dialog->SelectionChanged(reinterpret_cast<LPCITEMIDLIST>(param));
    } catch (...) {
        fw::Application::Instance().HandleCurrentException();
    }
    return 0;
}

LRESULT CALLBACK TElFolderDialog::BrowseWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* run = static_cast<Run*>(GetPropW(window, kRunProperty));
    if (!run)
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC previous = run->previous;
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kRunProperty);
        if (run->dialog)
            run->dialog->window_ = nullptr;
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    if (!run->dialog)
        return CallWindowProcW(previous, window, message, wParam, lParam);
    try {
        return run->dialog->Dispatch(window, previous, message, wParam, lParam);
    } catch (...) {
        fw::Application::Instance().HandleCurrentException();
        return 0;
    }
}

LRESULT TElFolderDialog::Dispatch(HWND window, WNDPROC previous, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (button_ && reinterpret_cast<HWND>(lParam) == button_->Handle() && HIWORD(wParam) == BN_CLICKED) {
            if (OnCustomButtonClick)
                OnCustomButtonClick(this);
            return 0;
        }
        break;
    case WM_DESTROY: {
        LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
        button_.reset();
        if (OnClose)
            OnClose(this);
        return result;
    }
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

void TElFolderDialog::Subclass(HWND window)
{
    run_->previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    SetPropW(window, kRunProperty, run_);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BrowseWindowProc));
}

void TElFolderDialog::Unsubclass()
{
    // Our procedure is taken out only while it is on top; else it stays and just passes on.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)) == &BrowseWindowProc) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(run_->previous));
        RemovePropW(window_, kRunProperty);
    }
}

void TElFolderDialog::Initialized(HWND window)
{
    window_ = window;
    Subclass(window);
    awaitingInit_ = false;
    SetWindowTextW(window, fw::Widen(DialogTitle).c_str());
    SetStatusText(statusText_);
    if (ShowCustomButton) {
        const LONG units = GetDialogBaseUnits();
        RECT client;
        GetClientRect(window, &client);
        button_ = std::make_unique<CustomButton>(
            window, CustomButtonCaption, CustomButtonBounds(LOWORD(units), HIWORD(units), client.right, client.bottom));
    }
    // Preselects the current folder, if there is one.
    ItemIdList copy(CopyIDList(current_.Get()));
    SelectionChanged(copy.Get());
    PlaceWindow();
}

void TElFolderDialog::SelectionChanged(LPCITEMIDLIST list)
{
    current_.Reset();
    if (!list)
        return;
    current_.Reset(CopyIDList(list));
    std::string text;
    PathFromIDList(current_.Get(), text);
    if (text.empty() && Options.Contains(bfoBrowseForComputer))
        text = fw::Narrow(displayName_);
    folderText_ = text;
    if (selectionPending_) {
        // The shell may report the new selection inside this send: the flag is already
        // clear, and it gets a private copy that our list can be replaced under.
        selectionPending_ = false;
        if (window_) {
            ItemIdList copy(CopyIDList(current_.Get()));
            SendMessageW(window_, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(copy.Get()));
        }
    }
    if (Options.Contains(bfoShowPath))
        SendStatusText(folderText_);
    if (OnChange)
        OnChange(this);
}

void TElFolderDialog::PlaceWindow()
{
    RECT r;
    GetWindowRect(window_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;

    fw::Form* form = nullptr;
    if (Position == fdpOwnerFormCenter)
        form = dynamic_cast<fw::Form*>(Owner());
    if (!form && (Position == fdpOwnerFormCenter || Position == fdpMainFormCenter))
        form = fw::Application::Instance().MainForm();
    FolderDialogRect formRect;
    if (form && form->HandleAllocated()) {
        RECT f;
        GetWindowRect(form->Handle(), &f);
        formRect = {f.left, f.top, f.right - f.left, f.bottom - f.top};
    } else if (form) {
        formRect = {form->Left(), form->Top(), form->Width(), form->Height()};
    }
    const FolderDialogScreens screens{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                      GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    if (auto origin = BrowseWindowOrigin(Position, w, h, screens, form ? &formRect : nullptr))
        SetWindowPos(window_, nullptr, origin->x, origin->y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}
