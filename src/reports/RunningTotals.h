#pragma once

#include <QHash>

// Remembers each runningSum() of a report as the layout walks the records in order, so a
// running balance costs one addition per record instead of a sum from the start.
class RunningTotals
{
public:
    struct Entry
    {
        int row = -1;
        double sum = 0;
    };

    Entry get(const void *key) const { return m_entries.value(key); }
    void set(const void *key, Entry entry) { m_entries.insert(key, entry); }
    void clear() { m_entries.clear(); }

private:
    QHash<const void *, Entry> m_entries;
};
