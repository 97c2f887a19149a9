#include "FrmCustomerPick2.h"

#include "AppContext.h"
#include "Grid.h"
#include "PickList.h"
#include "GridFit.h"
#include "Prompter.h"
#include "Session.h"
#include "Stores.h"
#include "WindowPlace.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int kRows = 2000;
constexpr int kVisibleRows = 18;
} // namespace

FrmCustomerPick2::FrmCustomerPick2(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_store(context.stores.base())
    , m_grid(new Grid(this, QStringLiteral("vs1"), 4, kRows))
    , m_ok(new QPushButton(QStringLiteral("선택(&S)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm고객조회2"));
    setWindowTitle(QStringLiteral("고객조회"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_grid->setHeaderTexts({QStringLiteral("고객명"), QStringLiteral("차량번호"),
                            QStringLiteral("소속회사"), QStringLiteral("차   종")});
    const double widths[] = {14.62, 10.75, 23.75, 16.62};
    for (int c = Name; c <= Model; ++c)
        m_grid->setColumnWidth(c, widths[c - 1]);
    m_grid->lock(-1, -1, -1, -1);
    FitGridView(m_grid, kVisibleRows, 6);
    QTableView *view = m_grid->view();

    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    LayOutPickList(this, view, {m_ok, m_exit});

    ConnectPicking(this, m_grid, m_ok, m_exit, [this](int row) { pick(row); });

    PlaceWindow(this, parent, 300, 2385);
}

bool FrmCustomerPick2::load()
{
    if (!m_context.stores.openBase(m_context.prompter))
        return false;
    const Session &session = m_context.session;
    const auto rows = m_store.values(session.customerSearchKind, session.customerSearchText);
    if (!rows) {
        ShowError(m_context.prompter, 0, m_store.lastError(), QStringLiteral("조건검색"),
                  objectName(), true);
    } else {
        m_grid->setRows(*rows);
        m_grid->setMaxRows(qMax(kRows, int(rows->size())));
    }
    m_grid->gotoCell(Name, 1);
    m_grid->setFocus();
    return true;
}

std::optional<QString> FrmCustomerPick2::choice() const
{
    if (!m_picked || m_context.session.customerPickResult.isEmpty())
        return std::nullopt;
    return m_context.session.customerPickResult;
}

void FrmCustomerPick2::pick(int row)
{
    const QString kind = m_context.session.customerSearchKind;
    int column = 0;
    if (kind == QStringLiteral("차량번호"))
        column = Vehicle;
    else if (kind == QStringLiteral("고객명"))
        column = Name;
    else if (kind == QStringLiteral("소속회사"))
        column = Company;
    if (column == 0)
        return;
    m_context.session.customerPickResult = m_grid->text(column, row);
    m_picked = true;
    accept();
}

void FrmCustomerPick2::reject()
{
    m_context.session.customerPickResult.clear();
    QDialog::reject();
}

void FrmCustomerPick2::done(int result)
{
    m_context.session.customerSearchKind.clear();
    m_context.session.customerSearchText.clear();
    QDialog::done(result);
}
