#include "ui/results/exportcommands.h"
#include "ui/windows/mainwindow.h"
#include "ui/windows/viewsettings.h"
#include "ui/chart/plotsurface.h"
#include "ui/results/resultsview.h"
#include "ui/results/resultlog.h"
#include "ui/results/resulttable.h"
#include "uitest.h"

#include <QPrinter>
#include <QSvgRenderer>
#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

/// Reads RFC 4180 CSV: quoted fields may hold commas, quotes and line breaks.
QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    const auto next = [&text](qsizetype i) { return i + 1 < text.size() ? text[i + 1] : QChar(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && next(i) == u'"')
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            row << std::exchange(field, QString());
        else if (!quoted && c == u'\r' && next(i) == u'\n') {
            ++i;
            row << std::exchange(field, QString());
            rows << std::exchange(row, QStringList());
        } else {
            field += c;
        }
    }
    return rows;
}

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

/// The words pdftotext finds in a PDF file, and "[page end]" after each page.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { path, QStringLiteral("-") });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + process.errorString();
    return QString::fromUtf8(process.readAllStandardOutput())
            .replace(u'\f', QStringLiteral(" [page end] "))
            .simplified();
}

/// The height of each word of a PDF's first page, in points, in the order pdftotext reads them.
QList<std::pair<QString, double>> pdfWordHeights(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  { QStringLiteral("-bbox"), path, QStringLiteral("-") });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QList<std::pair<QString, double>> words;
    const QRegularExpression word(
            QStringLiteral("<word xMin=\"[^\"]*\" yMin=\"([^\"]*)\" xMax=\"[^\"]*\" "
                           "yMax=\"([^\"]*)\">([^<]*)</word>"));
    for (const QRegularExpressionMatch &m :
         word.globalMatch(QString::fromUtf8(process.readAllStandardOutput())))
        words.append({ m.captured(3), m.captured(2).toDouble() - m.captured(1).toDouble() });
    return words;
}

/// The share of the pixels inked in `image` that `other` inks too, within a pixel.
double matchingInk(const QImage &image, const QImage &other)
{
    qint64 inked = 0, matched = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++inked;
                matched += inkAround(other, { x, y }, 1);
            }
    return inked ? double(matched) / double(inked) : 1.0;
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

    template<class T>
    T *control(const char *name) const
    {
        return findControl<T>(form1.get(), name);
    }
    void click(const char *button) const
    {
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }
    void drawEachTechnology() const
    {
        for (const char *option : { "Option1_3", "Option1_1", "Option1_2" }) {
            click(option);
            click("Command1");
        }
    }

    std::unique_ptr<MainWindow> form1;
    ExportCommands *commands = nullptr;
    std::unique_ptr<QTemporaryDir> scratch;
    QDir folder; ///< empty at the start of each test

