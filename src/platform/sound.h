#pragma once
// Wave-file playback, behind one replaceable player so that tests can record
// what was played without audio hardware.
//
// Usage:
//     platform::PlaySoundAsync(modStootplanner::ProgrammaMap + "ringin.wav");
// The call returns at once while the sound plays; a missing or unplayable
// file is silently ignored, as the alarm expects.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryFile;

namespace platform {

// What the real player plays: a private copy of the sound file, read here as
// a plain file of bounded size. Given the file itself, the player's loader
// would wait for ever on a FIFO in its place, or hold a huge file whole.
class SoundCopy {
public:
    // Far longer than any alarm ring.
    static constexpr qint64 MaxBytes = 64 << 20;
    SoundCopy();
    ~SoundCopy();
    // The copy's path; empty when the file is missing, no plain file or
    // larger than MaxBytes. A new content gets a new copy.
    QString of(const QString& path);

private:
    std::unique_ptr<QTemporaryFile> m_file;
    QByteArray m_bytes;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playAsync(const QString& path) = 0;
};

// Plays the wave file at `path` asynchronously; returns at once.
void PlaySoundAsync(const QString& path);

// Installs a player (not owned); nullptr restores the real one (Qt Multimedia).
void setSoundPlayer(SoundPlayer* player);

// Test player: records every path asked for; installs itself for its lifetime.
class RecordingSound final : public SoundPlayer {
public:
    RecordingSound();
    ~RecordingSound() override;
    RecordingSound(const RecordingSound&) = delete;
    RecordingSound& operator=(const RecordingSound&) = delete;
    void playAsync(const QString& path) override { played.append(path); }
    QStringList played;

private:
    SoundPlayer* m_previous = nullptr;
};

}  // namespace platform
