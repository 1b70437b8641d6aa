#pragma once
// The application: creates each window on first reference, closes and destroys windows, knows
// the active window and the stacking order, shows message boxes, runs events one at a time and
// ends the program.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

#include "torvi/version.h"
#include "ui/files.h"
#include "ui/printer.h"
#include "ui/system_info.h"
#include "ui/text_metrics.h"
#include "ui/window.h"
#include "ui/zoom.h"

namespace torvi::ui {

// The title and version the windows show; the program's own unless told otherwise.
struct ApplicationInfo {
    std::string title = version::kTitle;
    int major = version::kMajor;
    int minor = version::kMinor;
    // "Version 1.0".
    std::string versionText() const;
    // The title and the version number: "Torvi 1.0".
    std::string titleAndVersion() const;
};

// Modal dialogs with the application title as caption: a message with an OK button only, a
// question with Yes and No, and the choice of a file to save or to open.
// A file chosen to save into, and the type among a filter's ("PNG pictures (*.png);;SVG drawings
// (*.svg)"), from 0, that the user chose with it.
struct FileChoice {
    std::string path;
    int type = 0;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void show(const std::string& title, const std::string& text) = 0;
    // True for Yes.
    virtual bool ask(const std::string& title, const std::string& question) = 0;
    // A file name, proposed in the user's documents folder, among the files a filter such as
    // "PDF files (*.pdf)" names, and which of the filter's types the user chose; nothing when the
    // user cancels.
    virtual std::optional<FileChoice> chooseSaveFile(const std::string& title,
                                                     const std::string& proposedName,
                                                     const std::string& filter) = 0;
    // An existing file among those the filter names; nothing when the user cancels.
    virtual std::optional<std::string> chooseOpenFile(const std::string& title,
                                                      const std::string& filter) = 0;
};

class PictureSource;

// What a view of the model is told. Every method has an empty default.
class ApplicationObserver {
  public:
    virtual ~ApplicationObserver() = default;
    virtual void windowCreated(Window&) {}
    virtual void windowDestroyed(Window&) {}
    virtual void windowChanged(Window&, WindowProperty) {}
    virtual void elementChanged(Element&, Property) {}
    // An outermost event has run to its end.
    virtual void eventFinished() {}
    // The screen's active window and focus are to follow the model now: an outermost event has
    // run to its end (after eventFinished), or the active window or a window's focus changed
    // outside any event. Within an event they wait for its end, so that the screen never shows
    // a focus that the event's later steps move on.
    virtual void activationDue() {}
    // The zoom changed: every window's place and size on the screen with it (each window's
    // contents hear of their new scale on their own).
    virtual void zoomChanged() {}
    virtual void ended() {}
};

class Application {
  public:
    Application(ApplicationInfo info, const TextMetrics& metrics, Dialogs& dialogs);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const ApplicationInfo& info() const { return info_; }
    const std::string& title() const { return info_.title; }
    const TextMetrics& metrics() const { return *metrics_; }

    // A modal message box; returns when the user has closed it.
    void messageBox(const std::string& text);
    // Whether a message box or dialog is open: the user's input reaches no window until it closes.
    bool dialogOpen() const { return dialogDepth_ > 0; }
    // A modal question with Yes and No; true for Yes.
    bool ask(const std::string& question);
    // A modal save dialog; nothing when the user cancels.
    std::optional<FileChoice> chooseSaveFile(const std::string& title,
                                             const std::string& proposedName,
                                             const std::string& filter);
    // A modal open dialog; nothing when the user cancels.
    std::optional<std::string> chooseOpenFile(const std::string& title, const std::string& filter);

    // The window of type T, created (and loaded) on first reference.
    template <typename T>
    T& form() {
        if (T* existing = find<T>()) return *existing;
        auto window = std::make_unique<T>(*this);
        T& result = *window;
        adopt(typeid(T), std::move(window));
        result.load();
        return result;
    }
    // The window of type T when it exists, else nullptr; never creates.
    template <typename T>
    T* find() const {
        const auto found = windows_.find(typeid(T));
        return found == windows_.end() ? nullptr : static_cast<T*>(found->second.get());
    }

    // Closes the window: its unload handler runs, then it leaves the screen; it is destroyed when
    // the current event has finished. Closing the main window ends the program.
    void close(Window& window);
    // Ends the program at once: every window goes without its unload handler.
    void end();
    bool ended() const { return ended_; }

    // Open windows from back to front; the active one is the last that was activated.
    const std::vector<Window*>& stackingOrder() const { return stacking_; }
    Window* activeWindow() const { return active_; }
    void activate(Window& window);
    Window* mainWindow() const;

    // Runs an event from outside (the user, a timer) to its end. Events that arrive while
    // one runs (a nested message box loop) run inside it.
    template <typename Function>
    void dispatch(Function&& event) {
        ++eventDepth_;
        event();
        finishEvent();
    }
    bool inEvent() const { return eventDepth_ > 0; }
    // The active window or a window's focus changed: outside any event the observer hears at once
    // that the screen's focus is due; within one, when it ends.
    void activationChanged();

    // Lets time pass on a manual clock: every running timer ticks for each interval ending.
    void advanceTime(int milliseconds);

    void setObserver(ApplicationObserver* observer) { observer_ = observer; }
    ApplicationObserver* observer() const { return observer_; }

    // The zoom every window is shown at, in percent (100 is the design's size).
    int zoom() const { return zoom_; }
    double zoomScale() const { return zoom_ / 100.0; }
    void setZoom(int percent);

    // The platform's services; none until the program or a test sets them.
    void setPrinters(Printers* printers) { printers_ = printers; }
    Printers* printers() const { return printers_; }
    void setRegistry(Registry* registry) { registry_ = registry; }
    Registry* registry() const { return registry_; }
    void setProgramStarter(ProgramStarter* starter) { programStarter_ = starter; }
    ProgramStarter* programStarter() const { return programStarter_; }
    void setFiles(Files* files) { files_ = files; }
    void setPictures(PictureSource* pictures) { pictures_ = pictures; }
    PictureSource* pictures() const { return pictures_; }
    void setSettings(Settings* settings) { settings_ = settings; }
    Settings* settings() const { return settings_; }
    Files* files() const { return files_; }

  private:
    void adopt(std::type_index type, std::unique_ptr<Window> window);
    void finishEvent();
    void forget(Window& window);

    ApplicationInfo info_;
    const TextMetrics* metrics_;
    Dialogs& dialogs_;
    ApplicationObserver* observer_ = nullptr;
    Printers* printers_ = nullptr;
    Registry* registry_ = nullptr;
    ProgramStarter* programStarter_ = nullptr;
    Files* files_ = nullptr;
    Settings* settings_ = nullptr;
    PictureSource* pictures_ = nullptr;
    int zoom_ = kActualSize;
    std::map<std::type_index, std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Window>> closedWindows_;
    std::vector<Window*> stacking_;
    Window* active_ = nullptr;
    int eventDepth_ = 0;
    int childWindowsCreated_ = 0;
    int dialogDepth_ = 0;
    bool ended_ = false;
};

}  // namespace torvi::ui
