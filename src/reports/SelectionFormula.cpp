#include "SelectionFormula.h"

#include "Database.h"

namespace {

struct Token
{
    enum Kind { Field, Text, Number, Compare, Open, Close, And, Or, Not, Like, End };
    Kind kind = End;
    qsizetype pos = 0;
    QString text; // comparison operator or the text value
    QVariant number;
    ReportField field;
};

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

qsizetype skipSpaces(const QString &s, qsizetype i)
{
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    return i;
}

// The keyword at i (and, or, not, like), case-insensitive and as a whole word.
bool keywordAt(const QString &s, qsizetype i, QLatin1String word)
{
    if (s.size() - i < word.size())
        return false;
    if (QStringView(s).mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    return i + word.size() >= s.size() || !isWordChar(s.at(i + word.size()));
}

// Whether the quote at j ends a text: the formula must go on from there with what can follow
// a value. Screens splice typed text between quotes, so a quote inside a name ("O'Neil")
// is part of the text.
bool closesText(const QString &s, qsizetype j)
{
    qsizetype k = skipSpaces(s, j + 1);
    if (k >= s.size() || s.at(k) == QLatin1Char(')'))
        return true;
    for (QLatin1String word : {QLatin1String("and"), QLatin1String("or")}) {
        if (keywordAt(s, k, word)) {
            const qsizetype n = skipSpaces(s, k + word.size());
            if (n < s.size()) {
                const QChar c = s.at(n);
                if (c == QLatin1Char('{') || c == QLatin1Char('(') || c == QLatin1Char('\'')
                    || c == QLatin1Char('"') || c.isDigit() || c == QLatin1Char('-')
                    || keywordAt(s, n, QLatin1String("not"))) {
                    return true;
                }
            }
        }
    }
    // A value on the left of a comparison: 'x' = {t.c}
    if (s.at(k) == QLatin1Char('=') || s.at(k) == QLatin1Char('<') || s.at(k) == QLatin1Char('>')) {
        qsizetype n = k + 1;
        while (n < s.size() && (s.at(n) == QLatin1Char('=') || s.at(n) == QLatin1Char('>')))
            ++n;
        n = skipSpaces(s, n);
        return n < s.size() && s.at(n) == QLatin1Char('{');
    }
    return false;
}

class Lexer
{
public:
    explicit Lexer(const QString &s)
        : m_s(s)
    { }

    bool run(QList<Token> &out, QString &error, qsizetype &errorPos)
    {
        qsizetype i = 0;
        while (true) {
            i = skipSpaces(m_s, i);
            Token t;
            t.pos = i;
            if (i >= m_s.size()) {
                t.kind = Token::End;
                out << t;
                return true;
            }
            const QChar c = m_s.at(i);
            if (c == QLatin1Char('{')) {
                const qsizetype close = m_s.indexOf(QLatin1Char('}'), i);
                if (close < 0)
                    return fail(error, errorPos, i, QStringLiteral("'{' 뒤에 '}'가 없습니다"));
                const auto field = ReportField::parse(m_s.mid(i + 1, close - i - 1));
                if (!field) {
                    return fail(error, errorPos, i,
                                QStringLiteral("필드는 {테이블.열} 모양이어야 합니다: %1")
                                        .arg(m_s.mid(i, close - i + 1)));
                }
                t.kind = Token::Field;
                t.field = *field;
                i = close + 1;
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                // The first quote after which the formula can go on ends the text; failing
                // that, the last one (the parser then says what is wrong after it).
                qsizetype j = -1;
                qsizetype last = -1;
                for (qsizetype k = m_s.indexOf(c, i + 1); k >= 0; k = m_s.indexOf(c, k + 1)) {
                    if (closesText(m_s, k)) {
                        j = k;
                        break;
                    }
                    last = k;
                }
                if (j < 0)
                    j = last;
                if (j < 0)
                    return fail(error, errorPos, i, QStringLiteral("따옴표가 닫히지 않았습니다"));
                t.kind = Token::Text;
                t.text = m_s.mid(i + 1, j - i - 1);
                i = j + 1;
            } else if (c.isDigit()
                       || (c == QLatin1Char('-') && i + 1 < m_s.size()
                           && m_s.at(i + 1).isDigit())) {
                qsizetype j = i + 1;
                while (j < m_s.size() && m_s.at(j).isDigit())
                    ++j;
                bool fraction = false;
                if (j + 1 < m_s.size() && m_s.at(j) == QLatin1Char('.')
                    && m_s.at(j + 1).isDigit()) {
                    fraction = true;
                    j += 2;
                    while (j < m_s.size() && m_s.at(j).isDigit())
                        ++j;
                }
                if (j < m_s.size() && isWordChar(m_s.at(j)))
                    return fail(error, errorPos, i, QStringLiteral("숫자가 잘못되었습니다"));
                const QString digits = m_s.mid(i, j - i);
                bool ok = false;
                if (fraction) {
                    t.number = digits.toDouble(&ok);
                } else {
                    t.number = digits.toLongLong(&ok);
                }
                if (!ok)
                    return fail(error, errorPos, i, QStringLiteral("숫자가 너무 큽니다"));
                t.kind = Token::Number;
                i = j;
            } else if (c == QLatin1Char('(')) {
                t.kind = Token::Open;
                ++i;
            } else if (c == QLatin1Char(')')) {
                t.kind = Token::Close;
                ++i;
            } else if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>')
                       || c == QLatin1Char('!')) {
                QString op(c);
                if (i + 1 < m_s.size()) {
                    const QChar d = m_s.at(i + 1);
                    if ((c == QLatin1Char('<') && (d == QLatin1Char('>') || d == QLatin1Char('=')))
                        || (c == QLatin1Char('>') && d == QLatin1Char('='))
                        || (c == QLatin1Char('!') && d == QLatin1Char('='))) {
                        op += d;
                    }
                }
                if (op == QLatin1String("!"))
                    return fail(error, errorPos, i, QStringLiteral("알 수 없는 연산자 '!'"));
                i += op.size();
                t.kind = Token::Compare;
                t.text = op == QLatin1String("!=") ? QStringLiteral("<>") : op;
            } else if (isWordChar(c)) {
                qsizetype j = i;
                while (j < m_s.size() && isWordChar(m_s.at(j)))
                    ++j;
                const QString word = m_s.mid(i, j - i).toLower();
                if (word == QLatin1String("and"))
                    t.kind = Token::And;
                else if (word == QLatin1String("or"))
                    t.kind = Token::Or;
                else if (word == QLatin1String("not"))
                    t.kind = Token::Not;
                else if (word == QLatin1String("like"))
                    t.kind = Token::Like;
                else
                    return fail(error, errorPos, i,
                                QStringLiteral("알 수 없는 낱말 '%1'").arg(m_s.mid(i, j - i)));
                i = j;
            } else {
                return fail(error, errorPos, i, QStringLiteral("알 수 없는 글자 '%1'").arg(c));
            }
            out << t;
        }
    }

private:
    static bool fail(QString &error, qsizetype &errorPos, qsizetype pos, const QString &text)
    {
        error = text;
        errorPos = pos;
        return false;
    }

    const QString &m_s;
};

QString likePattern(const QString &typed)
{
    QString out;
    out.reserve(typed.size() + 4);
    for (const QChar c : typed) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c == QLatin1Char('*') ? QLatin1Char('%') : c;
    }
    return out;
}

} // namespace

