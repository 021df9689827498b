#pragma once

#include <QLineEdit>
#include <functional>

namespace kalmiro {

// Entry field with a key filter, a change event and an exit event.
//
// The filter sees every character that reaches the field: typed keys (Enter as '\r',
// Backspace as '\b'), pasted and dropped text and input-method text alike. It returns
// the character to insert, possibly changed, or a null QChar to drop it. A '\r' that
// passes moves the focus to the next control.
//
// Exit fires when the focus moves to another control of the same window, not when
// another window, a popup or the menu bar takes it; focus changes made while an exit
// handler runs (the handler putting the focus back, say) fire no further exit.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    using Filter = std::function<QChar(QChar)>;

    explicit TEdit(QWidget* parent = nullptr);

    void SetzeFilter(Filter filter) { m_filter = std::move(filter); }

    static constexpr QChar Enter = u'\r';
    static constexpr QChar Rueck = u'\b';

Q_SIGNALS:
    void Exit();
    // Any change of the text, also one made by the program.
    void Change();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void nachfiltern(const QString& vorher);

    Filter m_filter;
    bool m_intern = false;
};

} // namespace kalmiro
