#include "FrmCalendar.h"

#include "AppContext.h"
#include "CalendarMonth.h"
#include "Prompter.h"
#include "Session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kYearsAround = 5;
constexpr int kCellWidth = 44;
constexpr int kCellHeight = 30;
} // namespace

FrmCalendar::FrmCalendar(AppContext &context, const QDate &today, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_today(today)
    , m_years(new QComboBox(this))
    , m_months(new QComboBox(this))
    , m_grid(new QTableWidget(CalendarMonth::kRows, CalendarMonth::kColumns, this))
    , m_ok(new QPushButton(QStringLiteral("확인(&S)"), this))
{
    setObjectName(QStringLiteral("frm달력"));
    setWindowTitle(QStringLiteral("달력"));

    m_years->setObjectName(QStringLiteral("CmbYY"));
    m_months->setObjectName(QStringLiteral("CmbMM"));
    m_grid->setObjectName(QStringLiteral("Sp달력"));
    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_ok->setDefault(true);

    m_filling = true;
    for (int y = m_today.year() - kYearsAround; y <= m_today.year() + kYearsAround; ++y)
        m_years->addItem(QString::number(y), y);
    for (int m = 1; m <= 12; ++m)
        m_months->addItem(QString::number(m), m);
    m_years->setCurrentIndex(m_years->findData(m_today.year()));
    m_months->setCurrentIndex(m_today.month() - 1);
    m_filling = false;

    const QStringList weekdays = {QStringLiteral("일"), QStringLiteral("월"), QStringLiteral("화"),
                                  QStringLiteral("수"), QStringLiteral("목"), QStringLiteral("금"),
                                  QStringLiteral("토")};
    m_grid->setHorizontalHeaderLabels(weekdays);
    m_grid->horizontalHeaderItem(0)->setForeground(QColor(200, 0, 0));
    m_grid->horizontalHeaderItem(6)->setForeground(QColor(0, 0, 200));
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(kCellHeight);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setStyleSheet(QStringLiteral("QTableWidget { selection-background-color: "
                                         "rgb(254, 254, 186); selection-color: black; }"));
    m_grid->setFixedSize(kCellWidth * CalendarMonth::kColumns + 2 * m_grid->frameWidth(),
                         kCellHeight * CalendarMonth::kRows
                                 + m_grid->horizontalHeader()->sizeHint().height()
                                 + 2 * m_grid->frameWidth());

    auto *yearLabel = new QLabel(QStringLiteral("년"), this);
    auto *monthLabel = new QLabel(QStringLiteral("월"), this);
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_years);
    lists->addWidget(yearLabel);
    lists->addSpacing(8);
    lists->addWidget(m_months);
    lists->addWidget(monthLabel);
    lists->addStretch();
    lists->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(m_grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_years, m_months);
    setTabOrder(m_months, m_grid);
    setTabOrder(m_grid, m_ok);

    connect(m_years, &QComboBox::currentIndexChanged, this, &FrmCalendar::listsChanged);
    connect(m_months, &QComboBox::currentIndexChanged, this, &FrmCalendar::listsChanged);
    connect(m_grid, &QTableWidget::cellClicked, this, &FrmCalendar::cellClicked);
    connect(m_ok, &QPushButton::clicked, this, &FrmCalendar::takeDate);

    fillGrid();
    m_grid->setFocus();
    m_context.session.setHelpLine(
            QStringLiteral("도움말 =  날짜 선택 후 Enter : 작업일자 변경  Esc : 나가기"));
}

int FrmCalendar::year() const
{
    return m_years->currentData().toInt();
}

int FrmCalendar::month() const
{
    return m_months->currentData().toInt();
}

void FrmCalendar::showMonth(int year, int month)
{
    m_filling = true;
    const int yearIndex = m_years->findData(year);
    if (yearIndex >= 0)
        m_years->setCurrentIndex(yearIndex);
    if (month >= 1 && month <= 12)
        m_months->setCurrentIndex(month - 1);
    m_filling = false;
    fillGrid();
}

QString FrmCalendar::cellText(int row, int column) const
{
    const QTableWidgetItem *item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

void FrmCalendar::listsChanged()
{
    if (!m_filling)
        fillGrid();
}

void FrmCalendar::fillGrid()
{
    m_grid->clearContents();
    const QList<int> days = CalendarMonth::days(year(), month());
    int todayCell = -1;
    for (int i = 0; i < days.size(); ++i) {
        if (days.at(i) == 0)
            continue;
        auto *item = new QTableWidgetItem(QString::number(days.at(i)));
        item->setTextAlignment(Qt::AlignCenter);
        const int column = i % CalendarMonth::kColumns;
        if (column == 0)
            item->setForeground(QColor(200, 0, 0));
        else if (column == CalendarMonth::kColumns - 1)
            item->setForeground(QColor(0, 0, 200));
        m_grid->setItem(i / CalendarMonth::kColumns, column, item);
        // Today's day number is made active in whatever month is shown.
        if (days.at(i) == m_today.day())
            todayCell = i;
    }
    if (todayCell >= 0) {
        m_grid->setCurrentCell(todayCell / CalendarMonth::kColumns,
                               todayCell % CalendarMonth::kColumns);
    } else {
        m_grid->setCurrentCell(-1, -1);
    }
}

void FrmCalendar::cellClicked(int row, int column)
{
    const int day = cellText(row, column).toInt();
    if (day != 0)
        return;
    // An empty cell brings the calendar back to the current month.
    showMonth(m_today.year(), m_today.month());
}

void FrmCalendar::takeDate()
{
    const int day = cellText(m_grid->currentRow(), m_grid->currentColumn()).toInt();
    if (day == 0) {
        ShowMsg(m_context.prompter, QStringLiteral("작업일자로 할 날짜를 선택하여 주십시오."));
        m_grid->setFocus();
        return;
    }
    Session &session = m_context.session;
    session.workDate = QStringLiteral("%1.%2.%3")
                               .arg(year(), 4, 10, QLatin1Char('0'))
                               .arg(month(), 2, 10, QLatin1Char('0'))
                               .arg(day, 2, 10, QLatin1Char('0'));
    session.statusChanged();
    accept();
}

void FrmCalendar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (AskYesNo(m_context.prompter, QStringLiteral("작업일자 선택을 종료하시겠습니까?"),
                     QStringLiteral("나가기"))) {
            reject();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}
