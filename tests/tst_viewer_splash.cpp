// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form2.h"
#include "FrmSplash.h"
#include "KeptTextSurface.h"
#include "ResultRows.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

// The help and result viewer, and the splash window that opens the program.
class TestViewerAndSplash : public QObject {
    Q_OBJECT

private:
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
        return resultRows(count, {0, 100}, {QString(), QStringLiteral("Couple")});
    }

private slots:
    void helpThenResults()
    {
        Form2 viewer;
        auto *table = viewer.findChild<KeptTextSurface *>(QStringLiteral("Picture1"));
        auto *scroll = viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"));
        // Help after results is written once, from the top; the table and its scroll bar give way to it.
        viewer.mresult(rowsAfter(1));
        viewer.mhelp();
        viewer.mhelp();
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Vexlor - Help"));
        const QStringList help = texts(viewer.findChild<KeptTextSurface *>(QStringLiteral("Form2Surface")));
        QCOMPARE(help.size(), 22);
        QCOMPARE(help.at(1), QString(37, u' ') + QStringLiteral("Vexlor version 1.0"));
        QVERIFY(!table->isVisible() && !scroll->isVisible());

        viewer.mresult(rowsAfter(2));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Vexlor - Result"));
        const QStringList lines = texts(table);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0), QString(105, u'-'));
        QCOMPARE(lines.at(1).size(), 92);
        QCOMPARE(lines.at(2), QString(106, u'-'));
        QCOMPARE(lines.at(3), "  001" + QString(23, u' ') + "100 %" + QString(9, u' ') + "Couple");
        QCOMPARE(lines.at(4), QStringLiteral("  002 has no answer."));

        // A screen reader reads the table as these lines, and finds each character
        // where it is drawn: ink under a letter, none under a blank.
        QAccessibleTextInterface *reader = QAccessible::queryAccessibleInterface(table)->textInterface();
        QVERIFY(reader);
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
        // Many rows make the surface taller instead of cutting rows off, and the last row can be scrolled to.
        viewer.mresult(rowsAfter(400));
        QVERIFY(table->height() >= table->contentHeight());
        QVERIFY((scroll->maximum() + 5775) / 15 >= table->contentHeight());
    }

    void okIsAnsweredAtOnce_data()
    {
        QTest::addColumn<bool>("underPicture");
        QTest::newRow("before any pass") << false;
        QTest::newRow("under a sliding picture") << true;
    }
    // The pictures wait outside the panel until the first tick, then slide across it, over "OK" too.
    // A click on "OK" is handled by the next event, not after the pass, even where a picture crosses it;
    // the splash then closes for good, so no tick can reach it.
    void okIsAnsweredAtOnce()
    {
        QFETCH(bool, underPicture);
        auto *splash = new FrmSplash();
        QPointer<FrmSplash> guard(splash);
        QSignalSpy done(splash, &FrmSplash::finished);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        const QRect panel = splash->findChild<QWidget *>(QStringLiteral("Frame1"))->rect();
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
        QVERIFY(!spot.isEmpty());
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {},
                          ok->parentWidget()->mapTo(splash, spot.center()));
        QCOMPARE(done.count(), 1);
        QVERIFY(splash->isHidden());
        QTRY_VERIFY(guard.isNull());
        QTest::qWait(1200);
        QCOMPARE(done.count(), 1);
    }
};

QTEST_MAIN(TestViewerAndSplash)
#include "tst_viewer_splash.moc"
