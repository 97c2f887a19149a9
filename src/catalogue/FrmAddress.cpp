#include "FrmAddress.h"

#include "AppContext.h"
#include "Grid.h"
#include "PickList.h"
#include "GridFit.h"
#include "PostalStore.h"
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
constexpr int kRows = 500;
constexpr int kVisibleRows = 14;
} // namespace

FrmAddress::FrmAddress(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_grid(new Grid(this, QStringLiteral("vs2"), 3, kRows))
    , m_ok(new QPushButton(QStringLiteral("선택(&S)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm주소"));
    setWindowTitle(QStringLiteral("주소조회"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_grid->setHeaderTexts(
            {QStringLiteral("우편번호"), QStringLiteral("주    소"), QStringLiteral("번  지")});
    const double widths[] = {8.38, 30.12, 14.37};
    for (int c = PostalCode; c <= Lots; ++c)
        m_grid->setColumnWidth(c, widths[c - 1]);
    m_grid->lock(-1, -1, -1, -1);
    FitGridView(m_grid, kVisibleRows, 3);
    QTableView *view = m_grid->view();

    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    LayOutPickList(this, view, {m_ok, m_exit});

    ConnectPicking(this, m_grid, m_ok, m_exit, [this](int row) { pick(row); });

    PlaceWindow(this, parent, 4740, 3840);
}

bool FrmAddress::handsBack() const
{
    const QString &caller = m_context.session.popupCaller;
    return caller == QLatin1String("1") || caller == QLatin1String("2");
}

FrmAddress::Found FrmAddress::search()
{
    if (!m_context.stores.openPostal(m_context.prompter))
        return Found::Nothing;
    const QList<AddressChoice> found
            = PostalStore(m_context.stores, m_context.prompter)
                      .search(PostalStore::By::Town, m_context.session.addressSearchText);
    if (found.isEmpty()) {
        ShowMsg(m_context.prompter, QStringLiteral("찾을 주소가 없습니다!"),
                QStringLiteral("검색안됨"));
        return Found::Nothing;
    }
    if (found.size() == 1) {
        if (handsBack())
            m_choice = found.first();
        return Found::One;
    }
    QList<QStringList> rows;
    rows.reserve(found.size());
    for (const AddressChoice &r : found)
        rows << QStringList {r.postalCode, r.address, r.lots};
    m_grid->setRows(rows);
    m_grid->setMaxRows(qMax(kRows, int(rows.size())));
    m_grid->gotoCell(PostalCode, 1);
    m_grid->setFocus();
    return Found::Several;
}

void FrmAddress::pick(int row)
{
    const QString code = m_grid->text(PostalCode, row);
    const QString address = m_grid->text(Address, row);
    // An empty row below the list is no address: the opener's fields keep what they hold.
    if (handsBack() && !(code.isEmpty() && address.isEmpty()))
        m_choice = AddressChoice {code, address, m_grid->text(Lots, row)};
    accept();
}
