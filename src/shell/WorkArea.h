#pragma once

#include <QMdiArea>
#include <QPixmap>

// The main window's work area: the window colour, covered by the shop's chosen picture
// when there is one, otherwise by the program's background tile. A screen with the dynamic
// property "fillWorkArea" set is sized to the whole area (the ledger, where the shop works
// all day).
class WorkArea : public QMdiArea
{
    Q_OBJECT
public:
    explicit WorkArea(QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }
    void setTile(const QPixmap &tile);
    bool hasTile() const { return !m_tile.isNull(); }
    // Drawn from the top-left corner at its own size; a null picture removes it.
    void setPicture(const QPixmap &picture);
    bool hasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Screens that asked for it (the dynamic property "fillWorkArea") keep filling the area.
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_colour;
    QPixmap m_tile;
    QPixmap m_picture;
};
