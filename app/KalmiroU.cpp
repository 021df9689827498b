#include "app/KalmiroU.h"

#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "draw/AnaloguhrU.h"
#include "draw/KoordU.h"
#include "platform/SystemU.h"
#include "platform/TPaintBox.h"
#include "platform/Zugang.h"
#include "screens/dialoge/InformationenU.h"
#include "screens/einheiten/EinheitenU.h"
#include "screens/grundrechnungsarten/MusterbeispieleU.h"
#include "screens/grundrechnungsarten/UebungsbeispieleU.h"
#include "screens/zeitpunkt/ZeitpunktU.h"
#include "screens/zeitpunkt/ZugverkehrU.h"
#include "screens/zeitzonen/ZeitzonenU.h"
#include "ui_KalmiroU.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace kalmiro {

void UhrAbbildungSetzen() {
    SetWorld(-10, 10, -10, 10, 0, 500, 0, 500);
}

TfrmKalmiro::TfrmKalmiro(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmKalmiro>()),
      m_timer1(new TSekundentakt(this)) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach);

    // The rim pattern of the clock, kept in the hidden picture as the layout has it.
    m_holz = QImage(QStringLiteral(":/bilder/uhr/holz.png"));
    ui->img->setPixmap(QPixmap::fromImage(m_holz));
    ui->pntUhr->OnPaint = [this](QPainter& canvas) { pntUhrPaint(canvas); };
    Beschreiben(
        ui->pntUhr, [] { return QStringLiteral("Uhr"); },
        [] { return QStringLiteral("Die Uhr zeigt ") + UhrzeitText(Jetzt().time()) + u'.'; });

    connect(ui->menBeenden, &QAction::triggered, this, &TfrmKalmiro::menBeendenClick);
    for (QAction* a : {ui->menZeitoB, ui->menZeitmB})
        connect(a, &QAction::triggered, this, [this, a] { menZeitClick(a); });
    for (QAction* a : {ui->menMusterAdd, ui->menMusterSub, ui->menMusterMult, ui->menMusterDiv})
        connect(a, &QAction::triggered, this, [this, a] { menMusterClick(a); });
    for (QAction* a : {ui->menUebAdd, ui->menUebSub, ui->menUebMult, ui->menUebDiv})
        connect(a, &QAction::triggered, this, [this, a] { menUebClick(a); });
    for (QAction* a : {ui->menBegriffe, ui->menZeitMuster})
        connect(a, &QAction::triggered, this, [this, a] { menZeitdauerClick(a); });
    connect(ui->menZeitzone, &QAction::triggered, this, &TfrmKalmiro::menZeitzoneClick);
    connect(ui->menZug, &QAction::triggered, this, &TfrmKalmiro::menZugClick);
    connect(ui->menFlug, &QAction::triggered, this, &TfrmKalmiro::menFlugClick);
    connect(ui->menInfo, &QAction::triggered, this, &TfrmKalmiro::menInfoClick);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &TfrmKalmiro::Timer1Timer);
    m_timer1->Starten();
}

TfrmKalmiro::~TfrmKalmiro() = default;

TPaintBox* TfrmKalmiro::Uhr() const {
    return ui->pntUhr;
}

void TfrmKalmiro::FormActivate() {
    // Drawing goes to the painter each paint receives, so the clock's canvas needs no
    // switching here; the mapping is all the clock reads.
    InitWorld(-10, 10, -10, 10, 0, 500, 0, 500);
    SetBackColor(KeineFarbe);
    FarbenSetzen();
    Durchgang = 1;
    ZeitanzeigeEin = false;
    MaxDurchgaenge = StandardDurchgaenge;
    Bildschirm1024 = false;
    if (Bildschirmgroesse() == QSize(1024, 768)) {
        Maximieren();
        Bildschirm1024 = true;
    }
}

void TfrmKalmiro::FormPaint(QPainter& canvas) {
    // The 7-pixel lines and the 1-pixel ruling as the rows they cover: a line on the
    // window's top edge would lose half its width at 200 %.
    const QSize groesse = ClientGroesse();
    for (int k = 0; 5 * k < groesse.height(); ++k)
        canvas.fillRect(0, 5 * k - 3, groesse.width(), 7, QColor(0, 0, qMin(255, 60 + k)));
    for (int y = 0; y < groesse.height(); y += 7)
        canvas.fillRect(0, y, groesse.width(), 1, Qt::black);
}

void TfrmKalmiro::Oeffne(TForm* ziel, bool abbildungZurueck) {
    if (!ziel) return;
    hide();
    ziel->ZeigeModal();
    show();
    if (abbildungZurueck) UhrAbbildungSetzen();
}

void TfrmKalmiro::menBeendenClick() {
    close();
}

void TfrmKalmiro::menZeitClick(QAction* quelle) {
    EinheitenArt = quelle == ui->menZeitmB ? 2 : 1;
    MaxDurchgaenge[1] = StandardDurchgaenge[1];
    Oeffne(m_fenster.frmEinheiten, false);
}

void TfrmKalmiro::menMusterClick(QAction* quelle) {
    const QAction* punkte[] = {ui->menMusterAdd, ui->menMusterSub, ui->menMusterMult,
                               ui->menMusterDiv};
    for (int i = 0; i < 4; ++i)
        if (punkte[i] == quelle) MusterArt = i + 1;
    Oeffne(m_fenster.frmMuster);
}

void TfrmKalmiro::menUebClick(QAction* quelle) {
    const QAction* punkte[] = {ui->menUebAdd, ui->menUebSub, ui->menUebMult, ui->menUebDiv};
    for (int i = 0; i < 4; ++i)
        if (punkte[i] == quelle) UebungArt = i + 1;
    Oeffne(m_fenster.frmUebung);
}

void TfrmKalmiro::menZeitdauerClick(QAction* quelle) {
    ZeitpunktArt = quelle == ui->menZeitMuster ? 2 : 1;
    Oeffne(m_fenster.frmZeitpunkt);
}

void TfrmKalmiro::menZeitzoneClick() {
    BeispielArt = 1;
    Oeffne(m_fenster.frmZeitzonen);
}

void TfrmKalmiro::menZugClick() {
    Oeffne(m_fenster.frmZugverkehr);
}

void TfrmKalmiro::menFlugClick() {
    BeispielArt = 2;
    Oeffne(m_fenster.frmZeitzonen);
}

void TfrmKalmiro::menInfoClick() {
    Oeffne(m_fenster.frmInformation);
}

void TfrmKalmiro::pntUhrPaint(QPainter& canvas) {
    PaintBackground(canvas);
    DrawClockFaceBitmap(canvas, fbGrau240, m_holz, 0, 0, 7);
    DrawClockHands(canvas, QColor(0, 0, 0), fbGrau128, fbPink, 7, 5, 3, Jetzt().time(), 0, 0, 7);
}

void TfrmKalmiro::Timer1Timer() {
    ui->pntUhr->update();
}

QString UhrzeitText(const QTime& zeit) {
    return zeit.toString(QStringLiteral("H:mm:ss")) + QStringLiteral(" Uhr");
}

} // namespace kalmiro
