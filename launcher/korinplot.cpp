#include "launcher/korinplot.h"

#include "app/tapplication.h"
#include "launcher/accessibleroles.h"
#include "launcher/catalogue.h"
#include "launcher/language.h"
#include "launcher/tbutton.h"
#include "launcher/timage.h"
#include "launcher/tmemo.h"
#include "launcher/tpanel.h"
#include "platform/icoimage.h"
#include "platform/shellopen.h"
#include "platform/textfile.h"
#include "platform/twebbrowser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QResizeEvent>

#include <algorithm>
#include <type_traits>

TKorinplot *Korinplot = nullptr;

TKorinplot::TKorinplot(const KorinviewConfig &config) : m_config(config)
{
    installAccessibleRoles();
    setObjectName(QStringLiteral("Korinplot"));
    setWindowTitle(QStringLiteral("Korinview"));
    setWindowIcon(applicationIcon());

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(-scaledFontHeight(Application ? Application->PixelsPerInch() : kDesignPixelsPerInch));
    setFont(font);
    m_textHeight = measuredTextHeight(font);

    m_dock.add(-1, TAlign::alNone, {0, 0, scaleLength(kDesignClientWidth, m_textHeight),
                                    scaleLength(kDesignClientHeight, m_textHeight)});
    createControls(designLayout(m_config));
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
            const auto found = std::find_if(m_controls.begin(), m_controls.end(), [&](const QWidget *control) {
                return control->objectName() == QLatin1String(row.parent);
            });
            parentNode = static_cast<int>(found - m_controls.begin()) + 1;
            parent = *found;
        }
        QWidget *control = createControl(row, parent);
        control->setObjectName(QLatin1String(row.name));
        if (row.tabOrder >= 0)
            setTabOrderOf(control, row.tabOrder);
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
        row.slot);

    if (auto *panel = qobject_cast<TPanel *>(control)) {
        panel->setBevelOuter(row.bevels.outer);
        panel->setBevelInner(row.bevels.inner);
        panel->setBevelWidth(row.bevels.width);
        panel->setColor(toQColor(row.color, panel->palette()));
        panel->setParentBackground(row.parentBackground);
        connect(panel, &TPanel::bevelsChanged, this, [this, panel] {
            m_dock.setInset(controlIndex(panel) + 1, panel->dockInset());
            applyDocking();
        });
    } else if (auto *button = qobject_cast<TButton *>(control)) {
        button->setText(row.caption);
        const auto click = row.click;
        connect(button, &QPushButton::clicked, this,
                [this, click] { Application->guarded(this, [this, click] { (this->*click)(); }); });
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
    const auto walk = [this, &stops](const auto &self, const QWidget *container) -> void {
        std::vector<QWidget *> children;
        for (QObject *child : container->children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (widget && controlIndex(widget) < static_cast<int>(m_controls.size()) && tabOrderOf(widget) >= 0)
                children.push_back(widget);
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const QWidget *a, const QWidget *b) { return tabOrderOf(a) < tabOrderOf(b); });
        for (QWidget *child : children) {
            if (!child->isVisibleTo(this))
                continue;
            if (qobject_cast<TPanel *>(child))
                self(self, child);
            else
                stops.push_back(child);
        }
    };
    walk(walk, this);
    return stops;
}

