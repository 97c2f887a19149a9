#include "AppContext.h"
#include "CatalogueFixture.h"
#include "CatalogueLookups.h"
#include "CodeStore.h"
#include "FrmShopInfo.h"
#include "Grid.h"
#include "PartStore.h"
#include "Session.h"
#include "Stores.h"
#include "TestShop.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A stand-in for the ledger: its customer fields and line grid, and its look-up steps as
// the ledger takes them (its own count first, then the look-up, then the hand-back).
class TestLedger : public QWidget
{
public:
    explicit TestLedger(AppContext &context)
        : m_context(context)
        , m_lines(new Grid(this, QStringLiteral("vs3"), 10, 20))
    {
        auto *layout = new QVBoxLayout(this);
        for (int i = 0; i < 19; ++i) {
            auto *field = new QLineEdit(this);
            field->setObjectName(QStringLiteral("Text1_%1").arg(i));
            layout->addWidget(field);
            m_fields << field;
        }
        layout->addWidget(m_lines->view());
    }

    QLineEdit *field(int i) const { return m_fields.at(i); }
    Grid *lines() const { return m_lines; }

    // F1 in a code field (기타조회).
    void codeLookup(int field, const QString &category)
    {
        Session &s = m_context.session;
        const QString typed = m_fields.at(field)->text();
        const auto found = CodeStore(m_context.stores.base()).find(category, typed);
        if (!typed.isEmpty() && found && found->size() == 1) {
            m_fields.at(field)->setText(found->first().name);
            return;
        }
        s.lookupSearchText = !typed.isEmpty() && found && found->size() > 1 ? typed : QString();
        s.codeCategory = category;
        if (const auto name = m_context.lookups->pickCode(m_context, this))
            m_fields.at(field)->setText(*name);
        s.lookupSearchText.clear();
    }

    // F1 in the mechanic cell of a line.
    void mechanicLookup(int row)
    {
        Session &s = m_context.session;
        s.ledgerCurrentRow = row;
        s.codeCategory = QStringLiteral("정비담당");
        s.lookupSearchText = m_lines->text(10, row);
        if (const auto name = m_context.lookups->pickCode(m_context, this))
            m_lines->setText(10, s.ledgerCurrentRow, *name);
        s.lookupSearchText.clear();
    }

    // F1 in the line text.
    void partLookup(int row)
    {
        Session &s = m_context.session;
        s.lookupSearchText.clear();
        const QString typed = m_lines->text(2, row);
        PartStore store(m_context.stores.base(), PartTable::Catalogue);
        if (!typed.isEmpty()) {
            const auto found = store.findByPrefix(typed);
            if (found && found->size() == 1) {
                m_lines->setText(2, row, found->first().name);
                m_lines->setText(3, row, QString::number(found->first().price));
                return;
            }
            if (found && found->size() > 1)
                s.lookupSearchText = typed;
        }
        s.ledgerCurrentRow = row;
        if (const auto part = m_context.lookups->pickPart(m_context, this)) {
            m_lines->setText(2, s.ledgerCurrentRow, part->name);
            m_lines->setText(3, s.ledgerCurrentRow, QString::number(part->price));
        }
    }

    // F1 in the address field (several postal matches).
    void addressLookup()
    {
        Session &s = m_context.session;
        s.addressSearchText = m_fields.at(15)->text();
        s.popupCaller = QStringLiteral("1");
        if (const auto address = m_context.lookups->pickAddress(m_context, this)) {
            m_fields.at(15)->setText(address->address);
            m_fields.at(16)->setText(address->postalCode);
        }
    }

private:
    AppContext &m_context;
    Grid *m_lines;
    QList<QLineEdit *> m_fields;
};

// A test shop whose look-ups are the real windows, run by a script.
struct Fixture
{
    Fixture()
        : context {shop.session(), shop.prompter(), shop.settings(), shop.stores(), &lookups}
        , ledger(context)
    {
        lookups.setDialogRunner(script.runner());
        ledger.show();
        if (!QTest::qWaitForWindowActive(&ledger))
            qWarning("the test ledger did not become active");
    }
    TestShop shop;
    CatalogueLookups lookups;
    AppContext context;
    DialogScript script;
    TestLedger ledger;
};

Grid *gridOf(QDialog &dialog, const char *name)
{
    return Grid::of(dialog.findChild<QTableView *>(QString::fromUtf8(name)));
}

