#pragma once

#include <QString>

// One item of a parts list (정비부품 or 참조부품); prices in whole won.
struct PartRecord
{
    qint64 code = 0; // 부품코드, 0 for an item not stored yet
    QString name;
    QString spec;
    QString unit;
    qint64 price = 0; // 판매단가
    qint64 cost = 0; // 매입단가
};
