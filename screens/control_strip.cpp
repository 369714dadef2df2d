// The control strip's places and first labels, and the buttons' handles.
#include "control_strip.h"

const ControlPlace controlStrip[controlCount] = {
    {20, 280, "0"},  {58, 280, "1"},  {96, 280, "2"},  {134, 280, "3"},
    {172, 280, "4"}, {210, 280, "5"}, {248, 280, "6"}, {286, 280, "7"},
    {324, 280, "8"}, {362, 280, "9"}, {172, 310, "?"}, {210, 310, "\\e"},
};

HWND buttonHandles[controlCount];

void setLabel(int control, const char* text) {
    SetWindowTextA(buttonHandles[control], text);
}

void enableColumnControls(bool enable) {
    for (int control = 0; control < columnControlCount; ++control) {
        EnableWindow(buttonHandles[control], enable ? TRUE : FALSE);
    }
}
