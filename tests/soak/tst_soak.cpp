#include "analysis/draw.h"
#include "analysis/technologies.h"
#include "fuzz/checks/captions.h"
#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/chart/plotsurface.h"
#include "ui/results/resultsview.h"

#include <QtTest>
#include <QtWidgets>

#include <malloc.h>

#include <deque>
#include <memory>
#include <utility>
#include <vector>
#include <random>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSanitizer = true;
#elif defined(__has_feature)
#  if __has_feature(address_sanitizer)
constexpr bool addressSanitizer = true;
#  else
constexpr bool addressSanitizer = false;
#  endif
#else
constexpr bool addressSanitizer = false;
#endif

/// Resident memory of this process, in KiB, after handing freed heap pages back to the system.
long residentKiB()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

/// The regional settings the soak switches between: decimal separators ".", ",", and U+066B.
constexpr QLocale::Language regionalLanguages[] = { QLocale::C, QLocale::German, QLocale::Arabic,
                                                    QLocale::French };

/// How many boxes the parameter window has: one per parameter of each technology.
unsigned parameterBoxes()
{
    unsigned boxes = 0;
    for (const analysis::TechnologyEntry &technology : analysis::technologies())
        boxes += static_cast<unsigned>(technology.parameters.size());
    return boxes;
}

/// The texts a class of students types, besides well-behaved numbers.
const QStringList &hostileTexts()
{
    static const QStringList texts{
        QString(),
        QStringLiteral(" "),
        QStringLiteral("\t\n"),
        QStringLiteral("abc"),
        QStringLiteral("nan"),
        QStringLiteral("-inf"),
        QStringLiteral("1e999"),
        QStringLiteral("1e-400"),
        QStringLiteral("-0"),
        QStringLiteral("&H"),
        QStringLiteral("&HFFFFFFFF"),
        QStringLiteral("&HFFFFFFFFFFFFFFFF"),
        QStringLiteral("&O8"),
        QStringLiteral("-"),
        QStringLiteral("."),
        QStringLiteral("e5"),
        QStringLiteral("1e"),
        QStringLiteral("+-3"),
        QStringLiteral("2,5"),
        QStringLiteral("1e308"),
        QStringLiteral("3.5e38"),
        QStringLiteral("1e-300"),
        QStringLiteral("-3000"),
        QStringLiteral("0"),
        QStringLiteral("<b>9</b>"),
        QStringLiteral("\r\n5"),
        QString::fromUtf8("\u0663\u0660\u0660\u0660"), // Arabic-Indic digits
        QString::fromUtf8("\uff13\uff10"), // full-width digits
        QString::fromUtf8("\U0001F600\U0001F4B0"), // emoji
        QString(30000, QLatin1Char('9')),
        QStringLiteral("Level of production: three thousand units, at 6 and 10. ").repeated(40),
    };
    return texts;
}

/// Letters, digits and symbols of other scripts: Latin-1, Greek, Cyrillic, Arabic and its
/// digits, Devanagari and its digits, CJK, full-width digits, mathematical digits and emoji.
const std::vector<char32_t> &foreignCharacters()
{
    static const std::vector<char32_t> characters = [] {
        std::vector<char32_t> all;
        const std::pair<char32_t, char32_t> ranges[] = {
            { 0xa0, 0xff },     { 0x391, 0x3a9 },     { 0x410, 0x44f },     { 0x621, 0x64a },
            { 0x660, 0x66d },   { 0x905, 0x939 },     { 0x966, 0x96f },     { 0x4e00, 0x4e3f },
            { 0xff10, 0xff19 }, { 0x1d7ce, 0x1d7ff }, { 0x1f600, 0x1f64f },
        };
        for (const auto &[first, last] : ranges) {
            for (char32_t c = first; c <= last; ++c)
                all.push_back(c);
        }
        return all;
    }();
    return characters;
}

class SoakMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void randomCommandsKeepTheWindowInAnAllowedState_data();
    void randomCommandsKeepTheWindowInAnAllowedState();

