#pragma once

#include <QString>
#include <QStringList>

class PageModel;
class TestShop;

// Helpers the report tests share: fixture templates put into the shop's own report folder,
// rows of sample data, and text pulled out of PDF files.
namespace ReportTestTools {
// Copies tests/reports/fixtures/<name>.json into the shop's RPT folder.
void installFixture(TestShop &shop, const QString &name);
void writeTemplate(TestShop &shop, const QString &name, const QByteArray &json);
qint64 addPart(TestShop &shop, const QString &table, const QString &name, qint64 price,
               const QString &spec = QString(), const QString &unit = QString());
qint64 addLine(TestShop &shop, qint64 customer, const QString &date, const QString &name,
               qint64 amount, qint64 paid = 0);
void setReceivable(TestShop &shop, qint64 customer, qint64 balance);
void addShopRecord(TestShop &shop);
// All texts of all pages in painting order.
QStringList allTexts(const PageModel &model);
// pdftotext's output with all white space removed; pdftotext drops word spaces in
// NanumGothic. Empty when pdftotext is missing.
QString pdfText(const QString &path);
bool havePdfToText();
int pdfPages(const QString &path);
} // namespace ReportTestTools
