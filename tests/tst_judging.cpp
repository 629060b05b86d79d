#include "CuePlayer.h"
#include "Quiz.h"
#include "Rating.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <string>

namespace {

// At midnight the clock draws question 11, "Imaginary Number", odd answer at
// position 2; the fallback random number leaves every question unrotated.
struct Game {
    Game() : clock(0), quiz(clock, random, cues)
    {
        quiz.Form_Load();
        quiz.Command2_Click();
    }

    int rightTile() const { return quiz.OddTile[quiz.CurrentQuestion]; }
    int wrongTile() const { return rightTile() % 4 + 1; }
    int lastCue() const { return static_cast<int>(cues.requests.back().player); }

    // Wrong clicks down to the degree asked for, then the right one.
    void answerWith(int degree)
    {
        for (int reachable = 100; reachable > degree; reachable -= 25)
            quiz.Picture1_Click(wrongTile());
        quiz.Picture1_Click(rightTile());
    }

    ScriptedClock clock;
    ScriptedRandom random;
    RecordingCues cues;
    Quiz quiz;
};

QString maxText(int degree) { return QStringLiteral("Your max. degree is %1 % in this question.").arg(degree); }
QString gotText(int degree) { return QStringLiteral("You have got %1 % in this question.").arg(degree); }
QString totalText(int average, int count)
{
    return QStringLiteral("You have got %1 % in %2 questions.").arg(average).arg(count);
}

constexpr int kLeft = -1;      // left through Next Question without a right answer
constexpr int kTimedOut = -2;  // ran out of time

}  // namespace

class TestJudging : public QObject {
    Q_OBJECT

private slots:
    void clicksOnOneQuestion_data()
    {
        QTest::addColumn<QList<int>>("tiles");
        QTest::addColumn<QStringList>("questionBox");
        QTest::addColumn<QList<int>>("cues");
        QTest::addColumn<int>("degree");
        QTest::addColumn<QString>("rating");
        QTest::newRow("right") << QList<int>{2} << QStringList{gotText(100)} << QList<int>{9} << 100
                               << QStringLiteral("W a a o w !!!!");
        QTest::newRow("wrong, wrong, right") << QList<int>{1, 3, 2} << QStringList{maxText(75), maxText(50), gotText(50)}
                                             << QList<int>{1, 3, 6} << 50 << QStringLiteral("S u f f i c i e n t");
        QTest::newRow("five wrongs, last three on one tile, right")
            << QList<int>{1, 3, 4, 4, 4, 2}
            << QStringList{maxText(75), maxText(50), maxText(25), maxText(25), maxText(25), gotText(25)}
            << QList<int>{1, 3, 3, 3, 3, 4} << 25 << QStringLiteral("V e r y   B a d");
    }

    void clicksOnOneQuestion()
    {
        QFETCH(QList<int>, tiles);
        QFETCH(QStringList, questionBox);
        QFETCH(QList<int>, cues);
        QFETCH(int, degree);
        QFETCH(QString, rating);
        Game game;
        Quiz &quiz = game.quiz;
        for (int i = 0; i < 3; ++i)
            quiz.Timer2_Timer();
        game.cues.requests.clear();  // Start's alarm
        for (qsizetype i = 0; i < tiles.size(); ++i) {
            quiz.Picture1_Click(tiles[i]);
            QCOMPARE(quiz.controls.Text3.text, questionBox[i]);
            QVERIFY(quiz.controls.Text2.visible);
            const RecordingCues::Request &cue = game.cues.requests.at(std::size_t(i));
            QCOMPARE(static_cast<int>(cue.player), cues[i]);
            QVERIFY(cue.open == "Open" && cue.play == "play" && cue.rewind == "Prev");
            if (i + 1 < tiles.size()) {  // wrong
                QCOMPARE(quiz.controls.Text2.text, QStringLiteral("Please, Try again. "));
                QCOMPARE(quiz.controls.Text4.text, QString());
                QVERIFY(quiz.controls.Picture1[tiles[i]].enabled);
            }
        }
        QCOMPARE(quiz.controls.Text2.text, QStringLiteral("Right. All are Imaginary Numbers except this one. "));
        QCOMPARE(quiz.controls.Text4.text, totalText(degree, 1));
        QCOMPARE(quiz.controls.Text1.text, rating);
        QCOMPARE(quiz.AnsweredTerm[1], QStringLiteral("Imaginary Number"));
        QCOMPARE(quiz.AnsweredDegree[1], double(degree));
        QCOMPARE(quiz.TimerArmed, 0);
        QCOMPARE(quiz.controls.ProgressBar1.value, 0);

        // The tiles are closed now: no click counts.
        for (int tile = 1; tile <= 4; ++tile) {
            QVERIFY(!quiz.controls.Picture1[tile].enabled);
            quiz.Picture1_Click(tile);
        }
        QCOMPARE(quiz.DegreeSum, double(degree));
        QCOMPARE(quiz.controls.Text3.text, gotText(degree));
        QCOMPARE(game.cues.requests.size(), std::size_t(tiles.size()));
    }

