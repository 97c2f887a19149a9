#pragma once

#include <QString>

class QDialog;
class QWidget;

// Closes every open window (top-level or child window of the main window's work area)
// whose name differs, ignoring letter case, from the given one. The window that holds the
// kept one stays open with it.
void UnloadAllBut(const QString &windowName);
// Opens a file or web address with the system's default program; the result is not
// examined.
void OpenByShell(QWidget *window, const QString &target);
// Leaves the window without a working close box; the program's own menu closes it.
void RemoveCloseMenu(QWidget *window);

// Runs a modal window and gives the window that was active before it the keyboard again,
// so the user types on where they were, whether or not a window manager does that.
int ExecModal(QDialog &dialog);
