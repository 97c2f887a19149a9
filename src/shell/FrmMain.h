#pragma once

#include <QMainWindow>

struct AppContext;

// frm주화면, the frame of the application. Loading it runs the start-up: the login first,
// then the working date.
class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMain(AppContext &context, QWidget *parent = nullptr);

    // The start-up sequence; false when the login was abandoned and the program must end.
    bool start();

private:
    AppContext &m_context;
};
