#include "CuePlayer.h"
#include "Quiz.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QStringList>
#include <QTest>

namespace {

// At midnight the clock draws question 11, "Imaginary Number": odd answer on
// tile 2 while unrotated, and an explanation.
constexpr int kRightTile = 2;
constexpr int kWrongTile = 1;

struct Game {
    Game() : clock(0), quiz(clock, random, cues) { quiz.Form_Load(); }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            quiz.Timer2_Timer();
    }

    bool isAlarm(std::size_t request) const
    {
        const RecordingCues::Request &r = cues.requests.at(request);
        return r.player == Cue::MMControl11 && r.open == "open" && r.play == "play" && r.rewind == "prev";
    }

    ScriptedClock clock;
    ScriptedRandom random;
    RecordingCues cues;
    Quiz quiz;
};

}  // namespace

class TestTimer : public QObject {
    Q_OBJECT

private slots:
    void countdown_data()
    {
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<int>("wrongClicks");
        QTest::addColumn<int>("maxSeconds");
        QTest::newRow("preset 30") << QStringList{} << 0 << 32;
        QTest::newRow("pick 15") << QStringList{QStringLiteral("15")} << 0 << 17;
        QTest::newRow("picks 15 then 60") << QStringList{QStringLiteral("15"), QStringLiteral("60")} << 0 << 62;
        QTest::newRow("two wrongs, then time-out") << QStringList{} << 2 << 32;
    }

    void countdown()
    {
        QFETCH(QStringList, picks);
        QFETCH(int, wrongClicks);
        QFETCH(int, maxSeconds);
        Game game;
        Quiz &quiz = game.quiz;
        for (const QString &pick : picks) {
            quiz.controls.Combo1.listIndex = static_cast<int>(quiz.controls.Combo1.items.indexOf(pick));
            quiz.Combo1_Click();
        }
        QCOMPARE(quiz.MaxSeconds, double(maxSeconds));
        game.ticks(40);  // no tick counts before Start
        QCOMPARE(quiz.ElapsedSeconds, 0);
        QVERIFY(game.cues.requests.empty() && quiz.controls.Text3.text.isEmpty());

        quiz.Command2_Click();  // with an empty name
        QCOMPARE(quiz.controls.Label2.caption,
                 QStringLiteral("Maximum time for question = %1 seconds.").arg(maxSeconds - 2));
        QCOMPARE(quiz.controls.Label3.caption, QStringLiteral("Name: "));
        QVERIFY(quiz.controls.Label2.visible && quiz.controls.Label3.visible && quiz.controls.List1.enabled);
        QCOMPARE(game.cues.requests.size(), std::size_t(1));
        QVERIFY(game.isAlarm(0));
        QCOMPARE(quiz.controls.Timer2.interval, 1000);

        for (int i = 0; i < wrongClicks; ++i)
            quiz.Picture1_Click(kWrongTile);
        const std::size_t before = game.cues.requests.size();
        for (int second = 1; second < maxSeconds; ++second) {
            game.ticks(1);
            QCOMPARE(quiz.controls.ProgressBar1.value, second);
            QCOMPARE(quiz.controls.ProgressBar1.max, maxSeconds);
            QCOMPARE(game.cues.requests.size(), before + (second >= maxSeconds - 2 ? 1 : 0));
        }
        QVERIFY(game.isAlarm(before));

        game.ticks(1);  // time-out
        QCOMPARE(quiz.QuestionDegree[11], 0.0);
        QCOMPARE(quiz.controls.Text3.text, QStringLiteral("You have got 0 % in this question."));
        QCOMPARE(quiz.controls.Text4.text, QStringLiteral("You have got 0 % in 1 questions."));
        QCOMPARE(quiz.controls.Text1.text, QStringLiteral("V e r y   B a d"));
        QCOMPARE(quiz.controls.ProgressBar1.value, 0);
        QCOMPARE(game.cues.requests.size(), before + 1);  // no rating cue
        for (int t = 1; t <= 4; ++t)
            QVERIFY(!quiz.controls.Picture1[t].enabled);
        QCOMPARE(quiz.AnsweredTerm[1], QString());

        game.ticks(10);  // inert
        QCOMPARE(quiz.ElapsedSeconds, maxSeconds + 10);
        QCOMPARE(quiz.controls.ProgressBar1.value, 0);
        QCOMPARE(game.cues.requests.size(), before + 1);
    }

    void rightAnswerStopsTheCount()
    {
        Game game;
        Quiz &quiz = game.quiz;
        quiz.Command2_Click();
        game.ticks(20);
        quiz.Picture1_Click(kRightTile);
        QCOMPARE(quiz.controls.ProgressBar1.value, 0);
        game.ticks(20);
        QCOMPARE(quiz.controls.ProgressBar1.value, 0);
        QCOMPARE(game.cues.requests.size(), std::size_t(2));  // Start's alarm and the rating, no alarm
        QCOMPARE(quiz.controls.Text3.text, QStringLiteral("You have got 100 % in this question."));
    }

    void messageTimerAndHints()
    {
        Game game;
        Quiz &quiz = game.quiz;
        quiz.Command2_Click();
        quiz.Command5_Click();
        QVERIFY(quiz.controls.Text5.visible);
        QCOMPARE(quiz.controls.Text5.text,
                 QStringLiteral("cubic (or 5th, 7th,....)root of negative number is not an imaginary Number."));
        quiz.Picture1_Click(kWrongTile);
        QVERIFY(quiz.controls.Text2.visible);
        quiz.Timer1_Timer();
        QVERIFY(!quiz.controls.Text2.visible);  // "Please, Try again. " goes

        quiz.Picture1_Click(kRightTile);
        quiz.Timer1_Timer();
        quiz.Timer1_Timer();
        QVERIFY(quiz.controls.Text2.visible);  // the right-answer message stays
        QVERIFY(!quiz.controls.Text5.visible);

        // "Linear Equation" has no explanation: the box shows empty.
        quiz.controls.List1.listIndex = static_cast<int>(quiz.controls.List1.items.indexOf(QStringLiteral("Linear Equation")));
        quiz.List1_DblClick();
        quiz.Command5_Click();
        QVERIFY(quiz.controls.Text5.visible);
        QCOMPARE(quiz.controls.Text5.text, QString());
    }
};

QTEST_GUILESS_MAIN(TestTimer)
#include "tst_timer.moc"
