#include "FrmPasswordChange.h"
#include "TestShop.h"
#include "TextUtil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

struct Change
{
    explicit Change(TestShop &shop)
        : window(shop.context())
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
        current = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
        next = window.findChild<QLineEdit *>(QStringLiteral("Text2"));
        ok = window.findChild<QPushButton *>(QStringLiteral("cmdok"));
        exit = window.findChild<QPushButton *>(QStringLiteral("cmdexit"));
        current->setFocus();
    }
    // Types the current password and presses Enter, which moves to the new one.
    void confirm(const QString &text)
    {
        typeText(current, text);
        QTest::keyClick(current, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    FrmPasswordChange window;
    QLineEdit *current;
    QLineEdit *next;
    QPushButton *ok;
    QPushButton *exit;
};

QString accounts(TestShop &shop)
{
    return NullToStr(shop.base().scalar(QStringLiteral(
            "SELECT group_concat(계정 || '=' || ifnull(암호, 'NULL'), ',') FROM "
            "(SELECT * FROM 암호관리 ORDER BY 계정)")));
}

} // namespace

class TestPasswordChange : public QObject
{
    Q_OBJECT
private slots:
    void controlsAndCaption();
    void nothingToCheckEnablesOk_data();
    void nothingToCheckEnablesOk();
    void wrongCurrentPassword();
    void rightCurrentPasswordReplacesAccountOne();
    void emptyNewPasswordMeansNone();
    void closeChangesNothing();
};

void TestPasswordChange::controlsAndCaption()
{
    TestShop shop;
    Change change(shop);
    QCOMPARE(change.window.objectName(), QStringLiteral("frm입력비밀번호"));
    QCOMPARE(change.window.windowTitle(), QStringLiteral("비밀번호 변경"));
    QCOMPARE(change.ok->text(), QStringLiteral("확인(&S)"));
    QCOMPARE(change.exit->text(), QStringLiteral("닫기(&K)"));
    QVERIFY(!change.ok->isEnabled());
}

void TestPasswordChange::nothingToCheckEnablesOk_data()
{
    QTest::addColumn<bool>("nullRow");
    QTest::newRow("empty table") << false;
    QTest::newRow("null first password") << true;
}

void TestPasswordChange::nothingToCheckEnablesOk()
{
    QFETCH(bool, nullRow);
    TestShop shop;
    if (nullRow)
        QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 암호관리 (계정, 암호) VALUES ('1', NULL)")));
    Change change(shop);
    change.confirm(QStringLiteral("아무거나"));
    QVERIFY(change.next->hasFocus());
    QVERIFY(change.ok->isEnabled());
    typeText(change.next, QStringLiteral("새암호"));
    QTest::keyClick(change.next, Qt::Key_Return);
    QVERIFY(change.ok->hasFocus());
    QTest::mouseClick(change.ok, Qt::LeftButton);
    QCOMPARE(change.window.result(), int(QDialog::Accepted));
    QCOMPARE(accounts(shop), QStringLiteral("1=새암호"));
    QCOMPARE(shop.session().loginPassword, QStringLiteral("새암호"));
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestPasswordChange::wrongCurrentPassword()
{
    TestShop shop;
    QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 암호관리 VALUES ('1', 'old'), ('2', 'staff')")));
    Change change(shop);
    change.confirm(QStringLiteral("staff")); // another account's password does not do here
    QCOMPARE(shop.prompter().texts(), QStringList({QStringLiteral("비밀번호가 일치하지 않습니다!.")}));
    QCOMPARE(shop.prompter().shown().first().title, QStringLiteral("비밀번호 오류"));
    QCOMPARE(change.current->text(), QString());
    QTRY_VERIFY(change.current->hasFocus());
    QVERIFY(!change.ok->isEnabled());
    QCOMPARE(accounts(shop), QStringLiteral("1=old,2=staff"));
}

void TestPasswordChange::rightCurrentPasswordReplacesAccountOne()
{
    TestShop shop;
    QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 암호관리 VALUES ('1', 'o''ld'), ('2', 'staff')")));
    Change change(shop);
    change.confirm(QStringLiteral("o'ld"));
    QVERIFY(change.ok->isEnabled());
    typeText(change.next, QStringLiteral("n'ew"));
    QTest::mouseClick(change.ok, Qt::LeftButton);
    QCOMPARE(accounts(shop), QStringLiteral("1=n'ew,2=staff"));
    QCOMPARE(shop.session().loginPassword, QStringLiteral("n'ew"));
}

void TestPasswordChange::emptyNewPasswordMeansNone()
{
    TestShop shop;
    QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 암호관리 VALUES ('1', 'old')")));
    Change change(shop);
    change.confirm(QStringLiteral("old"));
    QTest::mouseClick(change.ok, Qt::LeftButton);
    QCOMPARE(accounts(shop), QStringLiteral("1="));
    QVERIFY(!shop.base().scalar(QStringLiteral("SELECT 암호 FROM 암호관리")).isNull());
}

void TestPasswordChange::closeChangesNothing()
{
    TestShop shop;
    QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 암호관리 VALUES ('1', 'old')")));
    Change change(shop);
    QTest::mouseClick(change.exit, Qt::LeftButton);
    QVERIFY(!change.window.isVisible());
    QCOMPARE(accounts(shop), QStringLiteral("1=old"));
}

QTEST_MAIN(TestPasswordChange)
#include "tst_passwordchange.moc"
