#include "screens/dialoge/MaxanzahlU.h"

#include "core/GlobaleU.h"
#include "core/TexteU.h"
#include "platform/SystemU.h"
#include "platform/Zugang.h"
#include "ui_MaxanzahlU.h"

#include <QStyle>

namespace kalmiro {
namespace {

constexpr int wenigsteDurchgaenge = 2;

struct Rundeneinstellung {
    int hoechstens;
    const char16_t* titel;
};

// By MaxanzahlArt: unit conversion, operations, train journeys, flights.
constexpr Rundeneinstellung einstellungen[] = {
    {10, u"Max. Anzahl der Durchg\u00e4nge (2\u201310)"},
    {5, u"Max. Anzahl der Durchg\u00e4nge (2\u20135)"},
    {10, u"Max. Anzahl der Durchg\u00e4nge (2\u201310)"},
    {10, u"Max. Anzahl der Durchg\u00e4nge (2\u201310)"},
};

// A setting number outside 1..4 edits the first, so nothing is written out of bounds.
int Art() {
    return MaxanzahlArt >= 1 && MaxanzahlArt <= 4 ? MaxanzahlArt : 1;
}

const Rundeneinstellung& Einstellung() {
    return einstellungen[Art() - 1];
}

QString StandardText() {
    return QString::number(StandardDurchgaenge[static_cast<std::size_t>(Art())]);
}

} // namespace

TfrmMaxanzahl::TfrmMaxanzahl(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmMaxanzahl>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::Dialog);
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

    ui->edtMaxzahl->FilterSetzen([](QChar c) -> QChar {
        if (c == TEdit::Rueck || (c >= u'0' && c <= u'9')) return c;
        return {};
    });
    connect(ui->edtMaxzahl, &TEdit::Exit, this, &TfrmMaxanzahl::edtMaxzahlExit);
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { Schliessen(Ergebnis::Schliessen); });
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TfrmMaxanzahl::BitBtn2Click);
    // Escape is "Schließen"; Enter presses the button that has the focus (the field
    // swallows it).
    AbbruchKnopf(ui->BitBtn1);
    Beschreiben(ui->edtMaxzahl, [this] { return ui->grpMax->title(); });
}

TfrmMaxanzahl::~TfrmMaxanzahl() = default;

void TfrmMaxanzahl::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Dialog, Bildschirm1024);
    m_gemeldet = false;
    ui->grpMax->setTitle(QString::fromUtf16(Einstellung().titel));
    ui->edtMaxzahl->setText(QString::number(MaxDurchgaenge[static_cast<std::size_t>(Art())]));
    ui->edtMaxzahl->setFocus();
    // Typing replaces the number shown.
    ui->edtMaxzahl->selectAll();
}

TfrmMaxanzahl::Pruefung TfrmMaxanzahl::EingabePruefen() {
    TEdit* edt = ui->edtMaxzahl;
    if (edt->text().isEmpty()) {
        edt->setText(StandardText());
        edt->setFocus();
        return Pruefung::Ersetzt;
    }
    // ZahlLesen caps a long run of digits, so any length reads as out of range.
    const int wert = ZahlLesen(edt->text());
    if (wert < wenigsteDurchgaenge || wert > Einstellung().hoechstens) {
        Meldung(QStringLiteral("Die eingegebene Zahl liegt nicht im Bereich!"));
        edt->setText(StandardText());
        edt->setFocus();
        return Pruefung::Gemeldet;
    }
    return Pruefung::Gilt;
}

void TfrmMaxanzahl::edtMaxzahlExit() {
    m_gemeldet = EingabePruefen() == Pruefung::Gemeldet;
}

void TfrmMaxanzahl::BitBtn2Click() {
    if (m_gemeldet) {
        m_gemeldet = false;
        return;
    }
    // A click that did not move the focus (a shortcut, say) has not been checked yet;
    // an out-of-range number is never stored.
    if (EingabePruefen() == Pruefung::Gemeldet) return;
    MaxDurchgaenge[static_cast<std::size_t>(Art())] = ZahlLesen(ui->edtMaxzahl->text());
    Schliessen(Ergebnis::Ok);
}

} // namespace kalmiro
