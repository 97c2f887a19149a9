#pragma once

#include "CustomerRecord.h"

#include <QObject>
#include <QVector>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;
class Session;

// The nineteen customer fields of the ledger (Text1_0 .. Text1_18) with their labels and
// their keys: Enter, Down and Up move between the fields, date fields are normalised on the
// way out, the resident-number parts move on by themselves, F1 asks for a look-up.
class LedgerFields : public QObject
{
    Q_OBJECT
public:
    LedgerFields(QWidget *parent, Session &session);

    // Lays the labels and fields out in the screen's reading order.
    void addTo(QGridLayout *layout);
    QLineEdit *field(int index) const { return m_fields.at(index); }
    // The button Enter in the last field moves to (when it is enabled).
    void setSaveButton(QPushButton *button) { m_save = button; }

    CustomerRecord record() const;
    void setRecord(const CustomerRecord &record);
    void clear();
    // Rewrites the three date fields with NormDate.
    void normaliseDates();
    void focusField(int index);

    static QString generalHelp();

signals:
    // F1 in a field with a look-up (a code category field or one of the address fields).
    void lookupRequested(int field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool fieldKey(int index, int key);
    void fieldFocused(int index);
    void fieldLeft(int index);
    void residentTyped(int index);
    void normaliseDate(int index);

    Session &m_session;
    QVector<QLineEdit *> m_fields;
    QPushButton *m_save = nullptr;
};
