#include "web/web_binding.h"

#include <emscripten.h>

#include <array>
#include <cctype>
#include <cstdlib>

#include "ui/controls.h"
#include "ui/keys.h"
#include "ui/text_positions.h"
#include "ui/units.h"
#include "ui/user_input.h"

namespace torvi::web {
namespace {

WebBinding* current = nullptr;

// The codes the page gives the arrow keys, which type no character: 0x110000 and the key's code.
constexpr int kArrowLeft = 0x110025;
constexpr int kArrowUp = 0x110026;
constexpr int kArrowRight = 0x110027;
constexpr int kArrowDown = 0x110028;
constexpr int kF1 = 0x110070;  // and F1

// The one menu shortcut a browser keeps for itself (Ctrl+T opens a tab): Alt+T stands for it.
constexpr char kAltShortcut = 'T';

ui::Rect toPixels(const ui::Rect& twips) {
    return ui::twipsToDevice(twips, ui::Resolution{});
}

int toPixels(int twips) {
    return ui::twipsToPixels(twips);
}

// An element's place and a length in its window's pixels, at the scale its window shows its
// contents at (1 but in a graph grown with its window).
ui::Rect shownPlace(const ui::Element& element) {
    return ui::scaledPixels(element.geometry(), element.window().contentScale());
}
int shownPixels(const ui::Element& element, int twips) {
    return ui::scaledPixels(twips, element.window().contentScale());
}
ui::Font shownFont(const ui::Element& element, const ui::Font& font) {
    return ui::scaled(font, element.window().contentScale());
}

// The window's contents at their scale: the type its boxes and buttons inherit, and what it
// draws on itself.
void scaleContents(const ui::Window& window, dom::Node client, dom::Node drawing) {
    // The workspace's type is the child windows' frames', which keep the page's size.
    const double scale = window.kind() != ui::WindowKind::Main ? window.contentScale() : 1.0;
    dom::setStyle(client, "font", dom::cssFont(ui::scaled(window.font, scale)));
    if (window.kind() != ui::WindowKind::Main) dom::setZoom(drawing, window.contentScale());
}

// A caption as shown: "&" marks the access letter and "&&" is a plain "&".
std::string shownCaption(const std::string& caption) {
    std::string shown;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size()) ++at;
        shown += caption[at];
    }
    return shown;
}

// The class name each kind of element's node carries (the page's style sheet styles them).
const char* classOf(ui::ElementKind kind) {
    switch (kind) {
        case ui::ElementKind::Label:
            return "label";
        case ui::ElementKind::TextBox:
            return "box";
        case ui::ElementKind::CommandButton:
            return "button";
        case ui::ElementKind::Frame:
            return "frame";
        case ui::ElementKind::PictureBox:
            return "picture";
        case ui::ElementKind::Image:
            return "image";
        case ui::ElementKind::Line:
            return "line";
        default:
            return "";
    }
}

const char* tagOf(ui::ElementKind kind) {
    switch (kind) {
        case ui::ElementKind::TextBox:
            return "input";
        case ui::ElementKind::CommandButton:
            return "button";
        default:
            return "div";
    }
}

}  // namespace

struct WebBinding::WindowView {
    ui::Window* window = nullptr;
    dom::Node frame = -1;
    dom::Node title = -1;
    dom::Node client = -1;
    dom::Node closeBox = -1;
    dom::Node maximiseBox = -1;
    dom::Node minimiseBox = -1;
    dom::Node menuBar = -1;
    dom::Node drawing = -1;
    std::map<const ui::Element*, dom::Node> nodes;
    // The window's own parts that events can happen at (-1 for those it has not).
    std::array<dom::Node, 6> parts() const {
        return {frame, title, client, closeBox, maximiseBox, minimiseBox};
    }
};

namespace {

// A button of a title bar, with its sign and its name for a screen reader.
dom::Node titleButton(dom::Node frame, const char* className, const char* sign, const char* name) {
    const dom::Node button = dom::create("div", frame, className);
    dom::setText(button, sign);
    dom::setAttribute(button, "aria-label", name);
    return button;
}

}  // namespace

WebBinding::WebBinding(ui::Application& application) : application_(application) {
    current = this;
    dom::listen();
    application_.setObserver(this);
    for (ui::Window* window : application_.stackingOrder()) windowCreated(*window);
}

