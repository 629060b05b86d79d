// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// The load step and every handler of the quiz, timed in one run.
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "QuestionBank.h"
#include "Quiz.h"
#include "SystemTimeOfDay.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

class SilentCues final : public CuePlayer {
public:
    void PlayCue(Cue, const CueCommands &) override {}
};

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

double averageMicroseconds(int rounds, const std::function<void()> &work)
{
    const auto begin = Clock::now();
    for (int i = 0; i < rounds; ++i)
        work();
    return microseconds(Clock::now() - begin) / rounds;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SystemTimeOfDay clock;
    FixedSeedRandom random;
    SilentCues cues;

    {
        // The first window of the process pays for fonts and styles; time a second one too.
        const auto begin = Clock::now();
        Form1 first(clock, random, cues);
        const double firstWindow = microseconds(Clock::now() - begin);
        const auto again = Clock::now();
        Form1 second(clock, random, cues);
        std::printf("Form1 built with load step and first pictures: first %.0f us, again %.0f us (target 20000 us)\n",
                    firstWindow, microseconds(Clock::now() - again));
    }

    Quiz quiz(clock, random, cues);
    std::printf("load step alone: %.1f us\n", averageMicroseconds(1, [&] { quiz.Form_Load(); }));
    Quiz underPanel(clock, random, cues);  // the time box is reached only before Start
    underPanel.Form_Load();
    quiz.deliver(Quiz::Event::Start);

    // Each through the quiz's one door, as the window delivers it.
    using E = Quiz::Event;
    constexpr int kRounds = 20000;
    const struct {
        const char *name;
        std::function<void()> handler;
    } handlers[] = {
        {"Command1_Click (Next Question)", [&] { quiz.deliver(E::NextQuestion); }},
        {"Command3_Click (Restart)", [&] { quiz.deliver(E::Restart); }},
        {"Command5_Click (Hints)", [&] { quiz.deliver(E::Hints); }},
        {"Picture1_Click (any tile)", [&, t = 0]() mutable { quiz.deliver(E::TileClick, t++ % 4 + 1); }},
        {"Picture1_MouseMove", [&, t = 0]() mutable { quiz.deliver(E::TileMove, t++ % 4 + 1); }},
        {"Timer1_Timer", [&] { quiz.deliver(E::MessageTick); }},
        {"Timer2_Timer", [&] { quiz.deliver(E::CountdownTick); }},
        {"List1_DblClick", [&, i = 0]() mutable {
             quiz.deliver(E::WordChosen, i++ % QuestionBank::kQuestionTotal);
         }},
        {"Combo1_Click", [&, i = 0, n = int(underPanel.state().controls.Combo1.items.size())]() mutable {
             underPanel.deliver(E::TimePicked, i++ % n);
         }},
    };
    for (const auto &[name, handler] : handlers)
        std::printf("%-32s %8.3f us per call (target 1000 us)\n", name, averageMicroseconds(kRounds, handler));

    // A whole series: load, Start, then each question answered and left with
    // Next Question until the series ends (the first question, then every
    // question once each). The last is left unanswered, as an answer there
    // would hide Next Question.
    constexpr int kSeries = 200;
    const double series = averageMicroseconds(kSeries, [&] {
        Quiz fresh(clock, random, cues);
        fresh.Form_Load();
        fresh.deliver(E::Start);
        const QuizState &s = fresh.state();
        while (s.controls.Command1Visible) {
            if (s.QuestionCount < s.QuestionTotal)
                fresh.deliver(E::TileClick, s.OddTile[s.CurrentQuestion]);
            fresh.deliver(E::NextQuestion);
        }
    });
    std::printf("a whole series of %d presentations: %.1f us (target 50000 us)\n", QuestionBank::kQuestionTotal + 1, series);
    return 0;
}
