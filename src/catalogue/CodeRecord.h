#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One row of 기타참조: a code text of one category.
struct CodeRecord
{
    qint64 id = 0;
    QString name;
    QString category; // gubun

    // The grid rows of the code screens: name, category, id.
    static QList<QStringList> gridRows(const QList<CodeRecord> &codes)
    {
        QList<QStringList> rows;
        rows.reserve(codes.size());
        for (const CodeRecord &code : codes)
            rows << QStringList{code.name, code.category, QString::number(code.id)};
        return rows;
    }
};