WebBinding::~WebBinding() {
    if (application_.observer() == this) application_.setObserver(nullptr);
    for (const auto& [id, timer] : timers_) dom::stopTimer(id);
    current = nullptr;
}

WebBinding::WindowView* WebBinding::viewOf(const ui::Window* window) const {
    const auto found = views_.find(window);
    return found == views_.end() ? nullptr : found->second.get();
}

dom::Node WebBinding::nodeOf(const ui::Element* element) const {
    if (element == nullptr) return -1;
    const WindowView* view = viewOf(&element->window());
    if (view == nullptr) return -1;
    const auto found = view->nodes.find(element);
    return found == view->nodes.end() ? -1 : found->second;
}

ui::Element* WebBinding::elementAt(dom::Node node) const {
    const auto found = elements_.find(node);
    return found == elements_.end() ? nullptr : found->second;
}

ui::Window* WebBinding::windowAt(dom::Node node) const {
    if (ui::Element* element = elementAt(node)) return &element->window();
    const auto found = windowParts_.find(node);
    return found == windowParts_.end() ? nullptr : found->second;
}

void WebBinding::windowCreated(ui::Window& window) {
    auto view = std::make_unique<WindowView>();
    view->window = &window;
    WindowView& built = *view;
    views_[&window] = std::move(view);
    build(built);
}

void WebBinding::build(WindowView& view) {
    ui::Window& window = *view.window;
    const ui::Window* main = application_.mainWindow();
    const WindowView* mainView = main != nullptr && main != &window ? viewOf(main) : nullptr;
    switch (window.kind()) {
        case ui::WindowKind::Main:
            view.frame = dom::create("div", dom::kPage, "main-window");
            view.title = dom::create("div", view.frame, "caption");
            view.menuBar = dom::create("div", view.frame, "menu-bar");
            dom::setAttribute(view.menuBar, "role", "menubar");
            view.client = dom::create("div", view.frame, "workspace");
            break;
        case ui::WindowKind::Child:
            view.frame =
                dom::create("div", mainView ? mainView->client : dom::kPage, "child-window");
            view.title = dom::create("div", view.frame, "title-bar");
            view.closeBox = titleButton(view.frame, "close-box", "\u00D7", "Close");
            // Its sign and name follow the window's state (syncGeometry).
            view.maximiseBox = titleButton(view.frame, "close-box maximise-box", "", "Maximise");
            view.minimiseBox = titleButton(view.frame, "close-box minimise-box", "_", "Minimise");
            view.client = dom::create("div", view.frame, "client-area");
            break;
        case ui::WindowKind::TopLevel:
            view.frame = dom::create("div", dom::kPage, "top-level-window");
            dom::setAttribute(view.frame, "role", "dialog");
            if (window.hasTitleBar()) {
                view.title = dom::create("div", view.frame, "title-bar");
                view.closeBox = titleButton(view.frame, "close-box", "\u00D7", "Close");
            }
            view.client = dom::create("div", view.frame, "client-area");
            break;
    }
    // The client area takes the keyboard focus where no element of the window has it.
    dom::setAttribute(view.client, "tabindex", "-1");
    for (const dom::Node part : view.parts()) {
        if (part >= 0) windowParts_[part] = &window;
    }
    dom::setStyle(view.client, "background-color", dom::cssColour(window.backColour));
    // What the window draws on itself (the table), on a canvas beneath its elements.
    view.drawing = dom::create("canvas", view.client, "drawing");
    scaleContents(window, view.client, view.drawing);
    window.drawing.onChanged = [this, &window] { paintLater(&window); };
    // The elements, each inside what holds it, in design order (later ones on top).
    for (const auto& owned : window.elements()) {
        ui::Element& element = *owned;
        if (element.kind() == ui::ElementKind::MenuItem) continue;
        if (element.kind() == ui::ElementKind::Timer) {  // a browser timeout, no node
            const int id = nextTimer_++;
            timers_[id].timer = static_cast<ui::Timer*>(&element);
            timerIds_[&element] = id;
            syncTimer(id);
            continue;
        }
        const dom::Node parent =
            element.container() != nullptr ? view.nodes[element.container()] : view.client;
        const dom::Node node = dom::create(tagOf(element.kind()), parent, classOf(element.kind()));
        view.nodes[&element] = node;
        elements_[node] = &element;
        dom::setAttribute(node, "data-name", element.designName());
        if (element.kind() == ui::ElementKind::TextBox) dom::setAttribute(node, "type", "text");
        // A picture area's drawing is a canvas beneath what it holds.
        if (auto* picture = dynamic_cast<ui::PictureBox*>(&element)) {
            canvases_[node] = dom::create("canvas", node, "drawing");
            picture->drawing.onChanged = [this, picture] { paintLater(picture); };
        }
        syncElement(element, node);
    }
    buildMenus(view);
    windowChanged(window, ui::WindowProperty::Caption);
    windowChanged(window, ui::WindowProperty::Geometry);
    windowChanged(window, ui::WindowProperty::Visible);
}

