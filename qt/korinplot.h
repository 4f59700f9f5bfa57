#pragma once

#include "core/docking.h"
#include "core/korinplotform.h"
#include "core/layout.h"
#include "core/scaling.h"

#include <QWidget>

#include <optional>
#include <vector>

class TPanel;
class TButton;
class TMemo;
class TImage;
class TWebBrowser;
class SpokenNotice;

// The launcher's one window: toolbar, install panel, side pictures and the
// main web view, built from the layout table; its handlers are the shared
// ones, run on these widgets.
class TKorinplot : public QWidget, public KorinplotForm
{
    Q_OBJECT

public:
    explicit TKorinplot(const KorinviewConfig &config = KorinviewConfig::fromBuild());
    ~TKorinplot() override;

    // Show or hide a control; its container docks its children again.
    void setControlVisible(QWidget *control, bool visible);
    void bringToFront(QWidget *control);
    // The controls the Tab key walks through, in order, skipping hidden ones.
    std::vector<QWidget *> tabStops() const;
    // The design-to-screen ratio's numerator: the window font's text height.
    int textHeight() const { return m_textHeight; }

    TWebBrowser *WebBrowser1 = nullptr;
    TPanel *Panel1 = nullptr;
    TPanel *Panel2 = nullptr;
    TButton *Button1 = nullptr;
    TButton *Button2 = nullptr;
    TButton *Button17 = nullptr;
    TButton *Button18 = nullptr;
    TButton *Button19 = nullptr;
    TButton *Button4 = nullptr;
    TButton *Button5 = nullptr;
    TButton *Button6 = nullptr;
    TButton *Button3 = nullptr;
    TButton *Button7 = nullptr;
    TPanel *Panel3 = nullptr;
    TPanel *Panel4 = nullptr;
    TPanel *Panel5 = nullptr;
    TImage *Image1 = nullptr;
    TButton *Button8 = nullptr;
    TButton *Button9 = nullptr;
    TButton *Button10 = nullptr;
    TButton *Button23 = nullptr;
    TMemo *Memo1 = nullptr;
    TPanel *Panel7 = nullptr;
    TButton *Button11 = nullptr;
    TButton *Button12 = nullptr;
    TButton *Button13 = nullptr;
    TButton *Button14 = nullptr;
    TPanel *Panel8 = nullptr;
    TButton *Button15 = nullptr;
    TButton *Button16 = nullptr;
    TPanel *Panel12 = nullptr;
    TButton *Button21 = nullptr;
    TButton *Button22 = nullptr;
    TPanel *Panel9 = nullptr;
    TPanel *Panel10 = nullptr;
    TWebBrowser *WebBrowser2 = nullptr;
    TPanel *Panel11 = nullptr;
    TWebBrowser *WebBrowser3 = nullptr;

protected:
    void setCaption(const char *control, const std::u16string &caption) override;
    void showControl(const char *control, bool visible) override;
    void bringControlToFront(const char *control) override;
    void navigate(const char *view, const std::u16string &url) override;
    void goBack(const char *view) override;
    void refresh(const char *view) override;
    void memoClear() override;
    void memoAdd(const std::u16string &line) override;
    void memoLoadFromFile(const std::u16string &name) override;
    bool fileExists(const std::u16string &name) override;
    void shellOpen(const std::u16string &address) override;
    std::uint16_t systemDefaultLangID() override;
    void interfaceLanguageChanged(bool chinese) override;

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createControls(const std::vector<ControlSpec> &layout);
    QWidget *createControl(const ControlSpec &row, QWidget *parent);
    void applyDocking();
    int controlIndex(const QWidget *control) const;
    QWidget *control(const char *name) const;
    TWebBrowser *webBrowser(const char *name) const;

    std::vector<ControlSpec> m_layout;
    int m_textHeight = kDesignTextHeight;
    DockTree m_dock;
    std::vector<QWidget *> m_controls; // node i + 1 of m_dock, in layout order
    std::vector<int> m_tabOrders;
    SpokenNotice *m_notice = nullptr;
    std::optional<bool> m_chinese; // the interface language once set
};

// The main window, set before its constructor runs.
extern TKorinplot *Korinplot;
