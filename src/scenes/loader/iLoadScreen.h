// What the load phase shows while the scenes load: a progress display that
// animates each change of progress (0 to 1) or draws one still frame of it.
// Owners keep the concrete screen; it is never deleted through this interface.
#pragma once

class iLoadScreen {
public:
    virtual void show_progress(float progress, bool animate) = 0;

protected:
    ~iLoadScreen() = default;
};
