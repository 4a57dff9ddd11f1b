// The system's audio output for the cues: a QAudioSink reading the clip from a buffer in memory.
// Everything runs on the window's thread; Qt's audio backend feeds the device from timers of
// this thread, so a waiting cue runs a local event loop that lets those timers (and painting)
// through but holds back input and socket events.
#include "media/sound_sink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <thread>

namespace vantor {
namespace {

// A waiting cue never waits longer than its length and this much more, whatever the device
// reports (a stalled sound server must not freeze the game).
constexpr qint64 kWaitGraceMs = 1500;

class TSystemSoundSink final : public QObject, public TSoundSink {
public:
    void start(const TSoundClip& clip) override {
        release();
        lengthMs_ = clip.sound.milliseconds();
        clock_.start();
        data_ = QByteArray(reinterpret_cast<const char*>(clip.sound.samples.data()),
                           static_cast<qsizetype>(clip.sound.samples.size() * 2));
        if (!QCoreApplication::instance() || data_.isEmpty()) return;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return; // no output device: silence
        QAudioFormat format;
        format.setSampleRate(static_cast<int>(clip.sound.sampleRate));
        format.setChannelCount(clip.sound.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return;
        buffer_ = std::make_unique<QBuffer>(&data_);
        buffer_->open(QIODevice::ReadOnly);
        output_ = std::make_unique<QAudioSink>(device, format);
        const int generation = ++generation_;
        QObject::connect(output_.get(), &QAudioSink::stateChanged, this,
                         [this, generation](QAudio::State state) {
                             // The buffer has run out: free the device once the signal is done.
                             if (state == QAudio::IdleState)
                                 QTimer::singleShot(0, this, [this, generation] {
                                     if (generation == generation_) release();
                                 });
                         });
        output_->start(buffer_.get());
    }

    void stop() override { release(); }

    bool playing() const override { return output_ && output_->state() == QAudio::ActiveState; }

    void waitForEnd() override {
        if (!clock_.isValid()) return;
        const qint64 length = lengthMs_;
        auto done = [&] {
            const qint64 elapsed = clock_.elapsed();
            return (elapsed >= length && !playing()) || elapsed >= length + kWaitGraceMs;
        };
        if (!QCoreApplication::instance()) {
            // No event loop to run: the output is silent, so wait out the clip's length.
            const qint64 left = length - clock_.elapsed();
            if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left));
            return;
        }
        if (done()) return;
        QEventLoop loop;
        QTimer poll;
        poll.setTimerType(Qt::PreciseTimer);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done()) loop.quit();
        });
        poll.start(5);
        loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
        if (clock_.elapsed() >= length + kWaitGraceMs) release();
    }

private:
    void release() {
        ++generation_;
        if (output_) {
            output_->disconnect(this);
            output_->stop();
            output_.reset();
        }
        buffer_.reset();
    }

    std::unique_ptr<QAudioSink> output_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray data_;
    QElapsedTimer clock_;
    qint64 lengthMs_ = 0;
    int generation_ = 0;
};

} // namespace

std::unique_ptr<TSoundSink> makeSystemSoundSink() {
    return std::make_unique<TSystemSoundSink>();
}

} // namespace vantor
