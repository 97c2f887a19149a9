#pragma once

#include <QString>

// Writes a made-up but realistic shop into a data root: customers and their vehicles,
// reference codes, a parts and labour catalogue, years of service lines and payments with
// a receivable summary that agrees with them, and a small postal-code sample. The demo
// start and the benchmarks run on such a shop.
class DemoShop
{
public:
    struct Options
    {
        int customers = 100000;
        int lines = 2000000;  // service and payment lines in all
        int parts = 2000;     // catalogue items
        int years = 5;        // how far back the history goes
        quint32 seed = 20051231;
        bool password = false; // a login password "1234" instead of none
    };

    struct Result
    {
        qint64 customers = 0;
        qint64 lines = 0;
        qint64 parts = 0;
        qint64 heavyCustomer = 0; // a fleet customer with 999 lines, 0 when the shop is small
        QString error;
    };

    // The root must not hold stores yet.
    static Result generate(const QString &root, const Options &options);

    // The shop benchmarks measure on: TORVIK_BENCH_ROOT (scripts/bench sets it), or a
    // full-size demo shop generated once in the temporary folder. Empty on failure.
    static QString benchRoot();
};
