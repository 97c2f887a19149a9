#pragma once

#include <QString>

#include <optional>

enum class MsgIcon { None, Information, Warning, Critical, Question };

// Every message box, question, input box and timed notice goes through here, so that
// screens can be driven by tests without a modal loop.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void beep() = 0;
    // A box with an OK button.
    virtual void message(const QString &text, const QString &title, MsgIcon icon) = 0;
    // A Yes/No question; defaultYes picks the button Enter presses.
    virtual bool question(const QString &text, const QString &title, bool defaultYes) = 0;
    // A one-line input box; nullopt when cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &initial) = 0;
    // An input box whose text is masked; by default an ordinary input box.
    virtual std::optional<QString> inputPassword(const QString &prompt, const QString &title)
    {
        return input(prompt, title, QString());
    }
    // The notice window that closes itself after one second.
    virtual void notice(const QString &text) = 0;

    QString applicationTitle() const { return m_applicationTitle; }
    void setApplicationTitle(const QString &title) { m_applicationTitle = title; }

private:
    QString m_applicationTitle = QStringLiteral("Torvik");
};

// Beep, then an OK box without icon; an empty title becomes the application title.
void ShowMsg(Prompter &prompter, const QString &text, const QString &title = QString());
// Beep, then a Yes/No question with the question icon, Yes being the default.
bool AskYesNo(Prompter &prompter, const QString &text, const QString &title = QString());
// "Error n (description) in procedure p of Module m" with the application title.
void ShowError(Prompter &prompter, int number, const QString &description,
               const QString &procedure, const QString &module, bool inForm = false);
