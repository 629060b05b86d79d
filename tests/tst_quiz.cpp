// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerLog.h"
#include "QuestionBank.h"
#include "QuizGame.h"
#include "Rating.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QString maxText(int degree) { return QStringLiteral("Your max. degree is %1 % in this question.").arg(degree); }
QString gotText(int degree) { return QStringLiteral("You have got %1 % in this question.").arg(degree); }
QString totalText(int average, int n) { return QStringLiteral("You have got %1 % in %2 questions.").arg(average).arg(n); }

// Writes what the quiz tells its log as lines a test can compare: "series Ann 15", "11 Right 50 wrong 2 secs 3 hint".
struct LinesLog : AnswerLog {
    void seriesStarted(const QString &name, int maxSeconds) override
    {
        lines << QStringLiteral("series %1 %2").arg(name).arg(maxSeconds);
    }
    void questionEnded(const AnswerRecord &r) override
    {
        static const char *const outcomes[] = {"Right", "TimedOut", "Left"};
        QString line = QStringLiteral("%1 %2").arg(r.question).arg(QLatin1String(outcomes[static_cast<int>(r.outcome)]));
        if (r.outcome != AnswerOutcome::Left)
            line += QStringLiteral(" %1").arg(r.degree);
        if (r.wrongClicks > 0)
            line += QStringLiteral(" wrong %1").arg(r.wrongClicks);
        if (r.secondsUsed > 0)
            line += QStringLiteral(" secs %1").arg(r.secondsUsed);
        if (r.hintOpened)
            line += QStringLiteral(" hint");
        lines << line;
    }
    QStringList lines;
};

bool isAlarm(const RecordingCues::Request &c) { return c.player == Cue::MMControl11 && c.open == "open" && c.rewind == "prev"; }

}  // namespace

