#include "curveswindow.h"

#include "ui/accessibility.h"
#include "ui/chart/curveplot.h"
#include "ui/results/exportcommands.h"
#include "ui/windowlook.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>

namespace {

/// The design's places, in twips, of the caption and the two charts in the client area.
constexpr QRect captionTwips(180, 90, 11040, 285);
constexpr QRect picture1Twips(120, 450, 5520, 6270);
constexpr QRect picture2Twips(5760, 450, 5520, 6270);

QRect inPixels(const QRect &twips)
{
    return fromTwips(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

CurvesWindow::CurvesWindow(const QString &objectName, const QString &title, Charts charts,
                           std::function<analysis::DrawInputs()> inputs, QWidget *parent)
    : QMainWindow(parent, Qt::Window), charts(std::move(charts)), inputs(std::move(inputs))
{
    setObjectName(objectName);
    setWindowTitle(title);

    mnufile = menuBar()->addMenu(tr("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnuexportchart = mnufile->addAction(tr("&Export Chart..."));
    mnuexportchart->setObjectName(QStringLiteral("mnuexportchart"));
    connect(mnuexportchart, &QAction::triggered, this,
            [this] { exportChartWithDialog(this, chartPicture()); });

    auto *client = new QWidget(this);
    client->setFont(controlFont());
    client->setFixedSize(fromTwips(0, 0, 11400, 6840).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    label1 = makeLabel(QStringLiteral("Label1"), QString(), client);
    placeInTwips(label1, captionTwips.x(), captionTwips.y(), captionTwips.width(),
                 captionTwips.height());
    picture1 = new CurvePlot(client);
    picture1->setObjectName(QStringLiteral("Picture1"));
    placeInTwips(picture1, picture1Twips.x(), picture1Twips.y(), picture1Twips.width(),
                 picture1Twips.height());
    picture2 = new CurvePlot(client);
    picture2->setObjectName(QStringLiteral("Picture2"));
    placeInTwips(picture2, picture2Twips.x(), picture2Twips.y(), picture2Twips.width(),
                 picture2Twips.height());
    finishLayout(client);
    closeOnEscape(this);
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
    QMainWindow::showEvent(event);
}

void CurvesWindow::refresh()
{
    shown = charts(inputs());
    stale = false;
    const bool drawn = shown.outOfRange.empty() && shown.charts.size() == 2;
    label1->setText(QString::fromStdString(drawn ? shown.caption : shown.outOfRange));
    picture1->setVisible(drawn);
    picture2->setVisible(drawn);
    mnuexportchart->setEnabled(drawn);
    if (!drawn)
        return;
    picture1->setChart(shown.charts[0]);
    picture2->setChart(shown.charts[1]);
}

ChartPicture CurvesWindow::chartPicture() const
{
    // The caption and the two charts as the window lays them out at 100 %.
    const QRect whole = inPixels(captionTwips).united(inPixels(picture2Twips));
    const QRectF caption = inPixels(captionTwips).translated(-whole.topLeft());
    const QRectF first = inPixels(picture1Twips).translated(-whole.topLeft());
    const QRectF second = inPixels(picture2Twips).translated(-whole.topLeft());
    const analysis::CurveCharts charts = shown;
    return { whole.size(), first,
             [charts, caption, first, second](QPainter &painter, const QRectF &target,
                                              qreal penScale, qreal textScale) {
                 if (charts.charts.size() != 2)
                     return;
                 const auto place = [&](const QRectF &r) {
                     return QRectF(target.topLeft() + r.topLeft() * penScale, r.size() * penScale)
                             .toRect();
                 };
                 QPalette ink;
                 ink.setColor(QPalette::Base, Qt::white);
                 ink.setColor(QPalette::WindowText, Qt::black);
                 QFont font = controlFont();
                 font.setPixelSize(qMax(1, qRound(11 * textScale))); // 8.25 points on screen
                 painter.save();
                 painter.fillRect(target, Qt::white);
                 painter.setFont(font);
                 painter.setPen(Qt::black);
                 painter.drawText(place(caption), Qt::AlignLeft | Qt::AlignTop,
                                  QString::fromStdString(charts.caption));
                 paintCurveChart(painter, place(first), charts.charts[0], ink, penScale);
                 paintCurveChart(painter, place(second), charts.charts[1], ink, penScale);
                 painter.restore();
             } };
}
