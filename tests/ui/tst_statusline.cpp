#include "uitest.h"

#include "ui/generalparameterswindow.h"
#include "ui/isoquantparameterswindow.h"
#include "ui/mainwindow.h"
#include "ui/plotsurface.h"
#include "ui/resultlist.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <QtWidgets>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

// The status line, the names screen readers hear, and the main window used by keyboard alone
// and with a dark palette.
class TestStatusLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saysWhatHappened_data();
    void saysWhatHappened();
    void chartDescriptionAndAnnouncementsFollowTheDraws();
    void everyInteractiveElementHasARoleAndAName();
    void keyboardAlone();
    void darkPaletteKeepsTheContrast();

private:
    template<class T>
    T *control(const char *name) const
    {
        return findControl<T>(form1.get(), name);
    }
    void type(const char *box, const QString &text) const
    {
        control<QLineEdit>(box)->setText(text);
    }
    void draw() const { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }
    QString status() const { return control<QLabel>("StatusMessage")->text(); }

    std::unique_ptr<MainWindow> form1;
};

void TestStatusLine::init()
{
    QLocale::setDefault(QLocale::c());
    form1 = std::make_unique<MainWindow>();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void TestStatusLine::cleanup()
{
    form1.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void TestStatusLine::saysWhatHappened_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("boxes"); // box name, text, box name, text, ...
    QTest::addColumn<QStringList>("expected"); // pieces the message holds, in order

    QTest::newRow("completed") << "C" << QStringList{}
                               << QStringList{ "Cobb-Douglas, long run",
                                               "X = 4511 and Y = 1158.16" };
    QTest::newRow("price of Y 0, old texts stay")
            << "C" << QStringList{ "Text3", "0" }
            << QStringList{ "Stopped: the price of Y is 0, so the isocost line cannot be computed.",
                            "The slope and the average cost shown are from an earlier Draw." };
    QTest::newRow("level beyond the scan")
            << "C" << QStringList{ "Text1", "20000" }
            << QStringList{ "an end of the scan", "may lie outside the chart",
                            "lies outside the chart" };
    QTest::newRow("text too large") << "C" << QStringList{ "Text2", "1e999" }
                                    << QStringList{ "the price of X, \"1e999\", is too large" };
    QTest::newRow("read in part, German settings")
            << "de_DE" << QStringList{ "Text2", "2,5" }
            << QStringList{ "Only the start of the price of X, \"2,5\", was read: it counts as 2.",
                            "Numbers are typed with a point" };
}

void TestStatusLine::saysWhatHappened()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);
    QLocale::setDefault(QLocale(locale));
    draw(); // an earlier Draw, whose texts a stopped Draw leaves
    for (qsizetype i = 0; i + 1 < boxes.size(); i += 2)
        type(qPrintable(boxes[i]), boxes[i + 1]);
    draw();
    qsizetype from = 0;
    for (const QString &piece : expected) {
        const qsizetype at = status().indexOf(piece, from);
        QVERIFY2(at >= 0,
                 qPrintable(QStringLiteral("\"%1\" not after %2 in: %3")
                                    .arg(piece)
                                    .arg(from)
                                    .arg(status())));
        from = at + piece.size();
    }
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(status(), QString());
}

void TestStatusLine::chartDescriptionAndAnnouncementsFollowTheDraws()
{
    static QList<std::pair<QObject *, QAccessible::Event>> heard;
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        heard.append({ event->object(), event->type() });
    });
    // As a screen reader would: the platform's accessibility switched on.
    QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    draw();
    type("Text2", QStringLiteral("5"));
    draw();
    platform->setActive(false);
    QAccessible::installUpdateHandler(nullptr);

    const QString description = control<PlotSurface>("Picture1")->accessibleDescription();
    QVERIFY2(description.contains(QStringLiteral("2 Draws")), qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("X = ")), qPrintable(description));
    QVERIFY(heard.contains(std::pair<QObject *, QAccessible::Event>(
            control<QLabel>("StatusMessage"), QAccessible::NameChanged)));
    // The second Draw changed the slope (5/10) and the average cost, and added a result line.
    QVERIFY(heard.contains(std::pair<QObject *, QAccessible::Event>(control<QLabel>("Label6"),
                                                                    QAccessible::NameChanged)));
    QVERIFY(heard.contains(std::pair<QObject *, QAccessible::Event>(control<ResultList>("Label4"),
                                                                    QAccessible::TextInserted)));

    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(control<PlotSurface>("Picture1")->accessibleDescription(),
             QStringLiteral("The chart is empty."));
}

