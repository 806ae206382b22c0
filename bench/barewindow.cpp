// The floor of the program's start-up: the toolkit alone building a main window with as many
// controls and menus as the program's, each of the same kind, caption and place, and the two
// parameter windows with their controls, hidden, as its children. Nothing is connected, measured
// or computed.
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <vector>

namespace {

enum class Kind { Label, Text, Button, Frame, Option, Chart, List };

struct Control
{
    Kind kind;
    const char *caption;
    int left, top, width, height; ///< twips
    int container; ///< index of the frame holding it, -1 for the window
    bool hidden = false;
};

/// Builds `controls` on `client`, each at its place; frames hold the controls after them.
void build(QWidget *client, const std::initializer_list<Control> &controls)
{
    std::vector<QWidget *> made;
    for (const Control &c : controls) {
        QWidget *parent = c.container < 0 ? client : made[std::size_t(c.container)];
        const QString caption = QString::fromLatin1(c.caption);
        QWidget *w = nullptr;
        switch (c.kind) {
        case Kind::Label:
            w = new QLabel(caption, parent);
            break;
        case Kind::Text:
            w = new QLineEdit(caption, parent);
            break;
        case Kind::Button:
            w = new QPushButton(caption, parent);
            break;
        case Kind::Frame:
            w = new QGroupBox(caption, parent);
            break;
        case Kind::Option:
            w = new QRadioButton(caption, parent);
            break;
        case Kind::Chart:
            w = new QWidget(parent);
            break;
        case Kind::List:
            w = new QPlainTextEdit(parent);
            break;
        }
        w->setGeometry(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
        w->setHidden(c.hidden);
        made.push_back(w);
    }
}

QWidget *client(QWidget *window, int width, int height)
{
    auto *area = new QWidget(window);
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    font.setBold(true);
    area->setFont(font);
    area->setFixedSize(width / 15, height / 15);
    return area;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow form1;
    form1.setWindowTitle(QStringLiteral("Elements of the neoclassical theory of production"));
    QWidget *area1 = client(&form1, 9600, 6210);
    form1.setCentralWidget(area1);
    build(area1,
          {
                  { Kind::Label, "Level of production", 480, 3840, 1635, 375, -1 },
                  { Kind::Text, "3000", 2295, 3840, 600, 285, -1 },
                  { Kind::Label, "Price of input X", 480, 4380, 1335, 375, -1 },
                  { Kind::Text, "6", 2295, 4320, 600, 285, -1 },
                  { Kind::Label, "Price of input Y", 480, 4860, 1335, 255, -1 },
                  { Kind::Text, "10", 2295, 4800, 600, 285, -1 },
                  { Kind::Label, "Fixed level of input Y", 120, 5280, 1995, 255, -1, true },
                  { Kind::Text, "2500", 2295, 5220, 600, 285, -1, true },
                  { Kind::Button, "Draw", 3945, 3840, 975, 375, -1 },
                  { Kind::Button, "Clear", 3960, 4320, 975, 405, -1 },
                  { Kind::Frame, "Isoquants", 5820, 3300, 3165, 2580, -1 },
                  { Kind::Option, "Perfect substitutes", 600, 660, 2505, 330, 10 },
                  { Kind::Option, "Fixed proportions", 600, 1020, 1860, 330, 10 },
                  { Kind::Option, "Cobb-Douglas", 600, 1380, 2415, 330, 10 },
                  { Kind::Chart, "", 675, 270, 2000, 2000, -1 },
                  { Kind::Label, "Y", 360, 420, 195, 315, -1 },
                  { Kind::Label, "X", 2400, 2460, 255, 255, -1 },
                  { Kind::Label,
                    "The technology which minimalizes the costs requires the inputs X and Y in "
                    "these "
                    "quantities:",
                    3900, 120, 4515, 465, -1, true },
                  { Kind::List, "", 2880, 660, 6720, 1935, -1 },
                  { Kind::Label, "", 480, 2820, 3615, 255, -1 },
                  { Kind::Label, "", 4860, 2820, 3675, 375, -1 },
          });
    QMenu *file = form1.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Export Chart..."));
    file->addAction(QStringLiteral("Export &Results..."));
    file->addAction(QStringLiteral("&Print..."))->setShortcut(QKeySequence::Print);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"));
    QMenu *edit = form1.menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Copy Results"))
            ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QMenu *parametres = form1.menuBar()->addMenu(QStringLiteral("&Parametres"));
    parametres->addAction(QStringLiteral("&General"));
    parametres->addAction(QStringLiteral("&Isoquants"));
    QMenu *issues = form1.menuBar()->addMenu(QStringLiteral("&Issues"));
    issues->addAction(QStringLiteral("&Short-period fixed quantity of Y"))->setCheckable(true);
    QMenu *view = form1.menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("Zoom &In"))
            ->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Plus),
                             QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    view->addAction(QStringLiteral("Zoom &Out"))
            ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    view->addAction(QStringLiteral("&Actual Size"))
            ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addAction(QStringLiteral("Zoom: 100 %"))->setEnabled(false);
    view->addSeparator();
    view->addAction(QStringLiteral("Show &Scale"))->setCheckable(true);
    view->addSeparator();
    view->addAction(QStringLiteral("&Figure"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    QMenu *help = form1.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&How to use this software"));
    help->addAction(QStringLiteral("&Glossary"));
    help->addAction(QStringLiteral("&About..."));
    // The status line: a label of three lines in the status bar.
    auto *status = new QLabel(form1.statusBar());
    status->setFixedHeight(3 * status->fontMetrics().lineSpacing() + 4);
    form1.statusBar()->addWidget(status, 1);

    // The two parameter windows, created hidden after the main window's controls.
    QDialog form5(&form1);
    form5.setWindowTitle(QStringLiteral("General parametres"));
    QWidget *area5 = client(&form5, 8100, 4200);
    build(area5,
          {
                  { Kind::Frame, "Computer category", 1305, 2475, 2985, 1320, -1 },
                  { Kind::Option, "Fast computer", 405, 360, 1590, 330, 0 },
                  { Kind::Option, "Slow computer", 405, 855, 1860, 330, 0 },
                  { Kind::Button, "OK - Activate the changes", 4905, 2745, 2760, 780, -1 },
          });
    QMainWindow form4(&form1, Qt::Window);
    form4.setWindowTitle(QStringLiteral("Parametres of the isoquants"));
    form4.menuBar()->addAction(QStringLiteral("&Activate the changes"));
    QWidget *area4 = client(&form4, 8490, 6000);
    form4.setCentralWidget(area4);
    build(area4,
          {
                  { Kind::Frame, "Linear", 1860, 360, 2895, 1860, -1 },
                  { Kind::Label, "Prod = a X + b Y", 660, 420, 1635, 195, 0 },
                  { Kind::Label, "a =", 1260, 840, 375, 390, 0 },
                  { Kind::Text, "1", 1680, 780, 480, 285, 0 },
                  { Kind::Label, "b =", 1260, 1260, 375, 390, 0 },
                  { Kind::Text, "1", 1680, 1200, 480, 285, 0 },
                  { Kind::Frame, "Fixed proportions", 4980, 300, 2955, 1920, -1 },
                  { Kind::Label,
                    "1 unit of X should be used with 1 unit of Y in order to obtain 1 unit of "
                    "output",
                    540, 660, 1725, 1050, 6 },
                  { Kind::Frame, "Cobb-Douglas", 1860, 2640, 2895, 1860, -1 },
                  { Kind::Label, "Prod = X ^ a * Y ^ b", 600, 360, 1815, 315, 8 },
                  { Kind::Label, "a =", 1080, 780, 375, 390, 8 },
                  { Kind::Text, ".7", 1500, 720, 555, 285, 8 },
                  { Kind::Label, "b =", 1080, 1200, 375, 390, 8 },
                  { Kind::Text, ".3", 1500, 1140, 555, 285, 8 },
                  { Kind::Button, "Restore defaults", 3960, 5100, 1950, 735, -1 },
          });

    form1.show();
    return app.exec();
}
