// The intro video: opened and played for a few frames on the recording device.
#include <string>

extern "C" {
#include <libavutil/log.h>
}

#include "fuzz_hilfe.h"
#include "platform/gfx_recording.h"
#include "platform/video.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzOrdner();
    av_log_set_level(AV_LOG_QUIET);  // the decoders' complaints about every damaged input would cost more than the run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    SchreibeEingabe("intro.avi", daten, groesse);
    gfx::RecordingDevice geraet(false);  // a log of every call would cost more than the decoding
    video::Player spieler;
    std::string fehler;
    if (spieler.Open("intro.avi", fehler))
        for (int i = 0; i < 8 && spieler.Step(geraet) == video::Player::Status::Playing; ++i) spieler.MsUntilNextFrame();
    return 0;
}
