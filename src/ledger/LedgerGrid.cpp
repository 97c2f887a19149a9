#include "LedgerGrid.h"

#include "AppContext.h"
#include "CodeStore.h"
#include "DateUtil.h"
#include "Grid.h"
#include "GridStyle.h"
#include "LedgerFields.h"
#include "LedgerStore.h"
#include "Lookups.h"
#include "PartStore.h"
#include "NumberFormat.h"
#include "Prompter.h"
#include "Session.h"
#include "Stores.h"

#include <QLabel>
#include <QTableView>

namespace {

const QString kPaymentHelp = QStringLiteral(" 입금은 F3 키를 누르세요!");
const QString kTextHelp = QStringLiteral("F1 : 정비목록검색창 또는 직접입력하세요!");
const QString kMechanicHelp = QStringLiteral("F1 : 정비담당검색창 또는 직접입력하세요!");

QLabel *panel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(120);
    label->setStyleSheet(QStringLiteral("QLabel { background: white; font-weight: bold; "
                                        "padding: 2px 6px; }"));
    return label;
}

QString cellText(qint64 value)
{
    return value == 0 ? QString() : QString::number(value);
}

} // namespace

LedgerGrid::LedgerGrid(QWidget *parent, AppContext &context, LedgerStore &store)
    : QObject(parent)
    , m_context(context)
    , m_store(store)
    , m_grid(new Grid(parent, QStringLiteral("vs3"), ColumnCount, kMinRows))
    , m_dayService(panel(parent, "sp정비금액"))
    , m_dayPayment(panel(parent, "sp입금액"))
    , m_due(panel(parent, "sp현정비금액"))
    , m_balance(panel(parent, "sp미수금"))
{
    m_grid->setHeaderTexts({QStringLiteral("정비일자"), QStringLiteral("정   비   내   용"),
                            QStringLiteral("정비단가"), QStringLiteral("EA"),
                            QStringLiteral("정비금액"), QStringLiteral("D/C"),
                            QStringLiteral("받을금액"), QStringLiteral("입금액"),
                            QStringLiteral("Km"), QStringLiteral("담당자")});
    const double widths[] = {8.75, 41.75, 10.5, 6.75, 10.12, 10.5, 10.75, 10.5, 7.5, 5.87};
    for (int c = Date; c <= Mechanic; ++c)
        m_grid->setColumnWidth(c, widths[c - 1]);
    m_grid->setColumnMaxLength(Date, 10);
    m_grid->setColumnMaxLength(Text, 50);
    m_grid->setColumnMaxLength(Mechanic, 10);
    for (int c : {Price, Amount, Discount, Due, Paid})
        m_grid->setNumberColumn(c, 14);
    m_grid->setNumberColumn(Quantity, 5);
    m_grid->setNumberColumn(Mileage, 6);
    for (int c = Customer; c <= Spec; ++c)
        m_grid->setColumnHidden(c);
    // Amount and amount due follow from price, quantity and discount.
    m_grid->lock(Amount, -1, Amount, -1);
    m_grid->lock(Due, -1, Due, -1);
    m_grid->setEnabled(false);

    connect(m_grid, &Grid::cellEntered, this, &LedgerGrid::cellEntered);
    connect(m_grid, &Grid::editStarted, this, &LedgerGrid::editStarted);
    connect(m_grid, &Grid::editEnded, this, &LedgerGrid::editEnded);
    connect(m_grid, &Grid::leaveCell, this,
            [this](int col, int row, int newCol, int newRow, bool *) {
                leaveCell(col, row, newCol, newRow);
            });
    connect(m_grid, &Grid::keyDown, this,
            [this](int key, Qt::KeyboardModifiers, bool *consumed) { keyDown(key, consumed); });
    connect(m_grid, &Grid::gotFocus, this, [this] {
        if (m_grid->activeCol() == Text)
            m_context.session.setHelpLine(kTextHelp);
    });
    resetDates();
}

void LedgerGrid::resetDates()
{
    m_defaultLineDate = m_context.session.workDate;
    m_currentLineDate = m_context.session.workDate;
}

// --- Loading --------------------------------------------------------------------------------

