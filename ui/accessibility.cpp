#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include <algorithm>

namespace {

/// The dynamic property holding the accessible role a widget is exposed with.
constexpr char roleProperty[] = "productionLabAccessibleRole";

/// A QLineEdit's text for assistive technology, with everything Qt's own interface exposes:
/// text, caret, selection, editing, the name from the buddy label, a password kept hidden.
/// Qt 6.4's own interface reports an empty text attribute run at every offset; Orca joins the
/// runs to read a line and so drops its last character ("300" for "3000", nothing for "6"). A
/// line edit has one format: here one run covers the whole text.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = edit()->isReadOnly();
        state.passwordEdit = hidden();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text which) const override
    {
        QString text;
        if (which == QAccessible::Value && edit()->echoMode() == QLineEdit::Normal)
            text = edit()->text();
        else if (which == QAccessible::Value && edit()->echoMode() != QLineEdit::NoEcho)
            text = QString(edit()->text().size(), u'*');
        if (text.isEmpty())
            text = QAccessibleWidget::text(which); // the name: accessibleName or the buddy
        if (text.isEmpty() && which == QAccessible::Description)
            text = edit()->placeholderText();
        return text;
    }

    // QAccessibleTextInterface
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }
    QString text(int startOffset, int endOffset) const override
    {
        if (hidden() || startOffset > endOffset)
            return QString();
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(edit()->text().size()); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                             int *endOffset) const override
    {
        if (hidden())
            return nothing(startOffset, endOffset);
        return QAccessibleTextInterface::textBeforeOffset(offset, type, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                            int *endOffset) const override
    {
        if (hidden())
            return nothing(startOffset, endOffset);
        return QAccessibleTextInterface::textAfterOffset(offset, type, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                         int *endOffset) const override
    {
        if (hidden())
            return nothing(startOffset, endOffset);
        return QAccessibleTextInterface::textAtOffset(offset, type, startOffset, endOffset);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index != 0 || !edit()->hasSelectedText())
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            edit()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int offset) const override
    {
        // The text starts where the caret stands (the middle of the input method's cursor
        // rectangle) less the width of the text before the caret: this follows the box's
        // margins, alignment and scrolling through public calls alone.
        const QString shown = edit()->displayText();
        const QFontMetrics metrics(edit()->font());
        const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int origin = caret.x() + caret.width() / 2
                - metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
        offset = std::clamp(offset, 0, int(shown.size()));
        const QRect local(origin + metrics.horizontalAdvance(shown.left(offset)), caret.y(),
                          metrics.horizontalAdvance(shown.mid(offset, 1)), caret.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        edit()->setCursorPosition(endIndex);
        edit()->setCursorPosition(startIndex);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (edit()->isReadOnly() || startOffset < 0 || startOffset > endOffset)
            return;
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
    bool hidden() const { return edit()->echoMode() != QLineEdit::Normal; }
    static QString nothing(int *startOffset, int *endOffset)
    {
        *startOffset = *endOffset = -1;
        return QString();
    }
};

/// A label whose text is a message: role Notification, named by the text it shows (less the
/// zero-width spaces a label may hold as break opportunities).
class NotificationAccessible : public QAccessibleWidget
{
public:
    explicit NotificationAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel *>(widget())->text().remove(QChar(0x200b));
        return QAccessibleWidget::text(which);
    }
};

/// Asked for every object's interface, for each class name up its hierarchy (the most derived
/// first), before Qt's own factory.
QAccessibleInterface *programInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const QVariant role = widget->property(roleProperty);
    if (role.isValid()) {
        auto *label = qobject_cast<QLabel *>(widget);
        if (label && role.toInt() == QAccessible::Notification)
            return new NotificationAccessible(label);
        return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    }
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit *>(widget));
    return nullptr;
}

/// Gives `widget` its accessible role.
void giveRole(QWidget *widget, QAccessible::Role role)
{
    installAccessibleInterfaces();
    widget->setProperty(roleProperty, int(role));
    // With a screen reader running, Qt makes an object's interface at its first accessibility
    // event, and keeps it: one made before the role was given is made again.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

void installAccessibleInterfaces()
{
    // Factories installed later are asked first: this one comes after Qt's widgets' own, which
    // QApplication installs.
    QAccessible::installFactory(programInterface);
}

void exposeAsChart(QWidget *chart)
{
    chart->setFocusPolicy(Qt::StrongFocus);
    giveRole(chart, QAccessible::Graphic);
}

void exposeAsNotification(QLabel *label)
{
    giveRole(label, QAccessible::Notification);
}

void announce(QLabel *notification)
{
    // Qt 6.4 has no announcement event, and Orca 43 speaks no name change of an object without
    // the focus, but it speaks a notification that becomes showing: Qt sends this event as
    // "showing" on the bus.
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void closeOnEscape(QWidget *window)
{
    installAccessibleInterfaces();
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("escapeCloses"));
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}
