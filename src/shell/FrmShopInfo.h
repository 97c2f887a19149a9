#pragma once

#include "ShopInfoService.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
struct AppContext;

// frm사용자등록, "사용자 등록": the shop's name, numbers, owner and address as print-outs
// and the status bar show them.
class FrmShopInfo : public QDialog
{
    Q_OBJECT
public:
    // The address list for a postal search with several matches. It reads
    // Session::addressSearchText and fills postalCode and address with the chosen row;
    // false when nothing was chosen.
    using AddressLookup
            = std::function<bool(AppContext &context, QString &postalCode, QString &address)>;

    explicit FrmShopInfo(AppContext &context, QWidget *parent = nullptr);

    void setAddressLookup(AddressLookup lookup) { m_addressLookup = std::move(lookup); }

    QLineEdit *field(int index) const { return m_fields.value(index); }
    int rowCode() const { return m_rowCode; }
    // F1 in the postal-code field.
    void searchAddress();
    void save();
    void clearFields();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();

    AppContext &m_context;
    ShopInfoService m_service;
    QList<QLineEdit *> m_fields;
    QPushButton *m_new;
    QPushButton *m_save;
    QPushButton *m_close;
    AddressLookup m_addressLookup;
    int m_rowCode = ShopInfoService::kNoRow;
    bool m_loading = false;
};
