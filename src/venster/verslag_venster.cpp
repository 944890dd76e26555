#include "verslag_venster.h"

#include <QApplication>
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
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "uitleg/teksten.h"
#include "venster/teksten.h"
#include "venster_hulp.h"

namespace sudoku {

using venster::q;

namespace {

QPushButton* knop(const char* tekst, QWidget* ouder) {
    auto* k = new QPushButton(q(tekst), ouder);
    k->setAccessibleName(k->text().remove('&'));
    k->setAutoDefault(false);
    return k;
}

// What a line of the list carries besides its text.
enum Rol : int {
    ROL_INSPRONG = Qt::UserRole,  // 0 a step, 1 an exclusion or a folded run, 2 one opened
    ROL_VERLOOP,                  // the path's entry, -1 for a folded run
    ROL_GROEP,                    // a folded run and its opened lines: the run's index
    ROL_NAAM,                     // a step: the technique's name, written after its line
    ROL_GOK,                      // a step under a guess: drawn in a dotted frame
    ROL_OPEN,                     // a folded run: 1 closed, 2 opened
};

// The lines wrap at the list's width, never scrolling sideways; indented by their level; a
// step's technique by its name after it; a step under a guess in a dotted frame; a folded run
// with a triangle that says whether it is open.
class RegelTekenaar : public QStyledItemDelegate {
public:
    explicit RegelTekenaar(QListWidget* lijst) : QStyledItemDelegate(lijst), lijst_(lijst) {}

