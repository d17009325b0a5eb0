#include "ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace quorlane {

void SetHourglassCursor()
{
    SetDefaultCursor();
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void SetDefaultCursor()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool IsHourglassCursor()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace quorlane
