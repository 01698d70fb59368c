#include "platform/video.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/ffmpeg.h"
#include "platform/gfx.h"
#include "platform/os.h"

namespace video {

// A damaged header can declare any picture size; decoding a giant one would take gigabytes. 4096 x 4096
// holds every real intro (4K too).
constexpr int64_t kGroessteBildflaeche = 4096 * 4096;
// Room behind each row of swscale's output for the pixels its vector code writes beyond the width.
constexpr size_t kZeilenReserve = 64;

static const Ffmpeg* ff = nullptr;  // set by Open (LoadFfmpeg loads the libraries once)

struct Player::Impl {
    AVFormatContext* format = nullptr;
    AVCodecContext* videoCodec = nullptr;
    AVCodecContext* audioCodec = nullptr;
    int videoStream = -1, audioStream = -1;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;      // the next video frame, shown once it is due
    AVFrame* audioFrame = nullptr;
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    SDL_AudioDeviceID audioDevice = 0;
    SDL_AudioSpec audioSpec{};

    bool pending = false;  // frame holds a decoded frame not shown yet
    double pendingTime = 0;
    double firstTime = -1;
    double soundDeadline = -1;  // once the pictures are done
    bool demuxDone = false, videoDone = false, failed = false;
    bool started = false;
    uint32_t start = 0;  // tick count of the first step
    std::vector<uint8_t> rgba;  // the frame to show, imageWidth x imageHeight
    std::vector<uint8_t> scaled;  // swscale's output, rows padded (see Convert)
    int imageWidth = 0, imageHeight = 0;
    std::vector<uint8_t> sound;

    gfx::Device* device = nullptr;
    gfx::Texture texture = 0;
    gfx::VertexBuffer quad = 0;

    ~Impl() {
        if (device && texture) device->ReleaseTexture(texture);
        if (device && quad) device->ReleaseVertexBuffer(quad);
        if (audioDevice) {
            SDL_CloseAudioDevice(audioDevice);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        ff->swr_free(&resampler);
        ff->sws_freeContext(scaler);
        ff->av_frame_free(&frame);
        ff->av_frame_free(&audioFrame);
        ff->av_packet_free(&packet);
        ff->avcodec_free_context(&videoCodec);
        ff->avcodec_free_context(&audioCodec);
        ff->avformat_close_input(&format);
    }

    // The game's tick counter, so the video keeps to the frame clock of a recorded game too.
    double Now() const { return (os::GetTickCount() - start) / 1000.0; }

    AVCodecContext* OpenCodec(int stream) {
        const AVCodecParameters* par = format->streams[stream]->codecpar;
        const AVCodec* codec = ff->avcodec_find_decoder(par->codec_id);
        if (!codec) return nullptr;
        AVCodecContext* ctx = ff->avcodec_alloc_context3(codec);
        if (ctx) ctx->max_pixels = kGroessteBildflaeche;
        if (ctx && ff->avcodec_parameters_to_context(ctx, par) >= 0 && ff->avcodec_open2(ctx, codec, nullptr) >= 0) return ctx;
        ff->avcodec_free_context(&ctx);
        return nullptr;
    }

    // The sound is optional: without a device or a decoder the video plays silent.
    void OpenSound() {
        if (audioStream < 0 || !(audioCodec = OpenCodec(audioStream))) return;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
        SDL_AudioSpec want{};
        want.freq = 44100;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = 1024;
        audioDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &audioSpec, 0);
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        if (audioDevice &&
            ff->swr_alloc_set_opts2(&resampler, &stereo, AV_SAMPLE_FMT_S16, audioSpec.freq, &audioCodec->ch_layout,
                                audioCodec->sample_fmt, audioCodec->sample_rate, 0, nullptr) >= 0 &&
            ff->swr_init(resampler) >= 0) {
            SDL_PauseAudioDevice(audioDevice, 0);
            return;
        }
        if (audioDevice) SDL_CloseAudioDevice(audioDevice);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioDevice = 0;
        ff->swr_free(&resampler);
    }

    void QueueSound(const AVPacket* pkt) {
        if (!audioDevice || ff->avcodec_send_packet(audioCodec, pkt) < 0) return;  // a bad sound packet is skipped
        while (ff->avcodec_receive_frame(audioCodec, audioFrame) >= 0) {
            int capacity = ff->swr_get_out_samples(resampler, audioFrame->nb_samples);
            if (capacity <= 0) continue;
            sound.resize(size_t(capacity) * 4);
            uint8_t* out = sound.data();
            int n = ff->swr_convert(resampler, &out, capacity, const_cast<const uint8_t**>(audioFrame->extended_data),
                                audioFrame->nb_samples);
            if (n > 0) SDL_QueueAudio(audioDevice, sound.data(), uint32_t(n) * 4);
        }
    }

