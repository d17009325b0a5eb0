#include "UnitMain.h"

#include "Artwork.h"
#include "LayoutFit.h"
#include "UrlAutoComplete.h"

#include "browser/HistoryStepping.h"
#include "browser/NavigationInterception.h"
#include "core/ExtraHeaders.h"
#include "core/Xid.h"
#include "platform/Clock.h"
#include "platform/ErrorDisplay.h"
#include "platform/ScreenCursor.h"
#include "platform/TMaskEdit.h"

#include <QWebEngineView>

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace quorlane {

TFormMain *FormMain = nullptr;

namespace {

void Place(QWidget *widget, const Rect &r)
{
    widget->setGeometry(r.left, r.top, std::max(0, r.width), std::max(0, r.height));
}

QLabel *AutoSizeLabel(const QString &caption, const Rect &r, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->move(r.left, r.top);
    label->adjustSize();
    return label;
}

QPushButton *PushButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

class ButtonSwitch : public EnableSwitch {
public:
    explicit ButtonSwitch(QWidget *button) : button_(button) {}
    void SetEnabled(bool enabled) override { button_->setEnabled(enabled); }

private:
    QWidget *button_;
};

} // namespace

TFormMain::TFormMain(ErrorDisplay &errors, const Clock &clock, UrlAutoComplete &autoComplete, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , errors_(errors)
    , clock_(clock)
    , autoComplete_(autoComplete)
{
    // "MS Sans Serif" where it exists, else the closest narrow sans serif.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    setWindowIcon(HandsetIcon());

    CreateControls();
    SetTabOrder();
    ConnectHandlers();

    Guarded([this] { FormCreate(this); });

    // The size the window is created with: the layout is fitted to it and
    // the read-out filled before the window is first shown.
    resize(kDesignClientWidth, kDesignClientHeight);
    FitToClientArea();
    Guarded([this] { FormResize(this); });
}

TFormMain::~TFormMain()
{
    if (FormMain == this)
        FormMain = nullptr;
}

void TFormMain::CreateControls()
{
    scroller_ = new QScrollArea(this);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller_->setWidgetResizable(false);
    scroller_->setFocusPolicy(Qt::NoFocus);
    client_ = new QWidget;
    scroller_->setWidget(client_);

    PanelBottom = new QFrame(client_);
    PanelBottom->setFrameShape(QFrame::NoFrame);
    Label1 = AutoSizeLabel(QStringLiteral("URL:"), design::Label1, PanelBottom);
    Label4 = AutoSizeLabel(QStringLiteral("XID:"), design::Label4, PanelBottom);
    Label5 = new QLabel(QStringLiteral("(12 hex chars)"), PanelBottom);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(Label5, design::Label5);
    Label6 = AutoSizeLabel(QStringLiteral("Lang:"), design::Label6, PanelBottom);

    SpeedButtonXID = new QToolButton(PanelBottom);
    SpeedButtonXID->setFocusPolicy(Qt::NoFocus);
    SpeedButtonXID->setAutoRaise(false);
    SpeedButtonXID->setIcon(QIcon(XidButtonGlyph()));
    SpeedButtonXID->setIconSize(QSize(15, 14));
    SpeedButtonXID->setToolTip(QStringLiteral("Generate new random XID")); // hints are off: never shown
    SpeedButtonXID->installEventFilter(this);
    Place(SpeedButtonXID, design::SpeedButtonXID);

    ButtonBack = PushButton(QStringLiteral("Back"), PanelBottom);
    Place(ButtonBack, design::ButtonBack);
    ButtonGO = PushButton(QStringLiteral("GO!"), PanelBottom);
    ButtonForward = PushButton(QStringLiteral("Forward"), PanelBottom);
    EditURL = new QLineEdit(QStringLiteral("http://"), PanelBottom);
    EditURL->installEventFilter(this);
    MaskEditXID = new TMaskEdit(static_cast<int>(kXidLength), errors_, PanelBottom);
    Place(MaskEditXID, design::MaskEditXID);

    GroupBox1 = new QGroupBox(QStringLiteral("Screen"), PanelBottom);
    LabelHeight = AutoSizeLabel(QStringLiteral("0"), design::LabelHeight, GroupBox1);
    Label3 = AutoSizeLabel(QStringLiteral("Width:"), design::Label3, GroupBox1);
    Label2 = AutoSizeLabel(QStringLiteral("Height:"), design::Label2, GroupBox1);
    LabelWidth = AutoSizeLabel(QStringLiteral("0"), design::LabelWidth, GroupBox1);

    ComboBoxLang = new QComboBox(PanelBottom);
    ComboBoxLang->setEditable(false);
    for (const auto tag : kLanguageTags)
        ComboBoxLang->addItem(QString::fromLatin1(tag.data(), static_cast<qsizetype>(tag.size())));
    ComboBoxLang->setCurrentIndex(0);
    Place(ComboBoxLang, design::ComboBoxLang);

    WebBrowser = new TWebBrowser(client_);
}

void TFormMain::SetTabOrder()
{
    // Within the panel: Back, Forward, address, XID, language, GO!; then the pane.
    QWidget::setTabOrder(ButtonBack, ButtonForward);
    QWidget::setTabOrder(ButtonForward, EditURL);
    QWidget::setTabOrder(EditURL, MaskEditXID);
    QWidget::setTabOrder(MaskEditXID, ComboBoxLang);
    QWidget::setTabOrder(ComboBoxLang, ButtonGO);
    QWidget::setTabOrder(ButtonGO, WebBrowser->View());
}

void TFormMain::ConnectHandlers()
{
    connect(ButtonGO, &QPushButton::clicked, this, [this] { Guarded([this] { ButtonGOClick(ButtonGO); }); });
    connect(ButtonBack, &QPushButton::clicked, this, [this] { Guarded([this] { ButtonBackClick(ButtonBack); }); });
    connect(ButtonForward, &QPushButton::clicked, this,
            [this] { Guarded([this] { ButtonForwardClick(ButtonForward); }); });
    connect(SpeedButtonXID, &QToolButton::clicked, this,
            [this] { Guarded([this] { SpeedButtonXIDClick(SpeedButtonXID); }); });

    // The engine raises these from inside its own callbacks: errors are shown once it has returned.
    WebBrowser->OnBeforeNavigate2 = [this](QObject *Sender, IDispatch *pDisp, Variant &URL, Variant &Flags,
                                           Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                                           VARIANT_BOOL &Cancel) {
        RunGuarded(errors_, ReportTiming::Later, [&] {
            WebBrowserBeforeNavigate2(Sender, pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
        });
    };
    WebBrowser->OnNavigateComplete2 = [this](QObject *Sender, IDispatch *pDisp, Variant &URL) {
        RunGuarded(errors_, ReportTiming::Later, [&] { WebBrowserNavigateComplete2(Sender, pDisp, URL); });
    };
}

template <typename Handler>
void TFormMain::Guarded(Handler &&handler)
{
    RunGuarded(errors_, ReportTiming::Now, std::forward<Handler>(handler));
}

void TFormMain::FitToClientArea()
{
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
    const FittedLayout layout = FitLayout(width(), height(), scrollBarWidth);
    scroller_->setGeometry(rect());
    client_->resize(layout.contentWidth, layout.contentHeight);
    Place(PanelBottom, layout.PanelBottom);
    Place(WebBrowser, layout.WebBrowser);
    Place(EditURL, layout.EditURL);
    Place(ButtonGO, layout.ButtonGO);
    Place(ButtonForward, layout.ButtonForward);
    Place(GroupBox1, layout.GroupBox1);
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FitToClientArea();
    Guarded([this] { FormResize(this); });
}

void TFormMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    Guarded([this] { FormShow(this); });
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SpeedButtonXID && event->type() == QEvent::ToolTip)
        return true;
    if (watched == EditURL && event->type() == QEvent::KeyPress) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const Word pressed = VirtualKeyCode(*keyEvent);
        Word Key = pressed;
        Guarded([&] { EditURLKeyDown(EditURL, Key, keyEvent->modifiers()); });
        return pressed != 0 && Key == 0; // a handler that clears Key consumes the key
    }
    return QWidget::eventFilter(watched, event);
}

