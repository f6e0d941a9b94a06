#include "device/hid/VirtualHidWire.h"

namespace VirtualHid {
namespace {

class Writer {
  public:
    explicit Writer(Type type) : bytes_(5, 0) { bytes_[4] = static_cast<uint8_t>(type); }
    Writer& U8(uint8_t v) {
        bytes_.push_back(v);
        return *this;
    }
    Writer& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    Writer& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    Writer& Bytes(std::span<const uint8_t> v) {
        bytes_.insert(bytes_.end(), v.begin(), v.end());
        return *this;
    }
    std::vector<uint8_t> Finish() {
        size_t length = bytes_.size() - 4;
        if (length > kMaxMessageLength)
            return {};
        for (int i = 0; i < 4; ++i)
            bytes_[i] = static_cast<uint8_t>(length >> (8 * i));
        return std::move(bytes_);
    }

  private:
    std::vector<uint8_t> bytes_;
};

constexpr size_t kAttachFixed = 14;

std::span<const uint8_t> AsBytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::vector<uint8_t> EncodeOne(const Attach& m) {
    std::string name = m.name.substr(0, kMaxMessageLength - 1 - kAttachFixed);
    return Writer(Type::Attach)
        .U16(m.id)
        .U16(m.vendor)
        .U16(m.product)
        .U16(m.usagePage)
        .U16(m.usage)
        .U16(m.inputLength)
        .U16(m.featureLength)
        .Bytes(AsBytes(name))
        .Finish();
}
std::vector<uint8_t> EncodeOne(const Detach& m) {
    return Writer(Type::Detach).U16(m.id).Finish();
}
std::vector<uint8_t> EncodeOne(const Input& m) {
    return Writer(Type::Input).U16(m.id).Bytes(m.report).Finish();
}
std::vector<uint8_t> EncodeOne(const Reply& m) {
    return Writer(Type::Reply).U32(m.seq).U8(m.status).Bytes(m.data).Finish();
}
std::vector<uint8_t> EncodeOne(const Ready&) {
    return Writer(Type::Ready).Finish();
}
std::vector<uint8_t> EncodeOne(const Open& m) {
    return Writer(Type::Open).U32(m.seq).U16(m.id).Finish();
}
std::vector<uint8_t> EncodeOne(const Close& m) {
    return Writer(Type::Close).U16(m.id).Finish();
}
std::vector<uint8_t> EncodeOne(const SetFeature& m) {
    return Writer(Type::SetFeature).U32(m.seq).U16(m.id).Bytes(m.report).Finish();
}
std::vector<uint8_t> EncodeOne(const GetFeature& m) {
    return Writer(Type::GetFeature).U32(m.seq).U16(m.id).U8(m.reportId).U16(m.length).Finish();
}

// Reads a body; a read past its end marks it short.
class Reader {
  public:
    explicit Reader(std::span<const uint8_t> body) : body_(body) {}
    uint8_t U8() {
        if (pos_ >= body_.size()) {
            shortBody_ = true;
            return 0;
        }
        return body_[pos_++];
    }
    uint16_t U16() {
        uint16_t lo = U8();
        return static_cast<uint16_t>(lo | (U8() << 8));
    }
    uint32_t U32() {
        uint32_t lo = U16();
        return lo | (static_cast<uint32_t>(U16()) << 16);
    }
    std::vector<uint8_t> Rest() {
        std::vector<uint8_t> rest(body_.begin() + std::min(pos_, body_.size()), body_.end());
        pos_ = body_.size();
        return rest;
    }
    bool Short() const { return shortBody_; }

  private:
    std::span<const uint8_t> body_;
    size_t pos_ = 0;
    bool shortBody_ = false;
};

std::optional<Message> DecodeBody(uint8_t type, Reader& r) {
    switch (static_cast<Type>(type)) {
    case Type::Attach: {
        Attach m{r.U16(), r.U16(), r.U16(), r.U16(), r.U16(), r.U16(), r.U16(), {}};
        auto rest = r.Rest();
        m.name.assign(rest.begin(), rest.end());
        return m;
    }
    case Type::Detach:
        return Detach{r.U16()};
    case Type::Input: {
        Input m{r.U16(), {}};
        m.report = r.Rest();
        return m;
    }
    case Type::Reply: {
        Reply m{r.U32(), r.U8(), {}};
        m.data = r.Rest();
        return m;
    }
    case Type::Ready:
        return Ready{};
    case Type::Open: {
        Open m{r.U32(), r.U16()};
        return m;
    }
    case Type::Close:
        return Close{r.U16()};
    case Type::SetFeature: {
        SetFeature m{r.U32(), r.U16(), {}};
        m.report = r.Rest();
        return m;
    }
    case Type::GetFeature: {
        GetFeature m{r.U32(), r.U16(), r.U8(), r.U16()};
        return m;
    }
    }
    return std::nullopt;
}

} // namespace

std::vector<uint8_t> Encode(const Message& message) {
    return std::visit([](const auto& m) { return EncodeOne(m); }, message);
}

void Decoder::Feed(std::span<const uint8_t> bytes) {
    if (failed_)
        return;
    if (start_ > 0 && start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

std::optional<Message> Decoder::Next() {
    while (!failed_ && buffer_.size() - start_ >= 4) {
        const uint8_t* p = buffer_.data() + start_;
        size_t length = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<size_t>(p[3]) << 24);
        if (length == 0 || length > kMaxMessageLength) {
            failed_ = true;
            break;
        }
        if (buffer_.size() - start_ - 4 < length)
            break;
        Reader reader({p + 5, length - 1});
        auto message = DecodeBody(p[4], reader);
        start_ += 4 + length;
        if (reader.Short()) {
            failed_ = true;
            break;
        }
        if (start_ * 2 > buffer_.size()) {
            buffer_.erase(buffer_.begin(), buffer_.begin() + start_);
            start_ = 0;
        }
        if (message)
            return message;
    }
    return std::nullopt;
}

} // namespace VirtualHid
