#include "consumerwindow.h"

#include "ui/accessibility.h"
#include "ui/chart/curveplot.h"
#include "ui/results/exportcommands.h"
#include "ui/windowlook.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>

namespace {

/// The design's sizes, in device-independent pixels at 100 %: the inputs' column, margins and
/// gaps; the charts are curvePlotDesignSize() each.
constexpr int designBoxesWidth = 190, designMargin = 8, designGap = 8;

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// The summary's lines as the window shows them: the line naming a box out of range, or the
/// summary.
QString summaryText(const analysis::ConsumerCharts &charts)
{
    return fromUtf8(charts.outOfRange.empty() ? charts.summary : charts.outOfRange);
}

} // namespace

ConsumerWindow::ConsumerWindow(Kind kind, QWidget *parent)
    : QMainWindow(parent, Qt::Window), kind(kind)
{
    const bool priceChange = kind == Kind::PriceEffects;
    setObjectName(priceChange ? QStringLiteral("FormPriceEffects") : QStringLiteral("FormEngel"));
    setWindowTitle(priceChange ? tr("Price change: substitution and income effects")
                               : tr("Engel curves"));

    mnuexportchart = addExportChartMenu(this, [this] { return chartPicture(); });

    client = new QWidget(this);
    client->setFont(controlFont());
    setCentralWidget(client);
    auto *columns = new QHBoxLayout(client);

    // The inputs, in the order Tab visits them.
    boxes = new QWidget(client);
    auto *inputs = new QVBoxLayout(boxes);
    inputs->setContentsMargins(0, 0, 0, 0);
    income = addBox(QStringLiteral("Income"), tr("Income"), QStringLiteral("120"));
    priceX = addBox(QStringLiteral("PriceX"), tr("Price of good X"), QStringLiteral("2"));
    priceY = addBox(QStringLiteral("PriceY"), tr("Price of good Y"), QStringLiteral("3"));
    if (priceChange)
        newPriceX = addBox(QStringLiteral("NewPriceX"), tr("New price of X"), QStringLiteral("1"));

    QGroupBox *preferences = makeFrame(QStringLiteral("Preferences"), tr("Preferences"), boxes);
    auto *options = new QVBoxLayout(preferences);
    preference = new QButtonGroup(this);
    const std::pair<const char *, QString> forms[] = {
        { "PerfectSubstitutes", tr("Perfect substitutes") },
        { "PerfectComplements", tr("Perfect complements") },
        { "CobbDouglas", tr("Cobb-Douglas") },
        { "QuasiLinear", tr("Quasi-linear") },
    };
    int id = int(analysis::PreferenceType::PerfectSubstitutes);
    for (const auto &[name, caption] : forms) {
        auto *button = new QRadioButton(caption, preferences);
        button->setObjectName(QLatin1String(name));
        options->addWidget(button);
        preference->addButton(button, id++);
    }
    preference->button(int(analysis::PreferenceType::CobbDouglas))->setChecked(true);
    inputs->addWidget(preferences);

    auto *parameters = new QGridLayout;
    const auto parameter = [&](int row, const QString &name, const QString &caption) {
        QLabel *label = makeLabel(name + QStringLiteral("Caption"), caption, boxes);
        QLineEdit *box = makeText(name, QStringLiteral(".5"), boxes);
        label->setBuddy(box);
        box->setAccessibleName(caption);
        parameters->addWidget(label, row, 0);
        parameters->addWidget(box, row, 1);
        return box;
    };
    parameterA = parameter(0, QStringLiteral("ParameterA"), tr("a"));
    parameterB = parameter(1, QStringLiteral("ParameterB"), tr("b"));
    formula = makeLabel(QStringLiteral("Formula"), QString(), boxes);
    parameters->addWidget(formula, 2, 0, 1, 2);
    parameters->setColumnStretch(1, 1);
    inputs->addLayout(parameters);

    if (priceChange) {
        QGroupBox *frame = makeFrame(QStringLiteral("Compensation"), tr("Compensation"), boxes);
        auto *choices = new QVBoxLayout(frame);
        compensation = new QButtonGroup(this);
        auto *hicks = new QRadioButton(tr("Hicks: the old utility"), frame);
        hicks->setObjectName(QStringLiteral("Hicks"));
        auto *slutsky = new QRadioButton(tr("Slutsky: the old basket"), frame);
        slutsky->setObjectName(QStringLiteral("Slutsky"));
        compensation->addButton(hicks, int(analysis::Compensation::Hicks));
        compensation->addButton(slutsky, int(analysis::Compensation::Slutsky));
        choices->addWidget(hicks);
        choices->addWidget(slutsky);
        hicks->setChecked(true);
        inputs->addWidget(frame);
        connect(compensation, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (!checked)
                return;
            updateTabOrder();
            refresh();
        });
    }
    inputs->addStretch(1);
    columns->addWidget(boxes);

    // The charts, then the summary under them.
    auto *right = new QVBoxLayout;
    auto *charts = new QHBoxLayout;
    picture1 = new CurvePlot(client);
    picture1->setObjectName(QStringLiteral("Picture1"));
    charts->addWidget(picture1, 1);
    if (!priceChange) {
        picture2 = new CurvePlot(client);
        picture2->setObjectName(QStringLiteral("Picture2"));
        charts->addWidget(picture2, 1);
    }
    right->addLayout(charts, 1);
    summary = makeLabel(QStringLiteral("Summary"), QString(), client);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary->setFocusPolicy(Qt::StrongFocus);
    right->addWidget(summary);
    columns->addLayout(right, 1);

    for (QLineEdit *box : boxes->findChildren<QLineEdit *>())
        connect(box, &QLineEdit::textChanged, this, &ConsumerWindow::refresh);
    connect(preference, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (!checked)
            return;
        showFormula();
        updateTabOrder();
        refresh();
    });

    showFormula();
    updateTabOrder();
    finishLayout(client);
    closeOnEscape(this);
    zoomed(zoomFactor());
    connect(zoomNotifier(), &ZoomNotifier::zoomChanged, this, &ConsumerWindow::zoomed);
    refresh();
}

