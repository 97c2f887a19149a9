#include "FrmLedger.h"

#include "AppContext.h"
#include "CodeStore.h"
#include "FieldKeys.h"
#include "FrmMemo.h"
#include "FrmPayment.h"
#include "Grid.h"
#include "LedgerFields.h"
#include "Lookups.h"
#include "PostalStore.h"
#include "Prompter.h"
#include "Schema.h"
#include "Session.h"
#include "Settings.h"
#include "Stores.h"
#include "WindowTools.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using F = CustomerRecord;

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

// The code category behind each field with a code look-up.
QString categoryOf(int field)
{
    switch (field) {
    case F::VehicleRegion:
        return QStringLiteral("차량지역");
    case F::Model:
        return QStringLiteral("차종");
    case F::Colour:
        return QStringLiteral("차량색상");
    case F::Insurer:
        return QStringLiteral("보험회사");
    case F::Company:
        return QStringLiteral("소속회사");
    default:
        return QString();
    }
}

} // namespace

FrmLedger::FrmLedger(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_customers(context.stores)
    , m_store(context.stores)
    , m_fields(new LedgerFields(this, context.session))
    , m_lines(new LedgerGrid(this, context, m_store))
    , m_kind(new QComboBox(this))
    , m_searchWord(new QLineEdit(this))
    , m_searchButton(button(this, "cmd검색", "조회(&F)"))
    , m_wordButton(button(this, "vaBtn1", "검색어(&W)"))
    , m_new(button(this, "cmd신규", "신규(&N)"))
    , m_save(button(this, "cmd저장", "저장(&S)"))
    , m_delete(button(this, "cmd삭제", "삭제(&D)"))
    , m_exit(button(this, "cmd종료", "종료(&X)"))
    , m_memo(button(this, "cmd메모", "메모장(&M)"))
    , m_statement(button(this, "cmd내역서", "내역서(&P)"))
    , m_receipt(button(this, "cmd영수증", "영수증(&K)"))
    , m_amountOption(new QCheckBox(QStringLiteral("금액"), this))
    , m_coverOption(new QCheckBox(QStringLiteral("표지"), this))
    , m_bankbook(button(this, "cmd통장", "통장출력"))
    , m_bankbookMargin(button(this, "btnTJMargin", "통장여백(&S)"))
{
    setObjectName(QStringLiteral("frm정비내역"));
    setWindowTitle(QStringLiteral("고객정비내역 등록"));
    setProperty("fillWorkArea", true);
    m_kind->setObjectName(QStringLiteral("cbo1"));
    m_searchWord->setObjectName(QStringLiteral("Text2"));
    m_amountOption->setObjectName(QStringLiteral("Chk금액"));
    m_coverOption->setObjectName(QStringLiteral("chk표지"));
    m_kind->addItems(CustomerStore::searchKinds());
    m_kind->installEventFilter(this);
    m_searchWord->installEventFilter(this);
    FieldKeys::install(m_searchWord, FieldKeys::SelectOnFocus);
    m_fields->setSaveButton(m_save);

    // The print-outs of the ledger come with their own screens; until then they are shown
    // but cannot be used.
    for (QWidget *w : std::initializer_list<QWidget *>{m_statement, m_receipt, m_amountOption,
                                                       m_coverOption, m_bankbook,
                                                       m_bankbookMargin}) {
        w->setEnabled(false);
    }
    buildLayout();

    connect(m_searchButton, &QPushButton::clicked, this, &FrmLedger::search);
    connect(m_wordButton, &QPushButton::clicked, m_kind, [this] { m_kind->setFocus(); });
    connect(m_new, &QPushButton::clicked, this, &FrmLedger::newCustomer);
    connect(m_save, &QPushButton::clicked, this, &FrmLedger::save);
    connect(m_delete, &QPushButton::clicked, this, &FrmLedger::deleteCustomer);
    connect(m_exit, &QPushButton::clicked, this, &FrmLedger::exitScreen);
    connect(m_memo, &QPushButton::clicked, this, &FrmLedger::openMemo);
    connect(m_fields, &LedgerFields::lookupRequested, this, &FrmLedger::lookUp);

    m_memoWindow = [](AppContext &context, QWidget *ledger) {
        FrmMemo memo(context, ledger);
        memo.placeBy(ledger);
        ExecModal(memo);
    };
    setPaymentDialog([this](AppContext &context, const QString &suggestion)
                             -> std::optional<LedgerGrid::Payment> {
        FrmPayment dialog(context, suggestion, this);
        if (ExecModal(dialog) != QDialog::Accepted)
            return std::nullopt;
        return LedgerGrid::Payment{dialog.date(), dialog.amount()};
    });
    open();
}

void FrmLedger::setPaymentDialog(LedgerGrid::PaymentDialog dialog)
{
    m_lines->setPaymentDialog(std::move(dialog));
}

void FrmLedger::buildLayout()
{
    auto *top = new QHBoxLayout;
    top->addWidget(m_wordButton);
    top->addWidget(m_kind);
    top->addWidget(m_searchWord, 1);
    top->addWidget(m_searchButton);
    top->addSpacing(16);
    for (QPushButton *b : {m_new, m_save, m_delete, m_memo, m_receipt, m_statement, m_exit})
        top->addWidget(b);

    auto *record = new QGridLayout;
    record->setHorizontalSpacing(8);
    record->setVerticalSpacing(4);
    m_fields->addTo(record);
    record->setColumnStretch(6, 1);

    auto *bankbook = new QHBoxLayout;
    bankbook->addWidget(m_amountOption);
    bankbook->addWidget(m_coverOption);
    bankbook->addWidget(m_bankbook);
    bankbook->addWidget(m_bankbookMargin);
    auto *f12 = new QLabel(QStringLiteral("F12 : 통장 시작 위치 초기화"), this);
    f12->setObjectName(QStringLiteral("Label1"));
    f12->setEnabled(false);
    bankbook->addWidget(f12);
    bankbook->addStretch();

    auto *totals = new QHBoxLayout;
    const auto addPanel = [this, totals](const char *caption, QLabel *panel) {
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(panel);
        totals->addWidget(label);
        totals->addWidget(panel);
    };
    addPanel("당일정비금액", m_lines->dayServicePanel());
    addPanel("당일입금액", m_lines->dayPaymentPanel());
    totals->addStretch();
    addPanel("총정비금액", m_lines->duePanel());
    addPanel("현미수금액", m_lines->balancePanel());

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(record);
    layout->addLayout(bankbook);
    layout->addWidget(m_lines->grid()->view(), 1);
    layout->addLayout(totals);

    // Keyboard order: the search, the customer fields, the grid.
    QWidget *previous = m_kind;
    setTabOrder(m_kind, m_searchWord);
    previous = m_searchWord;
    for (int i = 0; i < F::FieldCount; ++i) {
        setTabOrder(previous, m_fields->field(i));
        previous = m_fields->field(i);
    }
    setTabOrder(previous, m_lines->grid()->view());
    resize(1000, 680);
}

void FrmLedger::open()
{
    Stores &stores = m_context.stores;
    Prompter &prompter = m_context.prompter;
    Session &session = m_context.session;
    if (!stores.openBase(prompter) || !stores.openPostal(prompter)
        || !stores.openMaintenance(prompter)) {
        return;
    }
    Schema::upgradeMaintenance(prompter, stores.maintenance());
    session.curCustomerCode = 0;
    session.addressSearchText.clear();
    m_kind->setCurrentIndex(0);
    m_lines->resetDates();
    m_delete->setEnabled(false);
    m_amountOption->setChecked(m_context.settings.amountOption());
}

// --- Keys of the search controls ------------------------------------------------------------

bool FrmLedger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_kind && event->type() == QEvent::FocusIn) {
        m_kind->setCurrentIndex(0);
    } else if (watched == m_searchWord && event->type() == QEvent::FocusIn) {
        m_context.session.setHelpLine(QStringLiteral("차량번호 숫자 4자리를 입력하세요!"));
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == m_kind && enter) {
            m_searchWord->setFocus();
            return true;
        }
        if (watched == m_searchWord && enter) {
            search();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- Search, new, save, delete --------------------------------------------------------------

void FrmLedger::showCustomer(const CustomerRecord &record)
{
    m_fields->setRecord(record);
    m_context.session.curCustomerCode = record.code;
}

bool FrmLedger::pickCustomer(const QString &kind, const QString &word)
{
    Session &session = m_context.session;
    session.customerSearchKind = kind;
    session.customerSearchText = word;
    session.popupCaller = QStringLiteral("1");
    if (!m_context.lookups)
        return false;
    const auto chosen = m_context.lookups->pickCustomer(m_context, this);
    if (!chosen)
        return false;
    session.curCustomerCode = *chosen;
    if (*chosen != 0) {
        if (const auto record = m_customers.load(*chosen))
            showCustomer(*record);
    }
    return true;
}

void FrmLedger::search()
{
    Session &session = m_context.session;
    m_customerLoaded = false;
    const QString word = m_searchWord->text();
    const QString kind = m_kind->currentText();
    if (word.isEmpty()) {
        pickCustomer(kind, word);
    } else {
        const auto found = m_customers.search(kind, word, 2);
        if (!found) {
            ShowMsg(m_context.prompter, m_customers.lastError(), QStringLiteral("고객"));
            return;
        }
        if (found->isEmpty()) {
            const bool create = AskYesNo(m_context.prompter,
                                         QStringLiteral("고객을 찾을수가 없습니다\n신규로 등록 할까요?"),
                                         QStringLiteral("고객없슴"));
            session.curCustomerCode = 0;
            m_lines->clearLines();
            if (create) {
                newCustomer();
            } else {
                m_searchWord->clear();
                m_searchWord->setFocus();
            }
            return;
        }
        if (found->size() == 1)
            showCustomer(found->first());
        else
            pickCustomer(kind, word);
    }
    if (session.curCustomerCode == 0) {
        m_fields->clear();
        newCustomer();
        return;
    }
    loadLines();
    메모장검색();
    session.setHelpLine(QStringLiteral("F1..정비목록검색창 또는 직접입력하세요!"));
    if (!word.isEmpty())
        resetBankbookOptions();
}

void FrmLedger::loadLines()
{
    m_searchWord->clear();
    m_customerLoaded = true;
    m_delete->setEnabled(true);
    m_lines->데이타박기();
}

void FrmLedger::resetBankbookOptions()
{
    m_coverOption->setChecked(false);
    m_amountOption->setChecked(true);
    m_bankbook->setText(QStringLiteral("통장출력"));
}

void FrmLedger::newCustomer()
{
    m_context.session.curCustomerCode = 0;
    m_fields->clear();
    m_lines->clearLines();
    m_customerLoaded = false;
    m_save->setEnabled(true);
    m_searchWord->clear();
    m_fields->focusField(F::Name);
}

void FrmLedger::save()
{
    Session &session = m_context.session;
    Prompter &prompter = m_context.prompter;
    // Dates typed without Enter are normalised too, so that only dates are stored.
    m_fields->normaliseDates();
    CustomerRecord record = m_fields->record().cut();
    const bool vehicle = !record[F::VehicleRegion].trimmed().isEmpty()
            && !record[F::VehicleNumber].trimmed().isEmpty();
    if (!vehicle && record[F::Name].trimmed().isEmpty()) {
        ShowMsg(prompter, QStringLiteral("필수정보가 입력되지 않았습니다!"),
                QStringLiteral("입력확인"));
        m_fields->focusField(F::Name);
        return;
    }
    // Customers without a vehicle number are no duplicates of each other.
    const bool updating = m_customerLoaded;
    if (!record.vehicle().isEmpty()
        && m_customers.isDuplicateVehicle(record.vehicle(),
                                          updating ? session.curCustomerCode : 0)) {
        const bool keep = prompter.question(
                QStringLiteral("이미 등록된 차량 번호입니다.이대로 저장하시겠습니까?"),
                prompter.applicationTitle(), false);
        if (!keep) {
            m_fields->focusField(F::VehicleRegion);
            return;
        }
    }
    if (updating) {
        record.code = session.curCustomerCode;
        switch (m_customers.update(record)) {
        case CustomerStore::UpdateResult::Failed:
            ShowMsg(prompter, QStringLiteral("고객정보를 저장하지 못했습니다.\n")
                                      + m_customers.lastError(),
                    QStringLiteral("저장"));
            return;
        case CustomerStore::UpdateResult::Missing:
            return;
        case CustomerStore::UpdateResult::Updated:
            break;
        }
        m_fields->setRecord(record);
        prompter.notice(QStringLiteral("고객정보가 수정되었습니다...."));
        loadLines();
        return;
    }
    const qint64 code = m_customers.insert(record);
    if (code == 0) {
        ShowMsg(prompter,
                QStringLiteral("고객정보를 저장하지 못했습니다.\n") + m_customers.lastError(),
                QStringLiteral("저장"));
        return;
    }
    record.code = code;
    session.curCustomerCode = code;
    m_fields->setRecord(record);
    prompter.notice(QStringLiteral("고객정보가 저장되었습니다...."));
    loadLines();
}

void FrmLedger::deleteCustomer()
{
    Session &session = m_context.session;
    Prompter &prompter = m_context.prompter;
    if (session.curCustomerCode == 0)
        return;
    const QString name = m_fields->field(F::Name)->text();
    if (!AskYesNo(prompter,
                  QStringLiteral("현재 선택하신 고객 = ") + name
                          + QStringLiteral(" 을(를) 삭제하시면\n정비내역 모든것을 삭제하게됩니다, "
                                           "삭제할까요?"),
                  QStringLiteral("자료 삭제"))) {
        return;
    }
    const auto password = prompter.inputPassword(QStringLiteral("비밀번호를 입력하세요 : "),
                                                 QStringLiteral("자료삭제확인"));
    // Cancelling the password box never deletes.
    if (!password)
        return;
    if (*password != session.loginPassword) {
        if (!password->isEmpty())
            ShowMsg(prompter, QStringLiteral("비밀 번호가 일치하지 않습니다."));
        return;
    }
    if (!m_customers.remove(session.curCustomerCode)) {
        ShowMsg(prompter, QStringLiteral("고객을 삭제하지 못했습니다.\n") + m_customers.lastError(),
                QStringLiteral("자료 삭제"));
        return;
    }
    m_fields->clear();
    m_lines->clearLines();
    session.curCustomerCode = 0;
    m_customerLoaded = false;
    m_delete->setEnabled(false);
    m_kind->setFocus();
}

void FrmLedger::exitScreen()
{
    if (AskYesNo(m_context.prompter, QStringLiteral("정비내역 등록을 종료하시겠습니까?"),
                 QStringLiteral("나가기"))) {
        m_context.session.curCustomerCode = 0;
        m_customerLoaded = false;
        // The screen lives in a window of the main window's work area when it has one.
        QWidget *window = parentWidget() && !isWindow() ? parentWidget() : this;
        window->close();
        return;
    }
    Grid *grid = m_lines->grid();
    if (grid->isEnabled()) {
        grid->setFocus();
        grid->setEditMode(true);
    } else {
        m_kind->setFocus();
    }
}

void FrmLedger::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The shop starts by typing the vehicle number.
    if (!std::exchange(m_shown, true))
        m_searchWord->setFocus();
}

