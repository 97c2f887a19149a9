#include "WindowPlace.h"

#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace {
constexpr int kTwipsPerPixel = 15;
}

void PlaceWindow(QWidget *window, QWidget *opener, int leftTwips, int topTwips)
{
    QPoint origin;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (opener) {
        const QWidget *top = opener->window();
        origin = top->geometry().topLeft();
        screen = top->screen();
    }
    window->adjustSize();
    QPoint at = origin + QPoint(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel);
    if (screen) {
        const QRect room = screen->availableGeometry();
        at.setX(qMax(room.left(), qMin(at.x(), room.right() - window->frameGeometry().width())));
        at.setY(qMax(room.top(), qMin(at.y(), room.bottom() - window->frameGeometry().height())));
    }
    window->move(at);
}

void SetScreenPlace(QWidget *screen, int leftTwips, int topTwips)
{
    screen->setProperty("placeAt", QPoint(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel));
}
