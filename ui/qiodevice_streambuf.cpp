#include "ui/qiodevice_streambuf.h"

namespace orvik {

QIODeviceStreamBuf::QIODeviceStreamBuf(QIODevice& device) : device_(device) { setg(buffer_.data(), buffer_.data(), buffer_.data()); }

QIODeviceStreamBuf::int_type QIODeviceStreamBuf::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const qint64 got = device_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
    // A read error ends the text where it occurred, as the end of the file does.
    if (got <= 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
}

}  // namespace orvik
