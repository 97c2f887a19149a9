#pragma once

#include <QString>

// One row of the postal-code list as the address look-up shows it.
struct PostalRecord
{
    QString postalCode;
    QString address; // 시도, 구군 and 동면, each followed by one blank
    QString lots;    // 번지
};
