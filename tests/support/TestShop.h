#pragma once

#include "AppContext.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "Settings.h"
#include "Stores.h"

#include <QTemporaryDir>

#include <memory>

// A fresh data root and settings location for one test case, with the stores created and
// open and a scripted prompter. Everything is removed when it goes out of scope.
class TestShop
{
public:
    // create: make the three stores with every table; open: open all three.
    explicit TestShop(bool create = true, bool open = true);
    ~TestShop();

    QString root() const { return m_dir.path(); }
    AppContext &context() { return m_context; }
    Session &session() { return m_session; }
    ScriptedPrompter &prompter() { return m_prompter; }
    Settings &settings() { return *m_settings; }
    Stores &stores() { return *m_stores; }
    Database &base() { return m_stores->base(); }
    Database &maintenance() { return m_stores->maintenance(); }

    // Inserts a customer with the given name and vehicle number and its 통장 row; returns
    // the new key.
    qint64 addCustomer(const QString &name, const QString &vehicle);

private:
    QTemporaryDir m_dir;
    Session m_session;
    ScriptedPrompter m_prompter;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Stores> m_stores;
    AppContext m_context;
};

// Hangul cannot go through QTest::keyClicks; this sends one key event per character.
class QWidget;
void typeText(QWidget *widget, const QString &text);
