#include "CustomerStore.h"
#include "DateUtil.h"
#include "FrmLedger.h"
#include "Grid.h"
#include "LedgerFields.h"
#include "LedgerStore.h"
#include "MemoStore.h"
#include "ScriptedLookups.h"
#include "TestShop.h"
#include "TextUtil.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

using F = CustomerRecord;
using G = LedgerGrid;

const QString kToday = QStringLiteral("2005.12.31"); // TestShop's working date

// A ledger screen on a fresh shop, its look-ups, payment window and memo window answered
// by the test.
struct Ledger
{
    Ledger()
    {
        shop.context().lookups = &lookups;
        shop.session().loginPassword = QStringLiteral("1234");
        Database &base = shop.base();
        for (const auto &[name, price] : QList<QPair<QString, int>>{
                     {"엔진오일 교환", 35000}, {"에어필터", 12000}, {"에어컨필터", 15000},
                     {"브레이크패드", 45000}}) {
            base.exec("INSERT INTO 정비부품 (부품명, 규격, 단위, 판매단가) VALUES (?, '4L', 'EA', ?)",
                      {name, price});
        }
        for (const char *mechanic : {"김정비", "박기사", "박반장"})
            base.exec("INSERT INTO 기타참조 (name, gubun) VALUES (?, '정비담당')",
                      {QString::fromUtf8(mechanic)});
        for (const char *region : {"서울", "경기"})
            base.exec("INSERT INTO 기타참조 (name, gubun) VALUES (?, '차량지역')",
                      {QString::fromUtf8(region)});
        shop.stores().postal().exec(
                "INSERT INTO 우편번호 VALUES ('135-080', '서울특별시', '강남구', '역삼동', '1~100')");
        open();
    }

    void open()
    {
        screen = std::make_unique<FrmLedger>(shop.context());
        screen->setMemoWindow([this](AppContext &, QWidget *) { ++memoOpened; });
        screen->setPaymentDialog(
                [this](AppContext &, const QString &suggestion) -> std::optional<G::Payment> {
                    suggestions << suggestion;
                    return payment;
                });
        screen->show();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("the ledger did not become active");
    }

    qint64 addCustomer(const QString &name, const QString &region, const QString &number)
    {
        CustomerRecord r;
        r[F::Name] = name;
        r[F::VehicleRegion] = region;
        r[F::VehicleNumber] = number;
        return CustomerStore(shop.stores()).insert(r);
    }

    Grid *grid() const { return screen->lines()->grid(); }
    QTableView *view() const { return grid()->view(); }
    QLineEdit *field(int i) const { return screen->fields()->field(i); }
    QLineEdit *word() const { return screen->findChild<QLineEdit *>("Text2"); }
    QString panel(const char *name) const
    {
        return screen->findChild<QLabel *>(QString::fromUtf8(name))->text();
    }
    QString cell(int col, int row) const { return grid()->text(col, row); }

    static void key(int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); }
    static void type(const QString &text) { typeText(QApplication::focusWidget(), text); }

    void searchFor(const QString &text, int kind = 0)
    {
        screen->findChild<QComboBox *>("cbo1")->setCurrentIndex(kind);
        word()->setFocus();
        word()->setText(text);
        key(Qt::Key_Return);
    }
    // Types into the active cell of the grid and presses Enter.
    void enter(const QString &text)
    {
        type(text);
        key(Qt::Key_Return);
    }

    int lineCount(qint64 customer)
    {
        return shop.maintenance()
                .scalar("SELECT count(*) FROM 정비내역 WHERE 고객코드 = ?", {customer})
                .toInt();
    }
    ReceivableSummary summary(qint64 customer)
    {
        return LedgerStore(shop.stores()).storedSummary(customer).value_or(ReceivableSummary{});
    }

    TestShop shop;
    ScriptedLookups lookups;
    std::unique_ptr<FrmLedger> screen;
    QStringList suggestions;
    std::optional<G::Payment> payment;
    int memoOpened = 0;
};

} // namespace

