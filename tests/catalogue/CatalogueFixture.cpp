#include "CatalogueFixture.h"

#include "Cursor.h"
#include "Grid.h"
#include "TestShop.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

qint64 addPart(TestShop &shop, PartTable table, const QString &name, qint64 price, qint64 cost,
               const QString &spec, const QString &unit)
{
    Database &db = shop.base();
    if (!db.exec(QStringLiteral("insert into ") + PartStore::tableName(table)
                         + QStringLiteral(" (부품명, 규격, 단위, 판매단가, 매입단가) "
                                          "values (?, ?, ?, ?, ?)"),
                 {name, spec, unit, price, cost})) {
        qFatal("addPart: %s", qPrintable(db.lastError()));
    }
    return db.lastInsertId();
}

qint64 addCode(TestShop &shop, const QString &category, const QString &name)
{
    Database &db = shop.base();
    if (!db.exec(QStringLiteral("insert into 기타참조 (name, gubun) values (?, ?)"),
                 {name, category})) {
        qFatal("addCode: %s", qPrintable(db.lastError()));
    }
    return db.lastInsertId();
}

void addPostal(TestShop &shop, const QString &code, const QVariant &province,
               const QVariant &district, const QVariant &town, const QVariant &lots)
{
    Database &db = shop.stores().postal();
    if (!db.exec(QStringLiteral("insert into 우편번호 (우편번호, 시도, 구군, 동면, 번지) "
                                "values (?, ?, ?, ?, ?)"),
                 {code, province, district, town, lots})) {
        qFatal("addPostal: %s", qPrintable(db.lastError()));
    }
}

qint64 addCustomer(TestShop &shop, const QString &name, const QString &vehicle,
                   const QString &model, const QString &company, const QString &mobile)
{
    Database &db = shop.base();
    if (!db.exec(QStringLiteral("insert into 고객 (고객명, 차량번호, 차량명, 소속회사, 휴대폰) "
                                "values (?, ?, ?, ?, ?)"),
                 {name, vehicle, model, company, mobile})) {
        qFatal("addCustomer: %s", qPrintable(db.lastError()));
    }
    return db.lastInsertId();
}

namespace {
QStringList texts(Database &db, const QString &sql, const QVariantList &params)
{
    QStringList out;
    auto q = db.query(sql, params);
    while (q && q->next())
        out << q->value(0).toString();
    return out;
}
} // namespace

QStringList partNames(TestShop &shop, PartTable table)
{
    return texts(shop.base(),
                 QStringLiteral("select 부품명 from ") + PartStore::tableName(table)
                         + QStringLiteral(" order by 부품코드"),
                 {});
}

QStringList codeNames(TestShop &shop, const QString &category)
{
    return texts(shop.base(),
                 QStringLiteral("select name from 기타참조 where gubun = ? order by id"),
                 {category});
}

QStringList columnTexts(const Grid *grid, int col)
{
    QStringList out;
    for (int row = 1; row <= grid->dataRowCount(); ++row)
        out << grid->text(col, row);
    return out;
}

QPoint cellCentre(const Grid *grid, int col, int row)
{
    QTableView *view = grid->view();
    const QModelIndex index = view->model()->index(row - 1, col - 1);
    view->scrollTo(index);
    return view->visualRect(index).center();
}

void doubleClickCell(Grid *grid, int col, int row)
{
    const QPoint at = cellCentre(grid, col, row);
    QTest::mouseDClick(grid->view()->viewport(), Qt::LeftButton, {}, at);
}

QWidget *gridKeys(const Grid *grid)
{
    QTableView *view = grid->view();
    if (QWidget *editor = view->indexWidget(view->currentIndex()))
        return editor;
    return view;
}

void typeIntoCell(Grid *grid, int col, int row, const QString &text)
{
    grid->gotoCell(col, row);
    grid->setFocus();
    typeText(grid->view(), text);
    QTest::keyClick(gridKeys(grid), Qt::Key_Return);
}

DialogRunner DialogScript::runner()
{
    return [this](QDialog &dialog) {
        m_opened << dialog.objectName();
        m_captions << dialog.windowTitle();
        dialog.show();
        // As exec() would: the window opened over its opener takes the keyboard.
        dialog.activateWindow();
        if (!QTest::qWaitFor([&] { return dialog.isActiveWindow(); }))
            qWarning("%s did not become active", qPrintable(dialog.objectName()));
        if (!m_steps.isEmpty())
            m_steps.takeFirst()(dialog);
        if (dialog.isVisible())
            dialog.reject();
        // Back to the opener, as when a modal window closes.
        if (QWidget *opener = dialog.parentWidget()) {
            opener->window()->activateWindow();
            if (!QTest::qWaitFor([&] { return opener->window()->isActiveWindow(); }))
                qWarning("the opener of %s did not become active again",
                         qPrintable(dialog.objectName()));
        }
        return dialog.result();
    };
}
