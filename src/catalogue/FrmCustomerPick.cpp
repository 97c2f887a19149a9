#include "FrmCustomerPick.h"

#include "AppContext.h"
#include "Grid.h"
#include "PickList.h"
#include "GridFit.h"
#include "Prompter.h"
#include "Session.h"
#include "Stores.h"
#include "WindowPlace.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 2000;
constexpr int kVisibleRows = 18;
const QString kStatementCaller = QStringLiteral("111");

} // namespace

FrmCustomerPick::FrmCustomerPick(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_store(context.stores.base())
    , m_grid(nullptr)
    , m_ok(new QPushButton(QStringLiteral("선택(&S)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
    , m_print(new QPushButton(QStringLiteral("출력(&P)"), this))
{
    setObjectName(QStringLiteral("frm고객조회"));
    setWindowTitle(QStringLiteral("고객조회"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame고객"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_grid = new Grid(frame, QStringLiteral("vs1"), Code, kRows);
    m_grid->setHeaderTexts({QStringLiteral("고객명"), QStringLiteral("차량번호"),
                            QStringLiteral("차   종"), QStringLiteral("고객코드")});
    const double widths[] = {14.12, 10.75, 16.87};
    for (int c = Name; c <= Model; ++c)
        m_grid->setColumnWidth(c, widths[c - 1]);
    m_grid->setColumnHidden(Code);
    m_grid->lock(-1, -1, -1, -1);
    FitGridView(m_grid, kVisibleRows, 6);
    QTableView *view = m_grid->view();
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    frameLayout->addWidget(view);

    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    m_print->setObjectName(QStringLiteral("cmdp5"));
    // Printing goes through the report engine; without it the button stays off.
    m_print->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_ok, m_exit, m_print}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    setTabOrder(view, m_ok);
    setTabOrder(m_ok, m_exit);
    setTabOrder(m_exit, m_print);

    ConnectPicking(this, m_grid, m_ok, m_exit, [this](int row) { pick(row); });
    connect(m_print, &QPushButton::clicked, this, &FrmCustomerPick::printList);

    PlaceWindow(this, parent, 180, 1965);
}

void FrmCustomerPick::setListPrinter(ListPrinter printer)
{
    m_printer = std::move(printer);
    m_print->setEnabled(bool(m_printer));
}

bool FrmCustomerPick::load()
{
    if (!m_context.stores.openBase(m_context.prompter))
        return false;
    const Session &session = m_context.session;
    const auto rows = m_store.customers(session.customerSearchKind, session.customerSearchText);
    if (!rows) {
        ShowError(m_context.prompter, 0, m_store.lastError(), QStringLiteral("조건검색"),
                  objectName(), true);
    } else {
        m_grid->setRows(*rows);
        m_grid->setMaxRows(qMax(kRows, int(rows->size())));
    }
    m_grid->gotoCell(1, 1);
    m_grid->setFocus();
    return true;
}

void FrmCustomerPick::pick(int row)
{
    const QString code = m_grid->text(Code, row);
    m_choice = code.isEmpty() ? 0 : code.toLongLong();
    // The statement keeps its customer to itself; the ledger's current customer is this one.
    if (m_context.session.popupCaller != kStatementCaller)
        m_context.session.curCustomerCode = *m_choice;
    accept();
}

void FrmCustomerPick::printList()
{
    if (!m_printer)
        return;
    const Session &session = m_context.session;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_printer(m_context, this,
              CustomerLookupStore::customerReport(session.customerSearchKind,
                                                  session.customerSearchText));
    QApplication::restoreOverrideCursor();
}

void FrmCustomerPick::done(int result)
{
    m_context.session.customerSearchKind.clear();
    m_context.session.customerSearchText.clear();
    QDialog::done(result);
}
