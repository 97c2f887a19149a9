#include "CatalogueFixture.h"
#include "CodeStore.h"
#include "FrmCodeEntry.h"
#include "FrmCodePick.h"
#include "FrmCodes.h"
#include "Grid.h"
#include "Session.h"
#include "TestShop.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

// The maintenance screen on its own, shown and active.
struct Codes
{
    explicit Codes(TestShop &shop)
        : window(shop.context())
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the screen did not become active");
    }
    Grid *grid() const { return window.grid(); }
    QPushButton *button(const QString &name) const { return window.findChild<QPushButton *>(name); }
    void showCategory(int index)
    {
        QTest::mouseClick(button(QStringLiteral("cmd_%1").arg(index)), Qt::LeftButton);
    }
    FrmCodes window;
};

// The pick-list as the look-up opens it, shown without a modal loop.
struct Pick
{
    Pick(TestShop &shop, const QString &category, const QString &search = QString())
        : window((shop.session().codeCategory = category, shop.session().lookupSearchText = search,
                  shop.context()))
    {
        window.setDialogRunner(script.runner());
        window.load();
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the pick-list did not become active");
    }
    Grid *grid() const { return window.grid(); }
    QPushButton *button(const char *name) const
    {
        return window.findChild<QPushButton *>(QString::fromUtf8(name));
    }
    DialogScript script;
    FrmCodePick window;
};

// Types into frm참조 and presses a button.
DialogScript::Step enterCode(const QString &text, const char *button = "cmdok")
{
    return [text, button](QDialog &dialog) {
        QVERIFY(qobject_cast<FrmCodeEntry *>(&dialog));
        auto *edit = dialog.findChild<QLineEdit *>("text1");
        QVERIFY(edit->hasFocus());
        // The text is selected on entry: typing replaces it.
        typeText(edit, text);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QString::fromUtf8(button)),
                          Qt::LeftButton);
    };
}

} // namespace

class TestCodes : public QObject
{
    Q_OBJECT
private slots:
    void opensOnVehicleTypes();
    void buttonsShowTheirCategory_data();
    void buttonsShowTheirCategory();
    void typingAddsThenRenames();
    void namesAreCutToFifteen();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteOnEmptyRowAsksNothing();
    void comingBackShowsVehicleTypes();

    void pickListsCategoryByName_data();
    void pickListsCategoryByName();
    void pickHandsBackTheName_data();
    void pickHandsBackTheName();
    void newCodeThroughEntry_data();
    void newCodeThroughEntry();
    void renameThroughEntry();
    void renameOnRowWithoutCodeOpensNothing();
};

void TestCodes::opensOnVehicleTypes()
{
    TestShop shop;
    addCode(shop, "차종", "쏘나타");
    addCode(shop, "차종", "모닝");
    addCode(shop, "차량색상", "흰색");
    Codes c(shop);
    QCOMPARE(c.window.objectName(), QStringLiteral("frm기타자료"));
    QCOMPARE(c.window.windowTitle(), QStringLiteral("기초자료등록"));
    QCOMPARE(c.grid()->objectName(), QStringLiteral("vs1"));
    QCOMPARE(c.grid()->text(1, 0), QStringLiteral("차종"));
    QVERIFY(c.grid()->isColumnHidden(2) && c.grid()->isColumnHidden(3));
    QCOMPARE(columnTexts(c.grid(), 1), (QStringList {"쏘나타", "모닝"}));
    QCOMPARE(QPoint(c.grid()->activeCol(), c.grid()->activeRow()), QPoint(1, 3));
    const QStringList captions = {"&1 차      종", "&2 차량색상", "&3 소속회사", "&4 보험회사",
                                  "&5 차량지역",   "&6 정비담당", "&7 수입계정", "&8 지출계정"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(c.button(QStringLiteral("cmd_%1").arg(i))->text(), captions.at(i));
    QCOMPARE(c.button("cmdexit")->text(), QStringLiteral("닫기(&K)"));
}

void TestCodes::buttonsShowTheirCategory_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("차량색상 by name") << 1 << "차량색상" << QStringList {"검정", "흰색"};
    QTest::newRow("보험회사 as added") << 3 << "보험회사" << QStringList {"현대해상", "삼성화재"};
    QTest::newRow("지출계정 empty") << 7 << "지출계정" << QStringList {};
}

