#pragma once
// The sample variations ("Példabontás"): one example line (a past draw, a
// random line or the user's own numbers) gives preset conditions, every
// number of the ticket is selected and a normal run starts. The controller
// registers "Hzsokalapjn1" (which follows the draws database), "Vletlen2"
// and "Sajtszmokkal1" and answers the draws list's sample request; it
// clears the main ticket through the number commands (with their question)
// and starts the run through the variation's commands. It emits no signals.
#include <QObject>
#include <QPointer>
#include <QString>


class TFeltetelek;
class TFoszelveny;
class THuzLista;
namespace kvx {
class Program;
}

class PeldaVezerlo : public QObject {
    Q_OBJECT
public:
    explicit PeldaVezerlo(kvx::Program& program, QObject* parent = nullptr);
    ~PeldaVezerlo() override;

    // Registers the three commands (the connections end with `kontextus`).
    void ParancsokBekotese(const QObject* kontextus);
    // The windows the samples use; the draws list's sample request is
    // answered from now on.
    void AblakokBekotese(THuzLista* huzLista, TFeltetelek* feltetelek);

    // "Húzások alapján": the draw selected in the draws list is the example.
    void Hzsokalapjn1Click();
    // The draw of row `sor` (1-based) from column `oszlop` is the example.
    void HuzasokAlapjan(int sor, int oszlop);
    // "Véletlen számokkal" and "Saját számokkal".
    void Vletlen2Click();
    void Sajtszmokkal1Click();
    // Presets from the example on the main ticket, every number selected,
    // then a run; utolsoHuzas: the last draw the hit-ratio preset looks at.
    void PeldaBontasok(int utolsoHuzas, const QString& felirat);
    // The Keno notice before a sample (kind 0 draw, 1 random, 2 own numbers).
    void KenoProbabontasUzenet(int kind);
    // "Saját számokkal" enabled and hinted by the main ticket's line.
    void SajatSzamokFrissites();

private:
    // The main ticket emptied for an example: nullptr when there is none or
    // the user kept its numbers.
    TFoszelveny* uresFoszelveny();

    kvx::Program& p_;
    QPointer<THuzLista> huzLista_;
    QPointer<TFeltetelek> feltetelek_;
};
