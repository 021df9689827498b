#pragma once

#include "core/UebungsprotokollU.h"
#include "core/ZugaufgabenU.h"
#include "draw/ZeitachseU.h"
#include "platform/TForm.h"
#include "screens/Fenster.h"
#include "screens/ZeituebungU.h"

#include <QString>
#include <array>
#include <memory>

class QLabel;

namespace Ui {
class frmZugverkehr;
}

namespace kalmiro {

// The embedded photograph of train n (1..66).
QString ZugbildPfad(int nummer);

// Train-journey exercises: a time line with departure, arrival and travel time, one of
// them withheld and typed into a field on the line; one task a round, a train picture
// and its data beside it.
class TfrmZugverkehr : public TForm {
    Q_OBJECT
public:
    explicit TfrmZugverkehr(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZugverkehr() override;

    const TZugaufgabe& Aufgabe() const { return m_aufgabe; }
    const Aufgabenstand& Stand() const { return m_runde->Stand(); }
    int Bildnummer() const { return m_bildnummer; }
    // The picture components img01..img66 in their order.
    const std::array<QLabel*, AnzahlZuege>& Zugbilder() const { return m_zugbilder; }

protected:
    void FormActivate() override;

private:
    void pntPaint(QPainter& canvas);
    void edtEingabeExit();
    void btnWeiterClick();
    void btnAuswertungClick();
    void menMaxanzahlClick();

    void NeueAufgabe(); // kind, times, train; the field placed, open and focused
    void ZugWaehlen();
    float GesuchtX() const; // where the sought quantity belongs on the time line
    // The height of the field (feld) or of a wrong entry written in its place.
    float EingabeY(bool feld) const;
    void EingabePlatzieren();
    Zeitachsenart Achsenart() const;
    // What the drawing shows of the task: the two marks, the travel time, a wrong entry.
    struct Gezeigt {
        bool abfahrt, ankunft, fahrzeit, eingabe;
    };
    Gezeigt Sichtbar() const;
    void AufgabeZeichnen(QPainter& canvas);
    float ZugdatenY(int zeile) const; // 0 the heading, 1..3 the speed lines
    void ZugdatenZeichnen(QPainter& canvas);
    QString Vorgelesen() const; // the drawing as a screen reader reads it, line by line

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZugverkehr> ui;
    std::array<QLabel*, AnzahlZuege> m_zugbilder{};
    std::unique_ptr<TZeituebung> m_runde;
    TZugaufgabe m_aufgabe;
    int m_bildnummer = 1;
    // Places on the time line, fixed with the task.
    float m_abfahrtX = 0, m_ankunftX = 0, m_mitte = 0;
};

} // namespace kalmiro
