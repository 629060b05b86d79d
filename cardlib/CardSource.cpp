// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardSource.h"

#include "QuestionBank.h"

#include <QFile>

namespace {

class Parser {
public:
    Parser(const QString &path, const QString &text) : m_path(path), m_lines(text.split(u'\n')) {}

    CardFile parse();

private:
    [[noreturn]] void fail(const QString &message) const
    {
        throw CardSourceError(QStringLiteral("%1:%2: %3").arg(m_path).arg(m_lineNumber).arg(message).toStdString());
    }
    QStringList tokenize(const QString &line) const;
    static bool isQuoted(const QString &token) { return token.startsWith(u'"'); }
    double number(const QString &token) const;
    CardSource &current();
    void header(const QString &verb, const QStringList &args, CardFile &file);
    void drawing(const QString &verb, const QStringList &args);

    QString m_path;
    QStringList m_lines;
    int m_lineNumber = 0;
    int m_questionLine = 0;
    CardSource *m_current = nullptr;
    std::vector<CardSource> *m_pictures = nullptr;
};

QStringList Parser::tokenize(const QString &line) const
{
    QStringList tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const QChar c = line[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'#') {
            break;
        } else if (c == u'"') {
            QString token(u'"');
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == u'\\' && i + 1 < n && line[i + 1] == u'"') {
                    token += u'"';
                    i += 2;
                } else if (line[i] == u'"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    token += line[i++];
                }
            }
            if (!closed)
                fail(QStringLiteral("unterminated text"));
            tokens << token;
        } else {
            const qsizetype start = i;
            while (i < n && !line[i].isSpace() && line[i] != u'"' && line[i] != u'#')
                ++i;
            tokens << line.mid(start, i - start);
        }
    }
    return tokens;
}

double Parser::number(const QString &token) const
{
    bool ok = false;
    const double value = token.toDouble(&ok);
    if (!ok)
        fail(QStringLiteral("expected a number, found '%1'").arg(token));
    return value;
}

CardSource &Parser::current()
{
    if (!m_current)
        fail(QStringLiteral("drawing before any 'card' or 'picture'"));
    return *m_current;
}

void Parser::header(const QString &verb, const QStringList &args, CardFile &file)
{
    if (verb == u"question") {
        if (args.size() != 1 || file.question != 0 || !file.pictures.empty())
            fail(QStringLiteral("'question N' comes once, first"));
        file.question = static_cast<int>(number(args[0]));
        m_questionLine = m_lineNumber;
        if (file.question < 1 || file.question > QuestionBank::kQuestionTotal)
            fail(QStringLiteral("question number %1 outside 1 to %2").arg(args[0]).arg(QuestionBank::kQuestionTotal));
        return;
    }
    if (verb == u"card") {
        if (file.question == 0)
            fail(QStringLiteral("'card' outside a question file"));
        if (args.isEmpty() || !isQuoted(args[0]) || args.size() > 2 || (args.size() == 2 && args[1] != u"odd"))
            fail(QStringLiteral("expected: card \"description\" [odd]"));
        CardSource card;
        card.description = args[0].mid(1);
        card.odd = args.size() == 2;
        card.answer = true;
        card.name = QStringLiteral("q%1-%2").arg(file.question, 3, 10, QChar(u'0')).arg(file.pictures.size() + 1);
        card.file = m_path;
        card.line = m_lineNumber;
        file.pictures.push_back(card);
        m_current = &file.pictures.back();
        return;
    }
    // picture NAME W H "description"
    if (file.question != 0)
        fail(QStringLiteral("'picture' inside a question file"));
    if (args.size() != 4 || isQuoted(args[0]) || !isQuoted(args[3]))
        fail(QStringLiteral("expected: picture NAME WIDTH HEIGHT \"description\""));
    CardSource picture;
    picture.name = args[0];
    picture.canvas = QSize(static_cast<int>(number(args[1])), static_cast<int>(number(args[2])));
    if (picture.canvas.width() < 1 || picture.canvas.height() < 1 || picture.canvas.width() > 2000
        || picture.canvas.height() > 2000)
        fail(QStringLiteral("picture size out of range"));
    picture.frameHeight = picture.canvas.height();
    picture.description = args[3].mid(1);
    picture.file = m_path;
    picture.line = m_lineNumber;
    file.pictures.push_back(picture);
    m_current = &file.pictures.back();
}

