#pragma once

#include <QDialog>

class QCheckBox;
struct AppContext;

// FrmInitMsg, "안내 메세지": the notice shown after login until the user ticks it off.
class FrmInitMsg : public QDialog
{
    Q_OBJECT
public:
    // The picture is programFolder/Image/SoftwareInfoMsg.jpg when that file exists.
    FrmInitMsg(AppContext &context, const QString &programFolder, QWidget *parent = nullptr);

private:
    AppContext &m_context;
    QCheckBox *m_noMsg;
};