class TestLedgerScreen : public QObject
{
    Q_OBJECT
private slots:
    void controlsAndLaterButtons();
    void serviceVisitFromSearchToBalance();
    void searchOutcomes_data();
    void searchOutcomes();
    void lookupClosedKeepsTheCustomerOnScreen();
    void requiredDataAndDuplicateVehicle_data();
    void requiredDataAndDuplicateVehicle();
    void savedFieldsAreCut();
    void residentNumberParts();
    void deleteCustomerAsksForThePassword_data();
    void deleteCustomerAsksForThePassword();
    void answeringNoKeepsTheOldValue();
    void discountTotals();
    void paymentAmountOnAServiceLineIsDropped();
    void deleteLineWithF4();
    void paymentSuggestionZeroAndNegative();
    void partsPickListForSeveralMatches();
    void mechanicLookup();
    void everyLineIsShownAndQuotesAreData();
    void tooLargeAmountIsRefused();
    void failedWriteShowsWhatIsStored();
    void memoOpensAfterSearch();
    void fieldLookups();
    void exitAsks();
};

void TestLedgerScreen::controlsAndLaterButtons()
{
    Ledger l;
    QCOMPARE(l.screen->objectName(), QStringLiteral("frm정비내역"));
    QCOMPARE(l.screen->windowTitle(), QStringLiteral("고객정비내역 등록"));
    for (int i = 0; i < F::FieldCount; ++i)
        QVERIFY(l.screen->findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(i)));
    QCOMPARE(l.screen->findChild<QComboBox *>("cbo1")->count(), 5);
    QCOMPARE(l.screen->findChild<QComboBox *>("cbo1")->itemText(0), QStringLiteral("차량번호"));
    // Shown in their places, but their print-outs are not built yet.
    for (const char *name : {"Chk금액", "chk표지", "cmd통장", "btnTJMargin", "cmd영수증", "cmd내역서"})
        QVERIFY2(!l.screen->findChild<QWidget *>(QString::fromUtf8(name))->isEnabled(), name);
    QVERIFY(!l.screen->findChild<QPushButton *>("cmd삭제")->isEnabled());
    QVERIFY(!l.grid()->isEnabled());
    QVERIFY(l.word()->hasFocus());
    QCOMPARE(l.grid()->text(G::Text, 0), QStringLiteral("정   비   내   용"));
    for (int c = G::Customer; c <= G::Spec; ++c)
        QVERIFY(l.grid()->isColumnHidden(c));
}

void TestLedgerScreen::serviceVisitFromSearchToBalance()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.addCustomer("김철수", "경기", "34나7890");

    // A vehicle-number fragment found once fills the customer and loads the lines.
    l.searchFor("3456");
    QCOMPARE(l.field(F::Name)->text(), QStringLiteral("홍길동"));
    QCOMPARE(l.field(F::VehicleRegion)->text(), QStringLiteral("서울"));
    QCOMPARE(l.field(F::VehicleNumber)->text(), QStringLiteral("12가3456"));
    QCOMPARE(l.shop.session().curCustomerCode, code);
    QVERIFY(l.grid()->isEnabled());
    QVERIFY(l.screen->findChild<QPushButton *>("cmd삭제")->isEnabled());
    QCOMPARE(l.grid()->activeCol(), int(G::Text));
    QCOMPARE(l.grid()->activeRow(), 1);
    QCOMPARE(l.cell(G::Date, 1), kToday);
    QVERIFY(l.lookups.opened().isEmpty());

    // F1 on a prefix matching one part fills name and price and stores the line.
    l.type("엔진");
    l.key(Qt::Key_F1);
    QVERIFY(l.lookups.opened().isEmpty());
    QCOMPARE(l.cell(G::Text, 1), QStringLiteral("엔진오일 교환"));
    QCOMPARE(l.lineCount(code), 1);
    QCOMPARE(l.grid()->activeCol(), int(G::Price));
    QCOMPARE(l.cell(G::Quantity, 1), QStringLiteral("1"));
    QCOMPARE(l.cell(G::Amount, 1), QStringLiteral("35000"));
    QCOMPARE(l.summary(code).due, 35000); // stored with its amounts at once
    QCOMPARE(l.panel("sp현정비금액"), QStringLiteral("35,000"));

    // Quantity 2: the line's amounts follow and are stored.
    l.grid()->gotoCell(G::Quantity, 1);
    l.shop.prompter().answerYes(); // "자료를 수정할까요?" for the quantity of 1
    l.enter("2");
    QCOMPARE(l.cell(G::Amount, 1), QStringLiteral("70000"));
    QCOMPARE(l.grid()->activeCol(), int(G::Discount));
    l.enter("5000");
    QCOMPARE(l.cell(G::Due, 1), QStringLiteral("65000"));
    QCOMPARE(l.grid()->activeCol(), int(G::Mileage));
    QCOMPARE(l.summary(code), (ReceivableSummary{70000, 5000, 65000, 0, 65000}));
    QCOMPARE(l.panel("sp미수금"), QStringLiteral("65,000"));
    QCOMPARE(l.panel("sp현정비금액"), QStringLiteral("65,000"));
    QCOMPARE(l.panel("sp정비금액"), QStringLiteral("65,000"));

    // F3: the balance is offered; confirming it pays the customer up.
    l.payment = G::Payment{kToday, QStringLiteral("65,000")};
    l.key(Qt::Key_F3);
    QCOMPARE(l.suggestions, QStringList({"65,000"}));
    QCOMPARE(l.cell(G::Text, 2), QStringLiteral("< 입금 >"));
    QCOMPARE(l.cell(G::Paid, 2), QStringLiteral("65000"));
    QCOMPARE(l.grid()->backColor(G::Date, 2), QColor(192, 255, 192));
    QCOMPARE(l.summary(code).balance, 0);
    QCOMPARE(l.panel("sp미수금"), QString());
    QCOMPARE(l.panel("sp입금액"), QStringLiteral("65,000"));
    QCOMPARE(l.grid()->activeRow(), 3);
    l.payment.reset();
    l.key(Qt::Key_F3);
    QCOMPARE(l.suggestions.last(), QString()); // nothing owed, nothing offered
    QCOMPARE(l.lineCount(code), 2);
    QCOMPARE(l.shop.prompter().texts(), QStringList({"자료를 수정할까요?"}));
}

