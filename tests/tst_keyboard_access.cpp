// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerTile.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "PictureStore.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Playing without a mouse, and what a screen reader is told.
// The main window on screen, past Start. The clock draws question 11, shown
// unrotated: its odd card is on tile 2.
struct StartedGame {
    ScriptedClock clock{12 * 3600};
    FixedSeedRandom random;
    RecordingCues cues;
    Form1 form{clock, random, cues};

    bool start()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return false;
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
        return true;
    }
};

class TestKeyboardAccess : public QObject {
    Q_OBJECT

private slots:
    void playWithKeysAlone();
    void focusFromTheStartPanel();
    void wordListJumpsOnEnter_data();
    void wordListJumpsOnEnter();
};

void TestKeyboardAccess::playWithKeysAlone()
{
    StartedGame game;
    QVERIFY(game.start());
    Form1 &form = game.form;

    AnswerTile *tiles[5] = {};
    for (int t = 1; t <= 4; ++t)
        tiles[t] = form.findChild<AnswerTile *>(QStringLiteral("Picture1(%1)").arg(t));

    // The tiles lead the tab order, one after the other.
    for (int t = 1; t < 4; ++t)
        QCOMPARE(tiles[t]->nextInFocusChain(), static_cast<QWidget *>(tiles[t + 1]));

    // A screen reader hears a button named for its place, described by its card.
    PictureStore store;
    QAccessibleInterface *tile3 = QAccessible::queryAccessibleInterface(tiles[3]);
    QCOMPARE(tile3->role(), QAccessible::Button);
    QCOMPARE(tile3->text(QAccessible::Name), QStringLiteral("Answer 3"));
    QCOMPARE(tile3->text(QAccessible::Description), store.description(4 * 10 + 3));
    QVERIFY(!tile3->text(QAccessible::Description).isEmpty());

    // Space on a wrong tile, Enter on the right one.
    tiles[1]->setFocus();
    QTest::keyClick(tiles[1], Qt::Key_Space);
    QCOMPARE(form.quiz().DegreeFactor, 0.75);
    QTest::keyClick(tiles[1], Qt::Key_Tab);
    QVERIFY(tiles[2]->hasFocus());
    QTest::keyClick(tiles[2], Qt::Key_Return);
    QCOMPARE(form.quiz().controls.Text3.text, QStringLiteral("You have got 75 % in this question."));

    // The locked tile hands the focus on to "Next Question"; Space there moves on,
    // and the tiles now describe the new question's cards.
    auto *next = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(next->hasFocus());
    game.clock.set(12 * 3600 + 44);  // C = 50: question 55
    QTest::keyClick(next, Qt::Key_Space);
    const Tile &shown = form.quiz().controls.Picture1[3];
    QCOMPARE(tile3->text(QAccessible::Description), store.description(shown.picture));
    QVERIFY(shown.picture >= 217 && shown.picture <= 220);

    // F1 shows the help without leaving the keyboard.
    QTest::keyClick(&form, Qt::Key_F1);
    QWidget *viewer = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        viewer = window->objectName() == QStringLiteral("Form2") ? window : viewer;
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Vexlor - Help"));
    delete viewer;
}

// The keyboard starts in the name box and meets no covered control before Start;
// then it starts on the first tile, whose focus frame shows only once a key moved it.
void TestKeyboardAccess::focusFromTheStartPanel()
{
    ScriptedClock clock(12 * 3600);  // question 11, odd card on tile 2
    FixedSeedRandom random;
    RecordingCues cues;
    Form1 form(clock, random, cues);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *nameBox = form.findChild<QLineEdit *>(QStringLiteral("Text7"));
    QTRY_VERIFY(nameBox->hasFocus());
    QWidget *panel = form.findChild<QWidget *>(QStringLiteral("Frame2"));
    for (int tab = 0; tab < 20; ++tab) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(panel->isAncestorOf(focused) || !panel->geometry().intersects(focused->geometry()),
                 qPrintable(focused->objectName()));
        QTest::keyClick(focused, Qt::Key_Tab);
    }

    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    auto *tile1 = form.findChild<AnswerTile *>(QStringLiteral("Picture1(1)"));
    QVERIFY(tile1->hasFocus());
    const QImage unframed = tile1->grab().toImage();
    QTest::keyClick(tile1, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(tile1->hasFocus());
    QVERIFY(tile1->grab().toImage() != unframed);
    QTest::mouseClick(tile1, Qt::LeftButton);  // a wrong answer: the tile stays
    QVERIFY(tile1->hasFocus());
    QCOMPARE(tile1->grab().toImage(), unframed);

    // Tab goes round every control and comes back; no box keeps it.
    QWidget *first = QApplication::focusWidget();
    int tabs = 0;
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && ++tabs < 30);
    QVERIFY(tabs < 30);
}

void TestKeyboardAccess::wordListJumpsOnEnter_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("keypad Enter") << Qt::Key_Enter;
    QTest::newRow("Space") << Qt::Key_Space;
}

// The keys run the double-click's handler: the chosen term's question, counted.
void TestKeyboardAccess::wordListJumpsOnEnter()
{
    QFETCH(Qt::Key, key);
    StartedGame game;
    QVERIFY(game.start());
    Form1 &form = game.form;
    auto *list = form.findChild<QListWidget *>(QStringLiteral("List1"));
    list->setFocus();
    list->setCurrentRow(7, QItemSelectionModel::NoUpdate);  // under the focus, not yet selected
    const int before = form.quiz().QuestionCount;
    QTest::keyClick(list, key);
    QCOMPARE(form.quiz().QuestionCount, before + 1);
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             list->item(7)->text() + QStringLiteral(": Find the odd one out"));

    // A blank typed within a term goes on searching: no jump.
    QTest::keyClicks(list, QStringLiteral("Simple B"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Simple Beam"));
    QCOMPARE(form.quiz().QuestionCount, before + 1);
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
