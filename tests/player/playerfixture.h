#pragma once

#include "fakepage.h"

#include "platform/media/virtualaudio.h"
#include "player/Viewtxt.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/tempcourse.h"
#include "tests/support/windows.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>

namespace playertest {

// A PCM wave file of the given length; `level` fills every sample.
QByteArray waveFile(int ms, int sampleRate = 8000, int channels = 1, qint16 level = 0);

struct WaveInfo {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    qint64 frames = 0;
    // The largest absolute sample value: 0 for silence.
    int peak = 0;
};
// Reads a 16-bit PCM wave file; fails the test when it is not one.
WaveInfo readWave(const QByteArray& bytes);

enum class Mode { Listening, Recording, Accompanied, Free };

// The seven windows on a temporary course with a virtual sound device, the
// course's data\empty.wav written, and the player put into a mode as the
// launcher leaves it, on a fake page of five phrases that is loaded.
class PlayerTest : public ::testing::Test {
protected:
    PlayerTest();

    // marks are the lines of the marks file; the lesson sound lasts soundMs.
    void prepare(Mode mode, const QStringList& marks, int soundMs = 10000);
    // Moves the sound clock, then runs one playback tick.
    void tickAfter(int ms);
    TViewTxtFrm& player() { return *ViewTxtFrm; }

    platform::VirtualAudioDevice audio;
    testsupport::TempCourse course;
    testsupport::FakeDesktop desktop;
    testsupport::Windows windows{course.root()};
    FakePage page{5};
};

} // namespace playertest
