#pragma once
// Helpers of the printing window tests: the files the program hands to the
// desktop's viewer, caught through Qt's own URL handler (so the program's
// real opening path runs), and the answer to the PDF save dialog that
// printing without a printer asks.
//
// The moc output of this header is compiled in nyomtatas_test.cpp alone.
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>

namespace kvx::teszt {

// While it lives, every file URL the program opens is recorded instead of
// going to the desktop.
class MegnyitasFigyelo : public QObject {
    Q_OBJECT
public:
    MegnyitasFigyelo() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "megnyit"); }
    ~MegnyitasFigyelo() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QStringList Allomanyok;

public slots:
    void megnyit(const QUrl& url) { Allomanyok << url.toLocalFile(); }
};

// Answers the PDF save dialog: records the file it proposed and whether it
// could be used, then keeps the proposal (or takes `cel`) and saves, or
// cancels when `mentes` is false.
class PdfValaszto : public QObject {
public:
    explicit PdfValaszto(bool mentes = true, QString cel = {}) : mentes_(mentes), cel_(std::move(cel))
    {
        connect(&idozito_, &QTimer::timeout, this, &PdfValaszto::nez);
        idozito_.start(10);
    }

    QStringList Javaslatok;
    QList<bool> Engedelyezett;

private:
    void nez()
    {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d || d == utolso_ || d->objectName() != QStringLiteral("PdfDialog") || !d->isVisible())
            return;
        if (d != latott_) {
            latott_ = d;
            Javaslatok << d->selectedFiles().value(0);
            Engedelyezett << d->isEnabled();
            if (!mentes_) {
                utolso_ = d;
                d->reject();
                return;
            }
            if (!cel_.isEmpty())
                d->selectFile(cel_);
        }
        // A file in another folder is selected once the dialog has listed
        // that folder, which under load may take a few ticks.
        if (!cel_.isEmpty() && QFileInfo(d->directory().absolutePath()).canonicalFilePath() !=
                                   QFileInfo(QFileInfo(cel_).absolutePath()).canonicalFilePath())
            return;
        // The dialog ignores selectFile for its name box while that box has
        // the focus (a dialog opened in the folder of `cel_` at once): the
        // name is then typed, as the user would.
        if (!cel_.isEmpty() && d->selectedFiles().value(0) != cel_)
            if (auto* nev = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                nev->setText(QFileInfo(cel_).fileName());
        utolso_ = d;
        static_cast<QDialog*>(d)->accept();
    }

    bool mentes_;
    QString cel_;
    QPointer<QFileDialog> utolso_;
    QPointer<QFileDialog> latott_;
    QTimer idozito_;
};

}  // namespace kvx::teszt
