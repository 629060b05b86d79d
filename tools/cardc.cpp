// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the picture sources into GIF89a files (and PNG icon sizes and copies), and
// writes the cards' descriptions beside them.
//   vexlor_cardc [--complete] [--draft] OUTDIR SOURCE...
// With --complete, the sources must hold all hundred questions. Cards that fail
// the readability checks are reported and nothing is drawn, unless --draft asks
// to draw them anyway (to look at them); the exit status is 1 either way.
#include "CardCheck.h"
#include "CardPainter.h"
#include "CardSource.h"
#include "GifWriter.h"
#include "QuestionBank.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QSaveFile>

#include <cstdio>
#include <stdexcept>

namespace {

void writePicture(const QDir &out, const QString &baseName, const CardSource &source)
{
    GifPicture gif;
    gif.image = paintCard(source);
    gif.frameHeight = source.frameHeight;
    gif.colours = source.colours;
    gif.ground = source.ground;
    gif.inks = inksOf(source);
    writeGif(out.filePath(baseName + QStringLiteral(".gif")), gif);
    for (int size : source.extraSizes) {
        const QImage image = paintCard(source, static_cast<double>(size) / source.canvas.width());
        const QString path = out.filePath(QStringLiteral("%1-%2.png").arg(baseName).arg(size));
        if (!image.save(path, "PNG"))
            throw std::runtime_error(QStringLiteral("%1: cannot write").arg(path).toStdString());
    }
}

// A GIF's pixels for a PNG copy. The GIF reader leaves the colour of clear
// pixels to chance; they become clear black, so two builds write the same bytes.
QImage pngCopy(const QString &gif)
{
    QImage image = QImage(gif).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                line[x] = 0;
        }
    }
    return image;
}

int run(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool complete = args.removeAll(QStringLiteral("--complete")) > 0;
    const bool draft = args.removeAll(QStringLiteral("--draft")) > 0;
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vexlor_cardc [--complete] [--draft] OUTDIR SOURCE...\n");
        return 2;
    }
    const QDir out(args.takeFirst());
    if (!out.exists() && !QDir().mkpath(out.path()))
        throw std::runtime_error("cannot make the output folder");

    std::vector<CardFile> files;
    QStringList faults;
    for (const QString &path : args) {
        files.push_back(readCardFile(path));
        for (const CardSource &picture : files.back().pictures)
            faults << checkCard(picture);
    }
    for (const QString &fault : faults)
        std::fprintf(stderr, "%s\n", qPrintable(fault));
    if (!faults.isEmpty() && !draft)
        return 1;

    QMap<int, QString> questionFiles;
    QMap<int, QString> descriptions;  // by Picture number
    for (const CardFile &file : files) {
        const QString &path = file.path;
        if (file.question == 0) {
            for (const CardSource &picture : file.pictures) {
                writePicture(out, picture.name, picture);
                // The same pixels in PNG, which Qt reads without loading an image plugin: shown at start-up.
                const QString gif = out.filePath(picture.name + QStringLiteral(".gif"));
                if (!pngCopy(gif).save(out.filePath(picture.name + QStringLiteral(".png")), "PNG"))
                    throw std::runtime_error(QStringLiteral("%1: cannot convert to PNG").arg(gif).toStdString());
            }
            continue;
        }
        const int q = file.question;
        if (questionFiles.contains(q))
            throw CardSourceError(QStringLiteral("%1:1: question %2 is already described in %3")
                                      .arg(path).arg(q).arg(questionFiles[q]).toStdString());
        questionFiles.insert(q, path);
        for (int k = 1; k <= 4; ++k) {
            const CardSource &card = file.pictures[static_cast<std::size_t>(k - 1)];
            if (card.odd != (k == QuestionBank::oddPicture(q)))
                throw CardSourceError(QStringLiteral("%1:%2: the odd card of question %3 is at position %4")
                                          .arg(path).arg(card.line).arg(q).arg(QuestionBank::oddPicture(q))
                                          .toStdString());
            const int number = 4 * (q - 1) + k;
            writePicture(out, QStringLiteral("p%1").arg(number, 3, 10, QChar(u'0')), card);
            descriptions.insert(number, card.description);
        }
    }
    if (complete && questionFiles.size() != QuestionBank::kQuestionTotal) {
        QStringList missing;
        for (int q = 1; q <= QuestionBank::kQuestionTotal; ++q) {
            if (!questionFiles.contains(q))
                missing << QString::number(q);
        }
        throw std::runtime_error(("no cards for questions " + missing.join(u", ")).toStdString());
    }
    QSaveFile list(out.filePath(QStringLiteral("descriptions.tsv")));
    if (!list.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write descriptions.tsv");
    for (auto it = descriptions.cbegin(); it != descriptions.cend(); ++it)
        list.write(QStringLiteral("%1\t%2\n").arg(it.key()).arg(it.value()).toUtf8());
    if (!list.commit())
        throw std::runtime_error("cannot write descriptions.tsv");
    return faults.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return run(QCoreApplication::arguments().mid(1));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