void WebBinding::buildMenus(WindowView& view) {
    if (view.menuBar < 0) return;
    std::map<const ui::MenuItem*, dom::Node> menus;
    for (ui::MenuItem* top : view.window->menuBar()) {
        const dom::Node title = dom::create("div", view.menuBar, "menu-title");
        dom::setAttribute(title, "role", "menuitem");
        view.nodes[top] = title;
        elements_[title] = top;
        const dom::Node list = dom::create("div", title, "menu");
        dom::setAttribute(list, "role", "menu");
        menus[top] = list;
        syncElement(*top, title);
    }
    for (const auto& owned : view.window->elements()) {
        auto* item = dynamic_cast<ui::MenuItem*>(owned.get());
        if (item == nullptr || item->parent() == nullptr) continue;
        const auto list = menus.find(item->parent());
        if (list == menus.end()) continue;
        const dom::Node node =
            dom::create("div", list->second, item->separator() ? "separator" : "menu-item");
        dom::setAttribute(node, "role", item->separator() ? "separator" : "menuitem");
        view.nodes[item] = node;
        elements_[node] = item;
        syncElement(*item, node);
    }
}

void WebBinding::paintLater(const void* drawn) {
    unpainted_.insert(drawn);
    if (!application_.inEvent()) eventFinished();
}

void WebBinding::eventFinished() {
    if (unpainted_.empty()) return;  // most events draw nothing
    const std::set<const void*> due = std::move(unpainted_);
    unpainted_.clear();
    // Only the windows and pictures still shown: a drawing may have gone with its window.
    for (const auto& [window, view] : views_) {
        if (due.contains(window)) paintWindow(*view);
        for (const auto& [element, node] : view->nodes) {
            if (due.contains(element) && element->kind() == ui::ElementKind::PictureBox)
                paintPicture(static_cast<const ui::PictureBox&>(*element), node);
        }
    }
}

void WebBinding::paintPicture(const ui::PictureBox& picture, dom::Node node) {
    const ui::Rect size = toPixels(picture.geometry());
    dom::paint(canvases_[node], size.width, size.height, picture.drawing.items());
}

void WebBinding::paintWindow(WindowView& view) {
    ui::Window& window = *view.window;
    if (window.kind() == ui::WindowKind::Main) return;
    dom::paint(view.drawing, toPixels(window.clientWidth()), toPixels(window.clientHeight()),
               window.drawing.items());
}

void WebBinding::windowDestroyed(ui::Window& window) {
    WindowView* view = viewOf(&window);
    if (view == nullptr) return;
    if (window.kind() == ui::WindowKind::Main) openMenu_ = highlighted_ = nullptr;
    window.disconnectDrawings();
    for (const auto& [element, node] : view->nodes) elements_.erase(node);
    for (auto timer = timerIds_.begin(); timer != timerIds_.end();) {
        if (&timer->first->window() != &window) {
            ++timer;
            continue;
        }
        dom::stopTimer(timer->second);
        timers_.erase(timer->second);
        timer = timerIds_.erase(timer);
    }
    for (const dom::Node part : view->parts()) windowParts_.erase(part);
    dom::remove(view->frame);
    views_.erase(&window);
}

