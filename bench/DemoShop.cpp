#include "DemoShop.h"

#include "DataPaths.h"
#include "Database.h"
#include "Schema.h"
#include "Stores.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <random>

namespace {

class Rng
{
public:
    explicit Rng(quint32 seed)
        : m_gen(seed)
    {
    }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_gen); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_gen) < p; }
    template<typename T>
    const T &pick(const QList<T> &list) { return list.at(between(0, int(list.size()) - 1)); }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar('0' + between(0, 9));
        return s;
    }

private:
    std::mt19937 m_gen;
};

const QStringList kSurnames = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임",
                               "한", "오", "서", "신", "권", "황", "안", "송", "류", "홍"};
const QStringList kGiven = {"민", "서", "준", "지", "현", "우", "수", "영", "성", "진", "하", "은",
                            "도", "윤", "재", "희", "경", "상", "태", "혜", "동", "미", "석", "호"};
const QStringList kRegions = {"서울", "경기", "인천", "부산", "대구", "광주", "대전", "울산",
                              "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주"};
const QStringList kPlateLetters = {"가", "나", "다", "라", "마", "거", "너", "더", "러", "머",
                                   "버", "서", "어", "저", "고", "노", "도", "로", "모", "보",
                                   "소", "오", "조", "구", "누", "두", "루", "무", "부", "수"};
const QStringList kModels = {"쏘나타", "아반떼", "그랜저", "싼타페", "투싼", "모닝", "스포티지",
                             "쏘렌토", "K5", "K7", "카니발", "봉고3", "포터2", "스타렉스", "SM5",
                             "코란도", "레이", "티볼리", "말리부", "스파크", "제네시스", "QM6"};
const QStringList kColours = {"흰색", "검정색", "은색", "회색", "진주색", "빨간색", "파란색", "쥐색"};
const QStringList kInsurers = {"삼성화재", "현대해상", "DB손해보험", "KB손해보험", "메리츠화재",
                               "한화손해보험", "롯데손해보험", "흥국화재"};
const QStringList kCompanies = {"한빛물류", "대성운수", "서울택시", "우리렌트카", "동아건설",
                                "미래유통", "신한택배"};
const QStringList kMechanics = {"김정비", "박기사", "이반장", "최기사"};
const QStringList kIncome = {"정비수입", "부품판매", "보험수리", "세차수입"};
const QStringList kExpense = {"부품구입", "공구구입", "임대료", "전기요금", "급여", "식대"};
const QStringList kRemarks = {"단골", "법인차량", "현금결제 선호", "오전 방문", "렌트차량"};

// Bound as text, not as Null: text columns hold ''.
const QString kEmpty = QStringLiteral("");

struct Address
{
    QString code, province, district, town, lots;
};

QList<Address> postalSample()
{
    const QList<QStringList> areas = {
        {"서울특별시", "강남구", "역삼동,삼성동,대치동,논현동,신사동,압구정동,청담동,개포동"},
        {"서울특별시", "송파구", "잠실동,가락동,문정동,방이동,석촌동,송파동"},
        {"서울특별시", "마포구", "합정동,서교동,망원동,연남동,공덕동,상암동"},
        {"서울특별시", "노원구", "상계동,중계동,하계동,월계동,공릉동"},
        {"경기도", "성남시 분당구", "정자동,서현동,수내동,야탑동,이매동,금곡동"},
        {"경기도", "수원시 팔달구", "인계동,매탄동,우만동,지동,화서동"},
        {"경기도", "고양시 일산동구", "장항동,마두동,백석동,풍동,식사동"},
        {"인천광역시", "남동구", "구월동,간석동,만수동,논현동,서창동"},
        {"부산광역시", "해운대구", "우동,중동,좌동,송정동,재송동,반여동"},
        {"대구광역시", "수성구", "범어동,만촌동,황금동,지산동,시지동"},
        {"대전광역시", "유성구", "봉명동,궁동,어은동,노은동,전민동"},
        {"광주광역시", "서구", "치평동,상무동,화정동,풍암동,금호동"},
    };
    QList<Address> out;
    int code = 100;
    for (const QStringList &area : areas) {
        int lot = 1;
        for (const QString &town : area.at(2).split(',')) {
            for (int block = 0; block < 4; ++block) {
                out << Address{QStringLiteral("%1-%2").arg(code).arg(100 + block * 10 + lot % 10),
                               area.at(0), area.at(1), town,
                               QStringLiteral("%1~%2").arg(lot).arg(lot + 49)};
                lot += 50;
            }
        }
        code += 7;
    }
    return out;
}

