#include "Cursor.h"
#include "DataAccess.h"
#include "FrmShopInfo.h"
#include "TestShop.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList kColumns = {"사용자명", "사업자번호", "대표자명", "업태", "업종",
                              "전화번호", "팩스번호",   "우편번호", "주소", "정비업등록번호"};

struct Screen
{
    explicit Screen(TestShop &shop)
        : window(shop.context())
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
    }
    QLineEdit *field(int i) const { return window.field(i); }
    QPushButton *button(const char *name) const
    {
        return window.findChild<QPushButton *>(QString::fromUtf8(name));
    }
    void type(int i, const QString &text)
    {
        field(i)->setFocus();
        field(i)->selectAll();
        field(i)->del();
        typeText(field(i), text);
    }
    FrmShopInfo window;
};

// Every row of 사용자등록 as 코드 followed by the ten columns in field order.
QList<QStringList> rows(TestShop &shop)
{
    QList<QStringList> out;
    Cursor c;
    if (!OpenQuery(shop.prompter(), shop.base(), c, "select * from 사용자등록 order by rowid"))
        return out;
    for (c.moveFirst(); !c.eof(); c.moveNext()) {
        QStringList row {c.text("코드")};
        for (const QString &column : kColumns) {
            const QVariant v = c.value(column);
            row << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        out << row;
    }
    return out;
}

void addPostal(TestShop &shop, const QString &code, const QVariant &sido, const QVariant &gugun,
               const QString &dong)
{
    QVERIFY(shop.stores().postal().exec(
            "insert into 우편번호 (우편번호, 시도, 구군, 동면, 번지) values (?, ?, ?, ?, '')",
            {code, sido, gugun, dong}));
}

} // namespace

class TestShopInfo : public QObject
{
    Q_OBJECT
private slots:
    void emptyTableOpensBlank();
    void storedRowIsLoaded();
    void saveTwiceLeavesOneRow();
    void loadedRowIsUpdatedInPlace();
    void rowGoneMeanwhileIsWrittenAgain();
    void onlyTheNameStoresEmptyTexts();
    void nameIsRequired();
    void quoteIsData();
    void newEmptiesTheFields();
    void addressSearch_data();
    void addressSearch();
    void f1MovesOn_data();
    void f1MovesOn();
    void f1InPostalCodeContinuesTheAddress();
    void enterWalksTheFieldsInOrder();
};

void TestShopInfo::emptyTableOpensBlank()
{
    TestShop shop;
    Screen s(shop);
    QCOMPARE(s.window.objectName(), QStringLiteral("frm사용자등록"));
    QCOMPARE(s.window.windowTitle(), QStringLiteral("사용자 등록"));
    QCOMPARE(s.window.rowCode(), 9998);
    for (int i = 0; i < 10; ++i)
        QVERIFY(s.field(i)->text().isEmpty());
    QVERIFY(!s.button("cmd저장")->isEnabled());
    QCOMPARE(s.button("cmd신규")->text(), QStringLiteral("신규(&N)"));
    QCOMPARE(s.button("cmd저장")->text(), QStringLiteral("저장(&S)"));
    QCOMPARE(s.button("Cmd취소")->text(), QStringLiteral("닫기(&X)"));
}

void TestShopInfo::storedRowIsLoaded()
{
    TestShop shop;
    QVERIFY(shop.base().exec("insert into 사용자등록 values (9999, '대한카센터', '제2005-1호', "
                             "'123-45-67890', '김대한', '서비스', '자동차정비', '02-123-4567', "
                             "'02-123-4568', '135-080', '서울 강남구 역삼동 1')"));
    Screen s(shop);
    const QStringList expected = {"대한카센터",           "123-45-67890", "김대한",      "서비스",
                                  "자동차정비",           "02-123-4567",  "02-123-4568", "135-080",
                                  "서울 강남구 역삼동 1", "제2005-1호"};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(s.field(i)->text(), expected.at(i));
    QCOMPARE(s.window.rowCode(), 9999);
    QVERIFY(!s.button("cmd저장")->isEnabled());
    s.type(2, "이");
    QVERIFY(s.button("cmd저장")->isEnabled());
}

