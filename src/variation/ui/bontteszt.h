#pragma once
// The variation test window. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

#include <functional>

class TBontTeszt : public QDialog {
    Q_OBJECT
public:
    explicit TBontTeszt(std::function<void()> betoltes, QWidget* parent = nullptr);

private:
    void FormCreate();

    // The main window's loading step; the last form to be created runs it.
    std::function<void()> betoltes_;
};
