#include "FrmPayment.h"

#include "AppContext.h"
#include "DateUtil.h"
#include "Grid.h"
#include "NumberFormat.h"
#include "Prompter.h"
#include "Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {
const int kDateRow = 1;
const int kAmountRow = 2;
const double kRowPoints = 16;
} // namespace

FrmPayment::FrmPayment(AppContext &context, const QString &suggestion, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_suggestion(suggestion)
    , m_grid(new Grid(this, QStringLiteral("vs1"), 1, 2))
    , m_ok(new QPushButton(QStringLiteral("확인(&S)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm입금"));
    setWindowTitle(QStringLiteral("입금"));
    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    m_ok->setAutoDefault(false);
    m_exit->setAutoDefault(false);

    m_grid->setColumnMaxLength(1, 10);
    m_grid->setColumnWidth(1, 18);
    m_grid->setRowHeight(-1, kRowPoints);
    m_grid->setRowHeadersVisible(false);
    m_grid->view()->horizontalHeader()->hide();
    m_grid->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = m_grid->view()->rowHeight(0);
    m_grid->view()->setFixedHeight(rowHeight * 2 + 2 * m_grid->view()->frameWidth());
    m_grid->view()->setFixedWidth(m_grid->view()->columnWidth(0) + 2 * m_grid->view()->frameWidth());

    auto *labels = new QVBoxLayout;
    labels->setSpacing(0);
    for (const QString &text : {QStringLiteral("입금일자"), QStringLiteral("입  금  액")}) {
        auto *label = new QLabel(text, this);
        label->setFixedHeight(rowHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labels->addWidget(label);
    }
    auto *entry = new QHBoxLayout;
    entry->addLayout(labels);
    entry->addWidget(m_grid->view());
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_exit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    // Leaving the date after a change rewrites it; a text that is no date becomes the
    // working date.
    connect(m_grid, &Grid::editEnded, this, [this](int, int row, bool changed) {
        if (row != kDateRow || !changed)
            return;
        QString date = NormDate(m_grid->text(1, kDateRow), QStringLiteral("."));
        if (date.isEmpty())
            date = m_context.session.workDate;
        m_grid->setText(1, kDateRow, date);
    });
    connect(m_grid, &Grid::keyDown, this, [this](int key, Qt::KeyboardModifiers, bool *consumed) {
        if (key != Qt::Key_Return)
            return;
        *consumed = true;
        if (m_grid->activeRow() == kDateRow) {
            m_grid->gotoCell(1, kAmountRow);
        } else {
            m_grid->setEditMode(false);
            confirm();
        }
    });
    connect(m_ok, &QPushButton::clicked, this, &FrmPayment::confirm);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPayment::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_prepared)
        return;
    m_prepared = true;
    // The amount is a number of up to 14 digits, its sign allowed (a refund is negative).
    m_grid->setText(1, kAmountRow, QString());
    m_grid->setText(1, kDateRow, m_context.session.workDate);
    m_grid->setText(1, kAmountRow, m_suggestion);
    m_grid->setFocus();
    m_grid->gotoCell(1, kAmountRow);
}

QString FrmPayment::date() const
{
    return m_grid->text(1, kDateRow);
}

QString FrmPayment::amount() const
{
    return m_grid->text(1, kAmountRow);
}

void FrmPayment::confirm()
{
    m_grid->setEditMode(false);
    const QString typed = amount().trimmed();
    if (!typed.isEmpty() && !ParseWholeNumber(typed, 14)) {
        ShowMsg(m_context.prompter,
                QStringLiteral("입금액은 14자리까지의 숫자로 입력하세요."), QStringLiteral("입금"));
        m_grid->setFocus();
        m_grid->gotoCell(1, kAmountRow);
        return;
    }
    accept();
}