void Parser::drawing(const QString &name, const QStringList &args)
{
    CardSource &picture = current();
    const VerbInfo *info = findVerb(name);
    if (!info)
        fail(QStringLiteral("unknown command '%1'").arg(name));
    CardCommand command;
    command.verb = info->verb;
    command.line = m_lineNumber;
    for (const QString &arg : args) {
        bool isNumber = false;
        const double value = arg.toDouble(&isNumber);
        if (isNumber)
            command.numbers.push_back(value);
        else
            command.words << (isQuoted(arg) ? arg.mid(1) : arg);
    }
    const int numbers = static_cast<int>(command.numbers.size());
    const int words = static_cast<int>(command.words.size());
    const bool numbersFit = info->maxNumbers < 0 ? numbers >= info->minNumbers && numbers % 2 == 0
                                                 : numbers >= info->minNumbers && numbers <= info->maxNumbers;
    if (!numbersFit || words < info->minWords || words > info->maxWords)
        fail(QStringLiteral("wrong arguments for '%1'").arg(name));
    const std::vector<double> &n = command.numbers;
    switch (info->verb) {
    case Verb::Height:
        if (n[0] < 128 || n[0] > 132 || picture.canvas != QSize(147, 132))
            fail(QStringLiteral("'height' takes 128 to 132, on answer-sized pictures"));
        picture.frameHeight = static_cast<int>(n[0]);
        return;
    case Verb::Colours:
        if (n[0] < 4 || n[0] > 256)
            fail(QStringLiteral("'colours' takes 4 to 256"));
        picture.colours = static_cast<int>(n[0]);
        return;
    case Verb::Ground:
        picture.ground = QColor(static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2]));
        return;
    case Verb::Also:
        for (const double size : n) {
            if (size < 8 || size > 1024)
                fail(QStringLiteral("'also' sizes lie between 8 and 1024"));
            picture.extraSizes.push_back(static_cast<int>(size));
        }
        return;
    case Verb::Square:
        picture.rounded = false;
        return;
    default:
        picture.commands.push_back(command);
    }
}

CardFile Parser::parse()
{
    CardFile file;
    file.path = m_path;
    for (const QString &raw : m_lines) {
        ++m_lineNumber;
        const QStringList tokens = tokenize(raw);
        if (tokens.isEmpty())
            continue;
        const QString verb = tokens.first();
        const QStringList args = tokens.mid(1);
        if (verb == u"question" || verb == u"card" || verb == u"picture")
            header(verb, args, file);
        else
            drawing(verb, args);
    }
    if (file.question != 0) {
        m_lineNumber = m_questionLine;
        if (file.pictures.size() != 4)
            fail(QStringLiteral("question %1 has %2 cards, not 4").arg(file.question).arg(file.pictures.size()));
        int odd = 0;
        for (const CardSource &card : file.pictures) {
            if (card.odd && ++odd == 2)
                m_lineNumber = card.line;  // the second one marked
        }
        if (odd != 1)
            fail(QStringLiteral("question %1 marks %2 cards odd, not 1").arg(file.question).arg(odd));
    }
    for (const CardSource &picture : file.pictures) {
        if (picture.description.trimmed().isEmpty()) {
            m_lineNumber = picture.line;
            fail(QStringLiteral("'%1' has no description").arg(picture.name));
        }
    }
    return file;
}

}  // namespace

CardFile parseCardSource(const QString &path, const QString &text)
{
    return Parser(path, text).parse();
}

CardFile readCardFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CardSourceError(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()).toStdString());
    return parseCardSource(path, QString::fromUtf8(file.readAll()));
}
