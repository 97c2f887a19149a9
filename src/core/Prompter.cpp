#include "Prompter.h"

void ShowMsg(Prompter &prompter, const QString &text, const QString &title)
{
    prompter.beep();
    prompter.message(text, title.isEmpty() ? prompter.applicationTitle() : title, MsgIcon::None);
}

bool AskYesNo(Prompter &prompter, const QString &text, const QString &title)
{
    prompter.beep();
    return prompter.question(text, title.isEmpty() ? prompter.applicationTitle() : title, true);
}

void ShowError(Prompter &prompter, int number, const QString &description,
               const QString &procedure, const QString &module, bool inForm)
{
    const QString where = inForm ? QStringLiteral(" of Form ") : QStringLiteral(" of Module ");
    prompter.message(QStringLiteral("Error %1 (%2) in procedure %3%4%5")
                             .arg(number)
                             .arg(description, procedure, where, module),
                     prompter.applicationTitle(), MsgIcon::None);
}
