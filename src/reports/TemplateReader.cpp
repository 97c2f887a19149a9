#include "TemplateReader.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

// Thrown inside the reader only; read() turns it into the error text.
struct ReadError
{
    QString text;
};

[[noreturn]] void fail(const QString &where, const QString &text)
{
    throw ReadError {where.isEmpty() ? text : where + QStringLiteral(": ") + text};
}

QString at(const QString &where, const QString &key)
{
    return where.isEmpty() ? key : where + QLatin1Char('.') + key;
}

void checkKeys(const QJsonObject &o, const QString &where, std::initializer_list<const char *> keys)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (it.key().startsWith(QStringLiteral("//")))
            continue;
        bool known = false;
        for (const char *k : keys)
            known = known || it.key() == QLatin1String(k);
        if (!known)
            fail(at(where, it.key()), QStringLiteral("알 수 없는 항목입니다"));
    }
}

double number(const QJsonValue &v, const QString &where)
{
    if (!v.isDouble())
        fail(where, QStringLiteral("숫자여야 합니다"));
    return v.toDouble();
}

QString string(const QJsonValue &v, const QString &where)
{
    if (!v.isString())
        fail(where, QStringLiteral("따옴표로 묶은 글이어야 합니다"));
    return v.toString();
}

bool boolean(const QJsonValue &v, const QString &where)
{
    if (!v.isBool())
        fail(where, QStringLiteral("true 또는 false 여야 합니다"));
    return v.toBool();
}

QList<double> numbers(const QJsonValue &v, int count, const QString &where)
{
    if (!v.isArray() || v.toArray().size() != count)
        fail(where, QStringLiteral("숫자 %1개의 배열이어야 합니다").arg(count));
    QList<double> out;
    const QJsonArray a = v.toArray();
    for (int i = 0; i < a.size(); ++i)
        out << number(a.at(i), QStringLiteral("%1[%2]").arg(where).arg(i));
    return out;
}

QColor color(const QJsonValue &v, const QString &where)
{
    const QColor c(string(v, where));
    if (!c.isValid())
        fail(where, QStringLiteral("색은 \"#rrggbb\" 모양이어야 합니다"));
    return c;
}

struct Reader
{
    ReportTemplate t;
    QHash<QString, ReportFontSpec> fonts;