void TestCodes::buttonsShowTheirCategory()
{
    QFETCH(int, button);
    QFETCH(QString, category);
    QFETCH(QStringList, expected);
    TestShop shop;
    addCode(shop, "차량색상", "흰색");
    addCode(shop, "차량색상", "검정");
    addCode(shop, "보험회사", "현대해상");
    addCode(shop, "보험회사", "삼성화재");
    Codes c(shop);
    c.showCategory(button);
    QCOMPARE(c.grid()->text(1, 0), category);
    QCOMPARE(c.window.category(), category);
    QCOMPARE(columnTexts(c.grid(), 1), expected);
    QVERIFY(c.grid()->hasFocus());
    QCOMPARE(c.grid()->activeRow(), int(expected.size()) + 1);
}

void TestCodes::typingAddsThenRenames()
{
    TestShop shop;
    addCode(shop, "정비담당", "김정비");
    Codes c(shop);
    c.showCategory(5);
    Grid *g = c.grid();
    typeIntoCell(g, 1, 2, "O'Brien");
    QCOMPARE(codeNames(shop, "정비담당"), (QStringList {"김정비", "O'Brien"}));
    QVERIFY(!g->text(3, 2).isEmpty());
    // Enter went on to the next row.
    QCOMPARE(g->activeRow(), 3);
    // The row just added is that code now: a second edit changes it.
    typeIntoCell(g, 1, 2, "박기사");
    typeIntoCell(g, 1, 1, "이반장");
    QCOMPARE(codeNames(shop, "정비담당"), (QStringList {"이반장", "박기사"}));
    QVERIFY(codeNames(shop, "차종").isEmpty());
}

void TestCodes::namesAreCutToFifteen()
{
    TestShop shop;
    Codes c(shop);
    typeIntoCell(c.grid(), 1, 1, "가나다라마바사아자차카타파하거너더");
    QCOMPARE(codeNames(shop, "차종"), QStringList {"가나다라마바사아자차카타파하거"});
}

void TestCodes::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestCodes::deleteAsksFirst()
{
    QFETCH(bool, yes);
    TestShop shop;
    for (const char *name : {"쏘나타", "모닝", "레이"})
        addCode(shop, "차종", QString::fromUtf8(name));
    Codes c(shop);
    c.grid()->gotoCell(1, 2);
    c.grid()->setFocus();
    if (yes)
        shop.prompter().answerYes();
    else
        shop.prompter().answerNo();
    QTest::keyClick(c.grid()->view(), Qt::Key_F4);
    QCOMPARE(shop.prompter().texts(), QStringList {"현재 선택하신 자료를 삭제하시겠습니까?"});
    QCOMPARE(shop.prompter().titles(), QStringList {"자료 삭제"});
    QCOMPARE(shop.prompter().beeps(), 1);
    const QStringList expected
            = yes ? QStringList {"쏘나타", "레이"} : QStringList {"쏘나타", "모닝", "레이"};
    QCOMPARE(codeNames(shop, "차종"), expected);
    QCOMPARE(columnTexts(c.grid(), 1), expected);
    QVERIFY(c.grid()->hasFocus());
}

void TestCodes::deleteOnEmptyRowAsksNothing()
{
    TestShop shop;
    addCode(shop, "차종", "쏘나타");
    Codes c(shop);
    c.grid()->gotoCell(1, 2);
    c.grid()->setFocus();
    QTest::keyClick(c.grid()->view(), Qt::Key_F4);
    QVERIFY(shop.prompter().shown().isEmpty());
    QCOMPARE(codeNames(shop, "차종"), QStringList {"쏘나타"});
}

