#include "qt/webengine.h"

#include "core/exception.h"
#include "qt/shellopen.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QUrl>

#include <dlfcn.h>

// Exported by the toolkit (the same call stands behind AA_ShareOpenGLContexts
// given before the application object exists); declared here as the web
// engine declares its counterpart.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

constexpr std::int32_t REGDB_E_CLASSNOTREG = static_cast<std::int32_t>(0x80040154u);

WebEngine *g_engine = nullptr;

// Only web addresses leave the launcher: a page cannot make the desktop open
// files or start other handlers.
void openExternally(QWidget *owner, const QUrl &url)
{
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        ShellOpen(owner, url.toString(QUrl::FullyEncoded));
}

void deleteShareContext()
{
    delete QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
}

// The engine needs a global shared OpenGL context before it starts. Made
// now rather than with the application object, its cost comes after the
// window's first frame instead of before it.
void ensureShareContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
    qAddPostRoutine(deleteShareContext);
}

} // namespace

WebEngine &WebEngine::instance()
{
    if (g_engine)
        return *g_engine;
    ensureShareContext();
    // Found through the program's run path: its private library directory
    // once installed, the build directory before.
    void *module = dlopen(kWebEngineModuleName, RTLD_NOW | RTLD_LOCAL);
    const auto entry = module ? reinterpret_cast<WebEngineEntry>(dlsym(module, kWebEngineEntryName)) : nullptr;
    if (!entry)
        throw EOleSysError(QString::fromLocal8Bit(dlerror()).toStdU16String(), REGDB_E_CLASSNOTREG);
    g_engine = entry(openExternally);
    return *g_engine;
}

bool WebEngine::loaded()
{
    return g_engine;
}
