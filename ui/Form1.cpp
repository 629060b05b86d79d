// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"

#include "AccessibleRoles.h"
#include "Announcer.h"
#include "AnswerTile.h"
#include "ControlFactory.h"
#include "DraftingSheet.h"
#include "Form2.h"
#include "HistoryWriter.h"
#include "ProgressWindow.h"
#include "KeyboardPlay.h"
#include "LetterSpacedAccessible.h"
#include "MenuBarKeys.h"
#include "NameLine.h"
#include "ReportFile.h"
#include "ReportHandOver.h"
#include "ResultRows.h"
#include "ScreenFit.h"
#include "Twips.h"
#include "ViewerHandOver.h"
#include "WordList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QAbstractItemView>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include <initializer_list>
#include <utility>

using namespace ControlFactory;

namespace {

constexpr int kClientWidth = 11385;
constexpr int kClientHeight = 7380;
const QColor kLilac(192, 192, 255);
const QColor kPaleYellow(255, 255, 128);
const QColor kRed(Qt::red);
const QColor kBlue(Qt::blue);
const QColor kDisabledText(96, 96, 96);

void applyText(QLineEdit *box, const TextBox &data, std::uint32_t &appliedWrites)
{
    if (appliedWrites != data.writes) {
        setFittedText(box, data.text);
        box->setCursorPosition(0);
        appliedWrites = data.writes;
    }
    box->setVisible(data.visible);
}

void applyText(QTextEdit *area, const TextBox &data, std::uint32_t &appliedWrites)
{
    if (appliedWrites != data.writes) {
        setFittedText(area, data.text);
        appliedWrites = data.writes;
    }
    area->setVisible(data.visible);
}

}  // namespace

Form1::Form1(const TimeOfDay &clock, UniformRandom &random, CuePlayer &cues, QWidget *parent)
    : QMainWindow(parent), m_quiz(clock, random, cues)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *client = new DraftingSheet(kLilac, this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setCentralWidget(client);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));

    buildGame(client);
    buildStartPanel(client);
    buildMenu();
    setTabOrder();
    applyStartPanel(true);
    connectEvents();

    handle([this] { m_quiz.Form_Load(); });
    m_list1->addTerms(m_quiz.state().controls.List1.items);

    setFixedSize(sizeHint());
    ScreenFit::fit(this, ScreenFit::Placement::Centred);
}

