// Report speed: a 2 000-row parts price list from the store to a PDF file.
//
//   bench_reports                      run the benchmarks
//   bench_reports --samples <folder>   write the shipped list templates as PDF files,
//                                      printed from a sample shop (for docs/screenshots)

#include "AppContext.h"
#include "ReportBuilder.h"
#include "ReportError.h"
#include "ReportOutput.h"
#include "ReportRequest.h"
#include "ReportSampleShop.h"
#include "TestShop.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

bool makePdf(TestShop &shop, const ReportRequest &request, const QString &path)
{
    ReportBuilder builder(shop.context());
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

void BM_PartsPriceListToPdf(benchmark::State &state)
{
    TestShop shop;
    ReportSampleShop::addShopRecord(shop.base());
    ReportSampleShop::addParts(shop.base(), "정비부품", static_cast<int>(state.range(0)));
    ReportRequest request;
    request.reportFile = QStringLiteral("C:\\voz\\RPT\\정비부품.RPT");
    request.selection = QStringLiteral("{정비부품.부품명} <> ''");
    const QString pdf = shop.root() + QStringLiteral("/parts.pdf");
    for (auto _ : state) {
        if (!makePdf(shop, request, pdf)) {
            state.SkipWithError("the report failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PartsPriceListToPdf)->Arg(2000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PartsPriceListLayout(benchmark::State &state)
{
    TestShop shop;
    ReportSampleShop::addParts(shop.base(), "정비부품", static_cast<int>(state.range(0)));
    ReportRequest request;
    request.reportFile = QStringLiteral("정비부품");
    for (auto _ : state) {
        ReportBuilder builder(shop.context());
        ReportError error;
        if (!builder.build(request, error)) {
            state.SkipWithError("the report failed");
            break;
        }
        benchmark::DoNotOptimize(builder.pages().pageCount());
    }
}
BENCHMARK(BM_PartsPriceListLayout)->Arg(2000)->Unit(benchmark::kMillisecond);

int writeSamples(const QString &folder)
{
    QDir().mkpath(folder);
    TestShop shop;
    ReportSampleShop::addShopRecord(shop.base());
    ReportSampleShop::addParts(shop.base(), "정비부품", 120);
    ReportSampleShop::addParts(shop.base(), "참조부품", 90);
    ReportSampleShop::addCustomers(shop.base(), 80);
    struct Sample
    {
        const char *file;
        QString template_;
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
        request.reportFile = s.template_;
        request.selection = s.selection;
        if (!s.sort.isEmpty())
            request.sortFields.insert(0, s.sort);
        const QString path = folder + QLatin1Char('/') + QLatin1String(s.file);
        if (!makePdf(shop, request, path))
            return 1;
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
