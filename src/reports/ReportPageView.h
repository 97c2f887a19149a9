#pragma once

#include <QWidget>

class PageModel;

// Shows one page of a report on screen at a zoom factor (1.0 = the paper's real size).
class ReportPageView : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPageView(QWidget *parent = nullptr);

    void setModel(const PageModel *model);
    void setPage(int page);
    int page() const { return m_page; }
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // Zoom at which the page's width or whole page fits into size.
    double zoomToFitWidth(const QSize &size) const;
    double zoomToFitPage(const QSize &size) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double pixelsPerMm() const;
    QSizeF pageSizePixels() const;

    const PageModel *m_model = nullptr;
    int m_page = 0;
    double m_zoom = 1.0;
};
