#pragma once

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;

namespace kalmiro {

// Group box of radio buttons in columns, filled column by column like a radio group.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ ItemIndex WRITE ItemIndexSetzen)
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QStringList items() const { return m_eintraege; }
    void setItems(const QStringList& eintraege);
    int columns() const { return m_spalten; }
    void setColumns(int spalten);

    // -1 when nothing is selected. Setting it from the program emits no Click.
    int ItemIndex() const;
    void ItemIndexSetzen(int index);

    // The item's radio button (to name it for a screen reader); none outside the items.
    QAbstractButton* Eintrag(int index) const;
    // The keyboard focus to the selected item (the first if none is), so the arrow keys
    // start from the choice that stands.
    void FokusAufAuswahl();

Q_SIGNALS:
    // The pupil clicked an item.
    void Click();

private:
    void aufbauen();

    QStringList m_eintraege;
    int m_spalten = 1;
    QButtonGroup* m_gruppe;
    QGridLayout* m_raster;
};

} // namespace kalmiro
