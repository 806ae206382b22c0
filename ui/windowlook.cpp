#include "windowlook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

#include <vector>

namespace {

/// Property of a control placed in twips: its rectangle at the design's size (a QRect).
constexpr char designGeometry[] = "designGeometry";
/// Property of a window's root with a fixed size: that size at the design's size (a QSize).
constexpr char designSize[] = "designSize";

double zoom = 1;

/// The application's style with the parts drawn at a fixed pixel size (option and check
/// indicators, scroll bars) scaled by the zoom, so that a zoomed window is zoomed whole.
class ZoomStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_ScrollBarExtent:
            return qRound(base * zoom);
        default:
            return base;
        }
    }
};

/// Puts the zoom style in place the first time the program is zoomed; at 100 % the
/// application keeps its own style untouched.
void useZoomStyle()
{
    if (dynamic_cast<ZoomStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new ZoomStyle(QStyleFactory::create(QApplication::style()->name())));
}

/// The application's fonts as the program started, before any zoom scaled them.
struct DesignFonts
{
    QFont application, menuBar;
};

const DesignFonts &designFonts()
{
    static const DesignFonts fonts{ QApplication::font(), QApplication::font("QMenuBar") };
    return fonts;
}

QFont scaledFont(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(font.pixelSize() * factor));
    return font;
}

std::vector<QPointer<QWidget>> &laidOutRoots()
{
    static std::vector<QPointer<QWidget>> roots;
    return roots;
}

QRect scaled(const QRect &design, double factor)
{
    return { qRound(design.x() * factor), qRound(design.y() * factor),
             qRound(design.width() * factor), qRound(design.height() * factor) };
}

void zoomWindow(QWidget *root, double factor)
{
    root->setFont(controlFont(factor));
    if (const QVariant size = root->property(designSize); size.isValid())
        root->setFixedSize(scaled(QRect(QPoint(), size.toSize()), factor).size());
    for (QWidget *control : root->findChildren<QWidget *>()) {
        if (const QVariant place = control->property(designGeometry); place.isValid())
            control->setGeometry(scaled(place.toRect(), factor));
    }
    // Letters do not grow exactly with the zoom: a caption that fitted one line at 100 % may
    // need a little more room at another zoom.
    fitCaptions(root);
    if (auto *window = qobject_cast<QMainWindow *>(root->window())) {
        const QFont menus = menuFont(factor);
        window->menuBar()->setFont(menus);
        for (QMenu *menu : window->menuBar()->findChildren<QMenu *>())
            menu->setFont(menus);
    }
}

} // namespace

QFont menuFont(double factor)
{
    return scaledFont(designFonts().menuBar, factor);
}

QFont unzoomedApplicationFont()
{
    return designFonts().application;
}

QFont controlFont(double factor)
{
    const QString designFamily = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::hasFamily(designFamily)
            ? QFont(designFamily)
            : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8.25 * factor);
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
    widget->setProperty(designGeometry, widget->geometry());
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

void finishLayout(QWidget *root)
{
    fitCaptions(root);
    for (QWidget *control : root->findChildren<QWidget *>())
        if (control->property(designGeometry).isValid())
            control->setProperty(designGeometry, control->geometry());
    if (root->minimumSize() == root->maximumSize())
        root->setProperty(designSize, root->size());
    laidOutRoots().emplace_back(root);
    if (zoom != 1)
        zoomWindow(root, zoom);
}

double zoomFactor()
{
    return zoom;
}

void setZoomFactor(double factor)
{
    if (!(factor > 0) || factor == zoom)
        return;
    zoom = factor;
    useZoomStyle();
    // Qt's own dialogs (files, printing, message boxes) take the application's font: it follows
    // the zoom, while every window of the program keeps its own explicit font.
    QApplication::setFont(scaledFont(designFonts().application, factor));
    auto &roots = laidOutRoots();
    std::erase_if(roots, [](const QPointer<QWidget> &root) { return root.isNull(); });
    for (const QPointer<QWidget> &root : roots)
        zoomWindow(root, factor);
    emit zoomNotifier()->zoomChanged(factor);
}

ZoomNotifier *zoomNotifier()
{
    static ZoomNotifier notifier;
    return &notifier;
}
