// The three hidden report forms, one per calculation page.
#pragma once

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner = nullptr);
};

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner = nullptr);
};

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* owner = nullptr);
};
