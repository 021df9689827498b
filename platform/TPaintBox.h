#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace kalmiro {

// A transparent drawing area whose paint handler belongs to the window that holds it.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace kalmiro
