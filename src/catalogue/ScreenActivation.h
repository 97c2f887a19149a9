#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Calls a function each time a screen becomes the active window of the main window's work
// area, and once when a screen outside the work area is first shown. Returning from a
// message box or look-up of the same screen does not count: the screen never stopped being
// the active one.
class ScreenActivation : public QObject
{
    Q_OBJECT
public:
    static void install(QWidget *screen, std::function<void()> activated);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ScreenActivation(QWidget *screen, std::function<void()> activated);
    void watchSubWindow();

    QWidget *m_screen;
    std::function<void()> m_activated;
    QObject *m_subWindow = nullptr;
    bool m_shown = false;
};
