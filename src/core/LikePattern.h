#pragma once

#include <QString>

// Turns typed text into a LIKE pattern. Whatever the user typed is matched literally
// (a typed % or _ is not a wildcard); use the pattern with "LIKE ? ESCAPE '\'".
class LikePattern
{
public:
    static QString beginsWith(const QString &typed);
    static QString contains(const QString &typed);
    static QString escape(const QString &typed);
    // " LIKE ? ESCAPE '\'" for appending after a column name.
    static QString likeClause();
};
