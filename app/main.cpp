// The program's entry point: the application, the main window, the About window, the loop.
#include <windows.h>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "framework/Application.h"
#include "framework/Cp1251Literal.h"
#include "framework/StartupMarks.h"
#include "widgets/shell/ElHandPt.h"

using namespace fw::literals;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    fw::startup::Mark("entry");
    RegisterHandCursor();
    fw::Application& app = fw::Application::Instance();
    app.Initialize();
    app.SetTitle(std::string("Редактор таблицы опыта для BG2 / BGT"_cp1251));
    fw::startup::Mark("initialized");
    TForm1* form1 = app.CreateForm<TForm1>();
    fw::startup::Mark("main window");
    form1->AboutForm = app.CreateForm<TForm2>();
    fw::startup::Mark("about window");
    app.Run();
    fw::startup::WriteMarks();
    app.DestroyForms();
    return 0;
}
