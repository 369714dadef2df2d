// The control strip: twelve small push buttons under the board, shared by all three screens,
// whose labels each screen sets when it paints.
#pragma once

#include <windows.h>

constexpr int controlCount = 12;
constexpr int columnControlCount = 10;  // ids 0 to 9 drop pieces into their columns
constexpr int infoControl = 10;         // information, back, abandon
constexpr int quitControl = 11;
constexpr int controlSize = 28;

struct ControlPlace {
    int x;
    int y;
    const char* firstLabel;
};

// Indexed by control id: top-left corner in client pixels and the label at creation.
extern const ControlPlace controlStrip[controlCount];

// Filled when the buttons are created; a failed creation leaves its entry null.
extern HWND buttonHandles[controlCount];

struct ControlLabel {
    int control;
    const char* text;
};

void setLabel(int control, const char* text);

// Sets each label of the list in order.
template <int N>
void setLabels(const ControlLabel (&labels)[N]) {
    for (const ControlLabel& label : labels) {
        setLabel(label.control, label.text);
    }
}

// Enables or disables the column controls 0 to 9, in id order.
void enableColumnControls(bool enable);
