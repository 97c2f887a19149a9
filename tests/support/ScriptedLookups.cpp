#include "ScriptedLookups.h"

#include "AppContext.h"
#include "Session.h"

void ScriptedLookups::record(const QString &which, AppContext &context)
{
    const Session &s = context.session;
    QString search = s.lookupSearchText;
    if (which == QLatin1String("customer") || which == QLatin1String("customerValue"))
        search = s.customerSearchText;
    else if (which == QLatin1String("address"))
        search = s.addressSearchText;
    m_opened << Opened{which, search, s.codeCategory, s.popupCaller, s.ledgerCurrentRow};
}

std::optional<QString> ScriptedLookups::pickCode(AppContext &context, QWidget *)
{
    record(QStringLiteral("code"), context);
    return onCode ? onCode(context) : std::nullopt;
}

std::optional<PartChoice> ScriptedLookups::pickPart(AppContext &context, QWidget *)
{
    record(QStringLiteral("part"), context);
    return onPart ? onPart(context) : std::nullopt;
}

std::optional<qint64> ScriptedLookups::pickCustomer(AppContext &context, QWidget *)
{
    record(QStringLiteral("customer"), context);
    return onCustomer ? onCustomer(context) : std::nullopt;
}

std::optional<QString> ScriptedLookups::pickCustomerValue(AppContext &context, QWidget *)
{
    record(QStringLiteral("customerValue"), context);
    return onCustomerValue ? onCustomerValue(context) : std::nullopt;
}

std::optional<AddressChoice> ScriptedLookups::pickAddress(AppContext &context, QWidget *)
{
    record(QStringLiteral("address"), context);
    return onAddress ? onAddress(context) : std::nullopt;
}

QStringList ScriptedLookups::openedKinds() const
{
    QStringList out;
    for (const Opened &o : m_opened)
        out << o.which;
    return out;
}
