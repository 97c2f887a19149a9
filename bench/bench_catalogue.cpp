// How long the catalogue screens and the look-ups take to open, fill, filter and scroll on
// a full-size shop: 100 000 customers (DemoShop::benchRoot) and a catalogue of 20 000 items
// (generated here into a temporary root).
#include "AppContext.h"
#include "BenchRun.h"
#include "DemoShop.h"
#include "FrmAddress.h"
#include "FrmCodes.h"
#include "FrmCustomerPick.h"
#include "FrmCustomerPick2.h"
#include "FrmPartMaintenance.h"
#include "FrmPartPick.h"
#include "Grid.h"
#include "Prompter.h"
#include "Session.h"
#include "Settings.h"
#include "Stores.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Benchmarks answer nothing and show nothing.
class SilentPrompter : public Prompter
{
public:
    void beep() override { }
    void message(const QString &, const QString &, MsgIcon) override { }
    bool question(const QString &, const QString &, bool) override { return false; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    void notice(const QString &) override { }
};

// A running program on one data root: its session, stores and settings.
struct Shop
{
    explicit Shop(const QString &root)
        : settings(settingsDir.path())
        , stores(DataPaths::fromRoot(root))
        , context {session, prompter, settings, stores}
    {
        session.paths = stores.paths();
        ok = !root.isEmpty() && stores.openBase(prompter) && stores.openPostal(prompter);
    }
    QTemporaryDir settingsDir;
    Session session;
    SilentPrompter prompter;
    Settings settings;
    Stores stores;
    AppContext context;
    bool ok = false;
};

Shop &customers()
{
    static Shop shop(DemoShop::benchRoot());
    return shop;
}

// The 20 000-item catalogue, made once.
Shop &catalogue()
{
    static QTemporaryDir dir;
    static std::unique_ptr<Shop> shop;
    if (!shop) {
        DemoShop::Options options;
        options.parts = 20000;
        options.customers = 100;
        options.lines = 1000;
        const DemoShop::Result result = DemoShop::generate(dir.path(), options);
        if (!result.error.isEmpty())
            qWarning("catalogue shop: %s", qPrintable(result.error));
        shop = std::make_unique<Shop>(dir.path());
    }
    return *shop;
}

void paint(Grid *grid)
{
    grid->view()->viewport()->repaint();
}

template<typename Window>
void showAndPaint(Window &window, Grid *grid)
{
    window.show();
    QApplication::processEvents();
    paint(grid);
}

// --- Catalogue: 20 000 items --------------------------------------------------------------

// The menu opens the maintenance screen: the whole list, the first free row active.
void BM_PartsScreenOpen(benchmark::State &state)
{
    Shop &shop = catalogue();
    if (!shop.ok) {
        state.SkipWithError("no shop");
        return;
    }
    for (auto _ : state) {
        FrmPartMaintenance screen(shop.context, PartMaintenanceSetup::catalogue());
        showAndPaint(screen, screen.grid());
        benchmark::DoNotOptimize(screen.grid()->activeRow());
    }
    state.counters["rows"] = 20000;
}
BENCHMARK(BM_PartsScreenOpen)->Unit(benchmark::kMillisecond);

// Coming back to the screen fills it again.
void BM_PartsScreenRefill(benchmark::State &state)
{
    Shop &shop = catalogue();
    FrmPartMaintenance screen(shop.context, PartMaintenanceSetup::reference());
    showAndPaint(screen, screen.grid());
    for (auto _ : state) {
        screen.fill();
        paint(screen.grid());
    }
}
BENCHMARK(BM_PartsScreenRefill)->Unit(benchmark::kMillisecond);

// Scrolling: from the free row at the end to the top and back, painting each time.
void BM_PartsScreenJumpEnds(benchmark::State &state)
{
    Shop &shop = catalogue();
    FrmPartMaintenance screen(shop.context, PartMaintenanceSetup::catalogue());
    showAndPaint(screen, screen.grid());
    Grid *grid = screen.grid();
    const int last = grid->dataRowCount();
    bool top = false;
    for (auto _ : state) {
        top = !top;
        grid->gotoCell(1, top ? 1 : last);
        paint(grid);
    }
}
BENCHMARK(BM_PartsScreenJumpEnds)->Unit(benchmark::kMicrosecond);

// The pick-list of the ledger: the whole catalogue (empty search) or a typed beginning.
void BM_PartPickOpen(benchmark::State &state, const char *search)
{
    Shop &shop = catalogue();
    shop.session.lookupSearchText = QString::fromUtf8(search);
    int rows = 0;
    for (auto _ : state) {
        FrmPartPick pick(shop.context);
        pick.load();
        showAndPaint(pick, pick.grid());
        rows = pick.grid()->dataRowCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK_CAPTURE(BM_PartPickOpen, all, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PartPickOpen, prefix, "엔진오일")->Unit(benchmark::kMillisecond);

// --- Customers: 100 000 -------------------------------------------------------------------

// Opens a customer look-up window on the search the opener set, and paints it.
template<typename Pick>
void openCustomerLookup(benchmark::State &state, const char *kind, const char *text)
{
    Shop &shop = customers();
    if (!shop.ok) {
        state.SkipWithError("no shop");
        return;
    }
    int rows = 0;
    for (auto _ : state) {
        // The look-up empties the search when it closes; the opener sets it each time.
        shop.session.customerSearchKind = QString::fromUtf8(kind);
        shop.session.customerSearchText = QString::fromUtf8(text);
        Pick pick(shop.context);
        pick.load();
        showAndPaint(pick, pick.grid());
        rows = pick.grid()->dataRowCount();
    }
    state.counters["rows"] = rows;
}

void BM_CustomerPickOpen(benchmark::State &state, const char *kind, const char *text)
{
    openCustomerLookup<FrmCustomerPick>(state, kind, text);
}
BENCHMARK_CAPTURE(BM_CustomerPickOpen, every_customer, "", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickOpen, name_all, "고객명", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickOpen, name_prefix, "고객명", "김민")
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickOpen, vehicle_contains, "차량번호", "12")
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickOpen, mobile_contains, "휴대폰", "1234")
        ->Unit(benchmark::kMillisecond);

void BM_CustomerValuesOpen(benchmark::State &state, const char *kind, const char *text)
{
    openCustomerLookup<FrmCustomerPick2>(state, kind, text);
}
BENCHMARK_CAPTURE(BM_CustomerValuesOpen, company_all, "소속회사", "")
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerValuesOpen, vehicle_all, "차량번호", "")
        ->Unit(benchmark::kMillisecond);

