#include "FrmPasswordChange.h"

#include "FieldKeys.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

FrmPasswordChange::FrmPasswordChange(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_service(context)
    , m_current(new QLineEdit(this))
    , m_new(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("확인(&S)"), this))
    , m_exit(new QPushButton(QStringLiteral("닫기(&K)"), this))
{
    setObjectName(QStringLiteral("frm입력비밀번호"));
    setWindowTitle(QStringLiteral("비밀번호 변경"));

    m_current->setObjectName(QStringLiteral("Text1"));
    m_current->setEchoMode(QLineEdit::Password);
    m_new->setObjectName(QStringLiteral("Text2"));
    m_ok->setObjectName(QStringLiteral("cmdok"));
    m_ok->setAutoDefault(false);
    m_exit->setObjectName(QStringLiteral("cmdexit"));
    m_exit->setAutoDefault(false);
    for (QLineEdit *field : {m_current, m_new}) {
        field->setMinimumWidth(180);
        field->installEventFilter(this);
        FieldKeys::install(field, FieldKeys::SelectOnFocus);
    }

    auto *grid = new QGridLayout;
    auto *currentLabel = new QLabel(QStringLiteral("변경전 비밀번호"), this);
    auto *newLabel = new QLabel(QStringLiteral("변경후 비밀번호"), this);
    currentLabel->setBuddy(m_current);
    newLabel->setBuddy(m_new);
    grid->addWidget(currentLabel, 0, 0);
    grid->addWidget(m_current, 0, 1);
    grid->addWidget(newLabel, 1, 0);
    grid->addWidget(m_new, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_exit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(m_current, m_new);
    setTabOrder(m_new, m_ok);
    setTabOrder(m_ok, m_exit);

    connect(m_ok, &QPushButton::clicked, this, &FrmPasswordChange::save);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::reject);

    m_service.open();
    m_ok->setEnabled(false);
}

bool FrmPasswordChange::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && watched == m_current) {
            m_new->setFocus();
            return true;
        }
        if (enter && watched == m_new) {
            if (m_ok->isEnabled())
                m_ok->setFocus();
            return true;
        }
    }
    if (watched == m_new && event->type() == QEvent::FocusIn) {
        if (m_service.confirmCurrent(m_current->text())) {
            m_ok->setEnabled(true);
        } else {
            m_current->clear();
            // Not from inside the focus change that is under way.
            QTimer::singleShot(0, m_current, [this] { m_current->setFocus(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmPasswordChange::save()
{
    if (m_service.save(m_new->text()))
        accept();
}
