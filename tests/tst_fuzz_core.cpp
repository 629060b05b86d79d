// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedSeedRandom.h"
#include "QuestionBank.h"
#include "Quiz.h"
#include "Rating.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

// Random play against the quiz: every event a player or a timer can cause, in
// any order, from many fixed seeds, with the rules checked after each event.
// A failing seed is shrunk to the shortest sequence that still fails.

namespace {

enum class Kind { Click, Move, Next, Restart, Start, Hints, Pick, DoubleClick, MessageTick, CountdownTick, Clock };

struct Event {
    Kind kind;
    int value;
};

QString describe(const Event &e)
{
    static const char *const names[] = {"click tile",   "move over tile", "Next Question", "Restart",
                                        "Start",        "Hints",          "pick time",     "double-click entry",
                                        "message tick", "countdown tick", "clock at second"};
    return QStringLiteral("%1 %2").arg(QLatin1String(names[static_cast<int>(e.kind)])).arg(e.value);
}

// Half the seeds restart often; the other half rarely, so that their series
// run to the end and word-list choices pile up past the hundred-and-first row.
Event randomEvent(std::mt19937 &engine, bool restartsOften)
{
    if (engine() % 1000 < (restartsOften ? 30u : 1u))
        return {Kind::Restart, 0};
    const int roll = static_cast<int>(engine() % 100);
    auto pick = [&engine](int low, int high) { return low + static_cast<int>(engine() % (high - low + 1)); };
    if (roll < 30) return {Kind::CountdownTick, 0};
    if (roll < 50) return {Kind::Click, pick(0, 5)};
    if (roll < 58) return {Kind::Move, pick(-1, 6)};
    if (roll < 68) return {Kind::Next, 0};
    if (roll < 76) return {Kind::DoubleClick, pick(-1, 100)};
    if (roll < 84) return {Kind::MessageTick, 0};
    if (roll < 91) return {Kind::Hints, 0};
    if (roll < 94) return {Kind::Pick, pick(-1, 10)};
    if (roll < 96) return {Kind::Start, 0};
    return {Kind::Clock, pick(0, 86399)};
}

// The average as the quiz must show it, by whole-number arithmetic.
int expectedAverage(double degreeSum, int count)
{
    const long long sum = static_cast<long long>(degreeSum);
    long long q = sum / count;
    const long long twice = 2 * (sum % count);
    if (twice > count || (twice == count && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

// Whether any row or question still holds a degree or a term.
bool holdsAnyAnswer(const Quiz &q)
{
    const auto nonzero = [](double degree) { return degree != 0; };
    return std::any_of(q.AnsweredTerm.begin(), q.AnsweredTerm.end(), [](const QString &t) { return !t.isEmpty(); }) ||
           std::any_of(q.AnsweredDegree.begin(), q.AnsweredDegree.end(), nonzero) ||
           std::any_of(q.QuestionDegree.begin(), q.QuestionDegree.end(), nonzero);
}

class Player {
public:
    Player() : m_quiz(m_clock, m_random, m_cues) { m_quiz.Form_Load(); }

    // Applies one event; returns what rule it broke, or an empty text.
    QString play(const Event &e);

    bool seriesEnded() const { return m_quiz.controls.Picture1[1].picture == 0; }
    int questionCount() const { return m_quiz.QuestionCount; }

private:
    QString broken() const;

    ScriptedClock m_clock{0};
    FixedSeedRandom m_random;
    RecordingCues m_cues;
    Quiz m_quiz;
    bool m_listUsed = false;
};

QString Player::play(const Event &e)
{
    Quiz &q = m_quiz;
    const int question = q.CurrentQuestion;
    const bool rightClick = e.kind == Kind::Click && e.value >= 1 && e.value <= 4 && !q.controls.Frame2Visible &&
                            q.controls.Picture1[e.value].enabled && e.value == q.OddTile[question];
    const bool restart = e.kind == Kind::Restart && q.controls.Command3Visible;
    const double factor = q.DegreeFactor;
    const auto totalWrites = q.controls.Text4.writes;
    using Event = Quiz::Event;
    switch (e.kind) {
    case Kind::Click: q.deliver(Event::TileClick, e.value); break;
    case Kind::Move: q.deliver(Event::TileMove, e.value); break;
    case Kind::Next: q.deliver(Event::NextQuestion); break;
    case Kind::Restart: q.deliver(Event::Restart); break;
    case Kind::Start: q.deliver(Event::Start); break;
    case Kind::Hints: q.deliver(Event::Hints); break;
    case Kind::Pick:
        q.controls.Combo1.listIndex = e.value;
        q.deliver(Event::TimePicked);
        break;
    case Kind::DoubleClick:
        m_listUsed = m_listUsed || q.controls.List1.enabled;
        q.controls.List1.listIndex = e.value;
        q.deliver(Event::WordChosen);
        break;
    case Kind::MessageTick: q.deliver(Event::MessageTick); break;
    case Kind::CountdownTick: q.deliver(Event::CountdownTick); break;
    case Kind::Clock: m_clock.set(e.value); break;
    }
    if (rightClick) {
        const auto row = static_cast<std::size_t>(q.QuestionCount);
        if (q.AnsweredTerm.size() <= row || q.AnsweredTerm[row] != q.Term[question] ||
            q.AnsweredDegree[row] != 100 * factor || q.QuestionDegree[question] != 100 * factor)
            return QStringLiteral("a right answer was not recorded in its row");
    }
    if (restart && holdsAnyAnswer(q))
        return QStringLiteral("a row of the series before outlived Restart");
    if (q.controls.Text4.writes != totalWrites && !q.controls.Text4.text.isEmpty() &&
        q.controls.Text4.text != QStringLiteral("You have got %1 % in %2 questions.")
                                     .arg(expectedAverage(q.DegreeSum, q.QuestionCount))
                                     .arg(q.QuestionCount))
        return QStringLiteral("the total shows the wrong average: ") + q.controls.Text4.text;
    return broken();
}

QString Player::broken() const
{
    const Quiz &q = m_quiz;
    const Form1Controls &c = q.controls;
    const int cq = q.CurrentQuestion;
    if (cq < 1 || cq > 100)
        return QStringLiteral("question on show out of range");
    if (q.DegreeFactor != 0 && q.DegreeFactor != 0.25 && q.DegreeFactor != 0.5 && q.DegreeFactor != 0.75 &&
        q.DegreeFactor != 1)
        return QStringLiteral("reachable degree %1").arg(q.DegreeFactor);
    if (q.QuestionCount < 1 || (!m_listUsed && q.QuestionCount > 101))
        return QStringLiteral("question count %1").arg(q.QuestionCount);

    // The tiles show the four pictures of the question on show in one of the
    // four rotations, the odd one where OddTile says; or, after a series, none.
    const bool blank = c.Picture1[1].picture == 0;
    if (blank) {
        for (int t = 1; t <= 4; ++t)
            if (c.Picture1[t].picture != 0 || c.Picture1[t].enabled)
                return QStringLiteral("a half-blank row of tiles");
        if (c.Command1Visible)
            return QStringLiteral("Next Question shown after the series");
    } else {
        const int first = 4 * (cq - 1);
        const int shift = c.Picture1[1].picture - first - 1;
        for (int t = 1; t <= 4; ++t)
            if (shift < 0 || shift > 3 || c.Picture1[t].picture != first + (t - 1 + shift) % 4 + 1)
                return QStringLiteral("tiles out of rotation");
        if (c.Picture1[q.OddTile[cq]].picture != first + q.OddPicture[cq])
            return QStringLiteral("the odd tile does not show the odd picture");
    }
    int borders = 0;
    for (int t = 1; t <= 4; ++t) {
        const int d = c.Picture1[t].border ? 10 : 0;
        borders += c.Picture1[t].border;
        if (c.Picture1[t].left != kTileLeftHome[t - 1] - d || c.Picture1[t].top != kTileTopHome - d)
            return QStringLiteral("tile %1 drifted").arg(t);
    }
    if (borders > 1)
        return QStringLiteral("more than one tile raised");
    if (c.ProgressBar1.value < c.ProgressBar1.min || c.ProgressBar1.value > c.ProgressBar1.max)
        return QStringLiteral("time bar outside its range");

    // Every text is one of the quiz's own.
    static const QRegularExpression degreeText(
        QStringLiteral("^(|Your max\\. degree is (75|50|25) % in this question\\.|"
                       "You have got (100|75|50|25|0) % in this question\\.)$"));
    static const QRegularExpression totalText(QStringLiteral("^(|You have got (\\d|[1-9]\\d|100) % in [1-9]\\d* questions\\.)$"));
    static const QRegularExpression limitText(QStringLiteral("^(|Maximum time for question = ([1-5][05]|60) seconds\\.)$"));
    if (!degreeText.match(c.Text3.text).hasMatch())
        return QStringLiteral("question box reads '%1'").arg(c.Text3.text);
    if (!totalText.match(c.Text4.text).hasMatch())
        return QStringLiteral("total box reads '%1'").arg(c.Text4.text);
    if (!limitText.match(c.Label2.caption).hasMatch())
        return QStringLiteral("time limit reads '%1'").arg(c.Label2.caption);
    // Once Start has removed the time box, the countdown keeps the limit shown.
    if (!c.Frame2Visible && c.Label2.caption != QStringLiteral("Maximum time for question = %1 seconds.").arg(q.MaxSeconds - 2))
        return QStringLiteral("the countdown runs against %1 seconds, not the limit shown").arg(q.MaxSeconds - 2);
    bool knownRating = c.Text1.text.isEmpty();
    for (int average : {0, 30, 50, 65, 75, 90, 100})
        knownRating = knownRating || c.Text1.text == ratingFor(average).word;
    if (!knownRating)
        return QStringLiteral("rating box reads '%1'").arg(c.Text1.text);
    bool knownMessage = c.Text2.text.isEmpty() || c.Text2.text == QStringLiteral(" ") ||
                        c.Text2.text == QStringLiteral("Please, Try again. ");
    for (int n = 1; n <= 100 && !knownMessage; ++n)
        knownMessage = c.Text2.text == QuestionBank::rightAnswerMessage(n);
    if (!knownMessage)
        return QStringLiteral("message box reads '%1'").arg(c.Text2.text);
    if (c.Label1.caption != QStringLiteral(" ") && c.Label1.caption != q.Term[cq] + QStringLiteral(": Find the odd one out"))
        return QStringLiteral("heading reads '%1'").arg(c.Label1.caption);
    return QString();
}

// The first broken rule of a sequence, with the index of the event that broke it.
std::pair<int, QString> firstFailure(const std::vector<Event> &events)
{
    Player player;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const QString failure = player.play(events[i]);
        if (!failure.isEmpty())
            return {static_cast<int>(i), failure};
    }
    return {-1, QString()};
}

// Drops ever smaller runs of events while the sequence still fails.
std::vector<Event> shrink(std::vector<Event> events)
{
    for (std::size_t run = events.size() / 2; run >= 1; run /= 2) {
        for (std::size_t start = 0; start + run <= events.size();) {
            std::vector<Event> shorter = events;
            shorter.erase(shorter.begin() + static_cast<long>(start), shorter.begin() + static_cast<long>(start + run));
            if (firstFailure(shorter).first >= 0)
                events = shorter;
            else
                start += run;
        }
    }
    return events;
}

}  // namespace

class TestFuzzCore : public QObject {
    Q_OBJECT

private slots:
    void generatorStartsAlikeAndStaysBelowOne();
    void randomPlayKeepsTheRules();
};

void TestFuzzCore::generatorStartsAlikeAndStaysBelowOne()
{
    // Every program start sees the same answer orders, and U never reaches 1,
    // so the rotation is always one of the four.
    FixedSeedRandom first, second;
    double lowest = 1, highest = 0;
    int differences = 0;
    for (int i = 0; i < 1000000; ++i) {
        const double u = first.next();
        differences += second.next() != u ? 1 : 0;
        lowest = std::min(lowest, u);
        highest = std::max(highest, u);
    }
    QCOMPARE(differences, 0);
    QVERIFY(lowest >= 0 && lowest < 0.001);
    QVERIFY(highest < 1 && highest > 0.999);
}

void TestFuzzCore::randomPlayKeepsTheRules()
{
    constexpr int kSeeds = 500;
    constexpr int kEventsPerSeed = 2000;
    QElapsedTimer clock;
    clock.start();
    long long events = 0;
    int seedsEndingASeries = 0, seedsPastTheTables = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        std::mt19937 engine(static_cast<std::uint32_t>(seed));
        std::vector<Event> sequence;
        Player player;
        bool ended = false, past = false;
        for (int i = 0; i < kEventsPerSeed; ++i) {
            sequence.push_back(randomEvent(engine, seed % 2 == 0));
            ++events;
            const QString failure = player.play(sequence.back());
            ended = ended || player.seriesEnded();
            past = past || player.questionCount() > 101;
            if (failure.isEmpty())
                continue;
            const std::vector<Event> shortest = shrink(sequence);
            QStringList steps;
            for (const Event &e : shortest)
                steps << describe(e);
            QFAIL(qPrintable(QStringLiteral("seed %1: %2\nshortest sequence (%3 events):\n  %4")
                                 .arg(seed).arg(firstFailure(shortest).second).arg(shortest.size())
                                 .arg(steps.join(QStringLiteral("\n  ")))));
        }
        seedsEndingASeries += ended ? 1 : 0;
        seedsPastTheTables += past ? 1 : 0;
    }
    qInfo("%lld events in %lld ms (%.0f events per second); %d seeds ended a series, %d went past row 101",
          events, clock.elapsed(), events * 1000.0 / std::max<qint64>(1, clock.elapsed()), seedsEndingASeries,
          seedsPastTheTables);
    QVERIFY(seedsEndingASeries > kSeeds / 10);
    QVERIFY(seedsPastTheTables > kSeeds / 10);
}

QTEST_GUILESS_MAIN(TestFuzzCore)
#include "tst_fuzz_core.moc"
