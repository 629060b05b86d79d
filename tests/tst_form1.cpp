#include "AnswerTile.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "Pictures.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

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
    void start(const QString &name, int comboDownPresses);
    static QRect pixels(int left, int top, int width, int height)
    {
        // 15 twips to the pixel, to the nearest pixel.
        auto px = [](int twips) { return (twips + 7) / 15; };
        return QRect(px(left), px(top), px(width), px(height));
    }

    ScriptedClock m_clock{12 * 3600};  // noon: C = 0, so the first question is 11
    FixedSeedRandom m_random;
    RecordingCues m_cues;
    std::unique_ptr<Form1> m_form;

private slots:
    void init()
    {
        m_cues.requests.clear();
        m_form = std::make_unique<Form1>(m_clock, m_random, m_cues);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void layoutInTwips_data();
    void layoutInTwips();
    void looksAtStart();
    void stateAtStart();
    void startThenAnswer();
    void hoverNudgesOnePixel();
    void countdownTicksOncePerSecond();
};

void TestForm1::layoutInTwips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("Frame2") << "Frame2" << pixels(0, 0, 9255, 3255);
    QTest::newRow("Text7") << "Text7" << pixels(1845, 240, 5720, 450);
    QTest::newRow("Combo1") << "Combo1" << pixels(6765, 1080, 825, 405);
    QTest::newRow("Command2") << "Command2" << pixels(1845, 1680, 5775, 1335);
    QTest::newRow("tile 1") << "Picture1(1)" << pixels(105, 525, 2220, 1905);
    QTest::newRow("tile 4") << "Picture1(4)" << pixels(7035, 525, 2220, 1905);
    QTest::newRow("ProgressBar1") << "ProgressBar1" << pixels(105, 2415, 9150, 225);
    QTest::newRow("Text2") << "Text2" << pixels(100, 3255, 9150, 855);
    QTest::newRow("List1") << "List1" << pixels(9345, 525, 1905, 3660);
    QTest::newRow("Text5") << "Text5" << pixels(9345, 4635, 1905, 2310);
    QTest::newRow("Text4") << "Text4" << pixels(2415, 5985, 4635, 420);
    QTest::newRow("Command3") << "Command3" << pixels(105, 6405, 1275, 570);
    QTest::newRow("Text1") << "Text1" << pixels(1470, 6405, 6525, 570);
    QTest::newRow("Command4") << "Command4" << pixels(8085, 6405, 1170, 570);
}

void TestForm1::layoutInTwips()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QCOMPARE(control(name.toLatin1())->geometry(), expected);

    // The client area is 11385 x 7380 twips and the window cannot be resized.
    QCOMPARE(m_form->centralWidget()->size(), QSize(759, 492));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(tile(2)->size(), QSize(148, 127));
}

void TestForm1::looksAtStart()
{
    const QColor lilac(192, 192, 255);
    const QColor paleYellow(255, 255, 128);

    auto *heading = control<QLabel>("Label1");
    QCOMPARE(QFontInfo(heading->font()).family(), QStringLiteral("Liberation Sans"));  // Arial's metrics
    QCOMPARE(heading->font().pointSizeF(), 18.0);
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::red));

    auto *rating = control<QLineEdit>("Text1");
    QCOMPARE(rating->font().pointSizeF(), 24.0);
    QCOMPARE(rating->palette().color(QPalette::Text), QColor(Qt::blue));
    QCOMPARE(rating->palette().color(QPalette::Base), paleYellow);
    QCOMPARE(rating->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QCOMPARE(control<QLineEdit>("Text4")->font().pointSizeF(), 13.5);
    QCOMPARE(control<QLineEdit>("Text4")->palette().color(QPalette::Base), lilac);
    QCOMPARE(control<QLabel>("Label8")->text(), QStringLiteral("Maximum time for question (in seconds)"));
    QCOMPARE(control<QLabel>("Label8")->font().pointSizeF(), 14.25);
    QCOMPARE(control<QPushButton>("Command2")->font().pointSizeF(), 20.25);
    QCOMPARE(control<QPushButton>("Command2")->palette().color(QPalette::Button), QColor(192, 255, 192));
    QCOMPARE(control<QPushButton>("Command4")->palette().color(QPalette::Button), QColor(255, 128, 255));
    QCOMPARE(control<QTextEdit>("Text5")->palette().color(QPalette::Base), paleYellow);
    QCOMPARE(control<QListWidget>("List1")->palette().color(QPalette::Base), lilac);

    // The drafting sheet lies unscaled at the top left, behind every control.
    const QImage shot = m_form->centralWidget()->grab().toImage();
    const QImage sheet = Pictures::named(QStringLiteral("window.png")).toImage();
    QCOMPARE(sheet.size(), QSize(828, 531));
    for (const QPoint at : {QPoint(4, 480), QPoint(23, 470), QPoint(46, 300)})
        QCOMPARE(shot.pixelColor(at), sheet.pixelColor(at));
    QVERIFY(sheet.pixelColor(23, 470) != sheet.pixelColor(4, 480));  // a grid line, not just ground
}

