#include "LedgerFields.h"

#include "DateUtil.h"
#include "FieldKeys.h"
#include "Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

using F = CustomerRecord;

// The help line of each field; fields not listed show the general help.
QString helpFor(int field)
{
    switch (field) {
    case F::VehicleRegion:
        return QStringLiteral("F1 : 지역명검색창 또는 직접입력하세요!");
    case F::VehicleNumber:
        return QStringLiteral("차량번호를 정확히 입력하세요!");
    case F::Model:
        return QStringLiteral("F1 : 차종검색창 또는 직접입력하세요!");
    case F::Colour:
        return QStringLiteral("F1 : 차량색상검색창 또는 직접입력하세요!");
    case F::Insurer:
        return QStringLiteral("F1 : 보험회사검색창 또는 직접입력하세요!");
    case F::Company:
        return QStringLiteral("F1 : 소속회사검색창 또는 직접입력하세요!");
    case F::Address:
        return QStringLiteral("동,면,읍을 정확히 입력후 F1 : 검색창 또는 직접입력하세요!");
    default:
        return LedgerFields::generalHelp();
    }
}

bool isDateField(int field)
{
    return field == F::InsuranceExpiry || field == F::InspectionExpiry || field == F::Registered;
}

// Placement in the screen's grid layout: row, label column, span of the field.
struct Place
{
    int row;
    int column;
    const char *label; // nullptr: the second part of the field before
    int width;         // pixels, 0 = stretch
};

const Place kPlaces[F::FieldCount] = {
    {0, 0, "고 객 명", 110},    {0, 2, "챠량번호", 48},   {0, 2, nullptr, 86},
    {0, 4, "차       종", 140},  {1, 0, "차량색상", 110},  {1, 2, "보험회사", 140},
    {1, 4, "보험만기", 96},      {2, 0, "자택전화", 110},  {2, 2, "소속회사", 140},
    {2, 4, "검사만기", 96},      {3, 0, "직장전화", 110},  {3, 2, "주민번호", 62},
    {3, 2, nullptr, 72},       {3, 4, "등록일자", 96},   {4, 0, "휴 대 폰", 110},
    {4, 2, "주      소", 0},   {4, 2, nullptr, 70},     {5, 0, "호출번호", 110},
    {5, 2, "기타사항", 0},
};

} // namespace

LedgerFields::LedgerFields(QWidget *parent, Session &session)
    : QObject(parent)
    , m_session(session)
{
    for (int i = 0; i < F::FieldCount; ++i) {
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(i));
        if (kPlaces[i].width > 0)
            edit->setFixedWidth(kPlaces[i].width);
        edit->installEventFilter(this);
        FieldKeys::install(edit, FieldKeys::SelectOnFocus);
        m_fields << edit;
    }
    connect(m_fields[F::ResidentFirst], &QLineEdit::textEdited, this,
            [this] { residentTyped(F::ResidentFirst); });
    connect(m_fields[F::ResidentSecond], &QLineEdit::textEdited, this,
            [this] { residentTyped(F::ResidentSecond); });
}

QString LedgerFields::generalHelp()
{
    return QStringLiteral("도움말 =  F1 : 선택창  Enter : 조회시선택  F3 : 입금  F4 : 삭제   F10 : 메뉴");
}

void LedgerFields::addTo(QGridLayout *layout)
{
    QWidget *parent = m_fields.first()->parentWidget();
    for (int i = 0; i < F::FieldCount; ++i) {
        const Place &p = kPlaces[i];
        if (!p.label)
            continue;
        auto *label = new QLabel(QString::fromUtf8(p.label), parent);
        label->setBuddy(m_fields[i]);
        layout->addWidget(label, p.row, p.column);
        const bool twoParts = i + 1 < F::FieldCount && !kPlaces[i + 1].label;
        if (!twoParts) {
            // The remarks run across the rest of the row.
            const int span = i == F::Remarks ? 3 : 1;
            layout->addWidget(m_fields[i], p.row, p.column + 1, 1, span);
            continue;
        }
        auto *pair = new QHBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(m_fields[i], i == F::Address ? 1 : 0);
        if (i == F::ResidentFirst)
            pair->addWidget(new QLabel(QStringLiteral("-"), parent));
        pair->addWidget(m_fields[i + 1]);
        if (i != F::Address)
            pair->addStretch();
        // The address with its postal code takes the rest of the row.
        const int span = i == F::Address ? 3 : 1;
        layout->addLayout(pair, p.row, p.column + 1, 1, span);
    }
}

