#include "Schema.h"

#include "Cursor.h"
#include "DataAccess.h"
#include "Database.h"
#include "Prompter.h"
#include "Transaction.h"

#include <QStringList>

namespace {

// Text columns hold '' for an empty value, amounts are whole won.
const char kText[] = "TEXT NOT NULL DEFAULT ''";
const char kNumber[] = "INTEGER NOT NULL DEFAULT 0";

QString text(int size = 0)
{
    return size > 0 ? QStringLiteral("TEXT(%1) NOT NULL DEFAULT ''").arg(size)
                    : QString::fromLatin1(kText);
}

const QString number = QString::fromLatin1(kNumber);

QString customerTable()
{
    return QStringLiteral("CREATE TABLE 고객 ("
                          "고객코드 INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "고객명 %1, 차량번호 %1, 차량명 %1, 차량색상 %1, 차량년식 %1, "
                          "보험회사 %1, 보험만기 %2, 검사만기 %2, 자택전화 %1, 직장전화 %1, "
                          "휴대폰 %1, 삐삐 %1, 소속회사 %1, 주민번호 %1, 등록일자 %2, "
                          "우편번호 %1, 주소 %3, 기타사항 %1)")
            .arg(text(50), text(10), text(100));
}

QString catalogueTable(const QString &name)
{
    return QStringLiteral("CREATE TABLE %1 ("
                          "부품코드 INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "부품명 %2, 규격 %2, 단위 %3, 판매단가 %4, 매입단가 %4)")
            .arg(name, text(30), text(5), number);
}

QString bankbookTable()
{
    return QStringLiteral("CREATE TABLE 통장 (Code INTEGER NOT NULL DEFAULT 0, "
                          "line INTEGER NOT NULL DEFAULT 0)");
}

QString memoTable()
{
    return QStringLiteral("CREATE TABLE 메모장 (고객코드 INTEGER NOT NULL DEFAULT 0, "
                          "메모 TEXT NOT NULL DEFAULT '')");
}

bool runAll(Database &db, const QStringList &statements)
{
    Transaction t(db);
    if (!t.isActive())
        return false;
    for (const QString &sql : statements) {
        if (!db.exec(sql))
            return false;
    }
    return t.commit();
}

struct IndexStep
{
    QString table;
    QString statement;
};

QList<IndexStep> baseIndexes()
{
    const auto step = [](const QString &name, const QString &table, const QString &columns) {
        return IndexStep{table, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                                        .arg(name, table, columns)};
    };
    return {
        step(QStringLiteral("IX_고객_고객명"), QStringLiteral("고객"), QStringLiteral("고객명")),
        step(QStringLiteral("IX_고객_소속회사"), QStringLiteral("고객"), QStringLiteral("소속회사")),
        step(QStringLiteral("IX_고객_보험만기"), QStringLiteral("고객"), QStringLiteral("보험만기")),
        step(QStringLiteral("IX_고객_검사만기"), QStringLiteral("고객"), QStringLiteral("검사만기")),
        step(QStringLiteral("IX_고객미수금_고객코드"), QStringLiteral("고객미수금"),
             QStringLiteral("고객코드")),
        step(QStringLiteral("IX_정비부품_부품명"), QStringLiteral("정비부품"), QStringLiteral("부품명")),
        step(QStringLiteral("IX_참조부품_부품명"), QStringLiteral("참조부품"), QStringLiteral("부품명")),
        step(QStringLiteral("IX_기타참조_gubun"), QStringLiteral("기타참조"),
             QStringLiteral("gubun, id")),
        step(QStringLiteral("IX_메모장_고객코드"), QStringLiteral("메모장"), QStringLiteral("고객코드")),
    };
}

} // namespace

bool Schema::createBase(Database &db)
{
    QStringList sql = {
        customerTable(),
        QStringLiteral("CREATE TABLE 고객미수금 (고객코드 %1, 판매금액 %1, 할인 %1, "
                       "받을금액 %1, 입금액 %1, 미수금 %1)")
                .arg(number),
        catalogueTable(QStringLiteral("정비부품")),
        catalogueTable(QStringLiteral("참조부품")),
        QStringLiteral("CREATE TABLE 기타참조 (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "name %1, gubun %1)")
                .arg(text(50)),
        bankbookTable(),
        QStringLiteral("CREATE INDEX PK ON 통장 (Code)"),
        QStringLiteral("CREATE TABLE 사용자등록 (코드 %1, 사용자명 %2, 정비업등록번호 %3, "
                       "사업자번호 %2, 대표자명 %2, 업태 %2, 업종 %2, 전화번호 %2, "
                       "팩스번호 %2, 우편번호 %2, 주소 %4)")
                .arg(number, text(50), text(30), text(100)),
        // 암호 may be Null in files brought from elsewhere; the program writes ''.
        QStringLiteral("CREATE TABLE 암호관리 (계정 %1, 암호 TEXT(50) DEFAULT '')").arg(text(50)),
        memoTable(),
        QStringLiteral("CREATE TABLE 안내장 (코드 %1, 안내장내역 %2)").arg(number, text()),
        QStringLiteral("CREATE TABLE 견적서 (부품명 %1, 규격 %1, 단위 %1, 단가 %2, 수량 %2, "
                       "금액 %2, 비고 %1)")
                .arg(text(50), number),
    };
    for (const IndexStep &index : baseIndexes())
        sql << index.statement;
    return runAll(db, sql);
}

