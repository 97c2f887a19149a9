#pragma once

#include "CodeStore.h"
#include "DialogRunner.h"

#include <QDialog>

#include <optional>

class Grid;
class QPushButton;
struct AppContext;

// frm기타자료조회 ("기타참조(F2 = 신규 , F3 = 수정)"): the codes of Session::codeCategory
// whose name begins with Session::lookupSearchText, by name. A double click or Enter picks
// a name; F2 adds a code and F3 renames one through frm참조.
class FrmCodePick : public QDialog
{
    Q_OBJECT
public:
    enum Column { Name = 1, Category, Id };

    explicit FrmCodePick(AppContext &context, QWidget *parent = nullptr);

    // How frm참조 is run (exec by default).
    void setDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }

    // The load: opens the store and lists the codes; false when the store does not open.
    bool load();

    Grid *grid() const { return m_grid; }
    QString category() const { return m_category; }
    // The picked name (it may be empty); nullopt when closed without a pick.
    std::optional<QString> choice() const { return m_choice; }

    void pick(int row);
    void addCode(); // F2, 신규(&S)
    void renameCode(); // F3, 수정(&E)

private:
    void list(const QString &category, const QString &prefix);
    int runEntry(const QString &caption, const QString &text);

    AppContext &m_context;
    CodeStore m_store;
    DialogRunner m_runner = execDialog();
    Grid *m_grid;
    QPushButton *m_new;
    QPushButton *m_change;
    QPushButton *m_exit;
    QString m_category;
    std::optional<QString> m_choice;
};