void LedgerGrid::데이타박기()
{
    load(false);
}

void LedgerGrid::입금데이타박기()
{
    load(true);
}

void LedgerGrid::load(bool afterPayment)
{
    const Session &session = m_context.session;
    m_untouched = false;
    m_cellCol = m_cellRow = 0;
    m_grid->setEnabled(true);
    const auto lines = m_store.lines(session.curCustomerCode);
    if (!lines) {
        ShowMsg(m_context.prompter, m_store.lastError(), QStringLiteral("정비내역"));
        return;
    }
    QList<QStringList> rows;
    rows.reserve(lines->size());
    for (const LedgerLine &l : *lines) {
        // A zero shows as an empty cell.
        rows << QStringList{l.date,
                            l.text,
                            cellText(l.price),
                            cellText(l.quantity),
                            cellText(l.amount),
                            cellText(l.discount),
                            cellText(l.due),
                            cellText(l.paid),
                            cellText(l.mileage),
                            l.mechanic == QLatin1String("0") ? QString() : l.mechanic,
                            cellText(l.customer),
                            cellText(l.partCode),
                            cellText(l.lineCode),
                            l.kind,
                            l.spec == QLatin1String("0") ? QString() : l.spec};
    }
    // Every line has its row, however many there are, and room stays for new ones.
    m_grid->setMaxRows(std::max<int>(kMinRows, int(rows.size()) + 100));
    m_grid->setBackColor(Date, -1, Mechanic, -1, Qt::white);
    m_grid->setRows(rows);
    colourPaymentRows();

    const int freeRow = int(rows.size()) + 1;
    QString freeDate = session.workDate;
    if (afterPayment && !rows.isEmpty())
        freeDate = m_defaultLineDate;
    m_grid->setText(Date, freeRow, freeDate);
    m_currentLineDate = freeDate;
    m_grid->setFocus();
    m_grid->gotoCell(Text, freeRow);
    m_currentLineDate = m_grid->text(Date, freeRow);
    if (afterPayment) {
        미수금관리();
        금액합계();
    } else {
        금액합계();
        미수금관리();
    }
}

void LedgerGrid::clearLines()
{
    m_untouched = false;
    m_cellCol = m_cellRow = 0;
    m_grid->setMaxRows(kMinRows);
    m_grid->setRows({});
    m_grid->setBackColor(Date, -1, Mechanic, -1, Qt::white);
    m_grid->setEnabled(false);
    m_dayService->clear();
    m_dayPayment->clear();
    m_due->clear();
    m_balance->clear();
}

void LedgerGrid::colourPaymentRows()
{
    const int rows = m_grid->maxRows();
    for (int r = 1; r <= rows; ++r) {
        if (m_grid->text(Date, r).isEmpty() && m_grid->text(Text, r).isEmpty())
            break;
        if (m_grid->text(Text, r) == LedgerLine::paymentText())
            m_grid->setBackColor(Date, r, Mechanic, r, GridStyle::green());
    }
}

// --- Totals ---------------------------------------------------------------------------------

void LedgerGrid::금액합계()
{
    qint64 service = 0;
    qint64 paid = 0;
    const int rows = m_grid->maxRows();
    for (int r = 1; r <= rows && !m_grid->text(Date, r).isEmpty(); ++r) {
        if (m_grid->text(Date, r) != m_currentLineDate)
            continue;
        service += number(Due, r);
        paid += number(Paid, r);
    }
    m_dayService->setText(FormatNumber(double(service)));
    m_dayPayment->setText(FormatNumber(double(paid)));
}

void LedgerGrid::미수금관리()
{
    const qint64 customer = m_context.session.curCustomerCode;
    if (customer == 0)
        return;
    // The summary is kept in step with the stored lines by every write; this brings an
    // older store's summary up to date and shows it.
    const auto summary = m_store.refreshSummary(customer);
    if (!summary) {
        ShowMsg(m_context.prompter, m_store.lastError(), QStringLiteral("고객미수금"));
        return;
    }
    m_balance->setText(FormatNumber(double(summary->balance)));
    m_due->setText(FormatNumber(double(summary->due)));
}

// --- Cell events ----------------------------------------------------------------------------

