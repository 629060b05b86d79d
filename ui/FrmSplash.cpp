// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmSplash.h"

#include "AccessibleRoles.h"
#include "Contact.h"
#include "ControlFactory.h"
#include "Pictures.h"
#include "ProgramIdentity.h"
#include "RulesText.h"
#include "ScreenFit.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace ControlFactory;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(Qt::red);
constexpr int kPositionsPerPicture = 19;    // -2000 to 7000 twips in steps of 500
constexpr int kStepMilliseconds = 24;       // a whole pass of 38 steps fits in its one-second tick
constexpr int kAirBeforeIcon = 90;          // twips

QLabel *wrappedLabel(QWidget *parent, const QRect &twips, const QString &text, const QColor &colour, const QFont &font)
{
    QLabel *l = label(parent, twips, text, colour, font);
    l->setWordWrap(true);
    return l;
}

// A sample card: the GIF's pixels at ratio 1 (kept as PNG, which needs no image plugin at start-up),
// drawn from its source on denser screens.
QPixmap sample(const CardSource &source, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1)
        return Pictures::drawn(source, devicePixelRatio);
    return Pictures::named(source.name + QStringLiteral(".png"));
}

// Headings, each on one line from its top left corner and sized to its text,
// no wider than the room (in twips) it has before its right-hand neighbour;
// those given together share one size.
void fitHeadings(const std::vector<std::pair<QLabel *, int>> &headings)
{
    std::vector<std::pair<QLabel *, QSize>> boxes;
    for (const auto &[heading, room] : headings)
        boxes.emplace_back(heading, QSize(twipsToPixels(room), QWIDGETSIZE_MAX));
    fitTogether(boxes);
    for (const auto &[heading, room] : headings)
        heading->adjustSize();
}

}  // namespace

FrmSplash::FrmSplash(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    // No caption on screen, but a screen reader announces it as a named dialog.
    AccessibleRoles::setRole(this, QAccessible::Dialog);
    setAccessibleName(QStringLiteral("Vexlor"));
    setFixedSize(twipsToPixels(8400), twipsToPixels(7050));
    setGround(this, kBlue);

    m_frame1 = new QWidget(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(twipsRect(105, 105, 8190, 6840));
    setGround(m_frame1, QColor(192, 192, 255));

    QFont underlined = arial(24, true);
    underlined.setUnderline(true);
    QLabel *company = label(m_frame1, {105, 0, 15, 15}, QStringLiteral("Quelro Programs:"), kBlue, underlined);
    company->setObjectName(QStringLiteral("lblCompanyProduct(0)"));
    QLabel *product = label(m_frame1, {5640, 75, 15, 15}, QStringLiteral("Vexlor"), kRed, arial(24, true));
    product->setObjectName(QStringLiteral("Label1"));
    QLabel *version = label(m_frame1, {5640, 600, 15, 15}, QStringLiteral("Version ") + QLatin1String(ProgramIdentity::kVersion), kBlue, arial(15.75, true));
    version->setObjectName(QStringLiteral("Label2"));
    QLabel *thanks =
        label(m_frame1, {720, 960, 15, 15}, QStringLiteral("Thank you for using Vexlor"), kBlue, arial(24, true));
    thanks->setObjectName(QStringLiteral("lblCompanyProduct(1)"));
    // The name and version keep some air before the icon, which begins 10 twips after their boxes.
    fitHeadings({{company, 5400}, {product, 1680 - kAirBeforeIcon}, {thanks, 7400}});
    fitHeadings({{version, 1680 - kAirBeforeIcon}});
    m_im1 = new QLabel(m_frame1);
    m_im1->setObjectName(QStringLiteral("Im1"));
    m_im1->setGeometry(twipsRect(7330, 75, 795, 840));
    m_im1->setScaledContents(true);
    m_im1->setPixmap(Pictures::named(devicePixelRatioF() > 1 ? QStringLiteral("icon-256.png") : QStringLiteral("icon.png")));

    const QColor text = palette().color(QPalette::WindowText);
    const QFont rules = arial(12, true);
    const QStringList paragraphs = RulesText::splashParagraphs();
    QLabel *rules1 = wrappedLabel(m_frame1, {120, 1560, 7995, 1440}, paragraphs.at(0), text, rules);
    rules1->setObjectName(QStringLiteral("Label3"));
    QLabel *rules2 = wrappedLabel(m_frame1, {120, 3000, 7995, 1200}, paragraphs.at(1), text, rules);
    rules2->setObjectName(QStringLiteral("Label5"));
    QLabel *rules3 = wrappedLabel(m_frame1, {120, 4320, 7995, 1200}, paragraphs.at(2), text, rules);
    rules3->setObjectName(QStringLiteral("Label4"));
    // "Thank you." and then the maker's contact on the line below.
    QLabel *thankYou =
        wrappedLabel(m_frame1, {120, 5640, 7995, 720}, QStringLiteral("Thank you.\n") + Contact::line(), text, rules);
    thankYou->setObjectName(QStringLiteral("Label6"));
    // The paragraphs share their font, so they share one size too.
    fitTogether({{rules1, rules1->size()}, {rules2, rules2->size()}, {rules3, rules3->size()}, {thankYou, thankYou->size()}});
    QLabel *warning = label(m_frame1, {80, 6480, 7935, 195},
                            QStringLiteral("Please report any error you find to ") + QLatin1String(Contact::kEmail),
                            QColor(192, 0, 0), arial(8.25, true));
    warning->setObjectName(QStringLiteral("lblWarning"));
    fitToBox(warning, warning->size());

    QFont okFont = dialogFont();
    okFont.setPointSizeF(12);
    okFont.setBold(true);
    QPushButton *ok = button(m_frame1, {7320, 6285, 780, 450}, QStringLiteral("OK"), QColor(128, 128, 255), okFont);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FrmSplash::Command1_Click);

    m_im2 = new QLabel(m_frame1);
    m_im2->setObjectName(QStringLiteral("Im2"));
    m_im2->resize(147, 132);
    m_im3 = new QLabel(m_frame1);
    m_im3->setObjectName(QStringLiteral("Im3"));
    m_im3->resize(147, 132);
    ok->raise();  // the sliding pictures pass under "OK", so a click on it always lands

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &FrmSplash::bringInPictures, Qt::SingleShotConnection);
    connect(m_timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    m_slide = new QTimer(this);
    m_slide->setInterval(kStepMilliseconds);
    connect(m_slide, &QTimer::timeout, this, &FrmSplash::slideStep);

    Form_Load();
    ScreenFit::fit(this, ScreenFit::Placement::Centred);
}

