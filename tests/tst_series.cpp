#include "Quiz.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QList>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

// The clock's C value with whole numbers only: the last two digits of
// floor(T * 100000) for T = s / 86400.
int clockValue(long long s)
{
    return static_cast<int>(s * 100000 / 86400 - 100 * (s * 1000 / 86400));
}

int questionForValue(int c)
{
    if (c < 2)
        c = 10;
    const int d = c * 100 / 90;
    return d > 100 ? d / 2 : d;
}

// A second that draws question q, away from the seconds where the double
// product may round the other way.
int secondDrawing(int q)
{
    for (int s = 0; s < 86400; ++s) {
        if ((s * 100000LL) % 86400 != 0 && questionForValue(clockValue(s)) == q)
            return s;
    }
    return -1;
}

struct Game {
    explicit Game(int second) : clock(second), quiz(clock, random, cues) { quiz.Form_Load(); }

    QList<int> pictures() const
    {
        QList<int> shown;
        for (int t = 1; t <= 4; ++t)
            shown << quiz.controls.Picture1[t].picture;
        return shown;
    }

    ScriptedClock clock;
    ScriptedRandom random;  // falls back to U = 0, rotation 1
    RecordingCues cues;
    Quiz quiz;
};

}  // namespace

class TestSeries : public QObject {
    Q_OBJECT

private slots:
    void load()
    {
        Game game(0);  // midnight draws 11, "Imaginary Number", odd answer at position 2
        const Quiz &quiz = game.quiz;
        QCOMPARE(quiz.CurrentQuestion, 11);
        QCOMPARE(game.pictures(), (QList<int>{41, 42, 43, 44}));
        QCOMPARE(game.random.draws(), 0);  // unrotated
        QCOMPARE(quiz.OddTile[11], 2);
        for (int q = 1; q <= 100; ++q) {
            QCOMPARE(quiz.OddTile[q], quiz.OddPicture[q]);
            QCOMPARE(quiz.QuestionFree[q], 1);  // the drawn question too
        }
        QCOMPARE(quiz.controls.Label1.caption, QStringLiteral("Imaginary Number: Find the odd one out"));
        QCOMPARE(quiz.QuestionCount, 1);
        QCOMPARE(quiz.DegreeFactor, 1.0);
        QCOMPARE(quiz.MaxSeconds, 32.0);
        QCOMPARE(quiz.TimerArmed, 0);
        QCOMPARE(quiz.controls.Timer2.interval, 0);
        QCOMPARE(quiz.TileLeft[3], 4725.0f);
        QCOMPARE(quiz.TileTop[4], 525.0f);
    }

    void drawByClock()
    {
        Game game(0);
        QSet<int> drawn;
        for (int s = 0; s < 86400; ++s) {
            game.clock.set(s);
            const int d = game.quiz.DrawByClock();
            const int c = clockValue(s);
            if ((s * 100000LL) % 86400 == 0) {
                // T * 100000 is whole only in exact arithmetic; in double it may fall just below.
                QSet<int> possible{questionForValue(c), questionForValue(c - 1)};
                if ((s * 1000LL) % 86400 == 0)
                    possible << questionForValue(c + 100) << questionForValue(c + 99);
                QVERIFY2(possible.contains(d), qPrintable(QString::number(s)));
            } else {
                QVERIFY2(d == questionForValue(c), qPrintable(QString::number(s)));
            }
            drawn.insert(d);
        }
        for (int q = 1; q <= 100; ++q)
            QVERIFY2(drawn.contains(q) == (q != 1 && q % 10 != 9), qPrintable(QString::number(q)));

        game.clock.set(55512);  // 15:25:12, exactly 0.6425 of the day
        QCOMPARE(game.quiz.DrawByClock(), 54);
        game.clock.set(1);  // C = 1
        QCOMPARE(game.quiz.DrawByClock(), 11);
    }

