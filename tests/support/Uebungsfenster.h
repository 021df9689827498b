#pragma once

#include "core/GlobaleU.h"
#include "platform/TEdit.h"
#include "screens/Fenster.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "tests/support/Attrappen.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"

#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace kalmiro::test {

// What the exercises with a typed time say, as their message label shows it.
inline const QString Bravo = QStringLiteral("Bravo deine Eingabe ist richtig!");
inline const QString Zweiter = QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!");
inline const QString Falsch1 = QStringLiteral(
    "Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch einmal.");
inline const QString Fehler = QStringLiteral("Fehler in der Eingabe!");
inline const QString KeinEintrag = QStringLiteral("Es ist kein Eintrag vorhanden!");
inline QString WiederFalsch(const QString& ergebnis) {
    return QStringLiteral("Deine Eingabe ist leider wieder falsch! Das Ergebnis lautet ") +
           ergebnis +
           QStringLiteral("!\nVergleiche das Ergebnis mit deiner Eingabe und überlege,\nwarum du "
                          "den Fehler gegangen hast!");
}

// An exercise screen with one typed time a task (trains, flights), with the two dialogs
// it opens, its draws scripted and shown as the main window shows it. Header only: the
// tests that use it link the screens.
template <typename Fenster> struct Uebungsfenster {
    ZufallsSkript zufall{7};
    Fensterverbund verbund;
    std::unique_ptr<TfrmAuswertung> auswertung;
    std::unique_ptr<TfrmMaxanzahl> maxanzahl;
    std::unique_ptr<Fenster> w;

    // The draws of each task in turn, then seeded ones; the rounds limit of the screen's
    // entry of MaxDurchgaenge.
    Uebungsfenster(const QList<QList<int>>& aufgaben, int rundenart, int grenze, bool warten) {
        for (const QList<int>& a : aufgaben)
            for (int wert : a)
                zufall.Anhaengen(wert);
        MaxDurchgaenge = StandardDurchgaenge;
        MaxDurchgaenge[static_cast<std::size_t>(rundenart)] = grenze;
        Durchgang = 1;
        auswertung = std::make_unique<TfrmAuswertung>(verbund);
        maxanzahl = std::make_unique<TfrmMaxanzahl>(verbund);
        verbund.frmAuswertung = auswertung.get();
        verbund.frmMaxanzahl = maxanzahl.get();
        w = std::make_unique<Fenster>(verbund);
        w->show();
        if (warten) Aktivieren();
    }

    void Aktivieren() { QVERIFY(test::Aktivieren(*w)); }

    TEdit* feld() { return w->template findChild<TEdit*>(QStringLiteral("edtEingabe")); }
    QLabel* label(const char* name) { return w->template findChild<QLabel*>(QLatin1String(name)); }
    QString text(const char* name) { return label(name)->text(); }
    QString anzeige() { return text("lblAnzeige"); }
    QColor anzeigeFarbe() { return label("lblAnzeige")->palette().color(QPalette::WindowText); }
    QPushButton* knopf(const char* name) {
        return w->template findChild<QPushButton*>(QLatin1String(name));
    }
    QString ergebnis() { return w->Aufgabe().Ergebnis; }
    QStringList& meldungen() { return Attrappen::Aktuell().meldungen; }

    void Antworte(const QString& antwort) { Eintippen(*feld(), antwort); }
    void Klick(const char* name) { QTest::mouseClick(knopf(name), Qt::LeftButton); }
    // The evaluation shown and closed; returns its points panel.
    QString Auswerten(const QString& tour = {}) {
        const QString panel = test::Auswerten(*knopf("btnAuswertung"), tour);
        Aktivieren();
        return panel;
    }

    void NeueSeriePruefen(int grenze) { test::NeueSeriePruefen(*w, grenze, {feld()}); }

    QImage Bild() { return Aufnahme(*w->Client()); }
    void Tour(const QString& name) { test::Tour(Aufnahme(*w), name); }
};

} // namespace kalmiro::test
