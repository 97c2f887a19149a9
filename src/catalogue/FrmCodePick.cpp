#include "FrmCodePick.h"

#include "AppContext.h"
#include "FrmCodeEntry.h"
#include "Grid.h"
#include "PickList.h"
#include "GridFit.h"
#include "InputMode.h"
#include "Prompter.h"
#include "Session.h"
#include "Stores.h"
#include "WindowPlace.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 500;
constexpr int kVisibleRows = 16;

// Where the list opens for each category (twips from the main window's corner), so that
// it does not cover the field it fills.
QPoint placeFor(const QString &category)
{
    static const QHash<QString, QPoint> places = {
            {QStringLiteral("차량지역"), {4725, 1995}}, {QStringLiteral("소속회사"), {4725, 1995}},
            {QStringLiteral("차종"), {7650, 1995}},     {QStringLiteral("차량색상"), {210, 2340}},
            {QStringLiteral("보험회사"), {4740, 2385}}, {QStringLiteral("정비담당"), {7020, 1650}},
            {QStringLiteral("수입계정"), {6675, 1545}}, {QStringLiteral("지출계정"), {6675, 1545}},
    };
    return places.value(category, QPoint(4725, 1995));
}

} // namespace

FrmCodePick::FrmCodePick(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_store(context.stores.base())
    , m_grid(new Grid(this, QStringLiteral("vs1"), 3, kRows))
    , m_new(new QPushButton(QStringLiteral("신규(&S)"), this))
    , m_change(new QPushButton(QStringLiteral("수정(&E)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm기타자료조회"));
    setWindowTitle(QStringLiteral("기타참조(F2 = 신규 , F3 = 수정)"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_category = context.session.codeCategory;
    m_grid->setHeaderTexts({m_category, QStringLiteral("gubun"), QStringLiteral("id")});
    m_grid->setColumnWidth(Name, 24.25);
    m_grid->setColumnHidden(Category);
    m_grid->setColumnHidden(Id);
    // Names change only through 수정(&E).
    m_grid->lock(-1, -1, -1, -1);
    FitGridView(m_grid, kVisibleRows, 3);
    QTableView *view = m_grid->view();

    m_new->setObjectName(QStringLiteral("cmdok"));
    m_change->setObjectName(QStringLiteral("cmde"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_new, m_change, m_exit}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    setTabOrder(view, m_new);
    setTabOrder(m_new, m_change);
    setTabOrder(m_change, m_exit);

    ConnectEditablePicking(
            this, m_grid, m_new, m_change, m_exit, [this](int row) { pick(row); },
            [this] { addCode(); }, [this] { renameCode(); });

    const QPoint place = placeFor(m_category);
    PlaceWindow(this, parent, place.x(), place.y());
}

bool FrmCodePick::load()
{
    if (!m_context.stores.openBase(m_context.prompter))
        return false;
    m_context.session.codeEntryText.clear();
    list(m_category, m_context.session.lookupSearchText);
    m_grid->gotoCell(Name, 1);
    m_grid->setFocus();
    return true;
}

void FrmCodePick::list(const QString &category, const QString &prefix)
{
    if (!CodeStore::isCategory(category))
        return;
    const auto codes = m_store.find(category, prefix);
    if (!codes) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("시작데이타연결"), objectName(), true);
        return;
    }
    const QList<QStringList> rows = CodeRecord::gridRows(*codes);
    m_grid->setRows(rows);
    m_grid->setMaxRows(qMax(kRows, int(rows.size()) + 1));
}

void FrmCodePick::pick(int row)
{
    // Even an empty name is handed back: the opener's field takes what was picked.
    m_choice = m_grid->text(Name, row);
    accept();
}

int FrmCodePick::runEntry(const QString &caption, const QString &text)
{
    FrmCodeEntry entry(m_context, this);
    entry.setWindowTitle(caption);
    entry.setText(text);
    // At the list's left edge, a little below its top.
    entry.adjustSize();
    entry.move(geometry().left(), geometry().top() + 735 / 15);
    SetHangulMode(entry.text(), true);
    return m_runner(entry);
}

void FrmCodePick::addCode()
{
    // A list of no known category takes no codes.
    if (!CodeStore::isCategory(m_category))
        return;
    runEntry(m_category + QStringLiteral(" 신규등록 하세요"), QString());
    const QString name = m_context.session.codeEntryText;
    if (name.isEmpty())
        return;
    const qint64 id = m_store.add(m_category, name);
    if (id == 0) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("cmdok_Click"), objectName(), true);
        return;
    }
    // Below the list, with its id, so that it can be picked or changed at once.
    const int row = m_grid->dataRowCount() + 1;
    if (row > m_grid->maxRows())
        m_grid->setMaxRows(row);
    m_grid->setRowText(row, {name, m_category, QString::number(id)});
    m_grid->gotoCell(Name, row);
    m_grid->setFocus();
}

void FrmCodePick::renameCode()
{
    const int row = m_grid->activeRow();
    const QString id = m_grid->text(Id, row);
    if (id.isEmpty() || !CodeStore::isCategory(m_category))
        return;
    runEntry(m_category + QStringLiteral(" 수정 하세요"), m_grid->text(Name, row));
    const QString name = m_context.session.codeEntryText;
    if (name.isEmpty())
        return;
    if (!m_store.rename(id.toLongLong(), name, m_category)) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("cmde_Click"), objectName(), true);
        return;
    }
    m_grid->setText(Name, row, name);
    m_grid->setFocus();
}
