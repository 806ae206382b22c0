#pragma once

#include "ui/chart/chartexport.h"

#include "analysis/consumercharts.h"

#include <QMainWindow>

QT_BEGIN_NAMESPACE
class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
QT_END_NAMESPACE

class CurvePlot;

/// A window of consumer theory with its own inputs: the Engel curves (FormEngel) or a change in
/// the price of X split into its substitution and income effects (FormPriceEffects). It
/// recomputes and repaints its charts at every change of a box or a button, zooms with the other
/// windows, is resizable from its design's size at the zoom up to the whole screen, and exports
/// its charts. Made at its first use and hidden, not destroyed, when closed.
class ConsumerWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class Kind { Engel, PriceEffects };

    explicit ConsumerWindow(Kind kind, QWidget *parent = nullptr);

    /// The texts of the boxes and the buttons selected, numbers read with the regional
    /// decimal separator.
    analysis::ConsumerInputs inputs() const;
    /// The summary and the charts as export sees them, dark on white.
    ChartPicture chartPicture() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLineEdit *addBox(const QString &objectName, const QString &caption, const QString &text);
    void refresh();
    void zoomed(double factor);
    void scaleSummary();
    void showFormula();
    void updateTabOrder();

    Kind kind;
    analysis::ConsumerCharts shown; ///< what the window shows now
    QWidget *client = nullptr;
    QWidget *boxes = nullptr; ///< the inputs' column
    QLineEdit *income = nullptr, *priceX = nullptr, *priceY = nullptr, *newPriceX = nullptr;
    QLineEdit *parameterA = nullptr, *parameterB = nullptr;
    QButtonGroup *preference = nullptr;
    QButtonGroup *compensation = nullptr;
    QLabel *formula = nullptr;
    QLabel *summary = nullptr;
    CurvePlot *picture1 = nullptr;
    CurvePlot *picture2 = nullptr; ///< the Engel curves; none in the price-change window
    QAction *mnuexportchart = nullptr;
};

/// Adds the "Consumer" menu to `owner`'s menu bar, after its last menu: its items show the Engel
/// curve and price-change windows, children of `owner` made at their first use.
QMenu *addConsumerMenu(QMainWindow *owner);
