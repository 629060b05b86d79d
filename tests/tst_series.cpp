// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionBank.h"
#include "QuizGame.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

// The question bank, the load step, the order of questions in a series, the
// choice of a question from the word list and the hover effect of the tiles.
class TestSeries : public QObject {
    Q_OBJECT

private slots:
    void termsOddPositionsAndHints()
    {
        QSet<QString> terms;
        int withHint = 0;
        for (int q = 1; q <= QuestionBank::kQuestionTotal; ++q) {
            terms.insert(QuestionBank::term(q));
            withHint += QuestionBank::hint(q).isEmpty() ? 0 : 1;
            const int odd = QuestionBank::oddPicture(q);
            QVERIFY2(odd >= 1 && odd <= 4, qPrintable(QString::number(q)));
        }
        QCOMPARE(terms.size(), 100);  // a term identifies its question
        QCOMPARE(withHint, 67);
    }

    void rightAnswerMessages()
    {
        const std::pair<int, const char *> cases[] = {
            {1, "Right. All are Simple Beams except this one. "},
            {63, "Right. All are Distributive propertys except this one. "},  // "s" on any term
            {32, "Right. All are equal One except this one. "},
            {75, "Right. All are equal Two except this one. "},
            {37, "Right. All are Atmosphere Pressure at sea level except this one. "},
            {35, "Right. All are Multiples (>1) of units except this one. "},
            {36, "Right. All are Submultiples (<1) of units except this one. "},
            {38, "Right. All the Resultant forces ''R'' are correct except this one. "},
            {40, "Right. All are Indefinite Quantities except this one. "},
            {74, "Right. All the axes of wrench is Y-axis except this one. "},
            {42, "Right. All are correct except this one. "}};  // not built from the term
        for (const auto &[question, message] : cases)
            QCOMPARE(QuestionBank::rightAnswerMessage(question), QLatin1String(message));
    }

    void load()
    {
        Game game(0, false);
        const Quiz &quiz = game.quiz;
        QCOMPARE(quiz.CurrentQuestion, 11);
        QCOMPARE(game.pictures(), (QList<int>{41, 42, 43, 44}));
        QCOMPARE(game.random.draws(), 0);  // unrotated, without a draw
        QCOMPARE(quiz.controls.List1.items.size(), 100);
        for (int q = 1; q <= 100; ++q) {
            QCOMPARE(quiz.OddTile[q], quiz.OddPicture[q]);
            QCOMPARE(quiz.QuestionFree[q], 1);  // the drawn question too
            QCOMPARE(quiz.controls.List1.items[q - 1], QuestionBank::term(q));
        }
        QCOMPARE(quiz.controls.Timer2.interval, 0);
        QVERIFY(quiz.controls.caption.endsWith(QStringLiteral(" (100 questions)")) && quiz.controls.caption.size() > 16);
    }

    void drawByClock()
    {
        // Second of the day and question drawn: C = 0, 1 and 10 give 11; C = 6.94 is cut to 6; C = 90 gives 100;
        // C = 91 and 99 give 101 and 110, halved; at 01:00:00 A = 41 and C = 66; 15:25:12 is exactly 0.6425 of
        // the day, where T * 100000 falls just below 64250 in doubles.
        const int cases[][2] = {{0, 11}, {1, 11}, {6, 6}, {9, 11}, {78, 100}, {79, 50}, {86, 55}, {3600, 73}, {55512, 54}};
        Game game(0, false);
        for (const auto &[second, question] : cases) {
            game.clock.set(second);
            const int drawn = game.quiz.DrawByClock();
            QVERIFY2(drawn == question, qPrintable(QStringLiteral("second %1 drew %2").arg(second).arg(drawn)));
        }
        // Over a whole day, 1, 9, 19, ..., 99 never come from the draw; all others do.
        QSet<int> drawn;
        for (int s = 0; s < 86400; ++s) {
            game.clock.set(s);
            drawn.insert(game.quiz.DrawByClock());
        }
        for (int q = 1; q <= 100; ++q)
            QVERIFY2(drawn.contains(q) == (q != 1 && q % 10 != 9), qPrintable(QString::number(q)));
    }

