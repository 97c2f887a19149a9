#pragma once

#include "ReportField.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

struct ReportContext;

// The expression inside a template placeholder, e.g.
//   정비내역.부품명          a column of the current record
//   @발행일자               a formula value handed in by the screen
//   사용자등록.사용자명       the shop's own record
//   page, pages, today, workdate, rownum
//   sum(정비내역.판매금액), count(), min(x), max(x), avg(x), runningSum(x)
//   정비내역.수량 * 정비내역.판매단가, @전미수 + runningSum(정비내역.판매금액 - 정비내역.입금액)
// Arithmetic reads texts such as "1,234" as numbers; '+' joins texts that are no numbers.
class ReportExpression
{
public:
    struct Node;

    ReportExpression() = default;
    static ReportExpression parse(const QString &text, QString *error);

    bool isNull() const { return !m_root; }
    QVariant evaluate(const ReportContext &context) const;

    QString text() const { return m_text; }
    QList<ReportField> fields() const;
    QStringList formulas() const;
    // page or pages: known only once the record's page is decided.
    bool usesPages() const;
    bool usesAggregate() const;

private:
    QString m_text;
    std::shared_ptr<const Node> m_root;
};
