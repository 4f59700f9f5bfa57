#include "windows/korinplot.h"
#include "windows/tapplication.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    TApplication application(instance);
    try {
        Application->Initialize();
        Application->setMainFormOnTaskBar(true);
        Application->CreateForm(Korinplot);
        return Application->Run();
    } catch (...) {
        return Application->ShowFatalException(std::current_exception());
    }
}
