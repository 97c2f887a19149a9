#include "PageModel.h"

QSizeF PageModel::pageSizeMm() const
{
    const QSizeF s = pageSize.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? s.transposed() : s;
}

QPageLayout PageModel::pageLayout() const
{
    return QPageLayout(pageSize, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QStringList PageModel::texts(int page) const
{
    QStringList out;
    if (page < 0 || page >= pages.size())
        return out;
    for (const PageItem &item : pages.at(page).items) {
        if (item.kind == PageItem::Text)
            out << item.text;
    }
    return out;
}
