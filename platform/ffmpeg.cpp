#include "platform/ffmpeg.h"

#include <dlfcn.h>

#include <future>
#include <mutex>

#include "platform/video.h"

namespace video {

namespace {

Ffmpeg funktionen{};
std::once_flag gestartet;
std::shared_future<std::string> geladen;  // what is missing; empty when everything was found

// The library of the major version the headers are of, as the linker would have named it.
void* Oeffne(const char* name, int version, std::string& fehler)
{
    const std::string datei = std::string(name) + ".so." + std::to_string(version);
    void* bibliothek = dlopen(datei.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!bibliothek && fehler.empty()) fehler = dlerror();
    return bibliothek;
}

template <typename F>
void Finde(void* bibliothek, const char* name, F& funktion, std::string& fehler)
{
    funktion = bibliothek ? reinterpret_cast<F>(dlsym(bibliothek, name)) : nullptr;
    if (!funktion && fehler.empty()) fehler = std::string("FFmpeg has no ") + name;
}

std::string Lade()
{
    std::string fehler;
    void* util = Oeffne("libavutil", LIBAVUTIL_VERSION_MAJOR, fehler);
    void* codec = Oeffne("libavcodec", LIBAVCODEC_VERSION_MAJOR, fehler);
    void* format = Oeffne("libavformat", LIBAVFORMAT_VERSION_MAJOR, fehler);
    void* resample = Oeffne("libswresample", LIBSWRESAMPLE_VERSION_MAJOR, fehler);
    void* scale = Oeffne("libswscale", LIBSWSCALE_VERSION_MAJOR, fehler);
    Ffmpeg& f = funktionen;
    Finde(util, "av_dict_free", f.av_dict_free, fehler);
    Finde(util, "av_dict_set_int", f.av_dict_set_int, fehler);
    Finde(format, "av_find_best_stream", f.av_find_best_stream, fehler);
    Finde(util, "av_frame_alloc", f.av_frame_alloc, fehler);
    Finde(util, "av_frame_free", f.av_frame_free, fehler);
    Finde(codec, "av_packet_alloc", f.av_packet_alloc, fehler);
    Finde(codec, "av_packet_free", f.av_packet_free, fehler);
    Finde(codec, "av_packet_unref", f.av_packet_unref, fehler);
    Finde(format, "av_read_frame", f.av_read_frame, fehler);
    Finde(util, "av_strerror", f.av_strerror, fehler);
    Finde(codec, "avcodec_alloc_context3", f.avcodec_alloc_context3, fehler);
    Finde(codec, "avcodec_find_decoder", f.avcodec_find_decoder, fehler);
    Finde(codec, "avcodec_free_context", f.avcodec_free_context, fehler);
    Finde(codec, "avcodec_open2", f.avcodec_open2, fehler);
    Finde(codec, "avcodec_parameters_to_context", f.avcodec_parameters_to_context, fehler);
    Finde(codec, "avcodec_receive_frame", f.avcodec_receive_frame, fehler);
    Finde(codec, "avcodec_send_packet", f.avcodec_send_packet, fehler);
    Finde(format, "avformat_close_input", f.avformat_close_input, fehler);
    Finde(format, "avformat_find_stream_info", f.avformat_find_stream_info, fehler);
    Finde(format, "avformat_open_input", f.avformat_open_input, fehler);
    Finde(resample, "swr_alloc_set_opts2", f.swr_alloc_set_opts2, fehler);
    Finde(resample, "swr_convert", f.swr_convert, fehler);
    Finde(resample, "swr_free", f.swr_free, fehler);
    Finde(resample, "swr_get_out_samples", f.swr_get_out_samples, fehler);
    Finde(resample, "swr_init", f.swr_init, fehler);
    Finde(scale, "sws_freeContext", f.sws_freeContext, fehler);
    Finde(scale, "sws_getCachedContext", f.sws_getCachedContext, fehler);
    Finde(scale, "sws_scale", f.sws_scale, fehler);
    return fehler;
}

}  // namespace

void PreloadFfmpeg()
{
    std::call_once(gestartet, [] { geladen = std::async(std::launch::async, Lade).share(); });
}

const Ffmpeg* LoadFfmpeg(std::string& error)
{
    PreloadFfmpeg();
    const std::string& fehler = geladen.get();
    if (fehler.empty()) return &funktionen;
    error = fehler;
    return nullptr;
}

}  // namespace video
