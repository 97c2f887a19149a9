#pragma once

#include "ListPrintRequest.h"
#include "PartStore.h"

#include <QList>
#include <QString>

// What makes the one parts-maintenance screen the shop's catalogue or its reference price
// list: the table, the names, the order of the two price columns, the column widths and
// the print-out.
struct PartMaintenanceSetup
{
    PartTable table = PartTable::Catalogue;
    QString objectName;
    QString caption;
    bool costFirst = false; // column 4 holds 매입단가 and column 5 판매단가
    QList<double> widths; // columns 1 to 5, in characters
    ListPrintRequest report;

    // frm부품등록 on 정비부품.
    static PartMaintenanceSetup catalogue()
    {
        PartMaintenanceSetup s;
        s.table = PartTable::Catalogue;
        s.objectName = QStringLiteral("frm부품등록");
        s.caption = QStringLiteral("정비목록/내역 등록");
        s.widths = {27, 18.75, 5.25, 11.5, 11.5};
        s.report = {QStringLiteral("C:\\voz\\RPT\\정비부품.RPT"),
                    QStringLiteral("{정비부품.부품명} <> ''"), QString()};
        return s;
    }

    // frm참조부품 on 참조부품.
    static PartMaintenanceSetup reference()
    {
        PartMaintenanceSetup s;
        s.table = PartTable::Reference;
        s.objectName = QStringLiteral("frm참조부품");
        s.caption = QStringLiteral("부품단가등록(열람용)");
        s.costFirst = true;
        s.widths = {25.5, 19.75, 5.5, 11.5, 11.75};
        s.report = {QStringLiteral("C:\\voz\\RPT\\부품가격표리스트.RPT"),
                    QStringLiteral("{참조부품.부품명} <> ''"), QString()};
        return s;
    }
};