// Switching from 보험회사 to another window and back shows the vehicle types again.
void TestCodes::comingBackShowsVehicleTypes()
{
    TestShop shop;
    addCode(shop, "차종", "쏘나타");
    addCode(shop, "보험회사", "현대해상");
    QMdiArea area;
    area.resize(1200, 800);
    auto *codes = new FrmCodes(shop.context());
    QMdiSubWindow *sub = area.addSubWindow(codes);
    QMdiSubWindow *other = area.addSubWindow(new QWidget);
    area.show();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    sub->show();
    area.setActiveSubWindow(sub);
    QTest::mouseClick(codes->findChild<QPushButton *>("cmd_3"), Qt::LeftButton);
    QCOMPARE(columnTexts(codes->grid(), 1), QStringList {"현대해상"});
    // A question of the screen itself does not count as leaving it.
    shop.prompter().answerNo();
    codes->grid()->gotoCell(1, 1);
    codes->deleteActiveRow();
    QCOMPARE(codes->category(), QStringLiteral("보험회사"));

    other->show();
    area.setActiveSubWindow(other);
    area.setActiveSubWindow(sub);
    QCOMPARE(codes->category(), QStringLiteral("차종"));
    QCOMPARE(columnTexts(codes->grid(), 1), QStringList {"쏘나타"});
}

void TestCodes::pickListsCategoryByName_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("whole category by name")
            << "차종"
            << "" << QStringList {"그랜저", "모닝", "쏘나타", "쏘렌토"};
    QTest::newRow("beginning") << "차종"
                               << "쏘" << QStringList {"쏘나타", "쏘렌토"};
    QTest::newRow("other category") << "차량색상"
                                    << "" << QStringList {"흰색"};
    QTest::newRow("no such category") << "고객"
                                      << "" << QStringList {};
}

void TestCodes::pickListsCategoryByName()
{
    QFETCH(QString, category);
    QFETCH(QString, search);
    QFETCH(QStringList, expected);
    TestShop shop;
    for (const char *name : {"쏘나타", "모닝", "쏘렌토", "그랜저"})
        addCode(shop, "차종", QString::fromUtf8(name));
    addCode(shop, "차량색상", "흰색");
    shop.session().codeEntryText = "남은 값";
    Pick p(shop, category, search);
    QCOMPARE(p.window.objectName(), QStringLiteral("frm기타자료조회"));
    QCOMPARE(p.window.windowTitle(), QStringLiteral("기타참조(F2 = 신규 , F3 = 수정)"));
    QCOMPARE(p.grid()->text(1, 0), category);
    QCOMPARE(columnTexts(p.grid(), 1), expected);
    QCOMPARE(shop.session().codeEntryText, QString());
    if (!CodeStore::isCategory(category)) {
        // Nothing can be added to a list of no category.
        p.grid()->setFocus();
        QTest::keyClick(p.grid()->view(), Qt::Key_F2);
        QVERIFY(p.script.opened().isEmpty());
    }
}

void TestCodes::pickHandsBackTheName_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("row");
    QTest::addColumn<QVariant>("expected"); // invalid = no choice
    QTest::newRow("double click") << "double" << 2 << QVariant("이반장");
    QTest::newRow("enter") << "enter" << 1 << QVariant("김정비");
    QTest::newRow("empty row gives an empty name") << "double" << 4 << QVariant("");
    QTest::newRow("close") << "close" << 1 << QVariant();
}

