#pragma once

#include "ui/windows/mainwindow.h"
#include "ui/windows/viewsettings.h"
#include "ui/chart/plotsurface.h"
#include "ui/results/resultsview.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

/// Counts the paint events of a widget, so that a measured command ends only once the widgets
/// it changes have been repainted.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

/// The program's main window, shown, with its Draw and Clear buttons pressed as a user would.
class Session
{
public:
    Session()
    {
        form1.show();
        if (!QTest::qWaitForWindowExposed(&form1))
            qFatal("the main window was never exposed");
        draw = form1.findChild<QPushButton *>(QStringLiteral("Command1"));
        clear = form1.findChild<QPushButton *>(QStringLiteral("Command2"));
        chart = form1.findChild<PlotSurface *>(QStringLiteral("Picture1"));
        chart->installEventFilter(&chartPaints);
        level = form1.findChild<QLineEdit *>(QStringLiteral("Text1"));
        list = form1.findChild<QPlainTextEdit *>(QStringLiteral("Label4"));
        list->viewport()->installEventFilter(&listPaints);
        settle();
    }

    /// One whole Draw: the click, the computation, the effects and the repaint they cause.
    void drawAndRepaint()
    {
        const int chartBefore = chartPaints.paints, listBefore = listPaints.paints;
        QTest::mouseClick(draw, Qt::LeftButton);
        while (chartPaints.paints == chartBefore || listPaints.paints == listBefore)
            QCoreApplication::processEvents();
        ++results;
    }

    /// Draws until `count` results are listed, repainting only now and then: a quick way to a
    /// long list.
    void fill(long long count)
    {
        while (results < count) {
            QTest::mouseClick(draw, Qt::LeftButton);
            if (++results % 100 == 0)
                QCoreApplication::processEvents();
        }
        settle();
    }

    /// Draws `count` Cobb-Douglas isoquants of different levels, each its own curve.
    void fillDifferent(int count)
    {
        const QString start = level->text();
        for (int i = 0; i < count; ++i) {
            level->setText(QString::number(1000 + 7 * i));
            QTest::mouseClick(draw, Qt::LeftButton);
            ++results;
            if (results % 100 == 0)
                QCoreApplication::processEvents();
        }
        level->setText(start);
        settle();
    }

    /// One zoom step of every window to `percent`, until the chart has been painted again.
    void zoomAndRepaint(int percent)
    {
        const int before = chartPaints.paints;
        form1.viewSettings()->setZoomPercent(percent);
        while (chartPaints.paints == before)
            QCoreApplication::processEvents();
    }

    PlotSurface &plotSurface() { return *chart; }
    MainWindow &window() { return form1; }

    void clearAndRepaint()
    {
        QTest::mouseClick(clear, Qt::LeftButton);
        results = 0;
        settle();
    }

    /// The number of results listed, one per Draw since the last Clear.
    long long listed() const { return results; }

    /// Stops the benchmark unless the results list holds one line per Draw since the last
    /// Clear: a benchmark whose Draws did nothing would measure nothing.
    void verify() const
    {
        const auto lines = resultsCaption(list).count(u'\r');
        if (lines != results)
            qFatal("%lld Draws listed %lld results", results, static_cast<long long>(lines));
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

private:
    MainWindow form1;
    QPushButton *draw = nullptr;
    QPushButton *clear = nullptr;
    QLineEdit *level = nullptr;
    PlotSurface *chart = nullptr;
    QPlainTextEdit *list = nullptr;
    PaintCounter chartPaints, listPaints;
    long long results = 0;
};
