#include "screens/einheiten/VerwandlungsketteU.h"

#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "draw/SchriftU.h"
#include "platform/Anzeige.h"
#include "platform/Zugang.h"
#include "ui_VerwandlungsketteU.h"

#include <QPainter>

namespace kalmiro {
namespace {

constexpr int schriftGroesse = 12;
constexpr QColor schwarz(0, 0, 0);
constexpr QColor rot(255, 0, 0);

struct Beschriftung {
    int versatz; // from the middle of the window
    const char* text;
    bool faktor; // red above the line, otherwise a black unit below it
};

constexpr Beschriftung beschriftungen[] = {
    {-175, "h", false}, {-125, "60", true}, {-75, "min", false},
    {-25, "60", true},  {25, "s", false},   {50, "10", true},
    {100, "10", true},  {150, "10", true},  {175, "ms", false},
};

// Every step of the chain, the unnamed tenths and hundredths of a second included.
constexpr int striche[] = {-175, -75, 25, 75, 125, 175};

QPen Stift(const QColor& farbe) {
    QPen stift(farbe, 2);
    stift.setCapStyle(Qt::FlatCap);
    return stift;
}

// The chain from left to right as a screen reader reads it: units, and "mal" before
// each factor.
QString Vorgelesen() {
    QStringList teile;
    for (const Beschriftung& b : beschriftungen)
        teile << (b.faktor ? QStringLiteral("mal ") : QString()) + QString::fromLatin1(b.text);
    return teile.join(QStringLiteral(", "));
}

} // namespace

TfrmVerwandlungsketten::TfrmVerwandlungsketten(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmVerwandlungsketten>()) {
    ui->setupUi(this);
    // The palette is filled only when the main window first activates.
    Einrichten(Rahmen::Einfach, Rgb(240, 240, 240));
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
    EscapeSchliesst();
    Beschreiben(
        Client(), [] { return QStringLiteral("Umwandlungskette"); }, Vorgelesen);
    MasseSetzen();
}

TfrmVerwandlungsketten::~TfrmVerwandlungsketten() = default;

void TfrmVerwandlungsketten::FormActivate() {
    if (IstFarbe(fbGrau240)) Hintergrundfarbe(Client(), QColor::fromRgb(fbGrau240));
    MasseSetzen();
    Platzieren(m_fenster.frmKalmiro, Fensterart::Dialog, Bildschirm1024);
}

void TfrmVerwandlungsketten::MasseSetzen() {
    const QSize client = ClientGroesse();
    MitteY = client.height() / 2;
    Breite = client.width();
    MitteX = client.width() / 2;
}

void TfrmVerwandlungsketten::FormPaint(QPainter& canvas) {
    canvas.setPen(Stift(schwarz));
    canvas.drawLine(15, MitteY, Breite - 15, MitteY);
    for (int x : striche)
        canvas.drawLine(MitteX + x, MitteY - 3, MitteX + x, MitteY + 3);

    for (const Beschriftung& b : beschriftungen) {
        const QString text = QString::fromLatin1(b.text);
        const int w = TextWidthMarked(canvas, text, schriftGroesse, true);
        const int oben = b.faktor ? MitteY - 25 : MitteY + 10;
        DrawMarkedText(canvas, text, MitteX + b.versatz - w / 2, oben, b.faktor ? rot : schwarz,
                       schriftGroesse, true);
    }

    canvas.setPen(Stift(rot));
    for (int x : striche)
        canvas.drawLine(MitteX + x, MitteY - 22, MitteX + x, MitteY - 12);
}

} // namespace kalmiro