private:
    template<class T>
    T *control(QWidget *window, const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    template<class T>
    T *control(const char *name) const
    {
        return control<T>(form1.get(), name);
    }
    QString randomText();
    void editSomeText();
    void drawAndPredict();
    void clear();
    void applyCategory();
    void showIsoquantParameters();
    void toggleShortPeriod();
    void switchRegionalSettings();
    /// Empty when the window is in a state the commands allow, otherwise what is wrong.
    QString stateProblem() const;
    void note(const QString &action);

    std::unique_ptr<MainWindow> form1;
    std::mt19937 random;
    std::deque<QString> recent; ///< the last commands, for a failure report

    // What the window must show, from the commands since start-up.
    QString resultList, slopeText, averageText;
    QString heading = QString::fromUtf8(checks::longRunHeading.data(),
                                        static_cast<qsizetype>(checks::longRunHeading.size()));
    bool headingShown = false;
    bool retain = true;
    int enabledFrame = -1; ///< -1: all frames enabled, as at start
    long drawsRun = 0, drawsCompleted = 0, effectsApplied = 0;
};

void SoakMainWindow::init()
{
    QLocale::setDefault(QLocale::c());
    form1 = std::make_unique<MainWindow>();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void SoakMainWindow::cleanup()
{
    form1.reset();
    recent.clear();
    resultList.clear();
    slopeText.clear();
    averageText.clear();
    heading = QString::fromUtf8(checks::longRunHeading.data(),
                                static_cast<qsizetype>(checks::longRunHeading.size()));
    headingShown = false;
    retain = true;
    enabledFrame = -1;
    drawsRun = drawsCompleted = effectsApplied = 0;
}

void SoakMainWindow::randomCommandsKeepTheWindowInAnAllowedState_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("draws");
    // SOAK_SEED replays one run (the test command picks a fresh seed each time and prints it).
    const int draws = qEnvironmentVariableIsSet("SOAK_DRAWS")
            ? qEnvironmentVariableIntValue("SOAK_DRAWS")
            : 300;
    if (qEnvironmentVariableIsSet("SOAK_SEED")) {
        QTest::newRow("SOAK_SEED") << qEnvironmentVariable("SOAK_SEED").toUInt() << draws;
        return;
    }
    QTest::newRow("default seed") << 20261207u << draws;
    // Draw 3614: equal prices under Arabic regional settings, a tie of perfect substitutes.
    QTest::newRow("tie under Arabic settings") << 3414243u << 3620;
}

void SoakMainWindow::note(const QString &action)
{
    recent.push_back(action);
    if (recent.size() > 12)
        recent.pop_front();
}

QString SoakMainWindow::randomText()
{
    const QStringList &hostile = hostileTexts();
    switch (std::uniform_int_distribution<int>(0, 5)(random)) {
    case 0:
        return hostile[std::uniform_int_distribution<qsizetype>(0, hostile.size() - 1)(random)];
    case 1:
    case 4: { // a plausible number, sometimes with blanks or an exponent
        const double value = std::uniform_real_distribution<double>(-50, 12000)(random);
        QString text =
                QString::number(value, 'g', std::uniform_int_distribution<int>(1, 8)(random));
        if (random() % 4 == 0)
            text.insert(static_cast<qsizetype>(random() % (text.size() + 1)), QLatin1Char(' '));
        return text;
    }
    case 2: { // random characters of many scripts, some outside the Basic Multilingual Plane
        QString text;
        const int length = std::uniform_int_distribution<int>(0, 12)(random);
        for (int i = 0; i < length; ++i) {
            const char32_t code = random() % 3 == 0
                    ? std::uniform_int_distribution<char32_t>(0x20, 0x7e)(random)
                    : foreignCharacters()[random() % foreignCharacters().size()];
            text += QString::fromUcs4(&code, 1);
        }
        return text;
    }
    default: // small well-behaved numbers, where most Draws complete
        return QString::number(std::uniform_int_distribution<int>(0, 40)(random) * 250);
    }
}

