#pragma once

#include "platform/TForm.h"
#include "platform/TSekundentakt.h"
#include "screens/Fenster.h"

#include <QImage>
#include <memory>

class QAction;

namespace Ui {
class frmKalmiro;
}

namespace kalmiro {

class TPaintBox;

// The main window: title, version line, the title clock and the menu that opens
// every topic screen.
class TfrmKalmiro : public TForm {
    Q_OBJECT
public:
    explicit TfrmKalmiro(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmKalmiro() override;

    TPaintBox* Uhr() const;
    QTimer* Timer1() const { return m_timer1; }

protected:
    void FormActivate() override;
    void FormPaint(QPainter& canvas) override;

private:
    void menBeendenClick();
    void menZeitClick(QAction* quelle);
    void menMusterClick(QAction* quelle);
    void menUebClick(QAction* quelle);
    void menZeitdauerClick(QAction* quelle);
    void menZeitzoneClick();
    void menZugClick();
    void menFlugClick();
    void menInfoClick();

    void pntUhrPaint(QPainter& canvas);
    void Timer1Timer();

    // Hides this window, shows the screen modally, shows this window again and,
    // unless told otherwise, puts the clock's world mapping back.
    void Oeffne(TForm* ziel, bool abbildungZurueck = true);

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmKalmiro> ui;
    TSekundentakt* m_timer1;
    QImage m_holz;
};

// The clock's world mapping: world -10..10 on the 500 x 500 pixels of its paint box.
void UhrAbbildungSetzen();

// The time the clock shows, as a screen reader reads it: "14:05:09 Uhr".
QString UhrzeitText(const QTime& zeit);

} // namespace kalmiro
