#pragma once

#include <QHash>

#include <optional>

// A rectangle of cells, 0-based; -1 in a column or row means all of them.
struct GridBlock
{
    int col1 = -1;
    int row1 = -1;
    int col2 = -1;
    int row2 = -1;
};

// One cell attribute (lock, colour, border) stored sparsely. A block may name single
// cells, whole rows, whole columns or the whole grid; each setting carries a sequence
// number and the latest setting that covers a cell wins, exactly as if every cell of the
// block had been set one by one. A whole column of a 100 000-row grid is one entry.
template<typename T>
class GridLayer
{
public:
    bool isEmpty() const
    {
        return !m_all && m_cols.isEmpty() && m_rows.isEmpty() && m_cells.isEmpty();
    }

    std::optional<T> at(int row, int col) const
    {
        if (isEmpty())
            return std::nullopt;
        const Entry *best = m_all ? &*m_all : nullptr;
        auto consider = [&best](const Entry *e) {
            if (e && (!best || e->seq > best->seq))
                best = e;
        };
        if (!m_cols.isEmpty())
            consider(find(m_cols, col));
        if (!m_rows.isEmpty())
            consider(find(m_rows, row));
        if (!m_cells.isEmpty())
            consider(find(m_cells, key(row, col)));
        if (!best)
            return std::nullopt;
        return best->value;
    }

    // block must be normalised: -1 or a valid range with col1 <= col2, row1 <= row2.
    void set(const GridBlock &b, int rowCount, int colCount, const T &value)
    {
        const Entry e {value, ++m_seq};
        // A range that spans the whole grid is stored as "all", which keeps it small.
        const bool allRows = b.row1 < 0 || (b.row1 == 0 && b.row2 >= rowCount - 1);
        const bool allCols = b.col1 < 0 || (b.col1 == 0 && b.col2 >= colCount - 1);
        if (allRows && allCols) {
            m_all = e;
            m_cols.clear();
            m_rows.clear();
            m_cells.clear();
        } else if (allRows) {
            for (int c = b.col1; c <= b.col2; ++c)
                m_cols.insert(c, e);
        } else if (allCols) {
            for (int r = b.row1; r <= b.row2; ++r)
                m_rows.insert(r, e);
        } else {
            for (int r = b.row1; r <= b.row2; ++r) {
                for (int c = b.col1; c <= b.col2; ++c)
                    m_cells.insert(key(r, c), e);
            }
        }
    }

    // The rows below `row` move up by one; the settings of `row` itself are gone.
    void removeRow(int row)
    {
        if (!m_rows.isEmpty()) {
            QHash<int, Entry> moved;
            moved.reserve(m_rows.size());
            for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
                if (it.key() != row)
                    moved.insert(it.key() > row ? it.key() - 1 : it.key(), it.value());
            }
            m_rows = std::move(moved);
        }
        if (!m_cells.isEmpty()) {
            QHash<quint64, Entry> moved;
            moved.reserve(m_cells.size());
            for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
                const int r = int(it.key() >> 32);
                const int c = int(it.key() & 0xffffffffu);
                if (r != row)
                    moved.insert(key(r > row ? r - 1 : r, c), it.value());
            }
            m_cells = std::move(moved);
        }
    }

    // Drops what lies beyond a grid shrunk to rows x cols.
    void truncate(int rows, int cols)
    {
        m_cols.removeIf([cols](const auto &it) { return it.key() >= cols; });
        m_rows.removeIf([rows](const auto &it) { return it.key() >= rows; });
        m_cells.removeIf([rows, cols](const auto &it) {
            return int(it.key() >> 32) >= rows || int(it.key() & 0xffffffffu) >= cols;
        });
    }

private:
    struct Entry
    {
        T value;
        quint64 seq;
    };

    static quint64 key(int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); }
    template<typename K>
    static const Entry *find(const QHash<K, Entry> &hash, K k)
    {
        const auto it = hash.constFind(k);
        return it == hash.cend() ? nullptr : &it.value();
    }

    std::optional<Entry> m_all;
    QHash<int, Entry> m_cols;
    QHash<int, Entry> m_rows;
    QHash<quint64, Entry> m_cells;
    quint64 m_seq = 0;
};
