#pragma once

#include <QDialog>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
QT_END_NAMESPACE

/// "General parametres" (Form5): the computer category, applied to the main chart by OK. A
/// dialog shown without blocking the main window; Escape closes it, as its close box does.
class GeneralParametersWindow : public QDialog
{
    Q_OBJECT

public:
    explicit GeneralParametersWindow(QWidget *parent = nullptr);

signals:
    /// OK was clicked with "Fast computer" (true) or "Slow computer" (false) selected; emitted
    /// before the window hides.
    void categoryApplied(bool fastComputer);

private:
    void command1Clicked();

    QGroupBox *frame1 = nullptr;
    QRadioButton *option1 = nullptr;
    QRadioButton *option2 = nullptr;
    QButtonGroup *category = nullptr;
    QPushButton *command1 = nullptr;
};
