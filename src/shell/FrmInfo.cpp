#include "FrmInfo.h"

#include "WindowTools.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

FrmInfo::FrmInfo(const QString &text, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_text(new QLabel(text, this))
{
    setObjectName(QStringLiteral("frm정보"));
    setModal(true);
    m_text->setObjectName(QStringLiteral("spname"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setMinimumSize(300, 60);
    m_text->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 255, 225); "
                                         "color: rgb(0, 0, 128); font-weight: bold; "
                                         "border: 2px solid rgb(5, 126, 128); "
                                         "padding: 8px 20px; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FrmInfo::text() const
{
    return m_text->text();
}

void FrmInfo::showNotice(const QString &text, QWidget *parent)
{
    FrmInfo notice(text, parent);
    QTimer::singleShot(kShowMs, &notice, &QDialog::accept);
    ExecModal(notice);
}