CustomerRecord LedgerFields::record() const
{
    CustomerRecord r;
    r.code = m_session.curCustomerCode;
    for (int i = 0; i < F::FieldCount; ++i)
        r[i] = m_fields[i]->text();
    return r;
}

void LedgerFields::setRecord(const CustomerRecord &record)
{
    for (int i = 0; i < F::FieldCount; ++i)
        m_fields[i]->setText(record[i]);
}

void LedgerFields::clear()
{
    for (QLineEdit *f : m_fields)
        f->clear();
}

void LedgerFields::normaliseDates()
{
    for (int i : {F::InsuranceExpiry, F::InspectionExpiry, F::Registered})
        normaliseDate(i);
}

void LedgerFields::normaliseDate(int index)
{
    QLineEdit *f = m_fields[index];
    if (!f->text().isEmpty())
        f->setText(NormDate(f->text(), QStringLiteral(".")));
}

void LedgerFields::focusField(int index)
{
    if (index >= 0 && index < m_fields.size())
        m_fields[index]->setFocus();
}

bool LedgerFields::eventFilter(QObject *watched, QEvent *event)
{
    const int index = m_fields.indexOf(static_cast<QLineEdit *>(watched));
    if (index < 0)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return fieldKey(index, static_cast<QKeyEvent *>(event)->key());
    case QEvent::FocusIn:
        fieldFocused(index);
        break;
    case QEvent::FocusOut: {
        // A message box or look-up window taking the focus is no leaving of the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            fieldLeft(index);
        break;
    }
    default:
        break;
    }
    return false;
}

bool LedgerFields::fieldKey(int index, int key)
{
    switch (key) {
    case Qt::Key_Up:
        if (index > 0)
            m_fields[index - 1]->setFocus();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isDateField(index))
            normaliseDate(index);
        if (key == Qt::Key_Down) {
            if (index + 1 < F::FieldCount)
                m_fields[index + 1]->setFocus();
        } else if (index == F::Address) {
            // The postal code comes from the address look-up.
            m_fields[F::Pager]->setFocus();
        } else if (index == F::Remarks) {
            if (m_save && m_save->isEnabled())
                m_save->setFocus();
        } else {
            m_fields[index + 1]->setFocus();
        }
        return true;
    case Qt::Key_F1:
        switch (index) {
        case F::VehicleRegion:
        case F::Model:
        case F::Colour:
        case F::Insurer:
        case F::Company:
        case F::Address:
        case F::PostalCode:
            emit lookupRequested(index);
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

void LedgerFields::fieldFocused(int index)
{
    m_session.setHelpLine(helpFor(index));
    if (index == F::Registered && m_fields[index]->text().isEmpty())
        m_fields[index]->setText(TodayText());
}

void LedgerFields::fieldLeft(int index)
{
    QLineEdit *first = m_fields[F::ResidentFirst];
    QLineEdit *second = m_fields[F::ResidentSecond];
    // A resident number is kept only when both parts are complete.
    if (index == F::ResidentFirst && first->text().trimmed().size() != 6) {
        first->clear();
        second->clear();
    } else if (index == F::ResidentSecond
               && (second->text().trimmed().size() != 7 || first->text().trimmed().size() != 6)) {
        first->clear();
        second->clear();
    }
}

void LedgerFields::residentTyped(int index)
{
    QLineEdit *f = m_fields[index];
    const int complete = index == F::ResidentFirst ? 6 : 7;
    if (f->text().size() == complete && f->cursorPosition() == complete)
        m_fields[index + 1]->setFocus();
}
