#include "FormulaAssignment.h"
#include "SelectionFormula.h"
#include "SortField.h"

#include <QtTest>

// Selection formulas, sort keys and formula assignments exactly as the screens build them.
class TestSelectionFormula : public QObject
{
    Q_OBJECT
private slots:
    void translates_data();
    void translates();
    void rejects_data();
    void rejects();
    void sortFields_data();
    void sortFields();
    void formulaAssignments_data();
    void formulaAssignments();
};

void TestSelectionFormula::translates_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("values");

    const QString like = QStringLiteral(" LIKE ? ESCAPE '\\')");
    QTest::newRow("empty selects all") << QString() << QString() << QVariantList();
    QTest::newRow("blank selects all") << QStringLiteral("   ") << QString() << QVariantList();
    QTest::newRow("parts price list")
            << QStringLiteral("{정비부품.부품명} <> ''")
            << QStringLiteral("(\"정비부품\".\"부품명\" <> ?)") << QVariantList {QString()};
    QTest::newRow("reference price list")
            << QStringLiteral("{참조부품.부품명} <> ''")
            << QStringLiteral("(\"참조부품\".\"부품명\" <> ?)") << QVariantList {QString()};
    QTest::newRow("receivables, all names, no blank before the quotes")
            << QStringLiteral(" {고객.고객명} <>'' and {고객미수금.미수금} <> 0")
            << QStringLiteral("((\"고객\".\"고객명\" <> ?) AND (\"고객미수금\".\"미수금\" <> ?))")
            << QVariantList {QString(), qint64(0)};
    QTest::newRow("receivables, name begins with")
            << QStringLiteral("{고객.고객명} like '김*' and {고객미수금.미수금} <> 0")
            << QStringLiteral("((\"고객\".\"고객명\"") + like
                    + QStringLiteral(" AND (\"고객미수금\".\"미수금\" <> ?))")
            << QVariantList {QStringLiteral("김%"), qint64(0)};
    QTest::newRow("receivables, vehicle contains")
            << QStringLiteral("{고객.차량번호} like '*12가*' and {고객미수금.미수금} <> 0")
            << QStringLiteral("((\"고객\".\"차량번호\"") + like
                    + QStringLiteral(" AND (\"고객미수금\".\"미수금\" <> ?))")
            << QVariantList {QStringLiteral("%12가%"), qint64(0)};
    QTest::newRow("company receivables, two blanks before and")
            << QStringLiteral("{고객.소속회사} <> ''  and {고객미수금.미수금} > 0")
            << QStringLiteral("((\"고객\".\"소속회사\" <> ?) AND (\"고객미수금\".\"미수금\" > ?))")
            << QVariantList {QString(), qint64(0)};
    QTest::newRow("service history with both dates")
            << QStringLiteral("{고객.고객명} = '홍길동' and {정비내역.구분} = '1' and "
                              "{정비내역.정비일자} >= '2005.01.01' and "
                              "{정비내역.정비일자} <= '2005.12.31'")
            << QStringLiteral(
                       "((((\"고객\".\"고객명\" = ?) AND (\"정비내역\".\"구분\" = ?)) AND "
                       "(\"정비내역\".\"정비일자\" >= ?)) AND (\"정비내역\".\"정비일자\" <= ?))")
            << QVariantList {QStringLiteral("홍길동"), QStringLiteral("1"),
                             QStringLiteral("2005.01.01"), QStringLiteral("2005.12.31")};
    QTest::newRow("statement: code bare, >=' without blank, AND in capitals")
            << QStringLiteral("{고객.고객코드} = 12 AND {정비내역.정비일자} >='2005.01.01' AND "
                              "{정비내역.정비일자} <= '2005.12.31'")
            << QStringLiteral("(((\"고객\".\"고객코드\" = ?) AND (\"정비내역\".\"정비일자\" >= ?)) "
                              "AND (\"정비내역\".\"정비일자\" <= ?))")
            << QVariantList {qint64(12), QStringLiteral("2005.01.01"),
                             QStringLiteral("2005.12.31")};
    QTest::newRow("mobile number contains") << QStringLiteral("{고객.휴대폰} like '*1234*'")
                                            << QStringLiteral("(\"고객\".\"휴대폰\"") + like
                                            << QVariantList {QStringLiteral("%1234%")};
    QTest::newRow("quote inside a name") << QStringLiteral("{고객.고객명} = 'O'Neil'")
                                         << QStringLiteral("(\"고객\".\"고객명\" = ?)")
                                         << QVariantList {QStringLiteral("O'Neil")};
    QTest::newRow("quote inside a name, more conditions follow")
            << QStringLiteral("{고객.고객명} = 'it's' and {정비내역.구분} = '1'")
            << QStringLiteral("((\"고객\".\"고객명\" = ?) AND (\"정비내역\".\"구분\" = ?))")
            << QVariantList {QStringLiteral("it's"), QStringLiteral("1")};
    QTest::newRow("quote inside a like pattern") << QStringLiteral("{고객.고객명} like 'O'N*'")
                                                 << QStringLiteral("(\"고객\".\"고객명\"") + like
                                                 << QVariantList {QStringLiteral("O'N%")};
    QTest::newRow("text ending in a quote")
            << QStringLiteral("{고객.고객명} = 'abc''")
            << QStringLiteral("(\"고객\".\"고객명\" = ?)") << QVariantList {QStringLiteral("abc'")};
    QTest::newRow("brackets and words inside a company name")
            << QStringLiteral("{고객.소속회사} = '(주) 한빛 and 동명' and {정비내역.구분} = '1'")
            << QStringLiteral("((\"고객\".\"소속회사\" = ?) AND (\"정비내역\".\"구분\" = ?))")
            << QVariantList {QStringLiteral("(주) 한빛 and 동명"), QStringLiteral("1")};
    QTest::newRow("typed % and _ are no wildcards") << QStringLiteral("{고객.고객명} like '100%_*'")
                                                    << QStringLiteral("(\"고객\".\"고객명\"") + like
                                                    << QVariantList {QStringLiteral("100\\%\\_%")};
    QTest::newRow("or, parentheses")
            << QStringLiteral(
                       "({고객.고객명} = 'a' or {고객.고객명} = 'b') and {고객.차량번호} <> ''")
            << QStringLiteral("(((\"고객\".\"고객명\" = ?) OR (\"고객\".\"고객명\" = ?)) AND "
                              "(\"고객\".\"차량번호\" <> ?))")
            << QVariantList {QStringLiteral("a"), QStringLiteral("b"), QString()};
    QTest::newRow("and binds tighter than or")
            << QStringLiteral("{a.b} = 1 AND {a.c} = 2 OR {a.d} = 3")
            << QStringLiteral("(((\"a\".\"b\" = ?) AND (\"a\".\"c\" = ?)) OR (\"a\".\"d\" = ?))")
            << QVariantList {qint64(1), qint64(2), qint64(3)};
    QTest::newRow("not like") << QStringLiteral("{고객.고객명} not like '김*'")
                              << QStringLiteral("(\"고객\".\"고객명\" NOT") + like
                              << QVariantList {QStringLiteral("김%")};
    QTest::newRow("not before a condition")
            << QStringLiteral("not {고객.고객명} = ''")
            << QStringLiteral("(NOT (\"고객\".\"고객명\" = ?))") << QVariantList {QString()};
    QTest::newRow("value on the left") << QStringLiteral("'2005.01.01' <= {정비내역.정비일자}")
                                       << QStringLiteral("(? <= \"정비내역\".\"정비일자\")")
                                       << QVariantList {QStringLiteral("2005.01.01")};
    QTest::newRow("negative number, < and !=")
            << QStringLiteral("{고객미수금.미수금} < -100 or {고객미수금.미수금} != 5")
            << QStringLiteral(
                       "((\"고객미수금\".\"미수금\" < ?) OR (\"고객미수금\".\"미수금\" <> ?))")
            << QVariantList {qint64(-100), qint64(5)};
    QTest::newRow("double quotes")
            << QStringLiteral("{고객.고객명} = \"홍\"")
            << QStringLiteral("(\"고객\".\"고객명\" = ?)") << QVariantList {QStringLiteral("홍")};
    QTest::newRow("a double quote in a field name is quoted")
            << QStringLiteral("{고객.고\"객} = 1") << QString() << QVariantList();
}

