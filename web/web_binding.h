#pragma once
// Binds the window model to the browser's page: a DOM structure for every model window (the main
// window filling the page with its caption, menu bar and workspace; child windows inside the
// workspace; the splash and the About box above it), a node for every element, every change
// mirrored into them, and the page's events handed to the model, which decides. Sizes are the
// model's twips at 96 CSS pixels an inch.

#include <map>
#include <memory>

#include "ui/application.h"
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
    void activationDue() override;
    void ended() override;

    // The page's events (the exported functions in web_binding.cpp call these). Each returns
    // whether the browser's own handling is to be prevented.
    bool keyPressed(dom::Node node, int code, bool control, bool alt, bool shift);
    bool mousePressed(dom::Node node);
    void clicked(dom::Node node);
    void edited(dom::Node node);
    void ticked(int timer);
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
    void syncElement(ui::Element& element, dom::Node node);
    void syncText(ui::TextBox& box, dom::Node node);
    void closeMenus();
    // Tells the model where the user has put a box's insertion point and selection.
    void reportSelection(ui::TextBox& box);

    ui::Application& application_;
    std::map<const ui::Window*, std::unique_ptr<WindowView>> views_;
    std::map<dom::Node, ui::Element*> elements_;
    std::map<dom::Node, ui::Window*> windowParts_;  // frames, title bars, close boxes
    std::map<int, ui::Timer*> timers_;
    std::map<dom::Node, dom::Node> canvases_;  // a picture area's node, its drawing's
    int nextTimer_ = 1;
    int layer_ = 1;
    int syncing_ = 0;
};

}  // namespace torvi::web
