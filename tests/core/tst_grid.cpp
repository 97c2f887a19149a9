#include "Cursor.h"
#include "Database.h"
#include "Grid.h"
#include "GridStyle.h"
#include "ScriptedPrompter.h"
#include "TestShop.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {
// A window with one grid (and a button to take the focus away), shown and active.
struct GridWindow
{
    explicit GridWindow(int cols = 5, int rows = 20)
    {
        auto *layout = new QVBoxLayout(&window);
        grid = new Grid(&window, QStringLiteral("vs1"), cols, rows);
        button = new QPushButton(QStringLiteral("확인"), &window);
        layout->addWidget(grid->view());
        layout->addWidget(button);
        window.resize(640, 480);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
        grid->setFocus();
        QApplication::processEvents();
    }

    QTableView *view() const { return grid->view(); }
    QLineEdit *editor() const
    {
        return qobject_cast<QLineEdit *>(view()->indexWidget(view()->currentIndex()));
    }
    // Where keys go: the open editor, else the view.
    QWidget *keys() const
    {
        QWidget *e = editor();
        return e ? e : view();
    }
    QPoint centre(int col, int row) const
    {
        return view()->visualRect(view()->model()->index(row - 1, col - 1)).center();
    }

    QWidget window;
    Grid *grid = nullptr;
    QPushButton *button = nullptr;
    bool active = false;
};

// Writes every event of a grid as one line, to check order and arguments.
QStringList *record(Grid *grid)
{
    auto *log = new QStringList;
    QObject::connect(grid, &QObject::destroyed, [log] { delete log; });
    QObject::connect(grid, &Grid::editStarted, grid,
                     [log](int c, int r) { *log << QStringLiteral("start %1,%2").arg(c).arg(r); });
    QObject::connect(grid, &Grid::editEnded, grid, [log](int c, int r, bool changed) {
        *log << QStringLiteral("end %1,%2 %3").arg(c).arg(r).arg(changed ? "changed" : "same");
    });
    QObject::connect(grid, &Grid::leaveCell, grid, [log](int c, int r, int nc, int nr, bool *) {
        *log << QStringLiteral("leave %1,%2 -> %3,%4").arg(c).arg(r).arg(nc).arg(nr);
    });
    QObject::connect(grid, &Grid::cellEntered, grid,
                     [log](int c, int r) { *log << QStringLiteral("enter %1,%2").arg(c).arg(r); });
    QObject::connect(grid, &Grid::cellClicked, grid,
                     [log](int c, int r) { *log << QStringLiteral("click %1,%2").arg(c).arg(r); });
    QObject::connect(grid, &Grid::checkClicked, grid,
                     [log](int c, int r) { *log << QStringLiteral("check %1,%2").arg(c).arg(r); });
    QObject::connect(grid, &Grid::doubleClicked, grid,
                     [log](int c, int r) { *log << QStringLiteral("double %1,%2").arg(c).arg(r); });
    return log;
}

QList<QStringList> numberedRows(int n, int cols)
{
    QList<QStringList> rows;
    for (int r = 1; r <= n; ++r) {
        QStringList row;
        for (int c = 1; c <= cols; ++c)
            row << QStringLiteral("r%1c%2").arg(r).arg(c);
        rows << row;
    }
    return rows;
}
} // namespace

class TestGrid : public QObject
{
    Q_OBJECT
private slots:
    void emptyCellsReadEmptyText();
    void gotoCellClamps_data();
    void gotoCellClamps();
    void deleteRowMovesRowsUp();
    void blocksLatestSettingWins();
    void typingStartsEditAndEnterStores_data();
    void typingStartsEditAndEnterStores();
    void escapeDropsTheTypedText();
    void hangulInputMethodEdits();
    void lockedCellsOpenNoEditor();
    void editEndCanRestoreTheOldText();
    void handlerPlacementWinsOverTheMove();
    void clickWhileEditingEndsEditThenLeaves();
    void leaveCellCancelKeepsTheCursor();
    void editModeFromLeaveCell();
    void enterIsCaught_data();
    void enterIsCaught();
    void functionKeyWhileEditingSeesTypedText();
    void consumedKeyDoesNothingElse();
    void gridKeysComeBeforeWindowShortcuts();
    void hiddenColumnsAreSkippedAndKept();
    void checkBoxCells();
    void doubleClickPicksAndEdits();
    void numberCells_data();
    void numberCells();
    void textLengthLimit();
    void bindsResultColumnsByName();
    void gotFocusOnlyFromOutside();
    void focusToAnotherControlStoresTheEdit();
    void lookFollowsGridStyle();
};

