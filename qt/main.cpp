#include "qt/commandline.h"
#include "qt/tapplication.h"
#include "qt/korinplot.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const auto reply = commandLineReply(argc, argv)) {
        std::fputs(reply->c_str(), stdout);
        return 0;
    }
    TApplication::prepareWebEngine();
    TApplication::prepareAccessibility();
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
