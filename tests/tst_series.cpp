// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionBank.h"
#include "QuizGame.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

// The question bank's messages, the load step, the order of questions in a
// series and the choice of a question from the word list.
class TestSeries : public QObject {
    Q_OBJECT

private slots:
    void rightAnswerMessages()
    {
        const std::pair<int, const char *> cases[] = {
            {1, "Right. All are Simple Beams except this one. "}, {31, "Right. All are Acceleration Uints except this one. "},
            {63, "Right. All are Distributive propertys except this one. "},  // "s" on any term
            {32, "Right. All are equal One except this one. "}, {75, "Right. All are equal Two except this one. "},
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
        for (int q = 1; q <= 100; ++q)
            QCOMPARE(quiz.OddTile[q], quiz.OddPicture[q]);
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
            QCOMPARE(game.quiz.DrawByClock(), question);
        }
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
        QList<int> presented{quiz.CurrentQuestion}, expected{50};
        for (int click = 1; click <= 100; ++click) {
            quiz.Command1_Click();
            presented << quiz.CurrentQuestion;
            expected << (click == 1 ? 50 : click <= 50 ? click - 1 : click);  // the first question comes again
        }
        QCOMPARE(presented, expected);
        QCOMPARE(quiz.QuestionCount, 101);

        quiz.Command1_Click();  // nothing left: the series ends, and its countdown stays quiet
        QVERIFY(quiz.QuestionCount == 100 && quiz.CurrentQuestion == 100 && !quiz.controls.Command1Visible);
        const auto cues = game.cues.requests.size();
        game.ticks(40);
        QVERIFY(quiz.controls.Text3.text.isEmpty() && game.cues.requests.size() == cues);

        quiz.Command3_Click();  // every question can come again
        QVERIFY(quiz.CurrentQuestion == 50 && quiz.QuestionCount == 1 && quiz.controls.Command1Visible);
        for (int q = 1; q <= 100; ++q)
            QCOMPARE(quiz.QuestionFree[q], 1);
        game.ticks(40);
        QVERIFY(quiz.controls.Text3.text.isEmpty() && game.cues.requests.size() == cues);
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
        QVERIFY(quiz.CurrentQuestion == 20 && quiz.QuestionFree[20] == 1 && quiz.DegreeFactor == 1.0);
        QCOMPARE(game.pictures(), (QList<int>{79, 80, 77, 78}));
        const Form1Controls &c = quiz.controls;
        QVERIFY(c.Text1.text.isEmpty() && c.Text3.text.isEmpty() && c.Text4.text.isEmpty() && c.Text2.text == " ");
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
        QTest::newRow("after the end of the series, on enabled tiles") << "Continuous Beam" << 2 << true;
    }

    void choice()
    {
        QFETCH(QString, entry);
        QFETCH(int, question);
        QFETCH(bool, afterSeries);
        Game game;
        Quiz &quiz = game.quiz;
        while (afterSeries && quiz.controls.Command1Visible && quiz.QuestionCount < 200)
            quiz.Command1_Click();
        if (!afterSeries) {
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
        const int p = 4 * (question - 1);
        QCOMPARE(game.pictures(), (QList<int>{p + 2, p + 3, p + 4, p + 1}));
        QCOMPARE(quiz.QuestionFree, freeBefore);
        QVERIFY(game.tilesEnabled(true) && quiz.DegreeFactor == 1.0);
        QVERIFY(!quiz.controls.Text2.visible && !quiz.controls.Text5.visible && quiz.controls.Text3.text.isEmpty());
        game.ticks(1);
        QCOMPARE(quiz.controls.ProgressBar1.value, 1);
    }
};

QTEST_GUILESS_MAIN(TestSeries)
#include "tst_series.moc"