    void paint(QPainter* p, const QStyleOptionViewItem& optie,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o(optie);
        initStyleOption(&o, index);
        o.text.clear();
        QStyle* stijl = lijst_->style();
        stijl->drawControl(QStyle::CE_ItemViewItem, &o, p, lijst_);
        p->save();
        const bool gekozen = o.state & QStyle::State_Selected;
        const QColor kleur = o.palette.color(gekozen ? QPalette::HighlightedText : QPalette::Text);
        p->setPen(kleur);
        p->setFont(o.font);
        // At the width sizeHint wrapped it for, so that the text takes the height it was given.
        const QRect rij(optie.rect.left(), optie.rect.top(), lijst_->viewport()->width(),
                        optie.rect.height());
        p->drawText(tekstVak(rij, index), FLAGS, tekst(index));
        if (index.data(ROL_GOK).toBool()) {
            p->setPen(QPen(kleur, 1, Qt::DotLine));
            p->drawRect(optie.rect.adjusted(1, 1, -2, -2));
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& index) const override {
        QStyleOptionViewItem o(optie);
        initStyleOption(&o, index);
        const QRect rij(0, 0, lijst_->viewport()->width(), 100000);
        const QRect nodig =
            QFontMetrics(o.font).boundingRect(tekstVak(rij, index), FLAGS, tekst(index));
        return {rij.width(), nodig.height() + 2 * MARGE};
    }

private:
    static constexpr int MARGE = 3;
    static constexpr int FLAGS = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

    QRect tekstVak(const QRect& rij, const QModelIndex& index) const {
        const int stap = lijst_->fontMetrics().horizontalAdvance("    ");
        return rij.adjusted(MARGE + index.data(ROL_INSPRONG).toInt() * stap, MARGE, -MARGE, -MARGE);
    }
    static QString tekst(const QModelIndex& index) {
        QString t = index.data(Qt::DisplayRole).toString();
        if (const int open = index.data(ROL_OPEN).toInt(); open > 0)
            t = (open == 2 ? QString::fromUtf8("▾ ") : QString::fromUtf8("▸ ")) + t;
        if (const QString naam = index.data(ROL_NAAM).toString(); !naam.isEmpty())
            t += QString::fromUtf8(" · ") + naam;
        return t;
    }

    QListWidget* lijst_;
};

// An exclusion's line (entry k of the path): what it strikes, and its sentence under it.
QString uitsluitingTekst(const Oplospad& pad, std::size_t k) {
    const std::size_t u = pad.verloop()[k].index;
    const int n = static_cast<int>(u) + 1;
    return q(teksten::wegRegel(n, pad.uitsluitingen()[u], pad.wegVan(n)) + "\n" + pad.waarom(k));
}

}  // namespace

VerslagVenster::VerslagVenster(QWidget* ouder) : QWidget(ouder, Qt::Window) {
    setObjectName("Verslag");
    setWindowTitle(q(teksten::VERSLAG_TITEL));
    setAccessibleName(q(teksten::VERSLAG_TITEL));

    samenvatting_ = new QLabel(this);
    samenvatting_->setObjectName("Samenvatting");
    samenvatting_->setAccessibleName(q(teksten::VERSLAG_SAMENVATTING_NAAM));
    samenvatting_->setTextFormat(Qt::PlainText);
    samenvatting_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    samenvatting_->setWordWrap(true);
    samenvatting_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lijst_ = new QListWidget(this);
    lijst_->setObjectName("Stappen");
    lijst_->setAccessibleName(q(teksten::VERSLAG_STAPPEN_NAAM));
    // A line is read whole: wrapped at the list's width, never cut short or scrolled sideways.
    lijst_->setItemDelegate(new RegelTekenaar(lijst_));
    lijst_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll bar that came and went would change the width the lines were wrapped for.
    lijst_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lijst_->setResizeMode(QListView::Adjust);
    lijst_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    bord_ = new KleinBord(this);
    uitleg_ = new QLabel(this);
    uitleg_->setObjectName("StapUitleg");
    uitleg_->setAccessibleName(q(teksten::VERSLAG_UITLEG_NAAM));
    uitleg_->setTextFormat(Qt::PlainText);
    uitleg_->setWordWrap(true);
    uitleg_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    uitleg_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    uitleg_->setFixedWidth(bord_->sizeHint().width());
    kandidatenVak_ = new QCheckBox(q(teksten::VERSLAG_KANDIDATEN), this);
    kandidatenVak_->setObjectName("Kandidaten");
    kandidatenVak_->setAccessibleName(kandidatenVak_->text().remove('&'));
    vorige_ = knop(teksten::VERSLAG_VORIGE, this);
    volgende_ = knop(teksten::VERSLAG_VOLGENDE, this);
    kopieer_ = knop(teksten::VERSLAG_KOPIEREN, this);
    auto* sluiten = knop(teksten::SLUITEN, this);

    // The summary, the board and the explanation scroll beside the list, so that the window
    // fits a small screen (a large scale factor) with its buttons in sight, and so that a
    // longer explanation never changes the window's size.
    auto* rechtsVlak = new QWidget;
    auto* rechts = new QVBoxLayout(rechtsVlak);
    rechts->setContentsMargins(0, 0, 0, 0);
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
    rechtsRol->setFixedWidth(rechtsVlak->sizeHint().width() +
                             style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    // Tab comes into the column from the list, past the scroll area's own focus handling:
    // whatever gets the focus there is scrolled into sight.
    connect(qApp, &QApplication::focusChanged, rechtsRol,
            [rechtsRol, rechtsVlak](QWidget*, QWidget* nu) {
                if (nu != nullptr && rechtsVlak->isAncestorOf(nu))
                    rechtsRol->ensureWidgetVisible(nu);
            });
    // The summary over the list, so that the column beside it has the room for the board and
    // the whole explanation of the chosen line.
    auto* links = new QVBoxLayout;
    links->addWidget(samenvatting_);
    links->addWidget(lijst_, 1);
    auto* midden = new QHBoxLayout;
    midden->addLayout(links, 1);
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
    connect(lijst_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { klapOm(lijst_->row(item)); });
    connect(kandidatenVak_, &QCheckBox::toggled, this,
            [this](bool aan) { bord_->toonKandidaten(aan); });
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
    resize(1000, 760);
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

QListWidgetItem* VerslagVenster::regelItem(const QString& tekst, int insprong, int verloop,
                                           int groep) const {
    auto* item = new QListWidgetItem(tekst);
    item->setData(ROL_INSPRONG, insprong);
    item->setData(ROL_VERLOOP, verloop);
    item->setData(ROL_GROEP, groep);
    if (insprong > 0) {
        QFont schuin = lijst_->font();
        schuin.setItalic(true);
        item->setFont(schuin);
    }
    return item;
}

void VerslagVenster::toon(std::shared_ptr<const OplosOpname> verslag, bool bezig) {
    verslag_ = std::move(verslag);
    regels_.clear();
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
    const QStringList niveau{q(teksten::verslagNiveau(verslag_->verslag.niveau)),
                             q(teksten::verslagOplossingen(verslag_->verslag.oplossingen))};
    QStringList kop;
    for (int t = 0; t < AANTAL_TECHNIEKEN; ++t)
        if (const int n = verslag_->pad.aantal(static_cast<Techniek>(t)); n > 0)
            kop << q(teksten::verslagTechniek(static_cast<Techniek>(t), n));
    if (verslag_->pad.gebeurtenissen().empty()) kop << q(teksten::VERSLAG_GEEN_STAPPEN);
    // The level on one line, the counts on the next, wrapped at the list's width.
    samenvatting_->setText(niveau.join(", ") + (kop.isEmpty() ? QString() : "\n" + kop.join(", ")));
    // A label with a name of its own is read by that name: the text goes in its description.
    samenvatting_->setAccessibleDescription((niveau + kop).join(", "));
    samenvattingRegels_ = niveau + kop;
    const Oplospad& pad = verslag_->pad;
    regels_ = verslagLijst(pad);
    {
        const QSignalBlocker stil(lijst_);
        for (std::size_t i = 0; i < regels_.size(); ++i) {
            const LijstRegel& r = regels_[i];
            const Verloop& v = pad.verloop()[r.verloop];
            const int groep = static_cast<int>(i), k = static_cast<int>(r.verloop);
            QListWidgetItem* item = nullptr;
            if (r.soort == LijstRegel::Soort::Stap) {
                // The line as --stappen prints it, the technique by its name after it.
                item = regelItem(q(pad.regel(v.index)), 0, k, groep);
                const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
                if (g.soort == Gebeurtenis::Soort::Stap) {
                    item->setData(ROL_NAAM, q(mensNaamVan(g.reden.techniek)));
                    item->setData(Qt::AccessibleDescriptionRole, q(mensNaamVan(g.reden.techniek)));
                }
                item->setData(ROL_GOK, r.onderGok);
            } else if (r.soort == LijstRegel::Soort::Uitsluiting) {
                item = regelItem(uitsluitingTekst(pad, r.verloop), 1, k, groep);
            } else {
                item = regelItem(q(teksten::stilRegel(r.aantal)), 1, -1, groep);
                item->setData(ROL_OPEN, 1);
                item->setData(Qt::AccessibleDescriptionRole, q(teksten::STIL_OPENEN));
            }
            lijst_->addItem(item);
        }
    }
    bord_->show();
    if (lijst_->count() > 0)
        lijst_->setCurrentRow(0);
    else
        bijKeuze(-1);
}

void VerslagVenster::klapOm(int i) {
    if (verslag_ == nullptr || i < 0 || i >= lijst_->count()) return;
    QListWidgetItem* item = lijst_->item(i);
    const int open = item->data(ROL_OPEN).toInt();
    if (open == 0) return;
    const int groep = item->data(ROL_GROEP).toInt();
    const bool openen = open == 1;
    item->setData(ROL_OPEN, openen ? 2 : 1);
    item->setData(Qt::AccessibleDescriptionRole,
                  q(openen ? teksten::STIL_SLUITEN : teksten::STIL_OPENEN));
    const QSignalBlocker stil(lijst_);
    if (openen) {
        const Oplospad& pad = verslag_->pad;
        int plek = i + 1;
        for (const std::size_t k : uitsluitingenIn(pad, regels_[static_cast<std::size_t>(groep)]))
            lijst_->insertItem(plek++,
                               regelItem(uitsluitingTekst(pad, k), 2, static_cast<int>(k), groep));
    } else {
        while (i + 1 < lijst_->count() && lijst_->item(i + 1)->data(ROL_INSPRONG).toInt() == 2 &&
               lijst_->item(i + 1)->data(ROL_GROEP).toInt() == groep)
            delete lijst_->takeItem(i + 1);
    }
    lijst_->setCurrentRow(i);
    bijKeuze(i);
}

void VerslagVenster::kies(int i) {
    if (lijst_->count() == 0) return;
    lijst_->setCurrentRow(std::clamp(i, 0, lijst_->count() - 1));
}

int VerslagVenster::gekozen() const { return lijst_->currentRow(); }

int VerslagVenster::verloopVan(int i) const {
    if (i < 0 || i >= lijst_->count()) return -1;
    return lijst_->item(i)->data(ROL_VERLOOP).toInt();
}

void VerslagVenster::bijKeuze(int i) {
    if (verslag_ == nullptr) return;
    const Oplospad& pad = verslag_->pad;
    vorige_->setEnabled(i > 0);
    volgende_->setEnabled(i >= 0 && i + 1 < lijst_->count());
    bord_->toonKandidaten(kandidatenVak_->isChecked());
    if (i < 0 || i >= lijst_->count()) {
        bord_->toon(bordBeeld(pad, pad.verloop().size()), pad.beginBord());
        bord_->setAccessibleDescription({});
        uitleg_->clear();
        uitleg_->setAccessibleDescription({});
        return;
    }
    const int k = verloopVan(i);
    std::string uitleg;
    BordBeeld beeld;
    if (k < 0) {
        // A folded run: the board as the run finds it, which it leaves as it was.
        const LijstRegel& r =
            regels_[static_cast<std::size_t>(lijst_->item(i)->data(ROL_GROEP).toInt())];
        const BordBeeld voor = bordBeeld(pad, r.verloop);
        beeld.bord = voor.bord;
        beeld.onderGok = voor.onderGok;
        beeld.kandidaten = voor.kandidaten;
        uitleg = teksten::stilUitleg(r.aantal, lijst_->item(i)->data(ROL_OPEN).toInt() == 2);
    } else {
        const auto e = static_cast<std::size_t>(k);
        const Verloop& v = pad.verloop()[e];
        beeld = bordBeeld(pad, e);
        if (v.soort == Verloop::Soort::Uitsluiting) {
            const Uitsluiting& u = pad.uitsluitingen()[v.index];
            uitleg = pad.waarom(e) + "\n\n" + teksten::OORZAAK_KOP +
                     teksten::cellenInWoorden(u.oorzaak) + "\n" + teksten::WEG_KOP +
                     (beeld.weg.any() ? teksten::cellenInWoorden(beeld.weg)
                                      : std::string(teksten::WEG_NIETS));
        } else if (const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
                   g.soort == Gebeurtenis::Soort::Stap) {
            uitleg = teksten::stapUitleg(std::string(1, g.getal), pad.waarom(e));
            if (const std::string b = teksten::bewijsInWoorden(g.rij, g.kol, g.getal - '0', g.reden,
                                                               pad.uitsluitingen());
                !b.empty())
                uitleg += std::string("\n\n") + teksten::BEWIJS_KOP + "\n" + b;
            if (beeld.onderGok.any() && beeld.blok == 0)
                uitleg += std::string("\n\n") + teksten::GOK_STIPPEL_UITLEG;
            if (beeld.blok != 0)
                uitleg += "\n\n" +
                          teksten::herstelBordUitleg(g.reden.bewijs.tegenspraakCijfer, beeld.blok);
        } else {
            uitleg = teksten::GOK_ONGEDAAN_UITLEG;
        }
    }
    bord_->toon(beeld, pad.beginBord());
    uitleg_->setText(q(uitleg));
    uitleg_->setAccessibleDescription(uitleg_->text());
    bord_->setAccessibleDescription(lijst_->item(i)->text().section('\n', 0, 0));
}

QString VerslagVenster::tekst() const {
    if (verslag_ == nullptr) return {};
    // The summary one fact a line, as the command line's --verslag has it.
    QStringList regels{q(teksten::verslagPuzzel(verslag_->pad.beginBord())),
                       samenvattingRegels_.join('\n'), QString(), q(teksten::VERSLAG_STAPPEN_KOP)};
    for (int i = 0; i < lijst_->count(); ++i) {
        const QString inspring(4 * lijst_->item(i)->data(ROL_INSPRONG).toInt(), ' ');
        regels << inspring + lijst_->item(i)->text().replace("\n", "\n  " + inspring);
    }
    return regels.join('\n') + '\n';
}

}  // namespace sudoku
