#pragma once
// Binds the window model to the Win32 API: creates a view for every model window, mirrors every
// change into it, forwards the user's input as model events, and keeps the keyboard focus and
// the active window where the model says after each event. Runs the message loop.

#include <windows.h>

#include <map>
#include <memory>

#include "ui/application.h"
#include "win32/conversions.h"

namespace torvi::win32 {

class WindowView;

class Win32Binding : public ui::ApplicationObserver {
  public:
    explicit Win32Binding(ui::Application& application);
    ~Win32Binding() override;
    Win32Binding(const Win32Binding&) = delete;
    Win32Binding& operator=(const Win32Binding&) = delete;

    ui::Application& application() const { return application_; }
    WindowView* windowView(const ui::Window* window) const;
    HWND handleFor(const ui::Element* element) const;
    HWND mainFrame() const;
    HWND mdiClient() const;
    // The window a message box belongs to: the active one, else the main window.
    HWND dialogOwner() const;
    bool syncing() const { return syncing_ > 0; }

    void windowCreated(ui::Window& window) override;
    void windowDestroyed(ui::Window& window) override;
    void windowChanged(ui::Window& window, ui::WindowProperty property) override;
    void elementChanged(ui::Element& element, ui::Property property) override;
    void eventFinished() override;
    void activationDue() override;
    void zoomChanged() override;
    void ended() override;

    // Marks for painting what the current event has changed so far (done when it ends).
    void flushRepaints();
    // The main window is now on a monitor of this many pixels per inch: every window, control
    // and font takes its size for it.
    void followScreenResolution(int pixelsPerInch);
    // Puts the active window in front and the focus where the model has it.
    void syncActivation();
    // The message loop, until the program ends: its exit status.
    int run();
    // Handles the messages waiting and returns: for tests.
    void processMessages();

  private:
    friend class SyncGuard;
    // Destroys every view, the child windows before the main window that holds them.
    void closeViews();
    // Stacks the workspace's child windows as the model has them.
    void restackChildWindows();
    // Keyboard shortcuts of the main window and the workspace's own keys.
    bool translate(MSG& message) const;
    // Lays every window out at the monitor's pixels per inch and the zoom.
    void applyScale();

    ui::Application& application_;
    std::map<const ui::Window*, std::unique_ptr<WindowView>> windowViews_;
    int syncing_ = 0;
    int monitorPixelsPerInch_ = screenPixelsPerInch();
    bool com_;  // this binding initialised COM on the thread
};

// Marks changes the binding makes itself, so that Windows' reactions to them are not taken for
// input.
class SyncGuard {
  public:
    explicit SyncGuard(Win32Binding& binding) : binding_(binding) { ++binding_.syncing_; }
    ~SyncGuard() { --binding_.syncing_; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

  private:
    Win32Binding& binding_;
};

}  // namespace torvi::win32
