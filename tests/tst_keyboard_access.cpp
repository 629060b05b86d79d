#include "AnswerTile.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "PictureStore.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

// Playing without a mouse, and what a screen reader is told.
class TestKeyboardAccess : public QObject {
    Q_OBJECT

private slots:
    void playWithKeysAlone();
};

void TestKeyboardAccess::playWithKeysAlone()
{
    ScriptedClock clock(12 * 3600);  // draws question 11, shown unrotated: its odd card is on tile 2
    FixedSeedRandom random;
    RecordingCues cues;
    Form1 form(clock, random, cues);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);

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
    clock.set(12 * 3600 + 44);  // C = 50: question 55
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

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
