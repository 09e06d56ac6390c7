#include "platform/tone.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QEventLoop>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string_view>

namespace ovrelan {

namespace {

constexpr int sample_rate = 44100;
constexpr double frequency = 880.0;

// 16-bit mono samples of the tone, with 5 ms ramps so it starts and ends without a click.
QByteArray tone_samples(int milliseconds) {
    const int count = sample_rate * milliseconds / 1000;
    const int ramp = sample_rate * 5 / 1000;
    QByteArray data(count * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<std::int16_t*>(data.data());
    for (int n = 0; n < count; ++n) {
        double envelope = 1.0;
        if (n < ramp) {
            envelope = static_cast<double>(n) / ramp;
        } else if (count - n < ramp) {
            envelope = static_cast<double>(count - n) / ramp;
        }
        const double phase = 2 * std::numbers::pi * frequency * n / sample_rate;
        out[n] = static_cast<std::int16_t>(12000.0 * envelope * std::sin(phase));
    }
    return data;
}

// Plays the samples on its own thread and event loop, so the caller blocks without serving
// its window messages, as a system beep does.
class ToneThread final : public QThread {
public:
    ToneThread(QAudioDevice device, QByteArray samples, int milliseconds)
        : device_(std::move(device)), samples_(std::move(samples)), milliseconds_(milliseconds) {}

protected:
    void run() override {
        QAudioFormat format;
        format.setSampleRate(sample_rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device_.isFormatSupported(format)) {
            return;
        }
        QBuffer buffer(&samples_);
        buffer.open(QIODevice::ReadOnly);
        QAudioSink sink(device_, format);
        QEventLoop loop;
        QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
            if (state == QAudio::IdleState || state == QAudio::StoppedState) {
                loop.quit();
            }
        });
        // A device that never reports the end still lets the caller go on.
        QTimer::singleShot(milliseconds_ + 500, &loop, &QEventLoop::quit);
        sink.start(&buffer);
        if (sink.error() == QAudio::NoError) {
            loop.exec();
        }
        sink.stop();
    }

private:
    QAudioDevice device_;
    QByteArray samples_;
    int milliseconds_;
};

QtMessageHandler previous_handler = nullptr;

// The audio backend reports a missing sound server on the console; a machine without sound
// simply plays nothing.
void quiet_audio_backend(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService")) ||
        std::string_view(context.category ? context.category : "").starts_with("qt.multimedia")) {
        return;
    }
    if (previous_handler != nullptr) {
        previous_handler(type, context, text);
    }
}

QAudioDevice default_output() {
    previous_handler = qInstallMessageHandler(quiet_audio_backend);
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previous_handler);
    return device;
}

} // namespace

void QtTone::play(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    const QAudioDevice device = default_output();
    if (device.isNull()) {
        return; // no audio output: silent
    }
    ToneThread thread(device, tone_samples(milliseconds), milliseconds);
    thread.start();
    thread.wait();
}

} // namespace ovrelan
