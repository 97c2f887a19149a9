#pragma once

#include "DialogRunner.h"
#include "PartStore.h"

#include <QList>
#include <QPoint>
#include <QStringList>

#include <functional>

class Grid;
class QDialog;
class QWidget;
class TestShop;

// Rows written straight into a test shop's stores.
qint64 addPart(TestShop &shop, PartTable table, const QString &name, qint64 price = 0,
               qint64 cost = 0, const QString &spec = QString(), const QString &unit = QString());
qint64 addCode(TestShop &shop, const QString &category, const QString &name);
void addPostal(TestShop &shop, const QString &code, const QVariant &province,
               const QVariant &district, const QVariant &town, const QVariant &lots = QString());
// A customer with the columns the look-ups show and search.
qint64 addCustomer(TestShop &shop, const QString &name, const QString &vehicle,
                   const QString &model = QString(), const QString &company = QString(),
                   const QString &mobile = QString());

// The names of a parts list or of one code category, in key order.
QStringList partNames(TestShop &shop, PartTable table);
QStringList codeNames(TestShop &shop, const QString &category);

// The texts of column col, rows 1 to the last row holding text.
QStringList columnTexts(const Grid *grid, int col);
QPoint cellCentre(const Grid *grid, int col, int row);
void doubleClickCell(Grid *grid, int col, int row);
// Where typed keys go: the grid's open editor, else its view.
QWidget *gridKeys(const Grid *grid);
// Types text into cell (col, row) and ends the edit with Enter.
void typeIntoCell(Grid *grid, int col, int row, const QString &text);

// Runs modal windows without a modal loop: each window opened is shown, handed to the next
// step of the script, and closed (rejected) if the step left it open. Records what opened.
class DialogScript
{
public:
    using Step = std::function<void(QDialog &)>;

    DialogScript &then(Step step)
    {
        m_steps << std::move(step);
        return *this;
    }
    DialogRunner runner();

    QStringList opened() const { return m_opened; }
    QStringList captions() const { return m_captions; }
    int stepsLeft() const { return int(m_steps.size()); }

private:
    QList<Step> m_steps;
    QStringList m_opened;
    QStringList m_captions;
};