DialogScript::Step doubleClickRow(const char *grid, int row, QStringList *listed = nullptr)
{
    return [grid, row, listed](QDialog &dialog) {
        Grid *g = gridOf(dialog, grid);
        QVERIFY(g);
        if (listed)
            *listed = columnTexts(g, 1);
        doubleClickCell(g, 1, row);
    };
}

DialogScript::Step clickButton(const char *button, QStringList *listed = nullptr,
                               const char *grid = "vs1")
{
    return [button, listed, grid](QDialog &dialog) {
        if (listed)
            *listed = columnTexts(gridOf(dialog, grid), 1);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QString::fromUtf8(button)),
                          Qt::LeftButton);
    };
}

} // namespace

class TestLookups : public QObject
{
    Q_OBJECT
private slots:
    void partIntoLedgerRow_data();
    void partIntoLedgerRow();
    void partDescriptionForTheStatement();
    void codeIntoLedgerField_data();
    void codeIntoLedgerField();
    void mechanicIntoLineCell();
    void customerForTheLedger_data();
    void customerForTheLedger();
    void customerForTheStatement();
    void customerListPrints();
    void customerValue_data();
    void customerValue();
    void customerValueOtherKindStaysOpen();
    void addressIntoLedger_data();
    void addressIntoLedger();
    void addressOnlyForKnownCallers();
    void addressIntoShopInformation();
};

void TestLookups::partIntoLedgerRow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("action"); // what the user does in the list
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("name"); // column 2 afterwards
    QTest::addColumn<QString>("price");
    const QStringList all = {"에어필터", "엔진오일 교환", "엔진오일(합성유) 교환", "합성 엔진오일"};
    QTest::newRow("single match: no list") << "에어"
                                           << "none" << QStringList {} << "에어필터"
                                           << "12000";
    QTest::newRow("several: the matching ones")
            << "엔진오일"
            << "row 2" << QStringList {"엔진오일 교환", "엔진오일(합성유) 교환"}
            << "엔진오일(합성유) 교환"
            << "65000";
    QTest::newRow("none: the whole catalogue") << "타이어"
                                               << "row 4" << all << "합성 엔진오일"
                                               << "70000";
    QTest::newRow("empty: the whole catalogue") << ""
                                                << "row 1" << all << "에어필터"
                                                << "12000";
    QTest::newRow("closed: the row keeps its text")
            << "엔진오일"
            << "close" << QStringList {"엔진오일 교환", "엔진오일(합성유) 교환"} << "엔진오일"
            << "";
}

void TestLookups::partIntoLedgerRow()
{
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QStringList, listed);
    QFETCH(QString, name);
    QFETCH(QString, price);
    Fixture f;
    addPart(f.shop, PartTable::Catalogue, "엔진오일 교환", 35000);
    addPart(f.shop, PartTable::Catalogue, "에어필터", 12000);
    addPart(f.shop, PartTable::Catalogue, "엔진오일(합성유) 교환", 65000);
    addPart(f.shop, PartTable::Catalogue, "합성 엔진오일", 70000);
    addPart(f.shop, PartTable::Reference, "엔진오일 참조", 1);
    f.ledger.lines()->setText(2, 3, typed);
    QStringList seen;
    if (action == "close")
        f.script.then(clickButton("cmdexit", &seen, "vs2"));
    else if (action != "none")
        f.script.then(doubleClickRow("vs2", action.mid(4).toInt(), &seen));

    f.ledger.partLookup(3);
    QCOMPARE(f.script.opened(),
             action == "none" ? QStringList {} : QStringList {"frm정비부품조회"});
    QCOMPARE(seen, listed);
    QCOMPARE(f.ledger.lines()->text(2, 3), name);
    QCOMPARE(f.ledger.lines()->text(3, 3), price);
    // No other row is touched.
    QCOMPARE(f.ledger.lines()->dataRowCount(), 3);
    QCOMPARE(f.ledger.lines()->text(2, 2), QString());
    QCOMPARE(f.script.stepsLeft(), 0);
}

void TestLookups::partDescriptionForTheStatement()
{
    Fixture f;
    addPart(f.shop, PartTable::Catalogue, "에어필터", 12000);
    addPart(f.shop, PartTable::Catalogue, "세차", 15000);
    Session &s = f.shop.session();
    s.popupCaller = "333";
    s.lookupSearchText.clear();
    f.script.then(doubleClickRow("vs2", 1));
    QVERIFY(f.lookups.pickPart(f.context, &f.ledger));
    QCOMPARE(s.lookupSearchText, QStringLiteral("세차"));
    f.script.then(clickButton("cmdexit"));
    QVERIFY(!f.lookups.pickPart(f.context, &f.ledger));
    QCOMPARE(s.lookupSearchText, QString());
}

