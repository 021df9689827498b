#pragma once

#include <QLineEdit>
#include <functional>

namespace kalmiro {

// Entry field with a key filter, a change event and an exit event.
//
// The filter sees every character that reaches the field, whatever the path: typed keys
// (Enter as '\r', Backspace as '\b', with or without Alt), pasted, dropped and
// middle-clicked text, input-method text, and what Undo and Redo bring back. It returns
// the character to insert, possibly changed, or a null QChar to drop it; characters that
// are not printable never reach it and are dropped. A '\r' that passes moves the focus to
// the next control. The filter judges one character at a time, never the field's text.
//
// Exit fires when the focus moves to another control of the same window. When another
// window, a popup or the menu takes the focus, Exit waits: it fires once the focus comes
// back to this window on another control, not when it comes back to the field itself.
// Focus changes made while an exit handler runs (the handler putting the focus back, its
// message box) fire no further exit.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    using Filter = std::function<QChar(QChar)>;

    explicit TEdit(QWidget* parent = nullptr);
    ~TEdit() override;

    void FilterSetzen(Filter filter) { m_filter = std::move(filter); }

    // Empties the field for good: unlike QLineEdit::clear(), Undo does not bring the old
    // text back. Hides QLineEdit::clear(), so a screen's clear() is always this one.
    void clear() { setText(QString()); }

    // The field's cap counts what the filter lets through: a paste of "4 Runden, 5" into a
    // field of three digits keeps "45". Hides QLineEdit's own cap, which would cut the
    // pasted text before the filter sees it (uic sets it through this one too).
    void setMaxLength(int laenge) { m_laenge = laenge; }
    int maxLength() const { return m_laenge; }

    // What the filter makes of a text: refused and unprintable characters dropped.
    QString Gefiltert(QStringView text) const;

    static constexpr QChar Enter = u'\r';
    static constexpr QChar Rueck = u'\b';

Q_SIGNALS:
    void Exit();
    // Any change of the text, also one made by the program.
    void Change();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void fokusGewechselt(QWidget* jetzt);
    void ausgang();

    Filter m_filter;
    QMetaObject::Connection m_fokus;
    int m_laenge = 32767;
    // Left to another window, a popup or the menu: the exit is still owed.
    bool m_ausgangOffen = false;
};

} // namespace kalmiro
