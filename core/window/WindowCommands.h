#pragma once

namespace gauge {

// What the main window asks of the windowing system around it.
class WindowCommands
{
public:
    virtual ~WindowCommands() = default;

    // Shows the window modeless, or raises it when it is open already.
    virtual void showConnectionHelp() = 0;
    virtual void showAbout() = 0;
    // Closes the main window only; the other windows stay until their own close.
    virtual void closeMainWindow() = 0;
};

} // namespace gauge
