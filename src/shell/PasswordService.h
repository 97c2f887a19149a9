#pragma once

#include <QString>

struct AppContext;

// The password change: the current password is confirmed first, then account "1" gets
// the new one.
class PasswordService
{
public:
    explicit PasswordService(AppContext &context);

    bool open();
    // True when the current password may be replaced: it matches account "1", or the table
    // has no password to check (empty, or a Null first password).
    bool confirmCurrent(const QString &current);
    // Replaces the row of account "1"; the new password becomes the login password.
    bool save(const QString &newPassword);

private:
    AppContext &m_context;
};
