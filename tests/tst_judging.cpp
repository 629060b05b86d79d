// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizGame.h"
#include "Rating.h"

#include <QStringList>
#include <QTest>

namespace {

QString maxText(int degree) { return QStringLiteral("Your max. degree is %1 % in this question.").arg(degree); }
QString gotText(int degree) { return QStringLiteral("You have got %1 % in this question.").arg(degree); }
QString totalText(int average, int count) { return QStringLiteral("You have got %1 % in %2 questions.").arg(average).arg(count); }

bool isAlarm(const RecordingCues::Request &r)
{
    return r.player == Cue::MMControl11 && r.open == "open" && r.play == "play" && r.rewind == "prev";
}

}  // namespace

// Judging a click, scoring and rating, and the question timer that closes a question.
class TestJudging : public QObject {
    Q_OBJECT

private slots:
    void clicksOnOneQuestion()
    {
        // Tiles clicked in turn (question 11, odd answer on tile 2), the question box and the cue after
        // each click, and the degree; the last cue is the rating's.
        const struct { QList<int> tiles; QStringList questionBox; QList<int> cues; int degree; } cases[] = {
            {{2}, {gotText(100)}, {9}, 100},
            {{1, 3, 2}, {maxText(75), maxText(50), gotText(50)}, {1, 3, 6}, 50},
            {{1, 3, 4, 4, 4, 2}, {maxText(75), maxText(50), maxText(25), maxText(25), maxText(25), gotText(25)},
             {1, 3, 3, 3, 3, 4}, 25}};  // five wrongs, the last three on one tile
        for (const auto &[tiles, questionBox, cues, degree] : cases) {
            Game game;
            Quiz &quiz = game.quiz;
            game.ticks(3);
            game.cues.requests.clear();  // Start's alarm
            for (qsizetype i = 0; i < tiles.size(); ++i) {
                quiz.Picture1_Click(tiles[i]);
                QCOMPARE(quiz.controls.Text3.text, questionBox[i]);
                const RecordingCues::Request &cue = game.cues.requests.at(std::size_t(i));
                QCOMPARE(static_cast<int>(cue.player), cues[i]);
                QVERIFY(cue.open == "Open" && cue.play == "play" && cue.rewind == "Prev");
            }
            QCOMPARE(quiz.controls.Text4.text, totalText(degree, 1));

            // The tiles are closed and the count stopped: no click and no tick counts.
            for (int tile = 1; tile <= 4; ++tile)
                quiz.deliver(Quiz::Event::TileClick, tile);
            game.ticks(40);
            QCOMPARE(quiz.controls.ProgressBar1.value, 0);
            QCOMPARE(quiz.controls.Text3.text, gotText(degree));
            QCOMPARE(game.cues.requests.size(), std::size_t(tiles.size()));
        }
    }

    void ratingBands()
    {
        const struct { int low, high; const char *word; Cue cue; } bands[] = {
            {0, 29, "V e r y   B a d", Cue::MMControl4},     {30, 49, "B a d", Cue::MMControl5},
            {50, 64, "S u f f i c i e n t", Cue::MMControl6}, {65, 74, "G o o d", Cue::MMControl7},
            {75, 89, "V e r y   G o o d", Cue::MMControl8},   {90, 99, "E x c e l l e n t", Cue::MMControl10},
            {100, 100, "W a a o w !!!!", Cue::MMControl9}};
        for (const auto &band : bands) {
            for (int average = band.low; average <= band.high; ++average) {
                QCOMPARE(ratingFor(average).word, QLatin1String(band.word));
                QCOMPARE(ratingFor(average).cue, band.cue);
            }
        }
    }

