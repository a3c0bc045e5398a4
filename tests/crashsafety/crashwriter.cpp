// Writes one of the files the program writes, again and again, so that the
// crash-safety test can kill it at any moment of a write. Each file comes
// in two versions, A and B, of different lengths.
//
//   crashwriter KIND FOLDER A|B   writes that version once
//   crashwriter KIND FOLDER loop  writes A, B, A, ... forever, telling each
//                                 write's start ("begin N") and end ("done N")
//                                 on standard output
//
// KIND is recording ("data\temp.wav" through the media player's save),
// marks ("data\umarks.txt"), copy (a recording copied to "copy.wav") or
// answers ("answers.htm", one long line, as a free-answer page is saved).

#include "choicetest/answersfile.h"
#include "platform/filecopy.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/virtualaudio.h"
#include "platform/stringlist.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

void say(const std::string& text)
{
    const std::string line = text + '\n';
    (void)::write(STDOUT_FILENO, line.data(), line.size()); // unbuffered: the test reads it at once
}

void writeRecording(const QString& folder, bool a)
{
    platform::VirtualAudioDevice audio;
    const float level = a ? 0.25f : -0.5f;
    audio.setInputSignal([level](int, double) { return level; });
    platform::MediaPlayer player;
    player.setFileName(folder + QStringLiteral("\\data\\empty.wav"));
    player.open();
    player.startRecording();
    audio.advance(a ? 3000 : 2000);
    player.stop();
    player.setFileName(folder + QStringLiteral("\\data\\temp.wav"));
    player.save();
}

void writeMarks(const QString& folder, bool a)
{
    QStringList lines;
    for (int i = 0; i < (a ? 60000 : 40000); ++i)
        lines.append(QString::number(a ? 100000 + i : 900000 + i));
    platform::StringList(lines).save(folder + QStringLiteral("\\data\\umarks.txt"));
}

void writeCopy(const QString& folder, bool a)
{
    const QString from = folder + (a ? QStringLiteral("\\source-a.wav") : QStringLiteral("\\source-b.wav"));
    if (!platform::copyFileOver(from, folder + QStringLiteral("\\copy.wav")))
        throw std::runtime_error("copy failed");
}

void writeAnswers(const QString& folder, bool a)
{
    const QString cell = a ? QStringLiteral("<p><input type=text value=\"answer\"></p>")
                           : QStringLiteral("<p><input type=radio checked></p>");
    writeAnswersFile(folder + QStringLiteral("\\answers.htm"), cell.repeated(a ? 30000 : 20000),
                     QByteArrayLiteral("windows-1251"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: crashwriter recording|marks|copy|answers FOLDER A|B|loop\n");
        return 2;
    }
    const std::string kind = argv[1];
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const std::string version = argv[3];
    auto write = [&](bool a) {
        if (kind == "recording")
            writeRecording(folder, a);
        else if (kind == "marks")
            writeMarks(folder, a);
        else if (kind == "copy")
            writeCopy(folder, a);
        else if (kind == "answers")
            writeAnswers(folder, a);
        else
            throw std::runtime_error("unknown kind " + kind);
    };
    try {
        if (version != "loop") {
            write(version == "A");
            return 0;
        }
        for (long n = 1;; ++n) {
            say("begin " + std::to_string(n));
            write(n % 2 == 1);
            say("done " + std::to_string(n));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "crashwriter: %s\n", error.what());
        return 1;
    }
}
