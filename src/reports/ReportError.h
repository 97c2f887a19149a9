#pragma once

#include <QString>

// Why a report could not be made: a number a screen can show ("오류번호"), the reason in
// words, and whether the user has been told already (the stores show their own messages).
struct ReportError
{
    enum Number {
        None = 0,
        TemplateNotFound = 1,
        TemplateInvalid = 2,
        Selection = 3,
        Sort = 4,
        Formula = 5,
        DataFile = 6,
        Data = 7,
        Output = 8,
    };

    int number = None;
    QString text;
    bool shown = false;

    bool isSet() const { return number != None; }
    void set(int n, const QString &t, bool alreadyShown = false)
    {
        number = n;
        text = t;
        shown = alreadyShown;
    }
    void clear() { *this = ReportError(); }
};
