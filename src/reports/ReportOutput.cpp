#include "ReportOutput.h"

#include "PageModel.h"
#include "PagePainter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {

bool paintAll(const PageModel &model, QPainter &painter, QPagedPaintDevice &device,
              double pixelsPerMm, int copies)
{
    PagePainter pages(painter, pixelsPerMm);
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (const ReportPage &page : model.pages) {
            if (!first && !device.newPage())
                return false;
            first = false;
            pages.paint(page);
        }
    }
    return true;
}

} // namespace

bool ReportOutput::writePdf(const PageModel &model, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("PDF 화일을 만들 수 없습니다: %1 (%2)")
                             .arg(path, file.errorString());
        return false;
    }
    bool ok = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(model.title);
        writer.setCreator(QStringLiteral("Torvik"));
        writer.setPageLayout(model.pageLayout());
        QPainter painter;
        if (painter.begin(&writer)) {
            ok = paintAll(model, painter, writer, writer.resolution() / 25.4, 1);
            ok = painter.end() && ok;
        }
    }
    if (!ok) {
        file.cancelWriting();
        if (error)
            *error = QStringLiteral("PDF 화일을 쓸 수 없습니다: %1").arg(path);
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("PDF 화일을 쓸 수 없습니다: %1 (%2)")
                             .arg(path, file.errorString());
        return false;
    }
    return true;
}

bool ReportOutput::print(const PageModel &model, QPrinter &printer, int copies, QString *error)
{
    copies = qMax(1, copies);
    // Full page: the painter's origin is the paper's corner, as the model's coordinates are.
    printer.setFullPage(true);
    printer.setPageSize(model.pageSize);
    printer.setPageOrientation(model.orientation);
    printer.setDocName(model.title);
    int rounds = 1;
    if (printer.supportsMultipleCopies()) {
        printer.setCopyCount(copies);
    } else {
        printer.setCopyCount(1);
        rounds = copies;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("프린터를 시작할 수 없습니다: %1").arg(printer.printerName());
        return false;
    }
    const bool ok = paintAll(model, painter, printer, printer.resolution() / 25.4, rounds);
    painter.end();
    if (!ok && error)
        *error = QStringLiteral("인쇄하지 못했습니다: %1").arg(printer.printerName());
    return ok;
}

bool ReportOutput::printToDefault(const PageModel &model, int copies, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = QStringLiteral("기본 프린터가 없습니다. 프린터를 설치하거나 기본 프린터를 "
                                    "정하십시오.");
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    return print(model, printer, copies, error);
}
