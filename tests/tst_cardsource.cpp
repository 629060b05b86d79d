// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardCheck.h"
#include "CardSource.h"

#include <QTest>

// Reading card sources and checking the cards they draw.
class TestCardSource : public QObject {
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
};

QTEST_MAIN(TestCardSource)
#include "tst_cardsource.moc"
