#pragma once

#include "ReportField.h"
#include "ReportFontSpec.h"
#include "ReportText.h"
#include "SelectionFormula.h"
#include "SortField.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

// A report template as read from its file (see reports/README.md): the paper, the tables
// and their joins, the formula fields, and the bands with their texts, lines and boxes.
// Lengths are millimetres; item positions are relative to the band's top-left corner at the
// left margin.
struct ReportTemplate
{
    enum class ItemKind { Text, Line, Box };
    enum class Overflow { Clip, Wrap, Shrink };

    struct Item
    {
        ItemKind kind = ItemKind::Text;
        QRectF rect; // text and box
        QLineF line; // line
        ReportText text;
        QString format;
        ReportFontSpec font;
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        Overflow overflow = Overflow::Clip;
        bool suppressRepeated = false;
        double padding = 1.0; // left and right, inside the text's box
        QColor color = Qt::black;
        QColor fill; // invalid: none
        double lineWidth = 0.2; // lines, box borders and text frames
        bool frame = false; // text: draw its box
        bool stretch = false; // line or box grows with a band that grew (wrapped text)
    };

    struct Band
    {
        bool present = false;
        double height = 0;
        QList<Item> items;
    };

    struct Group
    {
        ReportField key;
        bool descending = false;
        bool newPage = false; // each group after the first starts a page
        bool repeatHeader = false; // the header is printed again on every page the group spans
        Band header;
        Band footer;
    };

    struct Join
    {
        QString table;
        QString column = QStringLiteral("고객코드");
        QString with; // table joined to; empty: the main table
        bool inner = false;
    };

    struct Formula
    {
        QString name;
        QString value; // shown when the screen sends none
    };

    QString name; // file name without extension
    QString path;
    QString title;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins = QMarginsF(15, 15, 15, 15); // left, top, right, bottom

    QString store; // "base", "maintenance" or empty: where the tables are
    QString from;
    QList<Join> joins;
    SelectionFormula where;
    QList<SortField> sort;

    QList<Formula> formulas;
    int copies = 1;
    int destination = 0; // 0 preview, 1 printer: used when the screen sets none

    Band reportHeader;
    Band pageHeader;
    QList<Group> groups;
    Band detail;
    Band pageFooter;
    Band reportFooter;

    QStringList tables() const;
    QSizeF pageSizeMm() const;
    QRectF bodyRectMm() const; // the page inside the margins
    bool hasTable(const QString &table) const;
    const Formula *formula(const QString &name) const;
    // Every column the template's texts, groups, sort and fixed selection name.
    QList<ReportField> fields() const;
    QList<const Band *> bands() const;
};