void TestGrid::emptyCellsReadEmptyText()
{
    Grid grid(nullptr, QStringLiteral("vs"), 4, 10);
    const QString never = grid.text(2, 3);
    QCOMPARE(never, QString());
    QVERIFY(!never.isNull());
    QVERIFY(!grid.text(99, 99).isNull()); // beyond the grid
    QVERIFY(!grid.text(0, 1).isNull());
    QVERIFY(!grid.text(1, 0).isNull()); // header never set

    grid.setText(2, 3, QStringLiteral("값"));
    grid.clear(1, 1, 4, 10);
    QVERIFY(!grid.text(2, 3).isNull());
    QCOMPARE(grid.text(2, 3), QString());
    QCOMPARE(grid.dataRowCount(), 0);

    grid.setText(4, 7, QStringLiteral("x"));
    QCOMPARE(grid.dataRowCount(), 7);
    grid.setRows({{QStringLiteral("a")}});
    QCOMPARE(grid.dataRowCount(), 1);
    QVERIFY(!grid.text(3, 1).isNull());
    QVERIFY(!grid.activeText().isNull());
}

void TestGrid::gotoCellClamps_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expectedCol");
    QTest::addColumn<int>("expectedRow");
    QTest::newRow("inside") << 3 << 4 << 3 << 4;
    QTest::newRow("beyond the last column") << 9 << 4 << 5 << 4;
    QTest::newRow("beyond the last row") << 2 << 1001 << 2 << 1000;
    QTest::newRow("beyond both") << 50 << 5000 << 5 << 1000;
    QTest::newRow("zero") << 0 << 0 << 1 << 1;
    QTest::newRow("negative") << -1 << -1 << 1 << 1;
}

void TestGrid::gotoCellClamps()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, expectedCol);
    QFETCH(int, expectedRow);
    Grid grid(nullptr, QStringLiteral("vs"), 5, 1000);
    grid.gotoCell(2, 2);
    QVERIFY(grid.gotoCell(col, row));
    QCOMPARE(grid.activeCol(), expectedCol);
    QCOMPARE(grid.activeRow(), expectedRow);
}

void TestGrid::deleteRowMovesRowsUp()
{
    Grid grid(nullptr, QStringLiteral("vs"), 3, 6);
    grid.setRows(numberedRows(5, 3));
    grid.setBackColor(1, 4, 3, 4, GridStyle::green());
    grid.lock(2, 5, 2, 5);
    grid.setBorder(3, 3, 3, 3, true);

    grid.gotoCell(2, 2);
    grid.deleteRow(); // the active row
    QCOMPARE(grid.maxRows(), 6);
    QCOMPARE(grid.activeRow(), 2);
    QCOMPARE(grid.activeCol(), 2);
    QCOMPARE(grid.text(1, 1), QStringLiteral("r1c1"));
    for (int r = 2; r <= 4; ++r) {
        for (int c = 1; c <= 3; ++c)
            QCOMPARE(grid.text(c, r), QStringLiteral("r%1c%2").arg(r + 1).arg(c));
    }
    QCOMPARE(grid.text(1, 5), QString());
    QCOMPARE(grid.text(1, 6), QString());
    QCOMPARE(grid.dataRowCount(), 4);
    // The markings travel with their rows.
    QCOMPARE(grid.backColor(1, 3), GridStyle::green());
    QCOMPARE(grid.backColor(1, 4), QColor(Qt::white));
    QVERIFY(grid.isLocked(2, 4));
    QVERIFY(!grid.isLocked(2, 5));
    QVERIFY(grid.hasBorder(3, 2));
    QVERIFY(!grid.hasBorder(3, 3));

    grid.deleteRow(6); // the last row: only it becomes empty
    QCOMPARE(grid.text(1, 4), QStringLiteral("r5c1"));
}

void TestGrid::blocksLatestSettingWins()
{
    Grid grid(nullptr, QStringLiteral("vs"), 10, 1000);
    // A whole column, then a single cell, then a block across it.
    grid.lock(5, -1, 5, -1);
    QVERIFY(grid.isLocked(5, 1));
    QVERIFY(grid.isLocked(5, 1000));
    QVERIFY(!grid.isLocked(4, 1));
    grid.unlock(5, 7, 5, 7);
    QVERIFY(!grid.isLocked(5, 7));
    QVERIFY(grid.isLocked(5, 8));
    grid.lock(1, 1, 9, 1000); // corners given in any order work too
    QVERIFY(grid.isLocked(5, 7));
    grid.unlock(-1, -1, -1, -1);
    QVERIFY(!grid.isLocked(5, 8));

    // Colours: white clears a marking, also one given to the whole column.
    grid.setBackColor(1, -1, 1, -1, GridStyle::yellow());
    grid.setBackColor(1, 10, 10, 1, GridStyle::red());
    QCOMPARE(grid.backColor(1, 5), GridStyle::red());
    QCOMPARE(grid.backColor(1, 11), GridStyle::yellow());
    grid.setBackColor(1, 1, 10, 1000, Qt::white);
    QCOMPARE(grid.backColor(1, 5), QColor(Qt::white));
    QCOMPARE(grid.backColor(1, 11), QColor(Qt::white));

    // A whole-column setting covers rows added later.
    grid.setBorder(2, -1, 2, -1, true);
    grid.setMaxRows(1200);
    QVERIFY(grid.hasBorder(2, 1200));
    grid.setBorder(-1, 1200, -1, 1200, false);
    QVERIFY(!grid.hasBorder(2, 1200));
    QVERIFY(grid.hasBorder(2, 1199));

    grid.setRows(numberedRows(20, 10));
    grid.clear(2, 3, 3, 4);
    QCOMPARE(grid.text(2, 3), QString());
    QCOMPARE(grid.text(3, 4), QString());
    QCOMPARE(grid.text(1, 3), QStringLiteral("r3c1"));
    QCOMPARE(grid.text(4, 4), QStringLiteral("r4c4"));
    grid.clear(-1, 5, -1, 5);
    QCOMPARE(grid.text(10, 5), QString());
    QCOMPARE(grid.text(10, 6), QStringLiteral("r6c10"));

    // A row written at once; what lies beyond the last column is left out.
    grid.setRowText(5, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 9);
    QCOMPARE(grid.text(8, 5), QString());
    QCOMPARE(grid.text(9, 5), QStringLiteral("a"));
    QCOMPARE(grid.text(10, 5), QStringLiteral("b"));
    QCOMPARE(grid.dataRowCount(), 20);
}

