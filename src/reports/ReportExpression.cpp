#include "ReportExpression.h"

#include "ReportContext.h"
#include "ReportFormat.h"
#include "ReportRows.h"
#include "RunningTotals.h"

#include <cmath>
#include <functional>

struct ReportExpression::Node
{
    enum Kind { Number, Text, Field, Formula, Special, Negate, Binary, Aggregate };
    enum SpecialKind { Page, Pages, Today, WorkDate, RowNumber };
    enum AggregateKind { Sum, Count, Min, Max, Avg, RunningSum };

    Kind kind = Number;
    double number = 0;
    QString text; // text value, formula name
    ReportField field;
    int special = 0; // SpecialKind or AggregateKind
    QChar op;
    std::shared_ptr<const Node> left;
    std::shared_ptr<const Node> right;
};

namespace {

using Node = ReportExpression::Node;
using NodePtr = std::shared_ptr<const Node>;

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

class Parser
{
public:
    explicit Parser(const QString &s)
        : m_s(s)
    { }

    NodePtr run(QString *error)
    {
        NodePtr n = expression();
        skip();
        if (n && m_i < m_s.size())
            fail(QStringLiteral("'%1' 근처를 읽을 수 없습니다").arg(m_s.mid(m_i, 10)));
        if (!m_error.isEmpty()) {
            if (error)
                *error = m_error;
            return nullptr;
        }
        return n;
    }

private:
    void skip()
    {
        while (m_i < m_s.size() && m_s.at(m_i).isSpace())
            ++m_i;
    }
    bool at(QChar c)
    {
        skip();
        return m_i < m_s.size() && m_s.at(m_i) == c;
    }
    NodePtr fail(const QString &text)
    {
        if (m_error.isEmpty())
            m_error = text;
        return nullptr;
    }
    QString word()
    {
        skip();
        const qsizetype start = m_i;
        while (m_i < m_s.size() && isWordChar(m_s.at(m_i)))
            ++m_i;
        return m_s.mid(start, m_i - start);
    }

    NodePtr binary(QChar op, NodePtr l, NodePtr r)
    {
        auto n = std::make_shared<Node>();
        n->kind = Node::Binary;
        n->op = op;
        n->left = std::move(l);
        n->right = std::move(r);
        return n;
    }

    NodePtr expression()
    {
        NodePtr l = term();
        while (l && (at(QLatin1Char('+')) || at(QLatin1Char('-')))) {
            const QChar op = m_s.at(m_i++);
            NodePtr r = term();
            if (!r)
                return nullptr;
            l = binary(op, l, r);
        }
        return l;
    }

    NodePtr term()
    {
        NodePtr l = factor();
        while (l && (at(QLatin1Char('*')) || at(QLatin1Char('/')))) {
            const QChar op = m_s.at(m_i++);
            NodePtr r = factor();
            if (!r)
                return nullptr;
            l = binary(op, l, r);
        }
        return l;
    }