void TestForm1::stateAtStart()
{
    QVERIFY(control("Frame2")->isVisible());
    for (const char *hidden : {"Text2", "Text5", "Label2", "Label3", "Command3", "Command4"})
        QVERIFY2(!control(hidden)->isVisibleTo(m_form.get()), hidden);
    auto *list = control<QListWidget>("List1");
    QVERIFY(!list->isEnabled());
    QCOMPARE(list->count(), 100);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Simple Beam"));

    // The time box is a list to pick from that shows 30 until a pick.
    auto *combo = control<QComboBox>("Combo1");
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->placeholderText(), QStringLiteral("30"));
    QCOMPARE(combo->count(), 10);
    QCOMPARE(combo->itemText(9), QStringLiteral("60"));

    // The message timer ticks from the start; the countdown must not tick at
    // all yet (a Qt timer of interval 0 would fire without pause).
    QVERIFY(control<QTimer>("Timer1")->isActive());
    QCOMPARE(control<QTimer>("Timer1")->interval(), 3000);
    QVERIFY(!control<QTimer>("Timer2")->isActive());

    QVERIFY(m_form->windowTitle().endsWith(QStringLiteral(" (100 questions)")));
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Imaginary Number: Find the odd one out"));
}

void TestForm1::start(const QString &name, int comboDownPresses)
{
    QTest::keyClicks(control("Text7"), name);
    auto *combo = control<QComboBox>("Combo1");
    combo->setFocus();
    for (int i = 0; i < comboDownPresses; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QTest::mouseClick(control("Command2"), Qt::LeftButton);
}

void TestForm1::startThenAnswer()
{
    start(QStringLiteral("Ada"), 1);  // the first entry, 15 seconds

    QVERIFY(!control("Frame2")->isVisible());
    QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Maximum time for question = 15 seconds."));
    QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral("Name: Ada"));
    QVERIFY(control("List1")->isEnabled());
    QVERIFY(control("Command3")->isVisible());
    QVERIFY(control("Command4")->isVisible());
    QVERIFY(control<QTimer>("Timer2")->isActive());
    QCOMPARE(control<QTimer>("Timer2")->interval(), 1000);
    QCOMPARE(m_cues.requests.size(), std::size_t(1));
    QCOMPARE(m_cues.requests.front().player, Cue::MMControl11);

    // Question 11 shows unrotated: its odd answer sits on tile 2.
    const int odd = m_form->quiz().OddTile[11];
    QCOMPARE(odd, 2);
    const int wrong = odd % 4 + 1;
    QTest::mouseClick(tile(wrong), Qt::LeftButton);
    QCOMPARE(control<QTextEdit>("Text2")->toPlainText(), QStringLiteral("Please, Try again. "));
    QVERIFY(control("Text2")->isVisible());
    QTest::mouseClick(tile(odd), Qt::LeftButton);
    QCOMPARE(control<QTextEdit>("Text2")->toPlainText(),
             QStringLiteral("Right. All are Imaginary Numbers except this one. "));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("You have got 75 % in this question."));
    for (int t = 1; t <= 4; ++t)
        QVERIFY(!tile(t)->isEnabled());

    // A locked tile takes no click; the countdown timer is never stopped.
    QTest::mouseClick(tile(wrong), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("You have got 75 % in this question."));
    QVERIFY(control<QTimer>("Timer2")->isActive());

    // What a player typed into a box gives way to the next text the game writes there.
    control<QLineEdit>("Text3")->setText(QStringLiteral("scribble"));
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>("Text3")->text(), QString());
    QVERIFY(tile(1)->isEnabled());
}

void TestForm1::hoverNudgesOnePixel()
{
    start(QString(), 0);
    auto moveOver = [](QWidget *widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), widget->mapToGlobal(QPointF(20, 20)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
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

void TestForm1::countdownTicksOncePerSecond()
{
    start(QString(), 0);
    auto *bar = control<QProgressBar>("ProgressBar1");
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 1, 1500);
    QCOMPARE(bar->maximum(), 32);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
