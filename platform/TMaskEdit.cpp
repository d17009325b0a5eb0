#include "TMaskEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace quorlane {
namespace {

constexpr QChar kBlank = u'_';

// Focus that moves because another window came or went is no entering or
// leaving of the field.
bool MovedWithinWindow(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TMaskEdit::TMaskEdit(int positions, ErrorDisplay &errors, QWidget *parent)
    : QLineEdit(parent)
    , positions_(positions)
    , errors_(errors)
{
    setInputMask(QStringLiteral(">") + QString(positions, u'N') + QStringLiteral(";") + kBlank);
    restoreText_ = FieldText();
    connect(this, &QLineEdit::textEdited, this, [this] { modified_ = true; });
}

QString TMaskEdit::FieldText() const
{
    QString shown = displayText().left(positions_);
    shown.replace(kBlank, u' ');
    return shown.leftJustified(positions_, u' ');
}

void TMaskEdit::SetFieldText(const QString &text)
{
    PutPositions(text.left(positions_));
    restoreText_ = FieldText();
    modified_ = false;
}

void TMaskEdit::PutPositions(const QString &text)
{
    // The mask places characters position by position; a space stands for an empty one.
    QString masked = text.leftJustified(positions_, u' ');
    masked.replace(u' ', kBlank);
    const int caret = cursorPosition();
    setText(masked);
    setCursorPosition(caret);
}

int TMaskEdit::FirstEmptyPosition() const
{
    const QString text = FieldText();
    const auto index = text.indexOf(u' ');
    return static_cast<int>(index);
}

void TMaskEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        PutPositions(restoreText_);
        modified_ = false;
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && IncompleteAfterEdit()) {
        RejectIncompleteEntry();
        return;
    }
    const QString typed = event->text();
    const bool commandKey = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!commandKey && typed.size() == 1 && typed.at(0).isPrint() && !typed.at(0).isLetterOrNumber()) {
        QApplication::beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TMaskEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (retakingFocus_)
        retakingFocus_ = false;
    else if (MovedWithinWindow(event->reason()))
        restoreText_ = FieldText();
}

void TMaskEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!MovedWithinWindow(event->reason()) || !IncompleteAfterEdit())
        return;
    // The focus is taken back once the move that took it has finished.
    retakingFocus_ = true;
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            retakingFocus_ = false;
        else
            setFocus(Qt::OtherFocusReason);
        RejectIncompleteEntry();
    });
}

void TMaskEdit::RejectIncompleteEntry()
{
    QApplication::beep();
    const int empty = FirstEmptyPosition();
    setCursorPosition(empty >= 0 ? empty : 0);
    ReportException(errors_, kIncompleteEntryMessage, ReportTiming::Now);
}

} // namespace quorlane