void TestSelectionFormula::translates()
{
    QFETCH(QString, formula);
    QFETCH(QString, sql);
    QFETCH(QVariantList, values);
    const SelectionFormula f = SelectionFormula::parse(formula);
    if (QByteArray(QTest::currentDataTag()).startsWith("a double quote")) {
        QVERIFY(!f.isValid()); // names with quotes never reach the SQL
        return;
    }
    QVERIFY2(f.isValid(), qPrintable(f.error()));
    QCOMPARE(f.sql(), sql);
    QCOMPARE(f.values(), values);
    QCOMPARE(f.isEmpty(), sql.isEmpty());
}

void TestSelectionFormula::rejects_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("message");

    // An empty customer code, as a screen with no customer would send it.
    QTest::newRow("no value after =")
            << QStringLiteral("{고객.고객코드} =  AND {정비내역.정비일자} >='2005.01.01'")
            << QStringLiteral("필드나 값이 있어야 합니다");
    QTest::newRow("formula ends after =")
            << QStringLiteral("{고객.고객명} = ") << QStringLiteral("조건이 끝나지 않았습니다");
    QTest::newRow("quote never closed") << QStringLiteral("{고객.고객명} = 'abc")
                                        << QStringLiteral("따옴표가 닫히지 않았습니다");
    QTest::newRow("brace never closed")
            << QStringLiteral("{고객.고객명 = 'a'") << QStringLiteral("'}'가 없습니다");
    QTest::newRow("field without column")
            << QStringLiteral("{고객} = 'a'") << QStringLiteral("{테이블.열}");
    QTest::newRow("no operator") << QStringLiteral("{고객.고객명} 'a'")
                                 << QStringLiteral("비교 연산자");
    QTest::newRow("bracket not closed")
            << QStringLiteral("({고객.고객명} = 'a'") << QStringLiteral("')'가 없습니다");
    QTest::newRow("dangling and") << QStringLiteral("{고객.고객명} = 'a' and")
                                  << QStringLiteral("조건이 끝나지 않았습니다");
    QTest::newRow("like without text")
            << QStringLiteral("{고객.고객명} like 5") << QStringLiteral("like 뒤에는");
    QTest::newRow("two values") << QStringLiteral("'a' = 1") << QStringLiteral("한쪽은 필드");
    // Typed text that tries to add a condition is never SQL; here it cannot even be read.
    QTest::newRow("a quote-and-or attempt")
            << QStringLiteral("{고객.고객명} = 'x' or 'a'='a'") << QStringLiteral("비교 연산자");
    QTest::newRow("numbers only") << QStringLiteral("1 = 1") << QStringLiteral("한쪽은 필드");
    QTest::newRow("something left over")
            << QStringLiteral("{고객.고객명} = 'a' {고객.차량번호}") << QStringLiteral("남은 글자");
    QTest::newRow("double =") << QStringLiteral("{고객.고객명} == 'a'")
                              << QStringLiteral("필드나 값이 있어야 합니다");
    QTest::newRow("unknown character") << QStringLiteral("{고객.고객명} = 1 & {고객.차량번호} = 2")
                                       << QStringLiteral("알 수 없는 글자 '&'");
    QTest::newRow("unknown word") << QStringLiteral("{고객.고객명} = 1 xor {고객.차량번호} = 2")
                                  << QStringLiteral("알 수 없는 낱말 'xor'");
    QTest::newRow("bad number") << QStringLiteral("{고객.고객코드} = 12abc")
                                << QStringLiteral("숫자가 잘못되었습니다");
    QTest::newRow("SQL instead of a field")
            << QStringLiteral("고객명 = 'a'") << QStringLiteral("알 수 없는 낱말 '고객명'");
}

