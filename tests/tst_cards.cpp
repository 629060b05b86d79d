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
#include <QTemporaryDir>
#include <QTest>

#include <set>

// The card language and the pictures built from it.
class TestCards : public QObject {
    Q_OBJECT

private:
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static int word(const QByteArray &b, int at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; }
    static QString sourcesDir() { return QStringLiteral(VEXLOR_SOURCE_DIR "/assets"); }

    struct GifShape {
        int screenWidth = 0, screenHeight = 0;
        int frameLeft = -1, frameTop = -1, frameWidth = 0, frameHeight = 0;
        int localColours = 0;
        bool globalTable = true;
        bool transparent = false;
    };
    // Reads the header blocks of a GIF89a file up to its first frame.
    static GifShape shapeOf(const QByteArray &b)
    {
        GifShape shape;
        if (!b.startsWith("GIF89a") || b.size() < 13)
            return shape;
        shape.screenWidth = word(b, 6);
        shape.screenHeight = word(b, 8);
        shape.globalTable = quint8(b[10]) & 0x80;
        int at = 13;
        while (at + 10 <= b.size()) {
            if (b[at] == '\x21') {
                if (b[at + 1] == '\xF9')
                    shape.transparent = quint8(b[at + 3]) & 0x01;
                at += 2;
                while (at < b.size() && b[at] != 0)  // sub-blocks
                    at += quint8(b[at]) + 1;
                ++at;
            } else if (b[at] == '\x2C') {
                shape.frameLeft = word(b, at + 1);
                shape.frameTop = word(b, at + 3);
                shape.frameWidth = word(b, at + 5);
                shape.frameHeight = word(b, at + 7);
                const int packed = quint8(b[at + 9]);
                shape.localColours = (packed & 0x80) ? 1 << ((packed & 0x07) + 1) : 0;
                break;
            } else {
                break;
            }
        }
        return shape;
    }

private slots:
    void mistakesNameFileAndLine_data();
    void mistakesNameFileAndLine();
    void unreadableMarksAreRefused_data();
    void unreadableMarksAreRefused();
    void everyCardIsAGifOfItsShape();
    void picturesMapToQuestionsAndPositions();
};

void TestCards::mistakesNameFileAndLine_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const QString head = QStringLiteral("question 5\n");
    const QString fine = QStringLiteral("card \"a\"\n text 70 60 20 \"x\"\n");
    QTest::newRow("unknown command") << head + fine + "card \"b\"\n bream 1 2 3 4\n" + fine + fine << "q.cards:5: unknown command 'bream'";
    QTest::newRow("missing number") << head + fine + fine + "card \"c\"\n line 1 2 3\n" + fine << "q.cards:7: wrong arguments for 'line'";
    QTest::newRow("open text") << head + "card \"a\n" << "q.cards:2: unterminated text";
    QTest::newRow("three cards") << head + fine + fine + fine << "q.cards:1: question 5 has 3 cards, not 4";
    QTest::newRow("two odd cards") << head + "card \"a\" odd\ncard \"b\" odd\ncard \"c\"\ncard \"d\"\n"
                                   << "q.cards:3: question 5 marks 2 cards odd, not 1";
    QTest::newRow("drawing first") << QStringLiteral("text 1 2 3 \"x\"\n") << "q.cards:1: drawing before any 'card'";
    QTest::newRow("bad height") << head + "card \"a\"\n height 140\n" << "q.cards:3: 'height' takes 128 to 132";
    QTest::newRow("no description") << head + "card \" \" odd\ncard \"b\"\ncard \"c\"\ncard \"d\"\n"
                                    << "q.cards:2: 'q005-1' has no description";
    QTest::newRow("not a number") << head + "card \"a\"\n circle 10 x 5\n" << "q.cards:3: wrong arguments for 'circle'";
}