void SoakMainWindow::editSomeText()
{
    static const char *const mainBoxes[] = { "Text1", "Text2", "Text3", "Text4" };
    IsoquantParametersWindow *form4 = form1->isoquantParameters();
    if (random() % 3 == 0) {
        // A parameter, in a box the user can reach: its frame is enabled.
        auto *box = control<QLineEdit>(
                form4, qPrintable(QStringLiteral("Text%1").arg(random() % parameterBoxes() + 1)));
        if (box->isEnabledTo(form4)) {
            const QString text =
                    random() % 2 ? randomText() : QStringLiteral("0.%1").arg(random() % 10);
            box->setText(text);
            note(QStringLiteral("Form4 %1 = %2").arg(box->objectName(), text.left(40)));
        } else if (random() % 2) {
            control<QPushButton>(form4, "Command1")->click();
            note(QStringLiteral("Restore defaults"));
        }
    } else {
        const char *name = mainBoxes[random() % 4];
        const QString text = randomText();
        control<QLineEdit>(name)->setText(text);
        note(QStringLiteral("%1 = %2").arg(QLatin1String(name), text.left(40)));
    }
}

void SoakMainWindow::drawAndPredict()
{
    // The outcome the window must show, from the same texts through the computation layer.
    analysis::DrawInputs inputs;
    for (const analysis::TechnologyEntry &technology : analysis::technologies()) {
        if (control<QRadioButton>(
                    qPrintable(QStringLiteral("Option1_%1").arg(int(technology.type))))
                    ->isChecked())
            inputs.technology = technology.type;
    }
    inputs.shortPeriod = control<QAction>("mnushort")->isChecked();
    inputs.level = control<QLineEdit>("Text1")->text().toStdString();
    inputs.priceX = control<QLineEdit>("Text2")->text().toStdString();
    inputs.priceY = control<QLineEdit>("Text3")->text().toStdString();
    inputs.fixedY = control<QLineEdit>("Text4")->text().toStdString();
    IsoquantParametersWindow *form4 = form1->isoquantParameters();
    int box = 0; // the parameter window's Text1, Text2, ... in the order of the table
    for (const analysis::TechnologyEntry &technology : analysis::technologies()) {
        for (const analysis::ParameterBox &parameter : technology.parameters)
            inputs.*parameter.text =
                    control<QLineEdit>(form4, qPrintable(QStringLiteral("Text%1").arg(++box)))
                            ->text()
                            .toStdString();
    }
    inputs.decimalSeparator = QLocale().decimalPoint().toStdString();
    const analysis::DrawOutcome outcome = analysis::draw(inputs);
    ++drawsRun;
    if (outcome.completed)
        ++drawsCompleted;
    effectsApplied += static_cast<long>(outcome.effects.size());
    for (const analysis::Effect &effect : outcome.effects) {
        if (const auto *set = std::get_if<analysis::SetCaption>(&effect)) {
            const QString text = QString::fromStdString(set->text);
            if (set->label == analysis::ResultLabel::Heading)
                heading = text;
            else if (set->label == analysis::ResultLabel::Slope)
                slopeText = text;
            else if (set->label == analysis::ResultLabel::AverageCost)
                averageText = text;
        } else if (const auto *append = std::get_if<analysis::AppendToCaption>(&effect)) {
            resultList += QString::fromStdString(append->text);
        } else if (std::holds_alternative<analysis::ShowLabel>(effect)) {
            headingShown = true;
        }
    }
    control<QPushButton>("Command1")->click();
    QCOMPARE(form1->technologyType, static_cast<std::int16_t>(inputs.technology));
    note(QStringLiteral("Draw: technology %1, %2, %3 effects%4")
                 .arg(int(inputs.technology))
                 .arg(inputs.shortPeriod ? QStringLiteral("short period")
                                         : QStringLiteral("long run"))
                 .arg(outcome.effects.size())
                 .arg(outcome.completed ? QString() : QStringLiteral(", stopped by a fault")));
}

void SoakMainWindow::clear()
{
    control<QPushButton>("Command2")->click();
    const QImage chart = control<PlotSurface>("Picture1")->image();
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            if (chart.pixel(x, y) != chart.pixel(0, 0))
                QFAIL("Clear leaves a drawing on the chart");
        }
    }
    resultList.clear();
    slopeText.clear();
    averageText.clear();
    headingShown = false;
    note(QStringLiteral("Clear"));
}

void SoakMainWindow::applyCategory()
{
    GeneralParametersWindow *form5 = form1->generalParameters();
    control<QAction>("mnugenparam")->trigger();
    const bool fast = random() % 2;
    control<QRadioButton>(form5, fast ? "Option1" : "Option2")->click();
    control<QPushButton>(form5, "Command1")->click();
    retain = fast;
    if (!fast) {
        resultList.clear();
        slopeText.clear();
        averageText.clear();
        headingShown = false;
    }
    note(fast ? QStringLiteral("General: Fast computer, OK")
              : QStringLiteral("General: Slow computer, OK"));
}

