#include "screens/dialoge/InformationenU.h"

#include "core/GlobaleU.h"
#include "draw/FontU.h"
#include "platform/Zugang.h"
#include "ui_InformationenU.h"

#include <QPainter>

namespace kalmiro {
namespace {

constexpr int schriftGroesse = 12;
constexpr int links = 10;              // left edge of the column
constexpr Farbe blau = Rgb(0, 0, 255); // headings
constexpr Farbe rot = Rgb(255, 0, 0);  // marked words

// clang-format off
constexpr Infozeile seite1[] = {
    {links, 20, u"#Was ist Zeit?#", blau},
    {links, 50, u"Wenn mich niemand darnach fragt, weiß ich es,", rot},
    {links, 70, u"wenn ich es aber einem, der mich fragt, erklären sollte, weiß ich es nicht.", rot},
    {links, 90, u"#Augustinus#", rot},
    {links, 130, u"#Zyklische Abläufe als Basis für Zeitmessung#", blau},
    {links, 160, u"Das Sonnensystem war lange die Grundlage für #Kalender# und #Tageszeit#.", rot},
    {links, 180, u"Es wurde als perfektes Uhrwerk betrachtet.", rot},
    {links, 220, u"#Kalendersterne#", blau},
    {links, 250, u"Sowohl die babylonschen als auch die ägyptischen Priester benutzten je 36 mehr", rot},
    {links, 270, u"oder weniger gleichmässig über die Ekliptik verteilten Sterne oder Sterngruppen für", rot},
    {links, 290, u"Zeitbestimmungen. Da damit 10°Abschnitteentstehen, heißen sie #Dekan–Sterne#.", rot},
    {links, 330, u"#Kalender schon in der Steinzeit?#", blau},
    {links, 360, u"Gerade die völlig den Launen des Wetters ausgesetzten Menschen der #Steinzeit#", rot},
    {links, 380, u"waren für den Überlebenskampf auf kalendarische Kenntnisse angewiesen.", rot},
    {links, 420, u"An den Wänden mehrerer Höhlen fanden sich eindeutig zu interpretierende Darstellungen eines ganzen", rot},
    {links, 440, u"Zyklus der #Mondphasen#.", rot},
    {links, 480, u"#Der Schatten als frühes (erstes?) astronomisches Instrument#", blau},
    {links, 510, u"Es ist überliefert, dass man in der Antike Verabredungen traf gemäß der Länge des #Schattens in Füßen#, den man selbst warf.", rot},
    {links, 550, u"#Der Schattenstab bzw. –zeiger#", blau},
    {250, 550, u"(#Gnomon#)", rot},
    {links, 580, u"Der Gnomon war für lange Zeit das wichtigste astronomische Messgerät.", rot},
    {links, 600, u"Anaximander von #Milet# bestimmte mit ihm die Sonnenwenden und maß so den Lauf der Sonne.", rot},
    {links, 620, u"Auch die Messung des Erdumfangs durch #Eratosthenes# war eine Anwendung des Gnomons.", rot},
};

constexpr Infozeile seite2[] = {
    {links, 20, u"#Wasseruhr#", blau},
    {links, 50, u"Die nachweislich erste Uhr war eine Wasseruhr oder #Klepshydra#, wie sie um ca. 1380 v. Chr. in Ägypten", rot},
    {links, 70, u"verwendet wurde. Sie wurde später von den Griechen und Römern dazu benutzt, die Zeit bei Gericht", rot},
    {links, 90, u"festzuhalten.", rot},
    {links, 130, u"#Sonnenuhr#", blau},
    {links, 160, u"Eine Sonnenuhr ist ein astronomisches Gerät, das den Stand der Sonne am Himmel zur", rot},
    {links, 180, u"Zeitanzeige nutzt. Dazu wird der Schatten eines Zeigers, des #Gnomons#, auf einem", rot},
    {links, 200, u"Ziffernblatt abgebildet.", rot},
    {links, 240, u"#Sanduhr#", blau},
    {links, 270, u"Die Menge des eingefüllten Sandes ist so festgelegt, dass die Dauer des Durchrieselns von oben nach unten", rot},
    {links, 290, u"einem festen, definierten Zeitraumms entspricht, beispielsweise 1 Stunde: #Stundenglas#, 5 Minuten: #Eieruhr#.", rot},
    {links, 310, u"Durch die Menge des Sandes kann diese Zeit justiert werden.", rot},
    {links, 350, u"#Pendeluhr#", blau},
    {links, 380, u"Die Pendeluhr ist eine Uhr, deren Zeitmessung mit einem mechanischen Pendel durchgeführt wird.", rot},
    {links, 400, u"Um 1640 erdachte sie #Galileo Galilei#, doch erst sein Sohn Vincenzo begann sie zu bauen.", rot},
    {links, 440, u"#Quarzuhr#", blau},
    {links, 470, u"Eine Quarzuhr ist eine Uhr, deren Taktgeber kein mechanisches Pendel, sondern ein #Oszillator# ist,", rot},
    {links, 490, u"dessen Frequenz mit Hilfe eines #Schwingquarzes# besonders genau eingehalten wird.", rot},
    {links, 530, u"#Atomuhr#", blau},
    {links, 560, u"Eine Atomuhr ist eine Uhr, deren Zeittakt (meist ein #Mikrowellensignal#) mit atomaren,", rot},
    {links, 580, u"Schwingungszuständen abgeglichen wird. Da die Frequenz solcher Schwingungen konstant", rot},
    {links, 600, u"ist und sehr genau bestimmt werden kann, sind Atomuhren die bislang genauesten Uhren.", rot},
    {links, 640, u"#Definition von 1 Sekunde#", rot},
    {links, 670, u"In Atomuhren (Cäsium) wird der extrem feine Energieunterschied zwischen den Zuständen  der Hyperfeinstruktur genutzt.", rot},
    {links, 690, u"Dieser Übergang hat eine Frequenz von #9192631770 Hz#. Dieser Wert ist seit 1967 alse Zeiteinheit für 1 Sekunde festgelegt.", rot},
};
// clang-format on

QString Seitentitel(int seite) {
    return seite == 2 ? QStringLiteral("Entwicklung der Zeitmaße")
                      : QStringLiteral("Geschichte der Zeitmaße");
}

// The page as a screen reader reads it: line by line, the marks gone, what stands on one
// line joined.
QString Seitentext(std::span<const Infozeile> zeilen) {
    QStringList text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const QString zeile = QString::fromUtf16(zeilen[i].text).remove(u'#');
        if (i > 0 && zeilen[i].y == zeilen[i - 1].y)
            text.last() += u' ' + zeile;
        else
            text << zeile;
    }
    return text.join(u'\n');
}

} // namespace

