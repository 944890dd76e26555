#include "verslag_venster.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/controls.h"
#include "ui/teksten.h"

namespace sudoku {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString q(const char* s) { return QString::fromUtf8(s); }

// A colour of the core as 0x00BBGGRR.
QColor kernKleur(Kleur k) {
    return QColor(static_cast<int>(k & 0xFFu), static_cast<int>((k >> 8) & 0xFFu),
                  static_cast<int>((k >> 16) & 0xFFu));
}

QPushButton* knop(const char* tekst, QWidget* ouder) {
    auto* k = new QPushButton(q(tekst), ouder);
    k->setAccessibleName(k->text().remove('&'));
    k->setAutoDefault(false);
    return k;
}

}  // namespace

QColor markeerKleur(const QPalette& palet) {
    const QColor basis = palet.color(QPalette::Active, QPalette::Base);
    QColor naar = palet.color(QPalette::Active, QPalette::Highlight);
    const auto afstand = [](const QColor& a, const QColor& b) {
        return std::abs(a.redF() - b.redF()) + std::abs(a.greenF() - b.greenF()) +
               std::abs(a.blueF() - b.blueF());
    };
    // A highlight hardly apart from the base would not show: towards the text colour then.
    if (afstand(basis, naar) < 0.3) naar = palet.color(QPalette::Active, QPalette::Text);
    constexpr float deel = 0.25f;
    const auto meng = [](float a, float b) { return a + (b - a) * deel; };
    return QColor::fromRgbF(meng(basis.redF(), naar.redF()), meng(basis.greenF(), naar.greenF()),
                            meng(basis.blueF(), naar.blueF()));
}

KleinBord::KleinBord(QWidget* ouder) : QWidget(ouder) {
    setObjectName("KleinBord");
    setAccessibleName(q(teksten::VERSLAG_BORD_NAAM));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize KleinBord::sizeHint() const { return {9 * 26 + 3, 9 * 26 + 3}; }

void KleinBord::toon(const std::string& bord, const std::string& gegeven, int cel,
                     const std::bitset<81>& eenheid) {
    bord_ = bord;
    bord_.resize(81, '.');
    gegeven_ = gegeven;
    gegeven_.resize(81, '.');
    cel_ = cel >= 0 && cel < 81 ? cel : -1;
    eenheid_ = eenheid;
    update();
}

void KleinBord::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int maat = (std::min(width(), height()) - 3) / 9;
    const QPoint begin(1, 1);
    const QColor basis = palette().color(QPalette::Base);
    const QColor tint = markeerKleur(palette());
    const QColor lijn = palette().color(QPalette::Text);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(8, maat * 3 / 5));
    p.setFont(f);
    for (int i = 0; i < 81; ++i) {
        const QRect vak(begin + QPoint(i % 9 * maat, i / 9 * maat), QSize(maat, maat));
        p.fillRect(vak, eenheid_[static_cast<std::size_t>(i)] ? tint : basis);
        const char c = bord_[static_cast<std::size_t>(i)];
        if (c < '1' || c > '9') continue;
        QColor kleur = palette().color(QPalette::WindowText);
        if (i == cel_)
            kleur = kernKleur(KLEUR_ROOD);
        else if (gegeven_[static_cast<std::size_t>(i)] == c)
            kleur = kernKleur(KLEUR_GRIJS);
        p.setPen(kleur);
        p.drawText(vak, Qt::AlignCenter, QString(QChar(c)));
    }
    // Thin lines between the cells, thick ones around the blocks.
    for (int n = 0; n <= 9; ++n) {
        p.setPen(QPen(lijn, n % 3 == 0 ? 2 : 0.5));
        p.drawLine(begin + QPoint(n * maat, 0), begin + QPoint(n * maat, 9 * maat));
        p.drawLine(begin + QPoint(0, n * maat), begin + QPoint(9 * maat, n * maat));
    }
    if (cel_ >= 0) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(QRect(begin + QPoint(cel_ % 9 * maat, cel_ / 9 * maat), QSize(maat, maat))
                       .adjusted(2, 2, -2, -2));
    }
}

VerslagVenster::VerslagVenster(QWidget* ouder) : QWidget(ouder, Qt::Window) {
    setObjectName("Verslag");
    setWindowTitle(q(teksten::VERSLAG_TITEL));
    setAccessibleName(q(teksten::VERSLAG_TITEL));

    samenvatting_ = new QLabel(this);
    samenvatting_->setObjectName("Samenvatting");
    samenvatting_->setAccessibleName(q(teksten::VERSLAG_SAMENVATTING_NAAM));
    samenvatting_->setTextFormat(Qt::PlainText);
    samenvatting_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    samenvatting_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lijst_ = new QListWidget(this);
    lijst_->setObjectName("Stappen");
    lijst_->setAccessibleName(q(teksten::VERSLAG_STAPPEN_NAAM));
    // A step line is read whole: scrolled sideways in a narrow window, never cut short.
    lijst_->setTextElideMode(Qt::ElideNone);
    bord_ = new KleinBord(this);
    vorige_ = knop(teksten::VERSLAG_VORIGE, this);
    volgende_ = knop(teksten::VERSLAG_VOLGENDE, this);
    kopieer_ = knop(teksten::VERSLAG_KOPIEREN, this);
    auto* sluiten = knop(teksten::SLUITEN, this);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(samenvatting_);
    rechts->addWidget(bord_);
    rechts->addStretch(1);
    auto* midden = new QHBoxLayout;
    midden->addWidget(lijst_, 1);
    midden->addLayout(rechts);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(vorige_);
    knoppen->addWidget(volgende_);
    knoppen->addStretch(1);
    knoppen->addWidget(kopieer_);
    knoppen->addWidget(sluiten);
    auto* geheel = new QVBoxLayout(this);
    geheel->addLayout(midden, 1);
    geheel->addLayout(knoppen);

    connect(lijst_, &QListWidget::currentRowChanged, this, &VerslagVenster::bijKeuze);
    connect(vorige_, &QPushButton::clicked, this, [this] { kies(gekozen() - 1); });
    connect(volgende_, &QPushButton::clicked, this, [this] { kies(gekozen() + 1); });
    connect(kopieer_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(tekst()); });
    connect(sluiten, &QPushButton::clicked, this, &QWidget::close);
    // The arrows, Home and End move through the steps wherever the focus is in this window:
    // the list takes Up, Down, Home and End itself and Left and Right through eventFilter.
    lijst_->installEventFilter(this);
    const std::pair<int, int> toetsen[] = {{Qt::Key_Up, -1},  {Qt::Key_Left, -1},
                                           {Qt::Key_Down, 1}, {Qt::Key_Right, 1},
                                           {Qt::Key_Home, 0}, {Qt::Key_End, 0}};
    for (const auto& [toets, richting] : toetsen) {
        auto* s = new QShortcut(QKeySequence(toets), this);
        connect(s, &QShortcut::activated, this, [this, toets = toets, richting = richting] {
            if (toets == Qt::Key_Home)
                kies(0);
            else if (toets == Qt::Key_End)
                kies(lijst_->count() - 1);
            else
                kies(gekozen() + richting);
        });
    }
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    resize(920, 500);
    toon(nullptr);
}

