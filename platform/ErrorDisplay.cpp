#include "ErrorDisplay.h"

#include "core/ErrorMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace quorlane {

void MessageBoxErrorDisplay::Show(const std::string &text)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void MessageBoxErrorDisplay::ShowLater(const std::string &text)
{
    QTimer::singleShot(0, qApp, [text] { MessageBoxErrorDisplay().Show(text); });
}

void ReportException(ErrorDisplay &display, const std::string &message, ReportTiming timing)
{
    const std::string text = ErrorBoxText(message);
    if (timing == ReportTiming::Now)
        display.Show(text);
    else
        display.ShowLater(text);
}

} // namespace quorlane
