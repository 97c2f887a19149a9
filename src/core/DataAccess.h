#pragma once

#include "Cursor.h"

#include <QString>
#include <QVariantList>

class Database;
class Prompter;

// The routines between the screens and the stores. None of them lets a failure escape:
// each shows its own message and answers false, and the caller simply returns.

enum class FieldType { Long = 4, Text = 10 };

// Opens an existing store file; on failure "Error" with the store's description.
bool OpenMdb(Prompter &prompter, Database &db, const QString &path);

// Opens a table (by name) or a SELECT statement as a cursor. kind is "TABLE", "DYNASET"
// or "SNAPSHOT" in any letter case.
bool OpenTbl(Prompter &prompter, Database &db, Cursor &cursor, const QString &source,
             const QString &kind = QStringLiteral("DYNASET"), const QVariantList &params = {});

// A read-only result of a SELECT statement; same messages as OpenTbl, title "ERROR" for
// errors of no other kind.
bool OpenQuery(Prompter &prompter, Database &db, Cursor &cursor, const QString &statement,
               const QVariantList &params = {});
bool OpenDynaset(Prompter &prompter, Database &db, Cursor &cursor, const QString &statement,
                 const QVariantList &params = {});

// Adds a column when the table has none of that name (in any letter case) and then runs
// the follow-up statement; answers whether the column was added.
bool DAO_AddField(Prompter &prompter, Database &db, const QString &table, const QString &column,
                  FieldType type, int size, bool allowEmpty, const QString &followUp = QString());
