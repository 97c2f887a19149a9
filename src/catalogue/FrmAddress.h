#pragma once

#include "Lookups.h"

#include <QDialog>

#include <optional>

class Grid;
class QPushButton;
struct AppContext;

// frm주소 ("주소조회"): the postal addresses whose 동면 contains Session::addressSearchText.
// With no match it says so and closes; with one it hands that one back without showing a
// list; with several the user picks. The choice goes back to the ledger (PopupCaller "1")
// or the shop information ("2"); for any other caller nothing is handed back.
class FrmAddress : public QDialog
{
    Q_OBJECT
public:
    enum Column { PostalCode = 1, Address, Lots };
    enum class Found { Nothing, One, Several };

    explicit FrmAddress(AppContext &context, QWidget *parent = nullptr);

    // 주소검색: opens the postal store and searches. Nothing and One are finished (the
    // window need not be shown); Several fills the list.
    Found search();

    Grid *grid() const { return m_grid; }
    std::optional<AddressChoice> choice() const { return m_choice; }

    // 주소선택
    void pick(int row);

private:
    bool handsBack() const;

    AppContext &m_context;
    Grid *m_grid;
    QPushButton *m_ok;
    QPushButton *m_exit;
    std::optional<AddressChoice> m_choice;
};
