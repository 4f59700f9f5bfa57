#include "app/tapplication.h"
#include "launcher/korinplot.h"

int main(int argc, char *argv[])
{
    TApplication::prepareWebEngine();
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        Application->setMainFormOnTaskBar(true);
        Application->CreateForm(Korinplot);
        return Application->Run();
    } catch (...) {
        return Application->ShowFatalException(std::current_exception());
    }
}
