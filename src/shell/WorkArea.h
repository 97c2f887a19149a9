#pragma once

#include <QMdiArea>
#include <QPixmap>

// The main window's work area: the window colour, covered by the shop's chosen picture
// when there is one, otherwise by the program's background tile.
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

private:
    QColor m_colour;
    QPixmap m_tile;
    QPixmap m_picture;
};
