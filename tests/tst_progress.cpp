// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "HistoryReader.h"
#include "HistoryWriter.h"
#include "MasteryMap.h"
#include "ProgressWindow.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "TrendPlot.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

AnswerRecord right(int question, int degree)
{
    return {question, AnswerOutcome::Right, double(degree), (100 - degree) / 25, 4, false};
}

}  // namespace

// The main window with a real history file: the play recorded, and the progress window read from it.
class TestProgress : public QObject {
    Q_OBJECT

    template <typename T = QWidget>
    T *control(const QString &name) { return m_form->findChild<T *>(name); }
    void start(const QString &name)
    {
        QTest::keyClicks(control("Text7"), name);
        QTest::mouseClick(control("Command2"), Qt::LeftButton);
    }
    void clickTile(bool rightOne)
    {
        const int odd = m_form->quiz().state().OddTile[m_form->quiz().state().CurrentQuestion];
        QTest::mouseClick(control(QStringLiteral("Picture1(%1)").arg(rightOne ? odd : odd % 4 + 1)), Qt::LeftButton);
    }
    ProgressWindow *openProgress()
    {
        m_form->findChild<QAction *>("mprogress")->trigger();
        return m_form->findChild<ProgressWindow *>();
    }
    void seed(const QString &player, const std::vector<AnswerRecord> &answers)
    {
        m_history->seriesStarted(player, 30);
        for (const AnswerRecord &a : answers)
            m_history->questionEnded(a);
        QVERIFY(m_history->waitIdle(10000));
    }

