#pragma once

#include "PrintSurface.h"

#include <QPainter>

class QPagedPaintDevice;

// Prints onto a printer (or a PDF writer). The document begins with the first text and ends
// with endDoc(); printing again afterwards starts the next document on the same device.
class PrinterSurface : public PrintSurface
{
public:
    explicit PrinterSurface(QPagedPaintDevice *device);
    ~PrinterSurface() override;

    void newPage() override;
    void endDoc() override;
    double charWidth() const override;
    double lineHeight() const override;
    bool hasError() const { return m_error; }

protected:
    void drawText(double x, double y, const QString &text) override;
    void fontChanged() override;

private:
    bool ensureBegun();
    double toDeviceX(double twips) const;
    double toDeviceY(double twips) const;

    QPagedPaintDevice *m_device;
    QPainter m_painter;
    bool m_error = false;
};
