#include "FrmPartEdit.h"

#include "AppContext.h"
#include "Grid.h"
#include "NumberFormat.h"
#include "PartStore.h"
#include "Prompter.h"
#include "Session.h"
#include "WindowPlace.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kRowCount = 5;
const char *const kLabels[kRowCount]
        = {"부 품 명", "부품규격", "단      위", "판매단가", "매입단가"};

bool isPriceRow(int row)
{
    return row == FrmPartEdit::Price || row == FrmPartEdit::Cost;
}

QString shownPrice(const QString &text)
{
    const std::optional<qint64> value = ParseWholeNumber(text, 14);
    return value ? FormatNumber(double(*value), QStringLiteral("#,##0")) : text;
}

} // namespace

FrmPartEdit::FrmPartEdit(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_grid(new Grid(this, QStringLiteral("vs1"), 1, kRowCount))
    , m_ok(new QPushButton(QStringLiteral("확인(&S)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm부품수정"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_grid->setColumnWidth(1, 30);
    m_grid->setColumnMaxLength(1, PartStore::kNameLength);
    m_grid->setRowHeadersVisible(false);
    QTableView *view = m_grid->view();
    // One column of five values: the labels on the left stand for a header.
    view->horizontalHeader()->hide();
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = view->verticalHeader()->defaultSectionSize();
    view->setFixedSize(view->columnWidth(0) + 2 * view->frameWidth(),
                       kRowCount * rowHeight + 2 * view->frameWidth());

    auto *labels = new QVBoxLayout;
    labels->setSpacing(0);
    labels->setContentsMargins(0, view->frameWidth(), 0, view->frameWidth());
    for (int i = 0; i < kRowCount; ++i) {
        auto *label = new QLabel(QString::fromUtf8(kLabels[i]), this);
        label->setObjectName(QStringLiteral("Panel3D_%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedHeight(rowHeight);
        label->setMinimumWidth(label->sizeHint().width() + 16);
        labels->addWidget(label);
    }
    auto *fields = new QHBoxLayout;
    fields->setSpacing(0);
    fields->addLayout(labels);
    fields->addWidget(view);

    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_ok, m_exit}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(view, m_ok);
    setTabOrder(m_ok, m_exit);

    connect(m_grid, &Grid::keyDown, this, &FrmPartEdit::onKeyDown);
    connect(m_grid, &Grid::editStarted, this,
            [this](int col, int row) { m_editText = m_grid->text(col, row); });
    connect(m_grid, &Grid::editEnded, this, &FrmPartEdit::onEditEnded);
    connect(m_grid, &Grid::textChanged, this, [this](int col, int row) {
        // The unit row holds fewer characters than the column allows.
        const QString text = m_grid->text(col, row);
        if (row == Unit && text.size() > kUnitLength)
            m_grid->setText(col, row, text.left(kUnitLength));
    });
    connect(m_ok, &QPushButton::clicked, this, &FrmPartEdit::accept);
    connect(m_exit, &QPushButton::clicked, this, &FrmPartEdit::reject);

    PlaceWindow(this, parent, 3660, 1815);
    m_grid->gotoCell(1, Name);
    m_grid->setFocus();
}

void FrmPartEdit::setValues(const QStringList &values)
{
    for (int row = Name; row <= Cost; ++row) {
        const QString text = values.value(row - 1);
        m_grid->setText(1, row, isPriceRow(row) ? shownPrice(text) : text);
    }
}

QStringList FrmPartEdit::values() const
{
    QStringList out;
    for (int row = Name; row <= Cost; ++row)
        out << m_grid->text(1, row);
    return out;
}

void FrmPartEdit::onEditEnded(int col, int row, bool changed)
{
    if (!changed || !isPriceRow(row))
        return;
    const QString text = m_grid->text(col, row).trimmed();
    if (text.isEmpty())
        return;
    if (!ParseWholeNumber(text, 14)) {
        // A price must be a number; what was there before comes back.
        m_context.prompter.beep();
        m_grid->setText(col, row, m_editText);
        return;
    }
    m_grid->setText(col, row, shownPrice(text));
}

void FrmPartEdit::onKeyDown(int key, Qt::KeyboardModifiers, bool *consumed)
{
    if (key != Qt::Key_Return)
        return;
    *consumed = true;
    const int row = m_grid->activeRow();
    if (row < Cost) {
        m_grid->gotoCell(1, row + 1);
    } else {
        m_grid->setEditMode(false);
        m_ok->setFocus();
    }
}

void FrmPartEdit::accept()
{
    // An edit still open counts as typed.
    m_grid->setEditMode(false);
    m_context.session.partEditBuffer = values();
    QDialog::accept();
}

void FrmPartEdit::reject()
{
    m_context.session.partEditBuffer = QStringList(kRowCount, QString());
    QDialog::reject();
}
