#include "platform/TRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace kalmiro {

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent), m_gruppe(new QButtonGroup(this)), m_raster(new QGridLayout(this)) {
    m_gruppe->setExclusive(true);
    m_raster->setContentsMargins(8, 4, 8, 4);
    m_raster->setSpacing(2);
    connect(m_gruppe, &QButtonGroup::idClicked, this, [this](int) { Q_EMIT Click(); });
}

void TRadioGroup::setItems(const QStringList& eintraege) {
    m_eintraege = eintraege;
    aufbauen();
}

void TRadioGroup::setColumns(int spalten) {
    m_spalten = qMax(1, spalten);
    aufbauen();
}

void TRadioGroup::aufbauen() {
    const int alt = ItemIndex();
    const auto knoepfe = m_gruppe->buttons();
    for (QAbstractButton* k : knoepfe) {
        m_gruppe->removeButton(k);
        delete k;
    }
    const int n = static_cast<int>(m_eintraege.size());
    const int zeilen = (n + m_spalten - 1) / m_spalten;
    for (int i = 0; i < n; ++i) {
        auto* k = new QRadioButton(m_eintraege[i], this);
        k->setObjectName(objectName() + QStringLiteral("_") + QString::number(i));
        m_gruppe->addButton(k, i);
        m_raster->addWidget(k, zeilen > 0 ? i % zeilen : 0, zeilen > 0 ? i / zeilen : 0);
    }
    if (alt >= 0 && alt < n) ItemIndexSetzen(alt);
}

int TRadioGroup::ItemIndex() const {
    return m_gruppe->checkedId();
}

void TRadioGroup::ItemIndexSetzen(int index) {
    if (QAbstractButton* k = m_gruppe->button(index)) {
        k->setChecked(true);
        return;
    }
    // No item: clear the selection.
    if (QAbstractButton* k = m_gruppe->checkedButton()) {
        m_gruppe->setExclusive(false);
        k->setChecked(false);
        m_gruppe->setExclusive(true);
    }
}

QAbstractButton* TRadioGroup::Eintrag(int index) const {
    return m_gruppe->button(index);
}

void TRadioGroup::FokusAufAuswahl() {
    QAbstractButton* k = m_gruppe->checkedButton();
    if (!k) k = Eintrag(0);
    if (k) k->setFocus(Qt::OtherFocusReason);
}

} // namespace kalmiro
