#include "ReportSampleShop.h"

#include "Database.h"
#include "Transaction.h"

#include <QStringList>

namespace {

// A small fixed generator, so every run prints the same shop.
class Sequence
{
public:
    explicit Sequence(quint32 seed)
        : m_state(seed)
    { }
    int next(int bound)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<int>((m_state >> 8) % static_cast<quint32>(bound));
    }
    template<typename T>
    const T &pick(const QList<T> &list)
    {
        return list.at(next(static_cast<int>(list.size())));
    }

private:
    quint32 m_state;
};

const QStringList kParts = {QStringLiteral("엔진오일(가솔린 5W-30)"),
                            QStringLiteral("엔진오일(디젤 5W-30)"),
                            QStringLiteral("오일필터"),
                            QStringLiteral("에어클리너"),
                            QStringLiteral("에어컨필터"),
                            QStringLiteral("브레이크패드(앞)"),
                            QStringLiteral("브레이크패드(뒤)"),
                            QStringLiteral("브레이크오일 교환"),
                            QStringLiteral("브레이크 디스크(앞)"),
                            QStringLiteral("미션오일(자동)"),
                            QStringLiteral("부동액 교환"),
                            QStringLiteral("점화플러그"),
                            QStringLiteral("점화코일"),
                            QStringLiteral("타이밍벨트 세트"),
                            QStringLiteral("겉벨트"),
                            QStringLiteral("배터리 60AH"),
                            QStringLiteral("배터리 80AH"),
                            QStringLiteral("와이퍼 블레이드"),
                            QStringLiteral("전조등 전구(H7)"),
                            QStringLiteral("타이어 205/55R16"),
                            QStringLiteral("타이어 225/45R17"),
                            QStringLiteral("휠 얼라인먼트"),
                            QStringLiteral("라디에이터 호스(상)"),
                            QStringLiteral("쇼크업소버(앞)"),
                            QStringLiteral("등속조인트"),
                            QStringLiteral("로어암"),
                            QStringLiteral("머플러 교환"),
                            QStringLiteral("산소센서"),
                            QStringLiteral("연료필터"),
                            QStringLiteral("파워스티어링 오일"),
                            QStringLiteral("클러치 디스크"),
                            QStringLiteral("스타트모터 재생"),
                            QStringLiteral("발전기(알터네이터) 재생"),
                            QStringLiteral("에어컨 가스 충전"),
                            QStringLiteral("에바포레이터 세척"),
                            QStringLiteral("디퍼런셜 오일"),
                            QStringLiteral("허브 베어링"),
                            QStringLiteral("스테빌라이저 링크"),
                            QStringLiteral("타이로드 엔드"),
                            QStringLiteral("워터펌프"),
                            QStringLiteral("써모스탯"),
                            QStringLiteral("인젝터 세척"),
                            QStringLiteral("DPF 클리닝"),
                            QStringLiteral("요소수 보충"),
                            QStringLiteral("하체 점검 공임"),
                            QStringLiteral("엔진 룸 세척"),
                            QStringLiteral("냉각수 보충"),
                            QStringLiteral("흡기 클리닝"),
                            QStringLiteral("블랙박스 장착"),
                            QStringLiteral("엔진 마운트")};
