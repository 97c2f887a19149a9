#include "ScreenActivation.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

ScreenActivation::ScreenActivation(QWidget *screen, std::function<void()> activated)
    : QObject(screen)
    , m_screen(screen)
    , m_activated(std::move(activated))
{
    screen->installEventFilter(this);
    watchSubWindow();
}

void ScreenActivation::install(QWidget *screen, std::function<void()> activated)
{
    new ScreenActivation(screen, std::move(activated));
}

void ScreenActivation::watchSubWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(m_screen->parentWidget());
    if (!sub || sub == m_subWindow)
        return;
    m_subWindow = sub;
    connect(sub, &QMdiSubWindow::aboutToActivate, this, [this] { m_activated(); });
}

bool ScreenActivation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_screen) {
        if (event->type() == QEvent::ParentChange) {
            watchSubWindow();
        } else if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            // In the work area the activation that comes with opening does it.
            if (!m_subWindow)
                m_activated();
        }
    }
    return QObject::eventFilter(watched, event);
}