std::span<const Infozeile> Seitenzeilen(int seite) {
    if (seite == 1) return seite1;
    if (seite == 2) return seite2;
    return {};
}

TfrmInformation::TfrmInformation(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmInformation>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach, Rgb(255, 255, 255));
    m_bilderSeite1 = {ui->img01, ui->img02, ui->img03, ui->img04, ui->img05};
    m_bilderSeite2 = {ui->img06, ui->img07, ui->img08, ui->img09, ui->img10, ui->img11};
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
    for (QAction* a : {ui->menGeschichte, ui->menMessgeraete})
        connect(a, &QAction::triggered, this, [this, a] { menInfoClick(a); });
    // A reading window: Escape closes it as "Schließen" does.
    EscapeSchliesst();
    Beschreiben(
        Client(), [this] { return Seitentitel(InfoSeite); },
        [this] { return Seitentext(Seitenzeilen(InfoSeite)); });
}

TfrmInformation::~TfrmInformation() = default;

void TfrmInformation::FormActivate() {
    InfoSeite = 1;
    SeiteZeigen();
    Platzieren(m_fenster.frmKalmiro, Fensterart::Bildschirm, Bildschirm1024);
}

void TfrmInformation::menInfoClick(QAction* quelle) {
    InfoSeite = quelle == ui->menMessgeraete ? 2 : 1;
    SeiteZeigen();
    NeuZeichnen();
    // The caption changes quietly; the page chosen is said.
    Ansagen(Client(), Seitentitel(InfoSeite));
}

void TfrmInformation::SeiteZeigen() {
    setWindowTitle(Seitentitel(InfoSeite));
    for (QLabel* bild : m_bilderSeite1)
        bild->setVisible(InfoSeite == 1);
    for (QLabel* bild : m_bilderSeite2)
        bild->setVisible(InfoSeite == 2);
}

void TfrmInformation::FormPaint(QPainter& canvas) {
    canvas.setBrush(Qt::NoBrush); // text drawn over the white, not on a box
    for (const Infozeile& z : Seitenzeilen(InfoSeite))
        FontTextOut(canvas, z.x, z.y, QString::fromUtf16(z.text), QColor::fromRgb(0, 0, 0),
                    QColor::fromRgb(z.hervorhebung), schriftGroesse, true);
}

} // namespace kalmiro