void LedgerGrid::cellEntered(int col, int row)
{
    if (row >= m_grid->maxRows() - 1)
        m_grid->setMaxRows(m_grid->maxRows() + 100);
    m_cellCol = col;
    m_cellRow = row;
    m_untouched = true;
    startRules(col, row);
}

void LedgerGrid::editStarted(int col, int row)
{
    if (col != m_cellCol || row != m_cellRow) {
        m_cellCol = col;
        m_cellRow = row;
        startRules(col, row);
    } else if (!m_untouched) {
        // Typing again into a cell whose edit has ended: the stored text is the start.
        m_editStartValue = m_grid->text(col, row);
        showHelp(col);
    }
    m_untouched = false;
}

void LedgerGrid::editEnded(int col, int row, bool changed)
{
    if (m_quiet)
        return;
    m_untouched = false;
    if (changed)
        changedRules(col, row);
    else
        unchangedRules(col, row);
}

void LedgerGrid::leaveCell(int col, int row, int newCol, int newRow)
{
    if (m_untouched && col == m_cellCol && row == m_cellRow) {
        m_untouched = false;
        unchangedRules(col, row);
    }
    if (newCol == Date || newCol == Text) {
        m_currentLineDate = m_grid->text(Date, newRow);
        금액합계();
    }
}

void LedgerGrid::startRules(int col, int row)
{
    m_editStartValue = m_grid->text(col, row);
    showHelp(col);
    if (col == Date || col == Text) {
        const bool lineAbove = row == 1 || !m_grid->text(Text, row - 1).isEmpty();
        if (lineAbove) {
            if (m_grid->text(Date, row).isEmpty())
                m_grid->setText(Date, row, m_defaultLineDate);
            m_currentLineDate = m_grid->text(Date, row);
            금액합계();
        }
    } else if (col == Price) {
        prepareAmounts(row);
        금액합계();
    }
}

void LedgerGrid::prepareAmounts(int row)
{
    if (isPaymentRow(row))
        return;
    if (number(Quantity, row) == 0 && !m_grid->text(Text, row).isEmpty())
        setNumber(Quantity, row, 1);
    if (number(Price, row) != 0)
        recompute(row);
}

void LedgerGrid::showHelp(int col)
{
    switch (col) {
    case Text:
        m_context.session.setHelpLine(kTextHelp);
        break;
    case Paid:
        m_context.session.setHelpLine(kPaymentHelp);
        break;
    case Mechanic:
        m_context.session.setHelpLine(kMechanicHelp);
        break;
    default:
        m_context.session.setHelpLine(LedgerFields::generalHelp());
        break;
    }
}

bool LedgerGrid::confirmChange(int col, int row)
{
    if (m_editStartValue.isEmpty() || m_editStartValue == QLatin1String("0"))
        return true;
    const bool yes = AskYesNo(m_context.prompter, QStringLiteral("자료를 수정할까요?"),
                              QStringLiteral("자료수정"));
    if (!yes)
        m_grid->setText(col, row, m_editStartValue);
    m_grid->setFocus();
    return yes;
}