    NodePtr factor()
    {
        skip();
        if (m_i >= m_s.size())
            return fail(QStringLiteral("식이 끝나지 않았습니다"));
        const QChar c = m_s.at(m_i);
        auto n = std::make_shared<Node>();
        if (c == QLatin1Char('-')) {
            ++m_i;
            NodePtr inner = factor();
            if (!inner)
                return nullptr;
            n->kind = Node::Negate;
            n->left = inner;
            return n;
        }
        if (c == QLatin1Char('(')) {
            ++m_i;
            NodePtr inner = expression();
            if (!inner)
                return nullptr;
            if (!at(QLatin1Char(')')))
                return fail(QStringLiteral("')'가 없습니다"));
            ++m_i;
            return inner;
        }
        if (c.isDigit()) {
            const qsizetype start = m_i;
            while (m_i < m_s.size() && (m_s.at(m_i).isDigit() || m_s.at(m_i) == QLatin1Char('.')))
                ++m_i;
            bool ok = false;
            n->kind = Node::Number;
            n->number = m_s.mid(start, m_i - start).toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("숫자가 잘못되었습니다: %1")
                                    .arg(m_s.mid(start, m_i - start)));
            return n;
        }
        if (c == QLatin1Char('\'')) {
            // 'text', with '' for a quote inside
            QString value;
            ++m_i;
            while (true) {
                if (m_i >= m_s.size())
                    return fail(QStringLiteral("따옴표가 닫히지 않았습니다"));
                if (m_s.at(m_i) == QLatin1Char('\'')) {
                    if (m_i + 1 < m_s.size() && m_s.at(m_i + 1) == QLatin1Char('\'')) {
                        value += QLatin1Char('\'');
                        m_i += 2;
                        continue;
                    }
                    ++m_i;
                    break;
                }
                value += m_s.at(m_i++);
            }
            n->kind = Node::Text;
            n->text = value;
            return n;
        }
        if (c == QLatin1Char('@')) {
            ++m_i;
            n->kind = Node::Formula;
            n->text = word();
            if (n->text.isEmpty())
                return fail(QStringLiteral("'@' 뒤에 수식 이름이 없습니다"));
            return n;
        }
        if (c == QLatin1Char('{')) {
            const qsizetype close = m_s.indexOf(QLatin1Char('}'), m_i);
            const auto field = close < 0 ? std::nullopt
                                         : ReportField::parse(m_s.mid(m_i + 1, close - m_i - 1));
            if (!field)
                return fail(QStringLiteral("필드는 {테이블.열} 모양이어야 합니다"));
            m_i = close + 1;
            n->kind = Node::Field;
            n->field = *field;
            return n;
        }
        if (!isWordChar(c))
            return fail(QStringLiteral("알 수 없는 글자 '%1'").arg(c));
        const QString name = word();
        if (at(QLatin1Char('.'))) {
            ++m_i;
            const QString column = word();
            if (column.isEmpty())
                return fail(QStringLiteral("'%1.' 뒤에 열 이름이 없습니다").arg(name));
            n->kind = Node::Field;
            n->field = ReportField {name, column};
            return n;
        }
        if (at(QLatin1Char('(')))
            return aggregate(name);
        static const QHash<QString, int> specials = {
                {QStringLiteral("page"), Node::Page},
                {QStringLiteral("pages"), Node::Pages},
                {QStringLiteral("today"), Node::Today},
                {QStringLiteral("workdate"), Node::WorkDate},
                {QStringLiteral("rownum"), Node::RowNumber},
        };
        const auto it = specials.constFind(name.toLower());
        if (it == specials.constEnd()) {
            return fail(QStringLiteral("알 수 없는 이름 '%1' (필드는 테이블.열, 수식은 @이름)")
                                .arg(name));
        }
        n->kind = Node::Special;
        n->special = *it;
        return n;
    }

    NodePtr aggregate(const QString &name)
    {
        static const QHash<QString, int> functions = {
                {QStringLiteral("sum"), Node::Sum},
                {QStringLiteral("count"), Node::Count},
                {QStringLiteral("min"), Node::Min},
                {QStringLiteral("max"), Node::Max},
                {QStringLiteral("avg"), Node::Avg},
                {QStringLiteral("runningsum"), Node::RunningSum},
        };
        const auto it = functions.constFind(name.toLower());
        if (it == functions.constEnd())
            return fail(QStringLiteral("알 수 없는 함수 '%1'").arg(name));
        if (m_inAggregate)
            return fail(QStringLiteral("%1() 안에 다른 집계를 쓸 수 없습니다").arg(name));
        ++m_i; // '('
        auto n = std::make_shared<Node>();
        n->kind = Node::Aggregate;
        n->special = *it;
        if (at(QLatin1Char(')'))) {
            ++m_i;
            if (*it != Node::Count)
                return fail(QStringLiteral("%1() 안에 값이 있어야 합니다").arg(name));
            return n;
        }
        m_inAggregate = true;
        n->left = expression();
        m_inAggregate = false;
        if (!n->left)
            return nullptr;
        if (!at(QLatin1Char(')')))
            return fail(QStringLiteral("%1( 에 맞는 ')'가 없습니다").arg(name));
        ++m_i;
        return n;
    }

    const QString &m_s;
    qsizetype m_i = 0;
    bool m_inAggregate = false;
    QString m_error;
};

void walk(const NodePtr &n, const std::function<void(const Node &)> &visit)
{
    if (!n)
        return;
    visit(*n);
    walk(n->left, visit);
    walk(n->right, visit);
}

QVariant evaluateNode(const Node &n, const ReportContext &ctx);

QVariant numberValue(double d)
{
    return QVariant(d);
}

