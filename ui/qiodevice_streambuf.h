#pragma once
// Lets the stream-based reader read a Qt device a buffer at a time, so that a
// large file is never held in memory whole.
#include <QIODevice>
#include <array>
#include <streambuf>

namespace orvik {

class QIODeviceStreamBuf : public std::streambuf {
public:
    // `device` must be open for reading and outlive the buffer.
    explicit QIODeviceStreamBuf(QIODevice& device);

protected:
    int_type underflow() override;

private:
    QIODevice& device_;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace orvik
