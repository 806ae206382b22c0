#include "ui/results/resultlist.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <QtWidgets>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

namespace {

/// A list of `width` x 120 pixels, shown.
std::unique_ptr<ResultList> shownList(int width)
{
    auto shown = std::make_unique<ResultList>();
    shown->resize(width, 120);
    shown->show();
    if (!QTest::qWaitForWindowExposed(shown.get()))
        qFatal("the list was never exposed");
    return shown;
}

/// The rows all lines take, wrapped at the width.
int rows(const ResultList &list)
{
    int rows = 0;
    for (qsizetype line = 0; line < list.lineCount(); ++line)
        rows += list.rowsOf(line);
    return rows;
}

} // namespace

/// The results list on its own: lines kept from the caption, rows wrapped at the width, the
/// newest line followed, selection and copy, painting, and what a screen reader gets.
class TestResultList : public QObject
{
    Q_OBJECT

    QPoint centreOf(qsizetype position) const
    {
        return list->characterRect(position).center() - list->viewport()->pos();
    }

    std::unique_ptr<ResultList> list;

private slots:
    void init() { list = shownList(200); }

    void appendingInPiecesListsWhatTheWholeCaptionLists_data()
    {
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("wraps");
        const QString longWords = QStringLiteral("a line of many words that cannot fit the width");
        QTest::newRow("nothing") << QStringList() << QString() << 0 << false;
        QTest::newRow("two lines") << QStringList{ "a\r", "b\r" } << "a\nb" << 2 << false;
        QTest::newRow("a line in pieces")
                << QStringList{ "a", "b\r", "c" } << "ab\nc" << 2 << false;
        QTest::newRow("a return alone") << QStringList{ "a", "\r", "b\r" } << "a\nb" << 2 << false;
        QTest::newRow("an empty line") << QStringList{ "a\r\r", "b\r" } << "a\n\nb" << 3 << false;
        QTest::newRow("returns only") << QStringList{ "\r\r" } << "\n" << 2 << false;
        QTest::newRow("a wrapped line grows")
                << QStringList{ "x\r", longWords, " " + longWords + "\r" }
                << "x\n" + longWords + " " + longWords << 2 << true;
    }

    void appendingInPiecesListsWhatTheWholeCaptionLists()
    {
        QFETCH(QStringList, pieces);
        QFETCH(QString, shown);
        QFETCH(int, lines);
        QFETCH(bool, wraps);
        for (const QString &piece : pieces)
            list->appendToCaption(piece);
        QCOMPARE(list->caption(), pieces.join(QString()));
        QCOMPARE(list->text(), shown);
        QCOMPARE(list->lineCount(), lines);
        QCOMPARE(rows(*list) > lines, wraps);

        auto whole = shownList(200);
        whole->setCaption(pieces.join(QString()));
        QCOMPARE(whole->lineCount(), lines);
        QCOMPARE(rows(*whole), rows(*list));
    }

    void positionsRoundTripThroughWrappedRows()
    {
        list->setCaption(QStringLiteral("short\rwords that wrap at a narrow width, more than "
                                        "twice over\rlast\r"));
        list->resize(90, 120);
        QCoreApplication::processEvents();
        QVERIFY(rows(*list) > list->lineCount() + 2);
        // Every character is found again where it is painted, on whichever row it wrapped to.
        for (qsizetype position = 0; position < list->shownLength(); ++position) {
            list->ensureVisible(position);
            QCOMPARE(list->positionAt(list->characterRect(position).center()), position);
        }
        list->resize(2000, 120);
        QCoreApplication::processEvents();
        QCOMPARE(rows(*list), 3);
    }

    void followsTheNewestLineUnlessScrolledAway()
    {
        QScrollBar *bar = list->verticalScrollBar();
        for (int i = 0; i < 30; ++i)
            list->appendToCaption(QStringLiteral("line %1 of the list\r").arg(i));
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        // The newest line stands on the bottom row, the view full of lines above it.
        const QRect newest = list->characterRect(list->caption().indexOf(u"line 29"));
        QVERIFY(list->viewport()->geometry().contains(newest));
        QVERIFY(newest.bottom() >= list->viewport()->height() - newest.height());

        // A new width wraps every line anew; the line the user scrolled to stays on top.
        bar->setValue(2);
        list->resize(60, 120);
        QCoreApplication::processEvents();
        QVERIFY(rows(*list) > 2 * list->lineCount());
        QCOMPARE(list->positionAt(QPoint(0, 0)), list->caption().indexOf(u"line 2 "));
        list->appendToCaption(QStringLiteral("line 30\r"));
        QCOMPARE(bar->value(), bar->maximum());

        QWheelEvent up(QPointF(20, 20), list->mapToGlobal(QPointF(20, 20)), QPoint(),
                       QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list->viewport(), &up);
        QVERIFY(bar->value() < bar->maximum());
    }