void Form1::buildGame(QWidget *client)
{
    m_label1 = label(client, {105, 0, 3690, 495}, QString(), kRed, arial(18, true));
    setGround(m_label1, kLilac);

    // The tiles sit in a heading group named by the question, so a screen reader
    // following the keyboard into them says the heading before the first card.
    m_question = new QWidget(client);
    m_question->setObjectName(QStringLiteral("Question"));
    m_question->setGeometry(twipsRect(0, 0, 7035 + kTileWidth, 525 + kTileHeight));
    AccessibleRoles::setRole(m_question, QAccessible::Heading);
    for (int t = 1; t <= 4; ++t) {
        auto *tile = new AnswerTile(m_question);
        tile->setObjectName(QStringLiteral("Picture1(%1)").arg(t));
        tile->setAccessibleName(QStringLiteral("Answer %1").arg(t));
        m_tiles[t] = tile;
    }

    // The time bar and the announcements sit in a status strip: a screen reader
    // reads the bar when asked rather than calling out its percent while the
    // player listens, and speaks an announcement without a role word.
    auto *status = new QWidget(client);
    status->setObjectName(QStringLiteral("StatusStrip"));
    status->setGeometry(twipsRect(105, 2415, 9150, 225));
    AccessibleRoles::setRole(status, QAccessible::StatusBar);
    m_progressBar1 = new QProgressBar(status);
    m_progressBar1->setGeometry(status->rect());
    m_progressBar1->setTextVisible(false);

    m_text3 = lineBox(client, {2415, 2625, 4530, 435}, kRed, kLilac, arial(12), Qt::AlignHCenter);
    m_command1 = button(client, {7035, 2625, 2220, 435}, QStringLiteral("Next Question"), kLilac, arial(9.75));
    m_text2 = textArea(client, {100, 3255, 9150, 855}, kRed, kLilac, arial(18), Qt::AlignHCenter);

    m_list1 = new WordList(client);
    m_list1->setGeometry(twipsRect(9345, 525, 1905, 3660));
    m_list1->setFont(dialogFont());
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette listPalette = m_list1->palette();
    listPalette.setColor(QPalette::Base, kLilac);
    // Until Start the list is disabled: grey, yet dark enough on lilac to read (3.6 : 1).
    listPalette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
    m_list1->setPalette(listPalette);

    m_command5 = button(client, {9360, 4200, 1905, 435}, QStringLiteral("Hints"), kLilac, arial(12));
    m_text5 = textArea(client, {9345, 4635, 1905, 2310}, kRed, kPaleYellow, dialogFont(), Qt::AlignLeft);
    m_label3 = label(client, {2415, 5100, 4800, 360}, QString(), kBlue, arial(14.25, true));
    m_label2 = label(client, {2415, 5595, 4800, 495}, QString(), Qt::black, arial(12, true));
    m_text4 = lineBox(client, {2415, 5985, 4635, 420}, kRed, kLilac, arial(13.5), Qt::AlignHCenter);
    m_command3 = button(client, {105, 6405, 1275, 570}, QStringLiteral("Restart"), kLilac, arial(9.75, true));
    m_text1 = lineBox(client, {1470, 6405, 6525, 570}, kBlue, kPaleYellow, arial(24), Qt::AlignHCenter);
    m_command4 = button(client, {8085, 6405, 1170, 570}, QStringLiteral("Exit"), QColor(255, 128, 255),
                        arial(9.75, true));

    // Control names for the code, and what a screen reader calls them; the
    // labels are read by their text.
    const std::tuple<QWidget *, const char *, const char *> names[] = {
        {m_label1, "Label1", nullptr},
        {m_progressBar1, "ProgressBar1", "Time used"},
        {m_text1, "Text1", "Rating"},
        {m_text2, "Text2", "Message"},
        {m_text3, "Text3", "Degree in this question"},
        {m_text4, "Text4", "Total degree"},
        {m_text5, "Text5", "Hint"},
        {m_label2, "Label2", nullptr},
        {m_label3, "Label3", nullptr},
        {m_list1, "List1", "Word list"},
        {m_command1, "Command1", "Next Question"},
        {m_command3, "Command3", "Restart"},
        {m_command4, "Command4", "Exit"},
        {m_command5, "Command5", "Hints"},
    };
    for (const auto &[widget, name, spoken] : names) {
        widget->setObjectName(QLatin1String(name));
        if (spoken)
            widget->setAccessibleName(QLatin1String(spoken));
    }
    AccessibleRoles::setRole(m_label1, QAccessible::Heading);
    AccessibleRoles::readLetterSpaced(m_text1);  // the rating is spoken as words, not spelt
    m_announcer = new Announcer(status);
}

void Form1::buildStartPanel(QWidget *client)
{
    m_frame2 = new QWidget(client);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(twipsRect(0, 0, 9255, 3255));
    setGround(m_frame2, kLilac);

    QLabel *label7 = label(m_frame2, {960, 240, 1095, 495}, QStringLiteral("Name"), kRed, arial(14.25, true));
    label7->setObjectName(QStringLiteral("Label7"));
    m_text7 = lineBox(m_frame2, {1845, 240, 5720, 450}, Qt::black, Qt::white, arial(14.25), Qt::AlignLeft);
    m_text7->setObjectName(QStringLiteral("Text7"));
    m_text7->setAccessibleName(QStringLiteral("Name"));
    m_text7->setPalette(QPalette());
    m_text7->setFont(arial(14.25));
    QLabel *label8 = label(m_frame2, {960, 1080, 6255, 375}, QStringLiteral("Maximum time for question (in seconds)"),
                           kRed, arial(14.25, true));
    label8->setObjectName(QStringLiteral("Label8"));
    // The panel's two captions in one size, each within the room before its box.
    fitTogether({{label7, QSize(twipsToPixels(1845 - 960), label7->height())},
                 {label8, QSize(twipsToPixels(6765 - 960), label8->height())}});

    // A list to pick from, never a box to type in: what it shows is what counts.
    m_combo1 = new QComboBox(m_frame2);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setAccessibleName(QStringLiteral("Maximum time for question (in seconds)"));
    m_combo1->setEditable(false);
    m_combo1->setGeometry(twipsRect(6765, 1080, 825, 405));
    m_combo1->setFont(arial(12, true));
    m_combo1->addItems(m_quiz.state().controls.Combo1.items);
    for (int i = 0; i < m_combo1->count(); ++i)
        m_combo1->setItemData(i, kRed, Qt::ForegroundRole);  // red in the open list too, as in the closed box
    m_combo1->setPlaceholderText(QStringLiteral("30"));
    m_combo1->setCurrentIndex(-1);
    QPalette comboPalette = m_combo1->palette();
    comboPalette.setColor(QPalette::ButtonText, kRed);
    comboPalette.setColor(QPalette::Text, kRed);
    comboPalette.setColor(QPalette::PlaceholderText, kRed);
    m_combo1->setPalette(comboPalette);
    label8->setBuddy(m_combo1);  // a screen reader names the box by it, whatever value the box says
    describeTimeChoice();

    m_command2 = button(m_frame2, {1845, 1680, 5775, 1335}, QStringLiteral("Start"), QColor(192, 255, 192),
                        arial(20.25, true));
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_frame2->raise();
}

