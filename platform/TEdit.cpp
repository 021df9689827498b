#include "platform/TEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QValidator>

namespace kalmiro {
namespace {

bool ausgangLaeuft = false;

// QLineEdit asks its validator about every change of the text, whatever made it: keys,
// paste, drop, middle click, input method, Undo and Redo. Only what differs from the last
// text it let through is filtered, so a refused character never lands and text the
// field already holds is never filtered again.
class Zeichenpruefer : public QValidator {
public:
    explicit Zeichenpruefer(TEdit* feld) : QValidator(feld), m_feld(feld) {}

    State validate(QString& text, int& pos) const override {
        if (text == m_letzter) return Acceptable;
        const qsizetype kuerzer = qMin(text.size(), m_letzter.size());
        qsizetype anfang = 0;
        while (anfang < kuerzer && text[anfang] == m_letzter[anfang])
            ++anfang;
        qsizetype ende = 0;
        while (ende < kuerzer - anfang &&
               text[text.size() - 1 - ende] == m_letzter[m_letzter.size() - 1 - ende])
            ++ende;
        const QStringView neu = QStringView(text).mid(anfang, text.size() - anfang - ende);
        const qsizetype platz = qMax<qsizetype>(0, m_feld->maxLength() - anfang - ende);
        const QString gefiltert = m_feld->Gefiltert(neu).left(platz);
        if (gefiltert != neu) {
            text = text.left(anfang) + gefiltert + text.right(ende);
            pos = static_cast<int>(anfang + gefiltert.size());
        }
        if (text.size() > m_feld->maxLength()) text.truncate(m_feld->maxLength());
        pos = qMin(pos, static_cast<int>(text.size()));
        m_letzter = text;
        return Acceptable;
    }

private:
    TEdit* m_feld;
    mutable QString m_letzter;
};

} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new Zeichenpruefer(this));
    connect(this, &QLineEdit::textChanged, this, &TEdit::Change);
    m_fokus = connect(qApp, &QApplication::focusChanged, this,
                      [this](QWidget*, QWidget* jetzt) { fokusGewechselt(jetzt); });
}

// ~QWidget hands the focus on, which reports to every field: by then this one is no
// longer a TEdit and must not hear it.
TEdit::~TEdit() {
    disconnect(m_fokus);
}

QString TEdit::Gefiltert(QStringView text) const {
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (QChar c : text) {
        // Surrogates, format and private-use characters are not printable either.
        if (!c.isPrint()) continue;
        const QChar r = m_filter ? m_filter(c) : c;
        if (r.isPrint()) ergebnis.append(r);
    }
    return ergebnis;
}

void TEdit::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    const Qt::KeyboardModifiers zusatz = e->modifiers();
    // Ctrl without Alt is a shortcut (Ctrl+V, Ctrl+Z); Ctrl+Alt is AltGr, a character.
    const bool kuerzel = (zusatz & Qt::ControlModifier) && !(zusatz & Qt::AltModifier);
    const bool eingabe = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool steuer = eingabe || (t.size() == 1 && (t[0] == Enter || t[0] == Rueck));
    if (t.isEmpty() || kuerzel ||
        (!steuer && t.size() == 1 && t[0].category() == QChar::Other_Control)) {
        // Navigation, Delete and shortcuts; what they insert is filtered all the same.
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
    if (!steuer) {
        // A refused key leaves the field, its selection included, as it is.
        const QString aus = Gefiltert(t);
        if (aus.isEmpty()) return;
        if (aus == t)
            QLineEdit::keyPressEvent(e);
        else
            insert(aus);
        return;
    }
    const QChar ein = eingabe ? Enter : t[0];
    const QChar aus = m_filter ? m_filter(ein) : ein;
    if (aus == Enter)
        focusNextChild();
    else if (aus == Rueck)
        backspace();
    else if (aus.isPrint())
        insert(QString(aus));
}

void TEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    switch (e->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        // A message box of an exit handler owes nothing.
        if (!ausgangLaeuft) m_ausgangOffen = true;
        return;
    default:
        break;
    }
    m_ausgangOffen = false;
    ausgang();
}

void TEdit::hideEvent(QHideEvent* e) {
    m_ausgangOffen = false;
    QLineEdit::hideEvent(e);
}

void TEdit::fokusGewechselt(QWidget* jetzt) {
    if (!m_ausgangOffen || !jetzt || jetzt->window() != window()) return;
    // The menu bar of this window is still the way out through the menu.
    if (qobject_cast<QMenuBar*>(jetzt)) return;
    m_ausgangOffen = false;
    if (jetzt != this) ausgang();
}

void TEdit::ausgang() {
    if (ausgangLaeuft || isHidden()) return;
    ausgangLaeuft = true;
    struct Zuruecksetzen {
        ~Zuruecksetzen() { ausgangLaeuft = false; }
    } zuruecksetzen;
    Q_EMIT Exit();
}

} // namespace kalmiro
