// Placeholder until the device lands: records only the open state.
#include "mediaplayer.h"

#include "../error.h"

namespace platform {

struct MediaPlayer::Device {
    int position = 0;
};

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {}
MediaPlayer::~MediaPlayer() = default;

static void requireOpen(bool open)
{
    if (!open)
        throw Error(QStringLiteral("No MCI device open"));
}

void MediaPlayer::open() { m_device = std::make_unique<Device>(); }
void MediaPlayer::close() { m_device.reset(); }
bool MediaPlayer::isOpen() const { return bool(m_device); }
MediaPlayer::Mode MediaPlayer::mode() const { return m_device ? Mode::Stopped : Mode::NotOpen; }
void MediaPlayer::play() { requireOpen(isOpen()); }
void MediaPlayer::startRecording() { requireOpen(isOpen()); }
void MediaPlayer::stop() { requireOpen(isOpen()); }
void MediaPlayer::pause() { requireOpen(isOpen()); }
int MediaPlayer::position() const { requireOpen(isOpen()); return m_device->position; }
void MediaPlayer::setPosition(int ms) { requireOpen(isOpen()); m_device->position = ms; }
int MediaPlayer::length() const { requireOpen(isOpen()); return 0; }
void MediaPlayer::save() { requireOpen(isOpen()); }

} // namespace platform
