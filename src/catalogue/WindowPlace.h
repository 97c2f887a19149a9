#pragma once

class QWidget;

// Places a look-up window at the position the shop is used to, given in twips from the top
// left corner of the main window, moved in where the screen is too small.
void PlaceWindow(QWidget *window, QWidget *opener, int leftTwips, int topTwips);
// The same position for a screen in the main window's work area (read by the main window).
void SetScreenPlace(QWidget *screen, int leftTwips, int topTwips);