// --- Event handlers ---------------------------------------------------------

void TFormMain::ButtonGOClick(QObject *)
{
    RunGoCommand(*this, *WebBrowser->DefaultInterface());
}

void TFormMain::ButtonBackClick(QObject *Sender)
{
    ButtonSwitch clicked(qobject_cast<QWidget *>(Sender)), opposite(ButtonForward);
    StepHistory(*WebBrowser->DefaultInterface(), HistoryDirection::Back, clicked, opposite);
}

void TFormMain::ButtonForwardClick(QObject *Sender)
{
    ButtonSwitch clicked(qobject_cast<QWidget *>(Sender)), opposite(ButtonBack);
    StepHistory(*WebBrowser->DefaultInterface(), HistoryDirection::Forward, clicked, opposite);
}

void TFormMain::FormResize(QObject *)
{
    LabelHeight->setText(QString::number(WebBrowser->height()));
    LabelHeight->adjustSize();
    LabelWidth->setText(QString::number(WebBrowser->width()));
    LabelWidth->adjustSize();
}

void TFormMain::WebBrowserBeforeNavigate2(QObject *, IDispatch *pDisp, Variant &URL, Variant &Flags,
                                          Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                                          VARIANT_BOOL &Cancel)
{
    InterceptBeforeNavigate(*this, *WebBrowser->DefaultInterface(), pDisp, URL, Flags, TargetFrameName, PostData,
                            Headers, Cancel);
}

void TFormMain::WebBrowserNavigateComplete2(QObject *, IDispatch *pDisp, Variant &URL)
{
    ShowCompletedAddress(*this, *WebBrowser->DefaultInterface(), pDisp, URL);
}

void TFormMain::FormShow(QObject *)
{
    EditURL->setFocus(Qt::OtherFocusReason);
    EditURL->setCursorPosition(static_cast<int>(EditURL->text().size()));
    EditURL->deselect();
    autoComplete_.EnableUrlAutoComplete(EditURL, kSHACF_URLHISTORY | kSHACF_URLMRU);
}

void TFormMain::FormCreate(QObject *)
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    SpeedButtonXID->click();
}

void TFormMain::SpeedButtonXIDClick(QObject *)
{
    NewRandomXID();
}

void TFormMain::EditURLKeyDown(QObject *, Word &Key, Qt::KeyboardModifiers)
{
    if (Key == kVK_RETURN)
        ButtonGO->click();
}

void TFormMain::NewRandomXID()
{
    const std::string text = GenerateXidText(XidSeed(clock_.UtcTimeOfDay()));
    MaskEditXID->SetFieldText(QString::fromStdString(text));
}

// --- NavigationHost ---------------------------------------------------------

std::string TFormMain::XidFieldText() const { return MaskEditXID->FieldText().toStdString(); }
std::string TFormMain::LanguageTag() const { return ComboBoxLang->currentText().toStdString(); }
std::string TFormMain::AddressText() const { return EditURL->text().toStdString(); }
void TFormMain::SetAddressText(const std::string &address) { EditURL->setText(QString::fromStdString(address)); }
void TFormMain::SetHourglassCursor() { quorlane::SetHourglassCursor(); }
void TFormMain::SetDefaultCursor() { quorlane::SetDefaultCursor(); }

} // namespace quorlane
