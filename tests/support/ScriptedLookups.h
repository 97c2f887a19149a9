#pragma once

#include "Lookups.h"

#include <QStringList>

#include <functional>

// Answers the look-ups of a screen under test: each answer is a function that may look at
// the Session the opener prepared and returns the choice (or nullopt for "closed without a
// choice"). Every opening is recorded with the Session values it saw.
class ScriptedLookups : public Lookups
{
public:
    struct Opened
    {
        QString which; // "code", "part", "customer", "customerValue", "address"
        QString searchText;
        QString category;
        QString popupCaller;
        int ledgerRow = 0;
    };

    std::function<std::optional<QString>(AppContext &)> onCode;
    std::function<std::optional<PartChoice>(AppContext &)> onPart;
    std::function<std::optional<qint64>(AppContext &)> onCustomer;
    std::function<std::optional<QString>(AppContext &)> onCustomerValue;
    std::function<std::optional<AddressChoice>(AppContext &)> onAddress;

    std::optional<QString> pickCode(AppContext &context, QWidget *parent) override;
    std::optional<PartChoice> pickPart(AppContext &context, QWidget *parent) override;
    std::optional<qint64> pickCustomer(AppContext &context, QWidget *parent) override;
    std::optional<QString> pickCustomerValue(AppContext &context, QWidget *parent) override;
    std::optional<AddressChoice> pickAddress(AppContext &context, QWidget *parent) override;

    const QList<Opened> &opened() const { return m_opened; }
    QStringList openedKinds() const;
    void clear() { m_opened.clear(); }

private:
    void record(const QString &which, AppContext &context);
    QList<Opened> m_opened;
};
