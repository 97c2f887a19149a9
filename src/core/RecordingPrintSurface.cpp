#include "RecordingPrintSurface.h"

void RecordingPrintSurface::newPage()
{
    ++m_page;
}

void RecordingPrintSurface::endDoc()
{
    ++m_documents;
    m_page = 0;
}

void RecordingPrintSurface::clear()
{
    m_texts.clear();
    m_page = 0;
    m_documents = 0;
}

void RecordingPrintSurface::drawText(double x, double y, const QString &text)
{
    m_texts << Text{m_page, m_documents, x, y, text, fontFamily(), fontSize(), bold(), color()};
}
