#pragma once

#include "Prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

// Records every prompt and answers questions and input boxes from queues, so that no test
// ever waits on a modal box. An unanswered question answers No and is counted.
class ScriptedPrompter : public Prompter
{
public:
    enum class Kind { Message, Question, Input, Notice };

    struct Shown
    {
        Kind kind;
        QString text;
        QString title;
        MsgIcon icon = MsgIcon::None;
        bool defaultYes = true;
    };

    void beep() override { ++m_beeps; }
    void message(const QString &text, const QString &title, MsgIcon icon) override;
    bool question(const QString &text, const QString &title, bool defaultYes) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial) override;
    void notice(const QString &text) override;

    void answerYes(int times = 1);
    void answerNo(int times = 1);
    void answerInput(const QString &text);
    void cancelInput();

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    QStringList titles() const;
    int beeps() const { return m_beeps; }
    int unanswered() const { return m_unanswered; }
    bool answersLeft() const { return !m_answers.isEmpty() || !m_inputs.isEmpty(); }
    void clear();

private:
    QList<Shown> m_shown;
    QQueue<bool> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    int m_beeps = 0;
    int m_unanswered = 0;
};