void TestLedgerScreen::searchOutcomes_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("expected"); // "new", "cleared", "lookup"
    QTest::newRow("none, register") << "9999" << true << "new";
    QTest::newRow("none, not now") << "9999" << false << "cleared";
    QTest::newRow("several") << "3456" << false << "lookup";
    QTest::newRow("empty word") << "" << false << "lookup";
}

void TestLedgerScreen::searchOutcomes()
{
    QFETCH(QString, word);
    QFETCH(bool, answer);
    QFETCH(QString, expected);
    Ledger l;
    l.addCustomer("홍길동", "서울", "12가3456");
    const qint64 second = l.addCustomer("홍길순", "경기", "56다3456");
    l.lookups.onCustomer = [second](AppContext &) { return std::optional<qint64>(second); };
    l.shop.prompter().answerYes(answer ? 1 : 0);
    l.shop.prompter().answerNo(answer ? 0 : 1);
    l.searchFor(word);
    if (expected == "lookup") {
        QCOMPARE(l.lookups.openedKinds(), QStringList({"customer"}));
        QCOMPARE(l.lookups.opened().first().searchText, word);
        QCOMPARE(l.lookups.opened().first().popupCaller, QStringLiteral("1"));
        QCOMPARE(l.shop.session().customerSearchKind, QStringLiteral("차량번호"));
        QCOMPARE(l.field(F::Name)->text(), QStringLiteral("홍길순"));
        QVERIFY(l.grid()->isEnabled());
        return;
    }
    QCOMPARE(l.shop.prompter().texts(),
             QStringList({QStringLiteral("고객을 찾을수가 없습니다\n신규로 등록 할까요?")}));
    QCOMPARE(l.shop.prompter().shown().first().title, QStringLiteral("고객없슴"));
    QCOMPARE(l.shop.session().curCustomerCode, 0);
    QVERIFY(!l.grid()->isEnabled());
    if (expected == "new")
        QTRY_VERIFY(l.field(F::Name)->hasFocus());
    else
        QTRY_VERIFY(l.word()->hasFocus());
    QCOMPARE(l.word()->text(), QString());
}

void TestLedgerScreen::lookupClosedKeepsTheCustomerOnScreen()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.addCustomer("홍길순", "경기", "56다3456");
    l.searchFor("12가");
    QCOMPARE(l.shop.session().curCustomerCode, code);
    LedgerStore(l.shop.stores()).insertLine(LedgerLine{0, code, 0, kToday, "1", "새 줄"});
    // Several matches, the look-up closed without a choice: the same customer comes back.
    l.searchFor("3456");
    QCOMPARE(l.lookups.openedKinds(), QStringList({"customer"}));
    QCOMPARE(l.field(F::Name)->text(), QStringLiteral("홍길동"));
    QCOMPARE(l.cell(G::Text, 1), QStringLiteral("새 줄"));
    QVERIFY(l.grid()->isEnabled());

    // Without a customer on screen the fields are cleared and the grid stays disabled.
    l.screen->newCustomer();
    l.field(F::Name)->setText("남은 글자");
    l.searchFor("");
    QCOMPARE(l.field(F::Name)->text(), QString());
    QVERIFY(!l.grid()->isEnabled());
}

