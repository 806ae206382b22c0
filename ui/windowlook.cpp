#include "windowlook.h"

#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

QFont controlFont()
{
    const QString designFamily = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::hasFamily(designFamily)
            ? QFont(designFamily)
            : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

QRect fromTwips(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return qRound(twips / 15.0); };
    return { px(left), px(top), px(width), px(height) };
}

void placeInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(fromTwips(left, top, width, height));
}

QLabel *makeLabel(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

namespace {

/// Whether `area` lies inside the parent of `widget` and clear of its siblings.
bool roomFor(const QWidget *widget, const QRect &area)
{
    const QWidget *parent = widget->parentWidget();
    if (!parent || !parent->rect().contains(area))
        return false;
    for (const QObject *child : parent->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(child);
        if (sibling && sibling != widget && !sibling->isWindow()
            && sibling->geometry().intersects(area))
            return false;
    }
    return true;
}

} // namespace

void fitCaptions(QWidget *root)
{
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        // A short caption that only just overflows is widened when there is room beside it;
        // otherwise it wraps onto more lines and the label gets taller.
        const int oneLine = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        const QRect widened(label->pos(), QSize(oneLine, label->height()));
        if (oneLine > label->width() && !label->text().contains(u'\n') && roomFor(label, widened))
            label->setGeometry(widened);
        const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                             : label->sizeHint().height();
        if (needed > label->height())
            label->resize(label->width(), needed);
    }
    for (QRadioButton *button : root->findChildren<QRadioButton *>()) {
        const QSize needed = button->sizeHint();
        if (needed.width() > button->width() || needed.height() > button->height())
            button->resize(button->size().expandedTo(needed));
    }
}

QLineEdit *makeText(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    return edit;
}

QPushButton *makeButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

QGroupBox *makeFrame(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(objectName);
    return frame;
}
