#include "PasswordService.h"

#include "AppContext.h"
#include "Cursor.h"
#include "DataAccess.h"
#include "Prompter.h"
#include "Session.h"
#include "Stores.h"
#include "Transaction.h"

PasswordService::PasswordService(AppContext &context)
    : m_context(context)
{
}

bool PasswordService::open()
{
    Cursor table;
    return m_context.stores.openBase(m_context.prompter)
            && OpenTbl(m_context.prompter, m_context.stores.base(), table,
                       QStringLiteral("암호관리"));
}

bool PasswordService::confirmCurrent(const QString &current)
{
    Prompter &prompter = m_context.prompter;
    Database &base = m_context.stores.base();
    Cursor first;
    if (!OpenQuery(prompter, base, first,
                   QStringLiteral("select 암호 from 암호관리 order by rowid limit 1"))) {
        return false;
    }
    if (first.isEmpty() || first.value(0).isNull())
        return true;
    Cursor match;
    if (!OpenQuery(prompter, base, match,
                   QStringLiteral("select * from 암호관리 where 암호 = ? and 계정 = ?"),
                   {current, QStringLiteral("1")})) {
        return false;
    }
    if (match.isEmpty()) {
        ShowMsg(prompter, QStringLiteral("비밀번호가 일치하지 않습니다!."),
                QStringLiteral("비밀번호 오류"));
        return false;
    }
    return true;
}

bool PasswordService::save(const QString &newPassword)
{
    Database &base = m_context.stores.base();
    Transaction t(base);
    if (!base.exec(QStringLiteral("DELETE FROM 암호관리 WHERE 계정 = ?"), {QStringLiteral("1")})
        || !base.exec(QStringLiteral("INSERT INTO 암호관리 (계정, 암호) VALUES (?, ?)"),
                      {QStringLiteral("1"), newPassword})
        || !t.commit()) {
        t.rollback();
        ShowMsg(m_context.prompter, base.lastError(), QStringLiteral("Error"));
        return false;
    }
    m_context.session.loginPassword = newPassword;
    return true;
}
