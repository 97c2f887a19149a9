#pragma once

#include <QString>

struct AppContext;

// What the login window does besides showing itself: preparing the stores when it loads
// and checking the typed password.
class LoginService
{
public:
    enum class Check { Accepted, Wrong, TooManyAttempts, NotReady };

    static constexpr int kMaxAttempts = 3;
    static QString hintText() { return QStringLiteral("엔터 치세요"); }

    explicit LoginService(AppContext &context);

    // The loading steps: stores, upgrades of older files, the login tables. False when a
    // step failed; its message has been shown and the steps after it did not run.
    bool prepare();
    bool isPrepared() const { return m_prepared; }
    // True when the box must mask a password; false when it shows the hint.
    bool passwordRequired() const { return m_passwordRequired; }
    int attempts() const { return m_attempts; }

    // boxText is what the box holds; the hint counts as an empty password.
    Check check(const QString &boxText);

private:
    void accept(const QString &password);

    AppContext &m_context;
    bool m_prepared = false;
    bool m_passwordRequired = false;
    bool m_tableEmpty = true;
    bool m_firstPasswordNull = false;
    int m_attempts = 0;
};
