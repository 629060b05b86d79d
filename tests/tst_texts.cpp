// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFactory.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "Form2.h"
#include "FrmSplash.h"
#include "KeptTextSurface.h"
#include "QuestionBank.h"
#include "Rating.h"
#include "RecordingCues.h"
#include "ResultRows.h"
#include "ScriptedClock.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QTextEdit>

#include <memory>

// Every text the windows show, measured against the control that shows it:
// whole, without a scroll bar, and literally as written; and the colours the
// controls are given. Runs with the Arial-metric fonts and again with DejaVu alone
// (FONTCONFIG_FILE set), where the windows keep their sizes and take the desktop's sans-serif.
class TestTexts : public QObject {
    Q_OBJECT

private:
    // Why the control's text does not show whole in it, or an empty string.
    static QString overflow(QWidget *control)
    {
        const QString why = control->objectName() + QStringLiteral(" is too small for its text");
        if (auto *label = qobject_cast<QLabel *>(control)) {
            const QFontMetrics metrics(label->font());
            const QRect room = label->contentsRect();
            const QRect needed = label->wordWrap()
                                     ? metrics.boundingRect(room, Qt::TextWordWrap, label->text())
                                     : QRect(0, 0, metrics.horizontalAdvance(label->text()), metrics.height());
            return needed.width() > room.width() || needed.height() > room.height() ? why : QString();
        }
        if (auto *box = qobject_cast<QLineEdit *>(control)) {
            // Qt keeps 2 pixels inside the frame; at least one more on each side keeps the text off the edge.
            const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
            const QRect room = box->rect().adjusted(frame + 3, frame, -frame - 3, -frame);
            const QFontMetrics metrics(box->font());
            return metrics.horizontalAdvance(box->text()) > room.width() ||
                           metrics.tightBoundingRect(box->text()).height() > room.height()
                       ? why + QStringLiteral(" '") + box->text() + u'\''
                       : QString();
        }
        if (auto *area = qobject_cast<QTextEdit *>(control)) {
            return area->verticalScrollBar()->isVisible() ||
                           area->document()->size().height() > area->viewport()->height() ||
                           area->document()->idealWidth() > area->viewport()->width()
                       ? why + QStringLiteral(" '") + area->toPlainText() + u'\''
                       : QString();
        }
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            const QFontMetrics metrics(button->font());
            return metrics.horizontalAdvance(button->text()) + 8 > button->width() ||
                           metrics.height() > button->height()
                       ? why
                       : QString();
        }
        return QString();
    }
    // Whether every shown control of a window shows its text whole; names the first that does not.
    static bool allFit(QWidget *window)
    {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const QString why = control->isVisibleTo(window) ? overflow(control) : QString();
            if (!why.isEmpty()) {
                qWarning("%s", qPrintable(why));
                return false;
            }
        }
        return true;
    }
    // How many pixels of a widget's picture have the colour, and how wide a band of columns they span.
    static std::pair<int, int> pixelsOf(QWidget *widget, const QColor &colour)
    {
        const QImage shot = widget->grab().toImage();
        int count = 0, left = shot.width(), right = -1;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (shot.pixelColor(x, y) == colour) {
                    ++count;
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return {count, right - left + 1};
    }
    template <typename T = QWidget>
    T *control(const char *name)
    {
        T *found = m_form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void clickTile(bool right)
    {
        const int odd = m_form->quiz().OddTile[m_form->quiz().CurrentQuestion];
        QTest::mouseClick(control(QStringLiteral("Picture1(%1)").arg(right ? odd : odd % 4 + 1).toLatin1()),
                          Qt::LeftButton);
    }

    ScriptedClock m_clock{12 * 3600};
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

    // A typed name shows as typed, markup and entities included; the time limit line fits at every choice.
    void startPanelTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("timeEntry");
        QTest::newRow("tags") << QStringLiteral("<u>Al</u> & Bo") << 0;
        QTest::newRow("entities") << QStringLiteral("&lt;b&gt; &amp; &nbsp;") << 9;
        QTest::newRow("heading, picture") << QStringLiteral("<h1>Big</h1><img src=\"x\">") << 4;
    }
    void startPanelTexts()
    {
        QFETCH(QString, name);
        QFETCH(int, timeEntry);
        // The face, and the captions of the start panel ending before the boxes they name.
        const QString face = QFontInfo(control("Label8")->font()).family();
        QVERIFY2(face.contains(QStringLiteral("Sans")), qPrintable(face));
        QCOMPARE(face.startsWith(QStringLiteral("Liberation")), !qEnvironmentVariableIsSet("FONTCONFIG_FILE"));
        for (const auto &[caption, box] : {std::pair("Label7", "Text7"), std::pair("Label8", "Combo1")}) {
            auto *label = control<QLabel>(caption);
            QVERIFY2(label->x() + label->fontMetrics().horizontalAdvance(label->text()) <= control(box)->x(), caption);
        }

        QTest::keyClicks(control("Text7"), name);
        auto *combo = control<QComboBox>("Combo1");
        combo->setFocus();
        for (int i = 0; i <= timeEntry; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::mouseClick(control("Command2"), Qt::LeftButton);
        auto *label3 = control<QLabel>("Label3");
        QCOMPARE(label3->text(), QStringLiteral("Name: ") + name);
        // Drawn as wide as the literal text: markup would drop its tags and entities shrink to one sign.
        const int literal = QFontMetrics(label3->font()).boundingRect(label3->text()).width();
        const int drawn = pixelsOf(label3, label3->palette().color(QPalette::WindowText)).second;
        QVERIFY2(qAbs(drawn - literal) <= 3, qPrintable(QStringLiteral("%1 of %2").arg(drawn).arg(literal)));
        QVERIFY(allFit(m_form.get()));
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
        QTest::mouseClick(control("Command2"), Qt::LeftButton);
        auto *list = control<QListWidget>("List1");
        QListWidgetItem *item = list->item(question - 1);
        QCOMPARE(item->text(), m_form->quiz().Term[question]);
        // A term the list cuts short is whole in its tool tip and for a screen reader.
        QCOMPARE(item->toolTip(), item->text());
        QCOMPARE(item->data(Qt::AccessibleTextRole).toString(), item->text());
        list->scrollToItem(item);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QCOMPARE(m_form->quiz().CurrentQuestion, question);

        auto *heading = control<QLabel>("Label1");
        QVERIFY2(heading->text().startsWith(item->text()) && heading->geometry().right() < list->x(),
                 qPrintable(heading->text()));
        QTest::mouseClick(control("Command5"), Qt::LeftButton);
        QVERIFY(control("Text5")->isVisible());
        QVERIFY(allFit(m_form.get()));
        // Four wrong clicks take the reachable degree down to its floor, then the right one.
        for (int wrong = 0; wrong < 4; ++wrong) {
            clickTile(false);
            QVERIFY(allFit(m_form.get()));
        }
        clickTile(true);
        QCOMPARE(control<QTextEdit>("Text2")->toPlainText(), QuestionBank::rightAnswerMessage(question));
        QVERIFY(allFit(m_form.get()));
    }

    // The longest total line, "100 %" over three-digit counts, and every rating word.
    void totalsAndRatings()
    {
        QTest::mouseClick(control("Command2"), Qt::LeftButton);
        for (int n = 0; n < 120; ++n) {
            clickTile(true);
            QTest::mouseDClick(control<QListWidget>("List1")->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        }
        clickTile(true);
        QVERIFY(control<QLineEdit>("Text4")->text().contains(QStringLiteral(" 100 % in 121 ")));
        QVERIFY(allFit(m_form.get()));
        auto *rating = control<QLineEdit>("Text1");
        for (int average = 0; average <= 100; ++average) {
            ControlFactory::setFittedText(rating, ratingFor(average).word);
            QVERIFY2(overflow(rating).isEmpty(), qPrintable(rating->text()));
        }
    }

    // The help and the results table keep to the viewer's width, and the help ends above "Close";
    // the splash's texts keep to its panel, clear of its icon.
    void viewerAndSplashTexts()
    {
        Form2 viewer;
        viewer.mhelp();
        auto *help = viewer.findChild<KeptTextSurface *>(QStringLiteral("Form2Surface"));
        QVERIFY2(help->contentWidth() < viewer.width(), qPrintable(QString::number(help->contentWidth())));
        int linesWithText = 0;
        for (std::size_t i = 0; i < help->lines().size(); ++i)
            linesWithText = printInColumns(help->lines()[i]).trimmed().isEmpty() ? linesWithText : int(i) + 1;
        QVERIFY(linesWithText * help->fontMetrics().height() <=
                viewer.findChild<QWidget *>(QStringLiteral("Command1"))->y());

        std::vector<double> degrees(101, 100);
        std::vector<QString> terms(101);
        for (int q = 1; q <= QuestionBank::kQuestionTotal; ++q)
            terms[std::size_t(q)] = QuestionBank::term(q);
        viewer.mresult(resultRows(QuestionBank::kQuestionTotal, degrees, terms));
        auto *table = viewer.findChild<KeptTextSurface *>(QStringLiteral("Picture1"));
        QVERIFY2(table->contentWidth() <= viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"))->x(),
                 qPrintable(QString::number(table->contentWidth())));
        QVERIFY(allFit(&viewer));

        FrmSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.size(), QSize(560, 470));
        QVERIFY(allFit(&splash));
        const QRect panel = splash.findChild<QWidget *>(QStringLiteral("Frame1"))->rect();
        const QRect icon = splash.findChild<QWidget *>(QStringLiteral("Im1"))->geometry();
        for (QLabel *label : splash.findChildren<QLabel *>()) {
            if (!label->text().isEmpty())  // not a picture
                QVERIFY2(panel.contains(label->geometry()) && (label->wordWrap() || !label->geometry().intersects(icon)),
                         qPrintable(label->objectName()));
        }
    }

    // Every button shows its own colour as an even face; the open time list is red like the closed box.
    void coloursShow()
    {
        Form2 viewer;
        viewer.mhelp();
        FrmSplash splash;
        splash.show();
        const auto evenFaces = [](QWidget *window) {
            for (QPushButton *button : window->findChildren<QPushButton *>()) {
                const int same = pixelsOf(button, button->palette().color(QPalette::Button)).first;
                QVERIFY2(!button->isVisibleTo(window) || same * 10 >= button->width() * button->height() * 7,
                         qPrintable(button->text()));
            }
        };
        evenFaces(m_form.get());
        evenFaces(&viewer);
        evenFaces(&splash);
        auto *combo = control<QComboBox>("Combo1");
        combo->showPopup();
        const int red = pixelsOf(combo->view(), Qt::red).first, black = pixelsOf(combo->view(), Qt::black).first;
        combo->hidePopup();
        QVERIFY2(red > 0 && black == 0, qPrintable(QStringLiteral("%1 red, %2 black").arg(red).arg(black)));
        QTest::mouseClick(control("Command2"), Qt::LeftButton);
        evenFaces(m_form.get());
    }

    // The caption, the splash and the help name one and the same e-mail contact and web site.
    void oneContact()
    {
        const auto addresses = [](const QString &text) {
            static const QRegularExpression address(QStringLiteral(R"([\w.+-]+@[\w.-]+|https?://\S+)"));
            QSet<QString> found;
            for (const QRegularExpressionMatch &match : address.globalMatch(text))
                found << match.captured();
            return found;
        };
        const QSet<QString> caption = addresses(m_form->windowTitle());
        QCOMPARE(caption.size(), 2);
        FrmSplash splash;
        QString splashText;
        for (QLabel *label : splash.findChildren<QLabel *>())
            splashText += label->text() + u'\n';
        QCOMPARE(addresses(splashText), caption);
        Form2 viewer;
        viewer.mhelp();
        QString helpText;
        for (const PrintLine &line : viewer.findChild<KeptTextSurface *>(QStringLiteral("Form2Surface"))->lines())
            helpText += printInColumns(line) + u'\n';
        QCOMPARE(addresses(helpText), caption);
    }
};

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
