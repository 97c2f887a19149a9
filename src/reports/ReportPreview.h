#pragma once

#include "PageModel.h"

#include <QDialog>

class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class ReportPageView;

// The preview window of a report: page navigation, zoom, printing and saving as PDF. It
// owns its copy of the page model and closes itself (deleting itself) when closed.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    ReportPreview(const PageModel &model, Prompter &prompter, int copies,
                  QWidget *parent = nullptr);

    const PageModel &model() const { return m_model; }
    int currentPage() const; // 0-based
    void showPage(int page);
    ReportPageView *view() const { return m_view; }

    // Fit the page's width or the whole page into the window; zoom factors are 1.0 = 100%.
    void setZoomFactor(double zoom);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void zoomChosen();
    void stepZoom(int direction);
    void updateControls();
    void printReport();
    void savePdf();

    PageModel m_model;
    Prompter &m_prompter;
    int m_copies;
    ReportPageView *m_view;
    QScrollArea *m_scroll;
    QPushButton *m_first;
    QPushButton *m_previous;
    QSpinBox *m_pageBox;
    QLabel *m_pageCount;
    QPushButton *m_next;
    QPushButton *m_last;
    QComboBox *m_zoom;
};
