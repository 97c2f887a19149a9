#pragma once

#include "ReportField.h"

#include <QString>

#include <optional>

// A sort key as screens hand it over: "+{정비내역.정비일자}" ascending, "-{...}" descending;
// without a sign the key is ascending.
struct SortField
{
    ReportField field;
    bool descending = false;

    // nullopt with *error set when the text is no sort key.
    static std::optional<SortField> parse(const QString &text, QString *error = nullptr);
};