void FrmLedger::closeEvent(QCloseEvent *event)
{
    m_context.session.curCustomerCode = 0;
    m_context.session.setHelpLine(LedgerFields::generalHelp());
    QWidget::closeEvent(event);
}

// --- Memo -----------------------------------------------------------------------------------

void FrmLedger::openMemo()
{
    if (!m_customerLoaded || m_context.session.curCustomerCode == 0) {
        m_searchWord->setFocus();
        return;
    }
    if (m_memoWindow)
        m_memoWindow(m_context, this);
    m_lines->grid()->setFocus();
}

void FrmLedger::메모장검색()
{
    MemoStore memos(m_context.stores.base());
    if (!memos.hasMemo(m_context.session.curCustomerCode))
        return;
    if (m_memoWindow)
        m_memoWindow(m_context, this);
    m_lines->grid()->setFocus();
}

// --- Look-ups of the fields -----------------------------------------------------------------

void FrmLedger::lookUp(int field)
{
    if (field == F::Address || field == F::PostalCode)
        lookUpAddress(field);
    else
        lookUpCode(field);
}

void FrmLedger::lookUpCode(int field)
{
    Session &session = m_context.session;
    const QString category = categoryOf(field);
    QLineEdit *edit = m_fields->field(field);
    const QString typed = edit->text();
    const QList<CodeRecord> matches = CodeStore(m_context.stores.base())
                                              .find(category, typed)
                                              .value_or(QList<CodeRecord>());
    if (!typed.isEmpty() && matches.size() == 1) {
        edit->setText(matches.first().name);
    } else {
        session.codeCategory = category;
        session.lookupSearchText = !typed.isEmpty() && matches.size() > 1 ? typed : QString();
        if (m_context.lookups) {
            if (const auto chosen = m_context.lookups->pickCode(m_context, this))
                edit->setText(*chosen);
        }
    }
    session.lookupSearchText.clear();
    if (!edit->text().isEmpty())
        m_fields->focusField(field + 1);
    else
        edit->setFocus();
}

void FrmLedger::lookUpAddress(int field)
{
    Session &session = m_context.session;
    QLineEdit *address = m_fields->field(F::Address);
    QLineEdit *postal = m_fields->field(F::PostalCode);
    const QString typed = m_fields->field(field)->text().trimmed();
    const QList<AddressChoice> rows = PostalStore(m_context.stores, m_context.prompter)
                                              .search(field == F::Address ? PostalStore::By::Town
                                                                          : PostalStore::By::PostalCode,
                                                      typed);
    if (rows.isEmpty()) {
        address->clear();
        postal->clear();
    } else if (rows.size() == 1) {
        postal->setText(rows.first().postalCode);
        address->setText(rows.first().address);
    } else {
        session.addressSearchText = address->text();
        session.popupCaller = QStringLiteral("1");
        if (m_context.lookups) {
            if (const auto chosen = m_context.lookups->pickAddress(m_context, this)) {
                postal->setText(chosen->postalCode);
                address->setText(chosen->address);
            }
        }
    }
    // The user goes on typing the house number at the end of the address.
    address->setFocus();
    QTimer::singleShot(0, address, [address] {
        address->deselect();
        address->end(false);
    });
}