    // Decodes up to the next video frame, queueing the sound met on the way. False at the end of
    // the video or on a failure.
    bool NextFrame() {
        for (;;) {
            int r = ff->avcodec_receive_frame(videoCodec, frame);
            if (r == 0) {
                int64_t ts = frame->best_effort_timestamp;
                double t = ts == AV_NOPTS_VALUE ? pendingTime : ts * av_q2d(format->streams[videoStream]->time_base);
                if (firstTime < 0) firstTime = t;
                pendingTime = t - firstTime;
                pending = true;
                return true;
            }
            if (r == AVERROR_EOF) {
                videoDone = true;
                return false;
            }
            if (r != AVERROR(EAGAIN) || demuxDone) {
                failed = r != AVERROR(EAGAIN);
                videoDone = true;
                return false;
            }
            if (ff->av_read_frame(format, packet) < 0) {  // end of the file (a read error ends it too)
                demuxDone = true;
                ff->avcodec_send_packet(videoCodec, nullptr);
                if (audioDevice) QueueSound(nullptr);
                continue;
            }
            if (packet->stream_index == videoStream) {
                r = ff->avcodec_send_packet(videoCodec, packet);
                if (r < 0 && r != AVERROR(EAGAIN)) failed = true;
            } else if (packet->stream_index == audioStream) {
                QueueSound(packet);
            }
            ff->av_packet_unref(packet);
            if (failed) {
                videoDone = true;
                return false;
            }
        }
    }

    bool Convert() {
        int w = frame->width, h = frame->height;
        scaler = ff->sws_getCachedContext(scaler, w, h, AVPixelFormat(frame->format), w, h, AV_PIX_FMT_RGBA,
                                      SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!scaler) return false;
        // swscale's vector code writes whole blocks of pixels: for a width that is no multiple of
        // eight it runs past the row's end, and past the end of a tightly sized buffer. So it
        // writes into padded rows, and the picture is copied out row by row.
        const size_t zeile = size_t(w) * 4, schritt = (zeile + kZeilenReserve + 63) / 64 * 64;
        scaled.resize(schritt * h);  // the last row has its reserve inside its step too
        uint8_t* dst[1] = {scaled.data()};
        int stride[1] = {int(schritt)};
        ff->sws_scale(scaler, frame->data, frame->linesize, 0, h, dst, stride);
        rgba.resize(zeile * h);
        for (int y = 0; y < h; ++y) std::copy_n(scaled.data() + schritt * y, zeile, rgba.data() + zeile * y);
        imageWidth = w;
        imageHeight = h;
        return true;
    }

    void Show(gfx::Device& dev) {
        int w = imageWidth, h = imageHeight, tw = 0, th = 0;
        device = &dev;
        if (texture && (!dev.TextureSize(texture, tw, th) || tw != w || th != h)) {
            dev.ReleaseTexture(texture);
            texture = 0;
        }
        if (!texture) texture = dev.CreateTexture(w, h, rgba.data());
        else dev.UpdateTexture(texture, rgba.data());
        if (!quad) {
            // the whole 1024 x 768 screen, centred on the origin of the orthographic view and moved
            // half a pixel left and up, so its edges fall between pixels as Direct3D places them
            const float l = -gfx::kScreenWidth / 2.0f - 0.5f, r = gfx::kScreenWidth / 2.0f - 0.5f;
            const float t = gfx::kScreenHeight / 2.0f + 0.5f, b = -gfx::kScreenHeight / 2.0f + 0.5f;
            const gfx::Vertex v[4] = {{l, t, 0, 0, 0, -1, 0, 0}, {r, t, 0, 0, 0, -1, 1, 0},
                                      {l, b, 0, 0, 0, -1, 0, 1}, {r, b, 0, 0, 0, -1, 1, 1}};
            quad = dev.CreateVertexBuffer(v, 4);
        }
        dev.Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000, 1.0f);
        dev.BeginScene();
        dev.SetRenderState(gfx::RenderState::Lighting, 0);
        dev.SetRenderState(gfx::RenderState::ZEnable, 0);
        dev.SetRenderState(gfx::RenderState::AlphaBlendEnable, 0);
        dev.SetRenderState(gfx::RenderState::AlphaTestEnable, 0);
        dev.SetRenderState(gfx::RenderState::CullMode, gfx::cull::None);
        dev.SetStageState(gfx::StageState::ColorOp, gfx::top::SelectArg1);
        dev.SetStageState(gfx::StageState::ColorArg1, gfx::targ::Texture);
        dev.SetSamplerState(gfx::SamplerState::MinFilter, gfx::filter::Linear);
        dev.SetSamplerState(gfx::SamplerState::MagFilter, gfx::filter::Linear);
        dev.SetTransform(gfx::TransformType::World, math3d::Identity());
        dev.SetTransform(gfx::TransformType::View, math3d::Identity());
        dev.SetTransform(gfx::TransformType::Projection,
                         math3d::OrthoLH(float(gfx::kScreenWidth), float(gfx::kScreenHeight), 0.0f, 1.0f));
        dev.SetTexture(texture);
        dev.SetStreamSource(quad);
        dev.DrawPrimitive(gfx::Primitive::TriangleStrip, 0, 2);
        dev.EndScene();
        dev.Present();
    }
};