QLineEdit *ConsumerWindow::addBox(const QString &objectName, const QString &caption,
                                  const QString &text)
{
    QLabel *label = makeLabel(objectName + QStringLiteral("Caption"), caption, boxes);
    QLineEdit *box = makeText(objectName, text, boxes);
    label->setBuddy(box);
    box->setAccessibleName(caption);
    boxes->layout()->addWidget(label);
    boxes->layout()->addWidget(box);
    return box;
}

void ConsumerWindow::updateTabOrder()
{
    // Tab enters a group of option buttons at its selected one and passes over the others,
    // which the arrow keys reach: the selected one leads its group in the chain.
    QList<QWidget *> order;
    const auto addGroup = [&order](QButtonGroup *group) {
        order << group->checkedButton();
        for (QAbstractButton *button : group->buttons())
            if (button != group->checkedButton())
                order << button;
    };
    for (QLineEdit *box : { income, priceX, priceY, newPriceX })
        if (box)
            order << box;
    addGroup(preference);
    order << parameterA << parameterB;
    if (compensation)
        addGroup(compensation);
    order << picture1;
    if (picture2)
        order << picture2;
    order << summary;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ConsumerWindow::showFormula()
{
    using analysis::PreferenceType;
    switch (PreferenceType(preference->checkedId())) {
    case PreferenceType::PerfectSubstitutes:
        formula->setText(tr("Utility: a X + b Y"));
        break;
    case PreferenceType::PerfectComplements:
        formula->setText(tr("Utility: min(a X, b Y)"));
        break;
    case PreferenceType::CobbDouglas:
        formula->setText(tr("Utility: X^a Y^b"));
        break;
    case PreferenceType::QuasiLinear:
        formula->setText(tr("Utility: a ln X + b Y"));
        break;
    }
}

analysis::ConsumerInputs ConsumerWindow::inputs() const
{
    analysis::ConsumerInputs read;
    read.income = income->text().toStdString();
    read.priceX = priceX->text().toStdString();
    read.priceY = priceY->text().toStdString();
    if (newPriceX)
        read.newPriceX = newPriceX->text().toStdString();
    read.preference = analysis::PreferenceType(preference->checkedId());
    read.parameterA = parameterA->text().toStdString();
    read.parameterB = parameterB->text().toStdString();
    if (compensation)
        read.compensation = analysis::Compensation(compensation->checkedId());
    read.decimalSeparator = QLocale().decimalPoint().toStdString();
    return read;
}

void ConsumerWindow::refresh()
{
    shown = kind == Kind::Engel ? analysis::engelCharts(inputs())
                                : analysis::priceEffectCharts(inputs());
    const std::size_t expected = kind == Kind::Engel ? 2 : 1;
    const bool drawn = shown.outOfRange.empty() && shown.charts.size() == expected;
    summary->setText(summaryText(shown));
    picture1->setVisible(drawn);
    if (picture2)
        picture2->setVisible(drawn);
    mnuexportchart->setEnabled(drawn);
    if (!drawn)
        return;
    picture1->setChart(shown.charts[0]);
    if (picture2)
        picture2->setChart(shown.charts[1]);
}

void ConsumerWindow::zoomed(double factor)
{
    // The design's places scaled: the window is at least the design's size at this zoom, and
    // grows to it when smaller.
    const auto scaled = [factor](int pixels) { return qRound(pixels * factor); };
    auto *columns = static_cast<QHBoxLayout *>(client->layout());
    columns->setContentsMargins(scaled(designMargin), scaled(designMargin), scaled(designMargin),
                                scaled(designMargin));
    columns->setSpacing(scaled(designGap));
    boxes->setFixedWidth(scaled(designBoxesWidth));
    const QSize chart = curvePlotDesignSize() * factor;
    picture1->setMinimumSize(chart);
    if (picture2)
        picture2->setMinimumSize(chart);
    // Room for the longest summary: the price change's seven lines and a tie's note; the Engel
    // curves' three and the note.
    const int lines = kind == Kind::PriceEffects ? 8 : 4;
    summary->setMinimumHeight(qRound(QFontMetricsF(controlFont(factor)).lineSpacing() * lines));
    scaleSummary();
}

void ConsumerWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    scaleSummary();
}

