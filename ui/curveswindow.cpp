#include "curveswindow.h"

#include "curveplot.h"
#include "windowlook.h"

#include <QLabel>

CurvesWindow::CurvesWindow(const QString &objectName, const QString &title, Charts charts,
                           std::function<analysis::DrawInputs()> inputs, QWidget *parent)
    : QWidget(parent, Qt::Window), charts(std::move(charts)), inputs(std::move(inputs))
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowIcon(QIcon(QStringLiteral(":/icons/production-lab-32.png")));
    setFont(controlFont());
    setFixedSize(fromTwips(0, 0, 11400, 6840).size());

    label1 = makeLabel(QStringLiteral("Label1"), QString(), this);
    placeInTwips(label1, 180, 90, 11040, 285);
    picture1 = new CurvePlot(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    placeInTwips(picture1, 120, 450, 5520, 6270);
    picture2 = new CurvePlot(this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    placeInTwips(picture2, 5760, 450, 5520, 6270);
}

void CurvesWindow::inputsChanged()
{
    stale = true;
    if (isVisible())
        refresh();
}

void CurvesWindow::showEvent(QShowEvent *event)
{
    if (stale)
        refresh();
    QWidget::showEvent(event);
}

void CurvesWindow::refresh()
{
    analysis::CurveCharts shown = charts(inputs());
    stale = false;
    const bool drawn = shown.outOfRange.empty() && shown.charts.size() == 2;
    label1->setText(QString::fromStdString(drawn ? shown.caption : shown.outOfRange));
    picture1->setVisible(drawn);
    picture2->setVisible(drawn);
    if (!drawn)
        return;
    picture1->setAccessibleName(QString::fromStdString(shown.charts[0].title));
    picture2->setAccessibleName(QString::fromStdString(shown.charts[1].title));
    picture1->setChart(std::move(shown.charts[0]));
    picture2->setChart(std::move(shown.charts[1]));
}