// Recursive descent over the tokens; "and" binds tighter than "or", as in the SQL it becomes.
class SelectionParser
{
public:
    SelectionParser(const QList<Token> &tokens, SelectionFormula &out)
        : m_tokens(tokens)
        , m_out(out)
    { }

    bool run()
    {
        QString sql;
        if (!parseOr(sql))
            return false;
        if (peek().kind != Token::End)
            return fail(peek().pos, QStringLiteral("조건이 끝난 뒤에 남은 글자가 있습니다"));
        m_out.m_sql = sql;
        return true;
    }

    qsizetype errorPos = 0;
    QString error;

private:
    const Token &peek(int ahead = 0) const
    {
        const qsizetype i = qMin(m_pos + ahead, m_tokens.size() - 1);
        return m_tokens.at(i);
    }
    const Token &take() { return m_tokens.at(m_pos < m_tokens.size() - 1 ? m_pos++ : m_pos); }

    bool fail(qsizetype pos, const QString &text)
    {
        error = text;
        errorPos = pos;
        return false;
    }

    bool parseOr(QString &sql)
    {
        if (!parseAnd(sql))
            return false;
        while (peek().kind == Token::Or) {
            take();
            QString right;
            if (!parseAnd(right))
                return false;
            sql = QLatin1Char('(') + sql + QStringLiteral(" OR ") + right + QLatin1Char(')');
        }
        return true;
    }

