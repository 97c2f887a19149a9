#include "ReportRows.h"

void ReportRows::setColumns(const QList<ReportField> &fields)
{
    m_columns = fields;
    m_index.clear();
    for (int i = 0; i < fields.size(); ++i)
        m_index.insert(fields.at(i).key(), i);
}