    void rotation()
    {
        // R = 1, 2, 3 for U up to 2/7, 4/7, 6/7 and R = 4 above, each at both ends.
        const auto below = [](double u) { return std::nextafter(u, 0.0); };
        const struct { int question; double u; QList<int> shown; int oddTile; } cases[] = {
            {1, below(2.0 / 7), {1, 2, 3, 4}, 3},          {2, 2.0 / 7, {6, 7, 8, 5}, 4},
            {1, below(4.0 / 7), {2, 3, 4, 1}, 2},          {1, 4.0 / 7, {3, 4, 1, 2}, 1},
            {100, below(6.0 / 7), {399, 400, 397, 398}, 4}, {1, 6.0 / 7, {4, 1, 2, 3}, 4},
            {2, below(1.0), {8, 5, 6, 7}, 2}};
        for (const auto &c : cases) {
            Game game(0, false);
            game.random.queue(c.u);
            game.quiz.PlaceAnswers(c.question);
            QCOMPARE(game.pictures(), c.shown);
            QCOMPARE(game.quiz.OddTile[c.question], c.oddTile);
        }
    }

    void wholeSeriesThenRestart()
    {
        Game game(39);  // C = 45: question 50
        Quiz &quiz = game.quiz;
        QList<int> presented{quiz.CurrentQuestion};
        for (int click = 1; click <= 100; ++click) {
            quiz.Command1_Click();
            presented << quiz.CurrentQuestion;
        }
        QList<int> expected{50, 50};  // the first question comes again
        for (int q = 1; q <= 100; ++q)
            expected << q;
        expected.removeAt(51);
        QCOMPARE(presented, expected);
        QCOMPARE(quiz.QuestionCount, 101);

        quiz.Command1_Click();  // nothing left: the series ends
        QCOMPARE(quiz.QuestionCount, 100);
        QCOMPARE(quiz.CurrentQuestion, 100);
        QVERIFY(!quiz.controls.Command1Visible);
        QCOMPARE(quiz.controls.Label1.caption, QStringLiteral(" "));
        QCOMPARE(game.pictures(), (QList<int>{0, 0, 0, 0}));
        QVERIFY(game.tilesEnabled(false));
        const auto cues = game.cues.requests.size();
        game.ticks(40);
        QCOMPARE(quiz.controls.Text3.text, QString());  // no time-out
        QCOMPARE(game.cues.requests.size(), cues);

        quiz.Command3_Click();  // after a series the countdown stays quiet
        QCOMPARE(quiz.CurrentQuestion, 50);
        QCOMPARE(quiz.QuestionCount, 1);
        for (int q = 1; q <= 100; ++q)
            QCOMPARE(quiz.QuestionFree[q], 1);  // every question can come again
        QVERIFY(quiz.controls.Command1Visible && game.tilesEnabled(true));
        game.ticks(40);
        QCOMPARE(quiz.controls.Text3.text, QString());
        QCOMPARE(game.cues.requests.size(), cues);
    }

    void restartWhileCounting()
    {
        Game game(16);  // C = 18: question 20, "Power Unit"
        Quiz &quiz = game.quiz;
        quiz.Picture1_Click(4);  // right: odd answer of 20 at position 4
        quiz.Command5_Click();
        quiz.Command1_Click();
        game.ticks(5);
        quiz.Picture1_Click(1);  // wrong: the message shows

        game.random.queue(4.0 / 7);  // R = 3
        quiz.Command3_Click();
        QCOMPARE(quiz.CurrentQuestion, 20);
        QCOMPARE(quiz.QuestionFree[20], 1);
        QCOMPARE(quiz.QuestionCount, 1);
        QCOMPARE(quiz.DegreeFactor, 1.0);
        QCOMPARE(quiz.DegreeSum, 0.0);
        QCOMPARE(game.pictures(), (QList<int>{79, 80, 77, 78}));
        const Form1Controls &c = quiz.controls;
        QVERIFY(c.Text1.text.isEmpty() && c.Text3.text.isEmpty() && c.Text4.text.isEmpty());
        QCOMPARE(c.Text2.text, QStringLiteral(" "));
        QVERIFY(c.Text2.visible && !c.Text5.visible);  // the message keeps its visibility
        game.ticks(1);  // the countdown goes on from its old count
        QCOMPARE(c.ProgressBar1.value, 6);
    }

