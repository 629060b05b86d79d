// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerTile.h"
#include "ControlFactory.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "Form2.h"
#include "FrmSplash.h"
#include "HistoryReader.h"
#include "HistoryWriter.h"
#include "KeyboardPlay.h"
#include "KeptTextSurface.h"
#include "MasteryMap.h"
#include "PictureStore.h"
#include "ProgressWindow.h"
#include "QuestionBank.h"
#include "Rating.h"
#include "RecordingCues.h"
#include "ResultRows.h"
#include "ScriptedClock.h"
#include "TrendPlot.h"
#include "WordList.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <memory>

// The windows as a player meets them, by mouse or keyboard alone, every text whole in its control, and
// the progress window on a real history file.
// Runs again with DejaVu alone (FONTCONFIG_FILE set) and on small screens (everyWindowReachable).
class TestForm1 : public QObject {
    Q_OBJECT

private:
    // Why the control's text does not show whole in it at a readable size, or an empty string. A line
    // cut with "…" is whole in its tool tip (and a label's name); a text of several lines may scroll.
    static QString overflow(QWidget *control)
    {
        const QFontMetrics metrics = control->fontMetrics();
        QSize needed, room = control->size();
        QString text = control->property("text").toString();
        if (auto *label = qobject_cast<QLabel *>(control)) {
            room = label->contentsRect().size();
            needed = label->wordWrap() ? metrics.boundingRect(QRect(QPoint(), room), Qt::TextWordWrap, text).size()
                                       : QSize(metrics.horizontalAdvance(text), metrics.height());
        } else if (qobject_cast<QLineEdit *>(control)) {
            // Qt keeps 2 pixels inside the frame; at least one more on each side keeps the text off the edge.
            const int frame = control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
            room -= QSize(2 * frame + 6, 2 * frame);
            needed = {metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).height()};
        } else if (auto *area = qobject_cast<QTextEdit *>(control)) {
            text = area->toPlainText();
            const QScrollBar *bar = area->verticalScrollBar();
            room = area->viewport()->size() + QSize(0, bar->isVisible() ? bar->maximum() : 0);
            needed = QSizeF(area->document()->idealWidth(), area->document()->size().height()).toSize();
        } else if (qobject_cast<QPushButton *>(control)) {
            needed = {metrics.horizontalAdvance(text) + 8, metrics.height()};
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            // Whichever entry is picked shows whole in the box beside its arrow.
            QStyleOptionComboBox option;
            option.initFrom(combo);
            room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).size();
            text = combo->placeholderText();
            for (int i = 0; i < combo->count(); ++i) {
                if (metrics.horizontalAdvance(combo->itemText(i)) > metrics.horizontalAdvance(text))
                    text = combo->itemText(i);
            }
            needed = {metrics.horizontalAdvance(text), metrics.height()};
        } else {
            return QString();
        }
        if (!text.isEmpty() && control->font().pointSizeF() < 8)
            return QStringLiteral("%1 at %2 pt").arg(control->objectName()).arg(control->font().pointSizeF());
        const QString cut = text.endsWith(u'\u2026') ? text.chopped(1) : QString();
        if (!cut.isEmpty() && (!control->toolTip().startsWith(cut) || control->toolTip().size() <= cut.size() ||
                               (qobject_cast<QLabel *>(control) && control->accessibleName() != control->toolTip())))
            return QStringLiteral("%1 cut to '%2' without the whole text").arg(control->objectName(), text);
        return needed.width() > room.width() || needed.height() > room.height()
                   ? QStringLiteral("%1 too small for '%2'").arg(control->objectName(), text)
                   : QString();
    }
    // Why the first shown control of a window that does not show its text whole falls short, or an empty string.
    static QString unfit(QWidget *window)
    {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (control->isVisibleTo(window) && !overflow(control).isEmpty())
                return overflow(control);
        }
        return QString();
    }
    // How many pixels of a widget's picture have the colour, and how wide a band of columns they span.
    static std::pair<int, int> pixelsOf(QWidget *widget, const QColor &colour)
    {
        const QImage shot = widget->grab().toImage();
        int count = 0, left = shot.width(), right = -1;
        for (int i = 0; i < shot.width() * shot.height(); ++i) {
            const int x = i % shot.width();
            if (shot.pixelColor(x, i / shot.width()) == colour) {
                ++count;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        return {count, right - left + 1};
    }
    // Every shown button of a window shows its own colour as an even face.
    static bool evenFaces(QWidget *window)
    {
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            const int same = pixelsOf(button, button->palette().color(QPalette::Button)).first;
            if (button->isVisibleTo(window) && same * 10 < button->width() * button->height() * 7)
                return false;
        }
        return true;
    }
    static QStringList texts(const KeptTextSurface *surface)
    {
        QStringList lines;
        for (const PrintLine &line : surface->lines())
            lines << printInColumns(line);
        return lines;
    }
    // Row 1 answered with 100 % for "Couple", the rest unanswered.
    static std::vector<PrintLine> rowsAfter(int count)
    {
        QuizResults results;
        results.questionCount = count;
        results.rows.assign(std::size_t(count), ResultRow{});
        results.rows[0] = {QStringLiteral("Couple"), 100};
        return resultRows(results);
    }
    template <typename T = QWidget>
    T *control(const QString &name) { return m_form->findChild<T *>(name); }
    AnswerTile *tile(int t) { return control<AnswerTile>(QStringLiteral("Picture1(%1)").arg(t)); }
    QString text(const char *name) { return control<QLineEdit>(name)->text(); }
    void clickTile(bool right)
    {
        const int odd = m_form->quiz().state().OddTile[m_form->quiz().state().CurrentQuestion];
        QTest::mouseClick(tile(right ? odd : odd % 4 + 1), Qt::LeftButton);
    }
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

    // A history file under the window, holding a series of the given answers for each player.
    void useHistory(const std::vector<std::pair<QString, std::vector<AnswerRecord>>> &series = {})
    {
        m_historyDir = std::make_unique<QTemporaryDir>();
        m_history = std::make_unique<HistoryWriter>(m_historyDir->filePath("history.sqlite"));
        m_history->start();
        m_form->setHistory(m_history.get());
        for (const auto &[player, answers] : series) {
            m_history->seriesStarted(player, 30);
            for (const AnswerRecord &answer : answers)
                m_history->questionEnded(answer);
        }
        QVERIFY(m_history->waitIdle(10000));
    }
    static AnswerRecord rightAt(int question, int degree)
    {
        return {question, AnswerOutcome::Right, double(degree), (100 - degree) / 25, 4, false};
    }
    ProgressWindow *openProgress()
    {
        control<QAction>("mprogress")->trigger();
        auto *progress = m_form->findChild<ProgressWindow *>();
        return QTest::qWaitForWindowExposed(progress) ? progress : nullptr;
    }

    ScriptedClock m_clock{12 * 3600};  // noon: the first question is 11, its odd card on tile 2
    FixedSeedRandom m_random;
    RecordingCues m_cues;
    std::unique_ptr<QTemporaryDir> m_historyDir;
    std::unique_ptr<HistoryWriter> m_history;
    std::unique_ptr<Form1> m_form;

private slots:
    void init()
    {
        m_form = std::make_unique<Form1>(m_clock, m_random, m_cues);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        m_history.reset();
        m_historyDir.reset();
    }

    void atStart()
    {
        // 11385 x 7380 twips under the menu, and not resizable; places in pixels from twips (15 to the pixel,
        // rounded), the message box 100 twips in.
        QCOMPARE(m_form->centralWidget()->size(), QSize(759, 492));
        QCOMPARE(control("Frame2")->geometry(), QRect(0, 0, 617, 217));
        QCOMPARE(control("Picture1(1)")->geometry(), QRect(7, 35, 148, 127));
        QCOMPARE(control("Command1")->geometry(), QRect(469, 175, 148, 29));
        QCOMPARE(control<QPushButton>("Command1")->text(), "Next Question");
        QCOMPARE(control("Text2")->geometry(), QRect(7, 217, 610, 57));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        for (const char *hidden : {"Text2", "Text5", "Label2", "Label3", "Command3", "Command4"})
            QVERIFY2(!control(hidden)->isVisibleTo(m_form.get()), hidden);
        QVERIFY(!control("List1")->isEnabled() && control<QListWidget>("List1")->count() == QuestionBank::kQuestionTotal);
        // The time box is a list to pick from that shows 30 until a pick.
        auto *combo = control<QComboBox>("Combo1");
        QVERIFY(!combo->isEditable() && combo->currentIndex() == -1 && combo->placeholderText() == "30");
        // The message timer ticks from the start; the countdown not at all yet (interval 0 would fire at once).
        QVERIFY(control<QTimer>("Timer1")->isActive() && !control<QTimer>("Timer2")->isActive());
        // Arial's metric twin or, without it, the desktop's sans-serif.
        const QString face = QFontInfo(control("Label8")->font()).family();
        QVERIFY2(face.contains(QStringLiteral("Sans")), qPrintable(face));
        QCOMPARE(face.startsWith(QStringLiteral("Liberation")), !qEnvironmentVariableIsSet("FONTCONFIG_FILE"));
        // The drafting sheet lies on the lilac ground, and the boxes on it keep their dark outline.
        const QImage ground = m_form->centralWidget()->grab().toImage();
        QCOMPARE(ground.pixelColor(4, 488), QColor(200, 200, 255));
        QCOMPARE(ground.pixelColor(80, 100), QColor(192, 192, 255));  // the start panel over the tiles
        const QRect box = control("Text4")->geometry();
        QVERIFY(qGray(ground.pixel(box.center().x(), box.top())) < 128);
        // The buttons show their colours; the open time list is red like the closed box.
        QVERIFY(evenFaces(m_form.get()));
        QCOMPARE(unfit(m_form.get()), QString());
        combo->showPopup();
        const int red = pixelsOf(combo->view(), Qt::red).first, black = pixelsOf(combo->view(), Qt::black).first;
        combo->hidePopup();
        QVERIFY2(red > 0 && black == 0, qPrintable(QStringLiteral("%1 red, %2 black").arg(red).arg(black)));
    }

    // A typed name shows as typed, markup and entities included, with the time picked; one too long for
    // its line is cut with "…", whole in the tool tip and for a screen reader.
    void startPanel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("seconds");
        QTest::newRow("tags") << QStringLiteral("<u>Al</u> & Bo") << 0 << 15;
        QTest::newRow("entities") << QStringLiteral("&lt;b&gt; &amp; &nbsp;") << 9 << 60;
        QTest::newRow("60-character name")
            << QStringLiteral("Bartholomew Fitzgerald-Montgomery Ravenscroft of Lyme Regis") << -1 << 30;
    }
    void startPanel()
    {
        QFETCH(QString, name);
        QFETCH(int, entry);
        QFETCH(int, seconds);
        start(name, entry + 1);
        QVERIFY(!control("Frame2")->isVisible());
        QCOMPARE(control<QLabel>("Label2")->text(),
                 QStringLiteral("Maximum time for question = %1 seconds.").arg(seconds));
        auto *label3 = control<QLabel>("Label3");
        const QString whole = QStringLiteral("Name: ") + name;
        if (label3->text() != whole) {
            QVERIFY2(name.size() > 40 && label3->toolTip() == whole && label3->accessibleName() == whole,
                     qPrintable(label3->text()));
        } else {  // drawn as wide as the literal text: markup would drop its tags and entities shrink to one sign
            const int literal = QFontMetrics(label3->font()).boundingRect(label3->text()).width();
            const int drawn = pixelsOf(label3, label3->palette().color(QPalette::WindowText)).second;
            QVERIFY2(qAbs(drawn - literal) <= 3, qPrintable(QStringLiteral("%1 of %2").arg(drawn).arg(literal)));
        }
        QCOMPARE(unfit(m_form.get()), QString());
    }

    // A wrong and a right answer, the results table, Next Question and Restart on the real widgets, each
    // answer in the history file as it was given.
    void playOneQuestion()
    {
        useHistory();
        const QString player = QStringLiteral("<b>Ada</b> \"O'Neil\"");
        start(player);
        QVERIFY(control("List1")->isEnabled() && control("Command3")->isVisible() && control("Command4")->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(control<QProgressBar>("ProgressBar1")->value(), 1, 1500);
        QCOMPARE(QAccessible::queryAccessibleInterface(control("ProgressBar1"))->text(QAccessible::Name), "Time used");
        QCOMPARE(QAccessible::queryAccessibleInterface(control("ProgressBar1"))->parent()->role(), QAccessible::StatusBar);
        QVERIFY(evenFaces(m_form.get()));
        // A screen reader hears the new heading with the first tile, which has the keyboard, then only
        // what a click wrote.
        QVERIFY(tile(1)->hasFocus() && control("Announcer")->accessibleName().isEmpty());
        QCOMPARE(control("Question")->accessibleName(), control<QLabel>("Label1")->text());
        clickTile(false);
        QVERIFY(control("Text2")->isVisible());
        QCOMPARE(control("Announcer")->accessibleName(),
                 control<QTextEdit>("Text2")->toPlainText().trimmed() + u' ' + text("Text3"));
        // A paste with no format at all (Qt's own reader crashed on it) changes nothing; of marked-up text
        // only the plain text arrives.
        auto *message = control<QTextEdit>("Text2");
        const QString before = message->toPlainText();
        message->setFocus();
        message->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(message, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(message->toPlainText(), before);
        auto *marked = new QMimeData;
        marked->setHtml(QStringLiteral("<b>bold</b>"));
        marked->setText(QStringLiteral("plain"));
        QGuiApplication::clipboard()->setMimeData(marked);
        QTest::keyClick(message, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(message->toPlainText(), before + QStringLiteral("plain"));
        clickTile(true);
        for (int t = 1; t <= 4; ++t)
            QVERIFY(!tile(t)->isEnabled());
        QCOMPARE(control("Text1")->palette().color(QPalette::Text), QColor(Qt::blue));  // the rating
        QVERIFY(control<QTimer>("Timer2")->isActive());  // never stopped
        // The results table lists the rows of the series on show.
        const auto tableRows = [this] {
            control<QAction>("mresult")->trigger();
            // Only the rows below the heading.
            return texts(viewer()->findChild<KeptTextSurface *>(QStringLiteral("Picture1"))).mid(3);
        };
        QCOMPARE(tableRows().join(u'|').simplified(), QStringLiteral("001 075 % Imaginary Number"));

        // What a player typed into a box gives way to the next text the game writes there.
        control<QLineEdit>("Text3")->setText(QStringLiteral("scribble"));
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(text("Text3"), QString());
        QVERIFY(tile(1)->isEnabled());
        // After Restart the answer given before it is gone.
        const int left = m_form->quiz().state().CurrentQuestion;
        QTest::mouseClick(control("Command3"), Qt::LeftButton);
        QCOMPARE(tableRows(), QStringList{QStringLiteral("  001 has no answer.")});
        delete viewer();
        QVERIFY(m_history->waitIdle(10000));
        const std::vector<AnswerRow> rows = HistoryReader(m_history->path()).answers(std::nullopt);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0].player, player);
        QVERIFY(rows[0].question == 11 && rows[0].degree == 75 && rows[0].wrongClicks == 1);
        QVERIFY(rows[1].question == left && rows[1].outcome == AnswerOutcome::Left && rows[1].maxSeconds == 30);

        // Exit in a folder that is gone: the player reads why there is no report. The game's end
        // leaves the event loop this test runs.
        QTemporaryDir gone;
        const QString home = QDir::currentPath();
        QVERIFY(QDir::setCurrent(gone.path()) && gone.remove());
        QString warning;
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&warning] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                warning = box->textFormat() == Qt::PlainText ? box->text() : QStringLiteral("rich text");
                box->accept();
            }
        });
        reader.start(20);
        QTimer::singleShot(20000, &reader, [&warning] { warning = "the game did not end"; QCoreApplication::quit(); });
        QTimer::singleShot(0, &reader, [this] { QTest::mouseClick(control("Command4"), Qt::LeftButton); });
        QCoreApplication::exec();
        QDir::setCurrent(home);
        QCOMPARE(warning, "The report VexlorOut.txt could not be written: the folder it belongs in has been deleted.");
    }

    // A keyboard player; what a screen reader says of it, Orca's own test hears. The keyboard starts in the
    // name box; Return presses Start, and the first tile takes the keyboard, its frame shown as a key moved it
    // there, under the heading, heard once with the card. The tiles lead the tab order; Space, clicks and
    // keypad Enter answer; the locked tile hands the keyboard to "Next Question", and that to the new first
    // tile. F1 opens the viewer; neither the word list nor the viewer hold on to what is gone.
    void keyboardPlay()
    {
        KeyboardPlay::install(qApp);
        QTRY_VERIFY(control("Text7")->hasFocus());
        auto *announcer = control("Announcer");
        const QImage unframed = tile(1)->grab().toImage();
        auto *start = control<QPushButton>("Command2");
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QVERIFY(!control("Frame2")->isVisible() && tile(1)->hasFocus() && tile(1)->grab().toImage() != unframed);
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(tile(1))->parent();
        QVERIFY(group->role() == QAccessible::Heading);
        QCOMPARE(group->text(QAccessible::Name), control<QLabel>("Label1")->text());
        QVERIFY(announcer->accessibleName() != group->text(QAccessible::Name));
        for (int t = 1; t < 4; ++t)
            QCOMPARE(tile(t)->nextInFocusChain(), static_cast<QWidget *>(tile(t + 1)));
        QTest::keyClick(tile(1), Qt::Key_Space);  // wrong
        QCOMPARE(m_form->quiz().state().DegreeFactor, 0.75);
        QTest::mouseClick(tile(1), Qt::LeftButton);  // wrong again: the tile keeps the focus, the frame goes
        QVERIFY(tile(1)->hasFocus() && tile(1)->grab().toImage() == unframed);
        // Tab goes round every control and comes back; the shown message box does not keep it.
        for (int tabs = 0; tabs == 0 || !tile(1)->hasFocus(); ++tabs) {
            QVERIFY(tabs < 30);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // A tile is a button named for its place, described by its card.
        PictureStore store;
        QAccessibleInterface *tile3 = QAccessible::queryAccessibleInterface(tile(3));
        QVERIFY(tile3->role() == QAccessible::Button && tile3->text(QAccessible::Name) == "Answer 3");
        QCOMPARE(tile3->text(QAccessible::Description), store.description(4 * (m_form->quiz().state().CurrentQuestion - 1) + 3));

        QTest::keyClick(tile(1), Qt::Key_Tab);
        QTest::keyClick(tile(2), Qt::Key_Enter, Qt::KeypadModifier);  // right
        QCOMPARE(text("Text3"), QStringLiteral("You have got 50 % in this question."));
        auto *next = control<QPushButton>("Command1");
        QVERIFY(next->hasFocus());
        m_clock.set(12 * 3600 + 44);  // another question
        QTest::keyClick(next, Qt::Key_Enter, Qt::KeypadModifier);
        const int now = m_form->quiz().state().CurrentQuestion;
        const Tile &shown = m_form->quiz().state().controls.Picture1[3];
        QVERIFY(now != 11 && shown.picture > 4 * (now - 1) && shown.picture <= 4 * now);
        QCOMPARE(tile3->text(QAccessible::Description), store.description(shown.picture));
        QVERIFY(tile(1)->hasFocus() && tile(1)->isEnabled() && tile(1)->grab().toImage() != unframed);

        // Space, Return or Enter in the word list jump to the term under the focus, not yet selected; a blank
        // within a typed term searches on. Away from the list it has no current entry.
        auto *list = control<QListWidget>("List1");
        list->setFocus();
        const int count = m_form->quiz().state().QuestionCount;
        for (const auto &[row, key] : {std::pair{7, Qt::Key_Space}, std::pair{25, Qt::Key_Return}}) {
            list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
            QTest::keyClick(list, key);
            QCOMPARE(control<QLabel>("Label1")->text(), list->item(row)->text() + QStringLiteral(": Find the odd one out"));
        }
        QTest::keyClicks(list, QStringLiteral("Simple B"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Simple Beam"));
        QCOMPARE(m_form->quiz().state().QuestionCount, count + 2);
        const int searched = list->currentRow();
        auto *hints = control<QPushButton>("Command5");
        hints->setFocus();
        QVERIFY(!list->currentIndex().isValid());
        // Linear Equation has no hint.
        QTest::keyClick(hints, Qt::Key_Return);
        QVERIFY(control("Text5")->isVisible() && control<QTextEdit>("Text5")->toPlainText().isEmpty());
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(list->currentRow(), searched);
        QTest::keyClick(list, Qt::Key_F1);  // the viewer, which the desktop keeps with the game
        QVERIFY(viewer() && viewer()->windowTitle() == QStringLiteral("Vexlor - Help"));
        QCOMPARE(viewer()->windowHandle()->transientParent(), m_form->windowHandle());
    }

    void letterSpacedWords_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("read");
        QTest::newRow("two words") << "V e r y   B a d" << "Very Bad";
        QTest::newRow("signs as one mark") << "W a a o w !!!!" << "Waaow!!!!";
        QTest::newRow("a sentence") << "Please, Try again. " << "Please, Try again. ";
        QTest::newRow("typed words") << "a bc d" << "a bc d";
        QTest::newRow("empty") << "" << "";
    }
    void letterSpacedWords()
    {
        QFETCH(QString, shown);
        QFETCH(QString, read);
        auto *rating = control<QLineEdit>("Text1");  // the box shows the word spaced out; a screen reader reads it whole
        rating->setText(shown);
        QAccessibleTextInterface *reader = QAccessible::queryAccessibleInterface(rating)->textInterface();
        QCOMPARE(reader->text(0, reader->characterCount()), read);
    }

    // The progress window's map, its words and the weakest list, for the player named and for all; it is a
    // dialog (so the desktop keeps it over the game) and Escape closes it.
    void progressMapAndWeakest()
    {
        useHistory({{"Ada", {rightAt(5, 100), rightAt(5, 100), rightAt(8, 25), {9, AnswerOutcome::TimedOut, 0, 0, 32, true}}},
                    {"Bo", {rightAt(8, 100), rightAt(20, 50)}}});
        QTest::keyClicks(control("Text7"), "Ada");
        ProgressWindow *progress = openProgress();
        QVERIFY(progress && progress->parentWidget() == m_form.get() && progress->windowType() == Qt::Dialog);
        const std::vector<QString> &term = m_form->quiz().state().Term;
        const struct { int question; std::optional<double> average; QString words; } cells[] = {
            {5, 100, QStringLiteral("5 %1: 100 % over the last 2 tries").arg(term[5])},
            {8, 25, QStringLiteral("8 %1: 25 % over the last 1 try").arg(term[8])},
            {9, 0, QString()},
            {20, std::nullopt, QStringLiteral("20 %1: never asked").arg(term[20])},
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
        QVERIFY(MasteryMap::colourFor(0) != MasteryMap::colourFor(100) && MasteryMap::colourFor(std::nullopt) != MasteryMap::colourFor(50));
        QCOMPARE(progress->weakest()->count(), 3);
        QVERIFY(progress->weakest()->item(0)->text().startsWith("9 ") && progress->weakest()->item(1)->text().startsWith("8 "));
        QVERIFY(progress->plot()->accessibleDescription().startsWith("1 series, on "));
        progress->findChild<QCheckBox *>()->setChecked(true);  // all players
        QCOMPARE(progress->map()->cellColour(8), MasteryMap::colourFor((25 + 100) / 2.0));
        QCOMPARE(progress->map()->cellColour(20), MasteryMap::colourFor(50));
        QVERIFY(progress->plot()->accessibleDescription().startsWith("2 series from "));
        QTest::keyClick(progress, Qt::Key_Escape);
        QVERIFY(!progress->isVisible());
    }

    // A weak question chosen in the progress window is presented as the word list presents it, and only when it would.
    void progressChoiceThroughTheWordListsGate_data()
    {
        QTest::addColumn<bool>("started");
        QTest::newRow("before Start: nothing happens") << false;
        QTest::newRow("after Start: presented") << true;
    }
    void progressChoiceThroughTheWordListsGate()
    {
        QFETCH(bool, started);
        useHistory({{QString(), {rightAt(42, 25)}}});
        if (started)
            start();
        const QuizState &state = m_form->quiz().state();
        const int countBefore = state.QuestionCount;
        const QString heading = control<QLabel>("Label1")->text();
        QListWidget *weakest = openProgress()->weakest();
        QCOMPARE(weakest->currentItem()->data(Qt::UserRole).toInt(), 42);
        weakest->setFocus();
        QTest::keyClick(weakest, Qt::Key_Return);
        QCOMPARE(state.QuestionCount, countBefore + int(started));
        QCOMPARE(control<QLabel>("Label1")->text(), started ? state.Term[42] + ": Find the odd one out" : heading);
        const QList<QListWidgetItem *> chosen = control<QListWidget>("List1")->selectedItems();
        QCOMPARE(chosen.isEmpty() ? QString() : chosen.first()->text(), started ? state.Term[42] : QString());
    }

    // Each question's term in the list, heading, hint and right-answer message, and the degree lines.
    void questionTexts_data()
    {
        QTest::addColumn<int>("question");
        for (int q = 1; q <= QuestionBank::kQuestionTotal; ++q)
            QTest::addRow("%d %s", q, qPrintable(QuestionBank::term(q))) << q;
    }
    void questionTexts()
    {
        QFETCH(int, question);
        start();
        auto *list = control<QListWidget>("List1");
        QListWidgetItem *item = list->item(question - 1);
        QCOMPARE(item->text(), m_form->quiz().state().Term[question]);
        // A term the list cuts short is whole in its tool tip and for a screen reader.
        QCOMPARE(item->toolTip(), item->text());
        QCOMPARE(item->data(Qt::AccessibleTextRole).toString(), item->text());
        list->scrollToItem(item);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QCOMPARE(m_form->quiz().state().CurrentQuestion, question);
        auto *heading = control<QLabel>("Label1");
        QVERIFY2(heading->text().startsWith(item->text()) && heading->geometry().right() < list->x(),
                 qPrintable(heading->text()));
        QTest::mouseClick(control("Command5"), Qt::LeftButton);
        QVERIFY(control("Text5")->isVisible());
        QCOMPARE(control<QTextEdit>("Text5")->toPlainText(), QuestionBank::hint(question));
        QCOMPARE(unfit(m_form.get()), QString());
        // Four wrong clicks take the reachable degree down to its floor, then the right one.
        for (int wrong = 0; wrong < 4; ++wrong) {
            clickTile(false);
            QCOMPARE(unfit(m_form.get()), QString());
        }
        clickTile(true);
        QCOMPARE(control<QTextEdit>("Text2")->toPlainText(), QuestionBank::rightAnswerMessage(question));
        QCOMPARE(unfit(m_form.get()), QString());
    }

    // The longest total line, "100 %" over three-digit counts, and every rating word.
    void totalsAndRatings()
    {
        start();
        for (int n = 0; n < 120; ++n) {
            clickTile(true);
            QTest::mouseDClick(control<QListWidget>("List1")->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        }
        clickTile(true);
        QVERIFY(control<QLineEdit>("Text4")->text().contains(QStringLiteral(" 100 % in 121 ")));
        QCOMPARE(unfit(m_form.get()), QString());
        auto *rating = control<QLineEdit>("Text1");
        for (int average = 0; average <= 100; ++average) {
            ControlFactory::setFittedText(rating, ratingFor(average).word);
            QVERIFY2(overflow(rating).isEmpty(), qPrintable(rating->text()));
        }
    }

    // Before Start the word list is disabled and looks it, yet reads at a contrast of 3 : 1 or more; no
    // two rows look alike, however the list's width cuts the terms.
    void wordListBeforeStart()
    {
        auto *list = control<WordList>("List1");
        QVERIFY(!list->isEnabled());
        QMap<QByteArray, int> looks;
        double contrast = 21;
        for (int row = 0; row < list->count(); ++row) {
            list->scrollToItem(list->item(row));
            const QImage shot = list->viewport()->grab(list->visualItemRect(list->item(row))).toImage();
            const QByteArray bytes(reinterpret_cast<const char *>(shot.constBits()), shot.sizeInBytes());
            QVERIFY2(!looks.contains(bytes), qPrintable(QStringLiteral("'%1' looks like '%2'")
                                                            .arg(list->item(row)->text(),
                                                                 list->item(looks.value(bytes))->text())));
            looks.insert(bytes, row);
            // The ground is the corner's colour; the text's strongest pixel against it sets the row's contrast.
            const auto luminance = [](QColor c) {
                const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
                return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
            };
            const double ground = luminance(shot.pixelColor(0, 0));
            double darkest = ground;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    darkest = std::min(darkest, luminance(shot.pixelColor(x, y)));
            contrast = std::min(contrast, (ground + 0.05) / (darkest + 0.05));
            QVERIFY(list->shownText(row) == list->item(row)->text() || list->shownText(row).contains(u'\u2026'));
        }
        QVERIFY2(contrast >= 3 && contrast < 7, qPrintable(QString::number(contrast)));
    }

    // The splash reads as written, each paragraph with its own blanks.
    void splashAsWritten()
    {
        FrmSplash splash;
        const std::pair<const char *, const char *> texts[] = {
            {"Label2", "Version 1.0"},
            {"Label3",
             "The program tries to help you to test your basic engineering knowledge's.  In this version there are "
             "100 questions about units, definitions, etc….  The arrangement of the questions as will as the "
             "answers is random.  You can choose the questions from words list by dblclick on the word you want."},
            {"Label5",
             "In each question there are four answers, one of them either wrong or doesn't agree with the "
             "definition, try to find out this odd answer.  If you do well from the first time your degree will be "
             "100% in this question,  if not your maximum degree will be reduced by 25%  and so on."},
            {"Label4",
             "If you don't click on any answer and click on the ''Next question'' button your degree in this "
             "question will be 0 %.   After you click on the ''Next question'' button you will see the total "
             "degree for the all previous questions. "},
        };
        for (const auto &[name, text] : texts)
            QCOMPARE(splash.findChild<QLabel *>(name)->text(), QString::fromUtf8(text));
    }

    void helpThenResults()
    {
        Form2 viewer;
        auto *table = viewer.findChild<KeptTextSurface *>(QStringLiteral("Picture1"));
        auto *scroll = viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"));
        // Help after results is written once, from the top, as written; the table and its scroll bar give way to it.
        viewer.mresult(rowsAfter(1));
        viewer.mhelp();
        viewer.mhelp();
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Vexlor - Help"));
        auto *help = viewer.findChild<KeptTextSurface *>(QStringLiteral("Form2Surface"));
        QCOMPARE(texts(help).size(), 22);
        QCOMPARE(texts(help).at(1), QString(37, u' ') + QStringLiteral("Vexlor version 1.0"));
        QCOMPARE(texts(help).mid(3, 15).join(u'\n'),
                 " The program tries to help you to test your basic engineering knowledge's.\n"
                 " In this version there are 100 questions about units, definitions, etc….\n"
                 " The arrangement of the questions as will as the answers is random.\n"
                 " You can choose the questions from words list by dblclick on the word you\n"
                 " want. In each question there are four answers, one of them either wrong or\n"
                 " doesn't agree with the definition, try to find out this odd answer.\n"
                 " If you do well from the first time your degree will be 100% in this question.,\n"
                 " if not your maximum degree will be reduced by 25%  and so on. If you don't\n"
                 " click on any answer and click on the ''Next question'' button your degree in\n"
                 " this question will be 0%. After you click on the ''Next question'' button\n"
                 " you will see the total degree for the all previous questions.\n"
                 " \n"
                 " Please, if you find out any mistake or you have any comment about the\n"
                 " program please send to me.\n"
                 " Thank you.");
        QVERIFY(!table->isVisible() && !scroll->isVisible());
        // The help keeps to the viewer's width, and so does a full results table below.
        QVERIFY2(help->contentWidth() < viewer.width(), qPrintable(QString::number(help->contentWidth())));
        QCOMPARE(unfit(&viewer), QString());
        QVERIFY(evenFaces(&viewer));

        viewer.mresult(rowsAfter(2));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Vexlor - Result"));
        const QStringList lines = texts(table);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0), QString(105, u'-'));
        QCOMPARE(lines.at(1).size(), 92);
        QCOMPARE(lines.at(2), QString(106, u'-'));

        // A screen reader reads the table as these lines, and finds each character
        // where it is drawn: ink under a letter, none under a blank.
        QAccessibleTextInterface *reader = QAccessible::queryAccessibleInterface(table)->textInterface();
        const QString all = reader->text(0, reader->characterCount());
        QCOMPARE(all, lines.join(u'\n'));
        const QImage drawn = table->grab().toImage();
        const QPoint origin = table->mapToGlobal(QPoint(0, 0));
        const QColor ground = table->palette().color(QPalette::Window);
        const int row = static_cast<int>(all.indexOf(QStringLiteral("  001")));
        for (int offset = row; offset < all.indexOf(u'\n', row); ++offset) {
            const QPoint centre = reader->characterRect(offset).center();
            QCOMPARE(reader->offsetAtPoint(centre), offset);
            bool ink = false;
            for (const int dy : {-3, 0, 3})
                ink = ink || drawn.pixelColor(centre + QPoint(0, dy) - origin) != ground;
            QVERIFY2(ink == !all.at(offset).isSpace(), qPrintable(QString::number(offset - row)));
        }
        // The degree and the term start at the zones of 14 average character widths, columns 28 and 42.
        for (const int column : {28, 42})
            QCOMPARE(reader->characterRect(row + column).left() - origin.x(),
                     column * table->fontMetrics().averageCharWidth());

        // A long table scrolls, by the wheel anywhere over its text too, until its last row is in view.
        viewer.mresult(rowsAfter(100));
        const int rowHeight = table->contentHeight() / int(table->lines().size());
        const QPointF over = table->mapFrom(&viewer, QPointF(viewer.width() / 3, viewer.height() / 2));
        for (int notch = 0; notch < 200 && scroll->value() < scroll->maximum(); ++notch) {
            QWheelEvent wheel(over, table->mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(table, &wheel);
        }
        QCOMPARE(scroll->value(), scroll->maximum());
        const int lastRowEnd = table->y() + table->contentHeight();
        QVERIFY2(lastRowEnd <= viewer.height() && lastRowEnd > viewer.height() - rowHeight,
                 qPrintable(QStringLiteral("%1 of %2").arg(lastRowEnd).arg(viewer.height())));

        // Scroll down, close, show again: written anew from the top, seen at the old offset.
        scroll->setValue(3000);
        QCOMPARE(table->y(), -200);
        viewer.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QVERIFY(viewer.isHidden());
        viewer.mresult(rowsAfter(1));
        QVERIFY(viewer.isVisible());
        QCOMPARE(texts(table).size(), 4);
        QCOMPARE(scroll->value(), 3000);
        QCOMPARE(table->y(), -200);
        QuizResults answered;  // every term answered
        for (int q = 1; q <= QuestionBank::kQuestionTotal; ++q)
            answered.rows.push_back({QuestionBank::term(q), 100});
        viewer.mresult(resultRows(answered));
        QVERIFY2(table->contentWidth() <= scroll->x(), qPrintable(QString::number(table->contentWidth())));
    }

    void okIsAnsweredAtOnce_data()
    {
        QTest::addColumn<bool>("underPicture");
        QTest::newRow("before any pass") << false;
        QTest::newRow("under a sliding picture") << true;
    }
    // The splash's texts keep to its panel, clear of its icon. The pictures wait outside the panel until
    // the first tick, then slide across it, over "OK" too.
    // A click on "OK" is handled by the next event, not after the pass, even where a picture crosses it;
    // the splash then closes for good, so no tick can reach it.
    void okIsAnsweredAtOnce()
    {
        QFETCH(bool, underPicture);
        auto *splash = new FrmSplash();
        QPointer<FrmSplash> guard(splash);
        QSignalSpy done(splash, &FrmSplash::finished);
        splash->show();
        QVERIFY(evenFaces(splash));
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(unfit(splash), QString());
        const QRect panel = splash->findChild<QWidget *>(QStringLiteral("Frame1"))->rect();
        const QRect icon = splash->findChild<QWidget *>(QStringLiteral("Im1"))->geometry();
        for (QLabel *label : splash->findChildren<QLabel *>()) {
            QVERIFY2(label->text().isEmpty() || panel.contains(label->geometry()), qPrintable(label->objectName()));
            // A heading's letters keep a few pixels' air from the icon.
            const QFontMetrics metrics = label->fontMetrics();
            const QRect ink = metrics.tightBoundingRect(label->text())
                                  .translated(label->geometry().topLeft() + QPoint(0, metrics.ascent()));
            QVERIFY2(label->text().isEmpty() || label->wordWrap() || !ink.adjusted(-3, -3, 3, 3).intersects(icon),
                     qPrintable(label->objectName()));
        }
        // The paragraphs of one font share one size, and so do the headings of one font.
        for (const QStringList &kind : {QStringList{"Label3", "Label5", "Label4", "Label6"},
                                        QStringList{"lblCompanyProduct(0)", "Label1", "lblCompanyProduct(1)"}}) {
            for (const QString &name : kind)
                QCOMPARE(splash->findChild<QLabel *>(name)->font().pointSizeF(),
                         splash->findChild<QLabel *>(kind.first())->font().pointSizeF());
        }
        const auto pictures = splash->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Im[23]$")));
        QCOMPARE(pictures.size(), 2);
        for (QLabel *picture : pictures)
            QVERIFY(!panel.intersects(picture->geometry()));
        auto *ok = splash->findChild<QPushButton *>(QStringLiteral("Command1"));
        QRect spot = ok->geometry();
        const auto covered = [&] {
            for (QLabel *picture : pictures) {
                spot = picture->geometry() & ok->geometry();
                if (spot.width() > 4 && spot.height() > 4)
                    return true;
            }
            return false;
        };
        for (int waited = 0; underPicture && !covered() && waited < 3000; waited += 2)
            QTest::qWait(2);  // a picture rests on each spot for a few hundredths of a second
        // Before any pass no picture lies on "OK"; the other row clicks where one does.
        QCOMPARE(covered(), underPicture);
        if (!underPicture)
            spot = ok->geometry();
        // Once the cards have come in, a screen reader hears what they and the icon show.
        for (const char *picture : {"Im1", "Im2", "Im3"})
            QCOMPARE(!splash->findChild<QLabel *>(picture)->accessibleName().isEmpty(), underPicture);
        // A pass ends within its tick, so every tick starts one.
        const auto *tick = splash->findChild<QTimer *>(QStringLiteral("Timer1"));
        for (const QTimer *step : splash->findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
            QVERIFY(step == tick || 2 * 19 * step->interval() < tick->interval());
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {},
                          ok->parentWidget()->mapTo(splash, spot.center()));
        QCOMPARE(done.count(), 1);
        QVERIFY(splash->isHidden());
        QTRY_VERIFY(guard.isNull());
    }

    // On a screen smaller than a window (a run under Xvfb at 640 x 480, and 800 x 600 at scale 2), framed
    // by a window manager, its frame, its menu and every button, once scrolled into view, are on the screen.
    void everyWindowReachable()
    {
        if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QSKIP("only the small-screen runs set a scale");
        const auto output = [](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(10000);
            return QString::fromLocal8Bit(process.readAllStandardOutput());
        };
        QProcess windowManager;
        windowManager.start("openbox", {"--sm-disable"});
        QTRY_VERIFY_WITH_TIMEOUT(output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"), 20000);
        m_form = std::make_unique<Form1>(m_clock, m_random, m_cues);  // placed with the frames known
        const QRect available = m_form->screen()->availableGeometry();
        QVERIFY2(available.width() < 760 || available.height() < 520, "the screen is not small; nothing was tried");
        // The screen in its own pixels, which a scale that does not divide them rounds to whole logical ones.
        static const QRegularExpression dimensions("dimensions:\\s+(\\d+)x(\\d+) pixels");
        const QRegularExpressionMatch screen = dimensions.match(output("xdpyinfo", {}));
        QVERIFY(screen.hasMatch());
        const QRect pixels(0, 0, screen.captured(1).toInt(), screen.captured(2).toInt());
        FrmSplash splash;
        Form2 viewer;
        viewer.mhelp();
        for (QWidget *window : std::initializer_list<QWidget *>{&splash, m_form.get(), &viewer}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QRect frame = window->frameGeometry();
            QVERIFY2(available.contains(frame) && frame.contains(window->geometry()), qPrintable(window->objectName()));
            const qreal ratio = window->devicePixelRatio();
            QVERIFY2(pixels.contains(QRect(frame.topLeft() * ratio, frame.size() * ratio)), qPrintable(window->objectName()));
            for (QPushButton *button : window->findChildren<QPushButton *>()) {
                const QScrollArea *view = nullptr;
                for (QWidget *up = button->parentWidget(); up; up = up->parentWidget()) {
                    if (auto *area = qobject_cast<QScrollArea *>(up))
                        area->ensureWidgetVisible(button, 0, 0), view = area;
                }
                // One wider than the view ("Start" at 400 x 300) is scrolled to its middle.
                const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
                const bool wider = view && button->width() > view->viewport()->width();
                QVERIFY2(button->isHidden() || available.contains(wider ? QRect(onScreen.center(), QSize(1, 1)) : onScreen),
                         qPrintable(button->text()));
            }
        }
        m_form.reset();
        windowManager.terminate();
        windowManager.waitForFinished();
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
