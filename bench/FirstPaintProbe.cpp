// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into a program under measurement (LD_PRELOAD), so the program runs
// exactly as built. Once the first paint of its first window is done, it
// writes the time to stdout; with VEXLOR_PROBE_PRESS set it then presses the
// button of that name and also reports the first paint of the next window.
// Then it ends the process at once, so only start-up is measured.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

class FirstPaintProbe final : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        QWidget *window = static_cast<QWidget *>(watched)->window();
        if (window == m_reported)
            return false;
        m_reported = window;
        // Reported once the paint is done and flushed to the screen.
        QTimer::singleShot(0, this, [this, window] { report(window); });
        return false;
    }

private:
    void report(QWidget *window)
    {
        std::printf("%lld\n", monotonicNanoseconds());
        const QByteArray press = qgetenv("VEXLOR_PROBE_PRESS");
        if (m_pressed || press.isEmpty()) {
            std::fflush(stdout);
            std::_Exit(0);
        }
        m_pressed = true;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->text() == QLatin1String(press))
                button->click();
    }

    QPointer<QWidget> m_reported;
    bool m_pressed = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