QVariant aggregateValue(const Node &n, const ReportContext &ctx)
{
    if (!ctx.rows)
        return QVariant();
    if (n.special == Node::RunningSum) {
        if (ctx.row < 0)
            return numberValue(0);
        const auto valueAt = [&](int r) {
            ReportContext at = ctx;
            at.row = r;
            return ReportFormat::toNumber(evaluateNode(*n.left, at)).value_or(0.0);
        };
        RunningTotals::Entry e = ctx.running ? ctx.running->get(&n) : RunningTotals::Entry {};
        if (e.row == ctx.row)
            return numberValue(e.sum);
        if (e.row == ctx.row - 1) {
            e.sum += valueAt(ctx.row);
        } else {
            e.sum = 0;
            for (int r = 0; r <= ctx.row; ++r)
                e.sum += valueAt(r);
        }
        e.row = ctx.row;
        if (ctx.running)
            ctx.running->set(&n, e);
        return numberValue(e.sum);
    }
    const int begin = qMax(0, ctx.scopeBegin);
    const int end = qMin(ctx.rows->count(), ctx.scopeEnd);
    if (n.special == Node::Count && !n.left)
        return numberValue(qMax(0, end - begin));
    double sum = 0;
    int count = 0;
    std::optional<double> low, high;
    ReportContext at = ctx;
    for (int r = begin; r < end; ++r) {
        at.row = r;
        const QVariant v = evaluateNode(*n.left, at);
        if (n.special == Node::Count) {
            if (!ReportFormat::plain(v).isEmpty())
                ++count;
            continue;
        }
        const auto d = ReportFormat::toNumber(v);
        if (!d)
            continue;
        sum += *d;
        ++count;
        low = low ? qMin(*low, *d) : *d;
        high = high ? qMax(*high, *d) : *d;
    }
    switch (n.special) {
    case Node::Sum:
        return numberValue(sum);
    case Node::Count:
        return numberValue(count);
    case Node::Min:
        return low ? numberValue(*low) : QVariant();
    case Node::Max:
        return high ? numberValue(*high) : QVariant();
    case Node::Avg:
        return count ? numberValue(sum / count) : QVariant();
    default:
        return QVariant();
    }
}

QVariant evaluateNode(const Node &n, const ReportContext &ctx)
{
    switch (n.kind) {
    case Node::Number:
        return numberValue(n.number);
    case Node::Text:
        return n.text;
    case Node::Field:
        if (n.field.table.compare(QStringLiteral("사용자등록"), Qt::CaseInsensitive) == 0)
            return ctx.shop ? ctx.shop->value(n.field.column.toLower()) : QVariant();
        return ctx.rows ? ctx.rows->value(ctx.row, n.field) : QVariant();
    case Node::Formula:
        return ctx.formulas ? ctx.formulas->value(n.text.toLower()) : QString();
    case Node::Special:
        switch (n.special) {
        case Node::Page:
            return numberValue(ctx.page);
        case Node::Pages:
            return numberValue(ctx.pages);
        case Node::Today:
            return ctx.today;
        case Node::WorkDate:
            return ctx.workDate;
        case Node::RowNumber:
            return numberValue(ctx.row + 1);
        }
        return QVariant();
    case Node::Negate: {
        const auto d = ReportFormat::toNumber(evaluateNode(*n.left, ctx));
        return d ? numberValue(-*d) : QVariant();
    }
    case Node::Binary: {
        const QVariant l = evaluateNode(*n.left, ctx);
        const QVariant r = evaluateNode(*n.right, ctx);
        const auto a = ReportFormat::toNumber(l);
        const auto b = ReportFormat::toNumber(r);
        if (!a || !b) {
            if (n.op == QLatin1Char('+'))
                return ReportFormat::plain(l) + ReportFormat::plain(r);
            return QVariant();
        }
        switch (n.op.toLatin1()) {
        case '+':
            return numberValue(*a + *b);
        case '-':
            return numberValue(*a - *b);
        case '*':
            return numberValue(*a * *b);
        case '/':
            return *b == 0 ? QVariant() : numberValue(*a / *b);
        }
        return QVariant();
    }
    case Node::Aggregate:
        return aggregateValue(n, ctx);
    }
    return QVariant();
}

} // namespace

ReportExpression ReportExpression::parse(const QString &text, QString *error)
{
    ReportExpression e;
    e.m_text = text;
    if (text.trimmed().isEmpty()) {
        if (error)
            *error = QStringLiteral("{ } 안이 비어 있습니다");
        return e;
    }
    e.m_root = Parser(text).run(error);
    return e;
}

QVariant ReportExpression::evaluate(const ReportContext &context) const
{
    return m_root ? evaluateNode(*m_root, context) : QVariant();
}

QList<ReportField> ReportExpression::fields() const
{
    QList<ReportField> out;
    walk(m_root, [&](const Node &n) {
        if (n.kind == Node::Field && !out.contains(n.field))
            out << n.field;
    });
    return out;
}

QStringList ReportExpression::formulas() const
{
    QStringList out;
    walk(m_root, [&](const Node &n) {
        if (n.kind == Node::Formula)
            out << n.text;
    });
    return out;
}

bool ReportExpression::usesPages() const
{
    bool found = false;
    walk(m_root, [&](const Node &n) {
        found = found
                || (n.kind == Node::Special
                    && (n.special == Node::Pages || n.special == Node::Page));
    });
    return found;
}

bool ReportExpression::usesAggregate() const
{
    bool found = false;
    walk(m_root, [&](const Node &n) { found = found || n.kind == Node::Aggregate; });
    return found;
}
