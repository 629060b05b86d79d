// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardCheck.h"
#include "CardPainter.h"
#include "CardSource.h"
#include "GifWriter.h"
#include "Pictures.h"
#include "PictureStore.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

QByteArray bytesOf(const QString &path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }

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
    void faultsNameFileAndLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("fault");  // start of the first fault, empty when none
        const QString head = "question 5\n", fine = "card \"a\"\n text 70 60 20 \"x\"\n", card = "picture p 147 132 \"a\"\n";
        QTest::newRow("unknown command") << head + fine + "card \"b\"\n bream 1 2 3 4\n" + fine + fine << "p.cards:5: unknown command 'bream'";
        QTest::newRow("missing number") << head + fine + fine + "card \"c\"\n line 1 2 3\n" + fine << "p.cards:7: wrong arguments for 'line'";
        QTest::newRow("open text") << head + "card \"a\n" << "p.cards:2: unterminated text";
        QTest::newRow("three cards") << head + fine + fine + fine << "p.cards:1: question 5 has 3 cards, not 4";
        QTest::newRow("two odd cards") << head + "card \"a\" odd\ncard \"b\" odd\ncard \"c\"\ncard \"d\"\n"
                                       << "p.cards:3: question 5 marks 2 cards odd, not 1";
        QTest::newRow("drawing first") << "text 1 2 3 \"x\"\n" << "p.cards:1: drawing before any 'card'";
        QTest::newRow("bad height") << head + "card \"a\"\n height 140\n" << "p.cards:3: 'height' takes 128 to 132";
        QTest::newRow("no description") << head + "card \" \" odd\ncard \"b\"\ncard \"c\"\ncard \"d\"\n"
                                        << "p.cards:2: 'q005-1' has no description";
        QTest::newRow("found while drawing") << card + "\n plot tan\n" << "p.cards:3: 'plot' needs 'axes' first";
        // Unreadable marks: a glyph too small, a label or arrowhead touching another mark (the build checks real ones).
        const QString fixed = card + "ink blue\n fixed 117 60 right\n beam 12 60 117 60\n ink red\n";
        QTest::newRow("moment head on the reaction") << fixed + " moment 117 60 18 cw\n arrow 105 118 105 66\n"
                                                     << "p.cards:7: the arrow touches the head of the moment of line 6";
        QTest::newRow("moment head clear") << fixed + " moment 117 60 14 cw\n arrow 97 118 97 66\n" << "";
        QTest::newRow("label a pixel or two off the line") << card + "line 20 64 120 64\n text 70 58 12 \"L\"\n"
                                                           << "p.cards:3: the text \"L\" touches the line";
        QTest::newRow("label above the line") << card + "line 20 64 120 64\n text 70 54 12 \"L\"\n" << "";
        QTest::newRow("two heads meeting") << card + "arrow 10 100 120 40\n arrow 110 100 120 40\n"
                                           << "p.cards:3: the head of the arrow meets the head of the arrow of line 2";
        const QString triangle = card + "arrow 16 100 126 100\n arrow 126 100 107 67\n";
        QTest::newRow("resultant and component heads at one apex") << triangle + "arrow 16 100 107 67\n"
                                                                   << "p.cards:4: the head of the arrow meets the head of the arrow of line 3";
        QTest::newRow("resultant's head halfway") << triangle + "arrow 16 100 61.5 83.5\n line 61.5 83.5 107 67\n" << "";
        QTest::newRow("label 2 px off an arrow's tip") << card + "arrow 20 60 100 60\n text 102 60 12 \"F\" left\n"
                                                       << "p.cards:3: the text \"F\" touches";
        QTest::newRow("label clear of an arrow's tip") << card + "arrow 20 60 100 60\n text 106 60 12 \"F\" left\n" << "";
        QTest::newRow("fraction bar 3 px from a sign") << card + "line 40 62 62 62\n text 70 62 16 \"+\"\n"
                                                       << "p.cards:3: the text \"+\" touches the line";
        QTest::newRow("fraction bar clear of a sign") << card + "line 40 62 60 62\n text 70 62 16 \"+\"\n" << "";
        const QString others = "card \"b\" odd\n text 70 60 20 \"x\"\n" + fine + fine;
        QTest::newRow("subscript under a raised tile's border") << head + "card \"a\"\n text 70 114 15 \"F_y\"\n" + others
                                                                << "p.cards:3: the text \"F_y\" comes within 4 px of the edge";
        QTest::newRow("the same low on a picture shown whole") << card + "text 70 114 15 \"F_y\"\n" << "";
        QTest::newRow("mark at the left edge") << card + "line 2 60 80 60\n" << "p.cards:2: the line comes within 4 px";
        QTest::newRow("Greek in the card face") << card + "text 70 60 20 \"θ = α + β\"\n" << "";
        QTest::newRow("a sign the card face lacks") << card + "text 70 60 20 \"x ∈ A\"\n"
                                                    << "p.cards:2: the text \"x ∈ A\" has characters the card face lacks: ∈";
        QTest::newRow("line ending 3 px short of a tip") << card + "arrow 10 60 100 60\n line 100 57 100 76\n"
                                                         << "p.cards:3: the line touches the head of the arrow";
        QTest::newRow("head on the middle of a line") << card + "line 70 20 70 110\n arrow 20 60 71 60\n"
                                                      << "p.cards:3: the head of the arrow touches the line";
        QTest::newRow("subscript too small") << card + "text 70 60 12 \"R_{y}\"\n" << "p.cards:2: the text \"R_{y}\" has glyphs of";
        QTest::newRow("subscript large enough") << card + "text 70 60 15 \"R_{y}\"\n" << "";
        QTest::newRow("small note") << card + "note 70 60 9 \"rolls\"\n" << "p.cards:2: the text \"rolls\" has glyphs of";
    }

    // Mistakes found while reading or drawing a source, and marks that would not read clearly.
    void faultsNameFileAndLine()
    {
        QFETCH(QString, source);
        QFETCH(QString, fault);
        QStringList faults;
        try {
            for (const CardSource &card : parseCardSource("p.cards", source).pictures)
                faults += checkCard(card);  // draws the card
        } catch (const CardSourceError &error) {
            faults << QString::fromUtf8(error.what());
        }
        QVERIFY2(fault.isEmpty() ? faults.isEmpty() : !faults.isEmpty() && faults.first().startsWith(fault),
                 qPrintable(faults.join(u'\n')));
    }

    // Every picture a 147 x 132 GIF of one transparent frame, 32 colours, something drawn, PNG copies alike;
    // question 12 redrawn byte for byte, twice; every description; a card drawn anew on a denser screen.
    void builtPictures()
    {
        QStringList names{"splash-triangle.gif", "splash-sinh.gif"};
        for (int p = 1; p <= PictureStore::kPictureCount; ++p)
            names << QStringLiteral("p%1.gif").arg(p, 3, 10, QChar(u'0'));
        for (const QString &name : names) {
            QList<int> shape = gifShape(bytesOf(Pictures::path(name)));
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
        for (int round = 0; round < 2; ++round) {
            for (int k = 0; k < 4; ++k) {
                const CardSource &card = file.pictures[std::size_t(k)];
                writeGif(out.filePath("card.gif"), {paintCard(card), card.frameHeight, card.colours, card.ground, inksOf(card)});
                QVERIFY(bytesOf(out.filePath("card.gif")) == bytesOf(Pictures::path(QStringLiteral("p%1.gif").arg(45 + k, 3, 10, QChar(u'0')))));
            }
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
        QFile file(scratch.filePath("fonts.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(config.toUtf8()) > 0);
        file.close();
        const QString assets = VEXLOR_SOURCE_DIR "/assets/";
        QStringList arguments{scratch.filePath("out")};
        for (const QString &name : QDir(assets + "cards").entryList({"*.cards"}))
            arguments << assets + "cards/" + name;
        arguments << assets + "pictures.cards";
        QProcess cardc;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FONTCONFIG_FILE", file.fileName());
        cardc.setProcessEnvironment(environment);
        cardc.start(VEXLOR_CARDC, arguments);
        QVERIFY(cardc.waitForFinished(300'000));
        QCOMPARE(cardc.exitCode(), 0);
        const QStringList written = QDir(scratch.filePath("out")).entryList(QDir::Files);
        QCOMPARE(written.size(), 400 + 14);
        QStringList differing;
        for (const QString &name : written)
            if (bytesOf(scratch.filePath("out/" + name)) != bytesOf(Pictures::path(name)))
                differing << name;
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(u' ')));
    }
};

QTEST_MAIN(TestCards)
#include "tst_cards.moc"
