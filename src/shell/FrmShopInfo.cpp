#include "FrmShopInfo.h"

#include "AppContext.h"
#include "FieldKeys.h"
#include "Prompter.h"
#include "Session.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Field { ShopName = 0, PostalCode = 7, Address = 8, RegistrationNumber = 9 };

struct FieldLook
{
    const char *label;
    int maxLength;
    int width;
};

// Labels as the shop knows them; lengths as the columns hold them.
const FieldLook kFields[ShopInfoService::kFieldCount] = {
        {"업   체   명", 50, 260},   {"사업자번호", 50, 160},    {"대 표 자 명", 50, 160},
        {"업         태", 50, 260},  {"업         종", 50, 260}, {"전 화 번 호", 50, 160},
        {"팩 스 번 호", 50, 160},    {"우 편 번 호", 50, 100},   {"주         소", 100, 380},
        {"정비업등록번호", 30, 260},
};

} // namespace

FrmShopInfo::FrmShopInfo(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_service(context)
    , m_new(new QPushButton(QStringLiteral("신규(&N)"), this))
    , m_save(new QPushButton(QStringLiteral("저장(&S)"), this))
    , m_close(new QPushButton(QStringLiteral("닫기(&X)"), this))
{
    setObjectName(QStringLiteral("frm사용자등록"));
    setWindowTitle(QStringLiteral("사용자 등록"));
    setProperty("placeAt", QPoint(3690 / 15, 1410 / 15));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int i = 0; i < ShopInfoService::kFieldCount; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(i));
        edit->setMaxLength(kFields[i].maxLength);
        edit->setFixedWidth(kFields[i].width);
        auto *label = new QLabel(QString::fromUtf8(kFields[i].label), this);
        label->setBuddy(edit);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1, Qt::AlignLeft);
        FieldKeys::install(edit);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!m_loading)
                m_save->setEnabled(true);
        });
        m_fields << edit;
    }

    auto *notice = new QGroupBox(QStringLiteral("주의사항"), this);
    notice->setObjectName(QStringLiteral("Frame1"));
    auto *line1 = new QLabel(QStringLiteral("꼭! 입력하시기 바랍니다."), notice);
    auto *line2 = new QLabel(
            QStringLiteral("업체명과 대표자명을 입력하지 않으면 프로그램이 진행되지 않습니다"),
            notice);
    line1->setObjectName(QStringLiteral("Label11"));
    line2->setObjectName(QStringLiteral("Label12"));
    for (QLabel *line : {line1, line2})
        line->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    auto *noticeLayout = new QVBoxLayout(notice);
    noticeLayout->addWidget(line1);
    noticeLayout->addWidget(line2);

    m_new->setObjectName(QStringLiteral("cmd신규"));
    m_save->setObjectName(QStringLiteral("cmd저장"));
    m_close->setObjectName(QStringLiteral("Cmd취소"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_new, m_save, m_close}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(90);
        buttons->addWidget(button);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(notice);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget *previous = m_fields.first();
    for (QWidget *next : std::initializer_list<QWidget *> {
                 m_fields.at(1), m_fields.at(2), m_fields.at(3), m_fields.at(4), m_fields.at(5),
                 m_fields.at(6), m_fields.at(7), m_fields.at(8), m_fields.at(9), m_new, m_save,
                 m_close}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(m_new, &QPushButton::clicked, this, &FrmShopInfo::clearFields);
    connect(m_save, &QPushButton::clicked, this, &FrmShopInfo::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    load();
    m_fields.first()->setFocus();
    m_context.session.setHelpLine(
            QStringLiteral("도움말 =  F1 : 다음 항목  우편번호에서 F1 : 주소검색"));
}

void FrmShopInfo::load()
{
    m_loading = true;
    if (m_service.open()) {
        const QStringList values = m_service.load(&m_rowCode);
        for (int i = 0; i < ShopInfoService::kFieldCount; ++i)
            m_fields.at(i)->setText(values.value(i));
    }
    m_loading = false;
    m_save->setEnabled(false);
}

void FrmShopInfo::clearFields()
{
    m_loading = true;
    for (QLineEdit *edit : std::as_const(m_fields))
        edit->clear();
    m_loading = false;
    m_save->setEnabled(false);
    m_fields.first()->setFocus();
}

void FrmShopInfo::save()
{
    if (m_fields.at(ShopName)->text().isEmpty()) {
        ShowMsg(m_context.prompter, QStringLiteral("업체명을 입력하여 주십시오."));
        m_fields.at(ShopName)->setFocus();
        return;
    }
    QStringList values;
    for (const QLineEdit *edit : std::as_const(m_fields))
        values << edit->text();
    // A refused save keeps the screen open with what was typed.
    if (!m_service.save(values, m_rowCode))
        return;
    Session &session = m_context.session;
    session.shopName = values.at(ShopName);
    session.statusChanged();
    m_context.prompter.notice(QStringLiteral("사용자정보가 저장되었습니다...."));
    m_save->setEnabled(false);
}

void FrmShopInfo::searchAddress()
{
    QLineEdit *postal = m_fields.at(PostalCode);
    QLineEdit *address = m_fields.at(Address);
    const QList<ShopInfoService::Postal> found = m_service.searchAddress(postal->text());
    if (found.size() == 1) {
        postal->setText(found.first().postalCode);
        address->setText(found.first().address);
    } else if (found.size() > 1 && m_addressLookup) {
        Session &session = m_context.session;
        session.addressSearchText = postal->text();
        session.popupCaller = QStringLiteral("2");
        QString code;
        QString text;
        if (m_addressLookup(m_context, code, text)) {
            postal->setText(code);
            address->setText(text);
        }
    }
}

bool FrmShopInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        const int index = m_fields.indexOf(qobject_cast<QLineEdit *>(watched));
        if (index == PostalCode) {
            searchAddress();
            QLineEdit *address = m_fields.at(Address);
            address->setFocus();
            // After the select-all of the focus change, so that typing continues the text.
            QMetaObject::invokeMethod(
                    address, [address] { address->end(false); }, Qt::QueuedConnection);
            return true;
        }
        if (index >= Address) {
            m_new->setFocus();
            return true;
        }
        if (index >= 0) {
            m_fields.at(index + 1)->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