void TestGrid::typingStartsEditAndEnterStores_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("changed");
    QTest::newRow("empty cell") << ""
                                << "abc" << true;
    QTest::newRow("typing replaces the old text") << "old"
                                                  << "new" << true;
    QTest::newRow("same text again") << "abc"
                                     << "abc" << false;
    QTest::newRow("hangul keys") << ""
                                 << "엔진오일" << true;
}

void TestGrid::typingStartsEditAndEnterStores()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(bool, changed);
    GridWindow w;
    QVERIFY(w.active);
    QStringList *log = record(w.grid);
    w.grid->setText(2, 3, before);
    w.grid->gotoCell(2, 3);
    log->clear();
    QString startText = QStringLiteral("?");
    connect(w.grid, &Grid::editStarted, w.grid,
            [&](int c, int r) { startText = w.grid->text(c, r); });
    int changes = 0;
    connect(w.grid, &Grid::textChanged, w.grid, [&](int c, int r) {
        QCOMPARE(QPoint(c, r), QPoint(2, 3));
        ++changes;
    });

    typeText(w.view(), typed);
    QCOMPARE(changes, typed.size()); // once a key, and not for the texts code writes
    QVERIFY(w.grid->editMode());
    QCOMPARE(startText, before); // the handler saw the old text
    QCOMPARE(w.grid->text(2, 3), typed);
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QVERIFY(!w.grid->editMode());
    QCOMPARE(w.grid->text(2, 3), typed);
    QCOMPARE(*log,
             QStringList({QStringLiteral("start 2,3"),
                          QStringLiteral("end 2,3 %1").arg(changed ? "changed" : "same")}));
    QCOMPARE(w.grid->activeRow(), 3); // Enter alone does not move
}

void TestGrid::escapeDropsTheTypedText()
{
    GridWindow w;
    QStringList *log = record(w.grid);
    w.grid->setText(1, 1, QStringLiteral("keep"));
    QTest::keyClicks(w.view(), QStringLiteral("zz"));
    QTest::keyClick(w.keys(), Qt::Key_Escape);
    QVERIFY(!w.grid->editMode());
    QCOMPARE(w.grid->text(1, 1), QStringLiteral("keep"));
    QCOMPARE(log->last(), QStringLiteral("end 1,1 same"));

    // F2 edits the text in place, the cursor after it.
    QTest::keyClick(w.view(), Qt::Key_F2);
    QVERIFY(w.grid->editMode());
    QTest::keyClicks(w.keys(), QStringLiteral("er"));
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QCOMPARE(w.grid->text(1, 1), QStringLiteral("keeper"));
}

void TestGrid::hangulInputMethodEdits()
{
    GridWindow w;
    QVERIFY(w.active);
    QStringList *log = record(w.grid);
    w.grid->setText(2, 1, QStringLiteral("이전"));
    w.grid->gotoCell(2, 1);
    log->clear();
    QVERIFY(w.view()->testAttribute(Qt::WA_InputMethodEnabled));

    // What a Korean input method sends for "정비": the syllable being composed, then the
    // finished one together with the start of the next, then the last one.
    auto send = [&](const QString &commit, const QString &preedit) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    };
    send(QString(), QStringLiteral("ㅈ"));
    QVERIFY(w.grid->editMode());
    QCOMPARE(*log, QStringList {QStringLiteral("start 2,1")});
    send(QString(), QStringLiteral("정"));
    send(QStringLiteral("정"), QStringLiteral("ㅂ"));
    // No focus change while a syllable is being composed: it would cut the syllable.
    QCOMPARE(QApplication::focusWidget(), w.view());
    QCOMPARE(w.grid->text(2, 1), QStringLiteral("정"));
    send(QStringLiteral("비"), QString());
    QCOMPARE(QApplication::focusWidget(), w.editor());
    QCOMPARE(w.grid->text(2, 1), QStringLiteral("정비"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w.grid->text(2, 1), QStringLiteral("정비"));
    QCOMPARE(log->last(), QStringLiteral("end 2,1 changed"));
    QCOMPARE(QApplication::focusWidget(), w.view());

    // A syllable committed at once on a cell that is not being edited; Enter while the
    // editor still takes its input through the view.
    send(QStringLiteral("한"), QStringLiteral("ㄱ"));
    QTest::keyClick(w.view(), Qt::Key_Return);
    QCOMPARE(w.grid->text(2, 1), QStringLiteral("한"));
    QVERIFY(!w.grid->editMode());
}

