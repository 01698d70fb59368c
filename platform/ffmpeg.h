#pragma once
// FFmpeg's functions the video player calls, found in its libraries at run time. Linked to the
// program they would load some 150 libraries before main (a third of a second's start-up on a slow
// disk, tens of milliseconds on a fast one); loaded on a thread of their own while start-up goes on,
// they cost the player nothing.
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace video {

struct Ffmpeg {
    decltype(&::av_dict_free) av_dict_free;
    decltype(&::av_dict_set_int) av_dict_set_int;
    decltype(&::av_find_best_stream) av_find_best_stream;
    decltype(&::av_frame_alloc) av_frame_alloc;
    decltype(&::av_frame_free) av_frame_free;
    decltype(&::av_packet_alloc) av_packet_alloc;
    decltype(&::av_packet_free) av_packet_free;
    decltype(&::av_packet_unref) av_packet_unref;
    decltype(&::av_read_frame) av_read_frame;
    decltype(&::av_strerror) av_strerror;
    decltype(&::avcodec_alloc_context3) avcodec_alloc_context3;
    decltype(&::avcodec_find_decoder) avcodec_find_decoder;
    decltype(&::avcodec_free_context) avcodec_free_context;
    decltype(&::avcodec_open2) avcodec_open2;
    decltype(&::avcodec_parameters_to_context) avcodec_parameters_to_context;
    decltype(&::avcodec_receive_frame) avcodec_receive_frame;
    decltype(&::avcodec_send_packet) avcodec_send_packet;
    decltype(&::avformat_close_input) avformat_close_input;
    decltype(&::avformat_find_stream_info) avformat_find_stream_info;
    decltype(&::avformat_open_input) avformat_open_input;
    decltype(&::swr_alloc_set_opts2) swr_alloc_set_opts2;
    decltype(&::swr_convert) swr_convert;
    decltype(&::swr_free) swr_free;
    decltype(&::swr_get_out_samples) swr_get_out_samples;
    decltype(&::swr_init) swr_init;
    decltype(&::sws_freeContext) sws_freeContext;
    decltype(&::sws_getCachedContext) sws_getCachedContext;
    decltype(&::sws_scale) sws_scale;
};

// The functions once the libraries are loaded (waiting for a load under way, PreloadFfmpeg in
// platform/video.h, starting one if none was); nullptr when a library or a function is missing,
// with what is missing in error.
const Ffmpeg* LoadFfmpeg(std::string& error);

}  // namespace video