void TestLedgerScreen::requiredDataAndDuplicateVehicle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("answer"); // to the duplicate question: "", "yes", "no"
    QTest::addColumn<bool>("stored");
    QTest::newRow("name only") << "이름만" << "" << "" << "" << true;
    QTest::newRow("vehicle only") << "" << "부산" << "11가1111" << "" << true;
    QTest::newRow("half a vehicle") << "" << "부산" << "" << "" << false;
    QTest::newRow("spaces are no name") << "   " << "" << "" << "" << false;
    QTest::newRow("duplicate kept") << "새 고객" << "서울" << "12가3456" << "yes" << true;
    QTest::newRow("duplicate refused") << "새 고객" << "서울" << "12가3456" << "no" << false;
}

void TestLedgerScreen::requiredDataAndDuplicateVehicle()
{
    QFETCH(QString, name);
    QFETCH(QString, region);
    QFETCH(QString, number);
    QFETCH(QString, answer);
    QFETCH(bool, stored);
    Ledger l;
    l.addCustomer("홍길동", "서울", "12가3456");
    l.addCustomer("", "", ""); // no vehicle: never a duplicate of another
    l.screen->newCustomer();
    l.field(F::Name)->setText(name);
    l.field(F::VehicleRegion)->setText(region);
    l.field(F::VehicleNumber)->setText(number);
    if (answer == "yes")
        l.shop.prompter().answerYes();
    if (answer == "no")
        l.shop.prompter().answerNo();
    l.screen->save();
    const int customers = l.shop.base().scalar("SELECT count(*) FROM 고객").toInt();
    QCOMPARE(customers, stored ? 3 : 2);
    if (!answer.isEmpty()) {
        const auto &asked = l.shop.prompter().shown().first();
        QCOMPARE(asked.text, QStringLiteral("이미 등록된 차량 번호입니다.이대로 저장하시겠습니까?"));
        QVERIFY(!asked.defaultYes);
        QCOMPARE(l.shop.prompter().beeps(), 0);
    } else if (!stored) {
        QCOMPARE(l.shop.prompter().texts(), QStringList({"필수정보가 입력되지 않았습니다!"}));
        QCOMPARE(l.shop.prompter().shown().first().title, QStringLiteral("입력확인"));
    }
    if (stored) {
        QCOMPARE(l.shop.prompter().shown().last().text, QStringLiteral("고객정보가 저장되었습니다...."));
        QVERIFY(l.screen->customerLoaded());
        QVERIFY(l.grid()->isEnabled());
        const qint64 code = l.shop.session().curCustomerCode;
        QCOMPARE(l.shop.base().scalar("SELECT line FROM 통장 WHERE Code = ?", {code}).toInt(), 0);
    }
}

void TestLedgerScreen::savedFieldsAreCut()
{
    Ledger l;
    l.screen->newCustomer();
    l.field(F::Name)->setText("남궁민수연희");
    l.field(F::Address)->setText(QString(40, QChar(u'가')));
    l.field(F::InsuranceExpiry)->setText("051231"); // saved without pressing Enter
    l.screen->save();
    const qint64 code = l.shop.session().curCustomerCode;
    QVERIFY(code > 0);
    const auto stored = CustomerStore(l.shop.stores()).load(code).value();
    QCOMPARE(stored[F::Name], QStringLiteral("남궁민수연"));
    QCOMPARE(ByteLen(stored[F::Address]), 70);
    QCOMPARE(stored[F::InsuranceExpiry], QStringLiteral("2005.12.31"));
    QCOMPARE(l.field(F::Name)->text(), stored[F::Name]); // the screen shows what is stored

    // Changing the loaded customer updates it.
    l.field(F::Remarks)->setText("O'Brien 단골");
    l.screen->save();
    QCOMPARE(l.shop.prompter().shown().last().text, QStringLiteral("고객정보가 수정되었습니다...."));
    QCOMPARE(CustomerStore(l.shop.stores()).load(code).value()[F::Remarks],
             QStringLiteral("O'Brien 단골"));
    QCOMPARE(l.shop.base().scalar("SELECT count(*) FROM 고객").toInt(), 1);
}