void LedgerGrid::changedRules(int col, int row)
{
    const bool payment = isPaymentRow(row);
    const bool stored = isStored(row);
    switch (col) {
    case Date: {
        confirmChange(col, row);
        QString date = NormDate(m_grid->text(Date, row), QStringLiteral("."));
        if (date.isEmpty())
            date = m_defaultLineDate;
        m_grid->setText(Date, row, date);
        m_currentLineDate = m_defaultLineDate = date;
        if (stored && !정비내역저장_수정(false, row))
            return;
        금액합계();
        m_grid->gotoCell(Text, row);
        break;
    }
    case Text:
        if (payment) {
            m_grid->setText(Text, row, LedgerLine::paymentText());
            break;
        }
        confirmChange(col, row);
        // A new row whose text was typed and taken back again holds nothing to store.
        if (stored || !m_grid->text(Text, row).isEmpty()) {
            if (!정비내역저장_수정(!stored, row))
                return;
        }
        금액합계();
        m_grid->gotoCell(Price, row);
        break;
    case Price:
    case Quantity:
    case Discount:
        if (payment) {
            m_grid->clear(col, row, col, row);
            if (col == Quantity)
                m_grid->clear(Price, row, Price, row);
            break;
        }
        confirmChange(col, row);
        if (stored) {
            if (!recompute(row)) {
                m_grid->setText(col, row, m_editStartValue);
                recompute(row);
                break;
            }
            if (!정비내역저장_수정(false, row))
                return;
        }
        금액합계();
        if (col != Quantity || stored)
            m_grid->gotoCell(col == Discount ? Mileage : Discount, row);
        break;
    case Paid:
        // Payments are entered with F3; an amount typed into a service line, or into a row
        // not stored yet, is not kept.
        if (!payment) {
            m_grid->clear(Paid, row, Paid, row);
            break;
        }
        confirmChange(col, row);
        if (stored && !정비내역저장_수정(false, row))
            return;
        금액합계();
        m_grid->gotoCell(Mileage, row);
        break;
    case Mileage:
    case Mechanic:
        if (payment) {
            m_grid->clear(col, row, col, row);
            break;
        }
        confirmChange(col, row);
        if (stored && !정비내역저장_수정(false, row))
            return;
        if (col == Mileage)
            m_grid->gotoCell(Mechanic, row);
        break;
    default:
        break;
    }
}

void LedgerGrid::unchangedRules(int col, int row)
{
    if (col == Date) {
        금액합계();
    } else if (col == Price) {
        // Keeps the amounts worked out when the cell was entered.
        if (isStored(row) && !정비내역저장_수정(false, row))
            return;
        금액합계();
    }
}

// --- Keys -----------------------------------------------------------------------------------

void LedgerGrid::keyDown(int key, bool *consumed)
{
    const int col = m_grid->activeCol();
    const int row = m_grid->activeRow();
    switch (key) {
    case Qt::Key_Return:
        *consumed = true;
        if (m_grid->editMode()) {
            m_grid->setEditMode(false);
            if (m_grid->activeCol() != col || m_grid->activeRow() != row)
                return; // the rules of the cell moved on already
        }
        moveOnEnter(col, row);
        break;
    case Qt::Key_F1:
        if (col == Text) {
            *consumed = true;
            lookUpPart();
        } else if (col == Mechanic) {
            *consumed = true;
            lookUpMechanic();
        }
        break;
    case Qt::Key_F3:
        *consumed = true;
        recordPayment();
        break;
    case Qt::Key_F4:
        *consumed = true;
        deleteLine();
        break;
    default:
        break;
    }
}

void LedgerGrid::moveOnEnter(int col, int row)
{
    switch (col) {
    case Date:
        m_grid->gotoCell(Text, row);
        break;
    case Text:
        if (!m_grid->text(Text, row).isEmpty())
            m_grid->gotoCell(Price, row);
        break;
    case Price:
    case Quantity:
    case Amount:
        m_grid->gotoCell(Discount, row);
        break;
    case Discount:
    case Due:
    case Paid:
        m_grid->gotoCell(Mileage, row);
        break;
    case Mileage:
        m_grid->gotoCell(Mechanic, row);
        break;
    case Mechanic:
        if (m_grid->text(Date, row + 1).isEmpty())
            m_grid->setText(Date, row + 1, m_defaultLineDate);
        m_grid->gotoCell(Text, row + 1);
        break;
    default:
        break;
    }
}

void LedgerGrid::endEditQuietly()
{
    m_quiet = true;
    m_grid->setEditMode(false);
    m_quiet = false;
    m_untouched = false;
}