void TestLookups::codeIntoLedgerField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("result");
    const QStringList all = {"그랜저", "스포티지", "쏘나타", "쏘렌토"};
    QTest::newRow("single match: no list") << "그"
                                           << "none" << QStringList {} << "그랜저";
    QTest::newRow("several: the matching ones")
            << "쏘"
            << "row 2" << QStringList {"쏘나타", "쏘렌토"} << "쏘렌토";
    QTest::newRow("none: the whole category") << "모"
                                              << "row 2" << all << "스포티지";
    QTest::newRow("closed: the field keeps its text")
            << "쏘"
            << "close" << QStringList {"쏘나타", "쏘렌토"} << "쏘";
    QTest::newRow("quote is text") << "O'"
                                   << "row 1" << all << "그랜저";
}

void TestLookups::codeIntoLedgerField()
{
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QStringList, listed);
    QFETCH(QString, result);
    Fixture f;
    for (const char *name : {"쏘나타", "스포티지", "쏘렌토", "그랜저"})
        addCode(f.shop, "차종", QString::fromUtf8(name));
    addCode(f.shop, "차량색상", "쏘는색");
    f.ledger.field(3)->setText(typed);
    QStringList seen;
    if (action == "close")
        f.script.then(clickButton("cmdexit", &seen));
    else if (action != "none")
        f.script.then(doubleClickRow("vs1", action.mid(4).toInt(), &seen));

    f.ledger.codeLookup(3, "차종");
    QCOMPARE(f.script.opened(),
             action == "none" ? QStringList {} : QStringList {"frm기타자료조회"});
    QCOMPARE(seen, listed);
    QCOMPARE(f.ledger.field(3)->text(), result);
    QCOMPARE(f.shop.session().lookupSearchText, QString());
}

void TestLookups::mechanicIntoLineCell()
{
    Fixture f;
    addCode(f.shop, "정비담당", "김정비");
    addCode(f.shop, "정비담당", "박기사");
    f.script.then(doubleClickRow("vs1", 2));
    f.ledger.mechanicLookup(5);
    QCOMPARE(f.ledger.lines()->text(10, 5), QStringLiteral("박기사"));
    QCOMPARE(f.ledger.lines()->dataRowCount(), 5);
}

void TestLookups::customerForTheLedger_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("chosen"); // 고객명 of the chosen customer, "0" for none, "" closed
    QTest::newRow("name begins") << "고객명"
                                 << "김"
                                 << "row 2" << QStringList {"김민수", "김영희"} << "김영희";
    QTest::newRow("mobile contains") << "휴대폰"
                                     << "1234"
                                     << "enter 1" << QStringList {"김영희", "박김철"} << "김영희";
    QTest::newRow("empty row") << "고객명"
                               << "김"
                               << "row 5" << QStringList {"김민수", "김영희"} << "0";
    QTest::newRow("closed") << "차량번호"
                            << "12"
                            << "close" << QStringList {"이서연", "김민수"} << "";
}

void TestLookups::customerForTheLedger()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, action);
    QFETCH(QStringList, listed);
    QFETCH(QString, chosen);
    Fixture f;
    QHash<QString, qint64> codes;
    codes["김영희"] = addCustomer(f.shop, "김영희", "서울34가5678", "모닝", "", "010-1234-0000");
    codes["박김철"] = addCustomer(f.shop, "박김철", "경기56나7890", "K5", "", "011-1234-3400");
    codes["김민수"] = addCustomer(f.shop, "김민수", "서울12다3456", "그랜저", "", "");
    codes["이서연"] = addCustomer(f.shop, "이서연", "부산12라1111", "레이", "", "");
    Session &s = f.shop.session();
    s.curCustomerCode = 77;
    s.popupCaller = "1";
    s.customerSearchKind = kind;
    s.customerSearchText = text;
    QStringList seen;
    if (action == "close") {
        f.script.then(clickButton("cmdexit", &seen));
    } else if (action.startsWith("enter")) {
        f.script.then([&](QDialog &dialog) {
            Grid *g = gridOf(dialog, "vs1");
            seen = columnTexts(g, 1);
            g->gotoCell(1, action.mid(6).toInt());
            QTest::keyClick(g->view(), Qt::Key_Return);
        });
    } else {
        f.script.then(doubleClickRow("vs1", action.mid(4).toInt(), &seen));
    }
    const std::optional<qint64> code = f.lookups.pickCustomer(f.context, &f.ledger);
    QCOMPARE(f.script.opened(), QStringList {"frm고객조회"});
    QCOMPARE(f.script.captions(), QStringList {"고객조회"});
    QCOMPARE(seen, listed);
    if (chosen.isEmpty()) {
        QVERIFY(!code);
        QCOMPARE(s.curCustomerCode, 77);
    } else {
        const qint64 expected = chosen == "0" ? 0 : codes.value(chosen);
        QCOMPARE(code, std::optional<qint64>(expected));
        QCOMPARE(s.curCustomerCode, expected);
    }
    // Closing in any way empties the search.
    QCOMPARE(s.customerSearchKind, QString());
    QCOMPARE(s.customerSearchText, QString());
}

