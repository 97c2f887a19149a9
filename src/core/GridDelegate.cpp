#include "GridDelegate.h"

#include "GridModel.h"
#include "GridStyle.h"
#include "GridView.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

namespace {
// Accepts what may become a number of the column while it is being typed: a sign, digits
// with optional thousands separators, and a point when the column has decimals.
class NumberValidator : public QValidator
{
public:
    NumberValidator(const GridColumn &column, QObject *parent)
        : QValidator(parent)
        , m_column(column)
    { }

    State validate(QString &input, int &) const override
    {
        int digits = 0;
        int fraction = 0;
        bool point = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar ch = input.at(i);
            if (i == 0 && (ch == QLatin1Char('+') || (ch == QLatin1Char('-') && m_column.negative)))
                continue;
            if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) {
                ++(point ? fraction : digits);
                continue;
            }
            if (ch == QLatin1Char(',') && !point)
                continue;
            if (ch == QLatin1Char('.') && m_column.decimals > 0 && !point) {
                point = true;
                continue;
            }
            return Invalid;
        }
        if (digits > m_column.maxDigits || fraction > m_column.decimals)
            return Invalid;
        return Acceptable;
    }

private:
    GridColumn m_column;
};
} // namespace

GridDelegate::GridDelegate(GridView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
{ }

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                    const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setFont(m_view->font());
    const GridColumn &column = m_view->gridModel()->column(index.column());
    if (column.type == GridCellType::Number)
        editor->setValidator(new NumberValidator(column, editor));
    else if (column.maxLength > 0)
        editor->setMaxLength(column.maxLength);
    editor->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    QPalette p = editor->palette();
    p.setColor(QPalette::Base, GridStyle::cell());
    p.setColor(QPalette::Text, GridStyle::text());
    editor->setPalette(p);
    editor->installEventFilter(const_cast<GridDelegate *>(this));
    // While a syllable is being composed the focus stays on the view (see GridView).
    if (m_view->holdsFocusForInput())
        editor->setFocusProxy(m_view);
    return editor;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setText(index.data(Qt::EditRole).toString());
}

void GridDelegate::setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const
{
    // The view stores the edited text itself when the edit ends.
}

void GridDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                        const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const auto type = GridCellType(index.data(GridModel::CellTypeRole).toInt());
    if (type == GridCellType::Check) {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const Qt::CheckState state = opt.checkState;
        opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        opt.text.clear();
        QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        QStyleOptionViewItem box = opt;
        const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &opt, opt.widget);
        const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &opt, opt.widget);
        box.rect = QRect(0, 0, w, h);
        box.rect.moveCenter(option.rect.center());
        box.state = (option.state & QStyle::State_Enabled)
                | (state == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, opt.widget);
    } else {
        QStyledItemDelegate::paint(painter, option, index);
    }

    const auto edges = Qt::Edges(index.data(GridModel::BorderRole).toInt());
    if (edges) {
        painter->save();
        painter->setPen(QPen(GridStyle::border(), 1));
        const QRect r = option.rect;
        if (edges & Qt::TopEdge)
            painter->drawLine(r.topLeft(), r.topRight());
        if (edges & Qt::BottomEdge)
            painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (edges & Qt::LeftEdge)
            painter->drawLine(r.topLeft(), r.bottomLeft());
        if (edges & Qt::RightEdge)
            painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
}

void GridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The active cell is one flat colour over any marking, whatever the platform style
    // would add (gradients, frames).
    if (option->state & QStyle::State_Selected) {
        option->backgroundBrush = GridStyle::selection();
        option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
}

bool GridDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (!editor)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        // The grid sees every key first; what it leaves goes to the editor, and no further,
        // so that no key reaches the grid twice by travelling up from the editor.
        auto *key = static_cast<QKeyEvent *>(event);
        if (!m_view->editorKeyPress(key))
            static_cast<QObject *>(editor)->event(key);
        key->accept();
        return true;
    }
    case QEvent::ShortcutOverride:
        if (GridView::claimsKey(static_cast<QKeyEvent *>(event), true)) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::FocusOut:
        m_view->editorFocusOut(editor, static_cast<QFocusEvent *>(event));
        return false;
    default:
        return false;
    }
}