// The rules of one quiz: messages, load, series order, word list, judging, rating and timers.
class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    // Play scripts, one step a word, and what the log hears of them.
    void answerRecords_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("right at once after 3 s") << "start tick tick tick right" << QStringList{"series  30", "11 Right 100 secs 3"};
        QTest::newRow("two wrong, hint, right") << "name:Ann pick:15 start wrong wrong hint right"
                                                << QStringList{"series Ann 15", "11 Right 50 wrong 2 hint"};
        QTest::newRow("time-out, then nothing more") << "start wrong tick*32 tick*5 hint"
                                                     << QStringList{"series  30", "11 TimedOut 0 wrong 1 secs 32"};
        QTest::newRow("left by Next Question") << "start wrong next right next"
                                               << QStringList{"series  30", "11 Left wrong 1", "11 Right 100"};
        QTest::newRow("left by a word-list choice") << "start tick choose:Lin choose:Lin right"
                                                    << QStringList{"series  30", "11 Left secs 1", "42 Left", "42 Right 100"};
        QTest::newRow("Restart leaves and begins a series") << "name:Bo start hint restart wrong right restart"
                                                            << QStringList{"series Bo 30", "11 Left hint", "series Bo 30",
                                                                           "11 Right 75 wrong 1", "series Bo 30"};
        QTest::newRow("nothing heard before Start") << "hint tick*5 pick:60 pick:20 start right"
                                                    << QStringList{"series  20", "11 Right 100"};
        QTest::newRow("an answered question is not left") << "start right hint tick next"
                                                          << QStringList{"series  30", "11 Right 100"};
        QTest::newRow("no log, no harm") << "nolog start wrong next restart" << QStringList{};
    }

    void answerRecords()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, records);
        Game game(0, false);
        Quiz &quiz = game.quiz;
        LinesLog log;
        quiz.setAnswerLog(&log);
        for (const QString &step : script.split(u' ')) {
            const QString word = step.section(u':', 0, 0).section(u'*', 0, 0);
            const QString arg = step.section(u':', 1);
            const int times = step.contains(u'*') ? step.section(u'*', 1).toInt() : 1;
            for (int i = 0; i < times; ++i) {
                if (word == "nolog") quiz.setAnswerLog(nullptr);
                else if (word == "name") quiz.controls.Text7 = arg;
                else if (word == "pick") { quiz.controls.Combo1.listIndex = int(quiz.controls.Combo1.items.indexOf(arg)); quiz.deliver(Quiz::Event::TimePicked); }
                else if (word == "start") quiz.deliver(Quiz::Event::Start);
                else if (word == "tick") quiz.deliver(Quiz::Event::CountdownTick);
                else if (word == "right") quiz.deliver(Quiz::Event::TileClick, game.rightTile());
                else if (word == "wrong") quiz.deliver(Quiz::Event::TileClick, game.wrongTile());
                else if (word == "hint") quiz.deliver(Quiz::Event::Hints);
                else if (word == "next") quiz.deliver(Quiz::Event::NextQuestion);
                else if (word == "restart") quiz.deliver(Quiz::Event::Restart);
                else if (word == "choose") { quiz.controls.List1.listIndex = int(quiz.controls.List1.items.indexOf(arg)); quiz.deliver(Quiz::Event::WordChosen); }
                else QFAIL(qPrintable("unknown step " + step));
            }
        }
        QCOMPARE(log.lines, records);
    }

    void rightAnswerMessages()
    {
        const std::pair<int, const char *> cases[] = {
            {1, "Right. All are Simple Beams except this one. "}, {31, "Right. All are Acceleration Uints except this one. "},
            {63, "Right. All are Distributive propertys except this one. "}, {32, "Right. All are equal One except this one. "},
            {75, "Right. All are equal Two except this one. "}, {42, "Right. All are correct except this one. "},
            {37, "Right. All are Atmosphere Pressure at sea level except this one. "},
            {74, "Right. All the axes of wrench is Y-axis except this one. "}};
        for (const auto &[question, message] : cases)
            QCOMPARE(QuestionBank::rightAnswerMessage(question), QLatin1String(message));
    }

    void loadAndDrawByClock()
    {
        // Second of the day, question drawn: C = 0, 1, 10 give 11; 6.94 is cut; 90 gives 100; 91, 99 are halved.
        const int cases[][2] = {{0, 11}, {1, 11}, {6, 6}, {9, 11}, {78, 100}, {79, 50}, {86, 55}, {3600, 73}, {55512, 54}};
        Game game(0, false);  // loaded at second 0: question 11 unrotated, without a draw
        QVERIFY(game.quiz.CurrentQuestion == 11 && game.pictures() == (QList<int>{41, 42, 43, 44}) && !game.random.draws());
        QVERIFY(game.quiz.controls.caption.endsWith(" (100 questions)") && game.quiz.controls.caption.size() > 16);
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
        QVERIFY(presented == expected && quiz.QuestionCount == 101);

        quiz.Command1_Click();  // nothing left: the series ends, and its countdown stays quiet
        QVERIFY(quiz.QuestionCount == 100 && quiz.CurrentQuestion == 100 && !quiz.controls.Command1Visible);
        const auto cues = game.cues.requests.size();
        game.ticks(40);
        QVERIFY(quiz.controls.Text3.text.isEmpty() && game.cues.requests.size() == cues);

        quiz.Command3_Click();  // every question can come again
        QVERIFY(quiz.CurrentQuestion == 50 && quiz.QuestionCount == 1 && quiz.controls.Command1Visible);
        QVERIFY(std::all_of(&quiz.QuestionFree[1], &quiz.QuestionFree[101], [](int free) { return free == 1; }));
        game.ticks(40);
        QVERIFY(quiz.controls.Text3.text.isEmpty() && game.cues.requests.size() == cues);
    }

    // A choice presents the question whose term is the entry's text, whatever the list's order, afresh and still free.
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
        QVERIFY(quiz.CurrentQuestion == question && quiz.QuestionCount == countBefore + 1 && quiz.QuestionFree == freeBefore);
        QCOMPARE(game.pictures(), (QList<int>{4 * question - 2, 4 * question - 1, 4 * question, 4 * question - 3}));
        QVERIFY(game.tilesEnabled(true) && quiz.DegreeFactor == 1.0);
        QVERIFY(!quiz.controls.Text2.visible && !quiz.controls.Text5.visible && quiz.controls.Text3.text.isEmpty());
        game.ticks(1);
        QCOMPARE(quiz.controls.ProgressBar1.value, 1);
    }

    void clicksOnOneQuestion()
    {
        // Tiles clicked in turn (odd answer on tile 2), the question box and cue after each, the degree; the last cue rates.
        const struct { QList<int> tiles; QStringList questionBox; QList<int> cues; int degree; } cases[] = {
            {{2}, {gotText(100)}, {9}, 100},
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
            QVERIFY(quiz.controls.ProgressBar1.value == 0 && quiz.controls.Text3.text == gotText(degree));
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
        for (const auto &band : bands)
            for (int average = band.low; average <= band.high; ++average)
                QVERIFY2(ratingFor(average).word == QLatin1String(band.word) && ratingFor(average).cue == band.cue,
                         qPrintable(QString::number(average)));
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
            QVERIFY(game.cues.requests.size() == 1 && isAlarm(game.cues.requests[0]) && c.Timer2.interval == 1000);

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
            QVERIFY(c.ProgressBar1.value == 0 && game.cues.requests.size() == before + 1);  // no rating cue, no second alarm
        }
    }

    void messageTimerAndHints()
    {
        Game game;
        Quiz &quiz = game.quiz;
        game.choose(QStringLiteral("Determinants"));
        quiz.Command5_Click();
        QVERIFY(quiz.controls.Text5.visible && quiz.controls.Text5.text == "Determinant = 5x6-(-2)x4 = 38");
        quiz.Picture1_Click(game.wrongTile());
        quiz.Timer1_Timer();
        QVERIFY(!quiz.controls.Text2.visible);  // "Please, Try again. " goes

        quiz.Picture1_Click(game.rightTile());
        quiz.Timer1_Timer();
        QVERIFY(quiz.controls.Text2.visible && !quiz.controls.Text5.visible);  // the right-answer message stays
    }
};

QTEST_GUILESS_MAIN(TestQuiz)
#include "tst_quiz.moc"