bool VerslagVenster::eventFilter(QObject* doel, QEvent* e) {
    if (doel == lijst_ && e->type() == QEvent::KeyPress) {
        const int toets = static_cast<QKeyEvent*>(e)->key();
        if (toets == Qt::Key_Left || toets == Qt::Key_Right) {
            kies(gekozen() + (toets == Qt::Key_Left ? -1 : 1));
            return true;
        }
    }
    return QWidget::eventFilter(doel, e);
}

void VerslagVenster::toon(std::shared_ptr<const Verslag> verslag, bool bezig) {
    verslag_ = std::move(verslag);
    {
        const QSignalBlocker stil(lijst_);
        lijst_->clear();
    }
    kopieer_->setEnabled(verslag_ != nullptr);
    if (verslag_ == nullptr) {
        samenvatting_->setText(q(bezig ? teksten::VERSLAG_BEZIG : teksten::VERSLAG_GEEN));
        samenvatting_->setAccessibleDescription(samenvatting_->text());
        bord_->hide();
        vorige_->setEnabled(false);
        volgende_->setEnabled(false);
        return;
    }
    QStringList kop{q(teksten::verslagNiveau(verslag_->niveau)),
                    q(teksten::verslagOplossingen(verslag_->oplossingen))};
    for (int t = 0; t < AANTAL_TECHNIEKEN; ++t)
        if (const int n = verslag_->pad.aantal(static_cast<Techniek>(t)); n > 0)
            kop << q(teksten::verslagTechniek(static_cast<Techniek>(t), n));
    if (verslag_->pad.gebeurtenissen().empty()) kop << q(teksten::VERSLAG_GEEN_STAPPEN);
    samenvatting_->setText(kop.join('\n'));
    // A label with a name of its own is read by that name: the text goes in its description.
    samenvatting_->setAccessibleDescription(kop.join(", "));
    {
        const QSignalBlocker stil(lijst_);
        for (std::size_t i = 0; i < verslag_->pad.gebeurtenissen().size(); ++i)
            lijst_->addItem(q(verslag_->pad.regel(i)));
    }
    bord_->show();
    if (lijst_->count() > 0)
        lijst_->setCurrentRow(0);
    else
        bijKeuze(-1);
}

void VerslagVenster::kies(int i) {
    if (lijst_->count() == 0) return;
    lijst_->setCurrentRow(std::clamp(i, 0, lijst_->count() - 1));
}

int VerslagVenster::gekozen() const { return lijst_->currentRow(); }

void VerslagVenster::bijKeuze(int i) {
    if (verslag_ == nullptr) return;
    const Oplospad& pad = verslag_->pad;
    const int aantal = static_cast<int>(pad.gebeurtenissen().size());
    vorige_->setEnabled(i > 0);
    volgende_->setEnabled(i >= 0 && i + 1 < aantal);
    if (i < 0 || i >= aantal) {
        bord_->toon(pad.beginBord(), pad.beginBord(), -1, {});
        bord_->setAccessibleDescription({});
        return;
    }
    const auto stap = static_cast<std::size_t>(i);
    const Gebeurtenis& g = pad.gebeurtenissen()[stap];
    int cel = -1;
    std::bitset<81> eenheid;
    // An undone guess has no cell: its board is the one from before the guess.
    if (g.soort == Gebeurtenis::Soort::Stap && g.rij >= 1 && g.rij <= 9 && g.kol >= 1 &&
        g.kol <= 9) {
        cel = (g.rij - 1) * 9 + g.kol - 1;
        eenheid = g.reden.eenheid.cellen();
    }
    bord_->toon(pad.bordNa(stap), pad.beginBord(), cel, eenheid);
    bord_->setAccessibleDescription(q(pad.regel(stap)));
}

QString VerslagVenster::tekst() const {
    if (verslag_ == nullptr) return {};
    QStringList regels{q(teksten::verslagPuzzel(verslag_->pad.beginBord())), samenvatting_->text(),
                       QString(), q(teksten::VERSLAG_STAPPEN_KOP)};
    for (int i = 0; i < lijst_->count(); ++i) regels << lijst_->item(i)->text();
    return regels.join('\n') + '\n';
}

}  // namespace sudoku