void TestCards::mistakesNameFileAndLine()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    try {
        parseCardSource(QStringLiteral("q.cards"), source);
        QFAIL("the mistake went unnoticed");
    } catch (const CardSourceError &error) {
        QVERIFY2(QString::fromUtf8(error.what()).startsWith(expected), error.what());
    }

    // Mistakes only found while drawing name their line too.
    const CardFile file = parseCardSource(QStringLiteral("p.cards"),
                                          QStringLiteral("picture x 20 20 \"a\"\n\n plot tan\n"));
    try {
        paintCard(file.pictures.front());
        QFAIL("a plot without axes went unnoticed");
    } catch (const CardSourceError &error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("p.cards:3: 'plot' needs 'axes' first"));
    }
}

void TestCards::unreadableMarksAreRefused_data()
{
    // Each source is one card-sized picture; the drawing starts on line 2.
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QString>("fault");  // start of the first fault, empty when none
    QTest::newRow("moment head on the reaction's shaft")
        << "ink blue\n fixed 117 60 right\n beam 12 60 117 60\n ink red\n moment 117 60 18 cw\n arrow 105 118 105 66\n"
        << "p.cards:7: the arrow touches the head of the moment of line 6";
    QTest::newRow("moment head clear of the reaction")
        << "ink blue\n fixed 117 60 right\n beam 12 60 117 60\n ink red\n moment 117 60 14 cw\n arrow 97 118 97 66\n"
        << "";
    QTest::newRow("label on the line it names") << "line 20 64 120 64\n text 70 60 12 \"L\"\n"
                                                << "p.cards:3: the text \"L\" touches the line";
    QTest::newRow("label above the line") << "line 20 64 120 64\n text 70 54 12 \"L\"\n" << "";
    QTest::newRow("load acting on a beam") << "beam 10 70 130 70\n arrow 30 30 30 67\n udl 60 120 67 14\n" << "";
    QTest::newRow("two heads meeting") << "arrow 10 100 120 40\n arrow 110 100 120 40\n"
                                       << "p.cards:3: the head of the arrow touches the head of the arrow";
    QTest::newRow("vectors tip to tail, closed by a dashed line")
        << "arrow 10 100 120 100\n arrow 120 100 100 40\n dashed 10 100 100 40\n" << "";
    QTest::newRow("head on the middle of a line") << "line 70 20 70 110\n arrow 20 60 71 60\n"
                                                  << "p.cards:3: the head of the arrow touches the line";
    QTest::newRow("letters on atoms, bonds under them")
        << "line 40 60 100 60\n disc 40 60 11\n disc 100 60 11\n ink white\n text 40 60 14 \"H\"\n text 100 60 14 \"O\"\n"
        << "";
    QTest::newRow("subscript too small") << "text 70 60 12 \"R_{y}\"\n" << "p.cards:2: the text \"R_{y}\" has glyphs of";
    QTest::newRow("subscript large enough") << "text 70 60 15 \"R_{y}\"\n" << "";
    QTest::newRow("small note") << "note 70 60 9 \"rolls\"\n" << "p.cards:2: the text \"rolls\" has glyphs of";
    QTest::newRow("couple as a double-headed vector") << "arrow 70 110 70 20 double\n text 80 30 14 \"M\" left\n" << "";
}

void TestCards::unreadableMarksAreRefused()
{
    QFETCH(QString, drawing);
    QFETCH(QString, fault);
    const CardFile file = parseCardSource(QStringLiteral("p.cards"), "picture p 147 132 \"a\"\n" + drawing);
    const QStringList faults = checkCard(file.pictures.front());
    if (fault.isEmpty())
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    else
        QVERIFY2(!faults.isEmpty() && faults.first().startsWith(fault), qPrintable(faults.join(u'\n')));
}