    void selectsWithMouseAndKeyboardAndCopies()
    {
        list->setCaption(QStringLiteral("first\rsecond\rthird\r"));
        QWidget *view = list->viewport();
        QTest::mousePress(view, Qt::LeftButton, {}, centreOf(0) - QPoint(3, 0));
        QTest::mouseMove(view, centreOf(8) - QPoint(3, 0));
        QTest::mouseRelease(view, Qt::LeftButton, {}, centreOf(8) - QPoint(3, 0));
        QCOMPARE(list->selectedText(), QStringLiteral("first\nse"));
        QVERIFY(list->hasFocus());

        QTest::keyClick(list.get(), Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(list->selectedText(), QStringLiteral("first\nsecond"));
        QTest::keyClick(list.get(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(list->selectedText(), QStringLiteral("first\nsecond\nthird"));
        QTest::keyClick(list.get(), Qt::Key_Left);
        QCOMPARE(list->selectedText(), QString());

        QTest::mouseDClick(view, Qt::LeftButton, {}, centreOf(8));
        QCOMPARE(list->selectedText(), QStringLiteral("second"));

        QTest::keyClick(list.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(list.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first\nsecond\nthird"));
    }

    void paintsTextAndSelectionInThePalettesColours()
    {
        QPalette look = list->palette();
        look.setColor(QPalette::Window, Qt::white);
        look.setColor(QPalette::WindowText, QColor(200, 0, 0));
        look.setColor(QPalette::Highlight, QColor(0, 0, 200));
        list->setPalette(look);
        list->setCaption(QStringLiteral("MMMM\rMMMM\r"));
        list->setSelection(5, 9);
        const QImage image = list->viewport()->grab().toImage();
        const auto count = [&](int top, int bottom, QColor colour) {
            int found = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < image.width(); ++x)
                    found += image.pixelColor(x, y) == colour;
            return found;
        };
        const int row = qRound(list->characterRect(0).height() * image.devicePixelRatio());
        QVERIFY(count(0, row, QColor(200, 0, 0)) > 0); // the first line, not selected
        QCOMPARE(count(0, row, QColor(0, 0, 200)), 0);
        QVERIFY(count(row, 2 * row, QColor(0, 0, 200)) > 0); // the second, selected
        QCOMPARE(count(2 * row, image.height(), Qt::white),
                 (image.height() - 2 * row) * image.width());
    }

    void readsToAScreenReader()
    {
        static QList<std::pair<QAccessible::Event, QString>> heard;
        heard.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            const bool inserted = event->type() == QAccessible::TextInserted;
            heard.append(
                    { event->type(),
                      inserted ? static_cast<QAccessibleTextInsertEvent *>(event)->textInserted()
                               : QString() });
        });
        // As a screen reader would: the platform's accessibility switched on.
        QPlatformAccessibility *platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        list->setAccessibleName(QStringLiteral("Results"));
        list->appendToCaption(QStringLiteral("a\r"));
        list->appendToCaption(QStringLiteral("b\r"));
        list->setCaption(QString());
        list->appendToCaption(QStringLiteral("line one\rline two\r"));
        platform->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(heard.count({ QAccessible::TextInserted, QStringLiteral("a") }), 1);
        QCOMPARE(heard.count({ QAccessible::TextInserted, QStringLiteral("\nb") }), 1);
        QCOMPARE(heard.count({ QAccessible::TextUpdated, QString() }), 1);

        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(list.get());
        QCOMPARE(reader->role(), QAccessible::EditableText);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Results"));
        QVERIFY(reader->state().readOnly);
        QAccessibleTextInterface *text = reader->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 17);
        QCOMPARE(text->text(5, 10), QStringLiteral("one\nl"));
        QCOMPARE(text->offsetAtPoint(list->mapToGlobal(list->characterRect(11).center())), 11);
        text->setSelection(0, 9, 17);
        QCOMPARE(list->selectedText(), QStringLiteral("line two"));
    }
};

QTEST_MAIN(TestResultList)
#include "tst_resultlist.moc"
