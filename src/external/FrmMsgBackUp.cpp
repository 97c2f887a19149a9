#include "FrmMsgBackUp.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmMsgBackUp::FrmMsgBackUp(QWidget *parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmMsgBackUp"));
    setWindowTitle(QStringLiteral("데이터 백업"));
    setModal(true);

    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->setPlainText(messageText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_text->setFixedSize(430, 170);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *buttons = new QHBoxLayout;
    const QStringList captions = {QStringLiteral("서버백업"), QStringLiteral("하드백업"),
                                  QStringLiteral("종료"), QStringLiteral("취소")};
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = new QPushButton(captions.at(i), this);
        button->setObjectName(QStringLiteral("btnResult_%1").arg(i));
        button->setMinimumHeight(32);
        connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
        buttons->addWidget(button);
        m_buttons << button;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FrmMsgBackUp::messageText()
{
    const QString indent(4, QLatin1Char(' '));
    const QStringList lines = {
            QString(),
            QString(),
            indent + QStringLiteral("                         [데이터 백업]"),
            QString(),
            indent + QStringLiteral("※프로그램의 안전한 사용을 위하여 현재까지 작업한"),
            indent + QStringLiteral("데이터를 보관하세요."),
            QString(),
            indent + QStringLiteral("데이터 문제 발생시 보관한 파일로 복구가 가능합니다."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QPushButton *FrmMsgBackUp::button(int index) const
{
    return m_buttons.value(index);
}

void FrmMsgBackUp::choose(int index)
{
    m_choice = index;
    accept();
}