void TestGrid::lockedCellsOpenNoEditor()
{
    GridWindow w;
    QStringList *log = record(w.grid);
    w.grid->setText(3, 2, QStringLiteral("5,000"));
    w.grid->lock(3, -1, 3, -1);
    w.grid->gotoCell(3, 2);
    log->clear();
    QTest::keyClicks(w.view(), QStringLiteral("12"));
    QTest::keyClick(w.view(), Qt::Key_F2);
    w.grid->setEditMode(true);
    QTest::mouseDClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(3, 2));
    QVERIFY(!w.grid->editMode());
    QCOMPARE(w.grid->text(3, 2), QStringLiteral("5,000"));
    QVERIFY(!log->join(' ').contains(QStringLiteral("start")));
    // The cursor may rest on a locked cell, and code may still write it.
    QCOMPARE(w.grid->activeCol(), 3);
    w.grid->setText(3, 2, QStringLiteral("7"));
    QCOMPARE(w.grid->text(3, 2), QStringLiteral("7"));

    w.grid->unlock(3, 2, 3, 2);
    QTest::keyClicks(w.view(), QStringLiteral("12"));
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QCOMPARE(w.grid->text(3, 2), QStringLiteral("12"));
}

void TestGrid::editEndCanRestoreTheOldText()
{
    // As the ledger does: a changed non-empty cell asks, and No puts the old text back.
    GridWindow w;
    ScriptedPrompter prompter;
    QString startValue;
    connect(w.grid, &Grid::editStarted, w.grid,
            [&](int c, int r) { startValue = w.grid->text(c, r); });
    connect(w.grid, &Grid::editEnded, w.grid, [&](int c, int r, bool changed) {
        if (!changed || startValue.isEmpty())
            return;
        if (!prompter.question(QStringLiteral("자료를 수정할까요?"), QStringLiteral("자료수정"),
                               true)) {
            w.grid->setText(c, r, startValue);
        }
        w.grid->gotoCell(c + 1, r);
    });
    w.grid->setText(2, 4, QStringLiteral("브레이크패드"));
    w.grid->gotoCell(2, 4);

    prompter.answerNo();
    typeText(w.view(), QStringLiteral("와이퍼"));
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QCOMPARE(prompter.texts(), QStringList {QStringLiteral("자료를 수정할까요?")});
    QCOMPARE(w.grid->text(2, 4), QStringLiteral("브레이크패드"));
    QCOMPARE(w.grid->activeCol(), 3);

    w.grid->gotoCell(2, 4);
    prompter.answerYes();
    typeText(w.view(), QStringLiteral("와이퍼"));
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QCOMPARE(w.grid->text(2, 4), QStringLiteral("와이퍼"));
    QCOMPARE(prompter.texts().size(), 2);
}

void TestGrid::handlerPlacementWinsOverTheMove()
{
    GridWindow w;
    QStringList *log = record(w.grid);
    connect(w.grid, &Grid::editEnded, w.grid, [&](int c, int r, bool changed) {
        if (c == 2 && changed)
            w.grid->gotoCell(3, r);
    });
    w.grid->gotoCell(2, 5);
    log->clear();
    QTest::keyClicks(w.view(), QStringLiteral("x"));
    QTest::keyClick(w.keys(), Qt::Key_Down); // the user's move is to (2, 6)
    QCOMPARE(w.grid->activeCol(), 3);
    QCOMPARE(w.grid->activeRow(), 5);
    QCOMPARE(w.grid->text(2, 5), QStringLiteral("x"));
    QCOMPARE(*log,
             QStringList({QStringLiteral("start 2,5"), QStringLiteral("end 2,5 changed"),
                          QStringLiteral("leave 2,5 -> 3,5"), QStringLiteral("enter 3,5")}));

    // A handler that refuses the value and goes back to editing keeps the cursor there.
    connect(w.grid, &Grid::editEnded, w.grid, [&](int c, int r, bool) {
        if (c == 3 && w.grid->text(c, r) == QStringLiteral("bad"))
            w.grid->setEditMode(true);
    });
    QTest::keyClicks(w.view(), QStringLiteral("bad"));
    QTest::keyClick(w.keys(), Qt::Key_Down);
    QCOMPARE(w.grid->activeRow(), 5);
    QVERIFY(w.grid->editMode());
    QCOMPARE(w.editor()->text(), QStringLiteral("bad"));
    w.editor()->clear();
    QTest::keyClicks(w.keys(), QStringLiteral("ok"));
    QTest::keyClick(w.keys(), Qt::Key_Down);
    QCOMPARE(w.grid->text(3, 5), QStringLiteral("ok"));
    QCOMPARE(w.grid->activeRow(), 6);
}

