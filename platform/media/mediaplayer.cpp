#include "mediaplayer.h"

#include "audioport.h"
#include "audiotrack.h"
#include "deviceport.h"
#include "tracksave.h"
#include "virtualaudio.h"
#include "../application.h"
#include "../error.h"
#include "../path.h"

#include <QTimer>

#include <algorithm>

namespace platform {

using media::AudioPort;
using media::AudioTrack;

struct MediaPlayer::Device {
    std::unique_ptr<AudioTrack> track;
    std::unique_ptr<AudioPort> port; // refers to track, so it goes first
    Mode mode = Mode::Stopped;
    int64_t frame = 0; // the position while nothing runs

    int64_t frameAt(int ms) const
    {
        const int64_t exact = (int64_t(std::max(ms, 0)) * track->sampleRate() + 999) / 1000;
        return std::min(exact, track->frames());
    }
    int msAt(int64_t frame) const { return int(frame * 1000 / track->sampleRate()); }
    bool running() const { return mode == Mode::Playing || mode == Mode::Recording; }
};

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {}
MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::requireOpen() const
{
    if (!m_device)
        throw Error(QStringLiteral("No MCI device open"));
}

void MediaPlayer::open()
{
    close();
    const QString path = nativePath(m_fileName);
    auto device = std::make_unique<Device>();
    device->track = std::make_unique<AudioTrack>(media::SoundFile::openForReading(path));
    if (VirtualAudioDevice* virtualDevice = VirtualAudioDevice::current())
        device->port = virtualDevice->connect(*device->track);
    else
        device->port = media::connectSoundDevice(*device->track, path);
    Device* raw = device.get();
    device->port->playbackEnded = [raw] {
        raw->mode = Mode::Stopped;
        raw->frame = raw->track->frames();
    };
    // The device stopped by itself, in the middle of its own callbacks: the
    // player keeps the position and the learner hears why once, from the
    // event loop.
    device->port->failed = [raw](const QString& reason) {
        raw->mode = Mode::Stopped;
        raw->frame = raw->port->position();
        QTimer::singleShot(0, [reason] { Application::showError(Error(reason)); });
    };
    m_device = std::move(device);
}

void MediaPlayer::close()
{
    m_device.reset();
}

bool MediaPlayer::isOpen() const
{
    return bool(m_device);
}

MediaPlayer::Mode MediaPlayer::mode() const
{
    return m_device ? m_device->mode : Mode::NotOpen;
}

void MediaPlayer::halt()
{
    if (!m_device->running())
        return;
    m_device->port->halt();
    m_device->frame = m_device->port->position();
    m_device->mode = Mode::Stopped;
}

void MediaPlayer::play()
{
    requireOpen();
    halt();
    Device& d = *m_device;
    if (d.frame >= d.track->frames())
        d.frame = 0;
    if (d.track->frames() == 0)
        return; // nothing to play: the device stays stopped
    d.port->speed = m_speed;
    d.port->play(d.frame);
    d.mode = Mode::Playing;
}

void MediaPlayer::startRecording()
{
    requireOpen();
    halt();
    m_device->port->speed = 1.0;
    m_device->port->record(m_device->frame);
    m_device->mode = Mode::Recording;
}

void MediaPlayer::stop()
{
    requireOpen();
    halt();
    m_device->mode = Mode::Stopped;
}

void MediaPlayer::pause()
{
    requireOpen();
    Device& d = *m_device;
    if (d.mode == Mode::Playing) {
        halt();
        d.mode = Mode::Paused;
    } else if (d.mode == Mode::Paused) {
        // Resuming starts the device afresh at the frame where it paused.
        d.port->speed = m_speed;
        d.port->play(d.frame);
        d.mode = Mode::Playing;
    }
}

int MediaPlayer::position() const
{
    requireOpen();
    const Device& d = *m_device;
    return d.msAt(d.running() ? d.port->position() : d.frame);
}

void MediaPlayer::setPosition(int ms)
{
    requireOpen();
    halt();
    m_device->frame = m_device->frameAt(ms);
    m_device->mode = Mode::Stopped;
}

int MediaPlayer::length() const
{
    requireOpen();
    return m_device->msAt(m_device->track->frames());
}

void MediaPlayer::setSpeed(double speed)
{
    if (speed == m_speed)
        return;
    m_speed = speed;
    if (m_device && m_device->mode == Mode::Playing) {
        halt();
        play();
    }
}

void MediaPlayer::save()
{
    requireOpen();
    if (m_fileName.isEmpty())
        return;
    if (m_device->mode == Mode::Recording)
        halt();
    media::saveTrack(*m_device->track, nativePath(m_fileName));
}

} // namespace platform
