#include "ui/element.h"

#include "ui/application.h"
#include "ui/window.h"

namespace torvi::ui {

Element::Element(Window& window, ElementKind kind, std::string name, int index)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index) {}

std::string Element::designName() const {
    if (index_ == kNoIndex) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

void Element::setGeometry(const Rect& geometry) {
    if (geometry == geometry_) return;
    geometry_ = geometry;
    changed(Property::Geometry);
}

void Element::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed(Property::Visible);
}

void Element::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed(Property::Enabled);
}

bool Element::effectivelyVisible() const {
    return visible_ && (container_ == nullptr || container_->effectivelyVisible());
}

bool Element::effectivelyEnabled() const {
    return enabled_ && (container_ == nullptr || container_->effectivelyEnabled());
}

void Element::changed(Property property) {
    if (ApplicationObserver* observer = window_.application().observer()) {
        observer->elementChanged(*this, property);
    }
}

}  // namespace torvi::ui
