#include "ReportPreview.h"

#include "Prompter.h"
#include "ReportOutput.h"
#include "ReportPageView.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
constexpr double kFitWidth = -1;
constexpr double kFitPage = -2;
} // namespace

ReportPreview::ReportPreview(const PageModel &model, Prompter &prompter, int copies,
                             QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_prompter(prompter)
    , m_copies(qMax(1, copies))
{
    setObjectName(QStringLiteral("frmReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_model.title.isEmpty() ? QStringLiteral("미리보기")
                                           : m_model.title + QStringLiteral(" - 미리보기"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setModal(false);

    const auto button = [this](const QString &text, const char *name, const QString &tip) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    m_first = button(QStringLiteral("◀◀"), "cmdFirst", QStringLiteral("첫 쪽 (Home)"));
    m_previous = button(QStringLiteral("◀ 이전"), "cmdPrevious", QStringLiteral("앞 쪽 (PgUp)"));
    m_pageBox = new QSpinBox(this);
    m_pageBox->setObjectName(QStringLiteral("spnPage"));
    m_pageBox->setRange(1, qMax(1, m_model.pageCount()));
    m_pageBox->setAlignment(Qt::AlignRight);
    m_pageCount = new QLabel(QStringLiteral("/ %1 쪽").arg(m_model.pageCount()), this);
    m_pageCount->setObjectName(QStringLiteral("lblPageCount"));
    m_next = button(QStringLiteral("다음 ▶"), "cmdNext", QStringLiteral("다음 쪽 (PgDn)"));
    m_last = button(QStringLiteral("▶▶"), "cmdLast", QStringLiteral("마지막 쪽 (End)"));

    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cboZoom"));
    m_zoom->addItem(QStringLiteral("폭 맞춤"), kFitWidth);
    m_zoom->addItem(QStringLiteral("쪽 맞춤"), kFitPage);
    for (int percent : {50, 75, 100, 125, 150, 200, 300})
        m_zoom->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    m_zoom->setToolTip(QStringLiteral("배율 (Ctrl + / Ctrl -)"));

    auto *print = button(QStringLiteral("인쇄(&P)"), "cmdPrint", QStringLiteral("프린터로 인쇄"));
    auto *pdf = button(QStringLiteral("PDF 저장(&S)"), "cmdPdf", QStringLiteral("PDF 화일로 저장"));
    auto *close
            = button(QStringLiteral("닫기(&X)"), "cmdClose", QStringLiteral("미리보기 닫기 (Esc)"));

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_first);
    bar->addWidget(m_previous);
    bar->addWidget(m_pageBox);
    bar->addWidget(m_pageCount);
    bar->addWidget(m_next);
    bar->addWidget(m_last);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("배율"), this));
    bar->addWidget(m_zoom);
    bar->addStretch(1);
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addWidget(close);

    m_view = new ReportPageView;
    m_view->setModel(&m_model);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrollPage"));
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(m_first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { showPage(m_model.pageCount() - 1); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int value) { showPage(value - 1); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &ReportPreview::zoomChosen);
    connect(print, &QPushButton::clicked, this, &ReportPreview::printReport);
    connect(pdf, &QPushButton::clicked, this, &ReportPreview::savePdf);
    connect(close, &QPushButton::clicked, this, &ReportPreview::close);

    // About A4 at a readable size, never larger than the screen.
    QSize size(980, 1000);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = size.boundedTo(available.size() * 0.9);
    }
    resize(size);
    zoomChosen();
    updateControls();
}

int ReportPreview::currentPage() const
{
    return m_view->page();
}

void ReportPreview::showPage(int page)
{
    if (m_model.pages.isEmpty())
        return;
    m_view->setPage(page);
    m_scroll->verticalScrollBar()->setValue(0);
    updateControls();
}

void ReportPreview::updateControls()
{
    const int page = currentPage();
    const int last = m_model.pageCount() - 1;
    m_first->setEnabled(page > 0);
    m_previous->setEnabled(page > 0);
    m_next->setEnabled(page < last);
    m_last->setEnabled(page < last);
    const QSignalBlocker block(m_pageBox);
    m_pageBox->setValue(page + 1);
}

void ReportPreview::setZoomFactor(double zoom)
{
    m_view->setZoom(zoom);
}

void ReportPreview::zoomChosen()
{
    const double choice = m_zoom->currentData().toDouble();
    const QSize room = m_scroll->viewport()->size()
            - QSize(m_scroll->verticalScrollBar()->sizeHint().width(), 0);
    if (choice == kFitWidth)
        setZoomFactor(m_view->zoomToFitWidth(room));
    else if (choice == kFitPage)
        setZoomFactor(m_view->zoomToFitPage(m_scroll->viewport()->size()));
    else
        setZoomFactor(choice);
}

void ReportPreview::stepZoom(int direction)
{
    const double zoom = m_view->zoom() * (direction > 0 ? 1.25 : 0.8);
    // Leave the fit choices so the window's size no longer changes the zoom.
    const QSignalBlocker block(m_zoom);
    int best = 2;
    for (int i = 2; i < m_zoom->count(); ++i) {
        if (qAbs(m_zoom->itemData(i).toDouble() - zoom)
            < qAbs(m_zoom->itemData(best).toDouble() - zoom)) {
            best = i;
        }
    }
    m_zoom->setCurrentIndex(best);
    setZoomFactor(m_zoom->itemData(best).toDouble());
}

void ReportPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_zoom->currentData().toDouble() < 0)
        zoomChosen();
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(currentPage() + 1);
        return;
    case Qt::Key_PageUp:
        showPage(currentPage() - 1);
        return;
    case Qt::Key_Home:
        showPage(0);
        return;
    case Qt::Key_End:
        showPage(m_model.pageCount() - 1);
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (control) {
            stepZoom(1);
            return;
        }
        break;
    case Qt::Key_Minus:
        if (control) {
            stepZoom(-1);
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void ReportPreview::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(m_model.pageSize);
    printer.setPageOrientation(m_model.orientation);
    printer.setCopyCount(m_copies);
    printer.setDocName(m_model.title);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("인쇄"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!ReportOutput::print(m_model, printer, printer.copyCount(), &error))
        m_prompter.message(error, QStringLiteral("인쇄"), MsgIcon::Warning);
}

void ReportPreview::savePdf()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QString name = m_model.title.isEmpty() ? QStringLiteral("보고서") : m_model.title;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDF로 저장"),
                                                folder + QLatin1Char('/') + name
                                                        + QStringLiteral(".pdf"),
                                                QStringLiteral("PDF 화일 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    if (ReportOutput::writePdf(m_model, path, &error))
        m_prompter.notice(QStringLiteral("저장되었습니다."));
    else
        m_prompter.message(error, QStringLiteral("PDF 저장"), MsgIcon::Warning);
}
