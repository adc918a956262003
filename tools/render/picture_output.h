#pragma once
// Writing the finished picture: encoded as PNG in memory, then put in place.
// A regular file, or a new one, gets the safe replacement every data file
// gets, so that a failed write leaves no half-written picture and says why
// it failed. Anything else (/dev/null, a pipe, a terminal, /dev/stdout and
// what it leads to) is written where it is: it cannot be replaced.
#include "common/errors/result.h"
#include "common/files/file_identity.h"

#include <QByteArray>
#include <QImage>

#include <filesystem>

namespace render {

tervok::Result<QByteArray> pngBytes(const QImage& picture);

tervok::Status writePicture(const QImage& picture, const std::filesystem::path& file);

}  // namespace render