    bool parseAnd(QString &sql)
    {
        if (!parseNot(sql))
            return false;
        while (peek().kind == Token::And) {
            take();
            QString right;
            if (!parseNot(right))
                return false;
            sql = QLatin1Char('(') + sql + QStringLiteral(" AND ") + right + QLatin1Char(')');
        }
        return true;
    }

    bool parseNot(QString &sql)
    {
        if (peek().kind == Token::Not) {
            take();
            QString inner;
            if (!parseNot(inner))
                return false;
            sql = QStringLiteral("(NOT ") + inner + QLatin1Char(')');
            return true;
        }
        if (peek().kind == Token::Open) {
            const Token &open = take();
            if (!parseOr(sql))
                return false;
            if (peek().kind != Token::Close)
                return fail(open.pos, QStringLiteral("'(' 에 맞는 ')'가 없습니다"));
            take();
            return true;
        }
        return parseComparison(sql);
    }

    bool operand(QString &sql, bool &isField)
    {
        const Token &t = take();
        switch (t.kind) {
        case Token::Field:
            isField = true;
            m_out.m_fields << t.field;
            sql = Database::quoteName(t.field.table) + QLatin1Char('.')
                    + Database::quoteName(t.field.column);
            return true;
        case Token::Text:
            isField = false;
            m_out.m_values << t.text;
            sql = QStringLiteral("?");
            return true;
        case Token::Number:
            isField = false;
            m_out.m_values << t.number;
            sql = QStringLiteral("?");
            return true;
        case Token::End:
            return fail(t.pos,
                        QStringLiteral("조건이 끝나지 않았습니다: 필드나 값이 있어야 합니다"));
        default:
            return fail(t.pos, QStringLiteral("필드나 값이 있어야 합니다"));
        }
    }

    bool parseComparison(QString &sql)
    {
        const qsizetype start = peek().pos;
        QString left;
        bool leftField = false;
        if (!operand(left, leftField))
            return false;
        bool negate = false;
        if (peek().kind == Token::Not && peek(1).kind == Token::Like) {
            take();
            negate = true;
        }
        if (peek().kind == Token::Like) {
            const Token &like = take();
            if (!leftField)
                return fail(start, QStringLiteral("like 앞에는 필드가 있어야 합니다"));
            const Token &pattern = take();
            if (pattern.kind != Token::Text) {
                return fail(pattern.kind == Token::End ? like.pos : pattern.pos,
                            QStringLiteral("like 뒤에는 따옴표로 묶은 글자가 있어야 합니다"));
            }
            m_out.m_values << likePattern(pattern.text);
            sql = QLatin1Char('(') + left + (negate ? QStringLiteral(" NOT") : QString())
                    + QStringLiteral(" LIKE ? ESCAPE '\\')");
            return true;
        }
        if (peek().kind != Token::Compare) {
            return fail(peek().pos,
                        QStringLiteral("비교 연산자(=, <>, >, >=, <, <=, like)가 있어야 합니다"));
        }
        const QString op = take().text;
        QString right;
        bool rightField = false;
        if (!operand(right, rightField))
            return false;
        if (!leftField && !rightField)
            return fail(start, QStringLiteral("비교의 한쪽은 필드여야 합니다"));
        sql = QLatin1Char('(') + left + QLatin1Char(' ') + op + QLatin1Char(' ') + right
                + QLatin1Char(')');
        return true;
    }

    const QList<Token> &m_tokens;
    SelectionFormula &m_out;
    qsizetype m_pos = 0;
};

SelectionFormula SelectionFormula::parse(const QString &text)
{
    SelectionFormula f;
    f.m_text = text;
    if (text.trimmed().isEmpty())
        return f;
    QList<Token> tokens;
    QString error;
    qsizetype pos = 0;
    bool ok = Lexer(text).run(tokens, error, pos);
    if (ok) {
        SelectionParser parser(tokens, f);
        ok = parser.run();
        error = parser.error;
        pos = parser.errorPos;
    }
    if (!ok) {
        f.m_sql.clear();
        f.m_values.clear();
        f.m_fields.clear();
        f.m_error = QStringLiteral("%1 (%2번째 글자)").arg(error).arg(pos + 1);
    }
    return f;
}
