#include "content/pack_writer.h"

#include <zlib.h>

#include <stdexcept>

#include "platform/os.h"

namespace content {

namespace {

// 1 January 2026, 00:00, in MS-DOS form: the same stamp on every member keeps packs reproducible.
constexpr uint16_t kDosTime = 0;
constexpr uint16_t kDosDate = ((2026 - 1980) << 9) | (1 << 5) | 1;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

void PackWriter::Add(const std::string& name, std::vector<uint8_t> data) {
    if (name.empty() || name.size() > 255) throw std::runtime_error("pack member name too long: " + name);
    for (Member& m : members_) {
        if (os::EqualsNoCase(m.name, name)) {
            m.data = std::move(data);
            return;
        }
    }
    members_.push_back({name, std::move(data)});
}

void PackWriter::Add(const std::string& name, const std::string& text) {
    Add(name, std::vector<uint8_t>(text.begin(), text.end()));
}

const std::vector<uint8_t>* PackWriter::Find(const std::string& name) const {
    for (const Member& m : members_)
        if (os::EqualsNoCase(m.name, name)) return &m.data;
    return nullptr;
}

bool PackWriter::Has(const std::string& name) const { return Find(name) != nullptr; }

std::vector<uint8_t> PackWriter::Build() const {
    std::vector<uint8_t> out, central;
    for (const Member& m : members_) {
        const uint32_t crc = uint32_t(crc32(0L, m.data.data(), uInt(m.data.size())));
        const uint32_t offset = uint32_t(out.size());
        Put32(out, 0x04034b50);
        Put16(out, 10);  // version needed: 1.0, stored
        Put16(out, 0);   // no flags: no data descriptor, not encrypted
        Put16(out, 0);   // method 0, stored
        Put16(out, kDosTime);
        Put16(out, kDosDate);
        Put32(out, crc);
        Put32(out, uint32_t(m.data.size()));
        Put32(out, uint32_t(m.data.size()));
        Put16(out, uint32_t(m.name.size()));
        Put16(out, 0);
        out.insert(out.end(), m.name.begin(), m.name.end());
        out.insert(out.end(), m.data.begin(), m.data.end());

        Put32(central, 0x02014b50);
        Put16(central, 10);
        Put16(central, 10);
        Put16(central, 0);
        Put16(central, 0);
        Put16(central, kDosTime);
        Put16(central, kDosDate);
        Put32(central, crc);
        Put32(central, uint32_t(m.data.size()));
        Put32(central, uint32_t(m.data.size()));
        Put16(central, uint32_t(m.name.size()));
        Put16(central, 0);  // extra
        Put16(central, 0);  // comment
        Put16(central, 0);  // disk
        Put16(central, 0);  // internal attributes
        Put32(central, 0);  // external attributes
        Put32(central, offset);
        central.insert(central.end(), m.name.begin(), m.name.end());
    }
    const uint32_t centralOffset = uint32_t(out.size());
    out.insert(out.end(), central.begin(), central.end());
    Put32(out, 0x06054b50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, uint32_t(members_.size()));
    Put16(out, uint32_t(members_.size()));
    Put32(out, uint32_t(central.size()));
    Put32(out, centralOffset);
    Put16(out, 0);
    return out;
}

}  // namespace content
