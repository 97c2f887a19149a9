#pragma once

#include "DialogRunner.h"
#include "ListPrintRequest.h"
#include "Lookups.h"

#include <functional>

// The look-up windows of the application: frm기타자료조회, frm정비부품조회, frm고객조회,
// frm고객조회2 and frm주소, each run as a modal window over its opener. Tests hand in a
// runner that drives the windows instead of exec().
class CatalogueLookups : public Lookups
{
public:
    CatalogueLookups() = default;

    // How every look-up window and its own dialogs are run (exec by default).
    void setDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }
    // The customer look-up's print button works once a printer is given.
    void setListPrinter(ListPrinter printer) { m_printer = std::move(printer); }

    std::optional<QString> pickCode(AppContext &context, QWidget *parent) override;
    std::optional<PartChoice> pickPart(AppContext &context, QWidget *parent) override;
    std::optional<qint64> pickCustomer(AppContext &context, QWidget *parent) override;
    std::optional<QString> pickCustomerValue(AppContext &context, QWidget *parent) override;
    std::optional<AddressChoice> pickAddress(AppContext &context, QWidget *parent) override;

    // The address list as the shop-information screen takes it: reads
    // Session::addressSearchText, fills postalCode and address with the choice and answers
    // whether there was one. The list opens over the active window.
    std::function<bool(AppContext &, QString &postalCode, QString &address)> addressLookup();

private:
    DialogRunner m_runner = execDialog();
    ListPrinter m_printer;
};
