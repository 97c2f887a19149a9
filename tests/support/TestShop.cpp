#include "TestShop.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace {
Settings *makeSettings(const QString &root)
{
    return new Settings(root + QStringLiteral("/settings"));
}
} // namespace

TestShop::TestShop(bool create, bool open)
    : m_settings(makeSettings(m_dir.path()))
    , m_stores(std::make_unique<Stores>(DataPaths::fromRoot(m_dir.path())))
    , m_context{m_session, m_prompter, *m_settings, *m_stores}
{
    m_session.paths = m_stores->paths();
    m_session.workDate = QStringLiteral("2005.12.31");
    if (create) {
        QString error;
        if (!m_stores->createMissing(&error))
            qFatal("TestShop: %s", qPrintable(error));
    }
    if (create && open) {
        if (!m_stores->openBase(m_prompter) || !m_stores->openMaintenance(m_prompter)
            || !m_stores->openPostal(m_prompter)) {
            qFatal("TestShop: the stores do not open");
        }
    }
}

TestShop::~TestShop()
{
    m_stores->closeAll();
}

qint64 TestShop::addCustomer(const QString &name, const QString &vehicle)
{
    Database &db = m_stores->base();
    if (!db.exec(QStringLiteral("INSERT INTO 고객 (고객명, 차량번호) VALUES (?, ?)"), {name, vehicle}))
        qFatal("addCustomer: %s", qPrintable(db.lastError()));
    const qint64 code = db.lastInsertId();
    db.exec(QStringLiteral("INSERT INTO 통장 VALUES (?, 0)"), {code});
    return code;
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
        }
    }
}
