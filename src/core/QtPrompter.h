#pragma once

#include "Prompter.h"

#include <functional>

class QWidget;

// The application's prompter: real message boxes over the active window.
class QtPrompter : public Prompter
{
public:
    void beep() override;
    void message(const QString &text, const QString &title, MsgIcon icon) override;
    bool question(const QString &text, const QString &title, bool defaultYes) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial) override;
    std::optional<QString> inputPassword(const QString &prompt, const QString &title) override;
    void notice(const QString &text) override;

    // The shell installs its own notice window; until then a plain one is used.
    void setNoticeHandler(std::function<void(const QString &)> handler);

private:
    static QWidget *parentWindow();
    std::function<void(const QString &)> m_noticeHandler;
};
