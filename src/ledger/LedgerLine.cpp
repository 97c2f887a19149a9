#include "LedgerLine.h"

#include <cstdlib>

bool LedgerLine::amountsFit() const
{
    for (const qint64 v : {price, amount, discount, due, paid}) {
        if (v > kMaxAmount || v < -kMaxAmount)
            return false;
    }
    return quantity <= 99999 && quantity >= -99999 && mileage <= 999999 && mileage >= -999999;
}
