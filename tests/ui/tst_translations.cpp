#include "ui/windows/curveswindow.h"
#include "ui/windows/figurewindow.h"
#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

/// The source texts of the translation source that update_translations writes.
static QSet<QString> translatableTexts()
{
    QFile file(QStringLiteral(PRODUCTION_LAB_TRANSLATION_SOURCE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", PRODUCTION_LAB_TRANSLATION_SOURCE);
    QSet<QString> texts;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement
            && reader.name() == QLatin1String("source"))
            texts.insert(reader.readElementText());
    }
    if (reader.hasError())
        qFatal("%s: %s", PRODUCTION_LAB_TRANSLATION_SOURCE, qPrintable(reader.errorString()));
    return texts;
}

/// Every text a window shows or gives a screen reader: captions, titles, menus, names.
static QStringList shownTexts(QWidget *window)
{
    QStringList texts{ window->windowTitle() };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || widget->objectName().startsWith(u"qt_"))
            continue;
        texts << widget->accessibleName() << widget->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts << frame->title();
        else if (auto *menu = qobject_cast<QMenu *>(widget))
            texts << menu->title();
    }
    for (QAction *action : window->findChildren<QAction *>())
        if (!action->isSeparator())
            texts << action->text();
    texts.removeAll(QString());
    return texts;
}

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // A text written without tr(), or a translation source not gathered again after a change,
    // leaves translators without it. A source with a number to fill in ("Zoom: %1 %") covers
    // the texts it gives.
    void everyShownTextReachesTranslators()
    {
        const QSet<QString> translatable = translatableTexts();
        QList<QRegularExpression> filled;
        for (const QString &source : translatable) {
            if (!source.contains(QLatin1String("%1")))
                continue;
            QStringList pieces = source.split(QLatin1String("%1"));
            for (QString &piece : pieces)
                piece = QRegularExpression::escape(piece);
            filled << QRegularExpression(
                    QRegularExpression::anchoredPattern(pieces.join(QLatin1String("[0-9]+"))));
        }
        const auto reaches = [&](const QString &text) {
            return translatable.contains(text)
                    || std::any_of(filled.begin(), filled.end(), [&](const QRegularExpression &e) {
                           return e.match(text).hasMatch();
                       });
        };
        MainWindow form1;
        QStringList missing;
        for (QWidget *window :
             QList<QWidget *>{ &form1, form1.isoquantParameters(), form1.generalParameters(),
                               form1.costCurves(), form1.inputDemand(), form1.figure() }) {
            for (const QString &text : shownTexts(window))
                if (!reaches(text))
                    missing << window->objectName() + QStringLiteral(": ") + text;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
        QVERIFY(translatable.contains(QStringLiteral("The chart is empty.")));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
