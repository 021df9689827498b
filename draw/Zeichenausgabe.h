#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace kalmiro {

// Pieces shared by the marked-up text routines of SchriftU, FontU and SchriftSysU,
// which measure and draw their texts one character at a time.

// The length of the character that starts at i: two code units for a surrogate pair,
// so that a pasted emoji is measured and drawn as one character, not as two halves.
inline qsizetype ZeichenLaenge(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

// One font of a marked-up text and its metrics on the canvas's device.
struct Schriftschnitt {
    Schriftschnitt(const QFont& f, const QPainter& canvas)
        : schrift(f), masse(f, canvas.device()), oberlaenge(masse.ascent()) {}

    int Breite(const QString& text, qsizetype i, qsizetype n) const {
        return n == 1 ? masse.horizontalAdvance(text[i]) : masse.horizontalAdvance(text.mid(i, n));
    }

    QFont schrift;
    QFontMetrics masse;
    int oberlaenge;
};

// Draws characters with their top-left corner at a pixel point. Text takes its colour
// from the pen, but on the canvas the text colour is not the line colour: the pen is
// put back at the end, so a routine that left the pen clear still finds it clear.
// Over a solid brush text is drawn opaque in the brush colour, over a clear brush
// transparent. An inactive canvas draws nothing.
class Zeichenausgabe {
public:
    explicit Zeichenausgabe(QPainter& canvas) : m_canvas(canvas), m_aktiv(canvas.isActive()) {
        if (!m_aktiv) return;
        m_stift = canvas.pen();
        m_modus = canvas.backgroundMode();
        m_hintergrund = canvas.background();
        const QBrush& pinsel = canvas.brush();
        if (pinsel.style() != Qt::NoBrush) {
            canvas.setBackgroundMode(Qt::OpaqueMode);
            canvas.setBackground(pinsel.color());
        } else {
            canvas.setBackgroundMode(Qt::TransparentMode);
        }
    }
    ~Zeichenausgabe() {
        if (!m_aktiv) return;
        m_canvas.setPen(m_stift);
        m_canvas.setBackgroundMode(m_modus);
        m_canvas.setBackground(m_hintergrund);
    }
    Zeichenausgabe(const Zeichenausgabe&) = delete;
    Zeichenausgabe& operator=(const Zeichenausgabe&) = delete;

    void Farbe(const QColor& farbe) {
        if (m_aktiv) m_canvas.setPen(QPen(farbe));
    }

    // The canvas keeps the font last used, as the text routines leave it.
    void Schrift(const Schriftschnitt& schnitt) {
        if (m_schnitt == &schnitt) return;
        m_schnitt = &schnitt;
        if (m_aktiv) m_canvas.setFont(schnitt.schrift);
    }

    void Zeichne(const Schriftschnitt& schnitt, int x, int y, const QString& text, qsizetype i,
                 qsizetype n) {
        Schrift(schnitt);
        if (!m_aktiv) return;
        const QPoint grundlinie(x, y + schnitt.oberlaenge);
        if (n == 1)
            m_canvas.drawText(grundlinie, QString(text[i]));
        else
            m_canvas.drawText(grundlinie, text.mid(i, n));
    }

private:
    QPainter& m_canvas;
    bool m_aktiv;
    QPen m_stift;
    Qt::BGMode m_modus = Qt::TransparentMode;
    QBrush m_hintergrund;
    const Schriftschnitt* m_schnitt = nullptr;
};

} // namespace kalmiro
