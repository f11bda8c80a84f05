// TForm1: the main window of Velkor.
#pragma once

#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

// Creates the main window, then the three hidden report forms; returns the main window.
TForm1* CreateForms();
