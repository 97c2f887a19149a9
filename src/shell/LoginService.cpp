#include "LoginService.h"

#include "AppContext.h"
#include "Cursor.h"
#include "DataAccess.h"
#include "Prompter.h"
#include "Schema.h"
#include "Session.h"
#include "Stores.h"

LoginService::LoginService(AppContext &context)
    : m_context(context)
{
}

bool LoginService::prepare()
{
    Prompter &prompter = m_context.prompter;
    Stores &stores = m_context.stores;
    m_prepared = false;

    // A first start finds no stores: they are made complete before anything opens them.
    QString error;
    if (!stores.createMissing(&error)) {
        ShowMsg(prompter, error, QStringLiteral("Error"));
        return false;
    }
    if (!stores.openBase(prompter))
        return false;
    Database &base = stores.base();
    Schema::addRegistrationNumber(prompter, base);
    if (!Schema::ensureBankbookTable(base)) {
        ShowMsg(prompter, base.lastError(), QStringLiteral("Error"));
        return false;
    }
    Schema::fillBankbookRows(prompter, base);

    Cursor passwords;
    Cursor shop;
    if (!OpenTbl(prompter, base, passwords,
                 QStringLiteral("select 계정, 암호 from 암호관리 order by rowid"))
        || !OpenTbl(prompter, base, shop, QStringLiteral("사용자등록"))) {
        return false;
    }
    m_attempts = 0;
    m_tableEmpty = passwords.isEmpty();
    const QVariant first = passwords.value(QStringLiteral("암호"));
    m_firstPasswordNull = !m_tableEmpty && first.isNull();
    m_passwordRequired = !m_tableEmpty && !first.isNull() && !first.toString().isEmpty();

    if (!Schema::ensureMemoTable(base)) {
        ShowMsg(prompter, base.lastError(), QStringLiteral("Error"));
        return false;
    }
    Schema::ensureBaseIndexes(base);
    m_prepared = true;
    return true;
}

LoginService::Check LoginService::check(const QString &boxText)
{
    Prompter &prompter = m_context.prompter;
    if (!m_prepared) {
        ShowMsg(prompter, QStringLiteral("자료 화일을 열지 못해 로그인할 수 없습니다.\n"
                                         "Esc 키로 프로그램을 종료하세요."));
        return Check::NotReady;
    }
    if (m_tableEmpty || m_firstPasswordNull) {
        accept(QString());
        return Check::Accepted;
    }

    // The password is data: it is bound, never spliced into the statement.
    const QString typed = boxText == hintText() ? QString() : boxText;
    Cursor match;
    if (OpenQuery(prompter, m_context.stores.base(), match,
                  QStringLiteral("select * from 암호관리 where 암호 = ?"), {typed})
        && !match.isEmpty()) {
        accept(typed);
        return Check::Accepted;
    }

    prompter.message(QStringLiteral("비밀번호가 틀렸습니다. 다시 입력해 주십시요"),
                     prompter.applicationTitle(), MsgIcon::None);
    ++m_attempts;
    if (m_attempts >= kMaxAttempts) {
        prompter.message(QStringLiteral("관리자나 프로그램 개발업체에 문의하시기 바랍니다."),
                         QStringLiteral("TEL : ") + QStringLiteral("1588-0000"), MsgIcon::None);
        prompter.message(QStringLiteral("프로그램을 종료합니다."), prompter.applicationTitle(),
                         MsgIcon::None);
        return Check::TooManyAttempts;
    }
    return Check::Wrong;
}

void LoginService::accept(const QString &password)
{
    Session &session = m_context.session;
    if (!m_tableEmpty && !m_firstPasswordNull)
        session.loginPassword = password;
    const QVariant name = m_context.stores.base().scalar(
            QStringLiteral("select 사용자명 from 사용자등록 order by rowid limit 1"));
    session.shopName = name.isNull() ? QString() : name.toString();
    session.loginSucceeded = true;
}