struct Part
{
    QString name, spec, unit;
    qint64 price, cost;
    bool engineOil;
};

QList<Part> catalogue(int count)
{
    struct Base
    {
        const char *name, *spec, *unit;
        qint64 price;
    };
    const Base base[] = {
        {"엔진오일 교환", "4L", "회", 35000},       {"엔진오일(합성유) 교환", "4L", "회", 65000},
        {"오일필터", "", "EA", 8000},               {"에어필터", "", "EA", 12000},
        {"에어컨필터", "", "EA", 15000},            {"브레이크패드(앞)", "", "SET", 45000},
        {"브레이크패드(뒤)", "", "SET", 40000},     {"브레이크오일 교환", "1L", "회", 30000},
        {"미션오일 교환", "", "회", 80000},         {"부동액 교환", "4L", "회", 50000},
        {"배터리 60AH", "60AH", "EA", 95000},       {"배터리 80AH", "80AH", "EA", 120000},
        {"타이어 교환", "", "EA", 110000},          {"타이어 펑크수리", "", "회", 10000},
        {"와이퍼 블레이드", "", "EA", 12000},       {"점화플러그", "", "EA", 9000},
        {"타이밍벨트 교환", "", "회", 250000},      {"휠 얼라인먼트", "", "회", 40000},
        {"휠 밸런스", "", "회", 20000},             {"전조등 전구", "H7", "EA", 8000},
        {"에어컨 가스 충전", "", "회", 40000},      {"냉각수 보충", "", "회", 5000},
        {"점검 공임", "", "회", 10000},             {"하체 점검", "", "회", 15000},
        {"판금 공임", "", "회", 80000},             {"도장 공임", "", "판", 120000},
        {"외부 벨트 교환", "", "EA", 35000},        {"쇼바 교환(앞)", "", "EA", 90000},
        {"머플러 수리", "", "회", 60000},           {"세차", "", "회", 15000},
    };
    QList<Part> out;
    for (const Base &b : base) {
        out << Part{QString::fromUtf8(b.name), QString::fromUtf8(b.spec), QString::fromUtf8(b.unit),
                    b.price, b.price * 6 / 10, QString::fromUtf8(b.name).startsWith("엔진오일")};
    }
    // Model-specific variants until the catalogue has the size asked for.
    for (int i = 0; out.size() < count; ++i) {
        const Base &b = base[i % std::size(base)];
        const QString model = kModels.at((i / int(std::size(base))) % kModels.size());
        const int round = i / int(std::size(base) * kModels.size());
        QString name = QString::fromUtf8(b.name) + QLatin1Char(' ') + model;
        if (round > 0)
            name += QStringLiteral(" %1형").arg(round + 1);
        const qint64 price = b.price + (i % 7) * 1000;
        out << Part{name.left(30), QString::fromUtf8(b.spec), QString::fromUtf8(b.unit), price,
                    price * 6 / 10, name.startsWith("엔진오일")};
    }
    while (out.size() > count)
        out.removeLast();
    return out;
}

struct Visit
{
    qint32 customer;
    qint32 day;    // index into the list of dates
    quint32 seed;
    quint8 lines;  // service lines of the visit
    quint8 payment; // 0 paid in full, 1 half paid, 2 not paid
};

struct Totals
{
    qint64 amount = 0, discount = 0, due = 0, paid = 0;
    bool any = false;
};

bool check(QSqlQuery &q, DemoShop::Result &result)
{
    if (!q.exec()) {
        result.error = q.lastError().text();
        return false;
    }
    return true;
}

bool run(Database &db, const QString &sql, DemoShop::Result &result)
{
    if (!db.exec(sql)) {
        result.error = db.lastError() + QStringLiteral(": ") + sql;
        return false;
    }
    return true;
}

// Bulk loading: no journal while the new files fill; WAL again at the end.
bool beginBulk(Database &db, DemoShop::Result &result)
{
    return run(db, "PRAGMA journal_mode=OFF", result) && run(db, "PRAGMA synchronous=OFF", result)
            && run(db, "BEGIN", result);
}

bool finishStore(Database &db, DemoShop::Result &result)
{
    return run(db, "PRAGMA journal_mode=WAL", result) && run(db, "PRAGMA synchronous=FULL", result)
            && run(db, "ANALYZE", result);
}

bool endBulk(Database &db, DemoShop::Result &result)
{
    return run(db, "COMMIT", result) && finishStore(db, result);
}

} // namespace

