#pragma once
// Pack archives as the game reads them: ZIP files whose members are stored uncompressed, with the
// sizes in the local headers. A central directory is written too, so ordinary zip tools open them.
#include <cstdint>
#include <string>
#include <vector>

namespace content {

class PackWriter {
public:
    // Adds a member; a member of the same name (without regard to case) is replaced, so a later
    // generator step can swap a placeholder for the real thing.
    void Add(const std::string& name, std::vector<uint8_t> data);
    void Add(const std::string& name, const std::string& text);
    bool Has(const std::string& name) const;
    const std::vector<uint8_t>* Find(const std::string& name) const;
    size_t Count() const { return members_.size(); }

    // The whole archive; fixed timestamps so the same members give the same bytes.
    std::vector<uint8_t> Build() const;

private:
    struct Member {
        std::string name;
        std::vector<uint8_t> data;
    };
    std::vector<Member> members_;
};

}  // namespace content
