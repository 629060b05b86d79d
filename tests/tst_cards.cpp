// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardPainter.h"
#include "CardSource.h"
#include "GifWriter.h"
#include "Pictures.h"
#include "PictureStore.h"
#include "TestFiles.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

QString pictureName(int number) { return QStringLiteral("p%1.gif").arg(number, 3, 10, QChar(u'0')); }

// A GIF89a file to its first frame: screen size, global table (0/1), transparency, frame rectangle, local colours.
QList<int> gifShape(const QByteArray &b)
{
    const auto word = [&](int at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; };
    bool transparent = false;
    int at = 13;
    while (b.startsWith("GIF89a") && at + 10 <= b.size() && b[at] == '\x21') {  // extensions and their sub-blocks
        transparent = transparent || (b[at + 1] == '\xF9' && (quint8(b[at + 3]) & 0x01));
        for (at += 2; at < b.size() && b[at] != 0; at += quint8(b[at]) + 1) {}
        ++at;
    }
    if (!b.startsWith("GIF89a") || at + 10 > b.size() || b[at] != '\x2C')
        return {};
    const int packed = quint8(b[at + 9]);
    return {word(6), word(8), quint8(b[10]) >> 7, transparent, word(at + 1), word(at + 3), word(at + 5), word(at + 7),
            (packed & 0x80) ? 1 << ((packed & 0x07) + 1) : 0};
}

// The distinct colours of an image, sampled every `step` pixels inside `margin`.
std::size_t colourCount(const QImage &image, int margin, int step)
{
    std::set<QRgb> colours;
    for (int y = margin; y < image.height() - margin; y += step)
        for (int x = margin; x < image.width() - margin; x += step)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

}  // namespace

// The card language and the pictures built from it.
class TestCards : public QObject {
    Q_OBJECT
private slots:
    // Every picture a 147 x 132 GIF of one transparent frame, 32 colours, something drawn, PNG copies alike;
    // question 12 redrawn byte for byte, twice; every description; a card drawn anew on a denser screen.
    void builtPictures()
    {
        QStringList names{"splash-triangle.gif", "splash-sinh.gif"};
        for (int p = 1; p <= PictureStore::kPictureCount; ++p)
            names << pictureName(p);
        for (const QString &name : names) {
            QList<int> shape = gifShape(fileBytes(Pictures::path(name)));
            QVERIFY2(shape.size() == 9 && shape[7] >= 128 && shape[7] <= 132, qPrintable(name));
            shape[7] = 132;
            QCOMPARE(shape, (QList<int>{147, 132, 0, 1, 0, 0, 147, 132, 32}));
            const QImage image = Pictures::named(name).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
            QVERIFY2(colourCount(image, 8, 2) >= 3, qPrintable(name + " looks blank"));
        }
        for (const QString name : {"splash-triangle", "splash-sinh", "icon"}) {
            const auto argb = [&](const char *suffix) {  // premultiplied, so all clear pixels match
                return QImage(Pictures::path(name + suffix)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            };
            QVERIFY2(!argb(".gif").isNull() && argb(".png") == argb(".gif"), qPrintable(name));
        }
        const QString cards = VEXLOR_SOURCE_DIR "/assets/cards/";
        const CardFile file = readCardFile(cards + QDir(cards).entryList({"q012-*.cards"}).value(0));
        QTemporaryDir out;
        for (int k = 0; k < 8; ++k) {  // each card twice
            const CardSource &card = file.pictures[std::size_t(k % 4)];
            const QString drawn = out.filePath("card.gif");
            writeGif(drawn, {paintCard(card), card.frameHeight, card.colours, card.ground, inksOf(card)});
            QVERIFY(fileBytes(drawn) == fileBytes(Pictures::path(pictureName(45 + k % 4))));
        }
        PictureStore store;
        for (int p = 1; p <= PictureStore::kPictureCount; ++p)
            QVERIFY2(!store.description(p).trimmed().isEmpty(), qPrintable(QString::number(p)));
        QCOMPARE(store.description(45), file.pictures[0].description);
        QVERIFY(store.description(0).isEmpty() && store.picture(0).isNull());
        QCOMPARE(store.picture(PictureStore::kPictureCount).size(), QSize(147, 132));
        const QPixmap dense = store.picture(45, 2.0);
        QCOMPARE(dense.devicePixelRatio(), 2.0);
        QCOMPARE(dense.size(), QSize(294, 264));
        QVERIFY(colourCount(dense.toImage(), 0, 1) > 32);  // not the 32-colour GIF enlarged
    }

    void sameUnderOtherFonts_data()
    {
        QTest::addColumn<QStringList>("fontDirs");
        QTest::newRow("Liberation 2 in place of 1") << QStringList{"liberation2", "dejavu"};
        QTest::newRow("no Liberation at all") << QStringList{"dejavu"};
    }

    // The compiler draws every picture byte for byte as the build did, whatever fonts the desktop has.
    void sameUnderOtherFonts()
    {
        QFETCH(QStringList, fontDirs);
        QTemporaryDir scratch;
        QString config = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
        for (const QString &dir : fontDirs) {
            QVERIFY2(QDir("/usr/share/fonts/truetype/" + dir).exists(), qPrintable(dir + " is not installed"));
            config += "<dir>/usr/share/fonts/truetype/" + dir + "</dir>\n";
        }
        config += "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n<cachedir>" + scratch.filePath("cache")
                  + "</cachedir>\n</fontconfig>\n";
        QVERIFY(putFile(scratch.filePath("fonts.conf"), config.toUtf8()));
        const QString assets = VEXLOR_SOURCE_DIR "/assets/";
        QStringList arguments{scratch.filePath("out")};
        for (const QString &name : QDir(assets + "cards").entryList({"*.cards"}))
            arguments << assets + "cards/" + name;
        arguments << assets + "pictures.cards";
        QProcess cardc;
        cardc.setEnvironment(QProcess::systemEnvironment() << "FONTCONFIG_FILE=" + scratch.filePath("fonts.conf"));
        cardc.start(VEXLOR_CARDC, arguments);
        QVERIFY(cardc.waitForFinished(300'000));
        QCOMPARE(cardc.exitCode(), 0);
        const QStringList written = QDir(scratch.filePath("out")).entryList(QDir::Files);
        // Everything the build drew and embedded, and nothing else.
        QStringList embedded = QDir(Pictures::path(QString())).entryList(QDir::Files);
        embedded.removeIf([](const QString &name) { return name.endsWith(QLatin1String(".cards")); });
        QCOMPARE(written, embedded);
        QStringList differing;
        for (const QString &name : written)
            if (fileBytes(scratch.filePath("out/" + name)) != fileBytes(Pictures::path(name)))
                differing << name;
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(u' ')));
    }
};

QTEST_MAIN(TestCards)
#include "tst_cards.moc"
