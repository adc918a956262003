#pragma once
// Layer data packed as Tiled packs it, for the tests: little-endian gids,
// packed with zlib, gzip or zstd (or not at all), in base64.
#include "tools/tmx/layer_data.h"

#include <QByteArray>

#include <zlib.h>
#include <zstd.h>

#include <string>

namespace tmx::testing {

inline std::string deflated(const std::string& bytes, int windowBits)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 9, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(bytes.size())) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// compression: "", "zlib", "gzip" or "zstd".
inline std::string packed(const Gids& gids, const std::string& compression)
{
    std::string bytes;
    bytes.reserve(gids.size() * 4);
    for (const std::uint32_t gid : gids)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>(gid >> shift & 0xFF);
    if (compression == "zlib")
        bytes = deflated(bytes, MAX_WBITS);
    else if (compression == "gzip")
        bytes = deflated(bytes, 16 + MAX_WBITS);
    else if (compression == "zstd") {
        std::string out(ZSTD_compressBound(bytes.size()), '\0');
        out.resize(ZSTD_compress(out.data(), out.size(), bytes.data(), bytes.size(), 3));
        bytes = out;
    }
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toBase64().toStdString();
}

}  // namespace tmx::testing
