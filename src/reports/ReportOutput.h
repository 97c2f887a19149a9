#pragma once

#include <QString>

class PageModel;
class QPrinter;

// Sends a laid-out report to a PDF file or a printer through PagePainter.
class ReportOutput
{
public:
    // Writes the file completely or not at all (an existing file is kept on failure).
    static bool writePdf(const PageModel &model, const QString &path, QString *error);
    // Prints copies of the whole document on printer (set up by the caller).
    static bool print(const PageModel &model, QPrinter &printer, int copies, QString *error);
    // Prints on the system's default printer without a dialog.
    static bool printToDefault(const PageModel &model, int copies, QString *error);
};
