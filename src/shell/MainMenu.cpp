#include "MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

enum class Kind { Menu, Item, Separator, TopItem };

struct MenuRow
{
    Kind kind;
    const char *name;
    const char *caption;
};

// In the order the menu shows them; captions keep their inner and trailing spaces.
const MenuRow kMenu[] = {
        {Kind::Menu, "mnu등록조회", "정비내역 등록/조회(&M)   "},
        {Kind::Item, "mnu정비내역", "고객정비내역 등록"},
        {Kind::Item, "mnu정비내역조회", "정비내역 조회"},
        {Kind::Item, "mnu일자별정비현황", "일자별 정비현황"},
        {Kind::Menu, "mnu기초", "기초자료 등록(&B)   "},
        {Kind::Item, "mnu작업일자", "달력보기"},
        {Kind::Separator, "mnudddd", "-"},
        {Kind::Item, "mnu기타자료", "각종기초자료 등록"},
        {Kind::Separator, "rrtrt", "-"},
        {Kind::Item, "mnu정비부품", "정비목록/내역 등록"},
        {Kind::Item, "mnu참조부품", "부품단가 등록(열람용)"},
        {Kind::Separator, "dfdss", "-"},
        {Kind::Item, "mnu안내장", "안내장 작성"},
        {Kind::Item, "mnu사용자등록", "사용자 등록"},
        {Kind::Item, "mnu비밀", "비밀번호 변경(&K)"},
        {Kind::Separator, "ddddddsss", "-"},
        {Kind::Item, "mnu견적서", "견적서 작성/출력"},
        {Kind::Item, "mnu배경화면", "배경화면 선택"},
        {Kind::Separator, "lokjd", "-"},
        {Kind::Item, "mnu자료백업", "데이터백업 및 전송(&B)"},
        {Kind::Item, "mnuDataManagerDN", "데이터     내려받기(&D)"},
        {Kind::Item, "mnuDataManagerAS", "데이터           A/S (&A)"},
        {Kind::Separator, "mnuBar10", "-"},
        {Kind::Item, "mnuSMS", "문자전송"},
        {Kind::Item, "mnuSchedule", "스케줄       관리(&S)"},
        {Kind::Menu, "mnu보험검사", "보험/검사만기(&T)   "},
        {Kind::Item, "mnu보험검사변경", "보험/검사만기 변경"},
        {Kind::Item, "mnu보험검사조회", "보험/검사만기 조회"},
        {Kind::TopItem, "mnu현금출납장등록", "현금출납장(&C)  "},
        {Kind::TopItem, "mnuHome", "홈페이지(&H)   "},
        {Kind::TopItem, "mnuJung", "중고차(&J)   "},
        {Kind::TopItem, "mnu_Teminal", "원격지원서비스(&E)   "},
        {Kind::TopItem, "mnuExit", "종 료(&X)"},
};

struct ToolRow
{
    const char *caption;
    const char *entry; // nullptr: separator
};

const ToolRow kToolbar[MainMenu::kToolbarPositions] = {
        {"정비등록", "mnu정비내역"},
        {"정비조회", "mnu정비내역조회"},
        {nullptr, nullptr},
        {"달력보기", "mnu작업일자"},
        {"사용자등록", "mnu사용자등록"},
        {"기초자료", "mnu기타자료"},
        {nullptr, nullptr},
        {"정비목록", "mnu정비부품"},
        {"부품단가", "mnu참조부품"},
        {"안내장", "mnu안내장"},
        {nullptr, nullptr},
        {"보험변경", "mnu보험검사변경"},
        {"보험조회", "mnu보험검사조회"},
        {nullptr, nullptr},
        {"스케줄", "mnuSchedule"},
        {"문자/팩스", "mnuSMS"},
        {"자료보관", "mnu자료백업"},
        {"종  료", "mnuExit"},
};

} // namespace

QString MainMenu::toolbarEntry(int position)
{
    if (position < 1 || position > kToolbarPositions || !kToolbar[position - 1].entry)
        return QString();
    return QString::fromUtf8(kToolbar[position - 1].entry);
}

QHash<QString, QAction *> MainMenu::build(QMainWindow *window)
{
    QHash<QString, QAction *> actions;
    QMenuBar *bar = window->menuBar();
    QMenu *current = nullptr;
    for (const MenuRow &row : kMenu) {
        const QString name = QString::fromUtf8(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QAction *action = nullptr;
        switch (row.kind) {
        case Kind::Menu:
            current = bar->addMenu(caption);
            current->setObjectName(name);
            action = current->menuAction();
            break;
        case Kind::Item:
            action = current->addAction(caption);
            action->setEnabled(false);
            break;
        case Kind::Separator:
            action = current->addSeparator();
            break;
        case Kind::TopItem:
            action = bar->addAction(caption);
            action->setEnabled(false);
            break;
        }
        action->setObjectName(name);
        actions.insert(name, action);
    }

    auto *toolbar = window->addToolBar(QStringLiteral("tbrMenu"));
    toolbar->setObjectName(QStringLiteral("tbrMenu"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (int position = 1; position <= kToolbarPositions; ++position) {
        const ToolRow &row = kToolbar[position - 1];
        QAction *action = nullptr;
        if (!row.entry) {
            action = toolbar->addSeparator();
        } else {
            action = actions.value(QString::fromUtf8(row.entry));
            // The button shows its own caption; the menu keeps the entry's text.
            action->setIconText(QString::fromUtf8(row.caption));
            toolbar->addAction(action);
        }
        if (QWidget *button = toolbar->widgetForAction(action))
            button->setObjectName(QStringLiteral("tbrMenu_%1").arg(position));
    }
    return actions;
}