void TestGrid::clickWhileEditingEndsEditThenLeaves()
{
    GridWindow w;
    QStringList *log = record(w.grid);
    w.grid->gotoCell(2, 1);
    log->clear();
    QTest::keyClicks(w.view(), QStringLiteral("ab"));
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(4, 3));
    QCOMPARE(w.grid->text(2, 1), QStringLiteral("ab"));
    QCOMPARE(*log,
             QStringList({QStringLiteral("start 2,1"), QStringLiteral("end 2,1 changed"),
                          QStringLiteral("leave 2,1 -> 4,3"), QStringLiteral("enter 4,3"),
                          QStringLiteral("click 4,3")}));
    QCOMPARE(w.grid->activeCol(), 4);
    QCOMPARE(w.grid->activeRow(), 3);
    QVERIFY(!w.grid->editMode());
}

void TestGrid::leaveCellCancelKeepsTheCursor()
{
    GridWindow w;
    QList<QList<int>> leaves;
    connect(w.grid, &Grid::leaveCell, w.grid, [&](int c, int r, int nc, int nr, bool *cancel) {
        leaves << QList<int> {c, r, nc, nr};
        *cancel = c == 2 && w.grid->text(2, r).isEmpty();
    });
    w.grid->gotoCell(2, 3);
    leaves.clear();
    QTest::keyClick(w.view(), Qt::Key_Right);
    QCOMPARE(leaves, QList<QList<int>> {QList<int>({2, 3, 3, 3})});
    QCOMPARE(w.grid->activeCol(), 2);
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(5, 8));
    QCOMPARE(w.grid->activeCol(), 2);
    QCOMPARE(w.grid->activeRow(), 3);
    QVERIFY(!w.grid->gotoCell(1, 1));
    QCOMPARE(w.view()->selectionModel()->selectedIndexes(),
             QModelIndexList {w.view()->model()->index(2, 1)});

    typeText(w.view(), QStringLiteral("값"));
    QTest::keyClick(w.keys(), Qt::Key_Down);
    QCOMPARE(w.grid->activeCol(), 2);
    QCOMPARE(w.grid->activeRow(), 4);
    QCOMPARE(w.grid->text(2, 3), QStringLiteral("값"));
}

void TestGrid::editModeFromLeaveCell()
{
    GridWindow w;
    bool refuse = false;
    connect(w.grid, &Grid::leaveCell, w.grid, [&](int, int, int, int, bool *cancel) {
        *cancel = refuse;
        w.grid->setEditMode(true);
    });
    w.grid->gotoCell(1, 1);
    QTest::keyClick(w.view(), Qt::Key_Down);
    QCOMPARE(w.grid->activeRow(), 2);
    QVERIFY(w.grid->editMode());
    QCOMPARE(w.view()->currentIndex(), w.view()->model()->index(1, 0));
    QVERIFY(w.editor());

    // Refused: editing goes on in the cell the cursor stayed on.
    refuse = true;
    QTest::keyClick(w.keys(), Qt::Key_Down);
    QCOMPARE(w.grid->activeRow(), 2);
    QVERIFY(w.grid->editMode());
}

void TestGrid::enterIsCaught_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("keypadEnter");
    QTest::newRow("editor open") << true << false;
    QTest::newRow("no editor") << false << false;
    QTest::newRow("keypad, editor open") << true << true;
}