void TestShopInfo::saveTwiceLeavesOneRow()
{
    TestShop shop;
    Screen s(shop);
    s.type(0, "대한카센터");
    s.type(2, "김대한");
    QTest::mouseClick(s.button("cmd저장"), Qt::LeftButton);
    QVERIFY(!s.button("cmd저장")->isEnabled());
    s.type(5, "02-123-4567");
    QTest::mouseClick(s.button("cmd저장"), Qt::LeftButton);

    const QList<QStringList> stored = rows(shop);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first(),
             (QStringList {"9999", "대한카센터", "", "김대한", "", "", "02-123-4567", "", "", "",
                           ""}));
    QCOMPARE(shop.session().shopName, QStringLiteral("대한카센터"));
    QCOMPARE(shop.prompter().texts(),
             (QStringList {"사용자정보가 저장되었습니다....", "사용자정보가 저장되었습니다...."}));
    QCOMPARE(shop.prompter().shown().first().kind, ScriptedPrompter::Kind::Notice);
}

void TestShopInfo::loadedRowIsUpdatedInPlace()
{
    TestShop shop;
    QVERIFY(shop.base().exec("insert into 사용자등록 (코드, 사용자명, 대표자명) "
                             "values (9999, '옛이름', '김대한')"));
    const QVariant rowid = shop.base().scalar("select rowid from 사용자등록");
    Screen s(shop);
    s.type(0, "새이름");
    QTest::mouseClick(s.button("cmd저장"), Qt::LeftButton);
    QCOMPARE(rows(shop).size(), 1);
    QCOMPARE(rows(shop).first().at(1), QStringLiteral("새이름"));
    QCOMPARE(rows(shop).first().at(3), QStringLiteral("김대한"));
    // Updated, not replaced.
    QCOMPARE(shop.base().scalar("select rowid from 사용자등록"), rowid);
}

void TestShopInfo::rowGoneMeanwhileIsWrittenAgain()
{
    TestShop shop;
    QVERIFY(shop.base().exec("insert into 사용자등록 (코드, 사용자명) values (9999, '대한')"));
    Screen s(shop);
    QVERIFY(shop.base().exec("delete from 사용자등록"));
    s.type(0, "대한카센터");
    QTest::mouseClick(s.button("cmd저장"), Qt::LeftButton);
    QCOMPARE(rows(shop).size(), 1);
    QCOMPARE(rows(shop).first().mid(0, 2), (QStringList {"9999", "대한카센터"}));
}

void TestShopInfo::onlyTheNameStoresEmptyTexts()
{
    TestShop shop;
    Screen s(shop);
    s.type(0, "대한카센터");
    QTest::mouseClick(s.button("cmd저장"), Qt::LeftButton);
    QCOMPARE(rows(shop),
             (QList<QStringList> {{"9999", "대한카센터", "", "", "", "", "", "", "", "", ""}}));
}

void TestShopInfo::nameIsRequired()
{
    TestShop shop;
    Screen s(shop);
    s.type(2, "김대한");
    QTest::mouseClick(s.button("cmd저장"), Qt::LeftButton);
    QCOMPARE(shop.prompter().texts(), QStringList {"업체명을 입력하여 주십시오."});
    QVERIFY(rows(shop).isEmpty());
    QCOMPARE(s.field(2)->text(), QStringLiteral("김대한"));
}

void TestShopInfo::quoteIsData()
{
    TestShop shop;
    Screen s(shop);
    s.type(0, "O'Neil 카센터");
    s.type(8, "서울'); delete from 고객; --");
    QTest::mouseClick(s.button("cmd저장"), Qt::LeftButton);
    QCOMPARE(rows(shop).size(), 1);
    QCOMPARE(rows(shop).first().at(1), QStringLiteral("O'Neil 카센터"));
    QCOMPARE(rows(shop).first().at(9), QStringLiteral("서울'); delete from 고객; --"));
}

void TestShopInfo::newEmptiesTheFields()
{
    TestShop shop;
    QVERIFY(shop.base().exec("insert into 사용자등록 (코드, 사용자명, 주소) "
                             "values (9999, '대한', '서울')"));
    Screen s(shop);
    s.type(1, "1");
    QTest::mouseClick(s.button("cmd신규"), Qt::LeftButton);
    for (int i = 0; i < 10; ++i)
        QVERIFY(s.field(i)->text().isEmpty());
    QVERIFY(!s.button("cmd저장")->isEnabled());
    // The stored row stays until a save.
    QCOMPARE(rows(shop).first().at(1), QStringLiteral("대한"));
}

