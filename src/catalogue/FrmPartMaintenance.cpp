#include "FrmPartMaintenance.h"

#include "AppContext.h"
#include "Grid.h"
#include "GridFit.h"
#include "GridStyle.h"
#include "Prompter.h"
#include "ScreenActivation.h"
#include "Session.h"
#include "Stores.h"
#include "WindowPlace.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 500;
// Empty rows kept below the list, so that new items can always be typed in.
constexpr int kSpareRows = 100;
constexpr int kVisibleRows = 20;

const QString kHelp = QStringLiteral("도움말 =  Enter : 다음 칸  F4 : 삭제");

} // namespace

FrmPartMaintenance::FrmPartMaintenance(AppContext &context, const PartMaintenanceSetup &setup,
                                       QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_setup(setup)
    , m_store(context.stores.base(), setup.table)
    , m_grid(new Grid(this, QStringLiteral("vs2"), 6, kRows))
    , m_print(new QPushButton(QStringLiteral("출력(&P)"), this))
    , m_close(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(setup.objectName);
    setWindowTitle(setup.caption);
    SetScreenPlace(this, 1080, 30);

    const QString sell = QStringLiteral("판매단가");
    const QString cost = QStringLiteral("매입단가");
    m_grid->setHeaderTexts({QStringLiteral("부품명"), QStringLiteral("규격"),
                            QStringLiteral("단위"), setup.costFirst ? cost : sell,
                            setup.costFirst ? sell : cost, QStringLiteral("부품코드")});
    m_grid->setColumnMaxLength(Name, PartStore::kNameLength);
    m_grid->setColumnMaxLength(Spec, PartStore::kSpecLength);
    m_grid->setColumnMaxLength(Unit, PartStore::kUnitLength);
    m_grid->setNumberColumn(FirstPrice, 14, 0, true);
    m_grid->setNumberColumn(SecondPrice, 14, 0, true);
    for (int c = Name; c <= SecondPrice; ++c)
        m_grid->setColumnWidth(c, setup.widths.value(c - 1, 10));
    m_grid->setColumnHidden(Code);

    m_print->setObjectName(QStringLiteral("cmdp5"));
    m_close->setObjectName(QStringLiteral("cmdexit"));
    // Printing goes through the report engine; without it the button stays off.
    m_print->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_print, m_close}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(96);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid->view(), 1);
    layout->addLayout(buttons);
    setTabOrder(m_grid->view(), m_print);
    setTabOrder(m_print, m_close);
    FitGridView(m_grid, kVisibleRows);

    connect(m_grid, &Grid::editStarted, this, &FrmPartMaintenance::onEditStarted);
    connect(m_grid, &Grid::editEnded, this, &FrmPartMaintenance::onEditEnded);
    connect(m_grid, &Grid::keyDown, this, &FrmPartMaintenance::onKeyDown);
    connect(m_print, &QPushButton::clicked, this, &FrmPartMaintenance::printList);
    connect(m_close, &QPushButton::clicked, this, &FrmPartMaintenance::askClose);

    m_open = context.stores.openBase(context.prompter);
    // Without the store nothing typed could be kept: the grid stays off.
    m_grid->setEnabled(m_open);
    ScreenActivation::install(this, [this] {
        fill();
        m_context.session.setHelpLine(kHelp);
    });
}

void FrmPartMaintenance::setListPrinter(ListPrinter printer)
{
    m_printer = std::move(printer);
    m_print->setEnabled(bool(m_printer));
}

void FrmPartMaintenance::fill()
{
    if (!m_open)
        return;
    const auto parts = m_store.list();
    if (!parts) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("시작_데이타연결"), m_setup.objectName, true);
        return;
    }
    QList<QStringList> rows;
    rows.reserve(parts->size());
    for (const PartRecord &p : *parts) {
        const QString price = QString::number(p.price);
        const QString cost = QString::number(p.cost);
        rows << QStringList {p.name,
                             p.spec,
                             p.unit,
                             m_setup.costFirst ? cost : price,
                             m_setup.costFirst ? price : cost,
                             QString::number(p.code)};
    }
    m_grid->setRows(rows);
    const int n = int(rows.size());
    m_grid->setMaxRows(qMax(kRows, n + kSpareRows));
    m_grid->gotoCell(Name, n + 1);
    m_grid->setFocus();
}

