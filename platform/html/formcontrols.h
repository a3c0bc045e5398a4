#pragma once

#include "dom.h"

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <memory>

namespace platform {

// The form controls of a page as real widgets on the view's viewport. The
// DOM holds the state: a user's edit or click is written to it, and a
// change made through automation is shown by the widget.
class FormControls {
public:
    FormControls(std::shared_ptr<DomDocument> document, QWidget* viewport);
    ~FormControls();

    // The size the page lays out for the control's box.
    QSize sizeFor(const DomNode& control) const;
    // Shows the widget over its box (viewport coordinates); an empty rect hides it.
    void place(const DomNode& control, const QRect& box);
    // Shows the control's live state.
    void refresh(const DomNode& control);
    const std::vector<DomNode*>& controls() const { return m_controls; }

private:
    QWidget* create(DomNode& control);
    void refreshWidget(const DomNode& control, QWidget* widget) const;

    std::shared_ptr<DomDocument> m_document;
    QWidget* m_viewport;
    std::vector<DomNode*> m_controls;
    QHash<const DomNode*, QPointer<QWidget>> m_widgets;
};

} // namespace platform