void WebBinding::windowChanged(ui::Window& window, ui::WindowProperty property) {
    WindowView* view = viewOf(&window);
    if (view == nullptr) return;
    switch (property) {
        case ui::WindowProperty::Caption:
            if (view->title >= 0) dom::setText(view->title, window.caption());
            dom::setAttribute(view->frame, "aria-label", window.caption());
            break;
        case ui::WindowProperty::Geometry:
        case ui::WindowProperty::Style:
        case ui::WindowProperty::State:
            syncGeometry(*view);
            break;
        case ui::WindowProperty::Visible:
            dom::setVisible(view->frame, window.visible());
            break;
        case ui::WindowProperty::ContentScale:
            scaleContents(window, view->client, view->drawing);
            for (const auto& element : window.elements()) {
                const dom::Node node = nodeOf(element.get());
                if (node != -1 && element->kind() != ui::ElementKind::MenuItem)
                    syncElement(*element, node);
            }
            break;
        case ui::WindowProperty::Focus:
            break;
    }
}

void WebBinding::syncGeometry(WindowView& view) {
    ui::Window& window = *view.window;
    if (window.kind() == ui::WindowKind::Main) return;  // the main window fills the page
    const ui::FrameSize border = window.frame();
    // Zoomed, the window's place and client area grow; its frame keeps the page's size.
    const bool zoomed = application_.zoom() != ui::kActualSize;
    ui::Rect outer = zoomed ? ui::scaledPixels(window.geometry(), application_.zoomScale())
                            : toPixels(window.geometry());
    if (window.centredOnScreen) {
        dom::setClass(view.frame, "centred", true);
        outer.left = outer.top = 0;
    }
    dom::place(view.frame, outer);
    const int side = toPixels(border.side);
    const int top = toPixels(border.top);
    const int bar = top - side;  // the title bar's height, and its close box's size
    if (view.title >= 0) dom::place(view.title, {side, side, outer.width - 2 * side, bar});
    for (const dom::Node box : {view.closeBox, view.maximiseBox, view.minimiseBox}) {
        if (box < 0) continue;
        const int place = box == view.closeBox ? 1 : box == view.maximiseBox ? 2 : 3;
        dom::place(box, {outer.width - side - place * bar + 2, side + 2, bar - 4, bar - 4});
    }
    if (view.maximiseBox >= 0) {
        const bool normal = window.state() == ui::WindowState::Normal;
        dom::setText(view.maximiseBox, normal ? "\u25A1" : "\u2750");
        dom::setAttribute(view.maximiseBox, "aria-label", normal ? "Maximise" : "Restore");
    }
    dom::place(view.client,
               zoomed ? ui::Rect{side, top, outer.width - 2 * side, outer.height - top - side}
                      : ui::Rect{side, top, toPixels(window.clientWidth()),
                                 toPixels(window.clientHeight())});
    paintLater(&window);
    dom::setClass(view.frame, "maximised", window.state() == ui::WindowState::Maximised);
    dom::setClass(view.frame, "minimised", window.state() == ui::WindowState::Minimised);
    // The client size as shown decides how far a graph grows; maximised, the page's own.
    if (window.state() == ui::WindowState::Maximised) {
        const auto [width, height] = dom::shownSize(view.client);
        const double zoom = application_.zoomScale();
        window.setShownClientSize(ui::unscaledTwips(width, zoom), ui::unscaledTwips(height, zoom));
    } else if (window.state() == ui::WindowState::Normal) {
        window.setShownClientSize(window.clientWidth(), window.clientHeight());
    }
}

std::optional<std::string> WebBinding::clientPng(const ui::Window& window) {
    WindowView* view = viewOf(&window);
    if (view == nullptr) return std::nullopt;
    return dom::picturePng(view->client);
}

void WebBinding::zoomChanged() {
    for (const auto& [window, view] : views_) syncGeometry(*view);
}

void WebBinding::pageResized() {
    for (const auto& [window, view] : views_) {
        if (window->state() == ui::WindowState::Maximised) syncGeometry(*view);
    }
    eventFinished();
}

void WebBinding::elementChanged(ui::Element& element, ui::Property property) {
    if (const auto timer = timerIds_.find(&element); timer != timerIds_.end())
        return syncTimer(timer->second);
    const dom::Node node = nodeOf(&element);
    if (node == -1) return;
    if (property == ui::Property::Text || property == ui::Property::Selection) {
        if (auto* box = dynamic_cast<ui::TextBox*>(&element)) {
            syncText(*box, node);
            return;
        }
    }
    syncElement(element, node);
}

