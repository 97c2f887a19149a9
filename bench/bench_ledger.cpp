// The ledger on the demo shop (100 000 customers, 2 000 000 lines): finding a customer by a
// vehicle-number fragment, loading the fleet customer's 999 lines into the grid, and
// storing one line with its receivable summary.
#include "AppContext.h"
#include "CustomerStore.h"
#include "DemoShop.h"
#include "FrmLedger.h"
#include "Grid.h"
#include "LedgerStore.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "Settings.h"
#include "Stores.h"

#include "BenchRun.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Shop
{
    Shop()
        : stores(DataPaths::fromRoot(DemoShop::benchRoot()))
        , settings(settingsDir.path())
        , context{session, prompter, settings, stores}
    {
        session.paths = stores.paths();
        session.workDate = QStringLiteral("2026.12.11");
        if (!stores.openBase(prompter) || !stores.openMaintenance(prompter)
            || !stores.openPostal(prompter)) {
            qFatal("the demo shop does not open");
        }
        // A vehicle number in the middle of the table, searched by its last four digits.
        const QString vehicle =
                stores.base().scalar("SELECT 차량번호 FROM 고객 WHERE 고객코드 = 50000").toString();
        fragment = vehicle.right(4);
    }

    QTemporaryDir settingsDir;
    Session session;
    ScriptedPrompter prompter;
    Stores stores;
    Settings settings;
    AppContext context;
    QString fragment;
};

Shop &shop()
{
    static Shop s;
    return s;
}

void BM_SearchVehicleFragment(benchmark::State &state)
{
    CustomerStore customers(shop().stores);
    for (auto _ : state) {
        const auto found = customers.search(QStringLiteral("차량번호"), shop().fragment, 2);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchVehicleFragment)->Unit(benchmark::kMillisecond);

// A fragment nobody has: every vehicle number is looked at.
void BM_SearchVehicleNoMatch(benchmark::State &state)
{
    CustomerStore customers(shop().stores);
    for (auto _ : state) {
        const auto found = customers.search(QStringLiteral("차량번호"), QStringLiteral("없는번호"), 2);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchVehicleNoMatch)->Unit(benchmark::kMillisecond);

void BM_SearchNamePrefixWord(benchmark::State &state)
{
    CustomerStore customers(shop().stores);
    for (auto _ : state) {
        const auto found = customers.search(QStringLiteral("고객명"), QStringLiteral("김민"), 2);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchNamePrefixWord)->Unit(benchmark::kMillisecond);

void BM_LoadFleetCustomerIntoGrid(benchmark::State &state)
{
    Shop &s = shop();
    FrmLedger ledger(s.context);
    ledger.resize(1200, 800);
    ledger.show();
    s.session.curCustomerCode = 1; // the fleet customer: 999 lines
    for (auto _ : state) {
        ledger.lines()->데이타박기();
        QCoreApplication::processEvents(); // includes painting the rows in view
    }
    state.counters["rows"] = ledger.lines()->grid()->dataRowCount();
}
BENCHMARK(BM_LoadFleetCustomerIntoGrid)->Unit(benchmark::kMillisecond);

void BM_StoreLineWithSummary(benchmark::State &state)
{
    LedgerStore ledger(shop().stores);
    LedgerLine line;
    line.customer = 2;
    line.date = QStringLiteral("2026.12.11");
    line.text = QStringLiteral("엔진오일 교환");
    line.price = 35000;
    line.quantity = 1;
    line.amount = line.due = 35000;
    line.lineCode = ledger.insertLine(line);
    qint64 price = 35000;
    for (auto _ : state) {
        price = price == 35000 ? 36000 : 35000;
        line.price = line.amount = line.due = price;
        if (!ledger.updateLine(line))
            state.SkipWithError("the line was not stored");
    }
    ledger.deleteLine(line.lineCode, line.customer);
}
BENCHMARK(BM_StoreLineWithSummary)->Unit(benchmark::kMillisecond);

void BM_InsertLineWithSummary(benchmark::State &state)
{
    LedgerStore ledger(shop().stores);
    LedgerLine line;
    line.customer = 3;
    line.date = QStringLiteral("2026.12.11");
    line.text = QStringLiteral("와이퍼 블레이드");
    line.price = line.amount = line.due = 12000;
    line.quantity = 1;
    QList<qint64> added;
    for (auto _ : state)
        added << ledger.insertLine(line);
    for (qint64 code : added)
        ledger.deleteLine(code, line.customer);
}
BENCHMARK(BM_InsertLineWithSummary)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    return runRegisteredBenchmarks(argc, argv);
}