void SoakMainWindow::showIsoquantParameters()
{
    const int technology = static_cast<int>(random() % analysis::technologies().size()) + 1;
    control<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(technology)))->click();
    control<QAction>("mnupreferences")->trigger();
    enabledFrame = technology - 1;
    note(QStringLiteral("Option1(%1), Isoquants").arg(technology));
}

void SoakMainWindow::toggleShortPeriod()
{
    control<QAction>("mnushort")->trigger();
    note(QStringLiteral("Short-period toggle"));
}

void SoakMainWindow::switchRegionalSettings()
{
    const QLocale locale(regionalLanguages[random() % std::size(regionalLanguages)]);
    QLocale::setDefault(locale);
    note(QStringLiteral("Regional settings: %1").arg(locale.name()));
}

QString SoakMainWindow::stateProblem() const
{
    const bool shortPeriod = control<QAction>("mnushort")->isChecked();
    if (control<QLabel>("Label7")->isVisible() != shortPeriod
        || control<QLineEdit>("Text4")->isVisible() != shortPeriod)
        return QStringLiteral("Label7 and Text4 are not in step with mnushort");
    if (control<QLabel>("Label5")->isVisible() != headingShown)
        return QStringLiteral("Label5 is %1").arg(headingShown ? "hidden" : "shown");
    if (control<QLabel>("Label5")->text() != heading)
        return QStringLiteral("Label5 reads \"%1\"").arg(control<QLabel>("Label5")->text());

    // Every line of the results list is a result line or the impossibility line.
    // Lines written under earlier regional settings keep their separator.
    const auto anySeparator = [](const auto &matches, const std::string &text) {
        for (const QLocale::Language language : regionalLanguages) {
            if (matches(text, QLocale(language).decimalPoint().toStdString()))
                return true;
        }
        return false;
    };
    const QString list = resultsCaption(control<QPlainTextEdit>("Label4"));
    if (list != resultList)
        return QStringLiteral("Label4 differs from the lines the Draws appended");
    qsizetype start = 0;
    while (start < list.size()) {
        const qsizetype end = list.indexOf(QLatin1Char('\r'), start);
        if (end < 0)
            return QStringLiteral("Label4 does not end with a carriage return");
        std::string line = list.mid(start, end - start + 1).toStdString();
        // A tie introduces its result line as one of many optimum points.
        if (line.starts_with(checks::tiePiece))
            line.erase(0, checks::tiePiece.size());
        if (line != checks::impossibilityLine && !anySeparator(checks::isResultLine, line))
            return QStringLiteral("Label4 holds the line \"%1\"").arg(QString::fromStdString(line));
        start = end + 1;
    }
    const QString slope = control<QLabel>("Label6")->text();
    const QString average = control<QLabel>("Label8")->text();
    if (!average.isEmpty() && !anySeparator(checks::isAverageCostCaption, average.toStdString()))
        return QStringLiteral("Label8 reads \"%1\"").arg(average);
    if (slope != slopeText || average != averageText)
        return QStringLiteral("Label6 or Label8 differs from the latest Draw's caption");
    if (!slope.isEmpty() && !anySeparator(checks::isSlopeCaption, slope.toStdString()))
        return QStringLiteral("Label6 reads \"%1\"").arg(slope);

    PlotSurface *chart = control<PlotSurface>("Picture1");
    if (chart->penWidth() != 1)
        return QStringLiteral("the pen is left %1 pixels wide").arg(chart->penWidth());
    if (chart->retainsDrawing() != retain)
        return QStringLiteral("the chart's drawing retention does not follow the category");

    IsoquantParametersWindow *form4 = form1->isoquantParameters();
    for (int i = 0; i < int(analysis::technologies().size()); ++i) {
        const bool enabled =
                control<QGroupBox>(form4, qPrintable(QStringLiteral("Frame1_%1").arg(i)))
                        ->isEnabled();
        if (enabled != (enabledFrame < 0 || enabledFrame == i))
            return QStringLiteral("frame %1 of Form4 is %2")
                    .arg(i)
                    .arg(enabled ? "enabled" : "disabled");
    }
    if (form1->generalParameters()->isVisible())
        return QStringLiteral("Form5 stays visible after its OK");
    return {};
}