private slots:
    void initTestCase()
    {
        // Zooming saves its step: to a test-only place, under a name of its own.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("production-lab-export-tests"));
    }

    void init()
    {
        QLocale::setDefault(QLocale::c());
        form1 = std::make_unique<MainWindow>();
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
        commands = form1->exportCommands();
        scratch = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch->isValid());
        folder.setPath(scratch->path());
    }

    void cleanup()
    {
        form1->viewSettings()->setZoomPercent(100);
        form1.reset();
        QSettings().clear();
        scratch.reset();
        QLocale::setDefault(QLocale::c());
    }

    void chartInEachFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("drawn");
        for (const bool drawn : { true, false })
            for (const auto &[name, format] :
                 { std::pair{ "PNG", ChartFormat::Png }, std::pair{ "SVG", ChartFormat::Svg },
                   std::pair{ "PDF", ChartFormat::Pdf } })
                QTest::addRow("%s, %s", name, drawn ? "after a Draw of each technology" : "empty")
                        << int(format) << drawn;
    }

    void chartInEachFormat()
    {
        QFETCH(int, format);
        QFETCH(bool, drawn);
        if (drawn)
            drawEachTechnology();
        const QString path = folder.filePath(QStringLiteral("chart"));
        QVERIFY(commands->exportChartTo(path, ChartFormat(format)));
        const QString png = folder.filePath(QStringLiteral("chart.png"));
        QVERIFY(commands->exportChartTo(png, ChartFormat::Png));
        const QImage pixels(png, "png");

        if (ChartFormat(format) == ChartFormat::Png) {
            const ChartPicture picture = commands->chartPicture();
            const int scale = chartImageScale(picture.size);
            QCOMPARE(pixels.size(), (picture.size * scale).toSize());
            QVERIFY(pixels.width() >= 1200);
            const QRectF area(picture.plotArea.topLeft() * scale, picture.plotArea.size() * scale);
            const auto inked = [&](double x, double y) {
                return inkAround(pixels,
                                 QPoint(qFloor(area.left() + x / 10 * area.width()),
                                        qFloor(area.bottom() - y / 10 * area.height())),
                                 scale);
            };
            // The Cobb-Douglas isoquant, the L of fixed proportions and its isocost line.
            for (const QPointF &on : { QPointF(2, 7.71), QPointF(3, 6), QPointF(4, 2.4) })
                QVERIFY2(inked(on.x(), on.y()) == drawn,
                         qPrintable(QStringLiteral("at %1, %2").arg(on.x()).arg(on.y())));
            QVERIFY(!inked(8, 8));
            QVERIFY(inked(0, 5)); // the Y axis
            form1->viewSettings()->setZoomPercent(200); // the figure is the same at any zoom
            QVERIFY(commands->exportChartTo(png, ChartFormat::Png));
            QCOMPARE(QImage(png, "png"), pixels);
        } else if (ChartFormat(format) == ChartFormat::Svg) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader svg(&file);
            int paths = 0;
            QStringList texts;
            while (!svg.atEnd()) {
                if (svg.readNext() != QXmlStreamReader::StartElement)
                    continue;
                QVERIFY2(svg.name() != u"image", "the chart is embedded as pixels");
                paths += svg.name() == u"path" || svg.name() == u"polyline";
                if (svg.name() == u"text")
                    texts << svg.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            }
            QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
            QVERIFY(texts.contains(QStringLiteral("X")) && texts.contains(QStringLiteral("Y")));
            QVERIFY(paths >= (drawn ? 10 : 2)); // each Draw adds its curves and lines to the axes

            // Drawn again, the vectors ink what the PNG inks. Edges antialiased differently may
            // add a little ink around lines; a curve drawn as a smooth line instead of the PNG's
            // squares may leave a corner of a square uninked here and there.
            QImage vectors(pixels.size(), QImage::Format_RGB32);
            vectors.fill(Qt::white);
            QPainter painter(&vectors);
            QSvgRenderer(path).render(&painter);
            painter.end();
            QVERIFY2(matchingInk(pixels, vectors) > 0.995, "ink the vectors lack");
            QVERIFY2(matchingInk(vectors, pixels) > 0.95, "ink the pixels lack");
        } else {
            QCOMPARE(fileText(path).left(5), QStringLiteral("%PDF-"));
            QCOMPARE(pdfText(path), QStringLiteral("Y X [page end]"));
            // The scale, once shown, stays text on both axes.
            control<PlotSurface>("Picture1")->setScaleShown(true);
            QVERIFY(commands->exportChartTo(path, ChartFormat::Pdf));
            const QString text = pdfText(path);
            for (const char *number : { "0", "2", "4", "6", "8", "10" })
                QVERIFY2(text.split(u' ').count(QLatin1String(number)) == 2, qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("in thousands")), qPrintable(text));
        }
    }

    void saveDialog_data()
    {
        QTest::addColumn<QString>("typed"); // the file written | the name typed
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("replace"); // -1: no file there; 0 or 1: the answer to the question
        QTest::addColumn<QByteArray>("start"); // of the file afterwards
        QTest::newRow("no extension, SVG chosen")
                << "figure.svg|figure" << 1 << -1 << QByteArray("<?xml");
        QTest::newRow("PDF typed, PNG chosen")
                << "figure.pdf|figure.pdf" << 0 << -1 << QByteArray("%PDF");
        QTest::newRow("replacement declined")
                << "figure.png|figure.png" << 0 << 0 << QByteArray("kept");
        QTest::newRow("replacement confirmed")
                << "figure.png|figure" << 0 << 1 << QByteArray("\x89PNG");
    }

    void saveDialog()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(int, replace);
        QFETCH(QByteArray, start);
        const QString written = folder.filePath(typed.section(u'|', 0, 0));
        if (replace >= 0)
            QVERIFY(saveWhole(written, "kept").isEmpty());
        bool asked = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (int i = 0; i < filter; ++i) // as the user picks a filter
                QTest::keyClick(dialog->findChild<QComboBox *>("fileTypeCombo"), Qt::Key_Down);
            QTimer::singleShot(0, this, [&, dialog] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    asked = true;
                    box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                }
                if (dialog->isVisible())
                    dialog->close();
            });
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            name->setText(folder.filePath(typed.section(u'|', 1)));
            QTest::keyClick(name, Qt::Key_Return);
        });
        control<QAction>("mnuexportchart")->trigger();
        QCOMPARE(asked, replace >= 0);
        QCOMPARE(folder.entryList(QDir::Files), QStringList{ QFileInfo(written).fileName() });
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(start.size()) == start);
    }

    // Numbers at 12 significant digits, shortest, without grouping: the scan's 4511 is not
    // written 4510.999999999926.
    void roundedNumbersAndQuotedTexts()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale::setDefault(german); // the CSV must not follow it
        const QList<TableCell> cells{
            0.1 + 0.2, 4510.999999999926,       1158.1573984349, 1e300, 5e-324,
            -0.6,      QString("a, \"b\"\r\nc")
        };
        const Table table{ { "sum", "scanned", "long", "huge", "tiniest", "negative",
                             "note, \"quoted\"" },
                           { cells } };
        const QList<QStringList> read = readCsv(QString::fromUtf8(toCsv(table)));
        QCOMPARE(read[0], table.header);
        QCOMPARE(read[1],
                 QStringList({ "0.3", "4511", "1158.15739843", "1e+300", "4.94065645841e-324",
                               "-0.6", "a, \"b\"\r\nc" }));
        QCOMPARE(toTabSeparated(table, german).split(u'\n')[1].split(u'\t'),
                 QStringList({ "0,3", "4511", "1158,15739843", "1e+300", "4,94065645841e-324",
                               "-0,6", "a, \"b\"  c" }));
    }

    void resultsReadBackInEachRegion_data()
    {
        QTest::addColumn<QLocale>("region");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    }

    void resultsReadBackInEachRegion()
    {
        QFETCH(QLocale, region);
        QLocale::setDefault(region);
        control<QLineEdit>("Text2")->setText(QStringLiteral("6.5")); // read with "." in any region
        drawEachTechnology();
        control<QAction>("mnushort")->trigger();
        click("Command1"); // fixed proportions: the fixed Y is too small
        click("Option1_3");
        control<QLineEdit>("Text3")->setText(QStringLiteral("0")); // stops before the result line
        click("Command1");
        control<QLineEdit>("Text3")->setText(QStringLiteral("10"));
        control<QLineEdit>("Text1")->setText(QStringLiteral("2000"));
        click("Command1");

        const QString path = folder.filePath(QStringLiteral("results.csv"));
        QVERIFY(commands->exportResultsTo(path));
        const QList<QStringList> csv = readCsv(fileText(path));
        const ResultLog &log = form1->resultLog();
        QCOMPARE(log.size(), 5u);
        QCOMPARE(csv.size(), 6);
        QCOMPARE(csv[0].size(), 15);
        const QStringList draws{ "1", "2", "3", "4", "6" };
        const QStringList outcomes{ "completed", "completed", "completed", "impossible",
                                    "completed" };
        for (qsizetype i = 1; i < csv.size(); ++i) {
            const analysis::ResultRecord &row = log.row(size_t(i - 1));
            QCOMPARE(csv[i][0], draws[i - 1]);
            QCOMPARE(csv[i][2], QString::fromLatin1(i <= 3 ? "long run" : "short period"));
            QCOMPARE(csv[i][4].toDouble(), 6.5);
            QCOMPARE(csv[i][14], outcomes[i - 1]);
            const std::optional<double> slope = row.slope ? -*row.slope : std::optional<double>();
            const std::optional<double> numbers[] = { row.level,  row.priceX,     row.priceY,
                                                      row.fixedY, row.parameterA, row.parameterB,
                                                      row.x,      row.y,          row.cost,
                                                      slope,      row.averageCost };
            for (int column = 3; column < 14; ++column) {
                QCOMPARE(csv[i][column].isEmpty(), !numbers[column - 3]);
                if (numbers[column - 3])
                    QVERIFY(qAbs(csv[i][column].toDouble() - *numbers[column - 3])
                            <= 5e-12 * qAbs(*numbers[column - 3]));
            }
        }

        // The clipboard: the same rows, numbers with the region's decimal separator.
        commands->copyResults();
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        const QStringList pasted = copied->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(pasted.size(), csv.size());
        for (qsizetype i = 0; i < pasted.size(); ++i) {
            const QStringList cells = pasted[i].split(u'\t');
            QCOMPARE(cells.size(), csv[i].size());
            for (qsizetype column = 0; column < cells.size(); ++column)
                if (i > 0 && column >= 3 && column < 14 && !cells[column].isEmpty())
                    QCOMPARE(region.toDouble(cells[column]), csv[i][column].toDouble());
                else
                    QCOMPARE(cells[column], csv[i][column]);
        }
        QCOMPARE(copied->html().count(QStringLiteral("<tr>")), csv.size());

        click("Command2"); // Clear: a header row alone
        QVERIFY(commands->exportResultsTo(path));
        QCOMPARE(readCsv(fileText(path)), QList<QStringList>{ csv[0] });
    }

    void unwritablePathShowsTheReasonAndWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("what"); // a ChartFormat; -1 the results, -2 a page printed to PDF
        QTest::newRow("PNG into a missing folder") << "missing/chart.png" << int(ChartFormat::Png);
        QTest::newRow("SVG onto a folder") << "folder" << int(ChartFormat::Svg);
        QTest::newRow("PDF into a missing folder") << "missing/chart.pdf" << int(ChartFormat::Pdf);
        QTest::newRow("CSV onto a folder") << "folder" << -1;
        QTest::newRow("page into a missing folder") << "missing/page.pdf" << -2;
    }

    void unwritablePathShowsTheReasonAndWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, what);
        drawEachTechnology();
        QVERIFY(folder.mkdir(QStringLiteral("folder")));
        const QString path = folder.filePath(name);
        QString message;
        QTimer::singleShot(0, this, [&message] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        QPrinter printer;
        printer.setOutputFileName(path);
        QVERIFY(!(what == -2         ? commands->printOn(printer)
                          : what < 0 ? commands->exportResultsTo(path)
                                     : commands->exportChartTo(path, ChartFormat(what))));
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.section(QStringLiteral("\n\n"), 1).size() > 3, qPrintable(message)); // why
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{ "folder" });
        QVERIFY(QDir(folder.filePath(QStringLiteral("folder"))).isEmpty());
    }

    void printedPageHoldsTitleChartAndResults()
    {
        drawEachTechnology();
        control<QAction>("mnushort")->trigger();
        click("Command1");
        // The page takes the lines from the results log, whatever the list shows.
        auto *list = control<QPlainTextEdit>("Label4");
        const QStringList lines = resultsCaption(list).split(u'\r', Qt::SkipEmptyParts);
        list->clear();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
        commands->printOn(printer);

        const QString page = pdfText(printer.outputFileName());
        QCOMPARE(page.count(QStringLiteral("[page end]")), 1);
        QVERIFY(page.startsWith(form1->windowTitle() + QStringLiteral(" Y X ")));
        QCOMPARE(lines.size(), 4);
        for (const QString &line : lines)
            QVERIFY2(page.contains(line.simplified()), qPrintable(line + u'\n' + page));
        for (const char *used :
             { "Cobb-Douglas: Prod = X ^ a * Y ^ b with a = 0.7, b = 0.3",
               "Perfect substitutes: Prod = a X + b Y with a = 1, b = 1", "Fixed proportions" })
            QVERIFY2(page.contains(QLatin1String(used)), used);

        // The chart's letters stand in proportion to the page's text, not to the chart.
        const auto words = pdfWordHeights(printer.outputFileName());
        const auto height = [&words](const QString &text) {
            for (const auto &[word, points] : words)
                if (word == text)
                    return points;
            return 0.0;
        };
        const double letter = height(QStringLiteral("Y")), text = height(QStringLiteral("Cost"));
        QVERIFY2(letter > 0 && text > 0 && letter <= 1.5 * text && letter >= 0.5 * text,
                 qPrintable(QStringLiteral("letter %1 pt, text %2 pt").arg(letter).arg(text)));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
