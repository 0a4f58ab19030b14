// Stand-in for XRSound, the current simulator's sound library: it plays
// nothing, but answers as XRSound does (engines per vessel and per module
// name, sounds loaded by id, a load of a missing file refused) and reports
// every call to the transcript of the host that loaded it, as
// "sound XRSound <Function> ...".
//
// Built three times: XRSOUND_FULL (version 3.0), XRSOUND_OLD (1.5, older than
// a module may accept) and XRSOUND_NULL (its factories give no engine); by
// the host's compiler, and for modules built with Microsoft's C++ ABI by the
// same clang and lld as they are (msvc-abi/), so that the engine's table of
// functions has that ABI's layout. It needs no C++ library beyond <new>.
#include "OrbiterAPI.h"
#include "standin_report.h"

#include <cstdio>
#include <cstring>
#include <new>

// XRSound's engine as its users see it: its functions in the order of its
// table, slot 0 first, declared here apart from the module's own view of it.
// The stand-in's engine derives from it, as XRSound's engines do.
class XRSoundEngine {
public:
    enum class PlaybackType : int {};
    enum class DefaultSoundID : int {};
    enum class EngineType : int { Unknown = -1, Vessel = 0, Module = 1 };

    virtual float GetVersion() const = 0;
    virtual bool LoadWav(int soundID, const char *path, PlaybackType type) = 0;
    virtual bool PlayWav(int soundID, bool loop = false, float volume = 1.0f) = 0;
    virtual bool StopWav(int soundID) = 0;
    virtual bool IsWavPlaying(int soundID) = 0;
    virtual bool SetPaused(int soundID, bool pause) = 0;
    virtual bool IsPaused(int soundID) = 0;
    virtual bool SetDefaultSoundEnabled(DefaultSoundID id, bool enabled) = 0;
    virtual bool GetDefaultSoundEnabled(DefaultSoundID id) = 0;
    virtual bool SetDefaultSoundGroupFolder(DefaultSoundID id, const char *subfolder) = 0;
    virtual const char *GetDefaultSoundGroupFolder(DefaultSoundID id) const = 0;
    virtual bool IsDefaultSound(int soundID) const = 0;
    virtual bool IsDefaultSoundGroup(int soundID) const = 0;
    virtual bool IsDefaultSoundOrGroup(int soundID) const = 0;
    virtual EngineType GetEngineType() = 0;
    virtual const char *GetLogID() = 0;
    virtual bool SetPan(int soundID, float pan) = 0;
    virtual float GetPan(int soundID) = 0;
    virtual bool SetPlaybackSpeed(int soundID, float speed = 1.0f) = 0;
    virtual float GetPlaybackSpeed(int soundID) = 0;
    virtual bool SetPlayPosition(int soundID, unsigned positionMillis) = 0;
    virtual int GetPlayPosition(int soundID) = 0;

protected:
    ~XRSoundEngine() = default;
};

