#include "FrmProgress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
constexpr int kLargestMaximum = 32767;
}

FrmProgress::FrmProgress(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("FrmProgress"));
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(360);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmProgress::SetFormMode(const QString &title, int maximum)
{
    setWindowTitle(title);
    if (maximum > kLargestMaximum)
        m_bar->setMaximum(kLargestMaximum);
    else if (maximum >= 1)
        m_bar->setMaximum(maximum);
    m_bar->setValue(0);
    show();
    raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmProgress::ProgInc()
{
    if (m_bar->value() >= m_bar->maximum())
        m_bar->setValue(0);
    else
        m_bar->setValue(m_bar->value() + 1);
}

int FrmProgress::value() const
{
    return m_bar->value();
}

int FrmProgress::maximum() const
{
    return m_bar->maximum();
}
