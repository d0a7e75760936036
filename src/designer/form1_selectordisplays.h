#pragma once

class Form1;

// What a panel shows when one of its selectors (VScroll1(4) to VScroll1(25)) has moved and its box
// shows the new number: the selected cell's stored value, and "All" in the other selector when
// the whole row or column holds one value. Also keeps the merge panel's last row and column from
// falling before the first. Reads the attribute grids only, never outside the table: a box that
// names no cell shows the value as not set. Indexes without a panel do nothing.
void showSelectedValue(Form1 &f, int Index);
