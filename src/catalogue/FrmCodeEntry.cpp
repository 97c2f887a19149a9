#include "FrmCodeEntry.h"

#include "AppContext.h"
#include "CodeStore.h"
#include "FieldKeys.h"
#include "InputMode.h"
#include "Session.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmCodeEntry::FrmCodeEntry(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_text(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("확인(&S)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm참조"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_text->setObjectName(QStringLiteral("text1"));
    m_text->setMaxLength(CodeStore::kNameLength);
    m_text->setMinimumWidth(260);
    FieldKeys::install(m_text, FieldKeys::SelectOnFocus);
    SetHangulMode(m_text, true);
    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    // Enter in the text is 확인.
    m_ok->setDefault(true);
    m_exit->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(m_text, m_ok);
    setTabOrder(m_ok, m_exit);

    connect(m_ok, &QPushButton::clicked, this, &FrmCodeEntry::accept);
    connect(m_exit, &QPushButton::clicked, this, &FrmCodeEntry::reject);
    m_context.session.codeEntryText.clear();
    m_text->setFocus();
}

void FrmCodeEntry::setText(const QString &text)
{
    m_text->setText(text);
    m_text->selectAll();
}

void FrmCodeEntry::accept()
{
    m_context.session.codeEntryText = m_text->text();
    QDialog::accept();
}

void FrmCodeEntry::reject()
{
    m_context.session.codeEntryText.clear();
    QDialog::reject();
}
