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
