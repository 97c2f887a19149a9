#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QToolBar;

// The main window's menu bar and its toolbar tbrMenu. Every entry is a QAction named as the
// menu control; a toolbar button is the same action as its menu entry, so both are enabled
// and run together. Entries start disabled.
class MainMenu
{
public:
    // Builds both on the window; the actions by objectName, separators included.
    static QHash<QString, QAction *> build(QMainWindow *window);
    // The menu entry of each toolbar position (1 to 18), "" for a separator.
    static QString toolbarEntry(int position);
    static constexpr int kToolbarPositions = 18;
};