void TestLookups::customerForTheStatement()
{
    Fixture f;
    const qint64 code = addCustomer(f.shop, "김영희", "서울34가5678");
    addCustomer(f.shop, "김민수", "서울12다3456");
    Session &s = f.shop.session();
    s.curCustomerCode = 5;
    s.popupCaller = "111";
    s.customerSearchKind = "차량번호";
    s.customerSearchText = "서울";
    f.script.then(doubleClickRow("vs1", 2));
    QCOMPARE(f.lookups.pickCustomer(f.context, &f.ledger), std::optional<qint64>(code));
    // The ledger's customer is not touched.
    QCOMPARE(s.curCustomerCode, 5);
}

void TestLookups::customerListPrints()
{
    Fixture f;
    addCustomer(f.shop, "김영희", "서울34가5678", "", "", "010-1234-0000");
    QList<ListPrintRequest> printed;
    Session &s = f.shop.session();
    s.customerSearchKind = "휴대폰";
    s.customerSearchText = "1234";
    // Without the report engine the button shows, but does nothing.
    bool enabledBefore = true;
    f.script.then([&](QDialog &dialog) {
        enabledBefore = dialog.findChild<QPushButton *>("cmdp5")->isEnabled();
    });
    f.lookups.pickCustomer(f.context, &f.ledger);
    QVERIFY(!enabledBefore);

    f.lookups.setListPrinter(
            [&](AppContext &, QWidget *, const ListPrintRequest &r) { printed << r; });
    s.customerSearchKind = "휴대폰";
    s.customerSearchText = "1234";
    f.script.then(clickButton("cmdp5"));
    f.lookups.pickCustomer(f.context, &f.ledger);
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed.first().reportFile, QStringLiteral("C:\\voz\\RPT\\고객현황.RPT"));
    QCOMPARE(printed.first().sortField, QStringLiteral("+{고객.고객명}"));
    QCOMPARE(printed.first().selection, QStringLiteral("{고객.휴대폰} like '*1234*'"));
}

void TestLookups::customerValue_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("result");
    QTest::newRow("소속회사, empty search") << "소속회사"
                                            << ""
                                            << "row 2"
                                            << "한빛물류";
    QTest::newRow("고객명") << "고객명"
                            << "김"
                            << "row 1"
                            << "김민수";
    QTest::newRow("차량번호") << "차량번호"
                              << "12"
                              << "row 1"
                              << "부산12라1111";
    QTest::newRow("closed") << "고객명"
                            << "김"
                            << "close"
                            << "";
    QTest::newRow("empty row") << "고객명"
                               << "김"
                               << "row 9"
                               << "";
}

void TestLookups::customerValue()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, action);
    QFETCH(QString, result);
    Fixture f;
    addCustomer(f.shop, "김영희", "서울34가5678", "모닝", "", "");
    addCustomer(f.shop, "박김철", "경기56나7890", "K5", "대성운수", "");
    addCustomer(f.shop, "김민수", "서울12다3456", "그랜저", "", "");
    addCustomer(f.shop, "이서연", "부산12라1111", "레이", "한빛물류", "");
    Session &s = f.shop.session();
    s.customerPickResult = "전의 값";
    s.customerSearchKind = kind;
    s.customerSearchText = text;
    if (action == "close")
        f.script.then(clickButton("cmdexit"));
    else
        f.script.then(doubleClickRow("vs1", action.mid(4).toInt()));
    const std::optional<QString> value = f.lookups.pickCustomerValue(f.context, &f.ledger);
    QCOMPARE(f.script.opened(), QStringList {"frm고객조회2"});
    QCOMPARE(s.customerPickResult, result);
    QCOMPARE(value, result.isEmpty() ? std::optional<QString>() : std::optional<QString>(result));
    QCOMPARE(s.customerSearchKind, QString());
}

