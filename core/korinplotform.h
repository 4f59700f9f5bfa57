#pragma once

#include "core/korinviewconfig.h"

#include <cstdint>
#include <string>

// The launcher window's behaviour, whatever draws it: the creation handler,
// the language switch and every button's click handler. A front end derives
// from it, builds the controls of the layout and gives the handlers the few
// operations they use on them, each control named as in the layout.
class KorinplotForm
{
public:
    explicit KorinplotForm(KorinviewConfig config);
    virtual ~KorinplotForm();
    KorinplotForm(const KorinplotForm &) = delete;
    KorinplotForm &operator=(const KorinplotForm &) = delete;

    // Runs once the whole window exists, before it is first shown.
    void FormCreate();
    void setlanguage(std::uint16_t inlanID);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button18Click();
    void Button19Click();
    void Button21Click();
    void Button22Click();
    void Button23Click();

    const KorinviewConfig &config() const { return m_config; }

protected:
    virtual void setCaption(const char *control, const std::u16string &caption) = 0;
    // Showing or hiding a control makes its container dock its children again.
    virtual void showControl(const char *control, bool visible) = 0;
    virtual void bringControlToFront(const char *control) = 0;
    virtual void navigate(const char *view, const std::u16string &url) = 0;
    virtual void goBack(const char *view) = 0;
    virtual void refresh(const char *view) = 0;

    // Memo1's lines.
    virtual void memoClear() = 0;
    virtual void memoAdd(const std::u16string &line) = 0;
    virtual void memoLoadFromFile(const std::u16string &name) = 0;

    virtual bool fileExists(const std::u16string &name) = 0;
    // The shell's open operation, owned by this window; the outcome is not examined.
    virtual void shellOpen(const std::u16string &address) = 0;
    virtual std::uint16_t systemDefaultLangID() = 0;
    // The interface language, for what a platform shows besides the
    // captions: it changes only once the readme has loaded.
    virtual void interfaceLanguageChanged(bool chinese);

private:
    void openInstall(const char *button);

    KorinviewConfig m_config;
};
