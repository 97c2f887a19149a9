#pragma once

#include "DialogRunner.h"
#include "Lookups.h"
#include "PartStore.h"

#include <QDialog>

#include <optional>

class Grid;
class QPushButton;
struct AppContext;

// frm정비부품조회: the catalogue items whose name begins with Session::lookupSearchText, by
// name. A double click or Enter picks the active item; F2 adds an item and F3 changes one
// through frm부품수정. With PopupCaller "333" (the maintenance statement) the picked name is
// also handed back in Session::lookupSearchText, empty when nothing was picked.
class FrmPartPick : public QDialog
{
    Q_OBJECT
public:
    enum Column { Name = 1, Spec, Unit, Price, Cost, Code };

    explicit FrmPartPick(AppContext &context, QWidget *parent = nullptr);

    // How frm부품수정 is run (exec by default).
    void setDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }

    // The load: opens the store and lists the items; false when the store does not open.
    bool load();

    Grid *grid() const { return m_grid; }
    std::optional<PartChoice> choice() const { return m_choice; }

    void pick(int row);
    void addPart(); // F2, 신규(&S)
    void changePart(); // F3, 수정(&E)

    void done(int result) override;

private:
    void showParts(const QList<PartRecord> &parts);
    bool runEdit(const QString &caption, const QStringList &values);
    PartRecord fromBuffer(qint64 code) const;

    AppContext &m_context;
    PartStore m_store;
    DialogRunner m_runner = execDialog();
    Grid *m_grid;
    QPushButton *m_new;
    QPushButton *m_change;
    QPushButton *m_exit;
    std::optional<PartChoice> m_choice;
};