bool Schema::createMaintenance(Database &db)
{
    QStringList sql = {
        QStringLiteral("CREATE TABLE 정비내역 (정비코드 INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "정비일자 %1, 구분 %2, 고객코드 %3, 부품코드 %3, 부품명 %4, 규격 %5, "
                       "판매단가 %3, 수량 %3, 금액 %3, 활인 %3, 판매금액 %3, 입금액 %3, "
                       "주행 %3, 정비담당 %5, 통장 %3, 상태 TEXT(1) NOT NULL DEFAULT 'A')")
                .arg(text(10), text(1), number, text(50), text(50)),
    };
    if (!runAll(db, sql))
        return false;
    return ensureMaintenanceIndexes(db);
}

bool Schema::createPostal(Database &db)
{
    // Postal codes come from outside; the columns may hold Null as well as ''.
    return runAll(db, {QStringLiteral("CREATE TABLE 우편번호 (우편번호 TEXT(60) DEFAULT '', "
                                      "시도 TEXT(60) DEFAULT '', 구군 TEXT(60) DEFAULT '', "
                                      "동면 TEXT(60) DEFAULT '', 번지 TEXT(60) DEFAULT '')"),
                       QStringLiteral("CREATE INDEX IF NOT EXISTS IX_우편번호_우편번호 "
                                      "ON 우편번호 (우편번호)")});
}

void Schema::addRegistrationNumber(Prompter &prompter, Database &db)
{
    DAO_AddField(prompter, db, QStringLiteral("사용자등록"), QStringLiteral("정비업등록번호"),
                 FieldType::Text, 30, true,
                 QStringLiteral("UPDATE 사용자등록 Set 정비업등록번호 = ''"));
}

bool Schema::ensureBankbookTable(Database &db)
{
    if (db.hasTable(QStringLiteral("통장")))
        return true;
    return runAll(db, {bankbookTable(), QStringLiteral("CREATE INDEX PK ON 통장 (Code)")});
}

void Schema::fillBankbookRows(Prompter &prompter, Database &db)
{
    Cursor customers;
    Cursor bankbook;
    if (!OpenTbl(prompter, db, customers, QStringLiteral("select 고객코드 from 고객"))
        || !OpenTbl(prompter, db, bankbook, QStringLiteral("select code from 통장"))) {
        return;
    }
    if (customers.isEmpty() || !bankbook.isEmpty())
        return;
    Transaction t(db);
    for (customers.moveFirst(); !customers.eof(); customers.moveNext()) {
        if (!db.exec(QStringLiteral("Insert into 통장 values(? , 0)"), {customers.value(0)})) {
            ShowMsg(prompter, db.lastError(), QStringLiteral("Error"));
            return;
        }
    }
    t.commit();
}

bool Schema::ensureMemoTable(Database &db)
{
    if (db.hasTable(QStringLiteral("메모장")))
        return true;
    return runAll(db, {memoTable()});
}

bool Schema::ensureBaseIndexes(Database &db)
{
    // An older store may lack one of the tables; its index comes with the table.
    QStringList sql;
    for (const IndexStep &index : baseIndexes()) {
        if (db.hasTable(index.table))
            sql << index.statement;
    }
    return runAll(db, sql);
}

void Schema::upgradeMaintenance(Prompter &prompter, Database &db)
{
    DAO_AddField(prompter, db, QStringLiteral("정비내역"), QStringLiteral("통장"), FieldType::Long, 0,
                 false, QStringLiteral("UPDATE 정비내역 Set 통장 = 0"));
    DAO_AddField(prompter, db, QStringLiteral("정비내역"), QStringLiteral("상태"), FieldType::Text, 1,
                 true, QStringLiteral("UPDATE 정비내역 Set 상태 = 'A'"));
    ensureMaintenanceIndexes(db);
}

bool Schema::ensureMaintenanceIndexes(Database &db)
{
    if (!db.hasTable(QStringLiteral("정비내역")))
        return false;
    return runAll(db, {
            QStringLiteral("CREATE INDEX IF NOT EXISTS IX_정비내역_고객 "
                           "ON 정비내역 (고객코드, 정비일자, 정비코드)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS IX_정비내역_정비일자 "
                           "ON 정비내역 (정비일자, 정비코드)"),
    });
}
