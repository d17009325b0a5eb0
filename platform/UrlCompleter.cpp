#include "UrlCompleter.h"

#include "UrlHistory.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

namespace quorlane {

void AttachUrlCompleter(QLineEdit &edit, std::uint32_t flags)
{
    auto *completer = new QCompleter(&edit);
    auto *model = new QStringListModel(UrlHistory::Instance().Addresses(flags), completer);
    QObject::connect(&UrlHistory::Instance(), &UrlHistory::Changed, model,
                     [model, flags] { model->setStringList(UrlHistory::Instance().Addresses(flags)); });
    completer->setModel(model);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setModelSorting(QCompleter::UnsortedModel);

    QCompleter *previous = edit.completer();
    edit.setCompleter(completer);
    if (previous && previous->parent() == &edit)
        previous->deleteLater();
}

} // namespace quorlane
