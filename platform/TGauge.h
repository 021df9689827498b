#pragma once

#include <QColor>
#include <QProgressBar>

namespace kalmiro {

// Vertical bar gauge without text, filled from the bottom in its fill colour.
class TGauge : public QProgressBar {
    Q_OBJECT
public:
    explicit TGauge(QWidget* parent = nullptr);

    void FuellfarbeSetzen(const QColor& farbe);
    QColor Fuellfarbe() const { return m_farbe; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_farbe{0, 0, 0};
};

} // namespace kalmiro