void TestCodes::pickHandsBackTheName()
{
    QFETCH(QString, how);
    QFETCH(int, row);
    QFETCH(QVariant, expected);
    TestShop shop;
    addCode(shop, "정비담당", "이반장");
    addCode(shop, "정비담당", "김정비");
    Pick p(shop, "정비담당");
    if (how == "double") {
        doubleClickCell(p.grid(), 1, row);
    } else if (how == "enter") {
        p.grid()->gotoCell(1, row);
        QTest::keyClick(p.grid()->view(), Qt::Key_Return);
    } else {
        QTest::mouseClick(p.button("cmdexit"), Qt::LeftButton);
    }
    QVERIFY(!p.window.isVisible());
    QCOMPARE(bool(p.window.choice()), expected.isValid());
    if (expected.isValid())
        QCOMPARE(*p.window.choice(), expected.toString());
}

void TestCodes::newCodeThroughEntry_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("added");
    QTest::newRow("확인") << "cmdok"
                          << "K'5 100%" << true;
    QTest::newRow("확인 empty") << "cmdok"
                                << "" << false;
    QTest::newRow("닫기") << "cmdexit"
                          << "레이" << false;
}

void TestCodes::newCodeThroughEntry()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(bool, added);
    TestShop shop;
    addCode(shop, "차종", "쏘나타");
    addCode(shop, "차종", "모닝");
    Pick p(shop, "차종");
    p.script.then(enterCode(typed, button == "cmdok" ? "cmdok" : "cmdexit"));
    p.grid()->setFocus();
    QTest::keyClick(p.grid()->view(), Qt::Key_F2);
    QCOMPARE(p.script.opened(), QStringList {"frm참조"});
    QCOMPARE(p.script.captions(), QStringList {"차종 신규등록 하세요"});
    QCOMPARE(shop.session().codeEntryText, added ? typed : QString());
    if (!added) {
        QCOMPARE(codeNames(shop, "차종"), (QStringList {"쏘나타", "모닝"}));
        QCOMPARE(columnTexts(p.grid(), 1), (QStringList {"모닝", "쏘나타"}));
        return;
    }
    QCOMPARE(codeNames(shop, "차종"), (QStringList {"쏘나타", "모닝", typed}));
    // Below the list and active, with its id: it can be picked or changed at once.
    QCOMPARE(columnTexts(p.grid(), 1), (QStringList {"모닝", "쏘나타", typed}));
    QCOMPARE(p.grid()->activeRow(), 3);
    QVERIFY(!p.grid()->text(3, 3).isEmpty());
    QVERIFY(p.grid()->hasFocus());
    p.script.then(enterCode("QM6"));
    QTest::keyClick(p.grid()->view(), Qt::Key_F3);
    QCOMPARE(codeNames(shop, "차종"), (QStringList {"쏘나타", "모닝", "QM6"}));
}

void TestCodes::renameThroughEntry()
{
    TestShop shop;
    addCode(shop, "보험회사", "현대해상");
    addCode(shop, "보험회사", "삼성화재");
    Pick p(shop, "보험회사");
    QString shownText;
    p.script.then([&](QDialog &dialog) {
        shownText = dialog.findChild<QLineEdit *>("text1")->text();
        enterCode("DB손해보험")(dialog);
    });
    p.grid()->gotoCell(1, 2);
    QTest::mouseClick(p.button("cmde"), Qt::LeftButton);
    QCOMPARE(p.script.captions(), QStringList {"보험회사 수정 하세요"});
    QCOMPARE(shownText, QStringLiteral("현대해상"));
    QCOMPARE(codeNames(shop, "보험회사"), (QStringList {"DB손해보험", "삼성화재"}));
    QCOMPARE(p.grid()->text(1, 2), QStringLiteral("DB손해보험"));
}

void TestCodes::renameOnRowWithoutCodeOpensNothing()
{
    TestShop shop;
    addCode(shop, "보험회사", "현대해상");
    Pick p(shop, "보험회사");
    p.grid()->gotoCell(1, 2);
    p.grid()->setFocus();
    QTest::keyClick(p.grid()->view(), Qt::Key_F3);
    QVERIFY(p.script.opened().isEmpty());
}

QTEST_MAIN(TestCodes)
#include "tst_codes.moc"