void TestShopInfo::addressSearch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withLookup");
    QTest::addColumn<QString>("postal");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("lookups");
    QTest::newRow("one match") << " 역삼 " << true << "135-080"
                               << "서울 강남구 역삼동 " << 0;
    QTest::newRow("missing part left out") << "세종" << true << "339-700"
                                           << "세종리 " << 0;
    QTest::newRow("several: the list") << "삼성" << true << "999-999"
                                       << "고른 주소 " << 1;
    QTest::newRow("several without the list") << "삼성" << false << "삼성"
                                              << "그대로" << 0;
    QTest::newRow("none") << "없는동" << true << "없는동"
                          << "그대로" << 0;
    QTest::newRow("typed wildcard is literal") << "%" << true << "%"
                                               << "그대로" << 0;
}

void TestShopInfo::addressSearch()
{
    QFETCH(QString, typed);
    QFETCH(bool, withLookup);
    QFETCH(QString, postal);
    QFETCH(QString, address);
    QFETCH(int, lookups);
    TestShop shop;
    addPostal(shop, "135-080", "서울", "강남구", "역삼동");
    addPostal(shop, "135-090", "서울", "강남구", "삼성동");
    addPostal(shop, "135-091", "서울", "강남구", "삼성1동");
    addPostal(shop, "339-700", QVariant(), QString(""), "세종리");
    Screen s(shop);
    int called = 0;
    if (withLookup) {
        s.window.setAddressLookup([&](AppContext &context, QString &code, QString &text) {
            ++called;
            if (context.session.addressSearchText != QStringLiteral("삼성")
                || context.session.popupCaller != QStringLiteral("2")) {
                return false;
            }
            code = "999-999";
            text = "고른 주소 ";
            return true;
        });
    }
    s.field(8)->setText("그대로");
    s.field(7)->setText(typed);
    s.window.searchAddress();
    QCOMPARE(called, lookups);
    QCOMPARE(s.field(7)->text(), postal);
    QCOMPARE(s.field(8)->text(), address);
}

void TestShopInfo::f1MovesOn_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("name") << 0 << "Text1_1";
    QTest::newRow("fax") << 6 << "Text1_7";
    QTest::newRow("address") << 8 << "cmd신규";
    QTest::newRow("registration number") << 9 << "cmd신규";
}

void TestShopInfo::f1MovesOn()
{
    QFETCH(int, from);
    QFETCH(QString, to);
    TestShop shop;
    Screen s(shop);
    s.field(from)->setFocus();
    QTest::keyClick(s.field(from), Qt::Key_F1);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void TestShopInfo::f1InPostalCodeContinuesTheAddress()
{
    TestShop shop;
    addPostal(shop, "135-080", "서울", "강남구", "역삼동");
    Screen s(shop);
    s.type(7, "역삼");
    QTest::keyClick(s.field(7), Qt::Key_F1);
    QCOMPARE(QApplication::focusWidget(), s.field(8));
    QCoreApplication::processEvents();
    QTest::keyClicks(s.field(8), "123-4");
    QCOMPARE(s.field(8)->text(), QStringLiteral("서울 강남구 역삼동 123-4"));
    QCOMPARE(s.field(7)->text(), QStringLiteral("135-080"));
    QVERIFY(s.button("cmd저장")->isEnabled());
}

void TestShopInfo::enterWalksTheFieldsInOrder()
{
    TestShop shop;
    Screen s(shop);
    s.field(0)->setFocus();
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited << QApplication::focusWidget()->objectName();
        if (visited.last() == QStringLiteral("cmd신규"))
            break;
    }
    QCOMPARE(visited,
             (QStringList {"Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6",
                           "Text1_7", "Text1_8", "Text1_9", "cmd신규"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // The save button is off until something changes: Tab passes it.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Cmd취소"));
}

QTEST_MAIN(TestShopInfo)
#include "tst_shopinfo.moc"
