#include "FrmInitMsg.h"

#include "AppContext.h"
#include "Session.h"
#include "Settings.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FrmInitMsg::FrmInitMsg(AppContext &context, const QString &programFolder, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_noMsg(new QCheckBox(QStringLiteral("다음부터 이 화면을 띄우지 않음."), this))
{
    setObjectName(QStringLiteral("FrmInitMsg"));
    setWindowTitle(QStringLiteral("안내 메세지"));
    setModal(true);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap image(QDir(programFolder).filePath(QStringLiteral("Image/SoftwareInfoMsg.jpg")));
    if (!image.isNull())
        picture->setPixmap(image);
    const int frame = 2 * picture->frameWidth();
    picture->setFixedSize(image.isNull() ? QSize(480 + frame, 300 + frame)
                                         : image.size() + QSize(frame, frame));

    m_noMsg->setObjectName(QStringLiteral("Check1"));
    auto *close = new QPushButton(QStringLiteral("닫기(&C)"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_noMsg);
    bottom->addStretch();
    bottom->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Every click writes the state at once, ticked or not.
    connect(m_noMsg, &QCheckBox::clicked, this, [this](bool ticked) {
        m_context.settings.setNoMsg(ticked ? QStringLiteral("1") : QStringLiteral("0"),
                                    m_context.session.applicationTitle);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    close->setFocus();
}
