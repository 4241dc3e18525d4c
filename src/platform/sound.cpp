#include "sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

namespace {

class MultimediaSound final : public SoundPlayer {
public:
    void playAsync(const QString& path) override
    {
        if (!QFileInfo::exists(path))
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
        const QUrl url = QUrl::fromLocalFile(path);
        if (m_effect->source() != url)
            m_effect->setSource(url);
        if (m_effect->status() == QSoundEffect::Ready) {
            m_effect->play();
        } else {
            m_pending = true;
        }
    }

private:
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