void TestLedgerScreen::residentNumberParts()
{
    Ledger l;
    l.screen->newCustomer();
    l.field(F::ResidentFirst)->setFocus();
    l.type("750312");
    QTRY_VERIFY(l.field(F::ResidentSecond)->hasFocus());
    l.type("1234567");
    QTRY_VERIFY(l.field(F::Registered)->hasFocus());
    QCOMPARE(l.field(F::Registered)->text(), TodayText()); // an empty date gets today
    QCOMPARE(l.field(F::ResidentFirst)->text(), QStringLiteral("750312"));
    QCOMPARE(l.field(F::ResidentSecond)->text(), QStringLiteral("1234567"));
    l.field(F::Name)->setText("주민");
    l.screen->save();
    const qint64 code = l.shop.session().curCustomerCode;
    QCOMPARE(l.shop.base().scalar("SELECT 주민번호 FROM 고객 WHERE 고객코드 = ?", {code}).toString(),
             QStringLiteral("750312-1234567"));

    // Five characters are no first part: leaving the field clears both parts.
    l.field(F::ResidentFirst)->setFocus();
    l.field(F::ResidentFirst)->setText("75031");
    l.key(Qt::Key_Return);
    QCOMPARE(l.field(F::ResidentFirst)->text(), QString());
    QCOMPARE(l.field(F::ResidentSecond)->text(), QString());
}

void TestLedgerScreen::deleteCustomerAsksForThePassword_data()
{
    QTest::addColumn<QString>("typed"); // "<cancel>" for the cancel button
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<QString>("message");
    QTest::newRow("right") << "1234" << true << "";
    QTest::newRow("wrong") << "12" << false << "비밀 번호가 일치하지 않습니다.";
    QTest::newRow("cancel") << "<cancel>" << false << "";
}

void TestLedgerScreen::deleteCustomerAsksForThePassword()
{
    QFETCH(QString, typed);
    QFETCH(bool, deleted);
    QFETCH(QString, message);
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    LedgerStore(l.shop.stores()).insertLine(LedgerLine{0, code, 0, kToday, "1", "엔진오일", "", 1000, 1, 1000, 0, 1000});
    MemoStore(l.shop.base()).save(code, "단골", false);
    l.searchFor("3456");
    l.shop.prompter().clear();
    l.shop.prompter().answerYes();
    if (typed == "<cancel>")
        l.shop.prompter().cancelInput();
    else
        l.shop.prompter().answerInput(typed);
    l.screen->deleteCustomer();
    const auto &shown = l.shop.prompter().shown();
    QCOMPARE(shown.at(0).text, QStringLiteral("현재 선택하신 고객 = 홍길동 을(를) 삭제하시면\n"
                                              "정비내역 모든것을 삭제하게됩니다, 삭제할까요?"));
    QCOMPARE(shown.at(0).title, QStringLiteral("자료 삭제"));
    QCOMPARE(shown.at(1).text, QStringLiteral("비밀번호를 입력하세요 : "));
    QCOMPARE(shown.at(1).title, QStringLiteral("자료삭제확인"));
    QCOMPARE(shown.size(), message.isEmpty() ? 2 : 3);
    if (!message.isEmpty())
        QCOMPARE(shown.at(2).text, message);
    QCOMPARE(l.shop.base().scalar("SELECT count(*) FROM 고객").toInt(), deleted ? 0 : 1);
    QCOMPARE(l.lineCount(code), deleted ? 0 : 1);
    QCOMPARE(l.shop.base().scalar("SELECT count(*) FROM 메모장").toInt(), 1); // the memo stays
    QCOMPARE(l.shop.session().curCustomerCode, deleted ? 0 : code);
    QCOMPARE(l.field(F::Name)->text().isEmpty(), deleted);
    QCOMPARE(l.screen->findChild<QPushButton *>("cmd삭제")->isEnabled(), !deleted);
}