void WebBinding::syncText(ui::TextBox& box, dom::Node node) {
    dom::setValue(node, box.text());
    if (box.window().focused() == &box) {
        dom::setSelection(node, ui::utf16Position(box.text(), box.selectionStart()),
                          ui::utf16Position(box.text(), box.cursor()));
    }
}

void WebBinding::syncTimer(int id) {
    TimerState& state = timers_[id];
    const ui::Timer& timer = *state.timer;
    if (!timer.running() || timer.interval() <= 0) {
        dom::stopTimer(id);
        state.running = false;
    } else if (!state.running || state.schedule.interval() != timer.interval()) {
        state.schedule.start(static_cast<std::int64_t>(dom::now()), timer.interval());
        dom::setTimer(id, timer.interval());
        state.running = true;
    }
}

void WebBinding::syncElement(ui::Element& element, dom::Node node) {
    dom::setVisible(node, element.visible());
    dom::setEnabled(node, element.enabled());
    dom::setAttribute(node, "aria-label", ui::accessibleNameOf(element));
    switch (element.kind()) {
        case ui::ElementKind::MenuItem: {
            auto& item = static_cast<ui::MenuItem&>(element);
            std::string caption = shownCaption(item.caption());
            if (item.shortcut() == kAltShortcut) {
                caption += "\tAlt+" + std::string(1, item.shortcut());
            } else if (item.shortcut() != 0) {
                caption += "\t" + ui::shortcutText(item.shortcut());
            }
            dom::setAttribute(node, "data-caption", caption);
            dom::setClass(node, "checked", item.checked());
            dom::setAttribute(node, "aria-checked", item.checked() ? "true" : "false");
            return;
        }
        case ui::ElementKind::Label: {
            auto& label = static_cast<ui::Label&>(element);
            dom::setText(node, label.caption());
            dom::setStyle(node, "font", dom::cssFont(shownFont(label, label.font)));
            dom::setStyle(node, "color", dom::cssColour(label.foreColour));
            dom::setStyle(node, "text-align",
                          label.alignment == ui::Alignment::Centre  ? "center"
                          : label.alignment == ui::Alignment::Right ? "right"
                                                                    : "left");
            dom::setStyle(node, "background-color",
                          label.opaque ? dom::cssColour(label.fillColour) : "transparent");
            dom::setClass(node, "bordered", label.bordered);
            dom::setClass(node, "fitted", label.fitted);
            break;
        }
        case ui::ElementKind::TextBox:
            syncText(static_cast<ui::TextBox&>(element), node);
            break;
        case ui::ElementKind::CommandButton:
            dom::setText(node, shownCaption(static_cast<ui::CommandButton&>(element).caption()));
            break;
        case ui::ElementKind::PictureBox: {
            auto& picture = static_cast<ui::PictureBox&>(element);
            dom::setStyle(node, "background-color", dom::cssColour(picture.fillColour));
            if (!picture.picture.resource.empty()) {
                dom::setPicture(node, picture.picture.resource);
                // Grown with its window, the picture grows with it.
                const int width =
                    shownPixels(picture, ui::pixelsToTwips(picture.picture.pixelWidth));
                dom::setStyle(node, "background-size", std::to_string(width) + "px auto");
            }
            dom::setClass(node, "bordered", picture.bordered);
            paintLater(&picture);  // at its size, which may have changed
            break;
        }
        case ui::ElementKind::Image: {
            auto& image = static_cast<ui::ImageElement&>(element);
            dom::setPicture(node, image.picture.resource);
            dom::setStyle(node, "background-size", image.stretch ? "100% 100%" : "auto");
            break;
        }
        case ui::ElementKind::Line: {
            auto& line = static_cast<ui::LineElement&>(element);
            const int thickness = ui::scaledThickness(line.thickness, line.window().contentScale());
            const ui::Rect band =
                ui::lineBand(shownPixels(line, line.x1), shownPixels(line, line.y1),
                             shownPixels(line, line.x2), shownPixels(line, line.y2), thickness);
            dom::place(node, band);
            dom::setStyle(node, "background-color", dom::cssColour(line.colour));
            return;
        }
        default:
            break;
    }
    dom::place(node, shownPlace(element));
}

