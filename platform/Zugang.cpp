#include "platform/Zugang.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>

namespace kalmiro {
namespace {

Zugangsbeobachter beobachter;

// Whether anyone reads the texts: a screen reader (Qt's accessibility is active) or a test.
bool Gehoert() {
    return beobachter || QAccessible::isActive();
}

void Senden(QAccessibleEvent& ereignis) {
    if (beobachter) beobachter(ereignis);
    QAccessible::updateAccessibility(&ereignis);
}

struct Texte {
    Textquelle name;
    Textquelle beschreibung;
    QAccessible::Role rolle;
};

QHash<QWidget*, Texte>& Verzeichnis() {
    static QHash<QWidget*, Texte> verzeichnis;
    return verzeichnis;
}

// A widget whose texts are asked afresh each time; everything else as Qt has it.
class Beschrieben : public QAccessibleWidget {
public:
    Beschrieben(QWidget* w, QAccessible::Role rolle) : QAccessibleWidget(w, rolle) {}

    QString text(QAccessible::Text art) const override {
        const auto it = Verzeichnis().constFind(widget());
        if (it != Verzeichnis().cend()) {
            if (art == QAccessible::Name && it->name) return it->name();
            if (art == QAccessible::Description && it->beschreibung) return it->beschreibung();
        }
        return QAccessibleWidget::text(art);
    }
};

// Screen readers on Linux read a notification out when it appears; Qt before 6.8 has no
// announcement of its own, so each window's announcements come from one of these,
// unseen beside the widget that speaks.
class Ansage : public QObject {
public:
    explicit Ansage(QObject* eltern) : QObject(eltern) { setObjectName(QStringLiteral("Ansage")); }
    QString text;
};

class AnsageZugang : public QAccessibleObject {
public:
    explicit AnsageZugang(Ansage* ansage) : QAccessibleObject(ansage) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? static_cast<const Ansage*>(object())->text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* Fabrik(const QString&, QObject* objekt) {
    if (auto* ansage = dynamic_cast<Ansage*>(objekt)) return new AnsageZugang(ansage);
    if (!objekt || !objekt->isWidgetType() || qobject_cast<QLineEdit*>(objekt)) return nullptr;
    auto* w = static_cast<QWidget*>(objekt);
    const auto it = Verzeichnis().constFind(w);
    return it == Verzeichnis().cend() ? nullptr : new Beschrieben(w, it->rolle);
}

void Schreibe(QLineEdit* feld, const Texte& texte) {
    if (texte.name) {
        const QString name = texte.name();
        if (name != feld->accessibleName()) feld->setAccessibleName(name);
    }
    if (texte.beschreibung) {
        const QString beschreibung = texte.beschreibung();
        if (beschreibung != feld->accessibleDescription())
            feld->setAccessibleDescription(beschreibung);
    }
}

// The texts of the described entry fields below wurzel, or of all of them.
void FelderSchreiben(const QWidget* wurzel = nullptr) {
    for (auto it = Verzeichnis().cbegin(); it != Verzeichnis().cend(); ++it) {
        auto* feld = qobject_cast<QLineEdit*>(it.key());
        if (feld && (!wurzel || feld == wurzel || wurzel->isAncestorOf(feld)))
            Schreibe(feld, it.value());
    }
}

// A screen reader started while the program runs finds every field current.
class Einschalten : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool aktiv) override {
        if (aktiv) FelderSchreiben();
    }
};

void Einrichten() {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(Fabrik);
        static Einschalten einschalten;
        QAccessible::installActivationObserver(&einschalten);
        // A screen reader reads the field that takes the focus: its texts must be current.
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* neu) {
            if (neu) ZugangstexteAktualisieren(neu->window());
        });
        return true;
    }();
    Q_UNUSED(eingerichtet);
}

} // namespace

void Beschreiben(QWidget* w, Textquelle name, Textquelle beschreibung) {
    if (!w) return;
    Einrichten();
    QAccessibleInterface* bisher = QAccessible::queryAccessibleInterface(w);
    const QAccessible::Role rolle = bisher ? bisher->role() : QAccessible::Client;
    if (!Verzeichnis().contains(w))
        QObject::connect(w, &QObject::destroyed, [w] { Verzeichnis().remove(w); });
    Verzeichnis().insert(w, {std::move(name), std::move(beschreibung), rolle});

    if (auto* feld = qobject_cast<QLineEdit*>(w)) {
        Schreibe(feld, Verzeichnis().value(w));
        return;
    }
    // Qt made its interface when the widget was set up; drop it, so the next question
    // reaches the one that asks the sources.
    if (bisher && !dynamic_cast<Beschrieben*>(bisher))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(bisher));
}

void ZugangstexteAktualisieren(const QWidget* wurzel) {
    if (wurzel && Gehoert()) FelderSchreiben(wurzel);
}

QString Vorlesbar(QString text) {
    return text.replace(QStringLiteral(" / "), QStringLiteral(" von ")).replace(u'\n', u' ');
}

void WertBenennen(QLabel* wert, const QString& titel) {
    Beschreiben(wert,
                [wert, titel] { return titel + QStringLiteral(": ") + Vorlesbar(wert->text()); });
}

void NachGruppeBenennen(QLabel* wert) {
    auto* gruppe = qobject_cast<QGroupBox*>(wert ? wert->parentWidget() : nullptr);
    WertBenennen(wert, gruppe ? gruppe->title().trimmed() : QString());
}

void Ansagen(QWidget* quelle, const QString& text) {
    if (!quelle) return;
    Einrichten();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent ansage(quelle, text);
    Senden(ansage);
#else
    Ansage* ansage = nullptr;
    for (QObject* kind : quelle->children())
        if ((ansage = dynamic_cast<Ansage*>(kind))) break;
    if (!ansage) ansage = new Ansage(quelle);
    ansage->text = text;
    QAccessibleEvent name(ansage, QAccessible::NameChanged);
    Senden(name);
    QAccessibleEvent zeigen(ansage, QAccessible::ObjectShow);
    Senden(zeigen);
#endif
}

void ZugangsbeobachterSetzen(Zugangsbeobachter b) {
    beobachter = std::move(b);
    if (beobachter) FelderSchreiben();
}

} // namespace kalmiro