void ConsumerWindow::scaleSummary()
{
    // The summary grows with the charts' texts, set by the window's width beyond its design's,
    // so that its height cannot change its own size.
    const int charts = picture2 ? 2 : 1;
    const double designWidth = designBoxesWidth + 2 * designMargin + designGap
            + charts * curvePlotDesignSize().width() + (charts - 1) * designGap;
    const double scale = std::clamp(client->width() / designWidth, zoomFactor(), 4.0);
    QFont font = controlFont(scale);
    if (summary->font() != font)
        summary->setFont(font);
}

ChartPicture ConsumerWindow::chartPicture() const
{
    // The charts side by side as at 100 %, the summary under them.
    const analysis::ConsumerCharts charts = shown;
    const QString text = summaryText(charts);
    const QFont font = exportTextFont();
    const QSizeF chartSize = curvePlotDesignSize();
    const qreal columns = std::max<std::size_t>(charts.charts.size(), 1);
    const qreal width = columns * (chartSize.width() + designGap) - designGap;
    const qreal textHeight = QFontMetricsF(font)
                                     .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text)
                                     .height();
    const QRectF first(QPointF(designMargin, designMargin), chartSize);
    const QRectF textArea(designMargin, first.bottom() + designGap, width, textHeight);

    ChartPicture picture;
    picture.size = QSizeF(width + 2 * designMargin, textArea.bottom() + designMargin);
    picture.plotArea = first;
    picture.title = windowTitle();
    picture.fileName = kind == Kind::Engel ? QStringLiteral("engel-curves.png")
                                           : QStringLiteral("price-change.png");
    std::vector<PlacedChart> placed;
    for (std::size_t i = 0; i < charts.charts.size(); ++i)
        placed.push_back(
                { first.translated(i * (first.width() + designGap), 0), charts.charts[i] });
    picture.paint = [placed, text, textArea](QPainter &painter, const QRectF &target,
                                             qreal penScale, qreal textScale) {
        paintExportedCharts(painter, target, penScale, textScale, placed, text, textArea);
    };
    return picture;
}

QMenu *addConsumerMenu(QMainWindow *owner)
{
    QMenu *menu = owner->menuBar()->addMenu(ConsumerWindow::tr("&Consumer"));
    menu->setObjectName(QStringLiteral("mnuconsumer"));
    const auto item = [owner, menu](const QString &name, const QString &caption,
                                    ConsumerWindow::Kind kind) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, owner,
                         [owner, kind, window = QPointer<ConsumerWindow>()]() mutable {
                             if (!window)
                                 window = new ConsumerWindow(kind, owner);
                             window->show();
                             window->raise();
                             window->activateWindow();
                         });
    };
    item(QStringLiteral("mnuengel"), ConsumerWindow::tr("&Engel curve"),
         ConsumerWindow::Kind::Engel);
    item(QStringLiteral("mnupriceeffects"), ConsumerWindow::tr("&Price change..."),
         ConsumerWindow::Kind::PriceEffects);
    return menu;
}
