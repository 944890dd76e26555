// maak-plaatjes MAP: draws the banner (the puzzle's name, 数独, orange on cream) and the
// program icon in 16, 32 and 48 pixels into MAP. Run once with a CJK font installed;
// the window only loads the PNGs, so it needs no such font itself.
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>

namespace {

const QColor CREME(0xFF, 0xF4, 0xD2);
const QColor ORANJE(0xF0, 0x78, 0x00);
const QColor LICHT_ORANJE(0xFB, 0xC8, 0x80);

// Sixteen colours from cream to orange and two darker ones, like a 16-colour picture.
QImage zestienKleuren(const QImage& bron) {
    QList<QRgb> tabel;
    for (int i = 0; i < 14; ++i) {
        const double t = i / 13.0;
        tabel.append(qRgb(int(std::lround(CREME.red() + t * (ORANJE.red() - CREME.red()))),
                          int(std::lround(CREME.green() + t * (ORANJE.green() - CREME.green()))),
                          int(std::lround(CREME.blue() + t * (ORANJE.blue() - CREME.blue())))));
    }
    tabel.append(qRgb(0xB0, 0x50, 0x00));
    tabel.append(qRgb(0x70, 0x30, 0x00));
    return bron.convertToFormat(QImage::Format_Indexed8, tabel, Qt::ThresholdDither);
}

QImage banner() {
    QImage beeld(115, 58, QImage::Format_RGB32);
    beeld.fill(CREME);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f("Noto Sans CJK JP");
    f.setPixelSize(46);
    f.setWeight(QFont::Black);
    p.setFont(f);
    std::fprintf(stderr, "lettertype: %s\n", qPrintable(QFontInfo(f).family()));
    p.setPen(ORANJE);
    p.drawText(QRect(0, 0, 115, 58), Qt::AlignCenter, QString::fromUtf8("数独"));
    p.end();
    return zestienKleuren(beeld);
}

// A small board: cream, with the three blocks of the diagonal in light orange, the
// block lines in orange and, from 32 pixels on, the cell lines as well.
QImage icoon(int maat) {
    QImage beeld(maat, maat, QImage::Format_ARGB32);
    beeld.fill(CREME);
    QPainter p(&beeld);
    const auto lijn = [maat](double deel) { return int(std::lround(deel * (maat - 1))); };
    for (int b = 0; b < 3; ++b) {
        const int van = lijn(b / 3.0), tot = lijn((b + 1) / 3.0);
        p.fillRect(QRect(QPoint(van, van), QPoint(tot, tot)), LICHT_ORANJE);
    }
    if (maat >= 32) {
        p.setPen(LICHT_ORANJE.darker(115));
        for (int i = 1; i < 9; ++i) {
            if (i % 3 == 0) continue;
            const int x = lijn(i / 9.0);
            p.drawLine(x, 0, x, maat - 1);
            p.drawLine(0, x, maat - 1, x);
        }
    }
    QPen pen(ORANJE);
    pen.setWidth(maat >= 48 ? 2 : 1);
    p.setPen(pen);
    for (int i = 0; i <= 3; ++i) {
        const int x = lijn(i / 3.0);
        p.drawLine(x, 0, x, maat - 1);
        p.drawLine(0, x, maat - 1, x);
    }
    p.end();
    return beeld;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("gebruik: maak-plaatjes MAP\n", stderr);
        return 2;
    }
    const QString map = QString::fromLocal8Bit(argv[1]);
    bool goed = banner().save(map + "/banner.png");
    for (int maat : {16, 32, 48})
        goed = icoon(maat).save(map + QString("/icoon-%1.png").arg(maat)) && goed;
    return goed ? 0 : 1;
}
