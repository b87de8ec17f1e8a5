// A small dialog window of the system's own on the X display: a caption, the
// text, a row of buttons. It draws with the desktop's fonts through Xft, so it
// needs nothing of the X server but the display (no core fonts, no helper).
#pragma once

#include <string>
#include <vector>

struct sDialogButton {
    std::string text; // its first letter is a key that picks it
    int id;
    bool on_return; // Return picks it
    bool on_escape; // Escape picks it
};

// Shows the dialog until a button is picked or the window is closed, and
// stores the button's id (-1 when closed); false when there is no X display
// or no font to draw with.
bool x11_dialog(const std::string& caption, const std::string& text,
                const std::vector<sDialogButton>& buttons, int* chosen);
