#pragma once
// Files of one pack read and decoded ahead on worker threads (pictures, X meshes), so a loader that
// makes textures or meshes from a list of them only waits for the device. The first worker reads
// every entry in one pass over the pack (LiesPackEintraege, which shares nothing with the calling
// thread); the workers decode them in list order, and they are taken in the same order, so the
// device objects are made in the order and with the handles they always had.
#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/packarchiv.h"

template <class Ergebnis>
class Vorlader {
public:
    using Dekodierer = bool (*)(const uint8_t* data, size_t size, Ergebnis& out, std::string& error);

    // At most `vorlauf` decoded files are held ahead of the caller.
    Vorlader(const char* pack, const std::vector<std::string>& namen, Dekodierer dekodiere, size_t vorlauf = kVorlauf)
        : pack_(pack), namen_(namen), eintraege_(namen.size()), dekodiere_(dekodiere), vorlauf_(vorlauf)
    {
        const unsigned kerne = std::max(1u, std::thread::hardware_concurrency());
        const size_t anzahl = std::min<size_t>({kHoechstensArbeiter, kerne, namen.size()});
        for (size_t k = 0; k < anzahl; ++k) arbeiter_.emplace_back([this] { Arbeite(); });
    }

    ~Vorlader()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            naechster_ = eintraege_.size();  // the rest is not wanted any more
        }
        genommen_.notify_all();
        for (std::thread& t : arbeiter_) t.join();
    }

    Vorlader(const Vorlader&) = delete;
    Vorlader& operator=(const Vorlader&) = delete;

    // The decoded file of entry i (waits for it), valid until the next call; entries are taken in
    // order. Null when the entry is not in the pack, its name may not be unpacked or it does not
    // decode: then the caller loads it the usual way, which reports the fault as it always did.
    const Ergebnis* Nimm(size_t i)
    {
        if (i >= eintraege_.size()) return nullptr;
        std::unique_lock<std::mutex> lock(mutex_);
        for (; vorherGenommen_ < i; ++vorherGenommen_) {
            Eintrag& alt = eintraege_[vorherGenommen_];
            fertig_.wait(lock, [&] { return alt.fertig; });
            alt.ergebnis = Ergebnis{};
        }
        genommen_.notify_all();
        Eintrag& e = eintraege_[i];
        fertig_.wait(lock, [&] { return e.fertig; });
        return e.gut ? &e.ergebnis : nullptr;
    }

private:
    // Enough to keep ahead of the device; more would only crowd a small machine.
    static constexpr unsigned kHoechstensArbeiter = 3;
    // Decoded files held ahead of the caller at most, unless asked for more (the packed entries are
    // all read at the start).
    static constexpr size_t kVorlauf = 8;

    struct Eintrag {
        std::vector<uint8_t> daten;
        Ergebnis ergebnis;
        bool gelesen = false, fertig = false, gut = false;
    };

    void Lies()
    {
        std::vector<std::optional<std::vector<uint8_t>>> gelesen = LiesPackEintraege(pack_.c_str(), namen_);
        for (size_t i = 0; i < gelesen.size(); ++i) {
            eintraege_[i].gelesen = gelesen[i].has_value();
            if (gelesen[i]) eintraege_[i].daten = std::move(*gelesen[i]);
        }
    }

    void Arbeite()
    {
        std::call_once(gelesen_, [this] { Lies(); });  // the others wait for it here
        for (;;) {
            size_t i;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                genommen_.wait(lock, [&] {
                    return naechster_ >= eintraege_.size() || naechster_ < vorherGenommen_ + vorlauf_;
                });
                if (naechster_ >= eintraege_.size()) return;
                i = naechster_++;
            }
            Eintrag& e = eintraege_[i];
            bool gut = false;
            if (e.gelesen) {
                try {
                    std::string fehler;
                    gut = dekodiere_(e.daten.data(), e.daten.size(), e.ergebnis, fehler);
                } catch (const std::bad_alloc&) {
                    gut = false;  // the usual way meets the same fault
                }
                std::vector<uint8_t>().swap(e.daten);
            }
            {
                std::lock_guard<std::mutex> lock(mutex_);
                e.gut = gut;
                e.fertig = true;
            }
            fertig_.notify_all();
        }
    }

    std::string pack_;
    std::vector<std::string> namen_;
    std::vector<Eintrag> eintraege_;
    Dekodierer dekodiere_;
    size_t vorlauf_;
    std::once_flag gelesen_;
    std::mutex mutex_;
    std::condition_variable fertig_, genommen_;
    size_t naechster_ = 0;       // the next entry a worker decodes
    size_t vorherGenommen_ = 0;  // entries before it have been taken and freed
    std::vector<std::thread> arbeiter_;
};
