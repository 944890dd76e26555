// The step box "Gevonden SUDOKU getal !": Escape and the close button stop the showing of
// steps; OK, Enter and Space go on to the next number. It opens where `plek` says, once its
// size is known.
#pragma once

#include <QMargins>
#include <QMessageBox>
#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

namespace sudoku {

class StapMelding : public QMessageBox {
public:
    using Plek = std::function<std::optional<QPoint>(QSize)>;

    // `rand`: the frame the window manager will put around the box, as far as known.
    StapMelding(const QString& titel, const QString& tekst, QWidget* ouder, Plek plek,
                QMargins rand);

    bool gestopt() const { return gestopt_; }
    // Where the user dragged the box's frame to, if it was moved from where it was put.
    // The inner rectangle is compared: the frame is known only some time after showing.
    std::optional<QPoint> gesleept() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    Plek plek_;
    QMargins rand_;
    bool gestopt_ = false;
    std::optional<QPoint> binnenGeplaatst_;
};

}  // namespace sudoku
