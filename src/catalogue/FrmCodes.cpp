#include "FrmCodes.h"

#include "AppContext.h"
#include "Grid.h"
#include "GridFit.h"
#include "Prompter.h"
#include "ScreenActivation.h"
#include "Session.h"
#include "Stores.h"
#include "WindowPlace.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 500;
constexpr int kSpareRows = 100;
constexpr int kVisibleRows = 20;

// Button captions in category order; the blanks line the names up under each other.
const char *const kCaptions[] = {"&1 차      종", "&2 차량색상", "&3 소속회사", "&4 보험회사",
                                 "&5 차량지역",   "&6 정비담당", "&7 수입계정", "&8 지출계정"};

const QString kHelp = QStringLiteral("도움말 =  1~8 : 자료 선택  F4 : 삭제");

} // namespace

FrmCodes::FrmCodes(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_store(context.stores.base())
    , m_grid(new Grid(this, QStringLiteral("vs1"), 3, kRows))
    , m_close(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm기타자료"));
    setWindowTitle(QStringLiteral("기초자료등록"));
    SetScreenPlace(this, 4275, 45);

    m_grid->setHeaderTexts({QStringLiteral("차종"), QStringLiteral("gubun"), QStringLiteral("id")});
    m_grid->setColumnWidth(Name, 24.25);
    m_grid->setColumnMaxLength(Name, CodeStore::kNameLength);
    m_grid->setColumnHidden(Category);
    m_grid->setColumnHidden(Id);
    QTableView *view = m_grid->view();
    FitGridView(m_grid, kVisibleRows, 3);

    auto *buttonColumn = new QVBoxLayout;
    const QStringList categories = CodeStore::categories();
    for (int i = 0; i < categories.size(); ++i) {
        auto *button = new QPushButton(QString::fromUtf8(kCaptions[i]), this);
        button->setObjectName(QStringLiteral("cmd_%1").arg(i));
        button->setAutoDefault(false);
        button->setMinimumWidth(120);
        const QString category = categories.at(i);
        connect(button, &QPushButton::clicked, this, [this, category] {
            m_grid->setHeaderText(Name, category);
            m_grid->setFocus();
            showCategory(category);
        });
        buttonColumn->addWidget(button);
        m_buttons << button;
    }
    buttonColumn->addStretch();
    m_close->setObjectName(QStringLiteral("cmdexit"));
    m_close->setAutoDefault(false);
    m_close->setMinimumWidth(120);
    buttonColumn->addWidget(m_close);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(buttonColumn);
    layout->addWidget(view, 1);

    QWidget *previous = m_buttons.first();
    for (QWidget *next : m_buttons.mid(1)) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, view);
    setTabOrder(view, m_close);

    connect(m_grid, &Grid::editStarted, this, &FrmCodes::onEditStarted);
    connect(m_grid, &Grid::editEnded, this, &FrmCodes::onEditEnded);
    connect(m_grid, &Grid::keyDown, this, &FrmCodes::onKeyDown);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    m_open = context.stores.openBase(context.prompter);
    m_grid->setEnabled(m_open);
    // Coming back to the screen always shows the vehicle types.
    ScreenActivation::install(this, [this] {
        m_grid->setHeaderText(Name, QStringLiteral("차종"));
        showCategory(QStringLiteral("차종"));
        m_context.session.setHelpLine(kHelp);
    });
}

QString FrmCodes::category() const
{
    return m_grid->text(Name, 0);
}

void FrmCodes::showCategory(const QString &category)
{
    if (!m_open || !CodeStore::isCategory(category))
        return;
    const auto codes = m_store.list(category);
    if (!codes) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("데이타연결"), objectName(), true);
        return;
    }
    const QList<QStringList> rows = CodeRecord::gridRows(*codes);
    m_grid->setRows(rows);
    const int n = int(rows.size());
    m_grid->setMaxRows(qMax(kRows, n + kSpareRows));
    m_grid->gotoCell(Name, n + 1);
}

void FrmCodes::onEditStarted(int, int row)
{
    m_editCategory = category();
    m_editId = m_grid->text(Id, row);
}

void FrmCodes::onEditEnded(int col, int row, bool changed)
{
    if (!changed || col != Name)
        return;
    const QString name = m_grid->text(Name, row);
    if (m_editId.isEmpty()) {
        const qint64 id = m_store.add(m_editCategory, name);
        if (id == 0) {
            ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                      QStringLiteral("vs1_EditMode"), objectName(), true);
            return;
        }
        // The new id at once: a second edit of the row changes this code, not a new one.
        m_grid->setRowText(row, {name, m_editCategory, QString::number(id)});
        if (row + 1 >= m_grid->maxRows())
            m_grid->setMaxRows(m_grid->maxRows() + kSpareRows);
        return;
    }
    if (!m_store.rename(m_editId.toLongLong(), name, m_editCategory)) {
        ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                  QStringLiteral("vs1_EditMode"), objectName(), true);
    }
}

void FrmCodes::onKeyDown(int key, Qt::KeyboardModifiers, bool *consumed)
{
    if (key == Qt::Key_F4) {
        *consumed = true;
        deleteActiveRow();
    } else if (key == Qt::Key_Return) {
        // Enter stores the name and goes on to the next row, as the other lists do.
        *consumed = true;
        const int row = m_grid->activeRow();
        if (row + 1 > m_grid->maxRows())
            m_grid->setMaxRows(m_grid->maxRows() + kSpareRows);
        m_grid->gotoCell(Name, row + 1);
    }
}

void FrmCodes::deleteActiveRow()
{
    const int row = m_grid->activeRow();
    const QString id = m_grid->text(Id, row);
    if (!id.isEmpty()
        && AskYesNo(m_context.prompter, QStringLiteral("현재 선택하신 자료를 삭제하시겠습니까?"),
                    QStringLiteral("자료 삭제"))) {
        if (m_store.remove(id.toLongLong())) {
            m_grid->clear(Name, row, Name, row);
            m_grid->deleteRow(row);
        } else {
            ShowError(m_context.prompter, m_store.lastErrorCode(), m_store.lastError(),
                      QStringLiteral("데이타삭제"), objectName(), true);
        }
    }
    m_grid->setFocus();
}
