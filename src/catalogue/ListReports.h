#pragma once

#include "ListPrintRequest.h"

class ReportRunner;

// The list print-outs of the catalogue screens and the customer look-up, through the
// report engine to its preview window.
class ListReports
{
public:
    // What the screens' print buttons call; each print-out gets its own preview window.
    static ListPrinter printer();
    // One print-out on the given runner: template, selection and sort field of the request,
    // to the preview window. False when it failed (the runner has said why).
    static bool run(ReportRunner &runner, const ListPrintRequest &request);
};
