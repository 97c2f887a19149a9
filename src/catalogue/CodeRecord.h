#pragma once

#include <QString>

// One row of 기타참조: a code text of one category.
struct CodeRecord
{
    qint64 id = 0;
    QString name;
    QString category; // gubun
};
