#include "ReportTestTools.h"

#include "PageModel.h"
#include "TestShop.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace ReportTestTools {

void installFixture(TestShop &shop, const QString &name)
{
    const QString dir = shop.session().paths.reportDir;
    QDir().mkpath(dir);
    const QString target = dir + QLatin1Char('/') + name + QStringLiteral(".json");
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(TORVIK_REPORT_FIXTURES) + QLatin1Char('/') + name
                             + QStringLiteral(".json"),
                     target)) {
        qFatal("installFixture: cannot copy %s", qPrintable(name));
    }
}

void writeTemplate(TestShop &shop, const QString &name, const QByteArray &json)
{
    const QString dir = shop.session().paths.reportDir;
    QDir().mkpath(dir);
    QFile f(dir + QLatin1Char('/') + name + QStringLiteral(".json"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("writeTemplate: cannot write %s", qPrintable(name));
    f.write(json);
}

qint64 addPart(TestShop &shop, const QString &table, const QString &name, qint64 price,
               const QString &spec, const QString &unit)
{
    Database &db = shop.base();
    // A null QString would be bound as Null; the stores keep '' for an empty text.
    if (!db.exec(QStringLiteral("INSERT INTO %1 (부품명, 규격, 단위, 판매단가, 매입단가) "
                                "VALUES (?, ?, ?, ?, ?)")
                         .arg(table),
                 {name, spec.isNull() ? QStringLiteral("") : spec,
                  unit.isNull() ? QStringLiteral("") : unit, price, price / 2})) {
        qFatal("addPart: %s", qPrintable(db.lastError()));
    }
    return db.lastInsertId();
}

qint64 addLine(TestShop &shop, qint64 customer, const QString &date, const QString &name,
               qint64 amount, qint64 paid)
{
    Database &db = shop.maintenance();
    if (!db.exec(QStringLiteral(
                         "INSERT INTO 정비내역 (정비일자, 구분, 고객코드, 부품명, 수량, "
                         "판매단가, 금액, 판매금액, 입금액) VALUES (?, ?, ?, ?, 1, ?, ?, ?, ?)"),
                 {date, paid ? QStringLiteral("2") : QStringLiteral("1"), customer, name, amount,
                  amount, amount, paid})) {
        qFatal("addLine: %s", qPrintable(db.lastError()));
    }
    return db.lastInsertId();
}

void setReceivable(TestShop &shop, qint64 customer, qint64 balance)
{
    shop.base().exec(QStringLiteral("DELETE FROM 고객미수금 WHERE 고객코드 = ?"), {customer});
    shop.base().exec(QStringLiteral("INSERT INTO 고객미수금 (고객코드, 미수금) VALUES (?, ?)"),
                     {customer, balance});
}

void addShopRecord(TestShop &shop)
{
    shop.base().exec(QStringLiteral("INSERT INTO 사용자등록 (코드, 사용자명, 대표자명, 전화번호) "
                                    "VALUES (9999, ?, ?, ?)"),
                     {QStringLiteral("한빛 카센터"), QStringLiteral("김한빛"),
                      QStringLiteral("02-2345-6789")});
}

QStringList allTexts(const PageModel &model)
{
    QStringList out;
    for (int p = 0; p < model.pageCount(); ++p)
        out << model.texts(p);
    return out;
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return QString();
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    // NanumGothic's blank comes out of pdftotext as U+0001, if at all.
    text.remove(QRegularExpression(QStringLiteral("[\\s\\x{0}-\\x{1f}]")));
    return text;
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(30000))
        return -1;
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace ReportTestTools