void TestLedgerScreen::answeringNoKeepsTheOldValue()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    LedgerStore(l.shop.stores())
            .insertLine(LedgerLine{0, code, 0, kToday, "1", "엔진오일", "", 30000, 1, 30000, 0, 30000});
    l.searchFor("3456");
    l.grid()->gotoCell(G::Price, 1);
    l.shop.prompter().answerNo();
    l.enter("99000");
    QCOMPARE(l.shop.prompter().texts(), QStringList({"자료를 수정할까요?"}));
    QCOMPARE(l.shop.prompter().shown().first().title, QStringLiteral("자료수정"));
    QCOMPARE(l.cell(G::Price, 1), QStringLiteral("30000"));
    QCOMPARE(l.shop.maintenance().scalar("SELECT 판매단가 FROM 정비내역").toInt(), 30000);
    QCOMPARE(l.summary(code).due, 30000);
}

void TestLedgerScreen::discountTotals()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    l.enter("판금 수리"); // a text typed freely is stored on Enter
    QCOMPARE(l.lineCount(code), 1);
    QCOMPARE(l.grid()->activeCol(), int(G::Price));
    QCOMPARE(l.cell(G::Quantity, 1), QStringLiteral("1"));
    l.enter("30000");
    QCOMPARE(l.grid()->activeCol(), int(G::Discount));
    l.enter("5000");
    QCOMPARE(l.cell(G::Amount, 1), QStringLiteral("30000"));
    QCOMPARE(l.cell(G::Due, 1), QStringLiteral("25000"));
    QCOMPARE(l.summary(code), (ReceivableSummary{30000, 5000, 25000, 0, 25000}));
    QCOMPARE(l.panel("sp현정비금액"), QStringLiteral("25,000"));
    QCOMPARE(l.panel("sp정비금액"), QStringLiteral("25,000"));
    QVERIFY(l.shop.prompter().shown().isEmpty());
}

void TestLedgerScreen::paymentAmountOnAServiceLineIsDropped()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    l.enter("세차");
    l.grid()->gotoCell(G::Paid, 1);
    l.enter("10000");
    QCOMPARE(l.cell(G::Paid, 1), QString());
    // Nor on a row that is not stored yet.
    l.grid()->gotoCell(G::Paid, 2);
    l.enter("10000");
    QCOMPARE(l.cell(G::Paid, 2), QString());
    QCOMPARE(l.summary(code).paid, 0);
}

void TestLedgerScreen::deleteLineWithF4()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    LedgerStore store(l.shop.stores());
    store.insertLine(LedgerLine{0, code, 0, kToday, "1", "엔진오일", "", 30000, 1, 30000, 0, 30000});
    store.insertPayment(code, kToday, 30000);
    l.searchFor("3456");
    QCOMPARE(l.summary(code).balance, 0);

    // A row never stored is cleared without a question.
    l.grid()->gotoCell(G::Text, 3);
    l.type("쓰다 만 줄");
    l.key(Qt::Key_F4);
    QCOMPARE(l.cell(G::Text, 3), QString());
    QVERIFY(l.shop.prompter().shown().isEmpty());

    // The payment row: No leaves it, white until the next load.
    l.grid()->gotoCell(G::Text, 2);
    l.shop.prompter().answerNo();
    l.key(Qt::Key_F4);
    QCOMPARE(l.shop.prompter().texts(), QStringList({"현재 선택하신 자료를 삭제할까요?"}));
    QCOMPARE(l.shop.prompter().shown().first().title, QStringLiteral("자료 삭제"));
    QCOMPARE(l.grid()->backColor(G::Date, 2), QColor(Qt::white));
    QCOMPARE(l.lineCount(code), 2);

    // Yes deletes it and the balance is owed again.
    l.shop.prompter().answerYes();
    l.key(Qt::Key_F4);
    QCOMPARE(l.lineCount(code), 1);
    QCOMPARE(l.summary(code).balance, 30000);
    QCOMPARE(l.panel("sp미수금"), QStringLiteral("30,000"));
    QCOMPARE(l.cell(G::Text, 2), QString());
    QCOMPARE(l.grid()->activeRow(), 2);
}

