#include "InputMode.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <imm.h>
#endif

void SetHangulMode(QWidget *control, bool on)
{
    if (!control)
        return;
    Qt::InputMethodHints hints = control->inputMethodHints();
    if (on)
        hints &= ~Qt::ImhPreferLatin;
    else
        hints |= Qt::ImhPreferLatin;
    control->setInputMethodHints(hints);
    if (control->hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImHints);

#ifdef Q_OS_WIN
    const HWND window = reinterpret_cast<HWND>(control->window()->winId());
    if (HIMC context = ImmGetContext(window)) {
        DWORD conversion = 0;
        DWORD sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        if (on)
            conversion |= IME_CMODE_NATIVE;
        else
            conversion &= ~IME_CMODE_NATIVE;
        ImmSetConversionStatus(context, conversion, sentence);
        ImmReleaseContext(window, context);
    }
#endif
}