    void averageOverPresentedQuestions_data()
    {
        QTest::addColumn<QList<int>>("outcomes");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("rating");
        QTest::newRow("100, 75: 87.5 -> 88") << QList<int>{100, 75} << totalText(88, 2) << QStringLiteral("V e r y   G o o d");
        QTest::newRow("100, left, 100, 50: 62.5 -> 62")
            << QList<int>{100, kLeft, 100, 50} << totalText(62, 4) << QStringLiteral("S u f f i c i e n t");
        QTest::newRow("left, 75: 37.5 -> 38") << QList<int>{kLeft, 75} << totalText(38, 2) << QStringLiteral("B a d");
        QTest::newRow("100, timed out: 50")
            << QList<int>{100, kTimedOut} << totalText(50, 2) << QStringLiteral("S u f f i c i e n t");
    }

    void averageOverPresentedQuestions()
    {
        QFETCH(QList<int>, outcomes);
        QFETCH(QString, total);
        QFETCH(QString, rating);
        Game game;
        Quiz &quiz = game.quiz;
        QList<int> presented;
        for (int outcome : outcomes) {
            if (!presented.isEmpty())
                quiz.Command1_Click();
            presented << quiz.CurrentQuestion;
            if (outcome == kTimedOut) {
                for (int i = 0; i < 32; ++i)
                    quiz.Timer2_Timer();
            } else if (outcome != kLeft) {
                game.answerWith(outcome);
            }
        }
        QCOMPARE(quiz.controls.Text4.text, total);
        QCOMPARE(quiz.controls.Text1.text, rating);
        // Rows by presentation order: written by right answers only.
        for (qsizetype n = 0; n < outcomes.size(); ++n) {
            const bool right = outcomes[n] >= 0;
            QCOMPARE(quiz.AnsweredTerm[n + 1], right ? quiz.Term[presented[n]] : QString());
            QCOMPARE(quiz.AnsweredDegree[n + 1], right ? double(outcomes[n]) : 0.0);
        }
    }

    void ratingBands_data()
    {
        QTest::addColumn<int>("average");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("cue");
        const auto row = [](int average, const char *word, int cue) {
            QTest::addRow("%d", average) << average << QString::fromLatin1(word) << cue;
        };
        row(29, "V e r y   B a d", 4);
        row(30, "B a d", 5);
        row(49, "B a d", 5);
        row(50, "S u f f i c i e n t", 6);
        row(64, "S u f f i c i e n t", 6);
        row(65, "G o o d", 7);
        row(74, "G o o d", 7);
        row(75, "V e r y   G o o d", 8);
        row(89, "V e r y   G o o d", 8);
        row(90, "E x c e l l e n t", 10);
        row(99, "E x c e l l e n t", 10);
        row(100, "W a a o w !!!!", 9);
    }

    void ratingBands()
    {
        QFETCH(int, average);
        QFETCH(QString, word);
        QFETCH(int, cue);
        const Rating rating = ratingFor(average);
        QCOMPARE(rating.word, word);
        QCOMPARE(static_cast<int>(rating.cue), cue);
    }

    void hundredthPresentation_data()
    {
        QTest::addColumn<bool>("lastRight");
        QTest::newRow("wrong click at the 100th") << false;
        QTest::newRow("right click at the 100th") << true;
    }

    void hundredthPresentation()
    {
        QFETCH(bool, lastRight);
        Game game;
        Quiz &quiz = game.quiz;
        game.answerWith(50);
        for (int n = 2; n <= 99; ++n) {
            quiz.Command1_Click();
            game.answerWith(100);
        }
        QVERIFY(quiz.controls.Command1Visible);
        QCOMPARE(quiz.controls.Text4.text, totalText(99, 99));  // 9850 / 99
        QCOMPARE(game.lastCue(), static_cast<int>(Cue::MMControl10));

        quiz.Command1_Click();
        quiz.Picture1_Click(lastRight ? game.rightTile() : game.wrongTile());
        QVERIFY(!quiz.controls.Command1Visible);
        QCOMPARE(quiz.controls.Text4.text, lastRight ? totalText(100, 100) : totalText(99, 99));  // 9950 / 100
        quiz.Command1_Click();  // hidden
        QCOMPARE(quiz.QuestionCount, 100);
    }
};

QTEST_GUILESS_MAIN(TestJudging)
#include "tst_judging.moc"
