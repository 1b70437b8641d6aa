#pragma once
// Binds the window model to the browser's page: a DOM structure for every model window (the main
// window filling the page with its caption, menu bar and workspace; child windows inside the
// workspace; the splash and the About box above it), a node for every element, every change
// mirrored into them, and the page's events handed to the model, which decides. Sizes are the
// model's twips at 96 CSS pixels an inch.

#include <map>
#include <memory>
#include <set>

#include "ui/application.h"
#include "ui/tick_schedule.h"
#include "web/dom.h"

namespace torvi::web {

class WebBinding : public ui::ApplicationObserver {
  public:
    explicit WebBinding(ui::Application& application);
    ~WebBinding() override;
    WebBinding(const WebBinding&) = delete;
    WebBinding& operator=(const WebBinding&) = delete;

    void windowCreated(ui::Window& window) override;
    void windowDestroyed(ui::Window& window) override;
    void windowChanged(ui::Window& window, ui::WindowProperty property) override;
    void elementChanged(ui::Element& element, ui::Property property) override;
    // Drawings changed during the event are painted now, once each.
    void eventFinished() override;
    void activationDue() override;
    void zoomChanged() override;
    void ended() override;

    // The page's events (the exported functions in web_binding.cpp call these). Each returns
    // whether the browser's own handling is to be prevented.
    bool keyPressed(dom::Node node, int code, bool control, bool alt, bool shift);
    bool mousePressed(dom::Node node);
    void clicked(dom::Node node);
    void edited(dom::Node node);
    // A character the browser would type into a box by itself (an input method, an on-screen
    // keyboard, a correction); the first of a text reports the box's selection first, or, for a
    // composition, puts the box's text back as the model has it. Returns whether more may follow.
    bool typed(dom::Node node, int code, int first);
    // Text pasted or dropped into a box: one edit, as on the desktop.
    void pasted(dom::Node node, const std::string& text);
    void ticked(int timer);
    // A window's client area as a PNG picture, as the page shows it; nothing for no window.
    std::optional<std::string> clientPng(const ui::Window& window);
    // The page changed its size: maximised windows take the new one.
    void pageResized();
    // A window dragged by its title bar to this place (CSS pixels in what holds it).
    void moved(dom::Node node, int left, int top);
    // Whether the program still runs (a closing tab asks first while it does).
    bool running() const;

    // The node showing an element, or -1.
    dom::Node nodeOf(const ui::Element* element) const;

  private:
    struct WindowView;
    WindowView* viewOf(const ui::Window* window) const;
    ui::Element* elementAt(dom::Node node) const;
    ui::Window* windowAt(dom::Node node) const;
    void build(WindowView& view);
    void buildMenus(WindowView& view);
    void syncGeometry(WindowView& view);
    void paintWindow(WindowView& view);
    void paintPicture(const ui::PictureBox& picture, dom::Node node);
    // A window's or a picture area's drawing changed: painted when the event ends.
    void paintLater(const void* drawn);
    void syncElement(ui::Element& element, dom::Node node);
    void syncText(ui::TextBox& box, dom::Node node);
    void syncTimer(int id);
    void closeMenus();
    // Opens a menu of the main window's menu bar, its first available item highlighted for the
    // keyboard, or none for the mouse.
    void openMenu(ui::MenuItem& menu, bool highlightFirst);
    void highlight(ui::MenuItem* item);
    // A key while a menu is open: the arrows move in the menus, Enter or an item's access letter
    // chooses, Esc closes; nothing else happens.
    bool menuKey(int code);
    // Tells the model where the user has put a box's insertion point and selection.
    void reportSelection(ui::TextBox& box);
    // The browser moves the focused box's insertion point by itself (a click, the arrows, Home,
    // a drag): the model hears of it before each of the page's events, so that no event's end
    // puts back the one it had.
    void catchUpSelection();

    ui::Application& application_;
    std::map<const ui::Window*, std::unique_ptr<WindowView>> views_;
    std::map<dom::Node, ui::Element*> elements_;
    std::map<dom::Node, ui::Window*> windowParts_;  // frames, title bars, close boxes
    struct TimerState {
        ui::Timer* timer = nullptr;
        ui::TickSchedule schedule;
        bool running = false;
    };
    std::map<int, TimerState> timers_;  // by the id the page's timeouts carry
    std::map<const ui::Element*, int> timerIds_;
    std::map<dom::Node, dom::Node> canvases_;  // a picture area's node, its drawing's
    ui::MenuItem* openMenu_ = nullptr;
    ui::MenuItem* highlighted_ = nullptr;
    std::set<const void*> unpainted_;  // windows and picture areas
    int nextTimer_ = 1;
    int layer_ = 1;
};

}  // namespace torvi::web
