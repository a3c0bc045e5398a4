#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace platform {

// A wave-audio player with millisecond positions. Order of use: set the file
// name, open; seek before play or record; stop before save. Play, record,
// stop, pause, seek and save on a player that is not open raise
// "No MCI device open". It plays on the desktop's sound server, or on the
// VirtualAudioDevice while one exists.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class Mode { NotOpen, Stopped, Playing, Recording, Paused };

    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& path) { m_fileName = path; }

    // Closes an open device first, then opens the file; fails with the
    // device's error text.
    void open();
    // Frees the device; nothing happens when none is open.
    void close();
    bool isOpen() const;
    Mode mode() const;

    // From the current position (from the start when it stands at the end).
    void play();
    // Records into the open file from the current position.
    void startRecording();
    // Playing or recording stops; the position stays.
    void stop();
    // A playing device pauses, a paused one resumes, any other does nothing.
    void pause();
    int position() const;
    // Positioned there, not playing.
    void setPosition(int ms);
    int length() const;
    // Plays slower or faster at the same pitch: 1 is normal, 0.5 half as
    // fast. Positions, seeks and the length stay in the recording's own
    // time. A playing device goes on at the new speed from where it is;
    // recording is always at normal speed. Kept when another file opens.
    void setSpeed(double speed);
    double speed() const { return m_speed; }
    // Writes the recording into fileName() atomically, in the format of the
    // opened file; nothing happens when the name is empty. A recording still
    // running is stopped first, so it is saved whole.
    void save();

private:
    void requireOpen() const;
    // Playing or recording ends; the position stays where the device was.
    void halt();

    QString m_fileName;
    double m_speed = 1.0;
    struct Device;
    std::unique_ptr<Device> m_device;
};

} // namespace platform