void FrmSplash::Form_Load()
{
    m_im2->move(twipsToPixels(-2300), twipsToPixels(-2000));
    m_im3->move(twipsToPixels(11000), twipsToPixels(-2000));
    m_timer1->start(1000);
}

// The cards rest outside the panel until the first pass, so they are decoded only at its tick. With
// them the icon and the cards get what they show, in their sources' words, for a screen reader.
void FrmSplash::bringInPictures()
{
    for (const CardSource &source : Pictures::sources(QStringLiteral("pictures.cards"))) {
        QLabel *picture = source.name == u"icon"              ? m_im1
                          : source.name == u"splash-triangle" ? m_im2
                          : source.name == u"splash-sinh"     ? m_im3
                                                              : nullptr;
        if (!picture)
            continue;
        picture->setAccessibleName(source.description);
        if (picture != m_im1)
            picture->setPixmap(sample(source, devicePixelRatioF()));
    }
}

bool FrmSplash::passRunning() const
{
    return m_slide->isActive();
}

// One pass slides Im2 down to the right, then Im3 down to the left, as timed
// steps on the event loop, so "OK" is answered at once even mid-pass.
void FrmSplash::Timer1_Timer()
{
    if (passRunning())
        return;
    m_step = 0;
    m_slide->start();
}

void FrmSplash::slideStep()
{
    const int index = m_step % kPositionsPerPicture;
    const int p = -2000 + 500 * index;
    if (m_step < kPositionsPerPicture)
        m_im2->move(twipsToPixels(p), twipsToPixels(p));
    else
        m_im3->move(twipsToPixels(5500 - p), twipsToPixels(p));
    if (++m_step == 2 * kPositionsPerPicture)
        m_slide->stop();
}

void FrmSplash::Command1_Click()
{
    m_leaving = true;
    hide();
    m_timer1->stop();
    m_slide->stop();
    close();
    deleteLater();
    emit finished();
}

// Closed by the desktop (Alt+F4, a task list) rather than by "OK": the way to the game is
// "OK" alone, so the program ends instead of running on with no window.
void FrmSplash::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_leaving)
        emit abandoned();
}
