#pragma once

#include <QString>

// One line of 정비내역: a service line (kind "1") or a payment (kind "2"). Amounts are whole
// won.
struct LedgerLine
{
    static QString paymentText() { return QStringLiteral("< 입금 >"); }
    // Amount cells hold at most 14 digits.
    static constexpr qint64 kMaxAmount = 99999999999999LL;

    qint64 lineCode = 0; // 정비코드, 0 while not stored
    qint64 customer = 0;
    qint64 partCode = 0;
    QString date;        // "yyyy.mm.dd"
    QString kind = QStringLiteral("1");
    QString text;        // 부품명
    QString spec;        // 규격
    qint64 price = 0;    // 판매단가
    qint64 quantity = 0; // 수량
    qint64 amount = 0;   // 금액 = price × quantity
    qint64 discount = 0; // 활인
    qint64 due = 0;      // 판매금액 = amount − discount
    qint64 paid = 0;     // 입금액
    qint64 mileage = 0;  // 주행
    QString mechanic;    // 정비담당

    bool isPayment() const { return kind == QLatin1String("2"); }
    // Every amount within what a cell and a column hold.
    bool amountsFit() const;
};

// The stored receivable summary of one customer (고객미수금).
struct ReceivableSummary
{
    qint64 amount = 0;   // 판매금액: sum of 금액
    qint64 discount = 0; // 할인: sum of 활인
    qint64 due = 0;      // 받을금액: sum of 판매금액
    qint64 paid = 0;     // 입금액
    qint64 balance = 0;  // 미수금 = due − paid

    bool operator==(const ReceivableSummary &) const = default;
};
