#pragma once
// The information window: the variation's settings in words, read only.
// The text comes as lines with a bold flag; a refresh that brings the same
// lines leaves the display, its scroll position and selection alone.
#include <QDialog>

#include <functional>

#include "conditions/info_text.h"

class QPushButton;
class QTextEdit;
class QFrame;

class TInfo : public QDialog {
    Q_OBJECT
public:
    explicit TInfo(QWidget* parent = nullptr);

    QTextEdit* BontInfo = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button4 = nullptr;  // Kilépés, Nyomtatás, Diagram

    // Where the lines come from; by default the program's description of
    // the selection, the error points and the selected conditions.
    std::function<kvx::InfoSorok()> Epito;
    // Whether rows are allocated for the variation ("Diagram" needs them);
    // unset, none are. The wiring hands the variation's here and calls
    // DiagramAllapot whenever it changes.
    std::function<bool()> VanSor;

    void Start();
    void Listazas();
    void ListaTorlese(bool bezar);
    void Button1Click();
    // "Nyomtatás": asks file, paper or nothing, then asks for the printout.
    void Button2Click();
    // Someone prints: the button works from now on.
    void NyomtatasEngedelyezes();
    // Someone shows the diagram: "Diagram" works from now on.
    void DiagramEngedelyezes();
    // "Diagram" works when someone shows the diagram and rows are allocated.
    void DiagramAllapot();
    // "Diagram": asks for the frequency distribution of the variation.
    void Diagram();

signals:
    void nyomtatasKerve(bool allomanyba);
    void diagramKerve();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    void FormResize();
    // At the first showing: as high as the main window's client area less
    // its toolbar band twice, and never lower than legkisebbMagassag where
    // the screen has room.
    void MagassagBeallitas();
    // Eight lines of the description and the buttons.
    int legkisebbMagassag() const;
    kvx::InfoSorok sorok_;  // what the display shows
    bool diagram_ = false;  // someone shows the diagram
    // The width that shows the description's 90-character lines whole.
    int teljesSzelesseg_ = 560;
    bool meretezve_ = false;
};
