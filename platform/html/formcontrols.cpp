#include "formcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace platform {

namespace {

int numberAttribute(const DomNode& node, const char* name, int fallback)
{
    bool ok = false;
    const int value = node.attributeOr(QString::fromLatin1(name)).trimmed().toInt(&ok);
    return ok && value > 0 ? std::min(value, 500) : fallback;
}

QString buttonText(const DomNode& control)
{
    if (const QString* value = control.attribute(QStringLiteral("value")))
        return *value;
    const QString type = control.attributeOr(QStringLiteral("type")).toLower();
    return type == u"reset" ? QStringLiteral("Reset") : type == u"submit" ? QStringLiteral("Submit") : QString();
}

std::vector<DomNode*> optionsOf(const DomDocument& document, const DomNode& select)
{
    return document.elementsByTag(QStringLiteral("option"), &select);
}

} // namespace

FormControls::FormControls(std::shared_ptr<DomDocument> document, QWidget* viewport)
    : m_document(std::move(document)), m_viewport(viewport)
{
    for (DomNode* element : m_document->elements()) {
        if (element->controlKind() == ControlKind::None)
            continue;
        m_controls.push_back(element);
        m_widgets.insert(element, create(*element));
    }
}

FormControls::~FormControls()
{
    for (const QPointer<QWidget>& widget : std::as_const(m_widgets))
        delete widget.data();
}

QWidget* FormControls::create(DomNode& control)
{
    DomNode* node = &control;
    const std::shared_ptr<DomDocument> document = m_document;
    QWidget* widget = nullptr;
    switch (control.controlKind()) {
    case ControlKind::Text:
    case ControlKind::Password: {
        auto* edit = new QLineEdit(m_viewport);
        if (control.controlKind() == ControlKind::Password)
            edit->setEchoMode(QLineEdit::Password);
        const int maxLength = numberAttribute(control, "maxlength", 0);
        if (maxLength > 0)
            edit->setMaxLength(maxLength);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [node](const QString& text) { node->liveValue = text; });
        widget = edit;
        break;
    }
    case ControlKind::TextArea: {
        auto* edit = new QPlainTextEdit(m_viewport);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit,
                         [node, edit] { node->liveValue = edit->toPlainText(); });
        widget = edit;
        break;
    }
    case ControlKind::Radio:
    case ControlKind::Checkbox: {
        QAbstractButton* button = control.controlKind() == ControlKind::Radio
                                      ? static_cast<QAbstractButton*>(new QRadioButton(m_viewport))
                                      : new QCheckBox(m_viewport);
        // Groups follow the page's names, not the widgets' common parent.
        button->setAutoExclusive(false);
        QObject::connect(button, &QAbstractButton::clicked, button, [document, node, button] {
            document->click(*node);
            // Without an observer (page replaced) the widget still shows the DOM.
            QSignalBlocker blocker(button);
            button->setChecked(node->liveChecked);
        });
        widget = button;
        break;
    }
    case ControlKind::Button:
        widget = new QPushButton(buttonText(control), m_viewport);
        break;
    case ControlKind::Select: {
        auto* combo = new QComboBox(m_viewport);
        for (DomNode* option : optionsOf(*m_document, control))
            combo->addItem(option->textContent().simplified());
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [document, node](int index) {
            const std::vector<DomNode*> options = optionsOf(*document, *node);
            for (size_t i = 0; i < options.size(); ++i)
                options[i]->liveChecked = int(i) == index;
        });
        widget = combo;
        break;
    }
    case ControlKind::None: break;
    }
    widget->setEnabled(!control.attribute(QStringLiteral("disabled")));
    widget->hide();
    refreshWidget(control, widget);
    return widget;
}

QSize FormControls::sizeFor(const DomNode& control) const
{
    const QWidget* widget = m_widgets.value(&control);
    if (!widget)
        return {};
    const QSize hint = widget->sizeHint();
    const int charWidth = widget->fontMetrics().averageCharWidth();
    switch (control.controlKind()) {
    case ControlKind::Text:
    case ControlKind::Password:
        return QSize(numberAttribute(control, "size", 20) * charWidth + 8, hint.height());
    case ControlKind::TextArea:
        return QSize(numberAttribute(control, "cols", 20) * charWidth + 12,
                     numberAttribute(control, "rows", 2) * widget->fontMetrics().lineSpacing() + 12);
    default: return hint;
    }
}

void FormControls::place(const DomNode& control, const QRect& box)
{
    QWidget* widget = m_widgets.value(&control);
    if (!widget)
        return;
    if (box.isEmpty()) {
        widget->hide();
        return;
    }
    widget->setGeometry(box);
    widget->show();
}

void FormControls::refresh(const DomNode& control)
{
    if (QWidget* widget = m_widgets.value(&control))
        refreshWidget(control, widget);
}

void FormControls::refreshWidget(const DomNode& control, QWidget* widget) const
{
    const QSignalBlocker blocker(widget);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != control.liveValue)
            edit->setText(control.liveValue);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
        if (area->toPlainText() != control.liveValue)
            area->setPlainText(control.liveValue);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable()) {
        button->setChecked(control.liveChecked);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const std::vector<DomNode*> options = optionsOf(*m_document, control);
        for (size_t i = 0; i < options.size(); ++i) {
            if (options[i]->liveChecked) {
                combo->setCurrentIndex(int(i));
                break;
            }
        }
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        push->setText(buttonText(control));
    }
}

} // namespace platform