const QStringList kModels = {QStringLiteral("쏘나타 DN8"), QStringLiteral("아반떼 CN7"),
                             QStringLiteral("그랜저 IG"),  QStringLiteral("K5 3세대"),
                             QStringLiteral("카니발 KA4"), QStringLiteral("스포티지 NQ5"),
                             QStringLiteral("싼타페 TM"),  QStringLiteral("모닝"),
                             QStringLiteral("레이"),       QStringLiteral("포터2"),
                             QStringLiteral("봉고3"),      QStringLiteral("투싼 NX4"),
                             QStringLiteral("쏘렌토 MQ4"), QStringLiteral("SM6"),
                             QStringLiteral("QM6"),        QStringLiteral("티볼리"),
                             QStringLiteral("말리부"),     QStringLiteral("트랙스"),
                             QStringLiteral("스타렉스"),   QStringLiteral("팰리세이드"),
                             QStringLiteral("코나"),       QStringLiteral("셀토스"),
                             QStringLiteral("니로"),       QStringLiteral("G80"),
                             QStringLiteral("공용"),       QStringLiteral("1톤 화물"),
                             QStringLiteral("경차 공용"),  QStringLiteral("수입차 공용"),
                             QStringLiteral("디젤 SUV"),   QStringLiteral("LPG 택시"),
                             QStringLiteral("체어맨"),     QStringLiteral("렉스턴"),
                             QStringLiteral("토레스"),     QStringLiteral("캐스퍼"),
                             QStringLiteral("베뉴"),       QStringLiteral("스팅어"),
                             QStringLiteral("모하비"),     QStringLiteral("아이오닉5"),
                             QStringLiteral("EV6"),        QStringLiteral("그랜드 스타렉스")};
const QStringList kSurnames
        = {QStringLiteral("김"), QStringLiteral("이"), QStringLiteral("박"), QStringLiteral("최"),
           QStringLiteral("정"), QStringLiteral("강"), QStringLiteral("조"), QStringLiteral("윤"),
           QStringLiteral("장"), QStringLiteral("임"), QStringLiteral("한"), QStringLiteral("오")};
const QStringList kGiven = {QStringLiteral("민수"), QStringLiteral("영희"), QStringLiteral("지훈"),
                            QStringLiteral("서연"), QStringLiteral("현우"), QStringLiteral("수진"),
                            QStringLiteral("도윤"), QStringLiteral("하은"), QStringLiteral("성호"),
                            QStringLiteral("미경"), QStringLiteral("정훈"), QStringLiteral("은지"),
                            QStringLiteral("태현"), QStringLiteral("윤아"), QStringLiteral("상철")};
const QStringList kRegions
        = {QStringLiteral("서울"), QStringLiteral("경기"), QStringLiteral("인천"),
           QStringLiteral("부산"), QStringLiteral("대구"), QStringLiteral("")};

const QStringList kHangulMarks
        = {QStringLiteral("가"), QStringLiteral("나"), QStringLiteral("다"), QStringLiteral("라"),
           QStringLiteral("마"), QStringLiteral("거"), QStringLiteral("너"), QStringLiteral("더"),
           QStringLiteral("허"), QStringLiteral("하"), QStringLiteral("호"), QStringLiteral("조")};
// '' rather than a null text: the stores keep no Null in text columns.
const QStringList kCompanies = {QStringLiteral(""),
                                QStringLiteral(""),
                                QStringLiteral(""),
                                QStringLiteral("(주)한빛물산"),
                                QStringLiteral("동명운수"),
                                QStringLiteral("새솔택시"),
                                QStringLiteral("우리건설(주)"),
                                QStringLiteral("")};
const QStringList kStreets
        = {QStringLiteral("서울특별시 강남구 역삼동 %1-%2"),
           QStringLiteral("서울특별시 마포구 성산동 %1-%2 한빛빌라 %3호"),
           QStringLiteral("경기도 성남시 분당구 정자동 %1 느티마을 %2동 %3호"),
           QStringLiteral("인천광역시 남동구 구월동 %1-%2"),
           QStringLiteral("경기도 고양시 일산동구 장항동 %1-%2 호수마을아파트 %2동 %3호"),
           QStringLiteral("서울특별시 영등포구 당산동%2가 %1")};

QString phone(Sequence &s, const QString &prefix)
{
    return QStringLiteral("%1-%2-%3")
            .arg(prefix)
            .arg(1000 + s.next(9000))
            .arg(1000 + s.next(9000), 4, 10, QLatin1Char('0'));
}

} // namespace

