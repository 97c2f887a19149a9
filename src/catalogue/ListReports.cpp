#include "ListReports.h"

#include "ReportPreview.h"
#include "ReportRunner.h"

ListPrinter ListReports::printer()
{
    return [](AppContext &context, QWidget *parent, const ListPrintRequest &request) {
        ReportRunner runner(context, parent);
        run(runner, request);
    };
}

bool ListReports::run(ReportRunner &runner, const ListPrintRequest &request)
{
    runner.SetReportFile(request.reportFile);
    // A search the print-out has no selection for prints every record in the template's order.
    if (!request.sortField.isEmpty())
        runner.SetSortField(0, request.sortField);
    runner.SetSelection(request.selection);
    runner.SetDestination(ReportRunner::ToPreview);
    return runner.RunReport();
}
