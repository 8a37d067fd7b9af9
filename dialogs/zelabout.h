// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELABOUT_H
#define ZELABOUT_H

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QVBoxLayout;

// The about box: the program's picture, its name and its build version.
class ZelAbout : public QDialog
{
    Q_OBJECT

public:
    explicit ZelAbout(QWidget *parent = nullptr);

    void setAppTitle(const QString &title);
    void setAppVersion(const QString &version);

private:
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *lblLogo = nullptr;
    QLabel *lblAppTitle = nullptr;
    QLabel *lblAppVersion = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
};

#endif // ZELABOUT_H