    void rotation_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<double>("u");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<int>("oddTile");
        const auto below = [](double u) { return std::nextafter(u, 0.0); };
        QTest::newRow("U below 2/7: R=1, q1") << 1 << below(2.0 / 7) << QList<int>{1, 2, 3, 4} << 3;
        QTest::newRow("U 2/7: R=2, q2") << 2 << 2.0 / 7 << QList<int>{6, 7, 8, 5} << 4;
        QTest::newRow("U below 4/7: R=2, q1") << 1 << below(4.0 / 7) << QList<int>{2, 3, 4, 1} << 2;
        QTest::newRow("U 4/7: R=3, q1") << 1 << 4.0 / 7 << QList<int>{3, 4, 1, 2} << 1;
        QTest::newRow("U below 6/7: R=3, q100") << 100 << below(6.0 / 7) << QList<int>{399, 400, 397, 398} << 4;
        QTest::newRow("U 6/7: R=4, q1") << 1 << 6.0 / 7 << QList<int>{4, 1, 2, 3} << 4;
        QTest::newRow("U below 1: R=4, q2") << 2 << below(1.0) << QList<int>{8, 5, 6, 7} << 2;
    }

    void rotation()
    {
        QFETCH(int, question);
        QFETCH(double, u);
        QFETCH(QList<int>, shown);
        QFETCH(int, oddTile);
        Game game(0);
        game.random.queue(u);
        game.quiz.PlaceAnswers(question);
        QCOMPARE(game.pictures(), shown);
        QCOMPARE(game.quiz.OddTile[question], oddTile);
    }

    void wholeSeriesThenRestart()
    {
        Game game(secondDrawing(50));
        Quiz &quiz = game.quiz;
        quiz.Command2_Click();
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
        QCOMPARE(quiz.ElapsedSeconds, 101);
        QVERIFY(!quiz.controls.Command1Visible);
        QCOMPARE(quiz.controls.Label1.caption, QStringLiteral(" "));
        QCOMPARE(game.pictures(), (QList<int>{0, 0, 0, 0}));
        QVERIFY(!quiz.controls.Picture1[1].enabled && !quiz.controls.Picture1[4].enabled);
        const auto cues = game.cues.requests.size();
        for (int i = 0; i < 40; ++i)
            quiz.Timer2_Timer();
        QCOMPARE(quiz.controls.Text3.text, QString());  // no time-out
        QCOMPARE(game.cues.requests.size(), cues);

        quiz.Command3_Click();  // after a series the countdown stays quiet
        QCOMPARE(quiz.CurrentQuestion, 50);
        QCOMPARE(quiz.QuestionCount, 1);
        QVERIFY(quiz.controls.Command1Visible && quiz.controls.Picture1[1].enabled);
        for (int i = 0; i < 40; ++i)
            quiz.Timer2_Timer();
        QCOMPARE(quiz.controls.Text3.text, QString());
        QCOMPARE(game.cues.requests.size(), cues);
    }

    void restartWhileCounting()
    {
        Game game(secondDrawing(20));
        Quiz &quiz = game.quiz;
        quiz.Command2_Click();
        quiz.Picture1_Click(4);  // right: odd answer of 20 at position 4
        quiz.Command5_Click();
        quiz.Command1_Click();
        for (int i = 0; i < 5; ++i)
            quiz.Timer2_Timer();
        quiz.Picture1_Click(1);  // wrong: the message shows

        game.random.queue(4.0 / 7);  // R = 3
        quiz.Command3_Click();
        QCOMPARE(quiz.CurrentQuestion, 20);
        QCOMPARE(quiz.QuestionFree[20], 1);
        QCOMPARE(quiz.QuestionCount, 1);
        QCOMPARE(quiz.DegreeFactor, 1.0);
        QCOMPARE(quiz.DegreeSum, 0.0);
        QCOMPARE(game.pictures(), (QList<int>{79, 80, 77, 78}));
        QCOMPARE(quiz.OddTile[20], 2);
        QCOMPARE(quiz.controls.Text1.text, QString());
        QCOMPARE(quiz.controls.Text3.text, QString());
        QCOMPARE(quiz.controls.Text4.text, QString());
        QCOMPARE(quiz.controls.Text2.text, QStringLiteral(" "));
        QVERIFY(quiz.controls.Text2.visible);  // visibility kept
        QVERIFY(!quiz.controls.Text5.visible);
        QCOMPARE(quiz.AnsweredTerm[1], QStringLiteral("Power Unit"));  // earlier rows stay
        QCOMPARE(quiz.ElapsedSeconds, 5);
        QCOMPARE(quiz.TimerArmed, 1);
        quiz.Timer2_Timer();
        QCOMPARE(quiz.controls.ProgressBar1.value, 6);
    }
};

QTEST_GUILESS_MAIN(TestSeries)
#include "tst_series.moc"
