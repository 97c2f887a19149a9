// Report speed: the 2 000-part price list of a full-size demo shop from the store to a PDF
// file, and a customer list of several thousand records.
//
//   bench_reports                      run the benchmarks (scripts/bench)
//   bench_reports --samples <folder>   write the list templates of a small demo shop as PDF
//                                      files (the renderings in docs/screenshots)

#include "AppContext.h"
#include "BenchRun.h"
#include "DemoShop.h"
#include "ReportBuilder.h"
#include "ReportError.h"
#include "ReportOutput.h"
#include "ReportRequest.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "Settings.h"
#include "Stores.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// A shop on an existing data root, as the program sees it after login.
class Shop
{
public:
    explicit Shop(const QString &root)
        : m_settings(m_settingsDir.path())
        , m_stores(DataPaths::fromRoot(root))
        , m_context {m_session, m_prompter, m_settings, m_stores}
    {
        m_session.paths = m_stores.paths();
        m_open = m_stores.openBase(m_prompter) && m_stores.openMaintenance(m_prompter);
    }
    ~Shop() { m_stores.closeAll(); }

    bool isOpen() const { return m_open; }
    AppContext &context() { return m_context; }

private:
    QTemporaryDir m_settingsDir;
    Session m_session;
    ScriptedPrompter m_prompter;
    Settings m_settings;
    Stores m_stores;
    AppContext m_context;
    bool m_open = false;
};

bool makePdf(AppContext &context, const ReportRequest &request, const QString &path)
{
    ReportBuilder builder(context);
    ReportError error;
    QString why;
    if (!builder.build(request, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text));
        return false;
    }
    if (!ReportOutput::writePdf(builder.pages(), path, &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return false;
    }
    return true;
}

void runToPdf(benchmark::State &state, const ReportRequest &request)
{
    const QString root = DemoShop::benchRoot();
    Shop shop(root);
    QTemporaryDir out;
    if (root.isEmpty() || !shop.isOpen()) {
        state.SkipWithError("no demo shop");
        return;
    }
    int records = 0;
    for (auto _ : state) {
        ReportBuilder builder(shop.context());
        ReportError error;
        QString why;
        if (!builder.build(request, error)
            || !ReportOutput::writePdf(builder.pages(), out.path() + QStringLiteral("/r.pdf"),
                                       &why)) {
            state.SkipWithError("the report failed");
            break;
        }
        records = builder.rows().count();
        state.counters["pages"] = builder.pages().pageCount();
    }
    state.counters["records"] = records;
    state.SetItemsProcessed(state.iterations() * records);
}

void BM_PartsPriceListToPdf(benchmark::State &state)
{
    ReportRequest request;
    request.reportFile = QStringLiteral("C:\\voz\\RPT\\정비부품.RPT");
    request.selection = QStringLiteral("{정비부품.부품명} <> ''");
    runToPdf(state, request);
}
BENCHMARK(BM_PartsPriceListToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Every customer whose name begins with 김: about a fifth of 100 000.
void BM_CustomerListToPdf(benchmark::State &state)
{
    ReportRequest request;
    request.reportFile = QStringLiteral("C:\\voz\\RPT\\고객현황.RPT");
    request.selection = QStringLiteral("{고객.고객명} like '김*'");
    request.sortFields.insert(0, QStringLiteral("+{고객.고객명}"));
    runToPdf(state, request);
}
BENCHMARK(BM_CustomerListToPdf)->Unit(benchmark::kMillisecond);

int writeSamples(const QString &folder)
{
    QDir().mkpath(folder);
    QTemporaryDir root;
    DemoShop::Options options;
    options.customers = 120;
    options.lines = 600;
    options.parts = 160;
    options.years = 1;
    const DemoShop::Result made = DemoShop::generate(root.path(), options);
    if (!made.error.isEmpty()) {
        std::fprintf(stderr, "demo shop: %s\n", qPrintable(made.error));
        return 1;
    }
    Shop shop(root.path());
    struct Sample
    {
        const char *file;
        QString report;
        QString selection;
        QString sort;
    };
    const Sample samples[] = {
            {"report-parts-price-list.pdf", QStringLiteral("C:\\voz\\RPT\\정비부품.RPT"),
             QStringLiteral("{정비부품.부품명} <> ''"), QString()},
            {"report-reference-price-list.pdf",
             QStringLiteral("C:\\voz\\RPT\\부품가격표리스트.RPT"),
             QStringLiteral("{참조부품.부품명} <> ''"), QString()},
            {"report-customer-list.pdf", QStringLiteral("C:\\voz\\RPT\\고객현황.RPT"),
             QStringLiteral("{고객.고객명} like '*'"), QStringLiteral("+{고객.고객명}")},
    };
    for (const Sample &s : samples) {
        ReportRequest request;
        request.reportFile = s.report;
        request.selection = s.selection;
        if (!s.sort.isEmpty())
            request.sortFields.insert(0, s.sort);
        const QString path = folder + QLatin1Char('/') + QLatin1String(s.file);
        if (!makePdf(shop.context(), request, path))
            return 1;
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype samples = args.indexOf(QStringLiteral("--samples"));
    if (samples > 0) {
        if (samples + 1 >= args.size()) {
            std::fprintf(stderr, "usage: bench_reports --samples <folder>\n");
            return 2;
        }
        return writeSamples(args.at(samples + 1));
    }
    return runRegisteredBenchmarks(argc, argv);
}
