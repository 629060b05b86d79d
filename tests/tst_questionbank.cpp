#include "QuestionBank.h"
#include "Quiz.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QSet>
#include <QString>
#include <QTest>

class TestQuestionBank : public QObject {
    Q_OBJECT

private slots:
    void termsAndOddPositions()
    {
        QSet<QString> terms;
        for (int q = 1; q <= QuestionBank::kQuestionTotal; ++q) {
            terms.insert(QuestionBank::term(q));
            const int odd = QuestionBank::oddPicture(q);
            QVERIFY2(odd >= 1 && odd <= 4, qPrintable(QString::number(q)));
        }
        QCOMPARE(terms.size(), 100);  // a term identifies its question
        QCOMPARE(QuestionBank::term(1), QStringLiteral("Simple Beam"));
        QCOMPARE(QuestionBank::term(100), QStringLiteral("Vector Components"));
        QCOMPARE(QuestionBank::oddPicture(1), 3);
        QCOMPARE(QuestionBank::oddPicture(2), 1);
        QCOMPARE(QuestionBank::oddPicture(37), 3);
        QCOMPARE(QuestionBank::oddPicture(100), 2);
        // Position k of question q is Picture number 4(q-1)+k.
        QCOMPARE(4 * (100 - 1) + QuestionBank::oddPicture(100), 398);
    }

    void hints()
    {
        int withHint = 0;
        for (int q = 1; q <= 100; ++q)
            withHint += QuestionBank::hint(q).isEmpty() ? 0 : 1;
        QCOMPARE(withHint, 67);
        QCOMPARE(QuestionBank::hint(26), QString());
        QCOMPARE(QuestionBank::hint(35), QuestionBank::hint(43));
        QCOMPARE(QuestionBank::hint(36), QuestionBank::hint(44));
        QCOMPARE(QuestionBank::hint(3), QStringLiteral("Integer Number (3 or 61 or -123) has no decimal numbers in the ")
                                            + QStringLiteral("right side of the decimal point.  ")
                                            + QStringLiteral("Number  3.2 or 2345.123 is not Integer Number "));
        QCOMPARE(QuestionBank::hint(37), QStringLiteral("Atmosphere Pressure at sea level = 1.013x100000 N/m2  = "
                                                        "0.76 m mercury  = 760 mm mercury      ")
                                             + QStringLiteral("   1 torr = 1 mm mercury ")
                                             + QStringLiteral("  1 bar = 100000 N/m2."));
    }

    void rightAnswerMessages_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("message");
        QTest::newRow("1: term with s") << 1 << QStringLiteral("Right. All are Simple Beams except this one. ");
        QTest::newRow("63: s on any term") << 63 << QStringLiteral("Right. All are Distributive propertys except this one. ");
        QTest::newRow("32: equal") << 32 << QStringLiteral("Right. All are equal One except this one. ");
        QTest::newRow("75: equal") << 75 << QStringLiteral("Right. All are equal Two except this one. ");
        QTest::newRow("37: term as is")
            << 37 << QStringLiteral("Right. All are Atmosphere Pressure at sea level except this one. ");
        QTest::newRow("35: multiples") << 35 << QStringLiteral("Right. All are Multiples (>1) of units except this one. ");
        QTest::newRow("36: submultiples")
            << 36 << QStringLiteral("Right. All are Submultiples (<1) of units except this one. ");
        QTest::newRow("38: resultant")
            << 38 << QStringLiteral("Right. All the Resultant forces ''R'' are correct except this one. ");
        QTest::newRow("40: indefinite") << 40 << QStringLiteral("Right. All are Indefinite Quantities except this one. ");
        QTest::newRow("74: wrench") << 74 << QStringLiteral("Right. All the axes of wrench is Y-axis except this one. ");
        QTest::newRow("42: correct, not from the term") << 42 << QStringLiteral("Right. All are correct except this one. ");
    }

    void rightAnswerMessages()
    {
        QFETCH(int, question);
        QFETCH(QString, message);
        QCOMPARE(QuestionBank::rightAnswerMessage(question), message);
    }

    void loadFillsCaptionAndWordList()
    {
        ScriptedClock clock(0);
        ScriptedRandom random;
        RecordingCues cues;
        Quiz quiz(clock, random, cues);
        quiz.Form_Load();
        const QString caption = quiz.controls.caption;
        QVERIFY2(caption.endsWith(QStringLiteral(" (100 questions)")), qPrintable(caption));
        QVERIFY(caption.size() > 16);  // an attribution comes first
        QCOMPARE(quiz.controls.List1.items.size(), 100);
        for (int q = 1; q <= 100; ++q)
            QCOMPARE(quiz.controls.List1.items[q - 1], QuestionBank::term(q));
    }
};

QTEST_GUILESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