void WebBinding::activationDue() {
    ui::Window* active = application_.activeWindow();
    WindowView* view = viewOf(active);
    if (view == nullptr) return;
    for (const auto& [window, other] : views_) dom::setClass(other->frame, "active", false);
    dom::setClass(view->frame, "active", true);
    if (active->kind() != ui::WindowKind::Main) dom::raise(view->frame, ++layer_);
    const dom::Node focused = nodeOf(active->focused());
    dom::focus(focused >= 0 ? focused : view->client);
    if (auto* box = dynamic_cast<ui::TextBox*>(active->focused())) syncText(*box, focused);
}

void WebBinding::ended() {
    openMenu_ = highlighted_ = nullptr;
    for (const auto& [id, timer] : timers_) dom::stopTimer(id);
    timers_.clear();
    timerIds_.clear();
    for (const auto& [window, view] : views_) dom::remove(view->frame);
    views_.clear();
    elements_.clear();
    windowParts_.clear();
    const dom::Node page = dom::create("div", dom::kPage, "closed-page");
    dom::setText(page, application_.info().title + " has ended. You may close this tab.");
}

void WebBinding::reportSelection(ui::TextBox& box) {
    const dom::Node node = nodeOf(&box);
    const std::string shown = dom::value(node);
    if (shown != box.text()) return;
    const auto [start, end] = dom::selection(node);
    const int from = ui::utf8Position(shown, start);
    box.select(from, ui::utf8Position(shown, end) - from);
}

void WebBinding::catchUpSelection() {
    ui::Window* active = application_.activeWindow();
    auto* box = active != nullptr ? dynamic_cast<ui::TextBox*>(active->focused()) : nullptr;
    if (box != nullptr && dom::hasFocus(nodeOf(box))) reportSelection(*box);
}

void WebBinding::closeMenus() {
    if (const dom::Node shown = nodeOf(openMenu_); shown >= 0) dom::setClass(shown, "open", false);
    highlight(nullptr);
    openMenu_ = nullptr;
}

void WebBinding::openMenu(ui::MenuItem& menu, bool highlightFirst) {
    closeMenus();
    if (!menu.enabled()) return;
    openMenu_ = &menu;
    dom::setClass(nodeOf(&menu), "open", true);
    if (highlightFirst) highlight(ui::nextMenuItem(menu, nullptr, true));
}

void WebBinding::highlight(ui::MenuItem* item) {
    if (const dom::Node shown = nodeOf(highlighted_); shown >= 0)
        dom::setClass(shown, "highlighted", false);
    highlighted_ = item;
    if (const dom::Node shown = nodeOf(item); shown >= 0) dom::setClass(shown, "highlighted", true);
}

bool WebBinding::menuKey(int code) {
    ui::MenuItem& menu = *openMenu_;
    if (code == kArrowDown || code == kArrowUp) {
        highlight(ui::nextMenuItem(menu, highlighted_, code == kArrowDown));
    } else if (code == kArrowLeft || code == kArrowRight) {
        if (ui::MenuItem* next =
                ui::nextMenu(*application_.mainWindow(), menu, code == kArrowRight))
            openMenu(*next, true);
    } else if (code == ui::keys::kEnter || (code < 0x80 && std::isalpha(code))) {
        ui::MenuItem* chosen = code == ui::keys::kEnter
                                   ? highlighted_
                                   : ui::menuItemWithAccessLetter(menu, static_cast<char>(code));
        if (chosen == nullptr) return true;
        closeMenus();
        ui::deliverMenu(*chosen);
    } else if (code == ui::keys::kEscape) {
        closeMenus();
    }
    return true;
}

