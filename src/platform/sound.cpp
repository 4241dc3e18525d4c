#include "sound.h"

#include "core/recordfile.h"

#include <QDir>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

namespace platform {

SoundCopy::SoundCopy() = default;
SoundCopy::~SoundCopy() = default;

QString SoundCopy::of(const QString& path)
{
    // Its size first: a file larger than any sound is not read at all.
    QByteArray bytes;
    qint64 size = 0;
    if (!core::readFileStart(path, 0, &bytes, &size) || size > MaxBytes
        || !core::readFileStart(path, MaxBytes, &bytes))
        return QString();
    if (!m_file || bytes != m_bytes) {
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/stootplanner-XXXXXX.wav"));
        if (!file->open() || file->write(bytes) != bytes.size() || !file->flush())
            return QString();
        m_file = std::move(file);
        m_bytes = bytes;
    }
    return m_file->fileName();
}

namespace {

class MultimediaSound final : public SoundPlayer {
public:
    void playAsync(const QString& path) override
    {
        const QString copy = m_copy.of(path);
        if (copy.isEmpty())
            return;
        // One effect kept alive: it must outlive the call to go on playing.
        if (!m_effect) {
            m_effect = new QSoundEffect;
            // Loading is asynchronous; a play asked for meanwhile starts once it is ready.
            QObject::connect(m_effect, &QSoundEffect::statusChanged, m_effect, [this] {
                if (m_effect->status() == QSoundEffect::Ready && m_pending) {
                    m_pending = false;
                    m_effect->play();
                }
            });
        }
        const QUrl url = QUrl::fromLocalFile(copy);
        if (m_effect->source() != url)
            m_effect->setSource(url);
        if (m_effect->status() == QSoundEffect::Ready) {
            m_effect->play();
        } else {
            m_pending = true;
        }
    }

private:
    SoundCopy m_copy;
    QSoundEffect* m_effect = nullptr;
    bool m_pending = false;
};

MultimediaSound& realPlayer()
{
    static MultimediaSound p;
    return p;
}

SoundPlayer* s_player = nullptr;

}  // namespace

void PlaySoundAsync(const QString& path)
{
    SoundPlayer* p = s_player ? s_player : &realPlayer();
    p->playAsync(path);
}

void setSoundPlayer(SoundPlayer* player) { s_player = player; }

RecordingSound::RecordingSound() : m_previous(s_player) { s_player = this; }
RecordingSound::~RecordingSound() { s_player = m_previous; }

}  // namespace platform