void LedgerGrid::lookUpPart()
{
    Session &session = m_context.session;
    const int row = m_grid->activeRow();
    endEditQuietly();
    session.lookupSearchText.clear();
    const QString typed = m_grid->text(Text, row);
    std::optional<PartChoice> choice;
    const auto pickList = [&] {
        session.ledgerCurrentRow = row;
        if (m_context.lookups)
            choice = m_context.lookups->pickPart(m_context, m_grid->view());
    };
    if (typed.isEmpty()) {
        pickList();
    } else {
        const QList<PartRecord> matches =
                PartStore(m_context.stores.base(), PartTable::Catalogue)
                        .findByPrefix(typed)
                        .value_or(QList<PartRecord>());
        if (matches.size() == 1) {
            const PartRecord &p = matches.first();
            choice = PartChoice{p.code, p.name, p.spec, p.unit, p.price, p.cost};
        } else {
            if (matches.size() > 1)
                session.lookupSearchText = typed;
            pickList();
        }
    }
    session.lookupSearchText.clear();
    if (choice) {
        m_grid->setText(Text, row, choice->name);
        setNumber(Price, row, choice->price);
        setNumber(PartCode, row, choice->code);
        m_grid->setText(Spec, row, choice->spec);
    }
    m_grid->setFocus();
    if (m_grid->text(Text, row).isEmpty())
        return;
    // A line priced from the catalogue is stored with its amounts, not only once the
    // cursor has passed the price cell.
    prepareAmounts(row);
    if (!정비내역저장_수정(!isStored(row), row))
        return;
    m_grid->gotoCell(Price, row);
}

void LedgerGrid::lookUpMechanic()
{
    Session &session = m_context.session;
    const int row = m_grid->activeRow();
    endEditQuietly();
    const QString typed = m_grid->text(Mechanic, row);
    const QString category = QStringLiteral("정비담당");
    const QList<CodeRecord> matches = CodeStore(m_context.stores.base())
                                              .find(category, typed)
                                              .value_or(QList<CodeRecord>());
    session.ledgerCurrentRow = row;
    if (!typed.isEmpty() && matches.size() == 1) {
        m_grid->setText(Mechanic, row, matches.first().name);
    } else {
        session.codeCategory = category;
        session.lookupSearchText = !typed.isEmpty() && matches.size() > 1 ? typed : QString();
        if (m_context.lookups) {
            if (const auto chosen = m_context.lookups->pickCode(m_context, m_grid->view()))
                m_grid->setText(Mechanic, row, *chosen);
        }
    }
    session.lookupSearchText.clear();
    m_grid->setFocus();
    // A mechanic is kept only on a stored line.
    if (isStored(row)) {
        if (!정비내역저장_수정(false, row))
            return;
    } else {
        m_grid->clear(Mechanic, row, Mechanic, row);
    }
    if (m_grid->text(Date, row + 1).isEmpty())
        m_grid->setText(Date, row + 1, m_defaultLineDate);
    m_grid->gotoCell(Text, row + 1);
}

// --- Storing --------------------------------------------------------------------------------

bool LedgerGrid::isPaymentRow(int row) const
{
    return m_grid->text(Kind, row) == QLatin1String("2");
}

bool LedgerGrid::isStored(int row) const
{
    return !m_grid->text(LineCode, row).isEmpty();
}

qint64 LedgerGrid::number(int col, int row) const
{
    return ParseWholeNumber(m_grid->text(col, row), 18).value_or(0);
}

void LedgerGrid::setNumber(int col, int row, qint64 value)
{
    m_grid->setText(col, row, cellText(value));
}

bool LedgerGrid::recompute(int row)
{
    qint64 amount = 0;
    qint64 due = 0;
    const bool fits = !__builtin_mul_overflow(number(Price, row), number(Quantity, row), &amount)
            && !__builtin_sub_overflow(amount, number(Discount, row), &due)
            && std::abs(amount) <= LedgerLine::kMaxAmount && std::abs(due) <= LedgerLine::kMaxAmount;
    if (!fits) {
        ShowMsg(m_context.prompter,
                QStringLiteral("금액이 너무 큽니다.\n정비금액과 받을금액은 14자리를 넘을 수 없습니다."),
                QStringLiteral("입력확인"));
        return false;
    }
    setNumber(Amount, row, amount);
    setNumber(Due, row, due);
    return true;
}