void TestLedgerScreen::paymentSuggestionZeroAndNegative()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    LedgerStore store(l.shop.stores());
    store.insertLine(LedgerLine{0, code, 0, kToday, "1", "타이어", "", 250000, 1, 250000, 0, 250000});
    store.insertPayment(code, kToday, 100000);
    l.searchFor("3456");
    QCOMPARE(l.panel("sp미수금"), QStringLiteral("150,000"));
    QCOMPARE(l.panel("sp현정비금액"), QStringLiteral("250,000"));

    // Closed, or zero: nothing is recorded.
    l.key(Qt::Key_F3);
    l.payment = G::Payment{kToday, QStringLiteral("0")};
    l.key(Qt::Key_F3);
    QCOMPARE(l.suggestions, QStringList({"150,000", "150,000"}));
    QCOMPARE(l.lineCount(code), 2);

    // A refund is a negative payment, stored as typed.
    l.payment = G::Payment{QString(), QStringLiteral("-20,000")};
    l.key(Qt::Key_F3);
    QCOMPARE(l.summary(code).paid, 80000);
    QCOMPARE(l.summary(code).balance, 170000);
    QCOMPARE(l.shop.maintenance()
                     .scalar("SELECT 정비일자 FROM 정비내역 WHERE 입금액 = -20000")
                     .toString(),
             kToday); // no date given: the working date
}

void TestLedgerScreen::partsPickListForSeveralMatches()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    l.lookups.onPart = [](AppContext &) {
        return std::optional<PartChoice>(PartChoice{4, "에어컨필터", "소형", "EA", 15000, 9000});
    };
    l.type("에어");
    l.key(Qt::Key_F1);
    QCOMPARE(l.lookups.openedKinds(), QStringList({"part"}));
    QCOMPARE(l.lookups.opened().first().searchText, QStringLiteral("에어"));
    QCOMPARE(l.lookups.opened().first().ledgerRow, 1);
    QCOMPARE(l.shop.session().lookupSearchText, QString());
    QCOMPARE(l.cell(G::Text, 1), QStringLiteral("에어컨필터"));
    QCOMPARE(l.lineCount(code), 1);
    QCOMPARE(l.shop.maintenance().scalar("SELECT 부품코드 || 규격 FROM 정비내역").toString(),
             QStringLiteral("4소형"));

    // No match: the whole catalogue; closed without a choice on an empty row stores nothing.
    l.lookups.onPart = nullptr;
    l.grid()->gotoCell(G::Text, 2);
    l.type("없는부품");
    l.key(Qt::Key_F1);
    QCOMPARE(l.lookups.opened().last().searchText, QString());
    QCOMPARE(l.lineCount(code), 2); // the typed text is kept as a line of its own
    l.grid()->gotoCell(G::Text, 3);
    l.key(Qt::Key_F1);
    QCOMPARE(l.lineCount(code), 2);
}

void TestLedgerScreen::mechanicLookup()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    l.enter("세차");
    l.grid()->gotoCell(G::Mechanic, 1);
    l.type("김");
    l.key(Qt::Key_F1);
    QVERIFY(l.lookups.opened().isEmpty()); // one match
    QCOMPARE(l.shop.maintenance().scalar("SELECT 정비담당 FROM 정비내역").toString(),
             QStringLiteral("김정비"));
    QCOMPARE(l.grid()->activeRow(), 2);
    QCOMPARE(l.grid()->activeCol(), int(G::Text));
    QCOMPARE(l.cell(G::Date, 2), kToday);

    // On a row not stored, the mechanic is not kept.
    l.lookups.onCode = [](AppContext &) { return std::optional<QString>("박반장"); };
    l.grid()->gotoCell(G::Mechanic, 2);
    l.type("박");
    l.key(Qt::Key_F1);
    QCOMPARE(l.lookups.opened().first().category, QStringLiteral("정비담당"));
    QCOMPARE(l.lookups.opened().first().searchText, QStringLiteral("박"));
    QCOMPARE(l.cell(G::Mechanic, 2), QString());
    QCOMPARE(l.lineCount(code), 1);
}

void TestLedgerScreen::everyLineIsShownAndQuotesAreData()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    Database &m = l.shop.maintenance();
    m.exec("BEGIN");
    for (int i = 0; i < 1200; ++i) {
        m.exec("INSERT INTO 정비내역 (정비일자, 구분, 고객코드, 부품명, 판매단가, 수량, 금액, 판매금액) "
               "VALUES ('2005.01.01', '1', ?, ?, 1000, 1, 1000, 1000)",
               {code, QStringLiteral("줄 %1").arg(i)});
    }
    m.exec("COMMIT");
    l.searchFor("3456");
    QCOMPARE(l.cell(G::Text, 1200), QStringLiteral("줄 1199"));
    QCOMPARE(l.grid()->activeRow(), 1201);
    QVERIFY(l.grid()->maxRows() > 1201);
    QCOMPARE(l.summary(code).due, 1200000);
    l.enter("O'ring 교환 \"특가\" 100%");
    QCOMPARE(m.scalar("SELECT 부품명 FROM 정비내역 ORDER BY 정비코드 DESC LIMIT 1").toString(),
             QStringLiteral("O'ring 교환 \"특가\" 100%"));
}

