// The main window on the offscreen platform: its controls, layout, read-out,
// XID button, error display and keyboard entry.
#include "FormFixture.h"

#include "core/Xid.h"
#include "platform/ErrorDisplay.h"
#include "platform/ScreenCursor.h"
#include "platform/TMaskEdit.h"
#include "ui/LayoutFit.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWebEngineView>

namespace quorlane {
namespace {

using test::FormFixture;
using Strings = std::vector<std::string>;

const std::string kXidMessage = "XID must be a 12 hexadecimal character string!";

QRect Geometry(const Rect &r) { return {r.left, r.top, r.width, r.height}; }

class FormMainTest : public FormFixture {};

TEST_F(FormMainTest, ControlsHaveTheirParentsCaptionsAndInitialValues)
{
    CreateForm();
    EXPECT_EQ(form->windowTitle(), "Quorlane Simulator");
    EXPECT_EQ(form->ButtonBack->text(), "Back");
    EXPECT_EQ(form->ButtonForward->text(), "Forward");
    EXPECT_EQ(form->ButtonGO->text(), "GO!");
    EXPECT_EQ(form->EditURL->text(), "http://");
    EXPECT_EQ(form->GroupBox1->title(), "Screen");
    EXPECT_EQ(form->Label1->text(), "URL:");
    EXPECT_EQ(form->Label2->text(), "Height:");
    EXPECT_EQ(form->Label3->text(), "Width:");
    EXPECT_EQ(form->Label4->text(), "XID:");
    EXPECT_EQ(form->Label5->text(), "(12 hex chars)");
    EXPECT_EQ(form->Label6->text(), "Lang:");

    for (QWidget *w : std::initializer_list<QWidget *>{form->ButtonBack, form->ButtonForward, form->ButtonGO,
                                                       form->EditURL, form->MaskEditXID, form->GroupBox1,
                                                       form->ComboBoxLang, form->SpeedButtonXID, form->Label1,
                                                       form->Label4, form->Label5, form->Label6}) {
        EXPECT_EQ(w->parentWidget(), form->PanelBottom) << w->metaObject()->className();
        EXPECT_TRUE(w->isEnabled());
        EXPECT_TRUE(w->isVisible());
    }
    for (QLabel *l : {form->LabelHeight, form->LabelWidth, form->Label2, form->Label3})
        EXPECT_EQ(l->parentWidget(), form->GroupBox1);
    EXPECT_EQ(form->WebBrowser->parentWidget(), form->PanelBottom->parentWidget());

    QStringList items;
    for (int i = 0; i < form->ComboBoxLang->count(); ++i)
        items << form->ComboBoxLang->itemText(i);
    EXPECT_EQ(items, (QStringList{"en-us", "fr-be", "fr", "nl", "nl-be", "zu"}));
    EXPECT_EQ(form->ComboBoxLang->currentIndex(), 0);
    EXPECT_FALSE(form->ComboBoxLang->isEditable());
    EXPECT_FALSE(form->WebBrowser->Page()->url().isValid() && !form->WebBrowser->Page()->url().isEmpty());
}

TEST_F(FormMainTest, WindowFrameHasNoMaximiseBoxAndNoDefaultButton)
{
    CreateForm();
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    for (QPushButton *b : {form->ButtonBack, form->ButtonForward, form->ButtonGO}) {
        EXPECT_FALSE(b->isDefault());
        EXPECT_FALSE(b->autoDefault());
    }
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->windowIcon().availableSizes().value(0), QSize(32, 32));
}

TEST_F(FormMainTest, TabOrderRunsThroughThePanelThenThePane)
{
    CreateForm();
    const std::vector<QWidget *> expected = {form->ButtonBack,   form->ButtonForward, form->EditURL,
                                             form->MaskEditXID,  form->ComboBoxLang,  form->ButtonGO,
                                             form->WebBrowser->View()};
    QWidget *w = form->ButtonBack;
    for (std::size_t i = 1; i < expected.size(); ++i) {
        do {
            w = w->nextInFocusChain();
        } while (w != expected[i] && !(w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w, expected[i]) << "position " << i << " is " << w->metaObject()->className();
    }
    EXPECT_EQ(form->SpeedButtonXID->focusPolicy(), Qt::NoFocus);
}

TEST_F(FormMainTest, DesignSizePlacesEveryControlAsDesigned)
{
    CreateForm();
    ASSERT_EQ(form->size(), QSize(192, 372));
    EXPECT_EQ(form->WebBrowser->geometry(), QRect(0, 0, 192, 176));
    EXPECT_EQ(form->PanelBottom->geometry(), QRect(0, 176, 192, 196));
    EXPECT_EQ(form->EditURL->geometry(), QRect(26, 40, 165, 21));
    EXPECT_EQ(form->ButtonGO->geometry(), QRect(0, 114, 191, 25));
    EXPECT_EQ(form->ButtonForward->geometry(), QRect(136, 8, 56, 25));
    EXPECT_EQ(form->GroupBox1->geometry(), QRect(0, 142, 192, 54));
    EXPECT_EQ(form->ButtonBack->geometry(), Geometry(design::ButtonBack));
    EXPECT_EQ(form->MaskEditXID->geometry(), Geometry(design::MaskEditXID));
    EXPECT_EQ(form->ComboBoxLang->geometry(), Geometry(design::ComboBoxLang));
    EXPECT_EQ(form->SpeedButtonXID->geometry(), Geometry(design::SpeedButtonXID));
    EXPECT_EQ(form->Label5->geometry(), Geometry(design::Label5));
}

TEST_F(FormMainTest, ScreenReadOutShowsThePaneSizeBeforeFirstDisplayAndFollowsResizes)
{
    CreateForm(false);
    EXPECT_EQ(form->LabelHeight->text(), "176");
    EXPECT_EQ(form->LabelWidth->text(), "192");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    struct Case {
        QSize client;
        QString height, width;
        bool scrollBar;
    };
    auto *bar = form->findChild<QScrollArea *>()->verticalScrollBar();
    const int barWidth = form->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const Case cases[] = {
        {{240, 372}, "176", "240", false},
        {{240, 500}, "304", "240", false},
        {{240, 150}, "0", QString::number(240 - barWidth), true},
        {{240, 196}, "0", "240", false},
        {{192, 372}, "176", "192", false},
    };
    for (const auto &c : cases) {
        form->resize(c.client);
        QTest::qWait(0);
        EXPECT_EQ(form->LabelHeight->text(), c.height) << c.client.height();
        EXPECT_EQ(form->LabelWidth->text(), c.width) << c.client.height();
        EXPECT_EQ(bar->isVisible(), c.scrollBar) << c.client.height();
        EXPECT_EQ(form->WebBrowser->height(), c.height.toInt());
    }
}

TEST_F(FormMainTest, FirstXidComesFromTheClockAndIsValid)
{
    clock.time = {12, 34, 56, 789};
    CreateForm();
    const std::string expected = FirstXidPositions(GenerateXidText(XidSeed(clock.time)));
    EXPECT_EQ(form->XidFieldText(), expected);
    EXPECT_NO_THROW(ValidateXID(form->XidFieldText()));
}

TEST_F(FormMainTest, XidButtonReplacesAnyFieldTextWithoutAMessageOrFocusChange)
{
    CreateForm();
    form->MaskEditXID->setFocus();
    form->MaskEditXID->setCursorPosition(0);
    QTest::keyClicks(form->MaskEditXID, "zz");
    form->MaskEditXID->setCursorPosition(5);
    QTest::keyClick(form->MaskEditXID, Qt::Key_Delete); // incomplete and invalid now
    clock.time = {1, 2, 3, 4};
    QTest::mouseClick(form->SpeedButtonXID, Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_EQ(form->XidFieldText(), FirstXidPositions(GenerateXidText(XidSeed(clock.time))));
    EXPECT_TRUE(form->MaskEditXID->hasFocus());
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(FormMainTest, XidButtonNeverShowsItsHint)
{
    CreateForm();
    EXPECT_EQ(form->SpeedButtonXID->toolTip(), "Generate new random XID");
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), form->SpeedButtonXID->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form->SpeedButtonXID, &tip);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(FormMainTest, AtStartTheAddressBoxHasTheFocusWithTheCaretAfterThePrefix)
{
    CreateForm();
    EXPECT_TRUE(form->EditURL->hasFocus());
    EXPECT_EQ(form->EditURL->cursorPosition(), 7);
    EXPECT_FALSE(form->EditURL->hasSelectedText());
    QTest::keyClicks(form->EditURL, "example.test/");
    EXPECT_EQ(form->EditURL->text(), "http://example.test/");
    EXPECT_NE(form->EditURL->completer(), nullptr); // completion attached at show
}

TEST_F(FormMainTest, GoWithAnInvalidXidShowsTheMessageOnceAndRestoresTheCursor)
{
    CreateForm();
    form->MaskEditXID->SetFieldText("0123456789AG");
    QTest::mouseClick(form->ButtonGO, Qt::LeftButton);
    EXPECT_EQ(errors.shown, Strings{kXidMessage});
    EXPECT_FALSE(IsHourglassCursor());
}

TEST_F(FormMainTest, EnterInTheAddressBoxRunsGoOncePerKeyDownWhateverTheModifiers)
{
    CreateForm();
    form->MaskEditXID->SetFieldText("ABC");
    QTest::keyClick(form->EditURL, Qt::Key_Return);
    QTest::keyClick(form->EditURL, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(form->EditURL, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(form->EditURL, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(form->EditURL, Qt::Key_Return, Qt::AltModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(form->EditURL, &repeat);
    EXPECT_EQ(errors.shown, Strings(6, kXidMessage));

    errors.shown.clear();
    QTest::keyClick(form->EditURL, Qt::Key_A);
    QTest::keyClick(form->EditURL, Qt::Key_Escape);
    EXPECT_TRUE(errors.shown.empty());
    EXPECT_EQ(form->EditURL->text(), "http://a");
}

TEST_F(FormMainTest, BackAtTheStartOfHistoryDisablesBackSilently)
{
    CreateForm();
    QTest::mouseClick(form->ButtonBack, Qt::LeftButton);
    EXPECT_FALSE(form->ButtonBack->isEnabled());
    EXPECT_TRUE(form->ButtonForward->isEnabled());
    QTest::mouseClick(form->ButtonForward, Qt::LeftButton);
    EXPECT_FALSE(form->ButtonForward->isEnabled());
    EXPECT_TRUE(errors.All().empty());

    // Both disabled is final: further pages loaded by GO change nothing.
    form->EditURL->setText("about:blank");
    QTest::mouseClick(form->ButtonGO, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return form->WebBrowser->Page()->url() == QUrl("about:blank") && !form->WebBrowser->Page()->isLoading();
    }));
    QTest::mouseClick(form->ButtonBack, Qt::LeftButton);
    EXPECT_FALSE(form->ButtonBack->isEnabled());
    EXPECT_FALSE(form->ButtonForward->isEnabled());
    EXPECT_TRUE(errors.All().empty());
}

TEST(ErrorBoxTest, IsACriticalApplicationModalBoxTitledWithTheApplicationTitle)
{
    MessageBoxErrorDisplay display;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        modality = box->windowModality();
        buttons = box->standardButtons();
        box->accept();
    });
    ReportException(display, "Something failed", ReportTiming::Now);
    EXPECT_EQ(title, "Quorlane Simulator");
    EXPECT_EQ(text, "Something failed.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

} // namespace
} // namespace quorlane
