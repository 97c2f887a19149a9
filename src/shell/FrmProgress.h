#pragma once

#include <QWidget>

class QProgressBar;

// FrmProgress: the progress window of long loops. The caller sets it up with SetFormMode,
// calls ProgInc once per step and closes it when the loop ends.
class FrmProgress : public QWidget
{
    Q_OBJECT
public:
    explicit FrmProgress(QWidget *parent = nullptr);

    // Caption and maximum (above 32767 counts as 32767, below 1 keeps the old one);
    // position 0; shows the window and lets the screen catch up.
    void SetFormMode(const QString &title, int maximum);
    // One step on; at the maximum it starts again from 0.
    void ProgInc();

    int value() const;
    int maximum() const;

private:
    QProgressBar *m_bar;
};
