// Writes the alarm sound "ringin.wav": the ring of a bell alarm clock, a
// hammer striking a small bell about 14 times a second, in two bursts.
// Usage: make-ringin-wav <output.wav>
#include "core/recordfile.h"

#include <QByteArray>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

void put16(QByteArray& b, quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); }
void put32(QByteArray& b, quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); }

std::vector<double> ring()
{
    // Partials of a small steel bell (ratios of a thin bell's modes) with their own decay.
    struct Partial { double freq, amp, decay; };
    const Partial partials[] = {{1180, 1.00, 9}, {2870, 0.55, 14}, {4470, 0.30, 22}, {6100, 0.12, 30}};
    const double strikeEvery = 1.0 / 14.0;
    const double burst = 0.85, pause = 0.30;
    const double total = 2 * burst + pause + 0.35;   // room for the last strike to die away
    std::vector<double> out(size_t(total * SampleRate), 0.0);
    for (int b = 0; b < 2; ++b) {
        const double start = b * (burst + pause);
        for (double t0 = start; t0 < start + burst; t0 += strikeEvery) {
            // Alternate strikes hit a little harder, as the hammer swings between two bells.
            const int k = int(std::lround((t0 - start) / strikeEvery));
            const double force = (k % 2 == 0) ? 1.0 : 0.8;
            const double detune = (k % 2 == 0) ? 1.0 : 1.012;
            const size_t first = size_t(t0 * SampleRate);
            for (size_t i = first; i < out.size(); ++i) {
                const double t = double(i - first) / SampleRate;
                if (t > 0.6)
                    break;
                double v = 0;
                for (const Partial& p : partials)
                    v += p.amp * std::exp(-p.decay * t) * std::sin(2 * Pi * p.freq * detune * t);
                // A click of the hammer at the strike.
                v += 0.4 * std::exp(-400 * t) * std::sin(2 * Pi * 3000 * t);
                out[i] += force * v;
            }
        }
    }
    double peak = 0;
    for (double v : out)
        peak = std::max(peak, std::abs(v));
    for (double& v : out)
        v = v / peak * 0.8;
    // Short fades against clicks at the ends.
    const size_t fade = SampleRate / 200;
    for (size_t i = 0; i < fade && i < out.size(); ++i) {
        out[i] *= double(i) / fade;
        out[out.size() - 1 - i] *= double(i) / fade;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-ringin-wav <output.wav>\n");
        return 2;
    }
    const std::vector<double> samples = ring();
    QByteArray data;
    for (double v : samples)
        put16(data, quint16(qint16(std::lround(v * 32767))));
    QByteArray wav;
    wav.append("RIFF");
    put32(wav, quint32(36 + data.size()));
    wav.append("WAVE");
    wav.append("fmt ");
    put32(wav, 16);                  // PCM format chunk
    put16(wav, 1);                   // PCM
    put16(wav, 1);                   // mono
    put32(wav, SampleRate);
    put32(wav, SampleRate * 2);      // bytes per second
    put16(wav, 2);                   // block align
    put16(wav, 16);                  // bits per sample
    wav.append("data");
    put32(wav, quint32(data.size()));
    wav.append(data);
    // All or nothing: a failed write leaves the old file as it was.
    if (QString why; !core::replaceFile(QString::fromLocal8Bit(argv[1]), wav, &why)) {
        std::fprintf(stderr, "make-ringin-wav: cannot write %s: %s\n", argv[1], qPrintable(why));
        return 1;
    }
    return 0;
}