PartRecord FrmPartMaintenance::rowRecord(int row) const
{
    PartRecord part;
    part.code = m_grid->text(Code, row).toLongLong();
    part.name = m_grid->text(Name, row);
    part.spec = m_grid->text(Spec, row);
    part.unit = m_grid->text(Unit, row);
    // An empty price cell is stored as 0.
    const qint64 first = PartStore::priceFromText(m_grid->text(FirstPrice, row));
    const qint64 second = PartStore::priceFromText(m_grid->text(SecondPrice, row));
    part.price = m_setup.costFirst ? second : first;
    part.cost = m_setup.costFirst ? first : second;
    return part;
}

bool FrmPartMaintenance::storeRow(bool isNew, int row)
{
    PartRecord part = rowRecord(row);
    if (isNew) {
        const qint64 code = m_store.insert(part);
        if (code == 0) {
            ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                      QStringLiteral("부품저장_수정"), m_setup.objectName, true);
            return false;
        }
        m_grid->setText(Code, row, QString::number(code));
        if (row + 1 >= m_grid->maxRows())
            m_grid->setMaxRows(m_grid->maxRows() + kSpareRows);
        return true;
    }
    if (!m_store.update(part)) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("부품저장_수정"), m_setup.objectName, true);
        return false;
    }
    return true;
}

void FrmPartMaintenance::onEditStarted(int, int row)
{
    m_editCode = m_grid->text(Code, row);
}

void FrmPartMaintenance::onEditEnded(int col, int row, bool changed)
{
    if (!changed)
        return;
    const bool stored = !m_editCode.isEmpty();
    switch (col) {
    case Name:
        // A record comes into being when a row without one gets its name.
        storeRow(!stored, row);
        break;
    case Spec:
    case Unit:
    case FirstPrice:
        if (stored) {
            storeRow(false, row);
            moveTo(col + 1, row);
        }
        break;
    case SecondPrice:
        if (stored) {
            storeRow(false, row);
            moveTo(Name, row + 1);
        }
        break;
    default:
        break;
    }
}

void FrmPartMaintenance::onKeyDown(int key, Qt::KeyboardModifiers, bool *consumed)
{
    if (key == Qt::Key_F4) {
        *consumed = true;
        deleteActiveRow();
        return;
    }
    if (key != Qt::Key_Return)
        return;
    *consumed = true;
    const int col = m_grid->activeCol();
    const int row = m_grid->activeRow();
    switch (col) {
    case Name:
        if (m_grid->text(Name, row).isEmpty())
            m_grid->setEditMode(false);
        else
            moveTo(Spec, row);
        break;
    case Spec:
    case Unit:
    case FirstPrice:
        moveTo(col + 1, row);
        break;
    default:
        moveTo(Name, row + 1);
        break;
    }
}

void FrmPartMaintenance::moveTo(int col, int row)
{
    if (row > m_grid->maxRows())
        m_grid->setMaxRows(m_grid->maxRows() + kSpareRows);
    m_grid->gotoCell(col, row);
}

void FrmPartMaintenance::deleteActiveRow()
{
    const int row = m_grid->activeRow();
    const QString code = m_grid->text(Code, row);
    if (code.isEmpty())
        return;
    m_grid->setBackColor(Name, row, SecondPrice, row, GridStyle::red());
    bool deleted = false;
    if (AskYesNo(m_context.prompter, QStringLiteral("현재 선택하신 부품내역을 삭제하시겠습니까?"),
                 QStringLiteral("자료 삭제"))) {
        deleted = m_store.remove(code.toLongLong());
        if (!deleted) {
            ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                      QStringLiteral("vs2_KeyDown"), m_setup.objectName, true);
        }
    }
    if (deleted) {
        m_grid->clear(Name, row, SecondPrice, row);
        m_grid->setBackColor(Name, row, SecondPrice, row, Qt::white);
        m_grid->deleteRow(row);
    } else {
        m_grid->setBackColor(Name, row, SecondPrice, row, Qt::white);
    }
    m_grid->setFocus();
}

void FrmPartMaintenance::printList()
{
    if (!m_printer)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_printer(m_context, this, m_setup.report);
    QApplication::restoreOverrideCursor();
}

void FrmPartMaintenance::askClose()
{
    if (AskYesNo(m_context.prompter, QStringLiteral("부품등록을 종료하시겠습니까?"),
                 QStringLiteral("나가기"))) {
        close();
    }
}
