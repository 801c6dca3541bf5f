#pragma once
// The draws list window. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class THuzLista : public QDialog {
    Q_OBJECT
public:
    explicit THuzLista(QWidget* parent = nullptr);

private:
    void FormCreate();
};
