#include "playerfixture.h"

#include "platform/filecopy.h"
#include "shell/Main.h"

#include <QtEndian>

namespace playertest {

namespace {

void putLe32(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void putLe16(QByteArray& bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

} // namespace

QByteArray waveFile(int ms, int sampleRate, int channels, qint16 level)
{
    const qint64 frames = qint64(ms) * sampleRate / 1000;
    const quint32 dataBytes = quint32(frames * channels * 2);
    QByteArray bytes("RIFF");
    putLe32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    putLe32(bytes, 16);
    putLe16(bytes, 1);
    putLe16(bytes, quint16(channels));
    putLe32(bytes, quint32(sampleRate));
    putLe32(bytes, quint32(sampleRate * channels * 2));
    putLe16(bytes, quint16(channels * 2));
    putLe16(bytes, 16);
    bytes += "data";
    putLe32(bytes, dataBytes);
    for (qint64 i = 0; i < frames * channels; ++i)
        putLe16(bytes, quint16(level));
    return bytes;
}

WaveInfo readWave(const QByteArray& bytes)
{
    WaveInfo info;
    EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (id == "fmt ") {
            EXPECT_EQ(qFromLittleEndian<quint16>(body), 1) << "not PCM";
            info.channels = qFromLittleEndian<quint16>(body + 2);
            info.sampleRate = int(qFromLittleEndian<quint32>(body + 4));
            info.bitsPerSample = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            EXPECT_EQ(info.bitsPerSample, 16);
            const qsizetype samples = qMin<qsizetype>(size, bytes.size() - at - 8) / 2;
            info.frames = info.channels ? samples / info.channels : 0;
            for (qsizetype i = 0; i < samples; ++i)
                info.peak = qMax(info.peak, qAbs(int(qFromLittleEndian<qint16>(body + 2 * i))));
        }
        at += 8 + size + (size & 1);
    }
    return info;
}

PlayerTest::PlayerTest()
{
    MainFrm->courseRootSlash = MainFrm->courseRoot + u'\\';
    course.write(QStringLiteral("data/empty.wav"), waveFile(0, 11025));
}

void PlayerTest::prepare(Mode mode, const QStringList& marks, int soundMs)
{
    TViewTxtFrm& p = player();
    const QString root = MainFrm->courseRoot;
    course.write(QStringLiteral("data/sound/lesson.wav"), waveFile(soundMs));
    const QString lessonSound = root + QStringLiteral("\\data\\sound\\lesson.wav");
    const QString ownRecording = root + QStringLiteral("\\data\\temp.wav");
    const bool recording = mode != Mode::Listening;

    if (mode != Mode::Free) {
        p.marks = platform::StringList(marks);
        p.TrackBar1->setMax(int(marks.size()) - 1);
    }
    if (recording) {
        platform::copyFileOver(root + QStringLiteral("\\data\\empty.wav"), ownRecording);
        p.MediaPlayer1->setFileName(ownRecording);
    } else {
        p.MediaPlayer1->setFileName(lessonSound);
    }
    p.MediaPlayer1->open();
    if (mode == Mode::Accompanied) {
        p.MediaPlayer2->setFileName(lessonSound);
        p.MediaPlayer2->open();
    }
    p.m11->setHint(recording ? QStringLiteral("Start record") : QStringLiteral("Play"));
    p.m33->setHint(recording ? QStringLiteral("Stop record") : QStringLiteral("Stop"));
    p.recordingMode = recording ? 1 : 0;
    p.modelPlayerInUse = mode == Mode::Accompanied ? 1 : 0;
    p.TrackBar1->setEnabled(!recording);
    if (mode == Mode::Free) {
        p.timeLeft = 3;
        p.TrackBar1->setMax(3);
        p.freeRecording = true;
    }
    p.pageDocument = page.document();
    p.pageHighlighted = true;
    page.setClassName(1, QStringLiteral("instext"));
}

void PlayerTest::tickAfter(int ms)
{
    audio.advance(ms);
    player().Timer1Timer();
}

} // namespace playertest
