#include "CatalogueLookups.h"

#include "AppContext.h"
#include "FrmAddress.h"
#include "FrmCodePick.h"
#include "FrmCustomerPick.h"
#include "FrmCustomerPick2.h"
#include "FrmPartPick.h"
#include "Session.h"

#include <QApplication>

std::optional<QString> CatalogueLookups::pickCode(AppContext &context, QWidget *parent)
{
    FrmCodePick pick(context, parent);
    pick.setDialogRunner(m_runner);
    if (!pick.load())
        return std::nullopt;
    m_runner(pick);
    return pick.choice();
}

std::optional<PartChoice> CatalogueLookups::pickPart(AppContext &context, QWidget *parent)
{
    FrmPartPick pick(context, parent);
    pick.setDialogRunner(m_runner);
    if (!pick.load()) {
        if (context.session.popupCaller == QLatin1String("333"))
            context.session.lookupSearchText.clear();
        return std::nullopt;
    }
    m_runner(pick);
    return pick.choice();
}

std::optional<qint64> CatalogueLookups::pickCustomer(AppContext &context, QWidget *parent)
{
    FrmCustomerPick pick(context, parent);
    pick.setListPrinter(m_printer);
    // Without the store the look-up still opens, on its empty list.
    pick.load();
    m_runner(pick);
    return pick.choice();
}

std::optional<QString> CatalogueLookups::pickCustomerValue(AppContext &context, QWidget *parent)
{
    FrmCustomerPick2 pick(context, parent);
    pick.load();
    m_runner(pick);
    return pick.choice();
}

std::optional<AddressChoice> CatalogueLookups::pickAddress(AppContext &context, QWidget *parent)
{
    FrmAddress address(context, parent);
    if (address.search() != FrmAddress::Found::Several)
        return address.choice();
    m_runner(address);
    return address.choice();
}

std::function<bool(AppContext &, QString &, QString &)> CatalogueLookups::addressLookup()
{
    return [this](AppContext &context, QString &postalCode, QString &address) {
        const std::optional<AddressChoice> chosen
                = pickAddress(context, QApplication::activeWindow());
        if (!chosen)
            return false;
        postalCode = chosen->postalCode;
        address = chosen->address;
        return true;
    };
}
