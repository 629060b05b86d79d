// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "FrmSplash.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>

// Run with a font setup that lacks Arial and its metric twin: the windows keep
// their sizes, take the desktop's sans-serif, and every fixed text still fits.
class TestFontsFallback : public QObject {
    Q_OBJECT

private slots:
    void windowsOpenAndFit();
};

void TestFontsFallback::windowsOpenAndFit()
{
    ScriptedClock clock(0);
    FixedSeedRandom random;
    RecordingCues cues;
    Form1 form(clock, random, cues);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->size(), QSize(759, 492));

    auto *label8 = form.findChild<QLabel *>(QStringLiteral("Label8"));
    const QFontInfo face(label8->font());
    QVERIFY2(!face.family().contains(QStringLiteral("Liberation")), qPrintable(face.family()));
    QVERIFY2(face.family().contains(QStringLiteral("Sans")), qPrintable(face.family()));
    // The caption ends before the time box begins, the name caption before the name box.
    QVERIFY(label8->x() + label8->fontMetrics().horizontalAdvance(label8->text()) <= 451);
    auto *label7 = form.findChild<QLabel *>(QStringLiteral("Label7"));
    QVERIFY(label7->x() + label7->fontMetrics().horizontalAdvance(label7->text()) <= 123);

    FrmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.size(), QSize(560, 470));
    const QRect panel = splash.findChild<QWidget *>(QStringLiteral("Frame1"))->rect();
    const QRect icon = splash.findChild<QWidget *>(QStringLiteral("Im1"))->geometry();
    for (QLabel *label : splash.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;  // the pictures
        const QString name = label->objectName();
        QVERIFY2(panel.contains(label->geometry()), qPrintable(name));
        if (label->wordWrap()) {
            const QRect needed = label->fontMetrics().boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap,
                                                                   label->text());
            QVERIFY2(needed.height() <= label->height(), qPrintable(name));
        } else if (label->y() < icon.bottom()) {
            QVERIFY2(!label->geometry().intersects(icon), qPrintable(name));
        }
    }
}

QTEST_MAIN(TestFontsFallback)
#include "tst_fonts_fallback.moc"