void TestGrid::enterIsCaught()
{
    QFETCH(bool, editing);
    QFETCH(bool, keypadEnter);
    // As the ledger: Enter in column 2 goes to column 3 when the line has a text.
    GridWindow w;
    QStringList *log = record(w.grid);
    QList<int> keys;
    connect(w.grid, &Grid::keyDown, w.grid, [&](int key, Qt::KeyboardModifiers, bool *) {
        keys << key;
        if (key == Qt::Key_Return && w.grid->activeCol() == 2
            && !w.grid->text(2, w.grid->activeRow()).isEmpty()) {
            w.grid->gotoCell(3, w.grid->activeRow());
        }
    });
    w.grid->gotoCell(2, 2);
    if (editing)
        QTest::keyClicks(w.view(), QStringLiteral("oil"));
    else
        w.grid->setText(2, 2, QStringLiteral("oil"));
    log->clear();
    keys.clear();
    QTest::keyClick(w.keys(), keypadEnter ? Qt::Key_Enter : Qt::Key_Return,
                    keypadEnter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(keys, QList<int> {Qt::Key_Return});
    QCOMPARE(w.grid->activeCol(), 3);
    QCOMPARE(w.grid->activeRow(), 2);
    QVERIFY(!w.grid->editMode());
    QCOMPARE(w.grid->text(2, 2), QStringLiteral("oil"));
    QStringList expected;
    if (editing)
        expected << QStringLiteral("end 2,2 changed");
    expected << QStringLiteral("leave 2,2 -> 3,2") << QStringLiteral("enter 3,2");
    QCOMPARE(*log, expected);
}

void TestGrid::functionKeyWhileEditingSeesTypedText()
{
    // The ledger's F1: the typed prefix is looked up and the full name written back.
    GridWindow w;
    QStringList *log = record(w.grid);
    QString prefix;
    connect(w.grid, &Grid::keyDown, w.grid, [&](int key, Qt::KeyboardModifiers, bool *consumed) {
        if (key != Qt::Key_F1)
            return;
        const int row = w.grid->activeRow();
        prefix = w.grid->text(2, row);
        w.grid->setText(2, row, prefix + QStringLiteral(" 교환"));
        w.grid->setText(3, row, QStringLiteral("30000"));
        *consumed = true;
    });
    w.grid->gotoCell(2, 1);
    typeText(w.view(), QStringLiteral("엔진오일"));
    QTest::keyClick(w.keys(), Qt::Key_F1);
    QCOMPARE(prefix, QStringLiteral("엔진오일"));
    QVERIFY(w.grid->editMode());
    QCOMPARE(w.editor()->text(), QStringLiteral("엔진오일 교환"));
    QCOMPARE(w.grid->text(3, 1), QStringLiteral("30000"));
    w.grid->gotoCell(3, 1);
    QCOMPARE(w.grid->text(2, 1), QStringLiteral("엔진오일 교환"));
    QVERIFY(log->contains(QStringLiteral("end 2,1 changed")));
}

void TestGrid::consumedKeyDoesNothingElse()
{
    GridWindow w;
    connect(w.grid, &Grid::keyDown, w.grid,
            [](int, Qt::KeyboardModifiers, bool *consumed) { *consumed = true; });
    int typed = 0;
    connect(w.grid, &Grid::keyPress, w.grid, [&](QChar, bool *) { ++typed; });
    QTest::keyClick(w.view(), Qt::Key_Down);
    QTest::keyClicks(w.view(), QStringLiteral("ab"));
    QCOMPARE(w.grid->activeRow(), 1);
    QVERIFY(!w.grid->editMode());
    QCOMPARE(typed, 0);
    QCOMPARE(w.grid->text(1, 1), QString());
}

void TestGrid::gridKeysComeBeforeWindowShortcuts()
{
    GridWindow w;
    int f4Shortcut = 0;
    int f5Shortcut = 0;
    auto *f4 = new QAction(&w.window);
    f4->setShortcut(Qt::Key_F4);
    w.window.addAction(f4);
    connect(f4, &QAction::triggered, f4, [&] { ++f4Shortcut; });
    auto *f5 = new QAction(&w.window);
    f5->setShortcut(Qt::Key_F5);
    w.window.addAction(f5);
    connect(f5, &QAction::triggered, f5, [&] { ++f5Shortcut; });
    QList<int> keys;
    connect(w.grid, &Grid::keyDown, w.grid,
            [&](int key, Qt::KeyboardModifiers, bool *) { keys << key; });

    QTest::keyClick(w.view(), Qt::Key_F4);
    QTest::keyClicks(w.view(), QStringLiteral("x"));
    QTest::keyClick(w.keys(), Qt::Key_F4); // also while editing
    QTest::keyClick(w.keys(), Qt::Key_F5);
    QCOMPARE(f4Shortcut, 0);
    QCOMPARE(f5Shortcut, 1);
    QCOMPARE(keys, QList<int>({Qt::Key_F4, Qt::Key_X, Qt::Key_F4}));
}

void TestGrid::hiddenColumnsAreSkippedAndKept()
{
    GridWindow w(6, 10);
    w.grid->setColumnHidden(3);
    w.grid->setColumnHidden(4);
    w.grid->setColumnWidth(-1, 8);
    QVERIFY(w.grid->isColumnHidden(3));
    QVERIFY(!w.grid->isColumnHidden(2));
    w.grid->gotoCell(2, 1);
    QTest::keyClick(w.view(), Qt::Key_Right);
    QCOMPARE(w.grid->activeCol(), 5);

    // Hidden cells keep their text and are filled like the others.
    w.grid->setText(4, 2, QStringLiteral("1234"));
    QCOMPARE(w.grid->text(4, 2), QStringLiteral("1234"));
    w.grid->setRows(numberedRows(30, 6));
    QVERIFY(w.grid->isColumnHidden(3));
    QVERIFY(w.grid->isColumnHidden(4));
    QCOMPARE(w.grid->text(4, 30), QStringLiteral("r30c4"));
    QCOMPARE(w.grid->maxRows(), 30);
    QCOMPARE(w.grid->activeCol(), 5);
    QCOMPARE(w.grid->activeRow(), 1);
}

void TestGrid::checkBoxCells()
{
    GridWindow w;
    QStringList *log = record(w.grid);
    QList<QList<int>> changes;
    connect(w.grid, &Grid::textChanged, w.grid, [&](int c, int r) {
        changes << QList<int> {c, r};
    });
    w.grid->setColumnType(3, GridCellType::Check);
    log->clear();
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(3, 2));
    QCOMPARE(w.grid->text(3, 2), QStringLiteral("1"));
    QCOMPARE(*log,
             QStringList({QStringLiteral("leave 1,1 -> 3,2"), QStringLiteral("enter 3,2"),
                          QStringLiteral("click 3,2"), QStringLiteral("check 3,2")}));
    QCOMPARE(changes, QList<QList<int>> {QList<int>({3, 2})});
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(3, 2));
    QCOMPARE(w.grid->text(3, 2), QStringLiteral("0"));
    QTest::keyClick(w.view(), Qt::Key_Space);
    QCOMPARE(w.grid->text(3, 2), QStringLiteral("1"));
    QVERIFY(!w.grid->editMode());
    QTest::keyClicks(w.view(), QStringLiteral("x")); // no editor on a check box
    QVERIFY(!w.grid->editMode());

    w.grid->lock(3, 2, 3, 2);
    log->clear();
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(3, 2));
    QCOMPARE(w.grid->text(3, 2), QStringLiteral("1"));
    QVERIFY(!log->contains(QStringLiteral("check 3,2")));
}

