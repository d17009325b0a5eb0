#pragma once

#include "browser/NavigationHost.h"
#include "browser/TWebBrowser.h"
#include "platform/VirtualKeys.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace quorlane {

class Clock;
class ErrorDisplay;
class TMaskEdit;
class UrlAutoComplete;

// The simulator's one window: the browser pane above a panel with Back,
// Forward, the address box, the XID field, the language list, the Screen
// read-out and GO!. Its controls hold all the program's working values.
class TFormMain : public QWidget, public NavigationHost {
    Q_OBJECT
public:
    TFormMain(ErrorDisplay &errors, const Clock &clock, UrlAutoComplete &autoComplete, QWidget *parent = nullptr);
    ~TFormMain() override;

    QFrame *PanelBottom;
    QPushButton *ButtonBack;
    QPushButton *ButtonGO;
    QPushButton *ButtonForward;
    QLineEdit *EditURL;
    TMaskEdit *MaskEditXID;
    QGroupBox *GroupBox1;
    QLabel *LabelHeight;
    QLabel *Label3;
    QLabel *Label2;
    QLabel *LabelWidth;
    TWebBrowser *WebBrowser;
    QLabel *Label1;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QComboBox *ComboBoxLang;
    QToolButton *SpeedButtonXID;

    void ButtonGOClick(QObject *Sender);
    void ButtonBackClick(QObject *Sender);
    void ButtonForwardClick(QObject *Sender);
    void FormResize(QObject *Sender);
    void WebBrowserBeforeNavigate2(QObject *Sender, IDispatch *pDisp, Variant &URL, Variant &Flags,
                                   Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                                   VARIANT_BOOL &Cancel);
    void WebBrowserNavigateComplete2(QObject *Sender, IDispatch *pDisp, Variant &URL);
    void FormShow(QObject *Sender);
    void FormCreate(QObject *Sender);
    void SpeedButtonXIDClick(QObject *Sender);
    void EditURLKeyDown(QObject *Sender, Word &Key, Qt::KeyboardModifiers Shift);

    // Puts a fresh XID, generated from the UTC time of day, into the XID field.
    void NewRandomXID();

    // NavigationHost: the controls' values at the moment of use.
    std::string XidFieldText() const override;
    std::string LanguageTag() const override;
    std::string AddressText() const override;
    void SetAddressText(const std::string &address) override;
    void SetHourglassCursor() override;
    void SetDefaultCursor() override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void SetTabOrder();
    void ConnectHandlers();
    void FitToClientArea();
    template <typename Handler>
    void Guarded(Handler &&handler);

    ErrorDisplay &errors_;
    const Clock &clock_;
    UrlAutoComplete &autoComplete_;
    QScrollArea *scroller_ = nullptr;
    QWidget *client_ = nullptr;
    bool shown_ = false;
};

// The application's one window, once start-up has created it.
extern TFormMain *FormMain;

} // namespace quorlane
