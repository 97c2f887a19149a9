#pragma once

#include <QString>

#include <optional>

class QWidget;
struct AppContext;

// A catalogue item chosen in the parts pick-list.
struct PartChoice
{
    qint64 code = 0; // 부품코드
    QString name;
    QString spec;
    QString unit;
    qint64 price = 0; // 판매단가
    qint64 cost = 0;  // 매입단가
};

// A postal address chosen in the address list.
struct AddressChoice
{
    QString postalCode;
    QString address; // 시도, 구군 and 동면, each followed by one space
    QString lots;    // 번지, the lot range the address list shows beside it
};

// The modal look-ups screens open from their fields and grids. Each reads its input from
// the Session (the values the opener set just before) and hands back what the user chose,
// or nullopt when the window was closed without a choice; the opener writes the choice into
// its own field or grid row. The application shows the real windows; tests answer directly.
class Lookups
{
public:
    virtual ~Lookups() = default;

    // frm기타자료조회: the codes of Session::codeCategory that begin with
    // Session::lookupSearchText (all of them when it is empty).
    virtual std::optional<QString> pickCode(AppContext &context, QWidget *parent) = 0;
    // frm정비부품조회: the catalogue, narrowed to names beginning with
    // Session::lookupSearchText.
    virtual std::optional<PartChoice> pickPart(AppContext &context, QWidget *parent) = 0;
    // frm고객조회: customers by Session::customerSearchKind and customerSearchText; the
    // chosen customer's 고객코드.
    virtual std::optional<qint64> pickCustomer(AppContext &context, QWidget *parent) = 0;
    // frm고객조회2: the chosen value (Session::customerPickResult is set as well).
    virtual std::optional<QString> pickCustomerValue(AppContext &context, QWidget *parent) = 0;
    // frm주소: postal addresses whose 동면 contains Session::addressSearchText.
    virtual std::optional<AddressChoice> pickAddress(AppContext &context, QWidget *parent) = 0;
};