void TestSelectionFormula::rejects()
{
    QFETCH(QString, formula);
    QFETCH(QString, message);
    const SelectionFormula f = SelectionFormula::parse(formula);
    QVERIFY(!f.isValid());
    QVERIFY2(f.error().contains(message), qPrintable(f.error()));
    QVERIFY(f.error().contains(QStringLiteral("번째 글자")));
    QVERIFY(f.sql().isEmpty());
    QVERIFY(f.values().isEmpty());
}

void TestSelectionFormula::sortFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("descending");
    QTest::newRow("ascending") << QStringLiteral("+{정비내역.정비일자}") << true
                               << QStringLiteral("정비내역") << QStringLiteral("정비일자") << false;
    QTest::newRow("descending") << QStringLiteral("-{고객.고객명}") << true
                                << QStringLiteral("고객") << QStringLiteral("고객명") << true;
    QTest::newRow("no sign, blanks")
            << QStringLiteral("  { 고객.차량번호 } ") << true << QStringLiteral("고객")
            << QStringLiteral("차량번호") << false;
    QTest::newRow("no braces") << QStringLiteral("+고객.고객명") << false << QString() << QString()
                               << false;
    QTest::newRow("no column") << QStringLiteral("+{고객}") << false << QString() << QString()
                               << false;
    QTest::newRow("SQL after the key") << QStringLiteral("+{고객.고객명}; drop table 고객") << false
                                       << QString() << QString() << false;
}