void SoakMainWindow::randomCommandsKeepTheWindowInAnAllowedState()
{
    QFETCH(unsigned, seed);
    QFETCH(int, draws);
    random.seed(seed);
    qInfo("soak: %d Draws, seed %u (SOAK_DRAWS, SOAK_SEED)", draws, seed);
    // Warm-up: every foreign character drawn once in the boxes' font, and one Draw of each
    // kind, so that what is loaded once (fonts of other scripts, glyphs, the chart's image) is
    // in place before the first measurement.
    {
        QImage glyphs(4000, 64, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&glyphs);
        painter.setFont(control<QLineEdit>("Text1")->font());
        const std::vector<char32_t> &characters = foreignCharacters();
        for (std::size_t i = 0; i < characters.size(); i += 64) {
            const auto count =
                    static_cast<qsizetype>(std::min<std::size_t>(64, characters.size() - i));
            painter.drawText(0, 40, QString::fromUcs4(characters.data() + i, count));
        }
    }
    for (int shortPeriod = 0; shortPeriod < 2; ++shortPeriod) {
        for (int technology = 1; technology <= int(analysis::technologies().size()); ++technology) {
            control<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(technology)))
                    ->click();
            drawAndPredict();
        }
        toggleShortPeriod();
        QCoreApplication::processEvents();
    }
    showIsoquantParameters();
    control<QAction>(form1->isoquantParameters(), "mnuexit4")->trigger();
    applyCategory();
    clear();
    QCoreApplication::processEvents();
    // Windows are made once: the soak must not add any (Qt makes some menus on first use).
    const qsizetype windows = QApplication::topLevelWidgets().size();
    const long before = residentKiB();

    for (int i = 0; i < draws; ++i) {
        // Some commands between two Draws.
        const int commands = std::uniform_int_distribution<int>(0, 3)(random);
        for (int c = 0; c < commands; ++c) {
            const int pick = std::uniform_int_distribution<int>(0, 99)(random);
            if (pick < 55)
                editSomeText();
            else if (pick < 70)
                control<QRadioButton>(
                        qPrintable(QStringLiteral("Option1_%1")
                                           .arg(random() % analysis::technologies().size() + 1)))
                        ->click();
            else if (pick < 80)
                toggleShortPeriod();
            else if (pick < 86)
                clear();
            else if (pick < 90)
                applyCategory();
            else if (pick < 95)
                showIsoquantParameters();
            else if (pick < 98)
                control<QAction>(form1->isoquantParameters(), "mnuexit4")->trigger();
            else
                switchRegionalSettings();
        }
        drawAndPredict();
        if (i % 8 == 0)
            QCoreApplication::processEvents();
        if (QTest::currentTestFailed())
            return; // a check inside a command failed
        const QString problem = stateProblem();
        if (!problem.isEmpty()) {
            QStringList history(recent.begin(), recent.end());
            QFAIL(qPrintable(QStringLiteral("Draw %1 of seed %2: %3\nlast commands:\n  %4")
                                     .arg(i)
                                     .arg(seed)
                                     .arg(problem, history.join(QStringLiteral("\n  ")))));
        }
        if (resultList.size() > 200000)
            clear(); // a class would have pressed Clear long before
    }

    clear();
    QCoreApplication::processEvents();
    const long after = residentKiB();
    qInfo("soak: %ld Draws, %ld of them completed, %ld effects applied", drawsRun, drawsCompleted,
          effectsApplied);
    qInfo("soak: resident memory %ld KiB before, %ld KiB after %d Draws and a Clear (%+ld KiB)",
          before, after, draws, after - before);
    QVERIFY(before > 0 && after > 0);
    // AddressSanitizer keeps freed memory in quarantine, so its figures say nothing of leaks
    // (it reports those itself at exit).
    if (!addressSanitizer)
        QVERIFY2(after - before < 4 * 1024, "resident memory grew by 4 MiB or more");
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

} // namespace

QTEST_MAIN(SoakMainWindow)
#include "tst_soak.moc"