    ScriptedClock m_clock{12 * 3600};  // noon: the first question is 11
    FixedSeedRandom m_random;
    RecordingCues m_cues;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<HistoryWriter> m_history;
    std::unique_ptr<Form1> m_form;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_history = std::make_unique<HistoryWriter>(m_dir->filePath("history.sqlite"));
        m_history->start();
        m_form = std::make_unique<Form1>(m_clock, m_random, m_cues);
        m_form->setHistory(m_history.get());
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        m_history.reset();
        m_dir.reset();
    }

    // A series played in the window lands in the file as played: a right answer after a wrong click, one left.
    void playedSeriesRecorded()
    {
        start(QStringLiteral("<b>Ada</b> \"O'Neil\""));
        const int first = m_form->quiz().state().CurrentQuestion;
        clickTile(false);
        clickTile(true);
        QTest::mouseClick(control("Command1"), Qt::LeftButton);  // Next Question
        const int second = m_form->quiz().state().CurrentQuestion;
        QTest::mouseClick(control("Command1"), Qt::LeftButton);  // left without an answer
        QVERIFY(m_history->waitIdle(10000));
        const std::vector<AnswerRow> rows = HistoryReader(m_history->path()).answers(std::nullopt);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0].player, QStringLiteral("<b>Ada</b> \"O'Neil\""));
        QCOMPARE(rows[0].question, first);
        QCOMPARE(rows[0].outcome, AnswerOutcome::Right);
        QCOMPARE(rows[0].degree, std::optional<double>(75));
        QCOMPARE(rows[0].wrongClicks, 1);
        QCOMPARE(rows[1].question, second);
        QCOMPARE(rows[1].outcome, AnswerOutcome::Left);
        QCOMPARE(rows[1].maxSeconds, 30);
    }

    // The map's colours, its words and the weakest list, for the player named and for all.
    void mapAndWeakest()
    {
        seed("Ada", {right(5, 100), right(5, 100), right(8, 25), {9, AnswerOutcome::TimedOut, 0, 0, 32, true}});
        seed("Bo", {right(8, 100), right(20, 50)});
        QTest::keyClicks(control("Text7"), "Ada");
        ProgressWindow *progress = openProgress();
        QVERIFY(progress && progress->isWindow() && progress->parentWidget() == m_form.get());  // transient for the game
        QVERIFY(QTest::qWaitForWindowExposed(progress));
        const QString term8 = m_form->quiz().state().Term[8], term5 = m_form->quiz().state().Term[5];
        const struct { int question; std::optional<double> average; QString words; } cells[] = {
            {5, 100, QStringLiteral("5 %1: 100 % over the last 2 tries").arg(term5)},
            {8, 25, QStringLiteral("8 %1: 25 % over the last 1 try").arg(term8)},
            {9, 0, QString()},
            {20, std::nullopt, QStringLiteral("20 %1: never asked").arg(m_form->quiz().state().Term[20])},
            {1, std::nullopt, QString()},
        };
        // A screen reader finds each cell as a child of the map, by index and by place, under the same words.
        QAccessibleInterface *map = QAccessible::queryAccessibleInterface(progress->map());
        QCOMPARE(map->childCount(), 100);
        for (const auto &cell : cells) {
            QCOMPARE(progress->map()->cellColour(cell.question), MasteryMap::colourFor(cell.average));
            if (!cell.words.isEmpty())
                QCOMPARE(progress->map()->cellText(cell.question), cell.words);
            QAccessibleInterface *child = map->child(cell.question - 1);
            QCOMPARE(child->text(QAccessible::Name), progress->map()->cellText(cell.question));
            QCOMPARE(map->indexOfChild(child), cell.question - 1);
            QCOMPARE(map->childAt(child->rect().center().x(), child->rect().center().y()), child);
        }
        QTest::keyClick(progress->map(), Qt::Key_Down);  // the arrows walk the cells, ten to a row
        QTest::keyClick(progress->map(), Qt::Key_Right);
        QCOMPARE(progress->map()->currentCell(), 12);
        QVERIFY(MasteryMap::colourFor(0) != MasteryMap::colourFor(100));
        QVERIFY(MasteryMap::colourFor(std::nullopt) != MasteryMap::colourFor(50));
        QCOMPARE(progress->weakest()->count(), 3);
        QVERIFY(progress->weakest()->item(0)->text().startsWith("9 "));
        QVERIFY(progress->weakest()->item(1)->text().startsWith("8 "));
        QVERIFY(progress->plot()->accessibleDescription().startsWith("1 series, on "));

        progress->findChild<QCheckBox *>()->setChecked(true);  // all players
        QCOMPARE(progress->map()->cellColour(8), MasteryMap::colourFor((25 + 100) / 2.0));
        QCOMPARE(progress->map()->cellColour(20), MasteryMap::colourFor(50));
        QVERIFY(progress->plot()->accessibleDescription().startsWith("2 series from "));

        QCOMPARE(progress->windowType(), Qt::Dialog);  // only a dialog is made transient for its parent on X11
        QTest::keyClick(progress, Qt::Key_Escape);
        QVERIFY(!progress->isVisible());
    }

    // A weak question chosen in the progress window is presented as the word list presents it, and only when it would.
    void jumpThroughTheWordListsGate_data()
    {
        QTest::addColumn<bool>("started");
        QTest::newRow("before Start: nothing happens") << false;
        QTest::newRow("after Start: presented") << true;
    }
    void jumpThroughTheWordListsGate()
    {
        QFETCH(bool, started);
        seed("", {right(42, 25)});
        if (started)
            start(QString());
        const int countBefore = m_form->quiz().state().QuestionCount;
        const QString headingBefore = control<QLabel>("Label1")->text();
        ProgressWindow *progress = openProgress();
        QVERIFY(QTest::qWaitForWindowExposed(progress));
        QListWidget *weakest = progress->weakest();
        QCOMPARE(weakest->currentItem()->data(Qt::UserRole).toInt(), 42);
        weakest->setFocus();
        QTest::keyClick(weakest, Qt::Key_Return);
        if (started) {
            QCOMPARE(m_form->quiz().state().QuestionCount, countBefore + 1);
            QCOMPARE(m_form->quiz().state().CurrentQuestion, 42);
            QCOMPARE(control<QLabel>("Label1")->text(), m_form->quiz().state().Term[42] + ": Find the odd one out");
            QCOMPARE(control<QListWidget>("List1")->currentItem()->text(), m_form->quiz().state().Term[42]);
        } else {
            QCOMPARE(m_form->quiz().state().QuestionCount, countBefore);
            QCOMPARE(control<QLabel>("Label1")->text(), headingBefore);
            QVERIFY(control<QListWidget>("List1")->selectedItems().isEmpty());
        }
    }
};

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
