#include "ShopInfoService.h"

#include "AppContext.h"
#include "Cursor.h"
#include "DataAccess.h"
#include "Database.h"
#include "PostalStore.h"
#include "Prompter.h"
#include "Stores.h"
#include "Transaction.h"

ShopInfoService::ShopInfoService(AppContext &context)
    : m_context(context)
{ }

QStringList ShopInfoService::columns()
{
    return {QStringLiteral("사용자명"), QStringLiteral("사업자번호"),
            QStringLiteral("대표자명"), QStringLiteral("업태"),
            QStringLiteral("업종"),     QStringLiteral("전화번호"),
            QStringLiteral("팩스번호"), QStringLiteral("우편번호"),
            QStringLiteral("주소"),     QStringLiteral("정비업등록번호")};
}

bool ShopInfoService::open()
{
    return m_context.stores.openBase(m_context.prompter);
}

bool ShopInfoService::isEmpty()
{
    const QVariant count
            = m_context.stores.base().scalar(QStringLiteral("select count(*) from 사용자등록"));
    return count.toInt() == 0;
}

QStringList ShopInfoService::load(int *rowCode)
{
    QStringList fields(kFieldCount);
    *rowCode = kNoRow;
    Cursor row;
    if (!OpenTbl(m_context.prompter, m_context.stores.base(), row,
                 QStringLiteral("select * from 사용자등록 order by rowid limit 1"))
        || row.isEmpty()) {
        return fields;
    }
    const QStringList names = columns();
    for (int i = 0; i < kFieldCount; ++i)
        fields[i] = row.text(names.at(i));
    *rowCode = row.value(QStringLiteral("코드")).toInt();
    return fields;
}

bool ShopInfoService::save(const QStringList &fields, int rowCode)
{
    Database &db = m_context.stores.base();
    QStringList values = fields;
    values.resize(kFieldCount);

    Transaction transaction(db);
    bool ok = true;
    if (rowCode == kRowCode) {
        const QStringList names = columns();
        QStringList assignments;
        for (const QString &name : names)
            assignments << name + QStringLiteral(" = ?");
        QVariantList params;
        for (const QString &value : values)
            params << value;
        params << kRowCode;
        ok = db.exec(QStringLiteral("update 사용자등록 set ")
                             + assignments.join(QStringLiteral(", "))
                             + QStringLiteral(" where 코드 = ?"),
                     params);
        // The row may have gone meanwhile; what was typed is then kept as the new row.
        if (ok && rowCount(kRowCode) == 0)
            ok = replaceRow(values);
    } else {
        ok = replaceRow(values);
    }
    if (ok)
        ok = transaction.commit();
    if (!ok) {
        ShowMsg(m_context.prompter,
                QStringLiteral("사용자정보를 저장하지 못했습니다.\n") + db.lastError());
    }
    return ok;
}

int ShopInfoService::rowCount(int code)
{
    return m_context.stores.base()
            .scalar(QStringLiteral("select count(*) from 사용자등록 where 코드 = ?"), {code})
            .toInt();
}

bool ShopInfoService::replaceRow(const QStringList &fields)
{
    Database &db = m_context.stores.base();
    if (!db.exec(QStringLiteral("delete from 사용자등록")))
        return false;
    const QStringList names = columns();
    QVariantList params {kRowCode};
    for (const QString &value : fields)
        params << value;
    return db.exec(QStringLiteral("insert into 사용자등록 (코드, ")
                           + names.join(QStringLiteral(", "))
                           + QStringLiteral(") values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   params);
}

QList<ShopInfoService::Postal> ShopInfoService::searchAddress(const QString &typed)
{
    QList<Postal> found;
    const auto rows = PostalStore(m_context.stores, m_context.prompter)
                              .search(PostalStore::By::Town, typed);
    for (const AddressChoice &row : rows)
        found << Postal{row.postalCode, row.address};
    return found;
}
