#pragma once

#include "ListPrintRequest.h"
#include "PartMaintenanceSetup.h"
#include "PartStore.h"

#include <QWidget>

class Grid;
class QPushButton;
struct AppContext;

// frm부품등록 ("정비목록/내역 등록") and frm참조부품 ("부품단가등록(열람용)"): one grid with
// every item of a parts list, edited in place and stored at once; F4 deletes the active
// row; a button prints the list. The setup decides which list.
class FrmPartMaintenance : public QWidget
{
    Q_OBJECT
public:
    enum Column { Name = 1, Spec, Unit, FirstPrice, SecondPrice, Code };

    FrmPartMaintenance(AppContext &context, const PartMaintenanceSetup &setup,
                       QWidget *parent = nullptr);

    // Enables the print button.
    void setListPrinter(ListPrinter printer);

    Grid *grid() const { return m_grid; }
    const PartMaintenanceSetup &setup() const { return m_setup; }

    // 시작_데이타연결: the whole list from row 1, the first free row's name cell active.
    void fill();
    // 부품저장_수정: stores one grid row, as a new item or over the item of column 6.
    bool storeRow(bool isNew, int row);
    // F4: deletes the active row's item after the question.
    void deleteActiveRow();
    void printList();
    // 닫기: closes after the question.
    void askClose();

private:
    void onEditStarted(int col, int row);
    void onEditEnded(int col, int row, bool changed);
    void onKeyDown(int key, Qt::KeyboardModifiers modifiers, bool *consumed);
    void moveTo(int col, int row);
    PartRecord rowRecord(int row) const;

    AppContext &m_context;
    PartMaintenanceSetup m_setup;
    PartStore m_store;
    Grid *m_grid;
    QPushButton *m_print;
    QPushButton *m_close;
    ListPrinter m_printer;
    QString m_editCode; // 부품코드 of the row whose cell is being edited
    bool m_open = false;
};
