// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/png_encoding.h"

#include <zlib.h>

#include <cstdint>
#include <vector>

namespace host {

namespace {

// The fastest level: on rows of zeros and short runs it packs about as small as the higher
// ones, at a third of their time.
constexpr int compressionLevel = 1;
constexpr unsigned char upFilter = 2;

void appendBigEndian(QByteArray &bytes, uint32_t value)
{
    const char big[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    bytes.append(big, 4);
}

// A chunk: its length, type and data, then the CRC of type and data.
void appendChunk(QByteArray &file, const char type[4], const QByteArray &data)
{
    appendBigEndian(file, uint32_t(data.size()));
    const qsizetype start = file.size();
    file.append(type, 4);
    file.append(data);
    const auto *checked = reinterpret_cast<const Bytef *>(file.constData() + start);
    appendBigEndian(file, uint32_t(crc32(0, checked, uInt(file.size() - start))));
}

QByteArray header(const QImage &image)
{
    QByteArray data;
    appendBigEndian(data, uint32_t(image.width()));
    appendBigEndian(data, uint32_t(image.height()));
    data.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, filtered, not interlaced
    return data;
}

QByteArray resolution(const QImage &image)
{
    QByteArray data;
    appendBigEndian(data, uint32_t(image.dotsPerMeterX()));
    appendBigEndian(data, uint32_t(image.dotsPerMeterY()));
    data.append('\x01'); // per metre
    return data;
}

// The rows compressed as they are filtered, one at a time: each row is its filter byte, then
// its red, green and blue bytes less those of the row above (none above the first).
class RowCompressor
{
public:
    explicit RowCompressor(int width)
        : m_row(std::size_t(3 * width + 1))
        , m_above(std::size_t(width), 0)
    {
        m_ready = deflateInit2(&m_stream, compressionLevel, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY)
            == Z_OK;
    }
    ~RowCompressor() { deflateEnd(&m_stream); }
    RowCompressor(const RowCompressor &) = delete;
    RowCompressor &operator=(const RowCompressor &) = delete;

    bool add(const QRgb *line)
    {
        unsigned char *out = m_row.data();
        *out++ = upFilter;
        for (std::size_t x = 0; x < m_above.size(); ++x) {
            const QRgb pixel = line[x];
            const QRgb above = m_above[x];
            out[3 * x] = static_cast<unsigned char>(qRed(pixel) - qRed(above));
            out[3 * x + 1] = static_cast<unsigned char>(qGreen(pixel) - qGreen(above));
            out[3 * x + 2] = static_cast<unsigned char>(qBlue(pixel) - qBlue(above));
            m_above[x] = pixel;
        }
        return deflated(m_row, Z_NO_FLUSH);
    }

    // The compressed rows, or nothing when compression failed.
    QByteArray finished()
    {
        if (!deflated({}, Z_FINISH))
            return {};
        return m_compressed;
    }

private:
    bool deflated(const std::vector<unsigned char> &input, int flush)
    {
        if (!m_ready)
            return false;
        m_stream.next_in = const_cast<Bytef *>(input.data());
        m_stream.avail_in = uInt(input.size());
        int status = Z_OK;
        do {
            unsigned char chunk[65536];
            m_stream.next_out = chunk;
            m_stream.avail_out = sizeof chunk;
            status = deflate(&m_stream, flush);
            if (status == Z_STREAM_ERROR)
                return m_ready = false;
            m_compressed.append(reinterpret_cast<const char *>(chunk),
                                qsizetype(sizeof chunk - m_stream.avail_out));
        } while (m_stream.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
        return true;
    }

    z_stream m_stream {};
    bool m_ready = false;
    std::vector<unsigned char> m_row;
    std::vector<QRgb> m_above;
    QByteArray m_compressed;
};

} // namespace

QByteArray opaquePngBytes(const QImage &image)
{
    if (image.isNull() || image.hasAlphaChannel())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    RowCompressor compressor(rgb.width());
    for (int y = 0; y < rgb.height(); ++y)
        if (!compressor.add(reinterpret_cast<const QRgb *>(rgb.constScanLine(y))))
            return {};
    const QByteArray pixels = compressor.finished();
    if (pixels.isEmpty())
        return {};
    QByteArray file("\x89PNG\r\n\x1a\n", 8);
    appendChunk(file, "IHDR", header(image));
    appendChunk(file, "pHYs", resolution(image));
    appendChunk(file, "IDAT", pixels);
    appendChunk(file, "IEND", {});
    return file;
}

} // namespace host
