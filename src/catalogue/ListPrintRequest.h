#pragma once

#include <QString>

#include <functional>

class QWidget;
struct AppContext;

// A list print-out as the report engine takes it: the template, the record selection
// formula and the first sort field (empty: none).
struct ListPrintRequest
{
    QString reportFile;
    QString selection;
    QString sortField;
};

// Runs a list print-out to the preview window. The screens' print buttons stay disabled
// until the application hands them one.
using ListPrinter
        = std::function<void(AppContext &context, QWidget *parent, const ListPrintRequest &)>;
