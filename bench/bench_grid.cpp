// How long the grid takes to fill, bind, scroll and edit at 100 000 rows of 15 columns.
#include "BenchRun.h"
#include "Cursor.h"
#include "Database.h"
#include "Grid.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
constexpr int Rows = 100000;
constexpr int Cols = 15;

QList<QStringList> ledgerRows(int n)
{
    QList<QStringList> rows;
    rows.reserve(n);
    for (int r = 1; r <= n; ++r) {
        rows << QStringList {
                QStringLiteral("2005.03.07"), QStringLiteral("엔진오일 교환 %1").arg(r),
                QString::number(r * 10),      QStringLiteral("1"),
                QString::number(r * 10),      QString(),
                QString::number(r * 10),      QString(),
                QString::number(12000 + r),   QStringLiteral("김정비"),
                QString::number(r % 500),     QStringLiteral("0"),
                QString::number(r),           QStringLiteral("1"),
                QStringLiteral("5W30")};
    }
    return rows;
}

// A shown grid, as a screen has it.
struct ShownGrid
{
    ShownGrid()
        : grid(nullptr, QStringLiteral("vs3"), Cols, 1000)
    {
        for (int c = 3; c <= 9; ++c)
            grid.setNumberColumn(c);
        grid.setColumnHidden(11);
        grid.setColumnWidth(-1, 9);
        grid.view()->resize(1000, 600);
        grid.view()->show();
        QApplication::processEvents();
    }
    Grid grid;
};

void BM_FillRows(benchmark::State &state)
{
    ShownGrid shown;
    const QList<QStringList> rows = ledgerRows(Rows);
    for (auto _ : state) {
        shown.grid.setRows(rows);
        shown.grid.view()->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_FillRows)->Unit(benchmark::kMillisecond);

void BM_BindCursor(benchmark::State &state)
{
    QTemporaryDir dir;
    Database db(QStringLiteral("bench_grid"));
    db.openFile(dir.filePath(QStringLiteral("lines.db")), true);
    db.exec(QStringLiteral("create table lines (일자 text, 내용 text, 단가 integer, 수량 integer, "
                           "금액 integer, 코드 integer)"));
    db.exec(QStringLiteral("begin"));
    for (int r = 1; r <= Rows; ++r) {
        db.exec(QStringLiteral("insert into lines values ('2005.03.07', ?, ?, 1, ?, ?)"),
                {QStringLiteral("엔진오일 교환 %1").arg(r), r * 10, r * 10, r});
    }
    db.exec(QStringLiteral("commit"));
    auto query = db.query(QStringLiteral("select * from lines"));
    const Cursor cursor = Cursor::fromQuery(*query);

    ShownGrid shown;
    shown.grid.setDataFields({QStringLiteral("일자"), QStringLiteral("내용"),
                              QStringLiteral("단가"), QStringLiteral("수량"),
                              QStringLiteral("금액"), QString(), QString(), QString(), QString(),
                              QString(), QString(), QString(), QStringLiteral("코드")});
    for (auto _ : state) {
        shown.grid.bind(cursor);
        shown.grid.view()->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_BindCursor)->Unit(benchmark::kMillisecond);

// Jumping between the first and the last row and painting what is then visible.
void BM_ScrollToEnd(benchmark::State &state)
{
    ShownGrid shown;
    shown.grid.setRows(ledgerRows(Rows));
    bool end = false;
    for (auto _ : state) {
        end = !end;
        shown.grid.gotoCell(end ? Cols : 1, end ? Rows : 1);
        shown.grid.view()->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollToEnd)->Unit(benchmark::kMicrosecond);

// Page Down through a filled grid, painting each page.
void BM_PageDown(benchmark::State &state)
{
    ShownGrid shown;
    shown.grid.setRows(ledgerRows(Rows));
    const int page = 30;
    int row = 1;
    for (auto _ : state) {
        row = row + page > Rows ? 1 : row + page;
        shown.grid.gotoCell(2, row);
        shown.grid.view()->viewport()->repaint();
    }
}
BENCHMARK(BM_PageDown)->Unit(benchmark::kMicrosecond);

void BM_GotoCell(benchmark::State &state)
{
    ShownGrid shown;
    shown.grid.setRows(ledgerRows(Rows));
    int i = 0;
    for (auto _ : state) {
        i = (i * 7919 + 13) % Rows;
        shown.grid.gotoCell(1 + i % Cols, 1 + i);
    }
}
BENCHMARK(BM_GotoCell)->Unit(benchmark::kMicrosecond);

// Deleting the first row moves 99 999 rows up.
void BM_DeleteFirstRow(benchmark::State &state)
{
    ShownGrid shown;
    shown.grid.setRows(ledgerRows(Rows));
    shown.grid.setBackColor(1, 10, 10, 20, Qt::green);
    for (auto _ : state)
        shown.grid.deleteRow(1);
}
BENCHMARK(BM_DeleteFirstRow)->Unit(benchmark::kMicrosecond);

// Colouring and clearing blocks as the ledger does on each load (10 columns, 1000 rows).
void BM_ColourAndClearBlocks(benchmark::State &state)
{
    ShownGrid shown;
    shown.grid.setRows(ledgerRows(1000));
    for (auto _ : state) {
        shown.grid.clear(1, 1, 14, 1000);
        shown.grid.setBackColor(1, 1, 10, 1000, Qt::white);
        shown.grid.setBackColor(1, 5, 10, 5, QColor(192, 255, 192));
    }
}
BENCHMARK(BM_ColourAndClearBlocks)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char **argv)
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    return runRegisteredBenchmarks(argc, argv);
}
