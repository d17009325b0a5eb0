#pragma once

#include "ErrorDisplay.h"

#include <QLineEdit>

namespace quorlane {

inline constexpr char kIncompleteEntryMessage[] = "Invalid input value.  Use escape key to abandon changes";

// A masked entry field of fixed positions, each taking one letter or digit,
// shown as "_" while empty. Letters become upper case; other characters are
// refused with a beep. Deleting empties positions without shifting the rest;
// Escape puts back the text held at the last focus-in or program set. Leaving
// the field, or pressing Enter in it, after an edit that left a position
// empty is refused with an error and the focus stays.
class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    TMaskEdit(int positions, ErrorDisplay &errors, QWidget *parent = nullptr);

    // One character per position, an empty position as a space.
    QString FieldText() const;
    // Sets the text as the program: the first positions are taken, the rest
    // dropped, a shorter text leaves its last positions empty. No test runs.
    void SetFieldText(const QString &text);
    bool Modified() const { return modified_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int FirstEmptyPosition() const;
    bool IncompleteAfterEdit() const { return modified_ && FirstEmptyPosition() >= 0; }
    void PutPositions(const QString &text);
    void RejectIncompleteEntry();

    const int positions_;
    ErrorDisplay &errors_;
    QString restoreText_;
    bool modified_ = false;
    bool retakingFocus_ = false;
};

} // namespace quorlane
