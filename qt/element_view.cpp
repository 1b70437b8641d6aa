#include "qt/element_view.h"

#include <QMouseEvent>
#include <QWidget>

#include "qt/conversions.h"
#include "ui/user_input.h"

namespace torvi::qt {

void describe(QWidget& widget, const ui::Element& element) {
    // Every sync passes here; an assistive technology hears of a name only when it changes.
    const QString name = toQString(ui::accessibleNameOf(element));
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
    const QString description = toQString(element.designName());
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

void clickOnRelease(const QMouseEvent& event, ui::Element& element) {
    if (event.button() == Qt::LeftButton) ui::deliverClick(element);
}

void syncBox(QWidget& widget, const ui::Element& element) {
    widget.setGeometry(shownPlace(element));
    widget.setVisible(element.visible());
    widget.setEnabled(element.enabled());
    describe(widget, element);
    widget.update();
}

}  // namespace torvi::qt
