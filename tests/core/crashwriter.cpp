// Writes customers and their service lines as fast as it can and reports each committed
// action on stdout; the crash test kills it in the middle.
#include "ScriptedPrompter.h"
#include "Stores.h"
#include "Transaction.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    ScriptedPrompter prompter;
    Stores stores(DataPaths::fromRoot(QString::fromLocal8Bit(argv[1])));
    QString error;
    if (!stores.createMissing(&error) || !stores.openBase(prompter)
        || !stores.openMaintenance(prompter)) {
        return 3;
    }
    Database &m = stores.maintenance();
    for (int i = 0;; ++i) {
        Transaction t(m);
        if (!m.exec(QStringLiteral("INSERT INTO 고객 (고객명, 차량번호) VALUES (?, ?)"),
                    {QStringLiteral("고객%1").arg(i), QStringLiteral("서울%1").arg(i)}))
            return 4;
        const qint64 code = m.lastInsertId();
        if (!m.exec(QStringLiteral("INSERT INTO 통장 VALUES (?, 0)"), {code})
            || !m.exec(QStringLiteral("INSERT INTO 정비내역 (고객코드, 정비일자, 부품명, 판매금액) "
                                      "VALUES (?, '2005.12.31', 'O''ring 교환', 15000)"),
                       {code})
            || !m.exec(QStringLiteral("INSERT INTO 고객미수금 (고객코드, 받을금액, 미수금) "
                                      "VALUES (?, 15000, 15000)"),
                       {code})
            || !t.commit()) {
            return 5;
        }
        std::printf("%lld\n", static_cast<long long>(code));
        std::fflush(stdout);
    }
}