void Form1::buildMenu()
{
    QMenuBar *bar = menuBar();
    // Each command acts when chosen; the keys reach them without the mouse.
    QAction *results = bar->addAction(QStringLiteral("Show me Results"));
    results->setObjectName(QStringLiteral("mresult"));
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(results, &QAction::triggered, this, &Form1::mresult_Click);
    QAction *help = bar->addAction(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mhelp"));
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, &Form1::mhelp_Click);
    QAction *exit = bar->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("mExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Ends the program at once: no report, no question.
    connect(exit, &QAction::triggered, QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    QAction *progress = bar->addAction(QStringLiteral("Progress"));
    progress->setObjectName(QStringLiteral("mprogress"));
    progress->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(progress, &QAction::triggered, this, &Form1::mprogress_Click);
    addActions({results, help, exit, progress});  // their keys work while the menu bar is closed

    new MenuBarKeys(bar);  // F10 as well as Alt
    AccessibleRoles::readShortcuts(bar);
}

// The value the time box shows, for a screen reader that reaches the box.
void Form1::describeTimeChoice()
{
    const QString shown = m_combo1->currentIndex() < 0 ? m_combo1->placeholderText() : m_combo1->currentText();
    m_combo1->setAccessibleDescription(shown + QStringLiteral(" seconds"));
}

void Form1::setTabOrder()
{
    // The start panel first, then the tiles in their order, then the rest of the game.
    QWidget *order[] = {m_text7,    m_combo1,   m_command2, m_tiles[1], m_tiles[2], m_tiles[3],
                        m_tiles[4], m_text3,    m_command1, m_text2,    m_list1,    m_command5,
                        m_text5,    m_text4,    m_command3, m_text1,    m_command4};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // Tab moves on from the boxes of several lines instead of typing a tab into them.
    m_text2->setTabChangesFocus(true);
    m_text5->setTabChangesFocus(true);
}

void Form1::connectEvents()
{
    for (int t = 1; t <= 4; ++t) {
        connect(m_tiles[t], &AnswerTile::clicked, this, [this, t] { deliver(Quiz::Event::TileClick, t); });
        connect(m_tiles[t], &AnswerTile::hovered, this, [this, t] { deliver(Quiz::Event::TileMove, t); });
    }
    connect(m_command1, &QPushButton::clicked, this, [this] {
        m_tilesTakeFocus = true;  // a keyboard player goes on with the new question's first tile
        deliver(Quiz::Event::NextQuestion);
    });
    connect(m_command2, &QPushButton::clicked, this, [this] { deliver(Quiz::Event::Start); });
    connect(m_command3, &QPushButton::clicked, this, [this] { deliver(Quiz::Event::Restart); });
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, [this] {
        deliver(Quiz::Event::Hints);
        // The box stays empty for a question without a hint; the player hears why.
        if (m_text5->isVisibleTo(this) && m_text5->toPlainText().trimmed().isEmpty())
            m_announcer->announce(QStringLiteral("There is no hint for this question."));
    });
    // A change by key is spoken with the box's name and its new value; the open list speaks its own entries.
    connect(m_combo1, &QComboBox::currentIndexChanged, this, [this] {
        describeTimeChoice();
        if (m_combo1->hasFocus() && !m_combo1->view()->isVisible())
            m_announcer->announce(m_combo1->accessibleName() + u' ' + m_combo1->currentText());
    });
    connect(m_combo1, &QComboBox::activated, this, [this](int index) { deliver(Quiz::Event::TimePicked, index); });
    connect(m_text7, &QLineEdit::textChanged, this, [this](const QString &name) {
        // A one-line box: line breaks pasted into it become blanks.
        const QString oneLine = NameLine::breaksAsBlanks(name);
        if (oneLine != name) {
            m_text7->setText(oneLine);
            return;
        }
        m_quiz.typeName(name);
    });
    connect(m_list1, &WordList::termChosen, this, [this](int row) { deliver(Quiz::Event::WordChosen, row); });
    connect(m_timer1, &QTimer::timeout, this, [this] { deliver(Quiz::Event::MessageTick); });
    connect(m_timer2, &QTimer::timeout, this, [this] { deliver(Quiz::Event::CountdownTick); });
}

void Form1::applyTimer(const Timer &timer, QTimer *qtTimer, std::uint32_t &appliedStarts)
{
    if (appliedStarts == timer.starts)
        return;
    appliedStarts = timer.starts;
    // Interval 0 means no ticks here; a QTimer with interval 0 would fire without pause.
    if (timer.interval > 0)
        qtTimer->start(timer.interval);
    else
        qtTimer->stop();
}

void Form1::applyControls()
{
    const Form1Controls &c = m_quiz.state().controls;
    setWindowTitle(c.caption);
    const bool headingChanged = wholeText(m_label1) != c.Label1.caption || (!c.Frame2Visible && !m_frame2->isHidden());
    const bool focusWasInQuestion = m_question->isAncestorOf(QApplication::focusWidget());
    const std::array<std::uint32_t, 6> writesBefore = m_textWrites;
    if (m_frame2->isHidden() == c.Frame2Visible)
        applyStartPanel(c.Frame2Visible);

    if (wholeText(m_label1) != c.Label1.caption) {
        // Sized to its text; the longest terms shrink a little so the heading
        // ends before the word list instead of running under it.
        setFittedText(m_label1, c.Label1.caption, QSize(twipsToPixels(9345 - 105) - 4, m_label1->height()));
        m_label1->adjustSize();
    }
    m_label1->setVisible(c.Label1.visible);
    // A screen reader gets the heading and the cards when the eye does: once the panel is gone.
    const QString heading = c.Frame2Visible ? QString() : c.Label1.caption;
    if (m_label1->accessibleName() != heading) {
        m_label1->setAccessibleName(heading);
        m_question->setAccessibleName(heading);
    }
    if (wholeText(m_label2) != c.Label2.caption)
        setFittedText(m_label2, c.Label2.caption, m_label2->size());
    m_label2->setVisible(c.Label2.visible);
    if (wholeText(m_label3) != c.Label3.caption)
        setFittedText(m_label3, c.Label3.caption, m_label3->size());
    m_label3->setVisible(c.Label3.visible);

    applyText(m_text1, c.Text1, m_textWrites[1]);
    applyText(m_text2, c.Text2, m_textWrites[2]);
    applyText(m_text3, c.Text3, m_textWrites[3]);
    applyText(m_text4, c.Text4, m_textWrites[4]);
    applyText(m_text5, c.Text5, m_textWrites[5]);

    m_command1->setVisible(c.Command1Visible);
    m_command3->setVisible(c.Command3Visible);
    m_command4->setVisible(c.Command4Visible);
    m_list1->setEnabled(c.List1.enabled);

    m_progressBar1->setRange(c.ProgressBar1.min, c.ProgressBar1.max);
    m_progressBar1->setValue(c.ProgressBar1.value);
    m_progressBar1->setVisible(c.ProgressBar1.visible);

    for (int t = 1; t <= 4; ++t) {
        const Tile &tile = c.Picture1[t];
        AnswerTile *widget = m_tiles[t];
        // A keyboard player whose tile locks goes on with "Next Question".
        if (!tile.enabled && widget->hasFocus() && c.Command1Visible)
            m_command1->setFocus();
        if (m_shownPicture[t] != tile.picture) {
            widget->setPicture(m_pictures.picture(tile.picture, devicePixelRatioF()));
            m_shownPicture[t] = tile.picture;
        }
        const QString description = c.Frame2Visible ? QString() : m_pictures.description(tile.picture);
        if (widget->accessibleDescription() != description)
            widget->setAccessibleDescription(description);
        widget->setGeometry(twipsRect(tile.left, tile.top, kTileWidth, kTileHeight));
        widget->setBorder(tile.border);
        widget->setEnabled(tile.enabled);
    }

    if (std::exchange(m_tilesTakeFocus, false) && m_tiles[1]->isEnabled())
        m_tiles[1]->setFocus(KeyboardPlay::handOverReason());

    applyTimer(c.Timer1, m_timer1, m_timer1Starts);
    applyTimer(c.Timer2, m_timer2, m_timer2Starts);
    // Keys that take the player into the question hear its heading with the first card.
    const bool headingHeardWithFocus = !focusWasInQuestion && m_question->isAncestorOf(QApplication::focusWidget());
    announceChanges(headingChanged && !headingHeardWithFocus, writesBefore);
}

// Until Start the panel covers the tiles, "Next Question" and the question box:
// the keyboard cannot reach them and begins in the name box. Start hands the
// focus to the first tile.
void Form1::applyStartPanel(bool shown)
{
    m_frame2->setVisible(shown);
    const Qt::FocusPolicy policy = shown ? Qt::NoFocus : Qt::StrongFocus;
    const std::initializer_list<QWidget *> covered = {m_tiles[1], m_tiles[2], m_tiles[3],
                                                       m_tiles[4], m_text3,    m_command1};
    for (QWidget *widget : covered)
        widget->setFocusPolicy(policy);
    if (shown)
        m_text7->setFocus();
    else
        m_tiles[1]->setFocus(KeyboardPlay::handOverReason());
}

// A screen reader hears the new heading, then the judging message, the degree
// lines, the rating and the hint, as far as this event wrote and shows them.
void Form1::announceChanges(bool headingChanged, const std::array<std::uint32_t, 6> &writesBefore)
{
    const Form1Controls &c = m_quiz.state().controls;
    QStringList news;
    if (headingChanged && !c.Frame2Visible && !c.Label1.caption.trimmed().isEmpty())
        news.append(c.Label1.caption);
    const std::pair<int, const TextBox *> boxes[] = {{2, &c.Text2}, {3, &c.Text3}, {4, &c.Text4},
                                                     {1, &c.Text1}, {5, &c.Text5}};
    for (const auto &[number, box] : boxes) {
        if (writesBefore[number] != m_textWrites[number] && box->visible && !box->text.trimmed().isEmpty())
            news.append(LetterSpacedAccessible::readable(box->text.trimmed()));
    }
    m_announcer->announce(news.join(u' '));
}

void Form1::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

Form2 *Form1::viewer()
{
    if (!m_form2) {
        m_form2 = new Form2(this);  // a window of its own, kept over the game by the window manager
        m_form2->setAttribute(Qt::WA_DeleteOnClose);
    }
    return m_form2;
}

void Form1::mresult_Click()
{
    viewer()->mresult(resultRows(m_quiz.results()));
}

void Form1::setHistory(HistoryWriter *history)
{
    m_history = history;
    m_quiz.setAnswerLog(history);
}

void Form1::showHistoryNotice(const QString &text)
{
    if (!m_historyNotice.isEmpty())
        return;
    m_historyNotice = text;
    if (m_progress)
        m_progress->setNotice(text);
    auto *note = new QMessageBox(QMessageBox::Information, QStringLiteral("Vexlor"), text, QMessageBox::Ok, this);
    note->setTextFormat(Qt::PlainText);
    note->setWindowModality(Qt::NonModal);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setAttribute(Qt::WA_ShowWithoutActivating);  // the keys stay with the game
    note->show();
}

void Form1::chooseQuestion(int question)
{
    const QuizState &quiz = m_quiz.state();
    if (question < 1 || question >= static_cast<int>(quiz.Term.size()))
        return;
    const int row = static_cast<int>(quiz.controls.List1.items.indexOf(quiz.Term[question]));
    // The word list's own gate: before "Start" its choice does nothing, and neither does this one.
    if (row < 0 || !m_quiz.canReach(Quiz::Event::WordChosen))
        return;
    m_list1->setCurrentRow(row);
    deliver(Quiz::Event::WordChosen, row);
}

void Form1::mprogress_Click()
{
    if (!m_progress) {
        QStringList terms;
        for (const QString &term : m_quiz.state().Term)
            terms.append(term);
        m_progress = new ProgressWindow(m_history, terms, this);
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        m_progress->setNotice(m_historyNotice);
        connect(m_progress, &ProgressWindow::questionChosen, this, &Form1::chooseQuestion);
    }
    m_progress->showPlayer(m_quiz.state().controls.Text7);
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

void Form1::mhelp_Click()
{
    viewer()->mhelp();
}

// Writes the report, hands it to the viewer and ends the program at once.
void Form1::Command4_Click()
{
    ReportInput input;
    input.date = QDate::currentDate();
    input.locale = QLocale::system();
    input.results = m_quiz.results();
    const HandOverOutcome outcome = writeReportAndOpen(input, QString(), &ViewerHandOver::open);
    if (!outcome.written) {
        // The system's error text may carry a folder name: shown as it is, never as markup.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vexlor"),
                        QStringLiteral("The report %1 could not be written: %2.")
                            .arg(QLatin1String(ReportFile::kName), outcome.error),
                        QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    QCoreApplication::exit(0);
}