Player::Player() = default;
Player::~Player() = default;

bool Player::Open(const std::string& path, std::string& error) {
    Close();
    if (!(ff = LoadFfmpeg(error))) return false;
    auto p = std::make_unique<Impl>();
    int r = ff->avformat_open_input(&p->format, path.c_str(), nullptr, nullptr);
    if (r >= 0) {
        // The probing decoders keep to the same picture size limit as the player's own.
        std::vector<AVDictionary*> optionen(p->format->nb_streams, nullptr);
        for (AVDictionary*& o : optionen) ff->av_dict_set_int(&o, "max_pixels", kGroessteBildflaeche, 0);
        r = ff->avformat_find_stream_info(p->format, optionen.data());
        for (AVDictionary*& o : optionen) ff->av_dict_free(&o);
    }
    if (r < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        ff->av_strerror(r, text, sizeof text);
        error = text;
        return false;
    }
    p->videoStream = ff->av_find_best_stream(p->format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    p->audioStream = ff->av_find_best_stream(p->format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    p->packet = ff->av_packet_alloc();
    p->frame = ff->av_frame_alloc();
    p->audioFrame = ff->av_frame_alloc();
    if (!p->packet || !p->frame || !p->audioFrame) {
        error = "out of memory";
        return false;
    }
    if (p->videoStream >= 0 && !(p->videoCodec = p->OpenCodec(p->videoStream))) {
        error = "no decoder for the video stream";
        return false;
    }
    impl_ = std::move(p);
    return true;
}

bool Player::HasVideo() const { return impl_ && impl_->videoCodec; }

Player::Status Player::Step(gfx::Device& device) {
    if (!HasVideo()) return Status::Failed;
    Impl& p = *impl_;
    if (!p.started) {
        p.started = true;
        // On the frame clock the sound could not keep pace: the pictures alone decide the end.
        if (!os::FrameClockOn()) p.OpenSound();
        p.start = os::GetTickCount();
    }
    double now = p.Now();
    bool fresh = false;
    for (;;) {
        if (p.pending) {
            if (p.pendingTime > now) break;
            p.pending = false;
            fresh = p.Convert();
        }
        if (!p.NextFrame()) break;
    }
    if (p.failed) return Status::Failed;
    if (fresh) p.Show(device);
    if (!p.videoDone || p.pending) return Status::Playing;
    if (!p.audioDevice) return Status::Ended;
    uint32_t queued = SDL_GetQueuedAudioSize(p.audioDevice);
    // The sound plays out, but a device that stops taking it does not hold the end up for long.
    if (p.soundDeadline < 0) p.soundDeadline = now + queued / (4.0 * p.audioSpec.freq) + 0.5;
    return queued == 0 || now > p.soundDeadline ? Status::Ended : Status::Playing;
}

uint32_t Player::MsUntilNextFrame() const {
    if (!impl_ || !impl_->started || !impl_->pending) return 10;  // only the sound is left to play out
    double wait = impl_->pendingTime - impl_->Now();
    // A damaged time stamp can lie years ahead: the wait is the longest there is, not a wrapped number.
    return wait > 0 ? uint32_t(std::min(std::ceil(wait * 1000), double(UINT32_MAX))) : 0;
}

void Player::Close() { impl_.reset(); }

}  // namespace video
