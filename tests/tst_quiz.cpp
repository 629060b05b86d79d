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

using E = Quiz::Event;
constexpr int kTotal = QuestionBank::kQuestionTotal;

QString maxText(int degree) { return QStringLiteral("Your max. degree is %1 % in this question.").arg(degree); }
QString gotText(int degree) { return QStringLiteral("You have got %1 % in this question.").arg(degree); }
QString totalText(int average, int n) { return QStringLiteral("You have got %1 % in %2 questions.").arg(average).arg(n); }

bool isAlarm(const RecordingCues::Request &c) { return c.player == Cue::MMControl11 && c.open == "open" && c.rewind == "prev"; }

// The question the clock's value C draws: scaled to the bank, halved past its end.
int drawnFor(int c)
{
    const int d = c * kTotal / 90;
    return d > kTotal ? d / 2 : d;
}
// At midnight C is replaced by 10.
const int kFirst = drawnFor(10);
int picture(int question, int position) { return 4 * (question - 1) + position; }

// What the log hears, as lines: "series Ann 15", "11 Right 50 wrong 2 secs 3 hint".
struct LinesLog : AnswerLog {
    void seriesStarted(const QString &name, int maxSeconds) override { lines << QStringLiteral("series %1 %2").arg(name).arg(maxSeconds); }
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

// Everything an event can change that the player sees or hears, in one text.
QString trace(const Game &game)
{
    const QuizState &s = game.state();
    const Form1Controls &c = s.controls;
    QStringList parts{QString::number(s.QuestionCount), QString::number(s.CurrentQuestion),
                      QString::number(s.DegreeFactor), QString::number(s.MaxSeconds), c.Label1.caption,
                      c.Label2.caption, QString::number(c.Timer2.starts), QString::number(game.cues.requests.size())};
    for (const TextBox *box : {&c.Text1, &c.Text2, &c.Text3, &c.Text4, &c.Text5})
        parts << QString::number(box->writes) + (box->visible ? "v" : "h");
    for (int t = 1; t <= 4; ++t)
        parts << QString::number(c.Picture1[t].picture) + (c.Picture1[t].enabled ? "e" : "d");
    parts << QString::number(c.Frame2Visible) << QString::number(c.Command1Visible) << QString::number(c.List1.enabled)
          << QString::number(c.ProgressBar1.value);
    return parts.join(u',');
}

}  // namespace

