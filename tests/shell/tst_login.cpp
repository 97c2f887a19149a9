#include "FrmStart.h"
#include "LoginService.h"
#include "TestShop.h"

#include <QFile>
#include <QLineEdit>
#include <QtTest>

namespace {

struct Login
{
    explicit Login(TestShop &shop)
        : window(shop.context())
    {
        window.load();
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
        box = window.findChild<QLineEdit *>(QStringLiteral("txtPassword"));
    }
    void enter(const QString &text)
    {
        box->selectAll();
        box->del();
        typeText(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    FrmStart window;
    QLineEdit *box = nullptr;
};

void setPasswords(TestShop &shop, const QList<QVariant> &passwords)
{
    int account = 1;
    for (const QVariant &p : passwords) {
        QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 암호관리 (계정, 암호) VALUES (?, ?)"),
                                 {QString::number(account++), p}));
    }
}

const QString kWrong = QStringLiteral("비밀번호가 틀렸습니다. 다시 입력해 주십시요");

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT
private slots:
    void boxShowsHintOrMask_data();
    void boxShowsHintOrMask();
    void enterWithoutPassword_data();
    void enterWithoutPassword();
    void wrongThreeTimesEndsTheProgram();
    void twoWrongThenRight();
    void anyAccountsPasswordIsAccepted();
    void typedSqlIsOnlyAPassword();
    void escapeEndsAtOnce();
    void closingTheWindowEndsTheProgram();
    void shopNameIsReadOnLogin();
    void firstStartCreatesTheStores();
    void olderBaseGetsBankbookRowsOnce();
    void unreadableStoreKeepsTheWindowUp();
};

void TestLogin::boxShowsHintOrMask_data()
{
    QTest::addColumn<QList<QVariant>>("passwords");
    QTest::addColumn<bool>("masked");
    QTest::newRow("empty table") << QList<QVariant>{} << false;
    QTest::newRow("null password") << QList<QVariant>{QVariant()} << false;
    QTest::newRow("empty password") << QList<QVariant>{QString("")} << false;
    QTest::newRow("password") << QList<QVariant>{QStringLiteral("1234")} << true;
    QTest::newRow("only the first row counts") << QList<QVariant>{QString(""), QStringLiteral("9")}
                                               << false;
}

