#pragma once

class QFont;

// Height of a line of text in that font, as the platform lays text out: the
// "0" the layout's scaling measures.
int measuredTextHeight(const QFont &font);
