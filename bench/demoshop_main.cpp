// torvik-demoshop --root DIR [--customers N] [--lines N] [--parts N] [--years N]
//                 [--seed N] [--password]
#include "DemoShop.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a demo shop into a data root."));
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"), "data root to fill (must hold no shop)", "dir");
    const QCommandLineOption customers(QStringLiteral("customers"), "number of customers", "n", "100000");
    const QCommandLineOption lines(QStringLiteral("lines"), "service and payment lines", "n", "2000000");
    const QCommandLineOption parts(QStringLiteral("parts"), "catalogue items", "n", "2000");
    const QCommandLineOption years(QStringLiteral("years"), "years of history", "n", "5");
    const QCommandLineOption seed(QStringLiteral("seed"), "random seed", "n", "20051231");
    const QCommandLineOption password(QStringLiteral("password"), "log in with the password 1234");
    parser.addOptions({root, customers, lines, parts, years, seed, password});
    parser.process(app);

    QTextStream err(stderr);
    if (!parser.isSet(root)) {
        err << "torvik-demoshop: --root is required\n";
        return 2;
    }
    DemoShop::Options options;
    options.customers = parser.value(customers).toInt();
    options.lines = parser.value(lines).toInt();
    options.parts = parser.value(parts).toInt();
    options.years = std::max(1, parser.value(years).toInt());
    options.seed = parser.value(seed).toUInt();
    options.password = parser.isSet(password);

    QElapsedTimer timer;
    timer.start();
    const DemoShop::Result result = DemoShop::generate(parser.value(root), options);
    if (!result.error.isEmpty()) {
        err << "torvik-demoshop: " << result.error << "\n";
        return 1;
    }
    QTextStream(stdout) << "demo shop in " << parser.value(root) << ": " << result.customers
                        << " customers, " << result.lines << " lines, " << result.parts
                        << " parts, " << timer.elapsed() / 1000.0 << " s\n";
    return 0;
}
