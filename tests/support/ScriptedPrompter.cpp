#include "ScriptedPrompter.h"

void ScriptedPrompter::message(const QString &text, const QString &title, MsgIcon icon)
{
    m_shown << Shown{Kind::Message, text, title, icon, true};
}

bool ScriptedPrompter::question(const QString &text, const QString &title, bool defaultYes)
{
    m_shown << Shown{Kind::Question, text, title, MsgIcon::Question, defaultYes};
    if (m_answers.isEmpty()) {
        ++m_unanswered;
        return false;
    }
    return m_answers.dequeue();
}

std::optional<QString> ScriptedPrompter::input(const QString &prompt, const QString &title,
                                               const QString &initial)
{
    Q_UNUSED(initial);
    m_shown << Shown{Kind::Input, prompt, title, MsgIcon::None, true};
    if (m_inputs.isEmpty()) {
        ++m_unanswered;
        return std::nullopt;
    }
    return m_inputs.dequeue();
}

void ScriptedPrompter::notice(const QString &text)
{
    m_shown << Shown{Kind::Notice, text, QString(), MsgIcon::None, true};
}

void ScriptedPrompter::answerYes(int times)
{
    for (int i = 0; i < times; ++i)
        m_answers.enqueue(true);
}

void ScriptedPrompter::answerNo(int times)
{
    for (int i = 0; i < times; ++i)
        m_answers.enqueue(false);
}

void ScriptedPrompter::answerInput(const QString &text)
{
    m_inputs.enqueue(text);
}

void ScriptedPrompter::cancelInput()
{
    m_inputs.enqueue(std::nullopt);
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.text;
    return out;
}

QStringList ScriptedPrompter::titles() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.title;
    return out;
}

void ScriptedPrompter::clear()
{
    m_shown.clear();
    m_answers.clear();
    m_inputs.clear();
    m_beeps = 0;
    m_unanswered = 0;
}
