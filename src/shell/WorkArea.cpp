#include "WorkArea.h"

#include <QMdiSubWindow>
#include <QResizeEvent>

#include <QPaintEvent>
#include <QPainter>

WorkArea::WorkArea(QWidget *parent)
    : QMdiArea(parent)
    , m_colour(5, 126, 128)
{
    setObjectName(QStringLiteral("mdiArea"));
    setBackground(m_colour);
}

void WorkArea::setTile(const QPixmap &tile)
{
    m_tile = tile;
    viewport()->update();
}

void WorkArea::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    viewport()->update();
}

void WorkArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), m_colour);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    else if (!m_tile.isNull())
        painter.drawTiledPixmap(viewport()->rect(), m_tile);
}

void WorkArea::resizeEvent(QResizeEvent *event)
{
    QMdiArea::resizeEvent(event);
    const QSize room = viewport()->size();
    const auto windows = subWindowList();
    for (QMdiSubWindow *sub : windows) {
        if (sub->widget() && sub->widget()->property("fillWorkArea").toBool()
            && !sub->isMinimized() && !sub->isMaximized()) {
            sub->setGeometry(QRect(QPoint(0, 0), room));
        }
    }
}
