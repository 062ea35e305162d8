// The program's entry point: the application, the main window, the About window, the loop.
#include <windows.h>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "framework/Application.h"
#include "framework/Cp1251Literal.h"
#include "widgets/shell/ElHandPt.h"

using namespace fw::literals;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RegisterHandCursor();
    fw::Application& app = fw::Application::Instance();
    app.Initialize();
    app.SetTitle(std::string("Редактор таблицы опыта для BG2 / BGT"_cp1251));
    TForm1* form1 = app.CreateForm<TForm1>();
    form1->AboutForm = app.CreateForm<TForm2>();
    app.Run();
    app.DestroyForms();
    return 0;
}
