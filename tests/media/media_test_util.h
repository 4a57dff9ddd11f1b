#pragma once
// A sink that records what the cues ask of the audio output, on a clock the test moves, and
// small helpers for folders and the environment.

#include "media/cues.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace vantor::testing {

class TRecordingSink : public TSoundSink {
public:
    void start(const TSoundClip& clip) override {
        log.push_back("start " + clip.name);
        current_ = clip.name;
        startedAt_ = now;
        length_ = clip.sound.milliseconds();
        lastClip = clip;
        active_ = true;
    }
    void stop() override {
        if (playing()) log.push_back("cut " + current_);
        active_ = false;
    }
    bool playing() const override { return active_ && now < startedAt_ + length_; }
    void waitForEnd() override {
        log.push_back("wait " + current_);
        guardedWhileWaiting = IsCueWaiting();
        if (playing()) now = startedAt_ + length_;
    }

    int now = 0; // milliseconds
    std::vector<std::string> log;
    bool guardedWhileWaiting = false;
    std::optional<TSoundClip> lastClip;

private:
    std::string current_;
    int startedAt_ = 0;
    std::int64_t length_ = 0;
    bool active_ = false;
};

// Sets an environment variable for the life of the object (unset when value is nullptr).
class TScopedEnv {
public:
    TScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~TScopedEnv() {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

inline std::filesystem::path freshFolder(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vantor_media_" + name + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace vantor::testing
