#pragma once

#include "PrintSurface.h"

#include <QList>

// Keeps what would have been printed, for tests and for checking a layout.
class RecordingPrintSurface : public PrintSurface
{
public:
    struct Text
    {
        int page = 0;     // 0-based page within the current document
        int document = 0; // 0-based count of ended documents before this text
        double x = 0;
        double y = 0;
        QString text;
        QString family;
        double size = 0;
        bool bold = false;
        QColor color;
    };

    void newPage() override;
    void endDoc() override;

    const QList<Text> &texts() const { return m_texts; }
    int pageCount() const { return m_page + 1; }
    int endedDocuments() const { return m_documents; }
    void clear();

protected:
    void drawText(double x, double y, const QString &text) override;

private:
    QList<Text> m_texts;
    int m_page = 0;
    int m_documents = 0;
};
