#pragma once

#include <QWidget>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
QT_END_NAMESPACE

/// "General parametres" (Form5): the computer category, applied to the main chart by OK.
class GeneralParametersWindow : public QWidget
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
