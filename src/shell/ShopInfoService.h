#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct AppContext;

// The shop's own record, the one row of 사용자등록, and the postal-code search that helps
// typing its address.
class ShopInfoService
{
public:
    static constexpr int kFieldCount = 10;
    static constexpr int kRowCode = 9999; // the code the row is kept under
    static constexpr int kNoRow = 9998; // what the screen holds when no row was loaded

    struct Postal
    {
        QString postalCode;
        QString address; // 시도, 구군 and 동면, each followed by one space
    };

    explicit ShopInfoService(AppContext &context);

    // The column of each entry field, in field order.
    static QStringList columns();

    // Opens the base store; false after its message.
    bool open();
    // True when the table holds no row (or cannot be read).
    bool isEmpty();
    // The first row's values in field order and its code; rowCode kNoRow and empty texts
    // when there is none.
    QStringList load(int *rowCode);
    // Writes the row: in place when rowCode is kRowCode, otherwise as the only row.
    // False after a message when the store refused.
    bool save(const QStringList &fields, int rowCode);

    // Postal codes whose 동면 contains the typed text, by postal code.
    QList<Postal> searchAddress(const QString &typed);

private:
    bool replaceRow(const QStringList &fields);
    int rowCount(int code);

    AppContext &m_context;
};
