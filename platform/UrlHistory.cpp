#include "UrlHistory.h"

#include <QSet>

namespace quorlane {

UrlHistory &UrlHistory::Instance()
{
    static UrlHistory history;
    return history;
}

void UrlHistory::Add(Source source, const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return;
    entries_.removeIf([&](const Entry &e) { return e.source == source && e.address == trimmed; });
    entries_.append({source, trimmed});
    emit Changed();
}

QStringList UrlHistory::Addresses(unsigned flags) const
{
    QStringList result;
    QSet<QString> seen;
    for (auto it = entries_.crbegin(); it != entries_.crend(); ++it) {
        if ((flags & it->source) && !seen.contains(it->address)) {
            seen.insert(it->address);
            result.append(it->address);
        }
    }
    return result;
}

void UrlHistory::Clear()
{
    entries_.clear();
    emit Changed();
}

} // namespace quorlane
