#include "verslag_venster.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

#include "board/controls.h"
#include "uitleg/teksten.h"
#include "uitleg/verslag_lijst.h"
#include "venster/teksten.h"
#include "venster_hulp.h"

namespace sudoku {

using venster::q;

namespace {

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

void KleinBord::toonUitleg(const std::bitset<81>& bewijs, const std::bitset<81>& verwijderd,
                           int cijfer) {
    bewijs_ = bewijs;
    verwijderd_ = verwijderd;
    cijfer_ = cijfer;
    update();
}

void KleinBord::toonKandidaten(const Kandidaten* kandidaten) {
    if (kandidaten != nullptr)
        kandidaten_ = *kandidaten;
    else
        kandidaten_.reset();
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
        if (c < '1' || c > '9') {
            if (kandidaten_) tekenKandidaten(p, vak, i);
            continue;
        }
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
    const auto rand = [&](int i) {
        return QRect(begin + QPoint(i % 9 * maat, i / 9 * maat), QSize(maat, maat))
            .adjusted(3, 3, -3, -3);
    };
    for (int i = 0; i < 81; ++i) {
        if (bewijs_[static_cast<std::size_t>(i)]) {
            p.setPen(QPen(bewijsRandKleur(palette()), 2));
            p.drawRect(rand(i));
        }
        if (verwijderd_[static_cast<std::size_t>(i)]) {
            p.setPen(QPen(kernKleur(KLEUR_ROOD), 2, Qt::DashLine));
            p.drawRect(rand(i));
        }
    }
    if (cel_ >= 0) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(QRect(begin + QPoint(cel_ % 9 * maat, cel_ / 9 * maat), QSize(maat, maat))
                       .adjusted(2, 2, -2, -2));
    }
}

void KleinBord::tekenKandidaten(QPainter& p, const QRect& vak, int i) {
    const std::bitset<9>& mag = (*kandidaten_)[static_cast<std::size_t>(i)];
    const bool weg = verwijderd_[static_cast<std::size_t>(i)] && cijfer_ >= 1 && cijfer_ <= 9;
    p.save();
    QFont f = p.font();
    f.setBold(false);
    f.setPixelSize(std::max(6, vak.height() / 3 - 1));
    p.setFont(f);
    const int derde = vak.width() / 3;
    for (int d = 1; d <= 9; ++d) {
        const bool geschrapt = weg && d == cijfer_;
        if (!mag[static_cast<std::size_t>(d - 1)] && !geschrapt) continue;
        const QRect plek(vak.left() + (d - 1) % 3 * derde, vak.top() + (d - 1) / 3 * derde, derde,
                         derde);
        p.setPen(geschrapt ? kernKleur(KLEUR_ROOD) : palette().color(QPalette::Text));
        p.drawText(plek, Qt::AlignCenter, QString::number(d));
        if (geschrapt) p.drawLine(plek.bottomLeft(), plek.topRight());
    }
    p.restore();
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
    uitleg_ = new QLabel(this);
    uitleg_->setObjectName("StapUitleg");
    uitleg_->setAccessibleName(q(teksten::VERSLAG_UITLEG_NAAM));
    uitleg_->setTextFormat(Qt::PlainText);
    uitleg_->setWordWrap(true);
    uitleg_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    uitleg_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    uitleg_->setMinimumWidth(bord_->sizeHint().width());
    uitleg_->setMaximumWidth(bord_->sizeHint().width() + 120);
    kandidatenVak_ = new QCheckBox(q(teksten::VERSLAG_KANDIDATEN), this);
    kandidatenVak_->setObjectName("Kandidaten");
    kandidatenVak_->setAccessibleName(kandidatenVak_->text().remove('&'));
    vorige_ = knop(teksten::VERSLAG_VORIGE, this);
    volgende_ = knop(teksten::VERSLAG_VOLGENDE, this);
    kopieer_ = knop(teksten::VERSLAG_KOPIEREN, this);
    auto* sluiten = knop(teksten::SLUITEN, this);

    // The summary, the board and the explanation scroll beside the list, so that the window
    // fits a small screen (a large scale factor) with its buttons in sight.
    auto* rechtsVlak = new QWidget;
    auto* rechts = new QVBoxLayout(rechtsVlak);
    rechts->setContentsMargins(0, 0, 0, 0);
    rechts->addWidget(samenvatting_);
    rechts->addWidget(bord_);
    rechts->addWidget(kandidatenVak_);
    rechts->addWidget(uitleg_, 1);
    auto* rechtsRol = new QScrollArea(this);
    rechtsRol->setObjectName("VerslagRechts");
    rechtsRol->setFrameShape(QFrame::NoFrame);
    rechtsRol->setFocusPolicy(Qt::NoFocus);
    rechtsRol->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rechtsRol->setWidgetResizable(true);
    rechtsRol->setWidget(rechtsVlak);
    rechtsRol->setMinimumWidth(rechtsVlak->sizeHint().width() +
                               style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    auto* midden = new QHBoxLayout;
    midden->addWidget(lijst_, 1);
    midden->addWidget(rechtsRol);
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
    // A screen reader may select an entry without making it current.
    connect(lijst_, &QListWidget::itemSelectionChanged, this, [this] {
        const auto gekozenItems = lijst_->selectedItems();
        if (!gekozenItems.isEmpty() && lijst_->row(gekozenItems.first()) != lijst_->currentRow())
            lijst_->setCurrentRow(lijst_->row(gekozenItems.first()));
    });
    connect(kandidatenVak_, &QCheckBox::toggled, this, [this] { bijKeuze(gekozen()); });
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

void VerslagVenster::toon(std::shared_ptr<const OplosOpname> verslag, bool bezig) {
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
    QStringList kop{q(teksten::verslagNiveau(verslag_->verslag.niveau)),
                    q(teksten::verslagOplossingen(verslag_->verslag.oplossingen))};
    for (int t = 0; t < AANTAL_TECHNIEKEN; ++t)
        if (const int n = verslag_->pad.aantal(static_cast<Techniek>(t)); n > 0)
            kop << q(teksten::verslagTechniek(static_cast<Techniek>(t), n));
    if (verslag_->pad.gebeurtenissen().empty()) kop << q(teksten::VERSLAG_GEEN_STAPPEN);
    samenvatting_->setText(kop.join('\n'));
    // A label with a name of its own is read by that name: the text goes in its description.
    samenvatting_->setAccessibleDescription(kop.join(", "));
    {
        const QSignalBlocker stil(lijst_);
        const Oplospad& pad = verslag_->pad;
        QFont schuin = lijst_->font();
        schuin.setItalic(true);
        for (std::size_t k = 0; k < pad.verloop().size(); ++k) {
            const Verloop& v = pad.verloop()[k];
            if (v.soort == Verloop::Soort::Gebeurtenis) {
                lijst_->addItem(q(pad.regel(v.index)));
                continue;
            }
            // Exclusions and an emptied table stand indented between the steps, with why.
            QString tekst = v.soort == Verloop::Soort::TabelGewist
                                ? q(teksten::TABEL_GEWIST)
                                : q(teksten::uitsluitingRegel(static_cast<int>(v.index) + 1,
                                                              pad.uitsluitingen()[v.index]));
            if (const std::string zin = pad.waarom(k); !zin.empty()) tekst += "\n      " + q(zin);
            auto* item = new QListWidgetItem("    " + tekst);
            item->setFont(schuin);
            lijst_->addItem(item);
        }
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
    const int aantal = static_cast<int>(pad.verloop().size());
    vorige_->setEnabled(i > 0);
    volgende_->setEnabled(i >= 0 && i + 1 < aantal);
    const bool metKandidaten = kandidatenVak_->isChecked();
    if (i < 0 || i >= aantal) {
        bord_->toon(pad.beginBord(), pad.beginBord(), -1, {});
        bord_->toonUitleg({}, {}, 0);
        const Kandidaten begin = kandidatenNa(pad, static_cast<std::size_t>(-1));
        bord_->toonKandidaten(metKandidaten ? &begin : nullptr);
        bord_->setAccessibleDescription({});
        uitleg_->clear();
        uitleg_->setAccessibleDescription({});
        return;
    }
    const auto k = static_cast<std::size_t>(i);
    const Verloop& v = pad.verloop()[k];
    int cel = -1, cijfer = 0;
    std::bitset<81> eenheid;
    std::string bord, uitleg;
    if (v.soort == Verloop::Soort::Gebeurtenis) {
        const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
        bord = pad.bordNa(v.index);
        // An undone guess has no cell: its board is the one from before the guess.
        if (g.soort == Gebeurtenis::Soort::Stap && g.rij >= 1 && g.rij <= 9 && g.kol >= 1 &&
            g.kol <= 9) {
            cel = (g.rij - 1) * 9 + g.kol - 1;
            eenheid = g.reden.eenheid.cellen();
            uitleg = teksten::stapUitleg(std::string(1, g.getal), pad.waarom(k));
            if (const std::string b = teksten::bewijsInWoorden(g.rij, g.kol, g.getal - '0', g.reden,
                                                               pad.uitsluitingen());
                !b.empty())
                uitleg += std::string("\n\n") + teksten::BEWIJS_KOP + "\n" + b;
        } else {
            uitleg = teksten::GOK_ONGEDAAN_UITLEG;
        }
    } else {
        bord = pad.bordVoor(k);
        if (v.soort == Verloop::Soort::Uitsluiting) {
            const Uitsluiting& u = pad.uitsluitingen()[v.index];
            eenheid = u.eenheid.cellen();
            cijfer = u.cijfer;
            uitleg = pad.waarom(k) + "\n\n" + teksten::OORZAAK_KOP +
                     teksten::cellenInWoorden(u.oorzaak) + "\n" + teksten::VALT_AF_KOP +
                     teksten::cellenInWoorden(u.cellen);
        } else {
            uitleg = teksten::TABEL_GEWIST_UITLEG;
        }
    }
    bord_->toon(bord, pad.beginBord(), cel, eenheid);
    bord_->toonUitleg(bewijsMarken(pad, k), pad.verwijderdeCellen(k), cijfer);
    const Kandidaten kand = kandidatenNa(pad, k);
    bord_->toonKandidaten(metKandidaten ? &kand : nullptr);
    uitleg_->setText(q(uitleg));
    uitleg_->setAccessibleDescription(uitleg_->text());
    bord_->setAccessibleDescription(lijst_->item(i)->text().trimmed());
}

QString VerslagVenster::tekst() const {
    if (verslag_ == nullptr) return {};
    QStringList regels{q(teksten::verslagPuzzel(verslag_->pad.beginBord())), samenvatting_->text(),
                       QString(), q(teksten::VERSLAG_STAPPEN_KOP)};
    for (int i = 0; i < lijst_->count(); ++i) regels << lijst_->item(i)->text();
    return regels.join('\n') + '\n';
}

}  // namespace sudoku
