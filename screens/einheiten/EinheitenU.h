#pragma once

#include "core/ZeitenU.h"
#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <QPixmap>
#include <QTime>
#include <array>
#include <memory>

class QLabel;
class QTimer;

namespace Ui {
class frmEinheiten;
}

namespace kalmiro {

class TEdit;

// The unit-conversion exercises: five tasks at a time, one per row, each answered in
// its entry field and judged when the pupil leaves it; a face and two attempt marks
// per row, attempts and points of the set, "Weiter" for a new set.
class TfrmEinheiten : public TForm {
    Q_OBJECT
public:
    explicit TfrmEinheiten(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmEinheiten() override;

    // The pupil's normalised entry of row i (1..5).
    const QString& EingabeDerZeile(int i) const;

protected:
    void FormActivate() override;
    void FormPaint(QPainter& canvas) override;

private:
    using Zeilen = std::array<int, AnzahlAufgaben + 1>;

    void edtChange();
    void edtExit(int zeile);
    void btnWeiterClick();
    void btnAuswertungClick();
    void menVerwandlungClick();
    void menMaxanzahlClick();
    void menZeitartClick();
    void Timer1Timer();

    void SatzLoeschen();
    void SatzErzeugen();
    void ZaehlerZuruecksetzen();
    void ZaehlerZeigen();
    void Anweisung();
    void Anzeige(const QString& text, const QColor& farbe);
    void ErstesLeeresFeld();
    void RundenZeigen();
    void Stoppuhr(bool ein);
    void ZeileZeichnen(QPainter& canvas, int i) const;
    // Row i as a screen reader reads it, and the name of its face (welches 0) or of the
    // mark of its first or second attempt.
    QString Zeilentext(int i) const;
    QString Bildname(int i, int welches) const;

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmEinheiten> ui;
    QTimer* m_timer1;

    // Rows 1..5 (0 unused): face, the marks of the first and second attempt, entry field.
    std::array<QLabel*, AnzahlAufgaben + 1> m_gesicht{};
    std::array<std::array<QLabel*, 3>, AnzahlAufgaben + 1> m_zeichen{};
    std::array<TEdit*, AnzahlAufgaben + 1> m_edt{};
    std::array<QString, AnzahlAufgaben + 1> Eingabe;

    // Each row has its own attempt: a pupil may leave a row after a wrong answer and
    // answer another one first.
    Zeilen m_versuch{};
    int m_versuche = 0;
    float m_punkte = 0;

    QTime m_start;
    int m_vergangen = 0; // milliseconds
};

} // namespace kalmiro
