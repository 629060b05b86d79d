#include "Quiz.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QList>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// At midnight the clock draws question 11, "Imaginary Number" (odd answer at
// position 2, Picture numbers 41 to 44).
struct Game {
    explicit Game(bool start = true) : clock(0), quiz(clock, random, cues)
    {
        quiz.Form_Load();
        if (start)
            quiz.Command2_Click();
    }

    void choose(const QString &entry)
    {
        quiz.controls.List1.listIndex = static_cast<int>(quiz.controls.List1.items.indexOf(entry));
        quiz.List1_DblClick();
    }

    QList<int> pictures() const
    {
        QList<int> shown;
        for (int t = 1; t <= 4; ++t)
            shown << quiz.controls.Picture1[t].picture;
        return shown;
    }

    ScriptedClock clock;
    ScriptedRandom random;
    RecordingCues cues;
    Quiz quiz;
};

}  // namespace

class TestWordListHover : public QObject {
    Q_OBJECT

private slots:
    void choiceByText_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("question");
        QTest::newRow("first of the reversed list") << QStringLiteral("Vector Components") << 100;
        QTest::newRow("last of the reversed list") << QStringLiteral("Simple Beam") << 1;
        QTest::newRow("Lin, not Linear Equation") << QStringLiteral("Lin") << 42;
        QTest::newRow("Linear Equation, not Lin") << QStringLiteral("Linear Equation") << 26;
    }

    void choiceByText()
    {
        QFETCH(QString, entry);
        QFETCH(int, question);
        Game game;
        Quiz &quiz = game.quiz;
        std::reverse(quiz.controls.List1.items.begin(), quiz.controls.List1.items.end());
        const std::vector<int> freeBefore = quiz.QuestionFree;
        game.random.queue(0.5);  // R = 2
        game.choose(entry);
        QCOMPARE(quiz.CurrentQuestion, question);
        QCOMPARE(quiz.controls.Label1.caption, entry + QStringLiteral(": Find the odd one out"));
        const int p = 4 * (question - 1);
        QCOMPARE(game.pictures(), (QList<int>{p + 2, p + 3, p + 4, p + 1}));
        QCOMPARE(quiz.QuestionCount, 2);
        QCOMPARE(quiz.QuestionFree, freeBefore);
    }

    void noSelectionShowsTheQuestionAgain()
    {
        Game game;
        Quiz &quiz = game.quiz;
        quiz.Picture1_Click(1);  // wrong
        quiz.Command5_Click();
        for (int i = 0; i < 7; ++i)
            quiz.Timer2_Timer();
        quiz.controls.List1.listIndex = -1;
        game.random.queue(0.5);  // R = 2
        quiz.List1_DblClick();
        QCOMPARE(quiz.CurrentQuestion, 11);
        QCOMPARE(quiz.QuestionCount, 2);
        QCOMPARE(game.pictures(), (QList<int>{42, 43, 44, 41}));
        QCOMPARE(quiz.OddTile[11], 1);
        QCOMPARE(quiz.DegreeFactor, 1.0);
        QCOMPARE(quiz.ElapsedSeconds, 0);
        QCOMPARE(quiz.TimerArmed, 1);
        QCOMPARE(quiz.controls.Text3.text, QString());
        QVERIFY(!quiz.controls.Text2.visible && !quiz.controls.Text5.visible);

        quiz.controls.List1.items[0] = QStringLiteral("simple beam");  // matches no term: case counts
        quiz.controls.List1.listIndex = 0;
        quiz.List1_DblClick();
        QCOMPARE(quiz.CurrentQuestion, 11);
        QCOMPARE(quiz.QuestionCount, 3);
    }

    void choiceAfterEndOfSeries()
    {
        Game game;
        Quiz &quiz = game.quiz;
        while (quiz.controls.Command1Visible && quiz.QuestionCount < 200)
            quiz.Command1_Click();
        QVERIFY(!quiz.controls.Picture1[1].enabled);

        game.choose(QStringLiteral("Couple"));
        QCOMPARE(quiz.CurrentQuestion, 4);
        QCOMPARE(quiz.QuestionCount, 101);
        QCOMPARE(game.pictures(), (QList<int>{13, 14, 15, 16}));
        for (int t = 1; t <= 4; ++t)
            QVERIFY(quiz.controls.Picture1[t].enabled);
        quiz.Timer2_Timer();
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

    void hover_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<QList<int>>("borders");
        const QList<int> home{105, 2415, 4725, 7035};
        const QList<int> homeTops{525, 525, 525, 525};
        const QList<int> none{0, 0, 0, 0};
        QTest::newRow("first move over tile 1") << true << QList<int>{1} << QList<int>{95, 2415, 4725, 7035}
                                                << QList<int>{515, 525, 525, 525} << QList<int>{1, 0, 0, 0};
        QTest::newRow("tile 2 then tile 3") << true << QList<int>{2, 3} << QList<int>{105, 2415, 4715, 7035}
                                            << QList<int>{525, 525, 515, 525} << QList<int>{0, 0, 1, 0};
        QTest::newRow("many moves inside tile 4") << true << QList<int>(50, 4) << QList<int>{105, 2415, 4725, 7025}
                                                  << QList<int>{525, 525, 525, 515} << QList<int>{0, 0, 0, 1};
        QTest::newRow("out-of-range after tile 2") << true << QList<int>{2, 0, 5, -1} << QList<int>{105, 2405, 4725, 7035}
                                                   << QList<int>{525, 515, 525, 525} << QList<int>{0, 1, 0, 0};
        QTest::newRow("out-of-range only") << true << QList<int>{0, 5} << home << homeTops << none;
        QTest::newRow("under the start panel") << false << QList<int>{1, 3} << home << homeTops << none;
    }

    void hover()
    {
        QFETCH(bool, started);
        QFETCH(QList<int>, moves);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, tops);
        QFETCH(QList<int>, borders);
        Game game(started);
        for (int tile : moves)
            game.quiz.Picture1_MouseMove(tile);
        for (int t = 1; t <= 4; ++t) {
            QCOMPARE(game.quiz.controls.Picture1[t].left, lefts[t - 1]);
            QCOMPARE(game.quiz.controls.Picture1[t].top, tops[t - 1]);
            QCOMPARE(game.quiz.controls.Picture1[t].border, borders[t - 1]);
        }
    }

    void hoverFrozenWhileTilesDisabled()
    {
        Game game;
        Quiz &quiz = game.quiz;
        quiz.Picture1_MouseMove(2);
        quiz.Picture1_Click(2);  // right: the tiles close
        quiz.Picture1_MouseMove(3);
        QCOMPARE(quiz.controls.Picture1[2].left, 2405);
        QCOMPARE(quiz.controls.Picture1[3].border, 0);

        game.choose(QStringLiteral("Couple"));  // presenting keeps the raised tile
        QCOMPARE(quiz.controls.Picture1[2].border, 1);
        quiz.Picture1_MouseMove(3);
        QCOMPARE(quiz.controls.Picture1[2].left, 2415);
        QCOMPARE(quiz.controls.Picture1[3].left, 4715);
    }
};

QTEST_GUILESS_MAIN(TestWordListHover)
#include "tst_wordlist_hover.moc"
