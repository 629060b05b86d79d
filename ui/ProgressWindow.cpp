// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"

#include "CsvExport.h"
#include "HistoryFile.h"
#include "HistoryWriter.h"
#include "MasteryMap.h"
#include "TrendPlot.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr std::size_t kWeakestShown = 10;
constexpr int kWriteWaitMilliseconds = 2000;

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A name of any length fits one line; the whole of it stays in the tool tip.
QString oneLine(const QString &text, const QFont &font)
{
    return QFontMetrics(font).elidedText(text, Qt::ElideMiddle, 420);
}

}  // namespace

ProgressWindow::ProgressWindow(HistoryWriter *history, QStringList terms, QWidget *parent)
    : QWidget(parent, Qt::Dialog)  // a dialog, so that the desktop keeps it over the game and off the task bar
    , m_history(history)
    , m_reader(history ? history->path() : HistoryFile::defaultPath())
    , m_terms(std::move(terms))
{
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(QStringLiteral("Progress"));

    m_who = new QLabel(this);
    m_who->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
    m_who->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_everyone = new QCheckBox(QStringLiteral("All players"), this);
    m_notice = new QLabel(this);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->hide();
    m_map = new MasteryMap(this);
    m_plot = new TrendPlot(this);
    m_weakest = new QListWidget(this);
    m_weakest->setObjectName(QStringLiteral("Weakest"));
    m_weakest->setAccessibleName(QStringLiteral("Weakest questions"));
    m_weakest->setMinimumHeight(120);
    auto *exportButton = new QPushButton(QStringLiteral("Export..."), this);
    m_forget = new QPushButton(QStringLiteral("Forget this player..."), this);
    auto *close = new QPushButton(QStringLiteral("Close"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(m_who, 1);
    top->addWidget(m_everyone);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(m_forget);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_notice);
    layout->addWidget(heading(QStringLiteral("Mastery, from the last three tries of each question"), this));
    layout->addWidget(m_map);
    layout->addWidget(heading(QStringLiteral("Series averages"), this));
    layout->addWidget(m_plot, 1);
    layout->addWidget(heading(QStringLiteral("Weakest questions (double-click or Return to practise)"), this));
    layout->addWidget(m_weakest);
    layout->addLayout(buttons);

    connect(m_everyone, &QCheckBox::toggled, this, &ProgressWindow::refresh);
    connect(m_weakest, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { emit questionChosen(item->data(Qt::UserRole).toInt()); });
    connect(exportButton, &QPushButton::clicked, this, &ProgressWindow::exportAnswers);
    connect(m_forget, &QPushButton::clicked, this, &ProgressWindow::forgetPlayer);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void ProgressWindow::showPlayer(const QString &player)
{
    m_player = player;
    refresh();
}

void ProgressWindow::setNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

std::optional<QString> ProgressWindow::chosenPlayer() const
{
    return m_everyone->isChecked() ? std::nullopt : std::optional<QString>(m_player);
}

void ProgressWindow::refresh()
{
    if (m_history)
        m_history->waitIdle(kWriteWaitMilliseconds);  // the answer just given is in what is read
    const std::optional<QString> player = chosenPlayer();
    m_who->setText(player ? QStringLiteral("Player: ") + oneLine(*player, m_who->font()) : QStringLiteral("All players"));
    m_who->setToolTip(player ? player->toHtmlEscaped() : QString());
    m_forget->setEnabled(player.has_value() && m_history);

    const std::vector<QuestionMastery> mastery = m_reader.mastery(player);
    m_map->setMastery(mastery, m_terms);
    m_plot->setSeries(m_reader.seriesAverages(player));
    m_weakest->clear();
    for (const QuestionMastery &m : HistoryReader::weakest(mastery, kWeakestShown)) {
        const QString term = m.question < m_terms.size() ? m_terms[m.question] : QString();
        auto *item = new QListWidgetItem(QStringLiteral("%1 %2: %3 % over %4 %5")
                                             .arg(m.question)
                                             .arg(term)
                                             .arg(qRound(m.average))
                                             .arg(m.tries)
                                             .arg(m.tries == 1 ? QStringLiteral("try") : QStringLiteral("tries")),
                                         m_weakest);
        item->setData(Qt::UserRole, m.question);
    }
    if (m_weakest->count() == 0)
        new QListWidgetItem(QStringLiteral("Nothing answered yet"), m_weakest);
    else
        m_weakest->setCurrentRow(0);
}

void ProgressWindow::exportAnswers()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export the history"),
                                                      QDir::home().filePath(QStringLiteral("vexlor-history.csv")),
                                                      QStringLiteral("Comma-separated values (*.csv)"));
    if (path.isEmpty())
        return;
    if (m_history)
        m_history->waitIdle(kWriteWaitMilliseconds);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly)
                         && CsvExport::write(file, m_reader.answers(chosenPlayer()), m_terms) && file.commit();
    setNotice(written ? QStringLiteral("Exported to %1.").arg(path)
                      : QStringLiteral("The export to %1 failed: %2.").arg(path, file.errorString()));
}

void ProgressWindow::forgetPlayer()
{
    const std::optional<QString> player = chosenPlayer();
    if (!player || !m_history)
        return;
    QMessageBox ask(QMessageBox::Question, QStringLiteral("Forget this player"),
                    QStringLiteral("Forget every answer of \"%1\"? This cannot be undone.").arg(oneLine(*player, font())),
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    ask.setTextFormat(Qt::PlainText);
    ask.setDefaultButton(QMessageBox::Cancel);
    if (ask.exec() != QMessageBox::Yes)
        return;
    m_history->forgetPlayer(*player);
    refresh();
}

void ProgressWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
