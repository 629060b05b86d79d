// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerTile.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "Form2.h"
#include "KeptTextSurface.h"
#include "Pictures.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

// The main window as a player meets it: where everything is, how it looks, and
// what the first moves of a game do to the real widgets.
class TestForm1 : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget>
    T *control(const char *name)
    {
        T *found = m_form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    AnswerTile *tile(int t) { return control<AnswerTile>(QStringLiteral("Picture1(%1)").arg(t).toLatin1()); }
    QString text(const char *name) { return control<QLineEdit>(name)->text(); }
    // The viewer window is a window of its own, not a child of Form1.
    static Form2 *viewer()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *form2 = qobject_cast<Form2 *>(window))
                return form2;
        qFatal("no viewer window");
    }
    void start(const QString &name, int comboDownPresses)
    {
        QTest::keyClicks(control("Text7"), name);
        auto *combo = control<QComboBox>("Combo1");
        combo->setFocus();
        for (int i = 0; i < comboDownPresses; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::mouseClick(control("Command2"), Qt::LeftButton);
    }

    ScriptedClock m_clock{12 * 3600};  // noon: C = 0, so the first question is 11, odd answer on tile 2
    FixedSeedRandom m_random;
    RecordingCues m_cues;
    std::unique_ptr<Form1> m_form;

private slots:
    void init()
    {
        m_form = std::make_unique<Form1>(m_clock, m_random, m_cues);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void atStart()
    {
        // The client area is 11385 x 7380 twips, 15 twips to the pixel, and the window cannot be resized.
        QCOMPARE(m_form->centralWidget()->size(), QSize(759, 492));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QCOMPARE(control("Frame2")->geometry(), QRect(0, 0, 617, 217));  // 9255 x 3255 twips over the game
        QCOMPARE(QFontInfo(control("Label1")->font()).family(), QStringLiteral("Liberation Sans"));  // Arial's metrics

        // The drafting sheet lies unscaled at the top left, behind every control.
        const QImage shot = m_form->centralWidget()->grab().toImage();
        const QImage sheet = Pictures::named(QStringLiteral("window.png")).toImage();
        for (const QPoint at : {QPoint(4, 480), QPoint(23, 470), QPoint(46, 300)})
            QCOMPARE(shot.pixelColor(at), sheet.pixelColor(at));
        QVERIFY(sheet.pixelColor(23, 470) != sheet.pixelColor(4, 480));  // a grid line, not just ground

        QVERIFY(control("Frame2")->isVisible());
        for (const char *hidden : {"Text2", "Text5", "Label2", "Label3", "Command3", "Command4"})
            QVERIFY2(!control(hidden)->isVisibleTo(m_form.get()), hidden);
        auto *list = control<QListWidget>("List1");
        QVERIFY(!list->isEnabled() && list->count() == 100);

        // The time box is a list to pick from that shows 30 until a pick.
        auto *combo = control<QComboBox>("Combo1");
        QVERIFY(!combo->isEditable() && combo->currentIndex() == -1);
        QCOMPARE(combo->placeholderText(), QStringLiteral("30"));

        // The message timer ticks from the start; the countdown must not tick at
        // all yet (a Qt timer of interval 0 would fire without pause).
        QVERIFY(control<QTimer>("Timer1")->isActive());
        QCOMPARE(control<QTimer>("Timer1")->interval(), 3000);
        QVERIFY(!control<QTimer>("Timer2")->isActive());

        QVERIFY(m_form->windowTitle().endsWith(QStringLiteral(" (100 questions)")));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Imaginary Number: Find the odd one out"));
    }

    void startThenAnswer()
    {
        start(QStringLiteral("Ada"), 1);  // the first entry, 15 seconds

        QVERIFY(!control("Frame2")->isVisible());
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Maximum time for question = 15 seconds."));
        QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral("Name: Ada"));
        QVERIFY(control("List1")->isEnabled() && control("Command3")->isVisible() && control("Command4")->isVisible());
        QVERIFY(control<QTimer>("Timer2")->isActive() && control<QTimer>("Timer2")->interval() == 1000);

        QTest::mouseClick(tile(1), Qt::LeftButton);  // wrong
        QCOMPARE(control<QTextEdit>("Text2")->toPlainText(), QStringLiteral("Please, Try again. "));
        QVERIFY(control("Text2")->isVisible());
        QTest::mouseClick(tile(2), Qt::LeftButton);  // right
        QCOMPARE(control<QTextEdit>("Text2")->toPlainText(),
                 QStringLiteral("Right. All are Imaginary Numbers except this one. "));
        QCOMPARE(text("Text3"), QStringLiteral("You have got 75 % in this question."));
        for (int t = 1; t <= 4; ++t)
            QVERIFY(!tile(t)->isEnabled());
        QVERIFY(control<QTimer>("Timer2")->isActive());  // never stopped

        // What a player typed into a box gives way to the next text the game writes there.
        control<QLineEdit>("Text3")->setText(QStringLiteral("scribble"));
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(text("Text3"), QString());
        QVERIFY(tile(1)->isEnabled());
    }

    // The results table lists the rows of the series on show: after Restart the
    // answer given before it is gone.
    void resultsAfterRestart()
    {
        start(QStringLiteral("Ada"), 0);
        QTest::mouseClick(tile(2), Qt::LeftButton);  // right at the first try
        auto *results = m_form->findChild<QAction *>(QStringLiteral("mresult"));
        const auto tableRows = [results] {
            results->trigger();
            QStringList rows;
            for (const PrintLine &line : viewer()->findChild<KeptTextSurface *>(QStringLiteral("Picture1"))->lines())
                rows << printInColumns(line);
            return rows.mid(3);  // below the heading
        };
        QCOMPARE(tableRows(), QStringList{"  001" + QString(23, u' ') + "100 %" + QString(9, u' ') + "Imaginary Number"});

        QTest::mouseClick(control("Command3"), Qt::LeftButton);
        QCOMPARE(tableRows(), QStringList{QStringLiteral("  001 has no answer.")});
        viewer()->close();
    }

    void hoverNudgesOnePixel()
    {
        start(QString(), 0);
        auto moveOver = [](QWidget *widget) {
            QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), widget->mapToGlobal(QPointF(20, 20)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        };
        QCOMPARE(tile(1)->geometry(), QRect(7, 35, 148, 127));  // 105, 525, 2220 x 1905 twips
        moveOver(tile(2));
        moveOver(tile(2));
        QCOMPARE(tile(2)->pos(), QPoint(160, 34));
        QCOMPARE(tile(2)->border(), 1);
        moveOver(tile(3));
        QCOMPARE(tile(2)->pos(), QPoint(161, 35));
        QCOMPARE(tile(2)->border(), 0);
        QCOMPARE(tile(3)->pos(), QPoint(314, 34));
        QCOMPARE(tile(3)->border(), 1);
    }

    void countdownTicksOncePerSecond()
    {
        start(QString(), 0);
        auto *bar = control<QProgressBar>("ProgressBar1");
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 1, 1500);
        QCOMPARE(bar->maximum(), 32);
    }
};


QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