    // The sum of degrees runs over the whole series; the hundredth question hides "Next Question" at once.
    void hundredthPresentation()
    {
        for (const bool lastRight : {false, true}) {
            Game game;
            Quiz &quiz = game.quiz;
            game.answerWith(50);
            for (int n = 2; n <= 99; ++n) {
                quiz.deliver(Quiz::Event::NextQuestion);
                game.answerWith(100);
            }
            QCOMPARE(quiz.controls.Text4.text, totalText(99, 99));  // 9850 / 99
            quiz.deliver(Quiz::Event::NextQuestion);
            quiz.Picture1_Click(lastRight ? game.rightTile() : game.wrongTile());  // either click hides it
            QVERIFY(!quiz.controls.Command1Visible);
            QCOMPARE(quiz.controls.Text4.text, lastRight ? totalText(100, 100) : totalText(99, 99));  // 9950 / 100
        }
    }

    void countdown()
    {
        const struct { QStringList picks; int wrongClicks, maxSeconds; } cases[] = {
            {{}, 2, 32},                                              // preset 30, two wrongs, then the time-out
            {{QStringLiteral("15"), QStringLiteral("60")}, 0, 62}};  // the last pick counts
        for (const auto &[picks, wrongClicks, maxSeconds] : cases) {
            Game game(0, false);
            Quiz &quiz = game.quiz;
            const Form1Controls &c = quiz.controls;
            for (const QString &pick : picks) {
                quiz.controls.Combo1.listIndex = static_cast<int>(c.Combo1.items.indexOf(pick));
                quiz.Combo1_Click();
            }
            game.ticks(40);  // no tick counts before Start
            QVERIFY(quiz.ElapsedSeconds == 0 && game.cues.requests.empty());

            quiz.Command2_Click();  // with an empty name
            QCOMPARE(c.Label2.caption, QStringLiteral("Maximum time for question = %1 seconds.").arg(maxSeconds - 2));
            QVERIFY(c.Label3.caption == "Name: " && c.Label2.visible && c.Label3.visible);
            QVERIFY(game.cues.requests.size() == 1 && isAlarm(game.cues.requests[0]));
            QCOMPARE(c.Timer2.interval, 1000);

            for (int i = 0; i < wrongClicks; ++i)
                quiz.Picture1_Click(1);
            const std::size_t before = game.cues.requests.size();
            for (int second = 1; second < maxSeconds; ++second) {
                game.ticks(1);
                QVERIFY(c.ProgressBar1.value == second && c.ProgressBar1.max == maxSeconds);
                QCOMPARE(game.cues.requests.size(), before + (second >= maxSeconds - 2 ? 1 : 0));
            }
            QVERIFY(isAlarm(game.cues.requests[before]));

            game.ticks(1);  // time-out: 0 %, whatever the wrong clicks left
            QVERIFY(c.Text3.text == gotText(0) && c.Text4.text == totalText(0, 1) && c.Text1.text == "V e r y   B a d");
            QVERIFY(c.ProgressBar1.value == 0 && game.tilesEnabled(false) && quiz.AnsweredTerm[1].isEmpty());
            game.ticks(10);  // inert
            QCOMPARE(c.ProgressBar1.value, 0);
            QCOMPARE(game.cues.requests.size(), before + 1);  // no rating cue, no second alarm
        }
    }

    void messageTimerAndHints()
    {
        Game game;
        Quiz &quiz = game.quiz;
        game.choose(QStringLiteral("Determinants"));
        quiz.Command5_Click();
        QVERIFY(quiz.controls.Text5.visible);
        QCOMPARE(quiz.controls.Text5.text, QStringLiteral("Determinant = 5x6-(-2)x4 = 38"));
        quiz.Picture1_Click(game.wrongTile());
        quiz.Timer1_Timer();
        QVERIFY(!quiz.controls.Text2.visible);  // "Please, Try again. " goes

        quiz.Picture1_Click(game.rightTile());
        quiz.Timer1_Timer();
        quiz.Timer1_Timer();
        QVERIFY(quiz.controls.Text2.visible && !quiz.controls.Text5.visible);  // the right-answer message stays

        game.choose(QStringLiteral("Linear Equation"));  // no explanation: the box shows empty
        quiz.Command5_Click();
        QVERIFY(quiz.controls.Text5.visible && quiz.controls.Text5.text.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJudging)
#include "tst_judging.moc"