void TestCards::everyCardIsAGifOfItsShape()
{
    QStringList names;
    for (int p = 1; p <= PictureStore::kPictureCount; ++p)
        names << QStringLiteral("p%1.gif").arg(p, 3, 10, QChar(u'0'));
    names << QStringLiteral("splash-triangle.gif") << QStringLiteral("splash-sinh.gif");
    for (const QString &name : names) {
        const GifShape shape = shapeOf(bytesOf(Pictures::path(name)));
        QVERIFY2(shape.screenWidth == 147 && shape.screenHeight == 132, qPrintable(name));
        QVERIFY2(!shape.globalTable && shape.localColours == 32 && shape.transparent, qPrintable(name));
        QVERIFY2(shape.frameLeft == 0 && shape.frameTop == 0 && shape.frameWidth == 147, qPrintable(name));
        QVERIFY2(shape.frameHeight >= 128 && shape.frameHeight <= 132, qPrintable(name));

        // Decoded: transparent corners, the card ground, and something drawn on it.
        const QImage image = Pictures::named(name).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        std::set<QRgb> colours;
        for (int y = 8; y < 120; y += 2)
            for (int x = 8; x < 140; x += 2)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() >= 3, qPrintable(name + " looks blank"));
    }
    const GifShape icon = shapeOf(bytesOf(Pictures::path(QStringLiteral("icon.gif"))));
    QCOMPARE(icon.screenWidth, 32);
    QCOMPARE(icon.localColours, 16);
    QCOMPARE(Pictures::named(QStringLiteral("window.png")).size(), QSize(828, 531));
    QCOMPARE(Pictures::named(QStringLiteral("icon-256.png")).size(), QSize(256, 256));
    // The splash shows PNG copies of its GIFs: the very same pixels (premultiplied, so all clear ones match).
    for (const char *name : {"splash-triangle", "splash-sinh", "icon"}) {
        const auto argb = [&](const char *suffix) {
            return QImage(Pictures::path(QLatin1String(name) + QLatin1String(suffix)))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        QVERIFY2(!argb(".gif").isNull() && argb(".png") == argb(".gif"), name);
    }
}

void TestCards::picturesMapToQuestionsAndPositions()
{
    // Question 12's source, drawn here, gives the same bytes as embedded Picture
    // numbers 45 to 48; drawing twice gives the same bytes again.
    const QStringList found = QDir(sourcesDir() + "/cards").entryList({QStringLiteral("q012-*.cards")});
    QCOMPARE(found.size(), 1);
    const CardFile file = readCardFile(sourcesDir() + "/cards/" + found.first());
    QTemporaryDir out;
    for (int round = 0; round < 2; ++round) {
        for (int k = 1; k <= 4; ++k) {
            const CardSource &card = file.pictures[static_cast<std::size_t>(k - 1)];
            const QString path = out.filePath(QStringLiteral("card%1.gif").arg(k));
            writeGif(path, {paintCard(card), card.frameHeight, card.colours, card.ground, inksOf(card)});
            const int number = 44 + k;
            QVERIFY(bytesOf(path) == bytesOf(Pictures::path(QStringLiteral("p%1.gif").arg(number, 3, 10, QChar(u'0')))));
        }
    }

    // Every card carries its description under its Picture number.
    PictureStore store;
    for (int p = 1; p <= PictureStore::kPictureCount; ++p)
        QVERIFY2(!store.description(p).trimmed().isEmpty(), qPrintable(QString::number(p)));
    QCOMPARE(store.description(45), file.pictures[0].description);
    QVERIFY(store.description(0).isEmpty());
    QVERIFY(store.picture(0).isNull());
    QCOMPARE(store.picture(400).size(), QSize(147, 132));

    // On a screen of twice the density the card is drawn anew from its source,
    // not its 32-colour GIF enlarged.
    const QPixmap dense = store.picture(45, 2.0);
    QCOMPARE(dense.devicePixelRatio(), 2.0);
    QCOMPARE(dense.size(), QSize(294, 264));
    std::set<QRgb> colours;
    const QImage image = dense.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 32);
}

QTEST_MAIN(TestCards)
#include "tst_cards.moc"