// The rules of one quiz, played through its one door: messages, load, series order, word list, judging, rating, timers.
class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    // Whether each control takes its event in each situation of play: an event that is not taken changes nothing.
    void eventGate_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("event");
        QTest::addColumn<bool>("taken");
        const std::pair<const char *, E> events[] = {{"tile click", E::TileClick},     {"Next Question", E::NextQuestion},
                                                     {"Start", E::Start},              {"Restart", E::Restart},
                                                     {"time picked", E::TimePicked},  {"word chosen", E::WordChosen},
                                                     {"countdown tick", E::CountdownTick}};
        const std::pair<const char *, QList<bool>> situations[] = {
            {"before Start", {false, false, true, false, true, false, false}},
            {"question on show", {true, true, false, true, false, true, true}},
            {"after a right answer", {false, true, false, true, false, true, false}},
            {"after a time-out", {false, true, false, true, false, true, false}},
            {"series ended", {false, false, false, true, false, true, false}}};
        for (const auto &[situation, taken] : situations)
            for (int e = 0; e < 7; ++e)
                QTest::addRow("%s: %s", situation, events[e].first) << situation << int(events[e].second) << taken[e];
    }

    void eventGate()
    {
        QFETCH(QString, situation);
        QFETCH(int, event);
        QFETCH(bool, taken);
        Game game(0, situation != "before Start");
        if (situation == "after a right answer")
            game.click(game.rightTile());
        if (situation == "after a time-out")
            game.ticks(32);
        for (int n = 0; situation == "series ended" && game.controls().Command1Visible && n <= 2 * kTotal; ++n)
            game.quiz.deliver(E::NextQuestion);
        const QString before = trace(game);
        const auto e = static_cast<E>(event);
        game.quiz.deliver(e, e == E::TileClick ? game.wrongTile() : 0);
        QCOMPARE(trace(game) != before, taken);
    }

    // Play scripts, one step a word, and what the log hears of them.
    void answerRecords_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("records");
        const QString first = QString::number(kFirst);
        QTest::newRow("right at once after 3 s") << "start tick*3 right" << QStringList{"series  30", first + " Right 100 secs 3"};
        QTest::newRow("two wrong, hint, right") << "name:Ann pick:15 start wrong wrong hint right"
                                                << QStringList{"series Ann 15", first + " Right 50 wrong 2 hint"};
        QTest::newRow("time-out, then nothing more") << "start wrong tick*32 tick*5 hint"
                                                     << QStringList{"series  30", first + " TimedOut 0 wrong 1 secs 32"};
        QTest::newRow("left by Next Question") << "start wrong next right next"
                                               << QStringList{"series  30", first + " Left wrong 1", first + " Right 100"};
        QTest::newRow("left by a word-list choice") << "start tick choose:Lin choose:Lin right"
                                                    << QStringList{"series  30", first + " Left secs 1", "42 Left", "42 Right 100"};
        QTest::newRow("Restart leaves and begins a series")
            << "name:Bo start hint restart wrong right restart"
            << QStringList{"series Bo 30", first + " Left hint", "series Bo 30", first + " Right 75 wrong 1", "series Bo 30"};
        QTest::newRow("nothing heard before Start") << "hint tick*5 pick:60 pick:20 start right"
                                                    << QStringList{"series  20", first + " Right 100"};
        QTest::newRow("an answered question is not left") << "start right hint tick next"
                                                          << QStringList{"series  30", first + " Right 100"};
        QTest::newRow("the name box is closed after Start") << "name:Al start name:Bo restart"
                                                            << QStringList{"series Al 30", first + " Left", "series Al 30"};
        QTest::newRow("no log, no harm") << "nolog start wrong next restart" << QStringList{};
    }

    void answerRecords()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, records);
        Game game(0, false);
        LinesLog log;
        game.quiz.setAnswerLog(&log);
        for (const QString &step : script.split(u' ')) {
            const QString word = step.section(u':', 0, 0).section(u'*', 0, 0);
            const QString arg = step.section(u':', 1);
            for (int i = step.contains(u'*') ? step.section(u'*', 1).toInt() : 1; i > 0; --i) {
                if (word == "nolog") game.quiz.setAnswerLog(nullptr);
                else if (word == "name") game.quiz.typeName(arg);
                else if (word == "pick") game.pick(arg);
                else if (word == "start") game.quiz.deliver(E::Start);
                else if (word == "tick") game.ticks(1);
                else if (word == "right") game.click(game.rightTile());
                else if (word == "wrong") game.click(game.wrongTile());
                else if (word == "hint") game.quiz.deliver(E::Hints);
                else if (word == "next") game.quiz.deliver(E::NextQuestion);
                else if (word == "restart") game.quiz.deliver(E::Restart);
                else if (word == "choose") game.choose(arg);
                else QFAIL(qPrintable("unknown step " + step));
            }
        }
        QCOMPARE(log.lines, records);
    }

    // The bank's texts where they are made up of pieces or easy to mistype.
    void bankTexts()
    {
        QCOMPARE(QuestionBank::hint(99), QLatin1String("Determinant = 5x6-(-2)x4 = 38"));
        const std::pair<int, const char *> cases[] = {
            {1, "Right. All are Simple Beams except this one. "}, {31, "Right. All are Acceleration Uints except this one. "},
            {63, "Right. All are Distributive propertys except this one. "}, {32, "Right. All are equal One except this one. "},
            {75, "Right. All are equal Two except this one. "}, {42, "Right. All are correct except this one. "},
            {37, "Right. All are Atmosphere Pressure at sea level except this one. "},
            {74, "Right. All the axes of wrench is Y-axis except this one. "}};
        for (const auto &[question, message] : cases)
            QCOMPARE(QuestionBank::rightAnswerMessage(question), QLatin1String(message));
    }

    void load()
    {
        Game game(0, false);  // loaded at midnight: the first question unrotated, without a draw
        QCOMPARE(game.state().CurrentQuestion, kFirst);
        QCOMPARE(game.pictures(), (QList<int>{picture(kFirst, 1), picture(kFirst, 2), picture(kFirst, 3), picture(kFirst, 4)}));
        QCOMPARE(game.random.draws(), 0);
        QCOMPARE(game.rightTile(), QuestionBank::oddPicture(kFirst));  // unrotated: the odd position's tile
        QVERIFY(game.controls().caption.startsWith("Vexlor 1.0 - Quelro Programs, "));
        QVERIFY(game.controls().caption.endsWith(QStringLiteral(" (%1 questions)").arg(kTotal)));
        QCOMPARE(game.controls().List1.items.size(), kTotal);
    }

    // The clock's value C for a second of the day: the hundredths of the day's thousandths.
    void drawByClock()
    {
        const struct { const char *name; int second, c; } cases[] = {
            {"midnight: C 0 becomes 10", 0, 10}, {"C 1 becomes 10", 1, 10}, {"C 6", 6, 6}, {"C 10", 9, 10},
            {"C 90", 78, 90}, {"C 91: past the end, halved", 79, 91}, {"C 99: past the end, halved", 86, 99},
            {"one o'clock", 3600, 66}, {"a boundary the fraction misses", 55512, 49}};
        for (const auto &[name, second, c] : cases) {
            Game game;
            game.clock.set(second);
            QCOMPARE(std::pair(name, game.quiz.DrawByClock()), std::pair(name, drawnFor(c)));
        }
    }

    void wholeSeriesThenRestart()
    {
        Game game(39);  // C = 45
        const QuizState &s = game.state();
        const int first = drawnFor(45);
        QList<int> presented{s.CurrentQuestion}, expected{first};
        for (int click = 1; click <= kTotal; ++click) {
            game.quiz.deliver(E::NextQuestion);
            presented << s.CurrentQuestion;
            expected << (click == 1 ? first : click <= first ? click - 1 : click);  // the first question comes again
        }
        QCOMPARE(presented, expected);
        QCOMPARE(s.QuestionCount, kTotal + 1);

        game.quiz.deliver(E::NextQuestion);  // nothing left: the series ends, and its countdown stays quiet
        QCOMPARE(s.QuestionCount, kTotal);
        QCOMPARE(s.CurrentQuestion, kTotal);
        QVERIFY(!game.controls().Command1Visible);
        const auto cues = game.cues.requests.size();

        game.quiz.deliver(E::Restart);  // every question can come again
        QCOMPARE(s.CurrentQuestion, first);
        QCOMPARE(s.QuestionCount, 1);
        QVERIFY(game.controls().Command1Visible);
        QCOMPARE(std::count(s.QuestionFree.begin() + 1, s.QuestionFree.begin() + kTotal + 1, 1), kTotal);
        game.ticks(70);
        QCOMPARE(game.controls().Text3.text, QString());
        QCOMPARE(game.cues.requests.size(), cues);
    }

    // A choice presents the question whose term is the entry's text, afresh, still free and in the rotation R drawn:
    // R = 1, 2, 3 for U up to 2/7, 4/7, 6/7 and R = 4 above, each at both ends; positions shown on tiles 1 to 4.
    void choice_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("afterSeries");
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("question");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<int>("oddTile");
        const QStringList terms = Game(0, false).controls().List1.items;
        const auto rowOf = [&terms](const char *term) { return int(terms.indexOf(term)); };
        const auto below = [](double u) { return std::nextafter(u, 0.0); };
        const QList<int> r1{1, 2, 3, 4}, r2{2, 3, 4, 1}, r3{3, 4, 1, 2}, r4{4, 1, 2, 3};
        QTest::newRow("Lin, not Linear Equation") << rowOf("Lin") << false << 0.5 << 42 << r2 << 2;
        QTest::newRow("Linear Equation, not Lin") << rowOf("Linear Equation") << false << 0.5 << 26 << r2 << 3;
        QTest::newRow("no selection: the question on show again") << -1 << false << 0.5 << kFirst << r2 << 1;
        QTest::newRow("past the list: the question on show again")
            << int(terms.size()) << false << 0.5 << kFirst << r2 << 1;
        QTest::newRow("after the end of the series, on enabled tiles")
            << rowOf("Continuous Beam") << true << 0.5 << 2 << r2 << 4;
        QTest::newRow("R 1, top") << rowOf("Simple Beam") << false << below(2.0 / 7) << 1 << r1 << 3;
        QTest::newRow("R 2, bottom") << rowOf("Continuous Beam") << false << 2.0 / 7 << 2 << r2 << 4;
        QTest::newRow("R 2, top") << rowOf("Simple Beam") << false << below(4.0 / 7) << 1 << r2 << 2;
        QTest::newRow("R 3, bottom") << rowOf("Simple Beam") << false << 4.0 / 7 << 1 << r3 << 1;
        QTest::newRow("R 3, top") << rowOf("Vector Components") << false << below(6.0 / 7) << 100 << r3 << 4;
        QTest::newRow("R 4, bottom") << rowOf("Simple Beam") << false << 6.0 / 7 << 1 << r4 << 4;
        QTest::newRow("R 4, top") << rowOf("Continuous Beam") << false << below(1.0) << 2 << r4 << 2;
    }

    void choice()
    {
        QFETCH(int, row);
        QFETCH(bool, afterSeries);
        QFETCH(double, u);
        QFETCH(int, question);
        QFETCH(QList<int>, positions);
        QFETCH(int, oddTile);
        Game game;
        const QuizState &s = game.state();
        const Form1Controls &c = game.controls();
        for (int n = 0; afterSeries && c.Command1Visible && n <= 2 * kTotal; ++n)
            game.quiz.deliver(E::NextQuestion);
        QCOMPARE(game.pictures(), afterSeries ? (QList<int>{0, 0, 0, 0}) : game.pictures());
        if (!afterSeries) {
            game.click(game.wrongTile());
            game.quiz.deliver(E::Hints);
            game.ticks(7);
        }
        const std::vector<int> freeBefore = s.QuestionFree;
        const int countBefore = s.QuestionCount;
        game.random.queue(u);
        game.quiz.deliver(E::WordChosen, row);
        QCOMPARE(s.CurrentQuestion, question);
        QCOMPARE(s.QuestionCount, countBefore + 1);
        QVERIFY(s.QuestionFree == freeBefore);
        QList<int> shown;
        for (int p : positions)
            shown << picture(question, p);
        QCOMPARE(game.pictures(), shown);
        QCOMPARE(game.rightTile(), oddTile);
        QVERIFY(game.tilesEnabled(true));
        QCOMPARE(s.DegreeFactor, 1.0);
        QCOMPARE(c.Text2.visible, false);
        QCOMPARE(c.Text5.visible, false);
        QCOMPARE(c.Text3.text, QString());
        game.ticks(1);
        QCOMPARE(c.ProgressBar1.value, 1);
    }

    // Tiles clicked in turn, counted from the right one, with the hint open: the question box, cue and message after
    // each, then the degree. A wrong answer's message goes on the message timer's tick, the right one's stays.
    void clicksOnOneQuestion_data()
    {
        QTest::addColumn<QList<int>>("offsets");
        QTest::addColumn<QStringList>("questionBox");
        QTest::addColumn<QList<int>>("cues");
        QTest::addColumn<int>("degree");
        QTest::newRow("right at once") << QList<int>{0} << QStringList{gotText(100)} << QList<int>{9} << 100;
        QTest::newRow("five wrong, the last three on one tile, then right")
            << QList<int>{3, 1, 2, 2, 2, 0}
            << QStringList{maxText(75), maxText(50), maxText(25), maxText(25), maxText(25), gotText(25)}
            << QList<int>{1, 3, 3, 3, 3, 4} << 25;
    }
    void clicksOnOneQuestion()
    {
        QFETCH(QList<int>, offsets);
        QFETCH(QStringList, questionBox);
        QFETCH(QList<int>, cues);
        QFETCH(int, degree);
        Game game;
        const Form1Controls &c = game.controls();
        game.ticks(3);
        game.quiz.deliver(E::Hints);
        QVERIFY(c.Text5.visible);
        QCOMPARE(c.Text5.text, QuestionBank::hint(kFirst));
        game.cues.requests.clear();  // Start's alarm
        const int right = game.rightTile();
        for (qsizetype i = 0; i < offsets.size(); ++i) {
            game.click((right - 1 + offsets[i]) % 4 + 1);
            QCOMPARE(c.Text3.text, questionBox[i]);
            const QString message = offsets[i] == 0 ? QuestionBank::rightAnswerMessage(kFirst) : "Please, Try again. ";
            QCOMPARE(c.Text2.text, message);
            game.quiz.deliver(E::MessageTick);
            QCOMPARE(c.Text2.visible, offsets[i] == 0);
            const RecordingCues::Request &cue = game.cues.requests.at(std::size_t(i));
            QCOMPARE(static_cast<int>(cue.player), cues[i]);
            QCOMPARE(QString::fromStdString(cue.open + " " + cue.play + " " + cue.rewind), QStringLiteral("Open play Prev"));
        }
        QCOMPARE(c.Timer1.interval, 3000);
        QVERIFY(!c.Text5.visible);
        QCOMPARE(c.Text4.text, totalText(degree, 1));
        QCOMPARE(game.state().AnsweredDegree[1], double(degree));
        QCOMPARE(game.state().AnsweredTerm[1], QuestionBank::term(kFirst));

        for (int tile = 1; tile <= 4; ++tile)  // the tiles are closed
            game.click(tile);
        QCOMPARE(c.Text3.text, gotText(degree));
        QCOMPARE(game.cues.requests.size(), std::size_t(offsets.size()));
    }

    void ratingBands()
    {
        const struct { int low, high; const char *word; Cue cue; } bands[] = {
            {0, 29, "V e r y   B a d", Cue::MMControl4},     {30, 49, "B a d", Cue::MMControl5},
            {50, 64, "S u f f i c i e n t", Cue::MMControl6}, {65, 74, "G o o d", Cue::MMControl7},
            {75, 89, "V e r y   G o o d", Cue::MMControl8},   {90, 99, "E x c e l l e n t", Cue::MMControl10},
            {100, 100, "W a a o w !!!!", Cue::MMControl9}};
        for (const auto &band : bands)
            for (int average = band.low; average <= band.high; ++average) {
                QCOMPARE(ratingFor(average).word, QLatin1String(band.word));
                QCOMPARE(int(ratingFor(average).cue), int(band.cue));
            }
    }

    // The sum of degrees runs over the whole series; the last question of the bank hides "Next Question" at once,
    // whether the click on it is right or wrong.
    void lastPresentation()
    {
        const auto totalAfter = [](int n) { return totalText(evenRoundedAverage(50 + 100 * (n - 1), n), n); };
        for (const bool lastRight : {false, true}) {
            Game game;
            game.answerWith(50);
            for (int n = 2; n < kTotal; ++n) {
                game.quiz.deliver(E::NextQuestion);
                game.answerWith(100);
            }
            QCOMPARE(game.controls().Text4.text, totalAfter(kTotal - 1));
            game.quiz.deliver(E::NextQuestion);
            QVERIFY(game.controls().Command1Visible);
            game.click(lastRight ? game.rightTile() : game.wrongTile());
            QVERIFY2(!game.controls().Command1Visible, lastRight ? "last one right" : "last one wrong");
            QCOMPARE(game.controls().Text4.text, totalAfter(lastRight ? kTotal : kTotal - 1));
        }
    }

    void countdown_data()
    {
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<int>("wrongClicks");
        QTest::addColumn<int>("maxSeconds");
        QTest::newRow("preset 30, two wrong, then the time-out") << QStringList{} << 2 << 32;
        QTest::newRow("15 then 60: the last pick counts") << QStringList{"15", "60"} << 0 << 62;
    }
    void countdown()
    {
        QFETCH(QStringList, picks);
        QFETCH(int, wrongClicks);
        QFETCH(int, maxSeconds);
        Game game(0, false);
        const Form1Controls &c = game.controls();
        for (const QString &seconds : picks)
            game.pick(seconds);
        game.ticks(40);  // before Start: none of them counts below
        game.quiz.deliver(E::Start);  // with an empty name
        QCOMPARE(c.Label2.caption, QStringLiteral("Maximum time for question = %1 seconds.").arg(maxSeconds - 2));
        QCOMPARE(c.Label3.caption, QStringLiteral("Name: "));
        QVERIFY(c.Label2.visible && c.Label3.visible);
        QCOMPARE(game.cues.requests.size(), std::size_t(1));
        QVERIFY(isAlarm(game.cues.requests[0]));
        QCOMPARE(c.Timer2.interval, 1000);

        for (int i = 0; i < wrongClicks; ++i)
            game.click(game.wrongTile());
        const std::size_t before = game.cues.requests.size();
        for (int second = 1; second < maxSeconds; ++second) {
            game.ticks(1);
            QCOMPARE(c.ProgressBar1.value, second);
            QCOMPARE(c.ProgressBar1.max, maxSeconds);
            QCOMPARE(game.cues.requests.size(), before + (second >= maxSeconds - 2 ? 1 : 0));
        }
        QVERIFY(isAlarm(game.cues.requests[before]));

        game.ticks(1);  // time-out: 0 %, whatever the wrong clicks left
        QCOMPARE(c.Text3.text, gotText(0));
        QCOMPARE(c.Text4.text, totalText(0, 1));
        QCOMPARE(c.Text1.text, QStringLiteral("V e r y   B a d"));
        QCOMPARE(c.ProgressBar1.value, 0);
        QVERIFY(game.tilesEnabled(false));
        QCOMPARE(game.state().AnsweredTerm[1], QString());
        QCOMPARE(game.cues.requests.size(), before + 1);  // no rating cue
    }

    // The results as report and viewer show them: one row per presented question, past the tables too.
    void results()
    {
        Game game(0, false);
        game.quiz.typeName(QStringLiteral("Ada"));
        game.pick(QStringLiteral("45"));
        game.quiz.deliver(E::Start);
        game.quiz.deliver(E::Restart);  // a new series keeps the name and the limit
        game.answerWith(75);
        for (int n = 0; n < kTotal + 3; ++n)
            game.choose(QStringLiteral("Lin"));
        game.answerWith(25);
        const QuizResults r = game.quiz.results();
        QCOMPARE(r.questionCount, kTotal + 4);
        QCOMPARE(int(r.rows.size()), kTotal + 4);
        QCOMPARE(std::pair(r.rows.front().term, r.rows.front().degree), std::pair(QuestionBank::term(kFirst), 75.0));
        QCOMPARE(r.rows[1].degree, 0.0);
        QCOMPARE(std::pair(r.rows.back().term, r.rows.back().degree), std::pair(QStringLiteral("Lin"), 25.0));
        QCOMPARE(r.degreeSum, 100.0);
        QCOMPARE(r.average(), evenRoundedAverage(100, kTotal + 4));
        QCOMPARE(r.timeLimit, 45.0);
        QCOMPARE(r.name, QStringLiteral("Ada"));
    }
};

QTEST_GUILESS_MAIN(TestQuiz)
#include "tst_quiz.moc"
