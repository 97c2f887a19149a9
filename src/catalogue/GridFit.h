#pragma once

class Grid;

// Makes a grid's view at least wide enough for its visible columns, row numbers of up to
// rowDigits digits and the scroll bar, and high enough for visibleRows rows. The last
// visible column takes any width left over.
void FitGridView(Grid *grid, int visibleRows, int rowDigits = 5);
