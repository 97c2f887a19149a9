#pragma once

#include "ReportTemplate.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a template file (JSON, see reports/README.md) and checks it: unknown keys, fonts,
// formula fields, tables, placeholders. Errors name the place, e.g.
// "detail.items[2].text: 알 수 없는 이름 'pgae'".
class TemplateReader
{
public:
    static std::optional<ReportTemplate> readFile(const QString &path, QString *error);
    static std::optional<ReportTemplate> read(const QByteArray &json, const QString &name,
                                              QString *error);
};