    // A choice presents the question whose term is the entry's text, whatever the
    // order of the list: rotation 2 from U = 0.5, one more presented question,
    // degree and countdown afresh, message and hint hidden, the question left free.
    void choice_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("question");
        QTest::addColumn<bool>("afterSeries");
        QTest::newRow("first of the reversed list") << "Vector Components" << 100 << false;
        QTest::newRow("Lin, not Linear Equation") << "Lin" << 42 << false;
        QTest::newRow("Linear Equation, not Lin") << "Linear Equation" << 26 << false;
        QTest::newRow("no selection: the question on show again") << "(none)" << 11 << false;
        QTest::newRow("case counts: the question on show again") << "simple beam" << 11 << false;
        QTest::newRow("after the end of the series, on enabled tiles") << "Couple" << 4 << true;
    }

    void choice()
    {
        QFETCH(QString, entry);
        QFETCH(int, question);
        QFETCH(bool, afterSeries);
        Game game;
        Quiz &quiz = game.quiz;
        if (afterSeries) {
            while (quiz.controls.Command1Visible && quiz.QuestionCount < 200)
                quiz.Command1_Click();
            QVERIFY(game.tilesEnabled(false));
        } else {
            quiz.Picture1_Click(1);  // wrong
            quiz.Command5_Click();
            game.ticks(7);
        }
        std::reverse(quiz.controls.List1.items.begin(), quiz.controls.List1.items.end());
        quiz.controls.List1.items << QStringLiteral("simple beam");
        const std::vector<int> freeBefore = quiz.QuestionFree;
        const int countBefore = quiz.QuestionCount;
        game.random.queue(0.5);
        game.choose(entry);  // "(none)" is no entry: index -1
        QCOMPARE(quiz.CurrentQuestion, question);
        QCOMPARE(quiz.QuestionCount, countBefore + 1);
        QCOMPARE(quiz.controls.Label1.caption, QuestionBank::term(question) + QStringLiteral(": Find the odd one out"));
        const int p = 4 * (question - 1);
        QCOMPARE(game.pictures(), (QList<int>{p + 2, p + 3, p + 4, p + 1}));
        QCOMPARE(quiz.QuestionFree, freeBefore);
        QVERIFY(game.tilesEnabled(true));
        QCOMPARE(quiz.DegreeFactor, 1.0);
        QVERIFY(!quiz.controls.Text2.visible && !quiz.controls.Text5.visible && quiz.controls.Text3.text.isEmpty());
        game.ticks(1);
        QCOMPARE(quiz.controls.ProgressBar1.value, 1);
    }

    void rowsBeyondTheTables()
    {
        Game game;
        Quiz &quiz = game.quiz;
        for (int i = 0; i < 150; ++i)
            game.choose(QStringLiteral("Frame"));
        QCOMPARE(quiz.QuestionCount, 151);
        quiz.Picture1_Click(1);
        quiz.Picture1_Click(3);  // odd answer of "Frame" at position 3
        QCOMPARE(quiz.controls.Text4.text, QStringLiteral("You have got 0 % in 151 questions."));  // 75 / 151
        QVERIFY(quiz.AnsweredTerm.size() > 151 && quiz.AnsweredDegree.size() > 151);
        QCOMPARE(quiz.AnsweredTerm[151], QStringLiteral("Frame"));
        QCOMPARE(quiz.AnsweredDegree[151], 75.0);
        QCOMPARE(quiz.AnsweredTerm[150], QString());
    }

    // Restart begins a series that owns its rows: the answers of the series before,
    // also those past the presentation tables, are gone, and only the new series'
    // right answers fill rows again, each at its presentation.
    void restartForgetsTheSeriesBefore()
    {
        Game game;
        Quiz &quiz = game.quiz;
        for (int degree : {100, 50, 25}) {
            game.answerWith(degree);
            quiz.Command1_Click();
        }
        for (int i = 0; i < 150; ++i)
            game.choose(QStringLiteral("Frame"));
        game.answerWith(75);
        QCOMPARE(quiz.AnsweredTerm[quiz.QuestionCount], QStringLiteral("Frame"));

        quiz.Command3_Click();
        const auto empty = [](const auto &table, const auto &blank) {
            return std::all_of(table.begin(), table.end(), [&](const auto &entry) { return entry == blank; });
        };
        QVERIFY(empty(quiz.AnsweredTerm, QString()) && empty(quiz.AnsweredDegree, 0.0));
        QVERIFY(empty(quiz.QuestionDegree, 0.0));

        quiz.Command1_Click();  // row 1 stays unanswered
        const QString second = quiz.Term[quiz.CurrentQuestion];
        game.answerWith(50);
        quiz.Command1_Click();  // and so does row 3
        QCOMPARE(quiz.QuestionCount, 3);
        QCOMPARE(quiz.AnsweredTerm[1], QString());
        QCOMPARE(quiz.AnsweredDegree[1], 0.0);
        QCOMPARE(quiz.AnsweredTerm[2], second);
        QCOMPARE(quiz.AnsweredDegree[2], 50.0);
        QCOMPARE(quiz.AnsweredTerm[3], QString());
        QCOMPARE(quiz.AnsweredDegree[3], 0.0);
    }

    void hover()
    {
        // After the moves, the raised tile (0: none) sits 10 twips left of and above its
        // home with a border; the others are at home without one.
        const struct { bool started; QList<int> moves; int raised; } cases[] = {
            {true, {1}, 1}, {true, {2, 3}, 3}, {true, QList<int>(50, 4), 4},  // many moves: no drift
            {true, {2, 0, 5, -1}, 2}, {true, {0, 5}, 0},                     // out of range: no change
            {false, {1, 3}, 0}};                                             // under the start panel
        const int home[] = {0, 105, 2415, 4725, 7035};
        for (const auto &c : cases) {
            Game game(0, c.started);
            for (int tile : c.moves)
                game.quiz.deliver(Quiz::Event::TileMove, tile);
            for (int t = 1; t <= 4; ++t) {
                const Tile &tile = game.quiz.controls.Picture1[t];
                const int d = t == c.raised ? 10 : 0;
                QVERIFY2(tile.left == home[t] - d && tile.top == 525 - d && tile.border == (d ? 1 : 0),
                         qPrintable(QStringLiteral("tile %1, raised should be %2").arg(t).arg(c.raised)));
            }
        }
    }

    void hoverFrozenWhileTilesDisabled()
    {
        Game game;
        Quiz &quiz = game.quiz;
        quiz.deliver(Quiz::Event::TileMove, 2);
        quiz.deliver(Quiz::Event::TileClick, 2);  // right: the tiles close
        quiz.deliver(Quiz::Event::TileMove, 3);
        QCOMPARE(quiz.controls.Picture1[2].left, 2405);
        QCOMPARE(quiz.controls.Picture1[3].border, 0);

        game.choose(QStringLiteral("Couple"));  // presenting keeps the raised tile
        QCOMPARE(quiz.controls.Picture1[2].border, 1);
        quiz.deliver(Quiz::Event::TileMove, 3);
        QCOMPARE(quiz.controls.Picture1[2].left, 2415);
        QCOMPARE(quiz.controls.Picture1[3].left, 4715);
    }
};

QTEST_GUILESS_MAIN(TestSeries)
#include "tst_series.moc"