    void readFonts(const QJsonValue &v)
    {
        fonts.insert(QStringLiteral("default"), ReportFontSpec());
        if (v.isUndefined())
            return;
        if (!v.isObject())
            fail(QStringLiteral("fonts"), QStringLiteral("{ } 로 묶어야 합니다"));
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (it.key().startsWith(QStringLiteral("//")))
                continue;
            const QString where = at(QStringLiteral("fonts"), it.key());
            if (!it.value().isObject())
                fail(where, QStringLiteral("{ } 로 묶어야 합니다"));
            const QJsonObject f = it.value().toObject();
            checkKeys(f, where, {"family", "size", "bold", "italic", "underline"});
            ReportFontSpec spec;
            if (f.contains(QStringLiteral("family")))
                spec.family = string(f.value(QStringLiteral("family")), at(where, "family"));
            applyStyle(spec, f, where);
            fonts.insert(it.key(), spec);
        }
    }

    static void applyStyle(ReportFontSpec &spec, const QJsonObject &o, const QString &where)
    {
        if (o.contains(QStringLiteral("size"))) {
            spec.size = number(o.value(QStringLiteral("size")), at(where, QStringLiteral("size")));
            if (spec.size < 3 || spec.size > 200)
                fail(at(where, QStringLiteral("size")),
                     QStringLiteral("글자 크기는 3 에서 200 사이여야 합니다"));
        }
        if (o.contains(QStringLiteral("bold")))
            spec.bold = boolean(o.value(QStringLiteral("bold")), at(where, QStringLiteral("bold")));
        if (o.contains(QStringLiteral("italic")))
            spec.italic = boolean(o.value(QStringLiteral("italic")),
                                  at(where, QStringLiteral("italic")));
        if (o.contains(QStringLiteral("underline"))) {
            spec.underline = boolean(o.value(QStringLiteral("underline")),
                                     at(where, QStringLiteral("underline")));
        }
    }

    void readPaper(const QJsonObject &root)
    {
        const QJsonValue paper = root.value(QStringLiteral("paper"));
        if (paper.isString()) {
            static const QHash<QString, QPageSize::PageSizeId> sizes = {
                    {QStringLiteral("a3"), QPageSize::A3},
                    {QStringLiteral("a4"), QPageSize::A4},
                    {QStringLiteral("a5"), QPageSize::A5},
                    {QStringLiteral("b4"), QPageSize::B4},
                    {QStringLiteral("b5"), QPageSize::B5},
                    {QStringLiteral("letter"), QPageSize::Letter},
                    {QStringLiteral("legal"), QPageSize::Legal},
            };
            const auto it = sizes.constFind(paper.toString().toLower());
            if (it == sizes.constEnd()) {
                fail(QStringLiteral("paper"),
                     QStringLiteral(
                             "A3, A4, A5, B4, B5, Letter, Legal 또는 {\"width\", \"height\"} "
                             "여야 합니다"));
            }
            t.pageSize = QPageSize(*it);
        } else if (paper.isObject()) {
            const QJsonObject o = paper.toObject();
            checkKeys(o, QStringLiteral("paper"), {"width", "height"});
            const double w
                    = number(o.value(QStringLiteral("width")), QStringLiteral("paper.width"));
            const double h
                    = number(o.value(QStringLiteral("height")), QStringLiteral("paper.height"));
            if (w < 20 || h < 20 || w > 2000 || h > 2000)
                fail(QStringLiteral("paper"), QStringLiteral("용지 크기가 잘못되었습니다"));
            t.pageSize = QPageSize(QSizeF(w, h), QPageSize::Millimeter, QString(),
                                   QPageSize::ExactMatch);
        } else if (!paper.isUndefined()) {
            fail(QStringLiteral("paper"), QStringLiteral("용지 이름이나 크기여야 합니다"));
        }

        const QJsonValue orientation = root.value(QStringLiteral("orientation"));
        if (!orientation.isUndefined()) {
            const QString o = string(orientation, QStringLiteral("orientation")).toLower();
            if (o == QLatin1String("portrait"))
                t.orientation = QPageLayout::Portrait;
            else if (o == QLatin1String("landscape"))
                t.orientation = QPageLayout::Landscape;
            else
                fail(QStringLiteral("orientation"),
                     QStringLiteral("portrait 또는 landscape 여야 합니다"));
        }

        const QJsonValue margins = root.value(QStringLiteral("margins"));
        if (margins.isDouble()) {
            const double m = margins.toDouble();
            t.margins = QMarginsF(m, m, m, m);
        } else if (margins.isObject()) {
            const QJsonObject o = margins.toObject();
            checkKeys(o, QStringLiteral("margins"), {"left", "top", "right", "bottom"});
            const auto side = [&](const char *key, double fallback) {
                const QJsonValue v = o.value(QLatin1String(key));
                return v.isUndefined()
                        ? fallback
                        : number(v, at(QStringLiteral("margins"), QLatin1String(key)));
            };
            t.margins = QMarginsF(side("left", 15), side("top", 15), side("right", 15),
                                  side("bottom", 15));
        } else if (!margins.isUndefined()) {
            fail(QStringLiteral("margins"),
                 QStringLiteral("숫자 하나나 {\"left\", \"top\", \"right\", "
                                "\"bottom\"} 여야 합니다"));
        }
        const QRectF body = t.bodyRectMm();
        if (t.margins.left() < 0 || t.margins.top() < 0 || t.margins.right() < 0
            || t.margins.bottom() < 0 || body.width() < 10 || body.height() < 10) {
            fail(QStringLiteral("margins"), QStringLiteral("여백이 용지보다 큽니다"));
        }
    }

    void readData(const QJsonValue &v)
    {
        const QString where = QStringLiteral("data");
        if (!v.isObject())
            fail(where, QStringLiteral("읽을 테이블(\"from\")을 적어야 합니다"));
        const QJsonObject o = v.toObject();
        checkKeys(o, where, {"store", "from", "join", "where", "sort"});
        if (o.contains(QStringLiteral("store"))) {
            t.store = string(o.value(QStringLiteral("store")), at(where, QStringLiteral("store")))
                              .toLower();
            if (t.store != QLatin1String("base") && t.store != QLatin1String("maintenance"))
                fail(at(where, QStringLiteral("store")),
                     QStringLiteral("base 또는 maintenance 여야 합니다"));
        }
        t.from = string(o.value(QStringLiteral("from")), at(where, QStringLiteral("from")))
                         .trimmed();
        if (t.from.isEmpty())
            fail(at(where, QStringLiteral("from")), QStringLiteral("테이블 이름이 비어 있습니다"));
        const QJsonValue joins = o.value(QStringLiteral("join"));
        if (!joins.isUndefined()) {
            if (!joins.isArray())
                fail(at(where, QStringLiteral("join")), QStringLiteral("[ ] 로 묶어야 합니다"));
            const QJsonArray a = joins.toArray();
            for (int i = 0; i < a.size(); ++i)
                readJoin(a.at(i), QStringLiteral("data.join[%1]").arg(i));
        }
        if (o.contains(QStringLiteral("where"))) {
            t.where = SelectionFormula::parse(
                    string(o.value(QStringLiteral("where")), at(where, QStringLiteral("where"))));
            if (!t.where.isValid())
                fail(at(where, QStringLiteral("where")), t.where.error());
            for (const ReportField &f : t.where.fields())
                checkTable(f, at(where, QStringLiteral("where")), false);
        }
        const QJsonValue sort = o.value(QStringLiteral("sort"));
        if (!sort.isUndefined()) {
            if (!sort.isArray())
                fail(at(where, QStringLiteral("sort")), QStringLiteral("[ ] 로 묶어야 합니다"));
            const QJsonArray a = sort.toArray();
            for (int i = 0; i < a.size(); ++i) {
                const QString w = QStringLiteral("data.sort[%1]").arg(i);
                QString error;
                const auto s = SortField::parse(string(a.at(i), w), &error);
                if (!s)
                    fail(w, error);
                checkTable(s->field, w, false);
                t.sort << *s;
            }
        }
    }

    void readJoin(const QJsonValue &v, const QString &where)
    {
        if (!v.isObject())
            fail(where, QStringLiteral("{ } 로 묶어야 합니다"));
        const QJsonObject o = v.toObject();
        checkKeys(o, where, {"table", "on", "with", "type"});
        ReportTemplate::Join j;
        j.table = string(o.value(QStringLiteral("table")), at(where, QStringLiteral("table")))
                          .trimmed();
        if (j.table.isEmpty())
            fail(at(where, QStringLiteral("table")), QStringLiteral("테이블 이름이 비어 있습니다"));
        if (t.hasTable(j.table))
            fail(at(where, QStringLiteral("table")),
                 QStringLiteral("같은 테이블을 두 번 읽을 수 없습니다"));
        if (o.contains(QStringLiteral("on")))
            j.column = string(o.value(QStringLiteral("on")), at(where, QStringLiteral("on")))
                               .trimmed();
        if (o.contains(QStringLiteral("with"))) {
            j.with = string(o.value(QStringLiteral("with")), at(where, QStringLiteral("with")))
                             .trimmed();
            if (!t.hasTable(j.with))
                fail(at(where, QStringLiteral("with")),
                     QStringLiteral("앞에 적은 테이블이어야 합니다"));
        }
        if (o.contains(QStringLiteral("type"))) {
            const QString type
                    = string(o.value(QStringLiteral("type")), at(where, QStringLiteral("type")))
                              .toLower();
            if (type != QLatin1String("left") && type != QLatin1String("inner"))
                fail(at(where, QStringLiteral("type")),
                     QStringLiteral("left 또는 inner 여야 합니다"));
            j.inner = type == QLatin1String("inner");
        }
        t.joins << j;
    }

    void readFormulas(const QJsonValue &v)
    {
        if (v.isUndefined())
            return;
        if (!v.isObject())
            fail(QStringLiteral("formulas"),
                 QStringLiteral("{ \"이름\": \"기본값\" } 모양이어야 합니다"));
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (it.key().startsWith(QStringLiteral("//")))
                continue;
            const QString where = at(QStringLiteral("formulas"), it.key());
            QString value;
            if (it.value().isDouble())
                value = QString::number(it.value().toDouble(), 'g', 15);
            else
                value = string(it.value(), where);
            t.formulas << ReportTemplate::Formula {it.key(), value};
        }
    }

    void checkTable(const ReportField &f, const QString &where, bool shopAllowed)
    {
        if (shopAllowed && f.table.compare(QStringLiteral("사용자등록"), Qt::CaseInsensitive) == 0)
            return;
        if (!t.hasTable(f.table)) {
            fail(where,
                 QStringLiteral("%1: 양식이 읽지 않는 테이블입니다 (읽는 테이블: %2)")
                         .arg(f.display(), t.tables().join(QStringLiteral(", "))));
        }
    }

    ReportFontSpec font(const QJsonObject &o, const QString &where)
    {
        QString name = QStringLiteral("default");
        if (o.contains(QStringLiteral("font")))
            name = string(o.value(QStringLiteral("font")), at(where, QStringLiteral("font")));
        if (!fonts.contains(name))
            fail(at(where, QStringLiteral("font")),
                 QStringLiteral("\"fonts\" 에 없는 글꼴 '%1'").arg(name));
        ReportFontSpec spec = fonts.value(name);
        applyStyle(spec, o, where);
        return spec;
    }

    void readItem(const QJsonValue &v, const QString &where, ReportTemplate::Item &item)
    {
        if (!v.isObject())
            fail(where, QStringLiteral("{ } 로 묶어야 합니다"));
        const QJsonObject o = v.toObject();
        const bool isText = o.contains(QStringLiteral("text"));
        const bool isLine = o.contains(QStringLiteral("line"));
        const bool isBox = o.contains(QStringLiteral("box"));
        if (int(isText) + int(isLine) + int(isBox) != 1)
            fail(where, QStringLiteral("\"text\", \"line\", \"box\" 가운데 하나가 있어야 합니다"));
        if (o.contains(QStringLiteral("color")))
            item.color
                    = color(o.value(QStringLiteral("color")), at(where, QStringLiteral("color")));
        if (o.contains(QStringLiteral("lineWidth"))) {
            item.lineWidth = number(o.value(QStringLiteral("lineWidth")),
                                    at(where, QStringLiteral("lineWidth")));
            if (item.lineWidth < 0 || item.lineWidth > 10)
                fail(at(where, QStringLiteral("lineWidth")),
                     QStringLiteral("0 에서 10 사이여야 합니다"));
        }
        if (o.contains(QStringLiteral("fill")))
            item.fill = color(o.value(QStringLiteral("fill")), at(where, QStringLiteral("fill")));
        if (o.contains(QStringLiteral("stretch")))
            item.stretch = boolean(o.value(QStringLiteral("stretch")),
                                   at(where, QStringLiteral("stretch")));

        if (isLine) {
            checkKeys(o, where, {"line", "lineWidth", "color", "stretch"});
            item.kind = ReportTemplate::ItemKind::Line;
            const auto n = numbers(o.value(QStringLiteral("line")), 4,
                                   at(where, QStringLiteral("line")));
            item.line = QLineF(n[0], n[1], n[2], n[3]);
            return;
        }
        if (isBox) {
            checkKeys(o, where, {"box", "lineWidth", "color", "fill", "stretch"});
            item.kind = ReportTemplate::ItemKind::Box;
            const auto n
                    = numbers(o.value(QStringLiteral("box")), 4, at(where, QStringLiteral("box")));
            item.rect = QRectF(n[0], n[1], n[2], n[3]);
            if (item.rect.width() < 0 || item.rect.height() < 0)
                fail(at(where, QStringLiteral("box")),
                     QStringLiteral("너비와 높이는 0 이상이어야 합니다"));
            return;
        }
        checkKeys(o, where,
                  {"text", "at", "font", "size", "bold", "italic", "underline", "align", "valign",
                   "format", "overflow", "suppressRepeated", "padding", "color", "fill", "frame",
                   "lineWidth", "stretch"});
        item.kind = ReportTemplate::ItemKind::Text;
        const auto n = numbers(o.value(QStringLiteral("at")), 4, at(where, QStringLiteral("at")));
        item.rect = QRectF(n[0], n[1], n[2], n[3]);
        if (item.rect.width() <= 0 || item.rect.height() <= 0)
            fail(at(where, QStringLiteral("at")),
                 QStringLiteral("너비와 높이는 0 보다 커야 합니다"));
        QString error;
        const QString source
                = string(o.value(QStringLiteral("text")), at(where, QStringLiteral("text")));
        item.text = ReportText::parse(source, &error);
        if (!error.isEmpty())
            fail(at(where, QStringLiteral("text")), error);
        for (const ReportField &f : item.text.fields())
            checkTable(f, at(where, QStringLiteral("text")), true);
        for (const QString &name : item.text.formulas()) {
            if (!t.formula(name)) {
                fail(at(where, QStringLiteral("text")),
                     QStringLiteral("@%1: \"formulas\" 에 없는 수식입니다").arg(name));
            }
        }
        item.font = font(o, where);
        Qt::Alignment h = Qt::AlignLeft;
        Qt::Alignment vAlign = Qt::AlignVCenter;
        if (o.contains(QStringLiteral("align"))) {
            const QString a
                    = string(o.value(QStringLiteral("align")), at(where, QStringLiteral("align")))
                              .toLower();
            if (a == QLatin1String("left"))
                h = Qt::AlignLeft;
            else if (a == QLatin1String("center"))
                h = Qt::AlignHCenter;
            else if (a == QLatin1String("right"))
                h = Qt::AlignRight;
            else
                fail(at(where, QStringLiteral("align")),
                     QStringLiteral("left, center, right 가운데 하나여야 합니다"));
        }
        if (o.contains(QStringLiteral("valign"))) {
            const QString a
                    = string(o.value(QStringLiteral("valign")), at(where, QStringLiteral("valign")))
                              .toLower();
            if (a == QLatin1String("top"))
                vAlign = Qt::AlignTop;
            else if (a == QLatin1String("middle"))
                vAlign = Qt::AlignVCenter;
            else if (a == QLatin1String("bottom"))
                vAlign = Qt::AlignBottom;
            else
                fail(at(where, QStringLiteral("valign")),
                     QStringLiteral("top, middle, bottom 가운데 하나여야 합니다"));
        }
        item.align = h | vAlign;
        if (o.contains(QStringLiteral("format")))
            item.format = string(o.value(QStringLiteral("format")),
                                 at(where, QStringLiteral("format")));
        if (o.contains(QStringLiteral("overflow"))) {
            const QString a = string(o.value(QStringLiteral("overflow")),
                                     at(where, QStringLiteral("overflow")))
                                      .toLower();
            if (a == QLatin1String("clip"))
                item.overflow = ReportTemplate::Overflow::Clip;
            else if (a == QLatin1String("wrap"))
                item.overflow = ReportTemplate::Overflow::Wrap;
            else if (a == QLatin1String("shrink"))
                item.overflow = ReportTemplate::Overflow::Shrink;
            else
                fail(at(where, QStringLiteral("overflow")),
                     QStringLiteral("clip, wrap, shrink 가운데 하나여야 합니다"));
        }
        if (o.contains(QStringLiteral("suppressRepeated"))) {
            item.suppressRepeated = boolean(o.value(QStringLiteral("suppressRepeated")),
                                            at(where, QStringLiteral("suppressRepeated")));
        }
        if (o.contains(QStringLiteral("padding"))) {
            item.padding = number(o.value(QStringLiteral("padding")),
                                  at(where, QStringLiteral("padding")));
            if (item.padding < 0 || item.padding * 2 >= item.rect.width())
                fail(at(where, QStringLiteral("padding")),
                     QStringLiteral("칸 너비의 절반보다 작아야 합니다"));
        }
        if (o.contains(QStringLiteral("frame")))
            item.frame
                    = boolean(o.value(QStringLiteral("frame")), at(where, QStringLiteral("frame")));
    }

    ReportTemplate::Band readBand(const QJsonValue &v, const QString &where)
    {
        ReportTemplate::Band band;
        if (v.isUndefined())
            return band;
        if (!v.isObject())
            fail(where, QStringLiteral("{ \"height\": …, \"items\": [ … ] } 모양이어야 합니다"));
        const QJsonObject o = v.toObject();
        checkKeys(o, where, {"height", "items"});
        band.present = true;
        band.height
                = number(o.value(QStringLiteral("height")), at(where, QStringLiteral("height")));
        if (band.height < 0)
            fail(at(where, QStringLiteral("height")), QStringLiteral("0 이상이어야 합니다"));
        const QJsonValue items = o.value(QStringLiteral("items"));
        if (!items.isUndefined()) {
            if (!items.isArray())
                fail(at(where, QStringLiteral("items")), QStringLiteral("[ ] 로 묶어야 합니다"));
            const QJsonArray a = items.toArray();
            for (int i = 0; i < a.size(); ++i) {
                ReportTemplate::Item item;
                readItem(a.at(i), QStringLiteral("%1.items[%2]").arg(where).arg(i), item);
                band.items << item;
            }
        }
        return band;
    }

    void readGroups(const QJsonValue &v)
    {
        if (v.isUndefined())
            return;
        if (!v.isArray())
            fail(QStringLiteral("groups"), QStringLiteral("[ ] 로 묶어야 합니다"));
        const QJsonArray a = v.toArray();
        for (int i = 0; i < a.size(); ++i) {
            const QString where = QStringLiteral("groups[%1]").arg(i);
            if (!a.at(i).isObject())
                fail(where, QStringLiteral("{ } 로 묶어야 합니다"));
            const QJsonObject o = a.at(i).toObject();
            checkKeys(o, where,
                      {"key", "descending", "newPage", "repeatHeader", "header", "footer"});
            ReportTemplate::Group g;
            const QString key
                    = string(o.value(QStringLiteral("key")), at(where, QStringLiteral("key")));
            const auto field = ReportField::parseBraced(key);
            if (!field)
                fail(at(where, QStringLiteral("key")),
                     QStringLiteral("{테이블.열} 모양이어야 합니다"));
            checkTable(*field, at(where, QStringLiteral("key")), false);
            g.key = *field;
            if (o.contains(QStringLiteral("descending")))
                g.descending = boolean(o.value(QStringLiteral("descending")),
                                       at(where, QStringLiteral("descending")));
            if (o.contains(QStringLiteral("newPage")))
                g.newPage = boolean(o.value(QStringLiteral("newPage")),
                                    at(where, QStringLiteral("newPage")));
            if (o.contains(QStringLiteral("repeatHeader")))
                g.repeatHeader = boolean(o.value(QStringLiteral("repeatHeader")),
                                         at(where, QStringLiteral("repeatHeader")));
            g.header = readBand(o.value(QStringLiteral("header")),
                                at(where, QStringLiteral("header")));
            g.footer = readBand(o.value(QStringLiteral("footer")),
                                at(where, QStringLiteral("footer")));
            t.groups << g;
        }
    }

    void checkHeights()
    {
        // A record, its group headers and footers and the page's header and footer must fit
        // on one page; otherwise no page could ever hold it.
        double groupBands = 0;
        for (const auto &g : t.groups)
            groupBands += g.header.height + g.footer.height;
        const double needed
                = t.pageHeader.height + t.pageFooter.height + t.detail.height + groupBands;
        if (needed > t.bodyRectMm().height()) {
            fail(QString(),
                 QStringLiteral("머리글, 바닥글, 그룹과 본문 한 줄의 높이(%1mm)가 "
                                "용지 안쪽 높이(%2mm)보다 큽니다")
                         .arg(needed, 0, 'f', 1)
                         .arg(t.bodyRectMm().height(), 0, 'f', 1));
        }
        for (const ReportTemplate::Band *band : {&t.reportHeader, &t.reportFooter}) {
            if (band->height + t.pageHeader.height + t.pageFooter.height > t.bodyRectMm().height())
                fail(QString(), QStringLiteral("보고서 머리글이나 꼬리글이 한 쪽보다 큽니다"));
        }
    }

    void read(const QJsonObject &root)
    {
        checkKeys(root, QString(),
                  {"title", "paper", "orientation", "margins", "copies", "destination", "fonts",
                   "data", "formulas", "reportHeader", "pageHeader", "groups", "detail",
                   "pageFooter", "reportFooter"});
        if (root.contains(QStringLiteral("title")))
            t.title = string(root.value(QStringLiteral("title")), QStringLiteral("title"));
        readPaper(root);
        if (root.contains(QStringLiteral("copies"))) {
            const double c = number(root.value(QStringLiteral("copies")), QStringLiteral("copies"));
            if (c < 1 || c > 99 || c != int(c))
                fail(QStringLiteral("copies"), QStringLiteral("1 에서 99 사이의 정수여야 합니다"));
            t.copies = int(c);
        }
        if (root.contains(QStringLiteral("destination"))) {
            const QString d = string(root.value(QStringLiteral("destination")),
                                     QStringLiteral("destination"))
                                      .toLower();
            if (d == QLatin1String("preview"))
                t.destination = 0;
            else if (d == QLatin1String("printer"))
                t.destination = 1;
            else
                fail(QStringLiteral("destination"),
                     QStringLiteral("preview 또는 printer 여야 합니다"));
        }
        readFonts(root.value(QStringLiteral("fonts")));
        readData(root.value(QStringLiteral("data")));
        readFormulas(root.value(QStringLiteral("formulas")));
        t.reportHeader = readBand(root.value(QStringLiteral("reportHeader")),
                                  QStringLiteral("reportHeader"));
        t.pageHeader
                = readBand(root.value(QStringLiteral("pageHeader")), QStringLiteral("pageHeader"));
        readGroups(root.value(QStringLiteral("groups")));
        t.detail = readBand(root.value(QStringLiteral("detail")), QStringLiteral("detail"));
        t.pageFooter
                = readBand(root.value(QStringLiteral("pageFooter")), QStringLiteral("pageFooter"));
        t.reportFooter = readBand(root.value(QStringLiteral("reportFooter")),
                                  QStringLiteral("reportFooter"));
        checkHeights();
    }
};

} // namespace

