#pragma once

#include "sound/CuePlayer.h"

#include <QStringList>

#include <memory>

namespace quindle::test {

// Installs itself as the cue backend for its lifetime and records what was
// played; alerts are recorded as "<alert>".
class RecordingCues {
public:
    RecordingCues()
    {
        auto backend = std::make_unique<Backend>(FPlayed);
        FPrevious = TCuePlayer::Instance().SetBackend(std::move(backend));
    }
    ~RecordingCues() { TCuePlayer::Instance().SetBackend(std::move(FPrevious)); }

    const QStringList& Played() const { return *FPlayed; }
    void Clear() { FPlayed->clear(); }

private:
    struct Backend : ICueBackend {
        explicit Backend(std::shared_ptr<QStringList> log) : Log(std::move(log)) {}
        void Play(const QString& file) override { Log->append(file); }
        void Alert() override { Log->append(QStringLiteral("<alert>")); }
        std::shared_ptr<QStringList> Log;
    };
    std::shared_ptr<QStringList> FPlayed = std::make_shared<QStringList>();
    std::unique_ptr<ICueBackend> FPrevious;
};

} // namespace quindle::test