bool WebBinding::keyPressed(dom::Node node, int code, bool control, bool alt, bool shift) {
    catchUpSelection();
    ui::Window* main = application_.mainWindow();
    ui::Window* active = application_.activeWindow();
    if (main == nullptr || active == nullptr) return false;
    if (openMenu_ != nullptr && !control && !alt) return menuKey(code);
    if (code == kF1) {
        closeMenus();
        if (ui::shortcutsAvailable(application_)) ui::deliverShortcut(*main, ui::kF1Shortcut);
        return true;  // not the browser's own help
    }
    if (code >= kArrowLeft) return false;  // the arrows move in a text box, the browser's way
    const bool letter = code < 0x80 && std::isalpha(code);
    if (control) {
        // Ctrl++ (or Ctrl+= without Shift), Ctrl+- and Ctrl+0: the page's zoom, not the
        // browser's.
        if (code == '+' || code == '=' || code == '-' || code == '0') {
            if (ui::shortcutsAvailable(application_))
                ui::deliverShortcut(*main, code == '=' ? '+' : static_cast<char>(code));
            return true;
        }
        if (!letter) return false;
        const char upper = static_cast<char>(std::toupper(code));
        // Ctrl+C outside a text box: the window's table, as text and as HTML.
        if (upper == 'C' && dynamic_cast<ui::TextBox*>(elementAt(node)) == nullptr) {
            const ui::Window::Copy copy = active->copy();
            if (copy.picture) {
                dom::copyPicture(viewOf(active)->client);
                return true;
            }
            return !copy.text.empty() && dom::copy(copy.text, copy.html);
        }
        // The browser types no control character: a key-preview window takes it all the same.
        const bool preview = !ui::shortcutsAvailable(application_);
        return ui::deliverControlLetter(application_, upper) || preview;
    }
    if (alt) {
        if (!letter) return false;
        const char upper = static_cast<char>(std::toupper(code));
        if (upper == kAltShortcut && ui::shortcutsAvailable(application_)) {
            ui::deliverShortcut(*main, kAltShortcut);
            return true;
        }
        if (ui::deliverAccessKey(*active, upper)) return true;
        // Else the main window's menu with that access letter: chosen, or its list opened.
        ui::MenuItem* menu = ui::barMenuWithAccessLetter(*main, upper);
        if (menu == nullptr) return false;
        closeMenus();
        if (menu->children().empty()) {
            ui::deliverMenu(*menu);
        } else {
            openMenu(*menu, true);
        }
        return true;
    }
    closeMenus();
    if (code == '\t') {
        ui::deliverTab(*active, !shift);
        return true;
    }
    ui::Element* target = elementAt(node);
    if (target != nullptr && &target->window() != active) target = nullptr;
    if (auto* box = dynamic_cast<ui::TextBox*>(target)) reportSelection(*box);
    return !ui::deliverTypedCharacter(*active, target, code);
}

bool WebBinding::mousePressed(dom::Node node) {
    catchUpSelection();
    ui::Window* window = windowAt(node);
    if (window == nullptr) return false;
    if (window != application_.activeWindow() && window->kind() != ui::WindowKind::Main)
        ui::deliverActivate(*window);
    auto* box = dynamic_cast<ui::TextBox*>(elementAt(node));
    if (box == nullptr || viewOf(window) == nullptr) return false;
    if (box->window().focused() == box && application_.activeWindow() == window) return false;
    ui::deliverClick(*box);
    // Where the model's rules keep the focus elsewhere, the box takes neither it nor the click.
    return viewOf(window) == nullptr || window->focused() != box;
}

void WebBinding::clicked(dom::Node node) {
    catchUpSelection();  // the press put the insertion point where the user clicked
    ui::Element* element = elementAt(node);
    if (element == nullptr) {
        ui::Window* window = windowAt(node);
        closeMenus();
        if (window == nullptr) return;
        const WindowView& view = *viewOf(window);
        if (node == view.closeBox) {
            ui::deliverClose(*window);
        } else if (node == view.maximiseBox) {
            ui::deliverState(*window, window->state() == ui::WindowState::Normal
                                          ? ui::WindowState::Maximised
                                          : ui::WindowState::Normal);
        } else if (node == view.minimiseBox) {
            ui::deliverState(*window, ui::WindowState::Minimised);
        }
        return;
    }
    if (auto* item = dynamic_cast<ui::MenuItem*>(element)) {
        if (!item->children().empty()) {
            if (item == openMenu_) {
                closeMenus();
            } else {
                openMenu(*item, false);
            }
            return;
        }
        closeMenus();
        ui::deliverMenu(*item);
        return;
    }
    closeMenus();
    if (element->kind() == ui::ElementKind::TextBox) return;  // taken as it was pressed
    ui::deliverClick(*element);
}

void WebBinding::edited(dom::Node node) {
    auto* box = dynamic_cast<ui::TextBox*>(elementAt(node));
    if (box == nullptr) return;
    const std::string text = dom::value(node);
    if (text == box->text()) return;
    ui::deliverEdit(*box, text, ui::utf8Position(text, dom::selection(node).second));
}

