#pragma once

#include "Lookups.h"

#include <QList>

class Prompter;
class Stores;

// The postal-code directory (우편번호), read only. Addresses are given as 시도, 구군 and
// 동면, each followed by one space, so the user goes on typing the house number.
class PostalStore
{
public:
    enum class By { Town, PostalCode };

    PostalStore(Stores &stores, Prompter &prompter);

    // Rows whose 동면 (or postal code) contains the typed text, by postal code. Empty after
    // a message when the store cannot be read.
    QList<AddressChoice> search(By by, const QString &typed);

    static QString addressText(const QVariant &province, const QVariant &district,
                               const QVariant &town);

private:
    Stores &m_stores;
    Prompter &m_prompter;
};