void TestLedgerScreen::tooLargeAmountIsRefused()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    l.enter("대형 공사");
    l.enter("99999999999999"); // price: fits
    l.grid()->gotoCell(G::Quantity, 1);
    l.shop.prompter().answerYes();
    l.enter("2"); // 14 nines twice do not
    QVERIFY(l.shop.prompter().texts().last().startsWith(QStringLiteral("금액이 너무 큽니다.")));
    QCOMPARE(l.cell(G::Quantity, 1), QStringLiteral("1"));
    QCOMPARE(l.shop.maintenance()
                     .scalar("SELECT 금액 FROM 정비내역 WHERE 고객코드 = ?", {code})
                     .toLongLong(),
             qint64(99999999999999));
}

void TestLedgerScreen::failedWriteShowsWhatIsStored()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    l.shop.base().exec("CREATE TRIGGER no_summary BEFORE UPDATE ON 고객미수금 "
                       "BEGIN SELECT RAISE(ABORT, '디스크 가득 참'); END");
    l.enter("엔진오일 교환");
    QVERIFY(l.shop.prompter().texts().last().contains(QStringLiteral("디스크 가득 참")));
    QCOMPARE(l.lineCount(code), 0);
    QCOMPARE(l.cell(G::Text, 1), QString()); // the grid shows what is stored: nothing
}

void TestLedgerScreen::memoOpensAfterSearch()
{
    Ledger l;
    const qint64 code = l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    QCOMPARE(l.memoOpened, 0);
    MemoStore(l.shop.base()).save(code, "브레이크 소음 확인", false);
    l.searchFor("3456");
    QCOMPARE(l.memoOpened, 1);
    l.screen->openMemo();
    QCOMPARE(l.memoOpened, 2);
    l.screen->newCustomer();
    l.screen->openMemo(); // no customer: the focus goes to the search word
    QCOMPARE(l.memoOpened, 2);
    QTRY_VERIFY(l.word()->hasFocus());
}

void TestLedgerScreen::fieldLookups()
{
    Ledger l;
    l.screen->newCustomer();
    l.field(F::VehicleRegion)->setFocus();
    l.type("서");
    l.key(Qt::Key_F1);
    QCOMPARE(l.field(F::VehicleRegion)->text(), QStringLiteral("서울"));
    QTRY_VERIFY(l.field(F::VehicleNumber)->hasFocus());

    l.lookups.onCode = [](AppContext &) { return std::optional<QString>("쏘나타"); };
    l.field(F::Model)->setFocus();
    l.key(Qt::Key_F1);
    QCOMPARE(l.lookups.opened().first().category, QStringLiteral("차종"));
    QCOMPARE(l.field(F::Model)->text(), QStringLiteral("쏘나타"));

    l.field(F::Address)->setFocus();
    l.type("역삼");
    l.key(Qt::Key_F1);
    QCOMPARE(l.field(F::PostalCode)->text(), QStringLiteral("135-080"));
    QCOMPARE(l.field(F::Address)->text(), QStringLiteral("서울특별시 강남구 역삼동 "));
    l.field(F::Address)->setText("없는동");
    l.key(Qt::Key_F1);
    QCOMPARE(l.field(F::Address)->text(), QString());
    QCOMPARE(l.field(F::PostalCode)->text(), QString());
}

void TestLedgerScreen::exitAsks()
{
    Ledger l;
    l.addCustomer("홍길동", "서울", "12가3456");
    l.searchFor("3456");
    l.shop.prompter().answerNo();
    l.screen->exitScreen();
    QVERIFY(l.screen->isVisible());
    QCOMPARE(l.shop.prompter().texts(), QStringList({"정비내역 등록을 종료하시겠습니까?"}));
    QCOMPARE(l.shop.prompter().shown().first().title, QStringLiteral("나가기"));
    QVERIFY(l.grid()->editMode());
    l.shop.prompter().answerYes();
    l.screen->exitScreen();
    QVERIFY(!l.screen->isVisible());
    QCOMPARE(l.shop.session().curCustomerCode, 0);
}

QTEST_MAIN(TestLedgerScreen)
#include "tst_ledgerscreen.moc"
