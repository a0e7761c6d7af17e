// One parameter row of Frame2 (caption, text box, scroll bar), built from its table row.
#pragma once

#include "window_tables.h"

#include <string>

class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace conwave {

struct ParameterControls {
    const ParameterRow *row = nullptr;
    QLabel *label = nullptr;
    QLineEdit *text = nullptr;
    QScrollBar *bar = nullptr;
};

// Creates the row's three controls inside the frame, at their places, with their initial texts and values.
ParameterControls buildParameterRow(const ParameterRow &row, QWidget *frame);

// The table row of one of the parameter scroll bars; nullptr for any other scroll bar.
const ParameterRow *parameterRowOf(const QScrollBar *bar);

// Whether the widget is a parameter scroll bar that a key or a mouse button holds: more changes are coming.
bool parameterBarHeld(const QWidget *widget);

// The text a scroll value writes into its text box: 0.5 for HScroll_M at 5, 4 for HScroll_nWave at 4.
std::string parameterText(const ParameterRow &row, int value);

} // namespace conwave
