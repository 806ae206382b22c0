#include "windowlook.h"

#include <QFont>
#include <QFontDatabase>
#include <QLabel>
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
