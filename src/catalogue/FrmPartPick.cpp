#include "FrmPartPick.h"

#include "AppContext.h"
#include "FrmPartEdit.h"
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

constexpr int kRows = 500;
constexpr int kVisibleRows = 20;
constexpr int kFieldCount = 5;
const QString kStatementCaller = QStringLiteral("333");

} // namespace

FrmPartPick::FrmPartPick(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_store(context.stores.base(), PartTable::Catalogue)
    , m_grid(new Grid(this, QStringLiteral("vs2"), 6, kRows))
    , m_new(new QPushButton(QStringLiteral("신규(&S)"), this))
    , m_change(new QPushButton(QStringLiteral("수정(&E)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm정비부품조회"));
    setWindowTitle(QStringLiteral("정비부품조회 ( F2 = 신규, F3 = 수정 ) "));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_grid->setHeaderTexts({QStringLiteral("부품명"), QStringLiteral("부품규격"),
                            QStringLiteral("단위"), QStringLiteral("판매단가"),
                            QStringLiteral("매입단가"), QStringLiteral("코드")});
    m_grid->setNumberColumn(Price, 14, 0, true);
    m_grid->setNumberColumn(Cost, 14, 0, true);
    const double widths[] = {26.5, 19.25, 5.5, 11.5};
    for (int c = Name; c <= Price; ++c)
        m_grid->setColumnWidth(c, widths[c - 1]);
    m_grid->setColumnHidden(Cost);
    m_grid->setColumnHidden(Code);
    // Items change only through 수정(&E).
    m_grid->lock(-1, -1, -1, -1);
    FitGridView(m_grid, kVisibleRows);
    QTableView *view = m_grid->view();

    m_new->setObjectName(QStringLiteral("cmdok"));
    m_change->setObjectName(QStringLiteral("cmde"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_new, m_change, m_exit}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(96);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    setTabOrder(view, m_new);
    setTabOrder(m_new, m_change);
    setTabOrder(m_change, m_exit);

    ConnectEditablePicking(
            this, m_grid, m_new, m_change, m_exit, [this](int row) { pick(row); },
            [this] { addPart(); }, [this] { changePart(); });

    PlaceWindow(this, parent, 3570, 1170);
}

bool FrmPartPick::load()
{
    if (!m_context.stores.openBase(m_context.prompter))
        return false;
    const auto parts = m_store.findByPrefix(m_context.session.lookupSearchText);
    if (!parts) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("데이타연결"), objectName(), true);
    } else {
        showParts(*parts);
    }
    m_context.session.partEditBuffer = QStringList(kFieldCount, QString());
    m_grid->gotoCell(Name, 1);
    m_grid->setFocus();
    return true;
}

void FrmPartPick::showParts(const QList<PartRecord> &parts)
{
    QList<QStringList> rows;
    rows.reserve(parts.size());
    for (const PartRecord &p : parts) {
        rows << QStringList {p.name,
                             p.spec,
                             p.unit,
                             QString::number(p.price),
                             QString::number(p.cost),
                             QString::number(p.code)};
    }
    m_grid->setRows(rows);
    m_grid->setMaxRows(qMax(kRows, int(rows.size())));
}

void FrmPartPick::pick(int row)
{
    const QString code = m_grid->text(Code, row);
    if (code.isEmpty()) {
        // A row without an item closes the list without a choice.
        reject();
        return;
    }
    PartChoice part;
    part.code = code.toLongLong();
    part.name = m_grid->text(Name, row);
    part.spec = m_grid->text(Spec, row);
    part.unit = m_grid->text(Unit, row);
    part.price = PartStore::priceFromText(m_grid->text(Price, row));
    part.cost = PartStore::priceFromText(m_grid->text(Cost, row));
    m_choice = part;
    accept();
}

void FrmPartPick::done(int result)
{
    // The statement reads its choice from the search text.
    if (m_context.session.popupCaller == kStatementCaller)
        m_context.session.lookupSearchText = m_choice ? m_choice->name : QString();
    QDialog::done(result);
}

bool FrmPartPick::runEdit(const QString &caption, const QStringList &values)
{
    FrmPartEdit edit(m_context, this);
    edit.setWindowTitle(caption);
    edit.setValues(values);
    m_runner(edit);
    // An empty name means nothing was entered.
    return !m_context.session.partEditBuffer.value(0).isEmpty();
}

PartRecord FrmPartPick::fromBuffer(qint64 code) const
{
    const QStringList &b = m_context.session.partEditBuffer;
    PartRecord part;
    part.code = code;
    part.name = b.value(0);
    part.spec = b.value(1);
    part.unit = b.value(2);
    part.price = PartStore::priceFromText(b.value(3));
    part.cost = PartStore::priceFromText(b.value(4));
    return part;
}

void FrmPartPick::addPart()
{
    if (runEdit(QStringLiteral("신규부품을 등록하세요"), {})) {
        if (m_store.insert(fromBuffer(0)) == 0) {
            ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                      QStringLiteral("부품저장_수정"), objectName(), true);
        } else if (const auto parts = m_store.all()) {
            // The whole catalogue in the order of entry: the new item last, and active.
            showParts(*parts);
            m_grid->gotoCell(Name, int(parts->size()));
        }
    }
    m_grid->setFocus();
}

void FrmPartPick::changePart()
{
    const int row = m_grid->activeRow();
    const QString code = m_grid->text(Code, row);
    if (code.isEmpty())
        return;
    QStringList values;
    for (int c = Name; c <= Cost; ++c)
        values << m_grid->text(c, row);
    if (runEdit(QStringLiteral("부품을 수정하세요"), values)) {
        const PartRecord part = fromBuffer(code.toLongLong());
        if (m_store.update(part)) {
            m_grid->setRowText(row,
                               {part.name, part.spec, part.unit, QString::number(part.price),
                                QString::number(part.cost)});
        } else {
            ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                      QStringLiteral("부품저장_수정"), objectName(), true);
        }
    }
    m_grid->setFocus();
}
