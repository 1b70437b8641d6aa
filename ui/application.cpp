#include "ui/application.h"

#include <algorithm>

namespace torvi::ui {

std::string ApplicationInfo::versionText() const {
    return "Version " + std::to_string(major) + "." + std::to_string(minor);
}

std::string ApplicationInfo::titleAndVersion() const {
    return title + " " + std::to_string(major) + "." + std::to_string(minor);
}

Application::Application(ApplicationInfo info, const TextMetrics& metrics, Dialogs& dialogs)
    : info_(std::move(info)), metrics_(&metrics), dialogs_(dialogs) {}

Application::~Application() {
    observer_ = nullptr;
    closedWindows_.clear();
    windows_.clear();
}

namespace {

// Counts a dialog open for as long as it runs.
class DialogOpen {
  public:
    explicit DialogOpen(int& depth) : depth_(++depth) {}
    ~DialogOpen() { --depth_; }
    DialogOpen(const DialogOpen&) = delete;
    DialogOpen& operator=(const DialogOpen&) = delete;

  private:
    int& depth_;
};

}  // namespace

void Application::messageBox(const std::string& text) {
    const DialogOpen open(dialogDepth_);
    dialogs_.show(info_.title, text);
}

bool Application::ask(const std::string& question) {
    const DialogOpen open(dialogDepth_);
    return dialogs_.ask(info_.title, question);
}

std::optional<FileChoice> Application::chooseSaveFile(const std::string& title,
                                                      const std::string& proposedName,
                                                      const std::string& filter) {
    const DialogOpen open(dialogDepth_);
    return dialogs_.chooseSaveFile(title, proposedName, filter);
}

std::optional<std::string> Application::chooseOpenFile(const std::string& title,
                                                       const std::string& filter) {
    const DialogOpen open(dialogDepth_);
    return dialogs_.chooseOpenFile(title, filter);
}

void Application::setZoom(int percent) {
    percent = validZoom(percent);
    if (percent == zoom_) return;
    zoom_ = percent;
    if (observer_) observer_->zoomChanged();
    for (Window* window : std::vector<Window*>(stacking_))
        window->notify(WindowProperty::ContentScale);
}

void Application::adopt(std::type_index type, std::unique_ptr<Window> window) {
    Window& added = *window;
    if (added.kind() == WindowKind::Child) {
        const Window* main = mainWindow();
        added.setGeometry(defaultChildPlace(added.geometry(), childWindowsCreated_++,
                                            main != nullptr ? workspaceHeight(*main) : 0));
    }
    windows_[type] = std::move(window);
    stacking_.push_back(&added);
    if (observer_) observer_->windowCreated(added);
}

Window* Application::mainWindow() const {
    for (Window* window : stacking_) {
        if (window->kind() == WindowKind::Main) return window;
    }
    return nullptr;
}

void Application::activate(Window& window) {
    if (window.closed()) return;
    const auto found = std::find(stacking_.begin(), stacking_.end(), &window);
    if (found == stacking_.end()) return;
    stacking_.erase(found);
    stacking_.push_back(&window);
    active_ = &window;
    activationChanged();
}

void Application::activationChanged() {
    if (observer_ != nullptr && eventDepth_ == 0) observer_->activationDue();
}

void Application::forget(Window& window) {
    window.markClosed();
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), &window), stacking_.end());
    for (auto entry = windows_.begin(); entry != windows_.end(); ++entry) {
        if (entry->second.get() == &window) {
            closedWindows_.push_back(std::move(entry->second));
            windows_.erase(entry);
            break;
        }
    }
    if (observer_) observer_->windowDestroyed(window);
}

void Application::close(Window& window) {
    if (window.closed() || ended_) return;
    if (window.kind() == WindowKind::Main) {
        end();
        return;
    }
    window.Form_Unload();
    if (window.closed()) return;
    forget(window);
    if (active_ == &window) {
        // The frontmost window that is left becomes active.
        active_ = nullptr;
        for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
            if ((*it)->visible()) {
                active_ = *it;
                break;
            }
        }
        activationChanged();
    }
    if (eventDepth_ == 0) closedWindows_.clear();
}

void Application::end() {
    if (ended_) return;
    ended_ = true;
    while (!stacking_.empty()) forget(*stacking_.back());
    active_ = nullptr;
    if (observer_) observer_->ended();
    if (eventDepth_ == 0) closedWindows_.clear();
}

void Application::finishEvent() {
    if (eventDepth_ == 1) {
        const std::vector<Window*> windows = stacking_;
        for (Window* window : windows) window->settleFocus();
    }
    if (--eventDepth_ > 0) return;
    closedWindows_.clear();
    if (observer_) {
        observer_->eventFinished();
        observer_->activationDue();
    }
}

void Application::advanceTime(int milliseconds) {
    dispatch([&] {
        const std::vector<Window*> windows = stacking_;
        for (Window* window : windows) {
            for (Timer* timer : window->timers()) {
                if (!window->closed()) timer->advance(milliseconds);
            }
        }
    });
}

}  // namespace torvi::ui
