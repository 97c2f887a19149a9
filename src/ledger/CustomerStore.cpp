#include "CustomerStore.h"

#include "Cursor.h"
#include "LikePattern.h"
#include "Stores.h"
#include "TextUtil.h"
#include "Transaction.h"

#include <QSqlQuery>

namespace {

// The columns of 고객 other than the key, as (column, field) pairs; 차량번호 and 주민번호
// are composed from two fields each.
const char kColumns[] = "고객명, 차량번호, 차량명, 차량색상, 보험회사, 보험만기, 자택전화, 소속회사, "
                        "검사만기, 직장전화, 주민번호, 등록일자, 휴대폰, 우편번호, 주소, 삐삐, 기타사항";

QVariantList values(const CustomerRecord &r)
{
    using F = CustomerRecord;
    return {r[F::Name],        r.vehicle(),         r[F::Model],      r[F::Colour],
            r[F::Insurer],     r[F::InsuranceExpiry], r[F::HomePhone], r[F::Company],
            r[F::InspectionExpiry], r[F::WorkPhone], r.residentNumber(), r[F::Registered],
            r[F::Mobile],      r[F::PostalCode],    r[F::Address],    r[F::Pager],
            r[F::Remarks]};
}

CustomerRecord fromQuery(const QSqlQuery &q)
{
    using F = CustomerRecord;
    CustomerRecord r;
    r.code = q.value(0).toLongLong();
    const auto text = [&q](int i) { return NullToStr(q.value(i)); };
    r[F::Name] = text(1);
    r.setVehicle(text(2));
    r[F::Model] = text(3);
    r[F::Colour] = text(4);
    r[F::Insurer] = text(5);
    r[F::InsuranceExpiry] = text(6);
    r[F::HomePhone] = text(7);
    r[F::Company] = text(8);
    r[F::InspectionExpiry] = text(9);
    r[F::WorkPhone] = text(10);
    r.setResidentNumber(text(11));
    r[F::Registered] = text(12);
    r[F::Mobile] = text(13);
    r[F::PostalCode] = text(14);
    r[F::Address] = text(15);
    r[F::Pager] = text(16);
    r[F::Remarks] = text(17);
    return r;
}

QString selectColumns()
{
    return QStringLiteral("SELECT 고객코드, ") + QString::fromUtf8(kColumns)
            + QStringLiteral(" FROM 고객 ");
}

} // namespace

CustomerStore::CustomerStore(Stores &stores)
    : m_stores(stores)
{
}

QStringList CustomerStore::searchKinds()
{
    return {QStringLiteral("차량번호"), QStringLiteral("고객명"), QStringLiteral("자택전화"),
            QStringLiteral("직장전화"), QStringLiteral("휴대폰")};
}

QString CustomerStore::columnForKind(const QString &kind)
{
    // The kinds are the column names themselves; anything else is refused rather than
    // put into a statement.
    return searchKinds().contains(kind) ? kind : QString();
}

std::optional<QList<CustomerRecord>> CustomerStore::search(const QString &kind,
                                                            const QString &word, int limit)
{
    const QString column = columnForKind(kind);
    if (column.isEmpty()) {
        m_lastError = QStringLiteral("알 수 없는 검색 종류입니다: %1").arg(kind);
        return std::nullopt;
    }
    Database &db = m_stores.base();
    auto q = db.query(selectColumns() + QStringLiteral("WHERE ") + column
                              + LikePattern::likeClause()
                              + QStringLiteral(" ORDER BY 고객코드 LIMIT ?"),
                      {LikePattern::contains(word), limit});
    if (!q) {
        m_lastError = db.lastError();
        return std::nullopt;
    }
    QList<CustomerRecord> found;
    while (q->next())
        found << fromQuery(*q);
    return found;
}

std::optional<CustomerRecord> CustomerStore::load(qint64 code)
{
    Database &db = m_stores.base();
    auto q = db.query(selectColumns() + QStringLiteral("WHERE 고객코드 = ?"), {code});
    if (!q) {
        m_lastError = db.lastError();
        return std::nullopt;
    }
    if (!q->next()) {
        m_lastError.clear();
        return std::nullopt;
    }
    return fromQuery(*q);
}

bool CustomerStore::isDuplicateVehicle(const QString &vehicle, qint64 updatingCode)
{
    Database &db = m_stores.base();
    if (updatingCode != 0) {
        const QString stored = NullToStr(
                db.scalar(QStringLiteral("SELECT 차량번호 FROM 고객 WHERE 고객코드 = ?"),
                          {updatingCode}));
        return db.scalar(QStringLiteral("SELECT count(*) FROM 고객 "
                                        "WHERE 차량번호 <> ? AND 차량번호 = ?"),
                         {stored, vehicle})
                       .toLongLong()
                > 0;
    }
    return db.scalar(QStringLiteral("SELECT count(*) FROM 고객 WHERE 차량번호 = ?"), {vehicle})
                   .toLongLong()
            > 0;
}

qint64 CustomerStore::insert(const CustomerRecord &record)
{
    Database &db = m_stores.base();
    Transaction t(db);
    if (!t.isActive()) {
        m_lastError = db.lastError();
        return 0;
    }
    const QString placeholders = QStringLiteral("?, ").repeated(16) + QStringLiteral("?");
    if (!db.exec(QStringLiteral("INSERT INTO 고객 (%1) VALUES (%2)")
                         .arg(QString::fromUtf8(kColumns), placeholders),
                 values(record))) {
        m_lastError = db.lastError();
        return 0;
    }
    const qint64 code = db.lastInsertId();
    if (!db.exec(QStringLiteral("INSERT INTO 통장 VALUES (?, 0)"), {code})
        || !db.exec(QStringLiteral("INSERT INTO 고객미수금 VALUES (?, 0, 0, 0, 0, 0)"), {code})
        || !t.commit()) {
        m_lastError = db.lastError();
        return 0;
    }
    return code;
}

CustomerStore::UpdateResult CustomerStore::update(const CustomerRecord &record)
{
    Database &db = m_stores.base();
    QString assignments = QString::fromUtf8(kColumns);
    assignments.replace(QStringLiteral(", "), QStringLiteral(" = ?, "));
    assignments += QStringLiteral(" = ?");
    QVariantList params = values(record);
    params << record.code;
    auto q = db.query(QStringLiteral("UPDATE 고객 SET %1 WHERE 고객코드 = ?").arg(assignments),
                      params);
    if (!q) {
        m_lastError = db.lastError();
        return UpdateResult::Failed;
    }
    return q->numRowsAffected() > 0 ? UpdateResult::Updated : UpdateResult::Missing;
}

bool CustomerStore::remove(qint64 code)
{
    // The maintenance store sees the base tables too, so the four deletes are one
    // transaction there: either all of them happen or none.
    Database &db = m_stores.maintenance();
    Transaction t(db);
    const bool ok = t.isActive()
            && db.exec(QStringLiteral("DELETE FROM base.고객 WHERE 고객코드 = ?"), {code})
            && db.exec(QStringLiteral("DELETE FROM base.고객미수금 WHERE 고객코드 = ?"), {code})
            && db.exec(QStringLiteral("DELETE FROM base.통장 WHERE Code = ?"), {code})
            && db.exec(QStringLiteral("DELETE FROM 정비내역 WHERE 고객코드 = ?"), {code})
            && t.commit();
    if (!ok)
        m_lastError = db.lastError();
    return ok;
}