void TestSelectionFormula::sortFields()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QString error;
    const auto s = SortField::parse(text, &error);
    QCOMPARE(s.has_value(), valid);
    if (!valid) {
        QVERIFY(error.contains(QStringLiteral("정렬 필드")));
        return;
    }
    QTEST(s->field.table, "table");
    QTEST(s->field.column, "column");
    QTEST(s->descending, "descending");
}

void TestSelectionFormula::formulaAssignments_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("date") << QStringLiteral("발행일자 = '2005.12.31'") << true
                          << QStringLiteral("발행일자") << QStringLiteral("2005.12.31");
    QTest::newRow("amount") << QStringLiteral("전미수 = '-1,234'") << true
                            << QStringLiteral("전미수") << QStringLiteral("-1,234");
    QTest::newRow("empty value") << QStringLiteral("XDate = ''") << true << QStringLiteral("XDate")
                                 << QString();
    QTest::newRow("quote inside") << QStringLiteral("name1 = 'O'Neil'") << true
                                  << QStringLiteral("name1") << QStringLiteral("O'Neil");
    QTest::newRow("= inside") << QStringLiteral("Name = 'a = b'") << true << QStringLiteral("Name")
                              << QStringLiteral("a = b");
    QTest::newRow("no blanks, @") << QStringLiteral("@Type='전체'") << true
                                  << QStringLiteral("Type") << QStringLiteral("전체");
    QTest::newRow("bare number") << QStringLiteral("합계 = 1234") << true << QStringLiteral("합계")
                                 << QStringLiteral("1234");
    QTest::newRow("no =") << QStringLiteral("발행일자 '2005'") << false << QString() << QString();
    QTest::newRow("no name") << QStringLiteral(" = '2005'") << false << QString() << QString();
}

void TestSelectionFormula::formulaAssignments()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QString error;
    const auto a = FormulaAssignment::parse(text, &error);
    QCOMPARE(a.has_value(), valid);
    if (!valid) {
        QVERIFY(error.contains(QStringLiteral("이름 = '값'")));
        return;
    }
    QTEST(a->name, "name");
    QTEST(a->value, "value");
}

QTEST_GUILESS_MAIN(TestSelectionFormula)
#include "tst_selectionformula.moc"