void TestGrid::doubleClickPicksAndEdits()
{
    GridWindow w;
    QStringList *log = record(w.grid);
    w.grid->setText(1, 4, QStringLiteral("타이어"));
    log->clear();
    QTest::mouseDClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(1, 4));
    QVERIFY(log->contains(QStringLiteral("double 1,4")));
    QCOMPARE(w.grid->activeRow(), 4);
    QVERIFY(w.grid->editMode());
    QCOMPARE(w.editor()->text(), QStringLiteral("타이어"));
    QCOMPARE(w.editor()->cursorPosition(), 3);
}

void TestGrid::numberCells_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "30000"
                           << "30000"
                           << "30,000";
    QTest::newRow("with separators") << "1,234,567"
                                     << "1234567"
                                     << "1,234,567";
    QTest::newRow("negative") << "-5000"
                              << "-5000"
                              << "-5,000";
    QTest::newRow("letters are refused") << "12ab3"
                                         << "123"
                                         << "123";
    QTest::newRow("fifteen digits are cut to fourteen") << "123456789012345"
                                                        << "12345678901234"
                                                        << "12,345,678,901,234";
    QTest::newRow("leading zeros") << "007"
                                   << "7"
                                   << "7";
    QTest::newRow("only a sign") << "-"
                                 << ""
                                 << "";
}

void TestGrid::numberCells()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    GridWindow w;
    w.grid->setNumberColumn(3);
    w.grid->gotoCell(3, 1);
    QTest::keyClicks(w.view(), typed);
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QCOMPARE(w.grid->text(3, 1), stored);
    const QModelIndex index = w.view()->model()->index(0, 2);
    QCOMPARE(index.data(Qt::DisplayRole).toString(), shown);
    QCOMPARE(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QCOMPARE(w.grid->value(3, 1), stored.isEmpty() ? 0.0 : stored.toDouble());
}

void TestGrid::textLengthLimit()
{
    GridWindow w;
    w.grid->setColumnMaxLength(1, 10);
    typeText(w.view(), QStringLiteral("2005.03.07x"));
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QCOMPARE(w.grid->text(1, 1), QStringLiteral("2005.03.07"));
    // Code is not limited: what the program writes is kept whole.
    w.grid->setText(1, 2, QStringLiteral("12345678901234"));
    QCOMPARE(w.grid->text(1, 2).size(), 14);
}

void TestGrid::bindsResultColumnsByName()
{
    QTemporaryDir dir;
    Database db(QStringLiteral("tst_grid_bind"));
    QVERIFY(db.openFile(dir.filePath(QStringLiteral("bind.db")), true));
    QVERIFY(db.exec(
            QStringLiteral("create table 정비부품 (부품코드 integer primary key, 부품명 text, "
                           "규격 text, 판매단가 integer)")));
    for (int i = 1; i <= 7; ++i) {
        QVERIFY(db.exec(
                QStringLiteral("insert into 정비부품 (부품명, 규격, 판매단가) values (?, ?, ?)"),
                {QStringLiteral("부품%1").arg(i), i == 2 ? QVariant() : QVariant("1L"), i * 1000}));
    }
    auto query = db.query(QStringLiteral("select * from 정비부품 order by 부품코드"));
    QVERIFY(query);
    const Cursor cursor = Cursor::fromQuery(*query);

    Grid grid(nullptr, QStringLiteral("vs2"), 5, 5);
    grid.setDataFields({QStringLiteral("부품명"), QStringLiteral("규격"), QString(),
                        QStringLiteral("판매단가"), QStringLiteral("부품코드")});
    grid.setText(3, 1, QStringLiteral("old"));
    grid.bind(cursor);
    QCOMPARE(grid.maxRows(), 7); // grown to hold every record
    QCOMPARE(grid.dataRowCount(), 7);
    QCOMPARE(grid.text(1, 1), QStringLiteral("부품1"));
    QCOMPARE(grid.text(2, 2), QString()); // Null
    QVERIFY(!grid.text(2, 2).isNull());
    QCOMPARE(grid.text(3, 1), QString()); // not bound: emptied
    QCOMPARE(grid.text(4, 7), QStringLiteral("7000"));
    QCOMPARE(grid.text(5, 7), QStringLiteral("7"));

    // Unnamed binding takes the result's columns in order.
    grid.setDataFields({});
    grid.bind(cursor);
    QCOMPARE(grid.text(1, 3), QStringLiteral("3"));
    QCOMPARE(grid.text(2, 3), QStringLiteral("부품3"));
}