// Page Down through the 100 000 customers of the look-up, painting each page.
void BM_CustomerPickPageDown(benchmark::State &state)
{
    Shop &shop = customers();
    if (!shop.ok) {
        state.SkipWithError("no shop");
        return;
    }
    shop.session.customerSearchKind = QStringLiteral("고객명");
    shop.session.customerSearchText.clear();
    FrmCustomerPick pick(shop.context);
    pick.load();
    showAndPaint(pick, pick.grid());
    Grid *grid = pick.grid();
    const int rows = grid->dataRowCount();
    int row = 1;
    for (auto _ : state) {
        row = row + 18 > rows ? 1 : row + 18;
        grid->gotoCell(1, row);
        paint(grid);
    }
}
BENCHMARK(BM_CustomerPickPageDown)->Unit(benchmark::kMicrosecond);

// --- Small lists --------------------------------------------------------------------------

void BM_CodesScreenOpen(benchmark::State &state)
{
    Shop &shop = customers();
    if (!shop.ok) {
        state.SkipWithError("no shop");
        return;
    }
    for (auto _ : state) {
        FrmCodes screen(shop.context);
        showAndPaint(screen, screen.grid());
    }
}
BENCHMARK(BM_CodesScreenOpen)->Unit(benchmark::kMillisecond);

void BM_AddressSearch(benchmark::State &state)
{
    Shop &shop = customers();
    if (!shop.ok) {
        state.SkipWithError("no shop");
        return;
    }
    shop.session.addressSearchText = QStringLiteral("동");
    shop.session.popupCaller = QStringLiteral("1");
    for (auto _ : state) {
        FrmAddress address(shop.context);
        address.search();
        showAndPaint(address, address.grid());
    }
}
BENCHMARK(BM_AddressSearch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenPlatform();
    // Every window shown offscreen says this once; it would bury the results.
    static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
                if (!text.contains(QLatin1String("propagateSizeHints")))
                    previous(type, context, text);
            });
    QApplication app(argc, argv);
    return runRegisteredBenchmarks(argc, argv);
}
