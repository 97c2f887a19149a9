#pragma once

#include <QString>

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
