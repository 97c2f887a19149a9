#include "DataAccess.h"

#include "Database.h"
#include "Prompter.h"

#include <QRegularExpression>

namespace {

const int kSqliteError = 1;
const int kSqliteBusy = 5;
const int kSqliteLocked = 6;

bool isTableName(const QString &source)
{
    static const QRegularExpression word(QStringLiteral("^[^\\s;'\"()]+$"));
    return word.match(source.trimmed()).hasMatch();
}

// The four kinds of failure the user is told about when a table or statement cannot be
// opened.
void reportOpenFailure(Prompter &prompter, Database &db, const QString &source,
                       const QString &otherTitle)
{
    QString title;
    QString first;
    if (!db.isOpen()) {
        title = QStringLiteral("MDB 오류");
        first = QStringLiteral("Data Base MDB가 선언되지 않았습니다.");
    } else if (db.lastErrorCode() == kSqliteBusy || db.lastErrorCode() == kSqliteLocked) {
        title = QStringLiteral("MDB 오류");
        first = db.lastError();
    } else if (db.lastErrorCode() == kSqliteError) {
        title = QStringLiteral("Query");
        first = QStringLiteral("Jet Data Base Engine의 식을 확인하세요.");
    } else {
        title = otherTitle;
        first = db.lastError();
    }
    ShowMsg(prompter, first + QLatin1Char('\n') + source, title);
}

bool openCursor(Prompter &prompter, Database &db, Cursor &cursor, const QString &source,
                const QVariantList &params, const QString &otherTitle)
{
    if (!db.isOpen()) {
        reportOpenFailure(prompter, db, source, otherTitle);
        return false;
    }
    const QString sql = isTableName(source)
            ? QStringLiteral("SELECT * FROM %1").arg(Database::quoteName(source.trimmed()))
            : source;
    auto q = db.query(sql, params);
    if (!q) {
        reportOpenFailure(prompter, db, source, otherTitle);
        return false;
    }
    cursor = Cursor::fromQuery(*q);
    return true;
}

void reportAddFieldError(Prompter &prompter, int number, const QString &description,
                         const QString &table, const QString &column)
{
    prompter.message(QStringLiteral("Error %1 (%2) in procedure DAO_AddField of Module "
                                    "mdlCommonHV\n[TABLE]: %3,    [FIELD]: %4")
                             .arg(number)
                             .arg(description, table, column),
                     prompter.applicationTitle(), MsgIcon::None);
}

} // namespace

bool OpenMdb(Prompter &prompter, Database &db, const QString &path)
{
    if (db.openFile(path, false))
        return true;
    ShowMsg(prompter, db.lastError(), QStringLiteral("Error"));
    return false;
}

bool OpenTbl(Prompter &prompter, Database &db, Cursor &cursor, const QString &source,
             const QString &kind, const QVariantList &params)
{
    const QString k = kind.toUpper();
    if (k != QLatin1String("TABLE") && k != QLatin1String("DYNASET")
        && k != QLatin1String("SNAPSHOT")) {
        ShowMsg(prompter, QStringLiteral("알 수 없는 열기 방식입니다: %1\n%2").arg(kind, source),
                QStringLiteral("OpenTbl"));
        return false;
    }
    return openCursor(prompter, db, cursor, source, params, QStringLiteral("OpenTbl"));
}

bool OpenQuery(Prompter &prompter, Database &db, Cursor &cursor, const QString &statement,
               const QVariantList &params)
{
    return openCursor(prompter, db, cursor, statement, params, QStringLiteral("ERROR"));
}

bool OpenDynaset(Prompter &prompter, Database &db, Cursor &cursor, const QString &statement,
                 const QVariantList &params)
{
    return OpenQuery(prompter, db, cursor, statement, params);
}

bool DAO_AddField(Prompter &prompter, Database &db, const QString &table, const QString &column,
                  FieldType type, int size, bool allowEmpty, const QString &followUp)
{
    if (!db.hasTable(table)) {
        reportAddFieldError(prompter, 3265, QStringLiteral("테이블을 찾을 수 없습니다."), table,
                            column);
        return false;
    }
    const QStringList existing = db.columns(table);
    for (const QString &name : existing) {
        if (name.compare(column, Qt::CaseInsensitive) == 0)
            return false;
    }

    const QString quoted = Database::quoteName(column);
    QString definition;
    if (type == FieldType::Long) {
        definition = QStringLiteral("INTEGER NOT NULL DEFAULT 0");
    } else {
        definition = size > 0 ? QStringLiteral("TEXT(%1)").arg(size) : QStringLiteral("TEXT");
        if (allowEmpty)
            definition += QStringLiteral(" NOT NULL DEFAULT ''");
        else
            definition += QStringLiteral(" CHECK (%1 <> '')").arg(quoted);
    }
    const bool added = db.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                       .arg(Database::quoteName(table), quoted, definition));
    if (!added)
        reportAddFieldError(prompter, db.lastErrorCode(), db.lastError(), table, column);

    if (!followUp.isEmpty() && !db.exec(followUp))
        reportAddFieldError(prompter, db.lastErrorCode(), db.lastError(), table, column);
    return added;
}
