#include "qt/korinplot.h"

#include "qt/tapplication.h"
#include "qt/textheight.h"
#include "core/keyboardorder.h"
#include "core/language.h"
#include "core/title.h"
#include "qt/accessibleroles.h"
#include "qt/tbutton.h"
#include "qt/timage.h"
#include "qt/tmemo.h"
#include "qt/tpanel.h"
#include "qt/icoimage.h"
#include "qt/processlocale.h"
#include "qt/shellopen.h"
#include "qt/spokennotice.h"
#include "qt/textfile.h"
#include "qt/twebbrowser.h"
#include "qt/utf16.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QResizeEvent>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <type_traits>
#include <variant>

TKorinplot *Korinplot = nullptr;

namespace {

// The window member that holds each control of the layout; its type is the
// control's kind.
using ControlSlot = std::variant<TPanel *TKorinplot::*, TButton *TKorinplot::*, TMemo *TKorinplot::*,
                                 TImage *TKorinplot::*, TWebBrowser *TKorinplot::*>;

struct NamedSlot
{
    const char *name;
    ControlSlot slot;
};

using K = TKorinplot;
const NamedSlot kSlots[] = {
    {"WebBrowser1", &K::WebBrowser1}, {"Panel1", &K::Panel1}, {"Panel2", &K::Panel2},
    {"Button1", &K::Button1}, {"Button2", &K::Button2}, {"Button17", &K::Button17},
    {"Button18", &K::Button18}, {"Button19", &K::Button19}, {"Button4", &K::Button4},
    {"Button5", &K::Button5}, {"Button6", &K::Button6}, {"Button3", &K::Button3},
    {"Button7", &K::Button7}, {"Panel3", &K::Panel3}, {"Panel4", &K::Panel4},
    {"Panel5", &K::Panel5}, {"Image1", &K::Image1}, {"Button8", &K::Button8},
    {"Button9", &K::Button9}, {"Button10", &K::Button10}, {"Button23", &K::Button23},
    {"Memo1", &K::Memo1}, {"Panel7", &K::Panel7}, {"Button11", &K::Button11},
    {"Button12", &K::Button12}, {"Button13", &K::Button13}, {"Button14", &K::Button14},
    {"Panel8", &K::Panel8}, {"Button15", &K::Button15}, {"Button16", &K::Button16},
    {"Panel12", &K::Panel12}, {"Button21", &K::Button21}, {"Button22", &K::Button22},
    {"Panel9", &K::Panel9}, {"Panel10", &K::Panel10}, {"WebBrowser2", &K::WebBrowser2},
    {"Panel11", &K::Panel11}, {"WebBrowser3", &K::WebBrowser3},
};

ControlSlot slotOf(const char *name)
{
    for (const NamedSlot &entry : kSlots) {
        if (std::strcmp(entry.name, name) == 0)
            return entry.slot;
    }
    throw std::out_of_range(name);
}

QString qs(const std::u16string &text)
{
    return toQString(text);
}

} // namespace

TKorinplot::TKorinplot(const KorinviewConfig &config) : KorinplotForm(config), m_layout(designLayout(config))
{
    installAccessibleRoles();
    setObjectName(QStringLiteral("Korinplot"));
    setWindowTitle(toQString(kWindowTitle));
    setWindowIcon(applicationIcon());

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(-scaledFontHeight(Application ? Application->PixelsPerInch() : kDesignPixelsPerInch));
    setFont(font);
    m_textHeight = measuredTextHeight(font);

    m_dock.add(-1, TAlign::alNone, {0, 0, scaleLength(kDesignClientWidth, m_textHeight),
                                    scaleLength(kDesignClientHeight, m_textHeight)});
    createControls(m_layout);
    m_notice = new SpokenNotice(this);
    resize(m_dock.node(0).bounds.width, m_dock.node(0).bounds.height);
    m_dock.enableDocking();
    applyDocking();
}

TKorinplot::~TKorinplot() = default;

void TKorinplot::createControls(const std::vector<ControlSpec> &layout)
{
    for (const ControlSpec &row : layout) {
        int parentNode = 0;
        QWidget *parent = this;
        if (row.parent) {
            const int parentRow = layoutRow(layout, row.parent);
            parentNode = parentRow + 1;
            parent = m_controls[parentRow];
        }
        QWidget *control = createControl(row, parent);
        control->setObjectName(QLatin1String(row.name));
        const auto *panel = qobject_cast<TPanel *>(control);
        m_dock.add(parentNode, row.align, scaleBounds(row.bounds, m_textHeight), panel ? panel->dockInset() : 0);
        m_controls.push_back(control);
    }
}

QWidget *TKorinplot::createControl(const ControlSpec &row, QWidget *parent)
{
    QWidget *control = std::visit(
        [this, parent](auto slot) -> QWidget * {
            using Control = std::remove_pointer_t<std::remove_reference_t<decltype(this->*slot)>>;
            return this->*slot = new Control(parent);
        },
        slotOf(row.name));

    if (auto *panel = qobject_cast<TPanel *>(control)) {
        panel->setBevelOuter(row.bevels.outer);
        panel->setBevelInner(row.bevels.inner);
        panel->setBevelWidth(row.bevels.width);
        panel->setColor(row.color);
        panel->setParentBackground(row.parentBackground);
        connect(panel, &TPanel::bevelsChanged, this, [this, panel] {
            m_dock.setInset(controlIndex(panel) + 1, panel->dockInset());
            applyDocking();
        });
    } else if (auto *browser = qobject_cast<TWebBrowser *>(control)) {
        connect(browser, &TWebBrowser::pageShown, this, [this] {
            m_notice->tell(QString::fromUtf8(noticeText(Notice::PageShown, m_chinese.value_or(false))));
        });
    } else if (auto *button = qobject_cast<TButton *>(control)) {
        button->setText(qs(row.caption));
        const auto click = row.click;
        connect(button, &QPushButton::clicked, this,
                [this, click] { Application->guarded(this, [this, click] { (this->*click)(); }); });
        connect(button, &TButton::arrowKey, this, [this, button](bool forward) {
            const int target = arrowTarget(m_layout, controlIndex(button), forward,
                                           [this](int row) { return m_controls[row]->isVisibleTo(this); });
            // Moved by key: the next control draws its focus frame even when
            // this one got the focus from the mouse.
            setAttribute(Qt::WA_KeyboardFocusChange);
            m_controls[target]->setFocus(Qt::OtherFocusReason);
        });
    }
    return control;
}

