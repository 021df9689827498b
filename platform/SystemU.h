#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <functional>

namespace kalmiro {

// What the windows take from the system. Each piece can be replaced, so that every
// window runs offscreen in a test with a set clock, instant waits and recorded messages.

// Information box with one OK button. '\r' in the text breaks the line.
void Meldung(const QString& text);
// Blocks for ms milliseconds: paints and timers go on, input does not.
void Warte(int ms);
// The current local date and time.
QDateTime Jetzt();
// The size of the screen the program runs on.
QSize Bildschirmgroesse();

using MeldungsFunktion = std::function<void(const QString&)>;
using WarteFunktion = std::function<void(int)>;
using UhrFunktion = std::function<QDateTime()>;
using BildschirmFunktion = std::function<QSize()>;

// An empty function puts the real one back.
void MeldungSetzen(MeldungsFunktion f);
void WarteSetzen(WarteFunktion f);
void UhrSetzen(UhrFunktion f);
void BildschirmSetzen(BildschirmFunktion f);

// Message texts break lines with '\r'; widgets want '\n'.
QString Zeilenumbrueche(QString text);

} // namespace kalmiro