void TestLookups::customerValueOtherKindStaysOpen()
{
    Fixture f;
    addCustomer(f.shop, "김영희", "서울34가5678");
    Session &s = f.shop.session();
    s.customerSearchKind = "휴대폰";
    bool stillOpen = false;
    f.script.then([&](QDialog &dialog) {
        auto *pick = qobject_cast<QDialog *>(&dialog);
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdok"), Qt::LeftButton);
        stillOpen = pick->isVisible();
    });
    QVERIFY(!f.lookups.pickCustomerValue(f.context, &f.ledger));
    QVERIFY(stillOpen);
}

void TestLookups::addressIntoLedger_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("postal");
    QTest::newRow("several: chosen") << "역삼"
                                     << "row 2"
                                     << "서울특별시 강남구 역삼2동 "
                                     << "135-081";
    QTest::newRow("one: no list") << "정자"
                                  << "none"
                                  << "경기도 성남시 분당구 정자동 "
                                  << "463-010";
    QTest::newRow("several: closed") << "역삼"
                                     << "close"
                                     << "역삼"
                                     << "";
    QTest::newRow("several: empty row") << "역삼"
                                        << "row 5"
                                        << "역삼"
                                        << "";
    QTest::newRow("none") << "없는동"
                          << "none"
                          << "없는동"
                          << "";
}

void TestLookups::addressIntoLedger()
{
    QFETCH(QString, search);
    QFETCH(QString, action);
    QFETCH(QString, address);
    QFETCH(QString, postal);
    Fixture f;
    addPostal(f.shop, "135-080", "서울특별시", "강남구", "역삼1동", "1~50");
    addPostal(f.shop, "135-081", "서울특별시", "강남구", "역삼2동", QVariant());
    addPostal(f.shop, "463-010", "경기도", "성남시 분당구", "정자동");
    f.ledger.field(15)->setText(search);
    QStringList seen;
    if (action == "close")
        f.script.then(clickButton("cmdexit", &seen, "vs2"));
    else if (action != "none")
        f.script.then(doubleClickRow("vs2", action.mid(4).toInt(), &seen));
    f.ledger.addressLookup();
    QCOMPARE(f.ledger.field(15)->text(), address);
    QCOMPARE(f.ledger.field(16)->text(), postal);
    QCOMPARE(f.script.opened(), action == "none" ? QStringList {} : QStringList {"frm주소"});
    if (action != "none")
        QCOMPARE(seen, (QStringList {"135-080", "135-081"}));
    if (search == "없는동") {
        QCOMPARE(f.shop.prompter().texts(), QStringList {"찾을 주소가 없습니다!"});
        QCOMPARE(f.shop.prompter().titles(), QStringList {"검색안됨"});
        QCOMPARE(f.shop.prompter().beeps(), 1);
    } else {
        QVERIFY(f.shop.prompter().shown().isEmpty());
    }
}

void TestLookups::addressOnlyForKnownCallers()
{
    Fixture f;
    addPostal(f.shop, "135-080", "서울특별시", "강남구", "역삼1동");
    addPostal(f.shop, "135-081", "서울특별시", "강남구", "역삼2동");
    Session &s = f.shop.session();
    s.addressSearchText = "역삼";
    s.popupCaller = "111";
    f.script.then(doubleClickRow("vs2", 1));
    QVERIFY(!f.lookups.pickAddress(f.context, &f.ledger));
    QCOMPARE(f.script.opened(), QStringList {"frm주소"});
}

// The shop-information screen opens the address list for several postal matches.
void TestLookups::addressIntoShopInformation()
{
    Fixture f;
    addPostal(f.shop, "135-080", "서울특별시", "강남구", "역삼1동");
    addPostal(f.shop, "135-081", "서울특별시", "강남구", "역삼2동");
    FrmShopInfo shopInfo(f.context);
    shopInfo.setAddressLookup(f.lookups.addressLookup());
    shopInfo.show();
    QVERIFY(QTest::qWaitForWindowActive(&shopInfo));
    shopInfo.field(7)->setText("역삼");
    f.script.then(doubleClickRow("vs2", 2));
    shopInfo.searchAddress();
    QCOMPARE(f.script.opened(), QStringList {"frm주소"});
    QCOMPARE(f.shop.session().popupCaller, QStringLiteral("2"));
    QCOMPARE(shopInfo.field(7)->text(), QStringLiteral("135-081"));
    QCOMPARE(shopInfo.field(8)->text(), QStringLiteral("서울특별시 강남구 역삼2동 "));
}

QTEST_MAIN(TestLookups)
#include "tst_lookups.moc"