void TestStatusLine::everyInteractiveElementHasARoleAndAName()
{
    QStringList unnamed;
    const std::function<void(QAccessibleInterface *, const QString &)> walk =
            [&](QAccessibleInterface *node, const QString &path) {
                static const QList<QAccessible::Role> controls{
                    QAccessible::PushButton,   QAccessible::RadioButton, QAccessible::CheckBox,
                    QAccessible::EditableText, QAccessible::MenuItem,    QAccessible::ComboBox,
                    QAccessible::SpinBox,      QAccessible::Slider,      QAccessible::Link
                };
                const QAccessible::State state = node->state();
                const bool interactive = state.focusable || controls.contains(node->role());
                const QString here = path + QLatin1Char('/') + node->object()->objectName();
                if (interactive && !state.invisible
                    && (node->role() == QAccessible::NoRole
                        || node->text(QAccessible::Name)
                                   .remove(QLatin1Char('&'))
                                   .trimmed()
                                   .isEmpty()))
                    unnamed << here;
                for (int i = 0; i < node->childCount(); ++i)
                    walk(node->child(i), here);
            };
    const QList<QWidget *> windows{ form1.get(), form1->isoquantParameters(),
                                    form1->generalParameters() };
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        walk(QAccessible::queryAccessibleInterface(window), QString());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
}

void TestStatusLine::keyboardAlone()
{
    const auto key = [](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(k), modifiers);
    };
    QApplication::setActiveWindow(form1.get());
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text1"));
    key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2000"));
    for (int i = 0; i < 6; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1_3"));
    key(Qt::Key_Up); // Fixed proportions
    QVERIFY(control<QRadioButton>("Option1_2")->isChecked());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    key(Qt::Key_Space);
    QVERIFY(control<ResultList>("Label4")->caption().startsWith(
            QStringLiteral(" X = 2000. Y = 2000.")));

    key(Qt::Key_I, Qt::AltModifier); // &Issues
    QTRY_VERIFY(QApplication::activePopupWidget());
    key(Qt::Key_S); // &Short-period fixed quantity of Y
    QVERIFY(control<QAction>("mnushort")->isChecked());
    QTRY_VERIFY(control<QLineEdit>("Text4")->isVisible());

    key(Qt::Key_P, Qt::AltModifier); // &Parametres
    QTRY_VERIFY(QApplication::activePopupWidget());
    key(Qt::Key_I); // &Isoquants
    QTRY_VERIFY(form1->isoquantParameters()->isVisible());
    QApplication::setActiveWindow(form1->isoquantParameters());
    QTest::keyClick(form1->isoquantParameters(), Qt::Key_A, Qt::AltModifier); // &Activate
    QTRY_VERIFY(!form1->isoquantParameters()->isVisible());

    // Back in the main window (as its window manager would activate it), the keyboard is where
    // it was before the menus: on Draw.
    QApplication::setActiveWindow(form1.get());
    QTRY_COMPARE(QApplication::focusWidget(), control<QPushButton>("Command1"));
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    key(Qt::Key_Space); // Clear
    QCOMPARE(control<ResultList>("Label4")->caption(), QString());
}

namespace {

double luminance(QColor c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The highest contrast of any pixel of `image` against `background`.
double bestContrast(const QImage &image, QColor background)
{
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    return best;
}

} // namespace

void TestStatusLine::darkPaletteKeepsTheContrast()
{
    form1.reset();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x24));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x18, 0x18, 0x1a));
    dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x34));
    dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    QApplication::setPalette(dark);
    init();
    type("Text3", QStringLiteral("0")); // a stop, so the status line shows too
    draw();
    type("Text3", QStringLiteral("10"));
    draw();

    auto *chart = control<PlotSurface>("Picture1");
    const QImage drawing = chart->image();
    QVERIFY(bestContrast(drawing, drawing.pixelColor(drawing.width() - 1, 0)) >= 3);
    const QColor window = form1->palette().color(QPalette::Window);
    for (const char *label : { "Label1", "Label5", "Label6", "StatusMessage" }) {
        const QImage text = control<QLabel>(label)->grab().toImage();
        QVERIFY2(bestContrast(text, window) >= 4.5, label);
    }
}

QTEST_MAIN(TestStatusLine)
#include "tst_statusline.moc"