bool TKorinplot::focusNextPrevChild(bool next)
{
    const std::vector<QWidget *> stops = tabStops();
    if (stops.empty())
        return false;
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t index = next ? -1 : count;
    // The focus may sit inside a control (a web page's view), or on a panel
    // the arrow keys reached: find where it is in the walk.
    for (QWidget *focus = QApplication::focusWidget(); focus && focus != this; focus = focus->parentWidget()) {
        const auto found = std::find(stops.begin(), stops.end(), focus);
        if (found != stops.end()) {
            index = found - stops.begin();
            break;
        }
    }
    index = ((next ? index + 1 : index - 1) % count + count) % count;
    // The focus moves by key, so the controls draw their focus frame. A web
    // view hands the Tab key back only after its page has seen it, outside
    // the key's event, where the toolkit would not know it came from a key.
    setAttribute(Qt::WA_KeyboardFocusChange);
    stops[index]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
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

void TKorinplot::FormCreate()
{
    setlanguage(SystemDefaultLangID());
}

void TKorinplot::setlanguage(quint16 inlanID)
{
    const bool chinese = isChineseLangID(inlanID);
    const QString readme = chinese ? QStringLiteral("readme.txt") : QStringLiteral("readme_en.txt");
    if (FileExists(readme)) {
        Memo1->LoadFromFile(readme);
    } else {
        Memo1->Clear();
        for (const QString &line : builtinLines(chinese, m_config.supportEmail))
            Memo1->Add(line);
    }

    // The interface language goes with the captions: it stays as it was when
    // the readme cannot be read, and the side pictures are asked for in it.
    if (Application)
        Application->setInterfaceLanguage(interfaceLocale(chinese));
    for (const AccessibleText &text : accessibleTexts()) {
        auto *control = findChild<QWidget *>(QLatin1String(text.control));
        control->setAccessibleName(QString::fromUtf8(chinese ? text.chineseName : text.englishName));
        const char *description = chinese ? text.chineseDescription : text.englishDescription;
        control->setAccessibleDescription(description ? QString::fromUtf8(description) : QString());
    }

    Button17->setText(toolbarCaption(ToolbarCaption::Install, chinese));
    Button6->setText(toolbarCaption(ToolbarCaption::Downloads, chinese));
    Button3->setText(toolbarCaption(ToolbarCaption::Video, chinese));
    Button7->setText(toolbarCaption(ToolbarCaption::Community, chinese));
    const auto caption = [chinese](const char *button) {
        const CatalogueRow &row = catalogueRow(button);
        return QString::fromUtf8(chinese ? row.chinese : row.english);
    };
    Button8->setText(caption("Button8"));
    Button23->setText(caption("Button23"));
    if (chinese) {
        Button9->setText(caption("Button9"));
        Button10->setText(caption("Button10"));
    }
    setControlVisible(Button9, chinese);
    setControlVisible(Button10, chinese);
    Button21->setText(caption("Button21"));
    Button22->setText(caption("Button22"));
    setControlVisible(Panel7, chinese);
    setControlVisible(Panel8, chinese);

    WebBrowser2->Navigate(m_config.sidePictureAddress(1));
    WebBrowser3->Navigate(m_config.sidePictureAddress(2));
}

void TKorinplot::openInstall(const char *button)
{
    ShellOpen(this, m_config.downloadAddress(catalogueRow(button).downloadPath));
}

void TKorinplot::Button1Click() { WebBrowser1->GoBack(); }
void TKorinplot::Button2Click() { WebBrowser1->Refresh(); }
void TKorinplot::Button17Click() { bringToFront(Panel3); }
void TKorinplot::Button18Click() { setlanguage(2052); }
void TKorinplot::Button19Click() { setlanguage(2308); }
void TKorinplot::Button4Click() { ShellOpen(this, m_config.site); }
void TKorinplot::Button5Click() { ShellOpen(this, m_config.productSite); }
void TKorinplot::Button6Click() { ShellOpen(this, m_config.shareAddress()); }
void TKorinplot::Button7Click() { ShellOpen(this, m_config.groupAddress()); }

void TKorinplot::Button3Click()
{
    bringToFront(WebBrowser1);
    WebBrowser1->Navigate(m_config.videoAddress());
}

void TKorinplot::Button8Click() { openInstall("Button8"); }
void TKorinplot::Button23Click() { openInstall("Button23"); }
void TKorinplot::Button9Click() { openInstall("Button9"); }
void TKorinplot::Button10Click() { openInstall("Button10"); }
void TKorinplot::Button21Click() { openInstall("Button21"); }
void TKorinplot::Button22Click() { openInstall("Button22"); }
void TKorinplot::Button11Click() { openInstall("Button11"); }
void TKorinplot::Button12Click() { openInstall("Button12"); }
void TKorinplot::Button13Click() { openInstall("Button13"); }
void TKorinplot::Button14Click() { openInstall("Button14"); }
void TKorinplot::Button15Click() { openInstall("Button15"); }
void TKorinplot::Button16Click() { openInstall("Button16"); }
