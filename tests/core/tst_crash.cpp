#include "Stores.h"
#include "TestShop.h"

#include <QProcess>
#include <QtTest>

// A writer killed in the middle of a stream of writes leaves stores that open, pass the
// integrity check, and hold every action it reported as committed.
class TestCrash : public QObject
{
    Q_OBJECT
private slots:
    void killedWriterLosesNoCommittedRow();
};

void TestCrash::killedWriterLosesNoCommittedRow()
{
    TestShop shop(false, false);
    QProcess writer;
    writer.start(QCoreApplication::applicationDirPath() + QStringLiteral("/crashwriter"),
                 {shop.root()});
    QVERIFY(writer.waitForStarted());
    QList<qint64> committed;
    QByteArray pending;
    while (committed.size() < 300) {
        QVERIFY2(writer.waitForReadyRead(30000), "the writer stopped writing");
        pending += writer.readAllStandardOutput();
        while (pending.contains('\n')) {
            const int end = pending.indexOf('\n');
            committed << pending.left(end).toLongLong();
            pending.remove(0, end + 1);
        }
    }
    writer.kill(); // SIGKILL: no clean shutdown, no checkpoint
    QVERIFY(writer.waitForFinished());
    pending += writer.readAllStandardOutput();
    for (const QByteArray &line : pending.split('\n')) {
        if (!line.isEmpty())
            committed << line.toLongLong();
    }

    ScriptedPrompter prompter;
    Stores stores(DataPaths::fromRoot(shop.root()));
    QVERIFY(stores.openBase(prompter));
    QVERIFY(stores.openMaintenance(prompter));
    QCOMPARE(stores.base().scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    QCOMPARE(stores.maintenance().scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    const qint64 last = committed.last();
    for (const char *sql : {"SELECT count(*) FROM 고객 WHERE 고객코드 <= ?",
                            "SELECT count(*) FROM 통장 WHERE Code <= ?",
                            "SELECT count(*) FROM 고객미수금 WHERE 고객코드 <= ?"}) {
        QCOMPARE(stores.base().scalar(QString::fromUtf8(sql), {last}).toLongLong(),
                 qint64(committed.size()));
    }
    QCOMPARE(stores.maintenance()
                     .scalar(QStringLiteral("SELECT count(*) FROM 정비내역 WHERE 고객코드 <= ?"),
                             {last})
                     .toLongLong(),
             qint64(committed.size()));
    QVERIFY(prompter.shown().isEmpty());
}

QTEST_MAIN(TestCrash)
#include "tst_crash.moc"
