// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerTile.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "Form2.h"
#include "KeptTextSurface.h"
#include "PictureStore.h"
#include "Pictures.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

// The main window as a player meets it, with the mouse or the keyboard alone:
// where everything is, and what the first moves of a game do to the real widgets.
class TestForm1 : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *found = m_form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    AnswerTile *tile(int t) { return control<AnswerTile>(QStringLiteral("Picture1(%1)").arg(t)); }
    QString text(const char *name) { return control<QLineEdit>(name)->text(); }
    // The viewer is a window of its own, not a child of the main window.
    static Form2 *viewer()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *form2 = qobject_cast<Form2 *>(window))
                return form2;
        return nullptr;
    }
    void start(const QString &name = QString(), int comboDownPresses = 0)
    {
        QTest::keyClicks(control("Text7"), name);
        auto *combo = control<QComboBox>("Combo1");
        combo->setFocus();
        for (int i = 0; i < comboDownPresses; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::mouseClick(control("Command2"), Qt::LeftButton);
    }

    ScriptedClock m_clock{12 * 3600};  // noon: the first question is 11, its odd card on tile 2
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

    // Places in pixels from the form's twips (15 to the pixel, rounded) and captions.
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::newRow("start panel") << "Frame2" << QRect(0, 0, 617, 217) << QString();
        QTest::newRow("Start") << "Command2" << QRect(123, 112, 385, 89) << "Start";
        QTest::newRow("Next Question") << "Command1" << QRect(469, 175, 148, 29) << "Next Question";
        QTest::newRow("message, 100 twips in") << "Text2" << QRect(7, 217, 610, 57) << QString();
        QTest::newRow("Hints") << "Command5" << QRect(624, 280, 127, 29) << "Hints";
        QTest::newRow("Restart") << "Command3" << QRect(7, 427, 85, 38) << "Restart";
        QTest::newRow("Exit") << "Command4" << QRect(539, 427, 78, 38) << "Exit";
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QCOMPARE(control(name)->geometry(), place);
        if (auto *button = qobject_cast<QPushButton *>(control(name)))
            QCOMPARE(button->text(), caption);
    }

    void atStart()
    {
        // 11385 x 7380 twips under the menu, not resizable, in Arial's metric twin where it is installed.
        QCOMPARE(m_form->centralWidget()->size(), QSize(759, 492));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QCOMPARE(QFontInfo(control("Label1")->font()).family(), QStringLiteral("Liberation Sans"));

        // The drafting sheet lies unscaled at the top left, behind every control: a grid line, then ground.
        const QImage shot = m_form->centralWidget()->grab().toImage();
        const QImage sheet = Pictures::named(QStringLiteral("window.png")).toImage();
        QVERIFY(sheet.pixelColor(23, 470) != sheet.pixelColor(4, 480));
        for (const QPoint at : {QPoint(4, 480), QPoint(23, 470), QPoint(46, 300)})
            QCOMPARE(shot.pixelColor(at), sheet.pixelColor(at));

        for (const char *hidden : {"Text2", "Text5", "Label2", "Label3", "Command3", "Command4"})
            QVERIFY2(!control(hidden)->isVisibleTo(m_form.get()), hidden);
        auto *list = control<QListWidget>("List1");
        QVERIFY(!list->isEnabled() && list->count() == 100);
        // The time box is a list to pick from that shows 30 until a pick.
        auto *combo = control<QComboBox>("Combo1");
        QVERIFY(!combo->isEditable() && combo->currentIndex() == -1);
        QCOMPARE(combo->placeholderText(), QStringLiteral("30"));
        // The message timer ticks from the start; the countdown not at all yet (interval 0 would fire at once).
        QVERIFY(control<QTimer>("Timer1")->isActive() && !control<QTimer>("Timer2")->isActive());
        QCOMPARE(control<QTimer>("Timer1")->interval(), 3000);
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
        // A screen reader hears the new heading.
        QCOMPARE(control("Announcer")->accessibleName(), control<QLabel>("Label1")->text());

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

    // The results table lists the rows of the series on show: after Restart the answer given before it is gone.
    void resultsAfterRestart()
    {
        start();
        QTest::mouseClick(tile(2), Qt::LeftButton);  // right at the first try
        const auto tableRows = [this] {
            control<QAction>("mresult")->trigger();
            QStringList rows;
            for (const PrintLine &line : viewer()->findChild<KeptTextSurface *>(QStringLiteral("Picture1"))->lines())
                rows << printInColumns(line);
            return rows.mid(3);  // below the heading
        };
        QCOMPARE(tableRows(), QStringList{"  001" + QString(23, u' ') + "100 %" + QString(9, u' ') + "Imaginary Number"});
        QTest::mouseClick(control("Command3"), Qt::LeftButton);
        QCOMPARE(tableRows(), QStringList{QStringLiteral("  001 has no answer.")});
        delete viewer();
    }

    void hoverNudgesOnePixelAndCountdownTicks()
    {
        start();
        const auto moveOver = [](QWidget *widget) {
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

        auto *bar = control<QProgressBar>("ProgressBar1");
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 1, 1500);
        QCOMPARE(bar->maximum(), 32);
    }

    void playWithKeysAlone()
    {
        start();
        // The tiles lead the tab order; a screen reader hears a button named for its place, described by its card.
        for (int t = 1; t < 4; ++t)
            QCOMPARE(tile(t)->nextInFocusChain(), static_cast<QWidget *>(tile(t + 1)));
        PictureStore store;
        QAccessibleInterface *tile3 = QAccessible::queryAccessibleInterface(tile(3));
        QCOMPARE(tile3->role(), QAccessible::Button);
        QCOMPARE(tile3->text(QAccessible::Name), QStringLiteral("Answer 3"));
        QCOMPARE(tile3->text(QAccessible::Description), store.description(4 * 10 + 3));
        QVERIFY(!tile3->text(QAccessible::Description).isEmpty());

        // Space on a wrong tile, keypad Enter on the right one.
        QVERIFY(tile(1)->hasFocus());
        QTest::keyClick(tile(1), Qt::Key_Space);
        QCOMPARE(m_form->quiz().DegreeFactor, 0.75);
        QTest::keyClick(tile(1), Qt::Key_Tab);
        QVERIFY(tile(2)->hasFocus());
        QTest::keyClick(tile(2), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(text("Text3"), QStringLiteral("You have got 75 % in this question."));

        // The locked tile hands the focus on to "Next Question"; Space there moves on to new cards.
        QVERIFY(control("Command1")->hasFocus());
        m_clock.set(12 * 3600 + 44);  // question 55
        QTest::keyClick(control("Command1"), Qt::Key_Space);
        const Tile &shown = m_form->quiz().controls.Picture1[3];
        QVERIFY(shown.picture >= 217 && shown.picture <= 220);
        QCOMPARE(tile3->text(QAccessible::Description), store.description(shown.picture));

        QTest::keyClick(m_form.get(), Qt::Key_F1);
        QVERIFY(viewer() && viewer()->isVisible());
        QCOMPARE(viewer()->windowTitle(), QStringLiteral("Vexlor - Help"));
        delete viewer();
    }

    // The keyboard starts in the name box and meets no covered control before Start; then it starts
    // on the first tile, whose focus frame shows only once a key moved it, and Tab goes round every control.
    void focusFromTheStartPanel()
    {
        QTRY_VERIFY(control("Text7")->hasFocus());
        for (int tab = 0; tab < 20; ++tab) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY2(control("Frame2")->isAncestorOf(focused) ||
                         !control("Frame2")->geometry().intersects(focused->geometry()),
                     qPrintable(focused->objectName()));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        start();
        QVERIFY(tile(1)->hasFocus());
        const QImage unframed = tile(1)->grab().toImage();
        QTest::keyClick(tile(1), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(tile(1)->hasFocus());
        QVERIFY(tile(1)->grab().toImage() != unframed);
        QTest::mouseClick(tile(1), Qt::LeftButton);  // a wrong answer: the tile stays, the message shows
        QVERIFY(tile(1)->hasFocus());
        QCOMPARE(tile(1)->grab().toImage(), unframed);

        int tabs = 0;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (!tile(1)->hasFocus() && ++tabs < 30);
        QVERIFY(tabs < 30);
    }

    void wordListJumpsOnEnter_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
        QTest::newRow("Space") << Qt::Key_Space;
    }
    // The keys run the double-click's handler on the term under the focus; a blank within a typed term searches on.
    void wordListJumpsOnEnter()
    {
        QFETCH(Qt::Key, key);
        start();
        auto *list = control<QListWidget>("List1");
        list->setFocus();
        list->setCurrentRow(7, QItemSelectionModel::NoUpdate);  // under the focus, not yet selected
        QTest::keyClick(list, key);
        QCOMPARE(m_form->quiz().QuestionCount, 2);
        QCOMPARE(control<QLabel>("Label1")->text(), list->item(7)->text() + QStringLiteral(": Find the odd one out"));
        QTest::keyClicks(list, QStringLiteral("Simple B"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Simple Beam"));
        QCOMPARE(m_form->quiz().QuestionCount, 2);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