DemoShop::Result DemoShop::generate(const QString &root, const Options &options)
{
    Result result;
    const DataPaths paths = DataPaths::fromRoot(root);
    if (QFile::exists(paths.basePath)) {
        result.error = QStringLiteral("%1 already holds a shop").arg(root);
        return result;
    }
    {
        Stores stores(paths);
        if (!stores.createMissing(&result.error))
            return result;
    }
    Database base(QStringLiteral("demo-base"));
    Database maintenance(QStringLiteral("demo-maintenance"));
    Database postal(QStringLiteral("demo-postal"));
    if (!base.openFile(paths.basePath, false) || !maintenance.openFile(paths.maintenancePath, false)
        || !postal.openFile(paths.postalPath, false)) {
        result.error = QStringLiteral("the new stores do not open");
        return result;
    }
    Rng rng(options.seed);
    const QDate today = QDate::currentDate();
    const QDate first = today.addYears(-options.years);
    QStringList dates;
    for (QDate d = first; d <= today; d = d.addDays(1)) {
        if (d.dayOfWeek() != 7) // closed on Sundays
            dates << d.toString(QStringLiteral("yyyy.MM.dd"));
    }
    const auto dateText = [](const QDate &d) { return d.toString(QStringLiteral("yyyy.MM.dd")); };

    // Postal codes.
    const QList<Address> addresses = postalSample();
    if (!beginBulk(postal, result))
        return result;
    {
        QSqlQuery q(postal.handle());
        q.prepare(QStringLiteral("INSERT INTO 우편번호 VALUES (?, ?, ?, ?, ?)"));
        for (const Address &a : addresses) {
            q.bindValue(0, a.code);
            q.bindValue(1, a.province);
            q.bindValue(2, a.district);
            q.bindValue(3, a.town);
            q.bindValue(4, a.lots);
            if (!check(q, result))
                return result;
        }
    }
    if (!endBulk(postal, result))
        return result;

    // Base data: shop, codes, catalogues, customers.
    if (!beginBulk(base, result))
        return result;
    if (!run(base,
             "INSERT INTO 사용자등록 VALUES (9999, '한빛 자동차정비', '제2005-0123호', "
             "'123-45-67890', '김한빛', '서비스', '자동차정비', '02-555-1234', '02-555-1235', "
             "'135-080', '서울특별시 강남구 역삼동 123-4')",
             result)
        || !run(base,
                "INSERT INTO 안내장 VALUES (1, '고객님의 차량 보험 및 검사 만기일이 다가오고 "
                "있습니다. 가까운 날에 방문해 주시면 친절하게 점검해 드리겠습니다.')",
                result)) {
        return result;
    }
    if (options.password && !run(base, "INSERT INTO 암호관리 VALUES ('1', '1234')", result))
        return result;
    {
        QSqlQuery q(base.handle());
        q.prepare(QStringLiteral("INSERT INTO 기타참조 (name, gubun) VALUES (?, ?)"));
        const QList<QPair<QString, QStringList>> codes = {
            {"차량지역", kRegions}, {"차종", kModels},       {"차량색상", kColours},
            {"보험회사", kInsurers}, {"소속회사", kCompanies}, {"정비담당", kMechanics},
            {"수입계정", kIncome},   {"지출계정", kExpense},
        };
        for (const auto &[category, names] : codes) {
            for (const QString &name : names) {
                q.bindValue(0, name);
                q.bindValue(1, category);
                if (!check(q, result))
                    return result;
            }
        }
    }
    const QList<Part> parts = catalogue(options.parts);
    {
        QSqlQuery q(base.handle());
        for (const char *table : {"정비부품", "참조부품"}) {
            q.prepare(QStringLiteral("INSERT INTO %1 (부품명, 규격, 단위, 판매단가, 매입단가) "
                                     "VALUES (?, ?, ?, ?, ?)")
                              .arg(QString::fromUtf8(table)));
            const bool reference = QString::fromUtf8(table) == QStringLiteral("참조부품");
            for (const Part &p : parts) {
                q.bindValue(0, p.name);
                q.bindValue(1, p.spec);
                q.bindValue(2, p.unit);
                q.bindValue(3, reference ? p.price * 11 / 10 : p.price);
                q.bindValue(4, p.cost);
                if (!check(q, result))
                    return result;
            }
        }
        result.parts = parts.size();
    }
    const int customers = std::max(1, options.customers);
    const bool heavy = options.lines >= 20000;
    {
        QSqlQuery q(base.handle());
        q.prepare(QStringLiteral("INSERT INTO 고객 (고객명, 차량번호, 차량명, 차량색상, 차량년식, "
                                 "보험회사, 보험만기, 검사만기, 자택전화, 직장전화, 휴대폰, 삐삐, "
                                 "소속회사, 주민번호, 등록일자, 우편번호, 주소, 기타사항) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery bankbook(base.handle());
        bankbook.prepare(QStringLiteral("INSERT INTO 통장 VALUES (?, 0)"));
        QSqlQuery memo(base.handle());
        memo.prepare(QStringLiteral("INSERT INTO 메모장 VALUES (?, ?)"));
        for (int i = 1; i <= customers; ++i) {
            const bool fleet = heavy && i == 1;
            QString name = fleet ? QStringLiteral("한빛물류")
                                 : rng.pick(kSurnames) + rng.pick(kGiven) + rng.pick(kGiven);
            const QString plate = rng.pick(kRegions) + rng.digits(2) + rng.pick(kPlateLetters)
                    + rng.digits(4);
            const Address &a = rng.pick(addresses);
            const QDate registered = first.addDays(rng.between(0, first.daysTo(today)));
            const int birthYear = rng.between(45, 99);
            QVariantList v = {
                name,
                plate,
                rng.pick(kModels),
                rng.pick(kColours),
                QString::number(rng.between(2005, today.year())),
                rng.pick(kInsurers),
                dateText(today.addDays(rng.between(-60, 365))),
                dateText(today.addDays(rng.between(-60, 730))),
                rng.chance(0.6) ? QStringLiteral("02-%1-%2").arg(rng.digits(3), rng.digits(4))
                                : kEmpty,
                rng.chance(0.2) ? QStringLiteral("031-%1-%2").arg(rng.digits(3), rng.digits(4))
                                : kEmpty,
                QStringLiteral("010-%1-%2").arg(rng.digits(4), rng.digits(4)),
                kEmpty,
                fleet ? kCompanies.first() : rng.chance(0.08) ? rng.pick(kCompanies) : kEmpty,
                QStringLiteral("%1%2%3-%4%5")
                        .arg(birthYear)
                        .arg(rng.between(1, 12), 2, 10, QChar('0'))
                        .arg(rng.between(1, 28), 2, 10, QChar('0'))
                        .arg(rng.between(1, 2))
                        .arg(rng.digits(6)),
                dateText(registered),
                a.code,
                QStringLiteral("%1 %2 %3 %4").arg(a.province, a.district, a.town).arg(rng.between(1, 999)),
                rng.chance(0.1) ? rng.pick(kRemarks) : kEmpty,
            };
            for (int c = 0; c < v.size(); ++c)
                q.bindValue(c, v.at(c));
            if (!check(q, result))
                return result;
            bankbook.bindValue(0, i);
            if (!check(bankbook, result))
                return result;
            if (rng.chance(0.02)) {
                memo.bindValue(0, i);
                memo.bindValue(1, QStringLiteral("%1 고객: 다음 방문 때 %2 점검 권유")
                                          .arg(name, rng.pick(parts).name));
                if (!check(memo, result))
                    return result;
            }
        }
        result.customers = customers;
    }

    // Visits: chosen first, then stored in date order so that line keys follow the dates.
    QVector<Visit> visits;
    visits.reserve(options.lines / 3 + 1000);
    // Each visit takes its service lines and, unless unpaid, one payment line from left.
    const auto addVisit = [&](int customer, qint64 &left) {
        Visit v{customer, rng.between(0, int(dates.size()) - 1), quint32(rng.between(0, 1 << 30)),
                quint8(rng.between(1, 4)), quint8(0)};
        const int roll = rng.between(1, 100);
        v.payment = roll <= 95 ? 0 : roll <= 98 ? 1 : 2;
        if (v.lines + (v.payment == 2 ? 0 : 1) > left) {
            v.lines = quint8(std::max<qint64>(1, std::min<qint64>(left, 4)));
            v.payment = 2;
        }
        left -= v.lines + (v.payment == 2 ? 0 : 1);
        visits << v;
    };
    qint64 budget = options.lines;
    if (heavy) {
        qint64 fleet = 999;
        while (fleet > 0)
            addVisit(1, fleet);
        budget -= 999;
    }
    while (budget > 0)
        addVisit(rng.between(heavy ? 2 : 1, customers), budget);
    std::stable_sort(visits.begin(), visits.end(),
                     [](const Visit &a, const Visit &b) { return a.day < b.day; });

    QVector<Totals> totals(customers + 1);
    if (!beginBulk(maintenance, result))
        return result;
    if (!run(maintenance, "DROP INDEX IF EXISTS IX_정비내역_고객", result)
        || !run(maintenance, "DROP INDEX IF EXISTS IX_정비내역_정비일자", result)) {
        return result;
    }
    {
        QSqlQuery q(maintenance.handle());
        q.prepare(QStringLiteral("INSERT INTO 정비내역 (정비일자, 구분, 고객코드, 부품코드, 부품명, "
                                 "규격, 판매단가, 수량, 금액, 활인, 판매금액, 입금액, 주행, "
                                 "정비담당, 통장, 상태) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 'A')"));
        const QString payment = QStringLiteral("< 입금 >");
        for (const Visit &v : visits) {
            Rng local(v.seed);
            const QString &date = dates.at(v.day);
            // The odometer grows with the days since the history began.
            const qint64 km = (qint64(v.customer) * 7919) % 90000 + 5000
                    + qint64(v.day) * (20 + v.customer % 50);
            const QString mechanic = local.pick(kMechanics);
            qint64 visitDue = 0;
            Totals &t = totals[v.customer];
            t.any = true;
            for (int l = 0; l < v.lines; ++l) {
                const int index = l == 0 && local.chance(0.35) ? local.between(0, 1)
                                                              : local.between(0, int(parts.size()) - 1);
                const Part &p = parts.at(index);
                const qint64 quantity = p.name.startsWith(QStringLiteral("타이어 교환"))
                        ? (local.chance(0.5) ? 2 : 4)
                        : 1;
                const qint64 amount = p.price * quantity;
                const qint64 discount = local.chance(0.12)
                        ? std::max<qint64>(1000, amount / 10 / 1000 * 1000)
                        : 0;
                const qint64 due = amount - discount;
                const bool reading = p.engineOil || local.chance(0.25);
                const QVariantList values = {date, QStringLiteral("1"), v.customer, index + 1,
                                             p.name, p.spec, p.price, quantity, amount, discount,
                                             due, 0, reading ? km : 0, mechanic};
                for (int c = 0; c < values.size(); ++c)
                    q.bindValue(c, values.at(c));
                if (!check(q, result))
                    return result;
                t.amount += amount;
                t.discount += discount;
                t.due += due;
                visitDue += due;
                ++result.lines;
            }
            if (v.payment != 2) {
                const qint64 paid = v.payment == 0 ? visitDue : visitDue / 2 / 1000 * 1000;
                const QVariantList values = {date, QStringLiteral("2"), v.customer, 0, payment,
                                             QStringLiteral("0"), 0, 0, 0, 0, 0, paid, 0,
                                             kEmpty};
                for (int c = 0; c < values.size(); ++c)
                    q.bindValue(c, values.at(c));
                if (!check(q, result))
                    return result;
                t.paid += paid;
                ++result.lines;
            }
        }
    }
    if (!run(maintenance, "COMMIT", result))
        return result;
    if (!Schema::ensureMaintenanceIndexes(maintenance)) {
        result.error = maintenance.lastError();
        return result;
    }
    if (!finishStore(maintenance, result))
        return result;

    {
        QSqlQuery q(base.handle());
        q.prepare(QStringLiteral("INSERT INTO 고객미수금 VALUES (?, ?, ?, ?, ?, ?)"));
        for (int c = 1; c <= customers; ++c) {
            const Totals &t = totals.at(c);
            if (!t.any)
                continue;
            const QVariantList values = {c, t.amount, t.discount, t.due, t.paid, t.due - t.paid};
            for (int i = 0; i < values.size(); ++i)
                q.bindValue(i, values.at(i));
            if (!check(q, result))
                return result;
        }
    }
    if (!endBulk(base, result))
        return result;
    result.heavyCustomer = heavy ? 1 : 0;
    return result;
}

QString DemoShop::benchRoot()
{
    QString root = qEnvironmentVariable("TORVIK_BENCH_ROOT");
    if (root.isEmpty())
        root = QDir::tempPath() + QStringLiteral("/torvik-bench-root");
    if (QFile::exists(DataPaths::fromRoot(root).basePath))
        return root;
    const Result result = generate(root, Options());
    if (!result.error.isEmpty()) {
        qWarning("demo shop: %s", qPrintable(result.error));
        return QString();
    }
    return root;
}