void ReportSampleShop::addShopRecord(Database &base)
{
    base.exec(QStringLiteral("DELETE FROM 사용자등록"));
    base.exec(QStringLiteral("INSERT INTO 사용자등록 VALUES (9999, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {QStringLiteral("한빛 카센터"), QStringLiteral("서울 제2005-123호"),
               QStringLiteral("123-45-67890"), QStringLiteral("김한빛"), QStringLiteral("서비스"),
               QStringLiteral("자동차정비"), QStringLiteral("02-2345-6789"),
               QStringLiteral("02-2345-6790"), QStringLiteral("07236"),
               QStringLiteral("서울특별시 영등포구 당산로 123")});
}

void ReportSampleShop::addParts(Database &base, const char *table, int count)
{
    Sequence s(table[0] == '\0' ? 1u : 20051231u + static_cast<quint32>(qstrlen(table)));
    Transaction t(base);
    const QString sql = QStringLiteral("INSERT INTO %1 (부품명, 규격, 단위, 판매단가, 매입단가) "
                                       "VALUES (?, ?, ?, ?, ?)")
                                .arg(QString::fromUtf8(table));
    for (int i = 0; i < count; ++i) {
        const QString &name = kParts.at(i % kParts.size());
        const QString &model = kModels.at((i / kParts.size()) % kModels.size());
        const qint64 buy = (3 + s.next(240)) * 500;
        const qint64 sell = buy + (1 + s.next(40)) * 1000;
        QString unit = QStringLiteral("EA");
        if (name.contains(QStringLiteral("오일")) || name.contains(QStringLiteral("부동액")))
            unit = QStringLiteral("L");
        else if (name.contains(QStringLiteral("세트")) || name.contains(QStringLiteral("패드")))
            unit = QStringLiteral("SET");
        else if (name.contains(QStringLiteral("교환")) || name.contains(QStringLiteral("세척"))
                 || name.contains(QStringLiteral("충전")) || name.contains(QStringLiteral("공임"))
                 || name.contains(QStringLiteral("얼라인먼트"))
                 || name.contains(QStringLiteral("재생")) || name.contains(QStringLiteral("클리닝"))
                 || name.contains(QStringLiteral("장착")) || name.contains(QStringLiteral("보충")))
            unit = QStringLiteral("회");
        base.exec(sql, {name, model, unit, sell, i % 29 == 7 ? 0 : buy});
    }
    t.commit();
}

void ReportSampleShop::addCustomers(Database &base, int count)
{
    Sequence s(7);
    Transaction t(base);
    for (int i = 0; i < count; ++i) {
        const QString name = s.pick(kSurnames) + s.pick(kGiven);
        const QString vehicle = s.pick(kRegions) + QString::number(10 + s.next(89))
                + s.pick(kHangulMarks) + QString::number(1000 + s.next(9000));
        QString address = s.pick(kStreets);
        address.replace(QStringLiteral("%1"), QString::number(1 + s.next(900)));
        address.replace(QStringLiteral("%2"), QString::number(1 + s.next(6)));
        address.replace(QStringLiteral("%3"), QString::number(101 + s.next(1400)));
        const QString registered = QStringLiteral("20%1.%2.%3")
                                           .arg(3 + s.next(3), 2, 10, QLatin1Char('0'))
                                           .arg(1 + s.next(12), 2, 10, QLatin1Char('0'))
                                           .arg(1 + s.next(28), 2, 10, QLatin1Char('0'));
        base.exec(QStringLiteral("INSERT INTO 고객 (고객명, 차량번호, 차량명, 휴대폰, 자택전화, "
                                 "소속회사, 등록일자, 주소) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {name, vehicle, s.pick(kModels), phone(s, QStringLiteral("010")),
                   s.next(3) ? phone(s, QStringLiteral("02")) : QStringLiteral(""),
                   s.pick(kCompanies), registered, address});
        base.exec(QStringLiteral("INSERT INTO 통장 VALUES (?, 0)"), {base.lastInsertId()});
    }
    t.commit();
}
