#pragma once
// What every element's view does: mirror a changed property of its element into Qt. The views that
// are widgets also pass the user's clicks on to the model.

#include <string>

#include "ui/element.h"

class QMouseEvent;
class QWidget;

namespace torvi::qt {

class ElementView {
  public:
    virtual ~ElementView() = default;
    virtual void sync(ui::Property property) = 0;
    // A key is about to reach the model through this element's widget.
    virtual void beforeKey() {}
};

// What a screen reader announces: the element's accessible name (ui::accessibleNameOf), and its
// design name as the description.
void describe(QWidget& widget, const ui::Element& element);
// A left-button release on an element's widget is a click for the model.
void clickOnRelease(const QMouseEvent& event, ui::Element& element);
// Place, visibility and enabled flag of a plain box (frame, picture area, image) and its
// description; the box repaints.
void syncBox(QWidget& widget, const ui::Element& element);

}  // namespace torvi::qt
