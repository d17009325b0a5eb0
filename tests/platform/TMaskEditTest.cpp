#include "platform/TMaskEdit.h"

#include "support/Doubles.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace quorlane {
namespace {

// The field in a window beside another control to move the focus to.
class MaskEditTest : public ::testing::Test {
protected:
    MaskEditTest()
    {
        auto *layout = new QVBoxLayout(&window);
        field = new TMaskEdit(12, errors, &window);
        other = new QLineEdit(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus(Qt::TabFocusReason);
        field->setCursorPosition(0);
    }

    void Type(const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(field, key, modifiers);
    }

    test::RecordingErrorDisplay errors;
    QWidget window;
    TMaskEdit *field = nullptr;
    QLineEdit *other = nullptr;
};

const std::string kIncomplete = "Invalid input value.  Use escape key to abandon changes.";

TEST_F(MaskEditTest, StartsAsTwelveEmptyPositionsShownAsBlanks)
{
    EXPECT_EQ(field->FieldText(), QString(12, u' '));
    EXPECT_EQ(field->displayText(), QString(12, u'_'));
}

TEST_F(MaskEditTest, TypedLettersBecomeUpperCaseAndOtherCharactersAreRefused)
{
    Type(QStringLiteral("ab-c d!1\u00e9z"));
    EXPECT_EQ(field->FieldText(), QStringLiteral("ABCD1\u00c9Z     "));
}

TEST_F(MaskEditTest, ReadsTwelveCharactersWithEmptyPositionsAsSpaces)
{
    Type(QStringLiteral("ABC"));
    EXPECT_EQ(field->FieldText(), QStringLiteral("ABC         "));
    EXPECT_EQ(field->FieldText().size(), 12);
}

TEST_F(MaskEditTest, TypingReplacesThePositionAtTheCaret)
{
    field->SetFieldText(QStringLiteral("0123456789AB"));
    field->setCursorPosition(4);
    Type(QStringLiteral("ff"));
    EXPECT_EQ(field->FieldText(), QStringLiteral("0123FF6789AB"));
}

TEST_F(MaskEditTest, DeleteAndBackspaceEmptyPositionsWithoutShifting)
{
    field->SetFieldText(QStringLiteral("0123456789AB"));
    field->setCursorPosition(2);
    Key(Qt::Key_Delete);
    EXPECT_EQ(field->FieldText(), QStringLiteral("01 3456789AB"));
    field->setCursorPosition(6);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(field->FieldText(), QStringLiteral("01 34 6789AB"));
    field->setSelection(8, 3);
    Key(Qt::Key_Delete);
    EXPECT_EQ(field->FieldText(), QStringLiteral("01 34 67   B"));
}

TEST_F(MaskEditTest, PasteFillsFromTheCaretAndDropsTheOverflow)
{
    field->SetFieldText(QStringLiteral("000000000000"));
    field->setCursorPosition(8);
    QGuiApplication::clipboard()->setText(QStringLiteral("abcdefgh"));
    field->paste();
    EXPECT_EQ(field->FieldText(), QStringLiteral("00000000ABCD"));
}

TEST_F(MaskEditTest, ProgramSetKeepsTheFirstTwelveCharactersAndRunsNoTest)
{
    field->SetFieldText(QStringLiteral("7FCE43AEEC79B5B"));
    EXPECT_EQ(field->FieldText(), QStringLiteral("7FCE43AEEC79"));
    field->SetFieldText(QStringLiteral("ABC"));
    EXPECT_EQ(field->FieldText(), QStringLiteral("ABC         "));
    other->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(MaskEditTest, EscapeRestoresTheTextOfTheLastFocusIn)
{
    field->SetFieldText(QStringLiteral("0123456789AB"));
    other->setFocus(Qt::TabFocusReason);
    field->setFocus(Qt::TabFocusReason);
    field->setCursorPosition(0);
    Type(QStringLiteral("FF"));
    field->setCursorPosition(5);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Escape);
    EXPECT_EQ(field->FieldText(), QStringLiteral("0123456789AB"));
    EXPECT_FALSE(field->Modified());
}

TEST_F(MaskEditTest, EscapeRestoresTheTextOfTheLastProgramSet)
{
    Type(QStringLiteral("1234"));
    field->SetFieldText(QStringLiteral("AAAAAAAAAAAA"));
    field->setCursorPosition(0);
    Type(QStringLiteral("BB"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(field->FieldText(), QStringLiteral("AAAAAAAAAAAA"));
}

TEST_F(MaskEditTest, EnterInAnIncompleteEditedFieldRaisesAndPutsTheCaretOnTheFirstEmptyPosition)
{
    Type(QStringLiteral("ABC"));
    Key(Qt::Key_Return);
    EXPECT_EQ(errors.shown, std::vector<std::string>{kIncomplete});
    EXPECT_EQ(field->cursorPosition(), 3);
    EXPECT_TRUE(field->hasFocus());
}

TEST_F(MaskEditTest, LeavingAnIncompleteEditedFieldRaisesAndTakesTheFocusBack)
{
    field->SetFieldText(QStringLiteral("0123456789AB"));
    field->setCursorPosition(7);
    Key(Qt::Key_Delete);
    other->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.shown.empty(); }));
    EXPECT_EQ(errors.shown, std::vector<std::string>{kIncomplete});
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->cursorPosition(), 7);
    // Taking the focus back did not renew the text Escape restores.
    Key(Qt::Key_Escape);
    EXPECT_EQ(field->FieldText(), QStringLiteral("0123456789AB"));
}

TEST_F(MaskEditTest, CompleteOrUneditedFieldsPassWhateverTheirCharacters)
{
    Type(QStringLiteral("GGGGGGGGGGGG")); // complete, though no XID
    Key(Qt::Key_Return);
    other->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    EXPECT_TRUE(errors.All().empty());
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(MaskEditTest, ProgramSetWhileEditingReplacesTheTextWithoutTheTest)
{
    Type(QStringLiteral("AB"));
    field->SetFieldText(QStringLiteral("0123456789AB")); // the generate button does this, keeping the focus
    other->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    EXPECT_TRUE(errors.All().empty());
    EXPECT_EQ(field->FieldText(), QStringLiteral("0123456789AB"));
}

} // namespace
} // namespace quorlane
