// Start-up of the game's main window against a bare Qt window, each started as
// a fresh process the same way and ended at its first paint.
//   bench_startup            runs both side by side and prints the ratios
//   bench_startup form1|splash|bare|label   one child run (used by the driver)
// The bare window with one label shows what the first text costs any Qt
// program: loading the font database.
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "FrmSplash.h"
#include "SystemTimeOfDay.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

class SilentCues final : public CuePlayer {
public:
    void PlayCue(Cue, const CueCommands &) override {}
};

// Quits the application at the first paint of the watched window.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

enum class Window { Game, Splash, Bare, Label };

int runChild(int argc, char *argv[], Window kind)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    SystemTimeOfDay clock;
    FixedSeedRandom random;
    SilentCues cues;
    std::unique_ptr<QWidget> window;
    if (kind == Window::Game)
        window = std::make_unique<Form1>(clock, random, cues);
    else if (kind == Window::Splash)
        window = std::make_unique<FrmSplash>();
    else if (kind == Window::Label)
        window = std::make_unique<QLabel>(QStringLiteral("Vexlor"));
    else
        window = std::make_unique<QWidget>();
    if (kind == Window::Bare || kind == Window::Label)
        window->resize(759, 492);
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}

struct Run {
    double milliseconds;
    long peakKiB;
};

Run spawnChild(const char *self, const char *mode)
{
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char *args[] = {const_cast<char *>(self), const_cast<char *>(mode), nullptr};
    if (posix_spawn(&pid, self, nullptr, nullptr, args, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - begin).count(), usage.ru_maxrss};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "form1") == 0)
        return runChild(argc, argv, Window::Game);
    if (argc > 1 && std::strcmp(argv[1], "splash") == 0)
        return runChild(argc, argv, Window::Splash);
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0)
        return runChild(argc, argv, Window::Bare);
    if (argc > 1 && std::strcmp(argv[1], "label") == 0)
        return runChild(argc, argv, Window::Label);

    constexpr int kRounds = 15;
    std::vector<double> gameTimes, bareTimes, labelTimes, splashTimes;
    long gamePeak = 0, barePeak = 0, splashPeak = 0;
    for (int i = 0; i < kRounds; ++i) {  // interleaved, so all see the same machine
        const Run bare = spawnChild(argv[0], "bare");
        const Run game = spawnChild(argv[0], "form1");
        labelTimes.push_back(spawnChild(argv[0], "label").milliseconds);
        const Run splash = spawnChild(argv[0], "splash");
        splashTimes.push_back(splash.milliseconds);
        splashPeak = std::max(splashPeak, splash.peakKiB);
        bareTimes.push_back(bare.milliseconds);
        gameTimes.push_back(game.milliseconds);
        barePeak = std::max(barePeak, bare.peakKiB);
        gamePeak = std::max(gamePeak, game.peakKiB);
    }
    const double game = median(gameTimes), bare = median(bareTimes);
    std::printf("start-up to first paint (median of %d): Form1 %.1f ms, bare window %.1f ms, ratio %.2fx\n", kRounds,
                game, bare, game / bare);
    std::printf("start-up to first paint: splash %.1f ms, ratio to the bare window %.2fx\n", median(splashTimes),
                median(splashTimes) / bare);
    std::printf("for scale, a bare window with one label: %.1f ms; Form1 against it %.2fx\n", median(labelTimes),
                game / median(labelTimes));
    std::printf("peak RSS: Form1 %.1f MiB, splash %.1f MiB, bare window %.1f MiB; Form1 %+.1f MiB over bare\n",
                gamePeak / 1024.0, splashPeak / 1024.0, barePeak / 1024.0, (gamePeak - barePeak) / 1024.0);
    return 0;
}
