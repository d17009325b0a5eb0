#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace quorlane {

// This run's addresses, standing in for the system's URL history and its list
// of typed addresses, which the shell's completion reads. In memory only:
// nothing is ever written to disk.
class UrlHistory : public QObject {
    Q_OBJECT
public:
    enum Source : unsigned { Visited = 2, Typed = 4 }; // the completion flags that select them

    static UrlHistory &Instance();

    void Add(Source source, const QString &address);
    // Most recent first, each address once, from the sources selected by flags.
    QStringList Addresses(unsigned flags) const;
    void Clear();

signals:
    void Changed();

private:
    struct Entry {
        Source source;
        QString address;
    };
    QList<Entry> entries_; // oldest first
};

} // namespace quorlane