void TestLogin::boxShowsHintOrMask()
{
    QFETCH(QList<QVariant>, passwords);
    QFETCH(bool, masked);
    TestShop shop;
    setPasswords(shop, passwords);
    Login login(shop);
    QCOMPARE(login.box->echoMode() == QLineEdit::Password, masked);
    QCOMPARE(login.box->text(), masked ? QString() : LoginService::hintText());
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestLogin::enterWithoutPassword_data()
{
    QTest::addColumn<QList<QVariant>>("passwords");
    QTest::newRow("empty table") << QList<QVariant>{};
    QTest::newRow("null password") << QList<QVariant>{QVariant()};
    QTest::newRow("empty password") << QList<QVariant>{QString("")};
}

void TestLogin::enterWithoutPassword()
{
    QFETCH(QList<QVariant>, passwords);
    TestShop shop;
    setPasswords(shop, passwords);
    Login login(shop);
    QTest::keyClick(login.box, Qt::Key_Return);
    QCOMPARE(login.window.result(), int(QDialog::Accepted));
    QVERIFY(shop.session().loginSucceeded);
    // Deleting a customer later asks for this: it is what was typed, not the hint.
    QCOMPARE(shop.session().loginPassword, QString());
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestLogin::wrongThreeTimesEndsTheProgram()
{
    TestShop shop;
    setPasswords(shop, {QStringLiteral("1234")});
    Login login(shop);
    login.enter(QStringLiteral("1"));
    QVERIFY(login.window.isVisible());
    QCOMPARE(login.box->text(), QString());
    QVERIFY(login.box->hasFocus());
    login.enter(QStringLiteral("12"));
    QVERIFY(login.window.isVisible());
    login.enter(QStringLiteral("123"));
    QVERIFY(!login.window.isVisible());
    QCOMPARE(login.window.result(), int(QDialog::Rejected));
    QVERIFY(!shop.session().loginSucceeded);
    QCOMPARE(shop.prompter().texts(),
             QStringList({kWrong, kWrong, kWrong,
                          QStringLiteral("관리자나 프로그램 개발업체에 문의하시기 바랍니다."),
                          QStringLiteral("프로그램을 종료합니다.")}));
    QCOMPARE(shop.prompter().shown().at(3).title, QStringLiteral("TEL : 1588-0000"));
}

void TestLogin::twoWrongThenRight()
{
    TestShop shop;
    setPasswords(shop, {QStringLiteral("정비1234")});
    Login login(shop);
    login.enter(QStringLiteral("x"));
    login.enter(QStringLiteral("y"));
    // The password changes between attempts: every attempt is compared with the table.
    QVERIFY(shop.base().exec(QStringLiteral("UPDATE 암호관리 SET 암호 = 'new'")));
    login.enter(QStringLiteral("정비1234"));
    QCOMPARE(login.window.result(), int(QDialog::Rejected));
    QCOMPARE(shop.prompter().texts().count(kWrong), 3);
    QCOMPARE(login.window.service().attempts(), 3);
    QVERIFY(!shop.session().loginSucceeded);

    TestShop other;
    setPasswords(other, {QStringLiteral("정비1234")});
    Login second(other);
    second.enter(QStringLiteral("x"));
    second.enter(QStringLiteral("y"));
    second.enter(QStringLiteral("정비1234"));
    QCOMPARE(second.window.result(), int(QDialog::Accepted));
    QCOMPARE(other.session().loginPassword, QStringLiteral("정비1234"));
    QCOMPARE(other.prompter().texts(), QStringList({kWrong, kWrong}));
}

void TestLogin::anyAccountsPasswordIsAccepted()
{
    TestShop shop;
    setPasswords(shop, {QStringLiteral("owner"), QStringLiteral("staff")});
    Login login(shop);
    login.enter(QStringLiteral("staff"));
    QCOMPARE(login.window.result(), int(QDialog::Accepted));
    QCOMPARE(shop.session().loginPassword, QStringLiteral("staff"));
}

void TestLogin::typedSqlIsOnlyAPassword()
{
    TestShop shop;
    setPasswords(shop, {QStringLiteral("1234")});
    Login login(shop);
    login.enter(QStringLiteral("' or ''='"));
    QVERIFY(login.window.isVisible());
    QVERIFY(!shop.session().loginSucceeded);
    QCOMPARE(shop.prompter().texts(), QStringList({kWrong}));
}

void TestLogin::escapeEndsAtOnce()
{
    TestShop shop;
    setPasswords(shop, {QStringLiteral("1234")});
    Login login(shop);
    typeText(login.box, QStringLiteral("12"));
    QTest::keyClick(login.box, Qt::Key_Escape);
    QVERIFY(!login.window.isVisible());
    QCOMPARE(login.window.result(), int(QDialog::Rejected));
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestLogin::closingTheWindowEndsTheProgram()
{
    TestShop shop;
    Login login(shop);
    login.window.close();
    QCOMPARE(login.window.result(), int(QDialog::Rejected));
    QVERIFY(!shop.session().loginSucceeded);
}

void TestLogin::shopNameIsReadOnLogin()
{
    TestShop shop;
    QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 사용자등록 (코드, 사용자명) VALUES (9999, ?)"),
                             {QStringLiteral("한빛 카센터")}));
    Login login(shop);
    QTest::keyClick(login.box, Qt::Key_Return);
    QCOMPARE(shop.session().shopName, QStringLiteral("한빛 카센터"));
}

void TestLogin::firstStartCreatesTheStores()
{
    TestShop shop(false, false);
    QVERIFY(!QFile::exists(shop.stores().paths().basePath));
    Login login(shop);
    QVERIFY(shop.prompter().shown().isEmpty());
    for (const QString &path : {shop.stores().paths().basePath,
                                shop.stores().paths().maintenancePath,
                                shop.stores().paths().postalPath}) {
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }
    QTest::keyClick(login.box, Qt::Key_Return);
    QCOMPARE(login.window.result(), int(QDialog::Accepted));
}

void TestLogin::olderBaseGetsBankbookRowsOnce()
{
    TestShop shop;
    Database &base = shop.base();
    QVERIFY(base.exec(QStringLiteral("DROP TABLE 통장")));
    QVERIFY(base.exec(QStringLiteral("DROP TABLE 메모장")));
    for (int i = 0; i < 3; ++i)
        QVERIFY(base.exec(QStringLiteral("INSERT INTO 고객 (고객명) VALUES ('고객')")));
    {
        Login first(shop);
        QCOMPARE(base.scalar(QStringLiteral("SELECT count(*) FROM 통장 WHERE line = 0")).toInt(), 3);
        QVERIFY(base.hasTable(QStringLiteral("메모장")));
    }
    QVERIFY(base.exec(QStringLiteral("INSERT INTO 고객 (고객명) VALUES ('새 고객')")));
    Login second(shop);
    QCOMPARE(base.scalar(QStringLiteral("SELECT count(*) FROM 통장")).toInt(), 3);
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestLogin::unreadableStoreKeepsTheWindowUp()
{
    TestShop shop(true, false);
    QFile garbage(shop.stores().paths().basePath);
    QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    Login login(shop);
    QVERIFY(!shop.prompter().shown().isEmpty());
    QVERIFY(login.window.isVisible());
    const int shown = shop.prompter().shown().size();
    QTest::keyClick(login.box, Qt::Key_Return);
    QVERIFY(login.window.isVisible());
    QCOMPARE(shop.prompter().shown().size(), shown + 1);
    QVERIFY(!shop.session().loginSucceeded);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