void WebBinding::moved(dom::Node node, int left, int top) {
    ui::Window* window = windowAt(node);
    if (window == nullptr || window->kind() == ui::WindowKind::Main) return;
    const ui::Rect& place = window->geometry();
    const ui::Rect shown = toPixels(place);
    ui::deliverGeometry(*window, ui::twipsOfShownPlace(
                                     place, {left, top, shown.width, shown.height},
                                     [](int twips) { return toPixels(twips); },
                                     [](int pixels) { return ui::pixelsToTwips(pixels); }));
}

bool WebBinding::typed(dom::Node node, int code, int first) {
    auto* box = dynamic_cast<ui::TextBox*>(elementAt(node));
    if (box == nullptr || &box->window() != application_.activeWindow()) return false;
    ui::Window& window = box->window();
    if (first == 2) syncText(*box, node);
    if (first == 1) reportSelection(*box);
    ui::deliverTypedCharacter(window, box, code);
    // The character may have closed the window, or moved the focus to another box.
    return viewOf(&window) != nullptr && nodeOf(box) == node;
}

void WebBinding::pasted(dom::Node node, const std::string& text) {
    auto* box = dynamic_cast<ui::TextBox*>(elementAt(node));
    if (box == nullptr || &box->window() != application_.activeWindow()) return;
    reportSelection(*box);
    // Control characters (the line breaks of a copied table) do not go into a one-line box.
    std::string inserted;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) inserted += c;
    }
    std::string edited = box->text();
    const auto start = static_cast<std::size_t>(box->selectionStart());
    edited.replace(start, static_cast<std::size_t>(box->selectionLength()), inserted);
    ui::deliverEdit(*box, edited, static_cast<int>(start + inserted.size()));
}

bool WebBinding::running() const {
    return !application_.ended();
}

void WebBinding::ticked(int id) {
    const auto found = timers_.find(id);
    if (found == timers_.end() || !found->second.running) return;
    TimerState& state = found->second;
    const std::int64_t early = state.schedule.early(static_cast<std::int64_t>(dom::now()));
    dom::setTimer(id, static_cast<int>(early > 0 ? early : state.schedule.interval()));
    if (early == 0) ui::deliverTimer(*state.timer);  // may close the window and end this timer
}

}  // namespace torvi::web

// The page's events, as the listeners in dom.cpp hand them over: numbers only.
extern "C" {

EMSCRIPTEN_KEEPALIVE int torvi_key(int node, int code, int control, int alt, int shift) {
    using torvi::web::current;
    return current != nullptr && current->keyPressed(node, code, control, alt, shift);
}

EMSCRIPTEN_KEEPALIVE int torvi_mouse_down(int node) {
    using torvi::web::current;
    return current != nullptr && current->mousePressed(node);
}

EMSCRIPTEN_KEEPALIVE void torvi_click(int node) {
    if (torvi::web::current != nullptr) torvi::web::current->clicked(node);
}

EMSCRIPTEN_KEEPALIVE void torvi_input(int node) {
    if (torvi::web::current != nullptr) torvi::web::current->edited(node);
}

EMSCRIPTEN_KEEPALIVE void torvi_moved(int node, int left, int top) {
    if (torvi::web::current != nullptr) torvi::web::current->moved(node, left, top);
}

EMSCRIPTEN_KEEPALIVE int torvi_typed(int node, int code, int first) {
    using torvi::web::current;
    return current != nullptr && current->typed(node, code, first);
}

EMSCRIPTEN_KEEPALIVE void torvi_pasted(int node, char* text) {
    const std::string pasted(text);
    std::free(text);
    if (torvi::web::current != nullptr) torvi::web::current->pasted(node, pasted);
}

EMSCRIPTEN_KEEPALIVE int torvi_running() {
    return torvi::web::current != nullptr && torvi::web::current->running();
}

EMSCRIPTEN_KEEPALIVE void torvi_resized() {
    if (torvi::web::current != nullptr) torvi::web::current->pageResized();
}

EMSCRIPTEN_KEEPALIVE void torvi_tick(int timer) {
    if (torvi::web::current != nullptr) torvi::web::current->ticked(timer);
}
}
