#include "clip/ClipLoader.h"

#include "clip/ClipModule.h"
#include "files/HelperFiles.h"
#include "files/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QLibrary>

#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace quindle {

namespace {

const char kModuleFile[] = "quindle_clip.so";

struct TModule {
    QLibrary Library;
    QuindleClipOpenFn Open = nullptr;
    QuindleClipInfoFn Info = nullptr;
    QuindleClipFrameFn Frame = nullptr;
    QuindleClipCloseFn Close = nullptr;
    bool Loaded = false;
};

TModule& Module()
{
    static TModule module;
    return module;
}

QString& ModulePathOverride()
{
    static QString path;
    return path;
}

bool TryLoad(TModule& m, const QString& file)
{
    if (!QFile::exists(file))
        return false;
    m.Library.setFileName(file);
    if (!m.Library.load())
        return false;
    auto abi = reinterpret_cast<QuindleClipAbiFn>(m.Library.resolve(QUINDLE_CLIP_SYM_ABI));
    m.Open = reinterpret_cast<QuindleClipOpenFn>(m.Library.resolve(QUINDLE_CLIP_SYM_OPEN));
    m.Info = reinterpret_cast<QuindleClipInfoFn>(m.Library.resolve(QUINDLE_CLIP_SYM_INFO));
    m.Frame = reinterpret_cast<QuindleClipFrameFn>(m.Library.resolve(QUINDLE_CLIP_SYM_FRAME));
    m.Close = reinterpret_cast<QuindleClipCloseFn>(m.Library.resolve(QUINDLE_CLIP_SYM_CLOSE));
    if (!abi || abi() != QUINDLE_CLIP_ABI || !m.Open || !m.Info || !m.Frame || !m.Close) {
        m.Library.unload();
        return false;
    }
    m.Loaded = true;
    return true;
}

// Loaded on the first open only: FFmpeg costs start-up time and memory.
TModule* LoadedModule()
{
    TModule& m = Module();
    if (m.Loaded)
        return &m;
    for (const QString& file : HelperFileCandidates(QLatin1String(kModuleFile), THelperDir::Modules, ModulePathOverride())) {
        if (TryLoad(m, file))
            return &m;
    }
    return nullptr;
}

} // namespace

int TClip::FrameInterval() const
{
    if (RateNum <= 0 || RateDen <= 0)
        return 1000 / 15;
    const long long ms = (1000LL * RateDen + RateNum / 2) / RateNum;
    return static_cast<int>(std::clamp(ms, 10LL, 10000LL));
}

std::optional<TClip> LoadClip(const std::string& path)
{
    TModule* m = LoadedModule();
    if (!m)
        return std::nullopt;
    std::optional<std::vector<unsigned char>> bytes = ReadRegularFile(path, kMaxClipFileBytes);
    if (!bytes || bytes->empty())
        return std::nullopt;
    const std::size_t frameBudget = (kClipBudgetBytes - bytes->size()) / 3;
    // Closed by the module that opened it, on every path.
    const std::unique_ptr<QuindleClip, QuindleClipCloseFn> raw(
        m->Open(bytes->data(), bytes->size(), frameBudget, kClipBudgetMilliseconds), m->Close);
    bytes.reset();
    if (!raw)
        return std::nullopt;
    QuindleClipInfo info{};
    m->Info(raw.get(), &info);
    TClip clip;
    clip.FrameSize = QSize(info.Width, info.Height);
    clip.RateNum = info.RateNum;
    clip.RateDen = info.RateDen;
    const int rowBytes = info.Width * 4;
    for (int i = 0; i < info.FrameCount; ++i) {
        const unsigned char* pixels = m->Frame(raw.get(), i);
        if (!pixels)
            return std::nullopt;
        QImage frame(clip.FrameSize, QImage::Format_RGB32);
        if (frame.isNull())
            return std::nullopt;
        for (int y = 0; y < info.Height; ++y)
            std::memcpy(frame.scanLine(y), pixels + static_cast<size_t>(y) * rowBytes, rowBytes);
        clip.Frames.append(frame);
    }
    if (clip.Frames.isEmpty())
        return std::nullopt;
    return clip;
}

std::optional<TClip> LoadClipKeepingTimers(const std::string& path)
{
    // The module is loaded here: QLibrary is not for other threads.
    if (!LoadedModule())
        return std::nullopt;
    std::optional<TClip> clip;
    QEventLoop loop;
    std::thread worker([&] {
        clip = LoadClip(path);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return clip;
}

std::optional<TClip> LoadClip(const QString& path) { return LoadClip(QFile::encodeName(path).toStdString()); }

void SetClipModulePath(const QString& path) { ModulePathOverride() = path; }

bool ClipModuleLoaded() { return Module().Loaded; }

} // namespace quindle