LedgerLine LedgerGrid::lineOf(int row, bool isNew) const
{
    const Session &session = m_context.session;
    LedgerLine l;
    l.lineCode = number(LineCode, row);
    l.date = m_grid->text(Date, row);
    if (l.date.isEmpty())
        l.date = session.workDate; // in the store only; the cell stays empty
    l.text = m_grid->text(Text, row);
    l.price = number(Price, row);
    l.quantity = number(Quantity, row);
    l.amount = number(Amount, row);
    l.discount = number(Discount, row);
    l.due = number(Due, row);
    l.paid = number(Paid, row);
    l.mileage = number(Mileage, row);
    l.mechanic = m_grid->text(Mechanic, row);
    l.partCode = number(PartCode, row);
    l.spec = m_grid->text(Spec, row);
    const qint64 rowCustomer = number(Customer, row);
    l.customer = isNew || rowCustomer == 0 ? session.curCustomerCode : rowCustomer;
    l.kind = isNew || m_grid->text(Kind, row).isEmpty() ? QStringLiteral("1")
                                                         : m_grid->text(Kind, row);
    return l;
}

bool LedgerGrid::정비내역저장_수정(bool isNew, int row)
{
    const LedgerLine line = lineOf(row, isNew);
    if (!line.amountsFit()) {
        writeFailed(QStringLiteral("금액이 너무 큽니다."));
        return false;
    }
    if (isNew) {
        const qint64 code = m_store.insertLine(line);
        if (code == 0) {
            writeFailed(m_store.lastError());
            return false;
        }
        m_grid->setText(Spec, row, line.spec);
        setNumber(Customer, row, line.customer);
        setNumber(PartCode, row, line.partCode);
        setNumber(LineCode, row, code);
        m_grid->setText(Kind, row, QStringLiteral("1"));
    } else if (!m_store.updateLine(line)) {
        writeFailed(m_store.lastError());
        return false;
    }
    미수금관리();
    return true;
}

void LedgerGrid::writeFailed(const QString &error)
{
    ShowMsg(m_context.prompter, QStringLiteral("자료를 저장하지 못했습니다.\n") + error,
            QStringLiteral("자료 저장"));
    // The grid shows again what the store holds.
    const int col = m_grid->activeCol();
    const int row = m_grid->activeRow();
    load(false);
    m_grid->gotoCell(col, row);
}

// --- Payments and deleting ------------------------------------------------------------------

void LedgerGrid::recordPayment()
{
    Session &session = m_context.session;
    if (session.curCustomerCode == 0 || !m_paymentDialog)
        return;
    endEditQuietly();
    const qint64 balance = ParseWholeNumber(m_balance->text(), 18).value_or(0);
    session.paymentSuggestion = FormatNumber(double(balance));
    const auto payment = m_paymentDialog(m_context, session.paymentSuggestion);
    m_grid->setFocus();
    if (!payment)
        return;
    const qint64 amount = ParseWholeNumber(payment->amount, 14).value_or(0);
    if (amount == 0)
        return;
    const QString date = payment->date.isEmpty() ? session.workDate : payment->date;
    if (m_store.insertPayment(session.curCustomerCode, date, amount) == 0) {
        ShowMsg(m_context.prompter,
                QStringLiteral("입금을 저장하지 못했습니다.\n") + m_store.lastError(),
                QStringLiteral("입금"));
        return;
    }
    입금데이타박기();
}

void LedgerGrid::deleteLine()
{
    const int row = m_grid->activeRow();
    const int col = m_grid->activeCol();
    if (row < 1)
        return;
    endEditQuietly();
    if (!isStored(row)) {
        m_grid->clear(Date, row, Kind, row);
        m_grid->gotoCell(Date, row);
        return;
    }
    m_grid->setBackColor(Date, row, Mechanic, row, GridStyle::red());
    const bool yes = AskYesNo(m_context.prompter, QStringLiteral("현재 선택하신 자료를 삭제할까요?"),
                              QStringLiteral("자료 삭제"));
    if (yes) {
        if (!m_store.deleteLine(number(LineCode, row), m_context.session.curCustomerCode)) {
            m_grid->setBackColor(Date, row, Mechanic, row, Qt::white);
            writeFailed(m_store.lastError());
            return;
        }
        m_grid->clear(Date, row, Spec, row);
        m_grid->deleteRow(row);
        금액합계();
        미수금관리();
    } else {
        m_grid->setBackColor(Date, row, Mechanic, row, Qt::white);
    }
    m_grid->setFocus();
    m_untouched = false;
    m_grid->gotoCell(Price, row);
    m_grid->gotoCell(col, row);
}
