// What the core needs of the window: the cell boxes, the Oplos row, the status line,
// the four buttons, the three option boxes and the step message box.
#pragma once

#include <cstdint>
#include <string>

#include "board/reden.h"

namespace sudoku {

using Kleur = std::uint32_t;
inline constexpr Kleur KLEUR_GRIJS = 0x808080;           // given numbers
inline constexpr Kleur KLEUR_ROOD = 255;                 // a number while it is announced
inline constexpr Kleur KLEUR_VENSTERTEKST = 0x80000008;  // the system's window-text colour

enum class Knop { Invoer, Bevestig, Start, Herstart };
enum class Vink { Tussenstap, Module, Uitproberen };

class Controls {
public:
    virtual ~Controls() = default;

    // Cell box of row `rij` in the column array of column `kol` (CellA = 1 .. CellI = 9).
    virtual void zetCelTekst(int rij, int kol, const std::string& tekst) = 0;
    virtual std::string celTekst(int rij, int kol) const = 0;
    virtual void zetCelKleur(int rij, int kol, Kleur kleur) = 0;
    virtual void focusCel(int rij, int kol) = 0;

    virtual void zetOplos(int i, const std::string& tekst) = 0;
    virtual void zetOpmerk(const std::string& tekst) = 0;
    virtual std::string opmerk() const = 0;

    virtual void zetKnopEnabled(Knop knop, bool aan) = 0;
    virtual void zetKnopVisible(Knop knop, bool zichtbaar) = 0;

    // 1 when ticked, 0 otherwise.
    virtual int vinkWaarde(Vink vink) const = 0;

    // Modal information box with an OK button; returns when it is closed.
    virtual void meldingsvenster(const std::string& titel, const std::string& tekst) = 0;
    // The step box for the number just placed at (rij, kol) for `reden` (after `geplaatst`):
    // the information box, which a window that explains shows with the reason.
    virtual void meldStap(const std::string& titel, const std::string& tekst, int /*rij*/,
                          int /*kol*/, const Reden& /*reden*/) {
        meldingsvenster(titel, tekst);
    }

    // A number has just been placed at (rij, kol), for `reden`: called once per placement,
    // when its box has been given the number and red, before the step box.
    virtual void geplaatst(int /*rij*/, int /*kol*/, const std::string& /*getal*/,
                           const Reden& /*reden*/) {}
    // A failed guess is being undone: the board goes back to how it stood before the guess
    // (the next placement is the guessed cell's other option).
    virtual void gokOngedaan() {}

    // Whether these controls want explanations: the proofs in `Reden` and the two reports
    // below. Without it the core records none, at no cost but this test.
    bool wilUitleg() const { return wilUitleg_; }
    // A module ruled a digit out for cells that did not have it ruled out before.
    virtual void uitsluitingGemaakt(const Uitsluiting& /*u*/) {}
    // The exception table, which held at least one entry, was emptied.
    virtual void tabelGewist() {}

protected:
    bool wilUitleg_ = false;
};

}  // namespace sudoku