std::optional<ReportTemplate> TemplateReader::read(const QByteArray &json, const QString &name,
                                                   QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(parseError.offset);
        const int line = static_cast<int>(before.count('\n')) + 1;
        const int column
                = static_cast<int>(
                          QString::fromUtf8(before.mid(before.lastIndexOf('\n') + 1)).size())
                + 1;
        if (error) {
            *error = QStringLiteral(
                             "양식 %1: %2번째 줄 %3번째 글자에서 JSON을 읽을 수 없습니다 (%4)")
                             .arg(name)
                             .arg(line)
                             .arg(column)
                             .arg(parseError.errorString());
        }
        return std::nullopt;
    }
    if (!doc.isObject()) {
        if (error)
            *error = QStringLiteral("양식 %1: 전체를 { } 로 묶어야 합니다").arg(name);
        return std::nullopt;
    }
    Reader reader;
    reader.t.name = name;
    try {
        reader.read(doc.object());
    } catch (const ReadError &e) {
        if (error)
            *error = QStringLiteral("양식 %1: %2").arg(name, e.text);
        return std::nullopt;
    }
    return reader.t;
}

std::optional<ReportTemplate> TemplateReader::readFile(const QString &path, QString *error)
{
    QFile file(path);
    const QString name = QFileInfo(path).completeBaseName();
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("양식 화일을 열 수 없습니다: %1 (%2)")
                             .arg(path, file.errorString());
        return std::nullopt;
    }
    auto t = read(file.readAll(), name, error);
    if (t)
        t->path = path;
    return t;
}