void TKorinplot::applyDocking()
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const DockRect &r = m_dock.node(static_cast<int>(i) + 1).bounds;
        const QRect bounds(r.left, r.top, r.width, r.height);
        if (m_controls[i]->geometry() != bounds)
            m_controls[i]->setGeometry(bounds);
    }
}

int TKorinplot::controlIndex(const QWidget *control) const
{
    return static_cast<int>(std::find(m_controls.begin(), m_controls.end(), control) - m_controls.begin());
}

void TKorinplot::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_dock.setBounds(0, {0, 0, event->size().width(), event->size().height()});
    applyDocking();
}

void TKorinplot::setControlVisible(QWidget *control, bool visible)
{
    m_dock.setVisible(controlIndex(control) + 1, visible);
    control->setVisible(visible);
    applyDocking();
}

void TKorinplot::bringToFront(QWidget *control)
{
    control->raise();
}

std::vector<QWidget *> TKorinplot::tabStops() const
{
    std::vector<QWidget *> stops;
    const auto visible = [this](int row) { return m_controls[row]->isVisibleTo(this); };
    for (const int row : tabWalk(m_layout, visible, [](int) { return true; }))
        stops.push_back(m_controls[row]);
    return stops;
}

bool TKorinplot::focusNextPrevChild(bool next)
{
    // The focus may sit inside a control (a web page's view), or on a panel
    // the arrow keys reached: it moves on from that control's place.
    int from = -1;
    for (QWidget *focus = QApplication::focusWidget(); focus && focus != this && from < 0; focus = focus->parentWidget()) {
        if (const int row = controlIndex(focus); row < static_cast<int>(m_controls.size()))
            from = row;
    }
    const int target = tabTarget(
        m_layout, from, next, [this](int row) { return m_controls[row]->isVisibleTo(this); }, [](int) { return true; });
    if (target < 0)
        return false;
    // The focus moves by key, so the controls draw their focus frame. A web
    // view hands the Tab key back only after its page has seen it, outside
    // the key's event, where the toolkit would not know it came from a key.
    setAttribute(Qt::WA_KeyboardFocusChange);
    m_controls[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TKorinplot::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !focusWidget()) {
        const std::vector<QWidget *> stops = tabStops();
        if (!stops.empty())
            stops.front()->setFocus(Qt::ActiveWindowFocusReason);
    }
    return QWidget::event(event);
}

void TKorinplot::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // The main window: closing it ends the program at once, whatever other
    // window of ours (a page shown full screen) is still up.
    if (Application)
        Application->Terminate();
}

QWidget *TKorinplot::control(const char *name) const
{
    return m_controls[layoutRow(m_layout, name)];
}

TWebBrowser *TKorinplot::webBrowser(const char *name) const
{
    return static_cast<TWebBrowser *>(control(name));
}

void TKorinplot::setCaption(const char *name, const std::u16string &caption)
{
    static_cast<TButton *>(control(name))->setText(qs(caption));
}

void TKorinplot::showControl(const char *name, bool visible)
{
    setControlVisible(control(name), visible);
}

void TKorinplot::bringControlToFront(const char *name)
{
    bringToFront(control(name));
}

void TKorinplot::navigate(const char *view, const std::u16string &url)
{
    webBrowser(view)->Navigate(qs(url));
}

void TKorinplot::goBack(const char *view)
{
    webBrowser(view)->GoBack();
}

void TKorinplot::refresh(const char *view)
{
    webBrowser(view)->Refresh();
}

void TKorinplot::memoClear()
{
    Memo1->Clear();
}

void TKorinplot::memoAdd(const std::u16string &line)
{
    Memo1->Add(qs(line));
}

void TKorinplot::memoLoadFromFile(const std::u16string &name)
{
    Memo1->LoadFromFile(qs(name));
}

bool TKorinplot::fileExists(const std::u16string &name)
{
    return FileExists(qs(name));
}

void TKorinplot::shellOpen(const std::u16string &address)
{
    ShellOpen(this, qs(address));
}

std::uint16_t TKorinplot::systemDefaultLangID()
{
    return SystemDefaultLangID();
}

void TKorinplot::interfaceLanguageChanged(bool chinese)
{
    // The interface language goes with the captions: it stays as it was when
    // the readme cannot be read, and the side pictures are asked for in it.
    if (Application)
        Application->setInterfaceLanguage(interfaceLocale(chinese));
    for (const AccessibleText &text : accessibleTexts()) {
        QWidget *named = control(text.control);
        named->setAccessibleName(QString::fromUtf8(chinese ? text.chineseName : text.englishName));
        const char *description = chinese ? text.chineseDescription : text.englishDescription;
        named->setAccessibleDescription(description ? QString::fromUtf8(description) : QString());
    }
    // The first language is the one the window opens in: nothing changed.
    if (m_chinese.has_value() && *m_chinese != chinese)
        m_notice->tell(QString::fromUtf8(noticeText(Notice::LanguageSwitched, chinese)));
    m_chinese = chinese;
}