namespace {

#if defined(XRSOUND_OLD)
constexpr float kVersion = 1.5f;
#else
constexpr float kVersion = 3.0f;
#endif
#if defined(XRSOUND_NULL)
constexpr bool kGivesEngines = false;
#else
constexpr bool kGivesEngines = true;
#endif

constexpr int kEngineCount = 1024;
constexpr int kSoundCount = 128; // sounds per engine, by the order they are first loaded
constexpr int kNameSize = 64;
constexpr int kPathSize = 260;

// Sound paths are relative to the simulator's folder, with backslashes.
bool FileExists(const char *path) {
    char native[kPathSize];
    std::snprintf(native, sizeof native, "%s", path ? path : "");
#ifndef _WIN32
    for (char *c = native; *c; ++c)
        if (*c == '\\')
            *c = '/';
#endif
    std::FILE *file = std::fopen(native, "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

struct Sound {
    int id = 0;
    bool loaded = false;
    bool playing = false;
    bool paused = false;
    bool loop = false;
    float volume = 1.0f;
    float pan = 0.0f;
    float speed = 1.0f;
};

// An engine of the stand-in. XRSound's table goes on past slot 21; no user
// here calls further.
class Engine final : public XRSoundEngine {
public:
    Engine(int number, EngineType type) : number_(number), type_(type) {}
    int Number() const { return number_; }

    float GetVersion() const override {
        Report("sound XRSound GetVersion engine=%d -> %.2f", number_,
               static_cast<double>(kVersion));
        return kVersion;
    }
    // Loading replaces an earlier sound of the same id, and stops it; the
    // file is read when first played, so only a missing one is refused.
    bool LoadWav(int soundID, const char *path, PlaybackType type) override {
        const bool found = FileExists(path);
        Report("sound XRSound LoadWav engine=%d id=%d file=\"%s\" type=%d (%s)", number_, soundID,
               path ? path : "", static_cast<int>(type), found ? "found" : "missing");
        Sound *sound = Find(soundID, true);
        if (!sound)
            return false;
        *sound = Sound();
        sound->id = soundID;
        sound->loaded = found;
        return found;
    }
    // Played again while it plays, a sound only takes the new loop and volume.
    bool PlayWav(int soundID, bool loop, float volume) override {
        Sound *sound = Find(soundID, false);
        Report("sound XRSound PlayWav engine=%d id=%d loop=%d volume=%.3f%s", number_, soundID,
               loop ? 1 : 0, static_cast<double>(volume), sound ? "" : " (not loaded)");
        if (!sound)
            return false;
        sound->playing = true;
        sound->loop = loop;
        sound->volume = volume;
        return true;
    }
    bool StopWav(int soundID) override {
        Sound *sound = Find(soundID, false);
        Report("sound XRSound StopWav engine=%d id=%d%s", number_, soundID,
               sound ? "" : " (not loaded)");
        if (!sound)
            return false;
        sound->playing = false;
        return true;
    }
    bool IsWavPlaying(int soundID) override {
        Sound *sound = Find(soundID, false);
        Report("sound XRSound IsWavPlaying engine=%d id=%d", number_, soundID);
        return sound && sound->playing;
    }
    bool SetPaused(int soundID, bool pause) override {
        Sound *sound = Find(soundID, false);
        Report("sound XRSound SetPaused engine=%d id=%d pause=%d", number_, soundID, pause ? 1 : 0);
        if (sound)
            sound->paused = pause;
        return sound != nullptr;
    }
    bool IsPaused(int soundID) override {
        Sound *sound = Find(soundID, false);
        Report("sound XRSound IsPaused engine=%d id=%d", number_, soundID);
        return sound && sound->paused;
    }
    bool SetDefaultSoundEnabled(DefaultSoundID id, bool enabled) override {
        Report("sound XRSound SetDefaultSoundEnabled engine=%d id=%d enabled=%d", number_,
               static_cast<int>(id), enabled ? 1 : 0);
        return type_ == EngineType::Vessel;
    }
    bool GetDefaultSoundEnabled(DefaultSoundID id) override {
        Report("sound XRSound GetDefaultSoundEnabled engine=%d id=%d", number_,
               static_cast<int>(id));
        return type_ == EngineType::Vessel;
    }
    bool SetDefaultSoundGroupFolder(DefaultSoundID id, const char *subfolder) override {
        Report("sound XRSound SetDefaultSoundGroupFolder engine=%d id=%d folder=\"%s\"", number_,
               static_cast<int>(id), subfolder ? subfolder : "");
        return type_ == EngineType::Vessel;
    }
    const char *GetDefaultSoundGroupFolder(DefaultSoundID id) const override {
        Report("sound XRSound GetDefaultSoundGroupFolder engine=%d id=%d", number_,
               static_cast<int>(id));
        return nullptr;
    }
    bool IsDefaultSound(int soundID) const override { return Reserved("IsDefaultSound", soundID); }
    bool IsDefaultSoundGroup(int soundID) const override {
        return Reserved("IsDefaultSoundGroup", soundID);
    }
    bool IsDefaultSoundOrGroup(int soundID) const override {
        return Reserved("IsDefaultSoundOrGroup", soundID);
    }
    EngineType GetEngineType() override {
        Report("sound XRSound GetEngineType engine=%d", number_);
        return type_;
    }
    const char *GetLogID() override {
        Report("sound XRSound GetLogID engine=%d", number_);
        return "XRSound stand-in";
    }
    bool SetPan(int soundID, float pan) override {
        return Set("SetPan", "pan", soundID, pan, &Sound::pan);
    }
    float GetPan(int soundID) override { return Get("GetPan", soundID, &Sound::pan, -2.0f); }
    bool SetPlaybackSpeed(int soundID, float speed) override {
        return Set("SetPlaybackSpeed", "speed", soundID, speed, &Sound::speed);
    }
    float GetPlaybackSpeed(int soundID) override {
        return Get("GetPlaybackSpeed", soundID, &Sound::speed, 0.0f);
    }
    bool SetPlayPosition(int soundID, unsigned positionMillis) override {
        Report("sound XRSound SetPlayPosition engine=%d id=%d position=%u", number_, soundID,
               positionMillis);
        return Find(soundID, false) != nullptr;
    }
    int GetPlayPosition(int soundID) override {
        Report("sound XRSound GetPlayPosition engine=%d id=%d", number_, soundID);
        return Find(soundID, false) ? 0 : -1;
    }

private:
    // A property of a loaded sound, set or read; `none` for a sound not loaded.
    bool Set(const char *function, const char *name, int soundID, float value,
             float Sound::*property) {
        Sound *sound = Find(soundID, false);
        Report("sound XRSound %s engine=%d id=%d %s=%.3f", function, number_, soundID, name,
               static_cast<double>(value));
        if (sound)
            sound->*property = value;
        return sound != nullptr;
    }
    float Get(const char *function, int soundID, float Sound::*property, float none) {
        Sound *sound = Find(soundID, false);
        Report("sound XRSound %s engine=%d id=%d", function, number_, soundID);
        return sound ? sound->*property : none;
    }

    // Ids 10000 to 11999 are XRSound's own default sounds.
    bool Reserved(const char *function, int soundID) const {
        Report("sound XRSound %s engine=%d id=%d", function, number_, soundID);
        return soundID >= 10000 && soundID <= 11999;
    }

    // The loaded sound of that id; with `make`, a new entry when there is none.
    Sound *Find(int soundID, bool make) {
        for (int i = 0; i < soundCount_; ++i)
            if (sounds_[i].id == soundID)
                return make || sounds_[i].loaded ? &sounds_[i] : nullptr;
        if (!make || soundCount_ == kSoundCount)
            return nullptr;
        sounds_[soundCount_].id = soundID;
        return &sounds_[soundCount_++];
    }

    int number_;
    EngineType type_;
    Sound sounds_[kSoundCount];
    int soundCount_ = 0;
};

// Engines are made in place on first use: a DLL built without the C
// runtime's start-up runs no constructors of globals.
alignas(Engine) unsigned char engineStore[kEngineCount][sizeof(Engine)];
Engine *engines[kEngineCount];
const void *vesselOf[kEngineCount];
char moduleNameOf[kEngineCount][kNameSize];
int enginesMade = 0;

Engine *Make(XRSoundEngine::EngineType type) {
    if (enginesMade == kEngineCount)
        return nullptr;
    engines[enginesMade] = new (engineStore[enginesMade]) Engine(enginesMade, type);
    return engines[enginesMade++];
}

} // namespace

// One engine per vessel, the same at every call; none for a null handle.
DLLCLBK XRSoundEngine *GetXRSoundEngineInstance(OBJHANDLE hVessel) {
    Engine *engine = nullptr;
    for (int i = 0; i < enginesMade && hVessel && !engine; ++i)
        if (vesselOf[i] == hVessel)
            engine = engines[i];
    if (kGivesEngines && hVessel && !engine && (engine = Make(XRSoundEngine::EngineType::Vessel)))
        vesselOf[enginesMade - 1] = hVessel;
    if (engine)
        Report("sound XRSound GetXRSoundEngineInstance -> engine=%d", engine->Number());
    else
        Report("sound XRSound GetXRSoundEngineInstance -> null");
    return engine;
}

// One engine per module name; none for an empty name.
DLLCLBK XRSoundEngine *GetModuleXRSoundEngineInstance(const char *uniqueModuleName) {
    const char *name = uniqueModuleName ? uniqueModuleName : "";
    Engine *engine = nullptr;
    for (int i = 0; i < enginesMade && *name && !engine; ++i)
        if (!vesselOf[i] && std::strncmp(moduleNameOf[i], name, kNameSize) == 0)
            engine = engines[i];
    if (kGivesEngines && *name && !engine && (engine = Make(XRSoundEngine::EngineType::Module)))
        std::snprintf(moduleNameOf[enginesMade - 1], kNameSize, "%s", name);
    if (engine)
        Report("sound XRSound GetModuleXRSoundEngineInstance name=\"%s\" -> engine=%d", name,
               engine->Number());
    else
        Report("sound XRSound GetModuleXRSoundEngineInstance name=\"%s\" -> null", name);
    return engine;
}
