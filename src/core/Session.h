#pragma once

#include "DataPaths.h"

#include <QString>
#include <QStringList>

#include <functional>

// The values screens hand to each other: set just before a look-up opens and read back
// after it closes. One instance lives as long as the application and is passed by
// reference; nothing here is a global.
class Session
{
public:
    QString applicationTitle = QStringLiteral("Torvik");
    DataPaths paths;

    QString workDate;           // "yyyy.mm.dd", default date of new entries
    QString loginPassword;      // what was accepted at login or set by a password change
    bool loginSucceeded = false;
    bool backupStarted = false; // the backup tool was started; closing asks nothing more

    qint64 curCustomerCode = 0; // customer on the ledger screen, 0 = none
    QString customerSearchKind;
    QString customerSearchText;
    QString customerPickResult;
    QString popupCaller;        // "1" ledger, "2" shop information, "111"/"333" statement
    QString addressSearchText;
    QString lookupSearchText;
    int ledgerCurrentRow = 0;
    QString codeCategory;
    QString codeEntryText;
    QStringList partEditBuffer; // name, 규격, unit, selling price, purchase price
    QString paymentSuggestion;  // current balance as "#,###"

    QString shopName;           // 사용자등록.사용자명, shown in the status bar

    // The main window's status bar, installed by the main window (empty without one).
    // Screens write their help line with setHelpLine and call statusChanged after they
    // changed workDate or shopName.
    std::function<void(const QString &)> helpLineSink;
    std::function<void()> statusSink;

    void setHelpLine(const QString &text) const
    {
        if (helpLineSink)
            helpLineSink(text);
    }
    void statusChanged() const
    {
        if (statusSink)
            statusSink();
    }
};
