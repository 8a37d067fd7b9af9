// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

class QDomDocument;
class LxdDatabase;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    QDomDocument *domDoc = nullptr;
    LxdDatabase *db = nullptr;
};

#endif // MAINWINDOW_H
