#include "FrmMemo.h"

#include "AppContext.h"
#include "Prompter.h"
#include "Session.h"
#include "Stores.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmMemo::FrmMemo(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_store(context.stores.base())
    , m_customer(context.session.curCustomerCode)
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frm메모장"));
    setWindowTitle(QStringLiteral("메모장") + QString(84, QLatin1Char(' '))
                   + QStringLiteral("[닫기:Esc]"));
    m_text->setObjectName(QStringLiteral("txt_Memo"));
    m_text->setTabChangesFocus(true);
    auto *clear = new QPushButton(QStringLiteral("지우기(&N)"), this);
    auto *save = new QPushButton(QStringLiteral("저장(&S)"), this);
    auto *close = new QPushButton(QStringLiteral("닫기(&X)"), this);
    clear->setObjectName(QStringLiteral("cmd신규"));
    save->setObjectName(QStringLiteral("cmd저장"));
    close->setObjectName(QStringLiteral("Cmd취소"));
    for (QPushButton *b : {clear, save, close})
        b->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(460, 300);

    connect(clear, &QPushButton::clicked, this, [this] {
        m_text->clear();
        m_text->setFocus();
    });
    connect(save, &QPushButton::clicked, this, &FrmMemo::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    if (!m_context.stores.openBase(m_context.prompter))
        return;
    const auto memo = m_store.load(m_customer);
    m_hadMemo = memo.has_value();
    if (memo)
        m_text->setPlainText(*memo);
    m_text->setFocus();
}

void FrmMemo::placeBy(const QWidget *ledger)
{
    if (!ledger)
        return;
    const QPoint topLeft = ledger->mapToGlobal(QPoint(0, 0));
    move(topLeft.x() + ledger->width() - width() - 280 / 15, topLeft.y() + 2000 / 15);
}

void FrmMemo::save()
{
    if (!m_store.save(m_customer, m_text->toPlainText(), m_hadMemo)) {
        ShowMsg(m_context.prompter,
                QStringLiteral("메모를 저장하지 못했습니다.\n") + m_store.lastError(),
                QStringLiteral("메모장"));
        return;
    }
    accept();
}