void TestGrid::gotFocusOnlyFromOutside()
{
    GridWindow w;
    int got = 0;
    connect(w.grid, &Grid::gotFocus, w.grid, [&] { ++got; });
    w.button->setFocus();
    QVERIFY(!w.grid->hasFocus());
    w.grid->setFocus();
    QCOMPARE(got, 1);
    QVERIFY(!w.view()->inputMethodHints().testFlag(Qt::ImhPreferLatin));
    QTest::keyClicks(w.view(), QStringLiteral("a")); // into the editor and back
    QTest::keyClick(w.keys(), Qt::Key_Return);
    QVERIFY(w.grid->hasFocus());
    QCOMPARE(got, 1);
    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.centre(2, 2));
    QCOMPARE(got, 1);
}

void TestGrid::focusToAnotherControlStoresTheEdit()
{
    GridWindow w;
    QStringList *log = record(w.grid);
    QTest::keyClicks(w.view(), QStringLiteral("12"));
    w.button->setFocus(Qt::MouseFocusReason);
    QVERIFY(!w.grid->editMode());
    QCOMPARE(w.grid->text(1, 1), QStringLiteral("12"));
    QCOMPARE(log->last(), QStringLiteral("end 1,1 changed"));
}

void TestGrid::lookFollowsGridStyle()
{
    GridWindow w(10, 1000);
    w.grid->setHeaderTexts({QStringLiteral("정비일자"), QStringLiteral("정   비   내   용"),
                            QStringLiteral("정비단가"), QStringLiteral("EA"),
                            QStringLiteral("정비금액"), QStringLiteral("D/C"),
                            QStringLiteral("받을금액"), QStringLiteral("입금액"),
                            QStringLiteral("Km"), QStringLiteral("담당자")});
    const QList<double> widths {8.75, 41.75, 10.5, 6.75, 10.12, 10.5, 10.75, 10.5, 7.5, 5.87};
    for (int c = 1; c <= 10; ++c)
        w.grid->setColumnWidth(c, widths.at(c - 1));
    for (int c : {3, 4, 5, 6, 7, 8, 9})
        w.grid->setNumberColumn(c);
    QList<QStringList> rows;
    for (int r = 1; r <= 1000; ++r) {
        rows << QStringList {
                QStringLiteral("2005.03.07"), QStringLiteral("엔진오일 교환 %1").arg(r),
                QString::number(r * 1500),    QStringLiteral("1"),
                QString::number(r * 1500),    QString(),
                QString::number(r * 1500),    QString(),
                QString::number(12000 + r),   QStringLiteral("김정비")};
    }
    w.grid->setRows(rows);
    w.grid->setBackColor(1, 4, 10, 4, GridStyle::green());
    w.grid->setBorder(1, 5, 10, 5, true);
    w.window.resize(1250, 420);
    w.grid->gotoCell(2, 2);
    QApplication::processEvents();

    // Header texts fit their columns; a date fits its 8.75 characters.
    const QHeaderView *header = w.view()->horizontalHeader();
    for (int c = 1; c <= 10; ++c) {
        QVERIFY2(header->sectionSize(c - 1)
                         >= header->fontMetrics().horizontalAdvance(w.grid->text(c, 0)) + 4,
                 qPrintable(w.grid->text(c, 0)));
    }
    QVERIFY(w.view()->columnWidth(0)
            >= w.view()->fontMetrics().horizontalAdvance(QStringLiteral("2005.03.07")) + 4);

    const QImage image = w.view()->viewport()->grab().toImage();
    if (!qEnvironmentVariableIsEmpty("TORVIK_GRID_SHOT"))
        w.view()->grab().save(qEnvironmentVariable("TORVIK_GRID_SHOT"));
    auto colourAt = [&](int col, int row) {
        const QRect r = w.view()->visualRect(w.view()->model()->index(row - 1, col - 1));
        return image.pixelColor(r.left() + 2, r.top() + 2).rgb();
    };
    QCOMPARE(colourAt(4, 1), GridStyle::cell().rgb());
    QCOMPARE(colourAt(4, 2), GridStyle::alternate().rgb());
    QCOMPARE(colourAt(4, 3), GridStyle::cell().rgb());
    QCOMPARE(colourAt(2, 2), GridStyle::selection().rgb());
    const QRect bordered = w.view()->visualRect(w.view()->model()->index(4, 3));
    QCOMPARE(image.pixelColor(bordered.left() + 3, bordered.bottom()).rgb(),
             GridStyle::border().rgb());
    QCOMPARE(colourAt(1, 4), GridStyle::green().rgb());
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
