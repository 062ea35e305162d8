// The application object: start-up of the UI thread, the title, the hidden top-level
// window that owns message boxes, the message loop and the default failure box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace fw {

class Exception;
class Form;

class Application {
public:
    static Application& Instance();

    // Initialises the common controls. Safe to call more than once. (The shell components
    // set up COM themselves when first used.)
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // The hidden top-level window: owner of the success box and of dialogs. Made when first
    // asked for: nothing at start needs it, and a window costs start-up time.
    HWND Handle();

    // The window whose destruction ends Run.
    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    // The first form made by CreateForm; closing it ends Run.
    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form);

    // Makes a form of type T owned by the application (freed by DestroyForms); the
    // first one becomes the main form. Its OnCreate has run when this returns.
    template <typename T>
    T* CreateForm()
    {
        T* form = new T(nullptr);
        TakeForm(form);
        FinishForm(form);
        return form;
    }
    // Frees the forms made by CreateForm, the last made first.
    void DestroyForms();
    // A form going away (called by the form's destructor).
    void RemoveForm(Form* form);

    // Shows the main form (if there is one) and runs the message loop until the main
    // window is gone or Terminate is called.
    void Run();
    // Waits for one message and handles it; false once the quit message came (it is
    // posted again, so outer loops end too).
    bool HandleMessage();
    // Handles the messages waiting now, without blocking.
    void ProcessMessages();
    // Handles one waiting message; false when none was waiting (or the quit message came).
    bool ProcessOneMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // A message box owned by the hidden application window, with every other window of
    // the program disabled while it shows (or left enabled); afterwards the window that
    // was active is active again.
    enum class BoxOthers { Disabled, Enabled };
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags,
                       BoxOthers others = BoxOthers::Disabled);

    // The default failure box: the failure's text (with a full stop), the title, the stop icon.
    void ShowException(const Exception& failure);
    // For catch blocks at the window-procedure boundary: shows whatever is being handled
    // in the default failure box; never throws.
    void HandleCurrentException() noexcept;

private:
    Application() = default;
    bool ProcessMessage(MSG& msg);
    void TakeForm(Form* form);
    void FinishForm(Form* form);

    std::string title_;
    HWND handle_ = nullptr;
    HWND mainWindow_ = nullptr;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    bool initialized_ = false;
    bool terminated_ = false;
};

// Disables every enabled, visible top-level window of this thread for its lifetime and
// enables them again afterwards (the platform's modal boxes only disable their owner).
class TaskWindowsDisabler {
public:
    TaskWindowsDisabler();
    ~TaskWindowsDisabler();
    TaskWindowsDisabler(const TaskWindowsDisabler&) = delete;
    TaskWindowsDisabler& operator=(const TaskWindowsDisabler&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self);
    std::vector<HWND> windows_;
};

}  // namespace fw
