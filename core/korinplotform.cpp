#include "core/korinplotform.h"

#include "core/catalogue.h"
#include "core/language.h"
#include "core/unicode.h"

KorinplotForm::KorinplotForm(KorinviewConfig config) : m_config(std::move(config)) {}

KorinplotForm::~KorinplotForm() = default;

void KorinplotForm::interfaceLanguageChanged(bool) {}

void KorinplotForm::FormCreate()
{
    setlanguage(systemDefaultLangID());
}

void KorinplotForm::setlanguage(std::uint16_t inlanID)
{
    const bool chinese = isChineseLangID(inlanID);
    const std::u16string readme = readmeName(chinese);
    if (fileExists(readme)) {
        memoLoadFromFile(readme);
    } else {
        memoClear();
        for (const std::u16string &line : builtinLines(chinese, m_config.supportEmail))
            memoAdd(line);
    }
    interfaceLanguageChanged(chinese);

    setCaption("Button17", userText(UserText::Install, chinese));
    setCaption("Button6", userText(UserText::Downloads, chinese));
    setCaption("Button3", userText(UserText::Video, chinese));
    setCaption("Button7", userText(UserText::Community, chinese));
    const auto setInstallCaption = [this, chinese](const char *button) {
        const CatalogueRow &row = catalogueRow(button);
        setCaption(button, fromUtf8(chinese ? row.chinese : row.english));
    };
    setInstallCaption("Button8");
    setInstallCaption("Button23");
    if (chinese) {
        setInstallCaption("Button9");
        setInstallCaption("Button10");
    }
    showControl("Button9", chinese);
    showControl("Button10", chinese);
    setInstallCaption("Button21");
    setInstallCaption("Button22");
    showControl("Panel7", chinese);
    showControl("Panel8", chinese);

    navigate("WebBrowser2", m_config.sidePictureAddress(1));
    navigate("WebBrowser3", m_config.sidePictureAddress(2));
}

void KorinplotForm::openInstall(const char *button)
{
    shellOpen(m_config.downloadAddress(catalogueRow(button).downloadPath));
}

void KorinplotForm::Button1Click() { goBack("WebBrowser1"); }
void KorinplotForm::Button2Click() { refresh("WebBrowser1"); }
void KorinplotForm::Button17Click() { bringControlToFront("Panel3"); }
void KorinplotForm::Button18Click() { setlanguage(2052); }
void KorinplotForm::Button19Click() { setlanguage(2308); }
void KorinplotForm::Button4Click() { shellOpen(m_config.site); }
void KorinplotForm::Button5Click() { shellOpen(m_config.productSite); }
void KorinplotForm::Button6Click() { shellOpen(m_config.shareAddress()); }
void KorinplotForm::Button7Click() { shellOpen(m_config.groupAddress()); }

void KorinplotForm::Button3Click()
{
    bringControlToFront("WebBrowser1");
    navigate("WebBrowser1", m_config.videoAddress());
}

void KorinplotForm::Button8Click() { openInstall("Button8"); }
void KorinplotForm::Button23Click() { openInstall("Button23"); }
void KorinplotForm::Button9Click() { openInstall("Button9"); }
void KorinplotForm::Button10Click() { openInstall("Button10"); }
void KorinplotForm::Button21Click() { openInstall("Button21"); }
void KorinplotForm::Button22Click() { openInstall("Button22"); }
void KorinplotForm::Button11Click() { openInstall("Button11"); }
void KorinplotForm::Button12Click() { openInstall("Button12"); }
void KorinplotForm::Button13Click() { openInstall("Button13"); }
void KorinplotForm::Button14Click() { openInstall("Button14"); }
void KorinplotForm::Button15Click() { openInstall("Button15"); }
void KorinplotForm::Button16Click() { openInstall("Button16"); }
