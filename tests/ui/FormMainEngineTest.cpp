// The whole window with the real engine against a loopback server: what the
// controls send, history stepping and completion, as a person would use them.
#include "FormFixture.h"

#include "platform/TMaskEdit.h"
#include "platform/UrlHistory.h"
#include "support/EngineHarness.h"
#include "support/TestHttpServer.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace quorlane {
namespace {

using test::WaitUntil;

std::string Page(const std::string &title, const std::string &link = "")
{
    std::string body = "<html><head><title>" + title + "</title></head><body style='margin:0'>";
    if (!link.empty())
        body += "<a id='link' href='" + link + "' style='display:block;width:150px;height:60px'>link</a>";
    return body + "</body></html>";
}

class FormMainEngineTest : public test::FormFixture {
protected:
    void SetUp() override
    {
        UrlHistory::Instance().Clear();
        CreateForm();
    }

    void TypeAddressAndPressEnter(const std::string &path)
    {
        form->EditURL->setFocus();
        form->EditURL->setText("http://");
        form->EditURL->setCursorPosition(7);
        QTest::keyClicks(form->EditURL, QString::fromStdString(server.Url(path).substr(7)));
        QTest::keyClick(form->EditURL, Qt::Key_Return);
    }

    // The page titled with its path has loaded and the address box shows its address.
    bool ShowsAddress(const std::string &path)
    {
        const QString url = QString::fromStdString(server.Url(path));
        const QString title = QString::fromStdString(path);
        return WaitUntil([&] {
            return form->EditURL->text() == url && form->WebBrowser->Page()->title() == title
                && !form->WebBrowser->Page()->isLoading();
        });
    }

    test::TestHttpServer server;
};

TEST_F(FormMainEngineTest, TypedAddressAndEnterSendTheBlockFromTheWindowsControls)
{
    server.Page("/typed", Page("/typed"));
    form->ComboBoxLang->setCurrentIndex(4);
    const std::string xid = form->XidFieldText();

    TypeAddressAndPressEnter("/typed");
    ASSERT_TRUE(WaitUntil([&] { return !server.RequestsTo("/typed").empty(); }));
    ASSERT_TRUE(ShowsAddress("/typed"));
    const auto requests = server.RequestsTo("/typed");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Header("X-XID"), xid);
    EXPECT_EQ(requests[0].Header("Accept-Language"), "nl-be");
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(FormMainEngineTest, NewXidAndLanguageApplyToTheNextLinkOnly)
{
    server.Page("/start", Page("/start", "/next"));
    server.Page("/next", Page("/next"));
    const std::string firstXid = form->XidFieldText();
    TypeAddressAndPressEnter("/start");
    ASSERT_TRUE(ShowsAddress("/start"));

    clock.time = {3, 4, 5, 6};
    QTest::mouseClick(form->SpeedButtonXID, Qt::LeftButton);
    const std::string secondXid = form->XidFieldText();
    ASSERT_NE(secondXid, firstXid);
    form->ComboBoxLang->setCurrentIndex(5);

    test::ClickElement(*form->WebBrowser, "link");
    ASSERT_TRUE(ShowsAddress("/next"));
    EXPECT_EQ(server.RequestsTo("/start")[0].Header("X-XID"), firstXid);
    EXPECT_EQ(server.RequestsTo("/start")[0].Header("Accept-Language"), "en-us");
    ASSERT_EQ(server.RequestsTo("/next").size(), 1u);
    EXPECT_EQ(server.RequestsTo("/next")[0].Header("X-XID"), secondXid);
    EXPECT_EQ(server.RequestsTo("/next")[0].Header("Accept-Language"), "zu");
}

TEST_F(FormMainEngineTest, BackAndForwardStepThroughThreePages)
{
    for (const std::string path : {"/p1", "/p2", "/p3"})
        server.Page(path, Page(path));
    for (const std::string path : {"/p1", "/p2", "/p3"}) {
        TypeAddressAndPressEnter(path);
        ASSERT_TRUE(ShowsAddress(path));
    }

    QTest::mouseClick(form->ButtonBack, Qt::LeftButton);
    ASSERT_TRUE(ShowsAddress("/p2"));
    QTest::mouseClick(form->ButtonBack, Qt::LeftButton);
    ASSERT_TRUE(ShowsAddress("/p1"));
    QTest::mouseClick(form->ButtonForward, Qt::LeftButton);
    ASSERT_TRUE(ShowsAddress("/p2"));
    EXPECT_EQ(form->WebBrowser->Page()->url().toString().toStdString(), server.Url("/p2"));
    EXPECT_TRUE(form->ButtonBack->isEnabled());
    EXPECT_TRUE(form->ButtonForward->isEnabled());

    // Every page request carried the block; the favicon, a sub-resource, never does.
    for (const auto &request : server.Requests()) {
        const bool page = request.path.rfind("/p", 0) == 0;
        EXPECT_EQ(request.Header("X-XID"), page ? form->XidFieldText() : "") << request.path;
    }

    // Back beyond the first page fails silently and disables Back only.
    QTest::mouseClick(form->ButtonBack, Qt::LeftButton);
    ASSERT_TRUE(ShowsAddress("/p1"));
    QTest::mouseClick(form->ButtonBack, Qt::LeftButton);
    EXPECT_FALSE(form->ButtonBack->isEnabled());
    EXPECT_TRUE(form->ButtonForward->isEnabled());
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(FormMainEngineTest, AddressesOfThisRunAreOfferedForCompletion)
{
    server.Page("/visited/page", Page("/visited/page"));
    TypeAddressAndPressEnter("/visited/page");
    ASSERT_TRUE(ShowsAddress("/visited/page"));

    QCompleter *completer = form->EditURL->completer();
    ASSERT_NE(completer, nullptr);
    completer->setCompletionPrefix(QString::fromStdString(server.Origin() + "/vis"));
    EXPECT_EQ(completer->completionCount(), 1);
    EXPECT_EQ(completer->currentCompletion().toStdString(), server.Url("/visited/page"));
}

TEST_F(FormMainEngineTest, TypedXidsOfOtherLettersAreRefusedWhenUsedAndNothingIsSent)
{
    server.Page("/never", Page("/never"));
    form->EditURL->setText(QString::fromStdString(server.Url("/never")));
    for (const QString &typed : {QStringLiteral("GHIJKLMNOPQR"), QStringLiteral("\u00e9\u00e8\u00e0\u00fc0123456789")}) {
        errors.shown.clear();
        form->MaskEditXID->setFocus();
        form->MaskEditXID->setCursorPosition(0);
        for (const QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(form->MaskEditXID, &press);
        }
        ASSERT_EQ(form->MaskEditXID->FieldText(), typed.left(12).toUpper()); // the field takes them
        QTest::mouseClick(form->ButtonGO, Qt::LeftButton);
        EXPECT_EQ(errors.shown, std::vector<std::string>{"XID must be a 12 hexadecimal character string!"});
    }
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(FormMainEngineTest, AnEmptyAddressGivesAClearErrorAndSendsNothing)
{
    form->EditURL->clear();
    QTest::keyClick(form->EditURL, Qt::Key_Return);
    EXPECT_EQ(errors.shown, std::vector<std::string>{"No address was given."});
    EXPECT_TRUE(server.Requests().empty());
}

} // namespace
} // namespace quorlane
