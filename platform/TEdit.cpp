#include "platform/TEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace kalmiro {
namespace {
bool ausgangLaeuft = false;
}

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TEdit::Change);
}

bool TEdit::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
        // Typed characters are filtered in keyPressEvent; only a paste is checked here.
        if (!static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste)) return QLineEdit::event(e);
        [[fallthrough]];
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu: {
        // Whatever these bring in (paste, drop, middle-click selection, input method)
        // goes through the filter afterwards.
        const QString vorher = text();
        const bool r = QLineEdit::event(e);
        if (m_filter && !m_intern) nachfiltern(vorher);
        return r;
    }
    default:
        return QLineEdit::event(e);
    }
}

void TEdit::nachfiltern(const QString& vorher) {
    const QString neu = text();
    if (neu == vorher) return;
    qsizetype anfang = 0;
    const qsizetype kuerzer = qMin(neu.size(), vorher.size());
    while (anfang < kuerzer && neu[anfang] == vorher[anfang]) ++anfang;
    qsizetype ende = 0;
    while (ende < kuerzer - anfang &&
           neu[neu.size() - 1 - ende] == vorher[vorher.size() - 1 - ende])
        ++ende;
    const QString eingefuegt = neu.mid(anfang, neu.size() - anfang - ende);
    QString gefiltert;
    gefiltert.reserve(eingefuegt.size());
    for (QChar c : eingefuegt) {
        if (c.category() == QChar::Other_Control) continue;
        const QChar r = m_filter(c);
        if (!r.isNull() && r != Enter && r != Rueck) gefiltert.append(r);
    }
    if (gefiltert == eingefuegt) return;
    m_intern = true;
    setText(neu.left(anfang) + gefiltert + neu.right(ende));
    setCursorPosition(static_cast<int>(anfang + gefiltert.size()));
    m_intern = false;
}

void TEdit::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    const bool zeichen = t.size() == 1 && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                         (t[0].isPrint() || t[0] == Enter || t[0] == Rueck);
    if (!zeichen) {
        // Navigation, Delete and shortcuts; a paste is filtered in event().
        QLineEdit::keyPressEvent(e);
        return;
    }
    const QChar ein = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) ? Enter : t[0];
    const QChar aus = m_filter ? m_filter(ein) : ein;
    e->accept();
    if (aus.isNull()) return;
    if (aus == Enter) {
        focusNextChild();
        return;
    }
    if (aus == Rueck) {
        backspace();
        return;
    }
    if (aus == ein) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    m_intern = true;
    insert(QString(aus));
    m_intern = false;
}

void TEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    switch (e->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return;
    default:
        break;
    }
    if (ausgangLaeuft || isHidden()) return;
    ausgangLaeuft = true;
    struct Zuruecksetzen {
        ~Zuruecksetzen() { ausgangLaeuft = false; }
    } zuruecksetzen;
    Q_EMIT Exit();
}

} // namespace kalmiro
