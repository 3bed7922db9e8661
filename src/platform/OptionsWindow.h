#pragma once
// The options dialog as the player sees it; the widget implements it.

namespace velto {

class OptionsWindow {
public:
    virtual ~OptionsWindow() = default;
    // Shows the dialog, modal to the main window, and returns at once: the
    // event loop keeps running, so a quit from anywhere closes it. Closing it
    // gives the main window its on-top state back and clears OptionsVisible.
    virtual void ShowOptions() = 0;
};

} // namespace velto
